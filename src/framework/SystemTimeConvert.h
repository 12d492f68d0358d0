#pragma once
#include <windows.h>

#include "base/COleDateTime.h"

// The one conversion between the system's date-time record and ours.
// An invalid date gives an all-zero record.
SYSTEMTIME ToSystemTime(const COleDateTime& date);
// The record's day at 00:00:00.
COleDateTime FromSystemTime(const SYSTEMTIME& st);
