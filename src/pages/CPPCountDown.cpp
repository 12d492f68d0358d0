#include "pages/CPPCountDown.h"

#include "resource.h"

CPPCountDown::CPPCountDown() : CPropertyPage(IDD_COUNTDOWN) {}
