#include "pages/CPPHolidays.h"

#include "resource.h"

CPPHolidays::CPPHolidays() : CPropertyPage(IDD_HOLIDAYS) {}
