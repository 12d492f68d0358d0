#include "pages/CPPEvents.h"

#include "resource.h"

CPPEvents::CPPEvents() : CPropertyPage(IDD_EVENTS) {}
