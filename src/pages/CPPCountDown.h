#pragma once
#include "framework/CPropertyPage.h"

// The Countdowns page, on its dialog template; its controls come later.
class CPPCountDown : public CPropertyPage {
 public:
  CPPCountDown();
};
