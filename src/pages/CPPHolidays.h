#pragma once
#include "framework/CPropertyPage.h"

// The Holidays page, on its dialog template; its controls come later.
class CPPHolidays : public CPropertyPage {
 public:
  CPPHolidays();
};
