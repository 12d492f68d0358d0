#pragma once
#include "framework/CPropertyPage.h"

// The Stopwatch page, on its dialog template; its controls come later.
class CPPStopWatch : public CPropertyPage {
 public:
  CPPStopWatch();
};
