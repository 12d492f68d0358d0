#pragma once
// Midnight of a calendar day, as the portable date tests write their dates.
#include "base/COleDateTime.h"

inline COleDateTime Day(int y, int m, int d) { return COleDateTime(y, m, d, 0, 0, 0); }
