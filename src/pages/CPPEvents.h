#pragma once
#include "framework/CPropertyPage.h"

// The Events page, on its dialog template; its controls come later.
class CPPEvents : public CPropertyPage {
 public:
  CPPEvents();
};
