#pragma once
#include <windows.h>

#include "base/COleDateTime.h"

// Between the platform's SYSTEMTIME, which controls speak, and COleDateTime,
// with the platform's own conversions so that both agree with what the system
// itself would compose. False for an invalid value or one outside the
// platform's range; `out` is then left as it was.
bool ToSystemTime(const COleDateTime& value, SYSTEMTIME& out);
// `dateOnly` drops the time of day; milliseconds are always dropped.
bool FromSystemTime(SYSTEMTIME time, bool dateOnly, COleDateTime& out);
