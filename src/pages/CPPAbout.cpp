#include "pages/CPPAbout.h"

#include "resource.h"

CPPAbout::CPPAbout() : CPropertyPage(IDD_ABOUT) {}
