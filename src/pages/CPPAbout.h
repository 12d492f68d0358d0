#pragma once
#include "framework/CPropertyPage.h"

// The About page, on its dialog template; its controls come later.
class CPPAbout : public CPropertyPage {
 public:
  CPPAbout();
};
