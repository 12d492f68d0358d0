#include "pages/CPPStopWatch.h"

#include "resource.h"

CPPStopWatch::CPPStopWatch() : CPropertyPage(IDD_STOPWATCH) {}
