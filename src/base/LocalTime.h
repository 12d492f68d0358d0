#pragma once
#include <cstdint>
#include <string>

#include "base/COleDateTime.h"

// Local date-times and instants (seconds since 1970, UTC) by the system's
// time zone rules for the date in question. On Windows these come from
// kernel32: the C runtime's localtime reads a TZ variable its own way.

// The local date-time at `seconds`, in whole seconds; invalid where the
// system cannot say.
COleDateTime LocalTimeAt(int64_t seconds);

// The instant the local date-time `local` names (its seconds dropped to
// whole ones). The hour the clocks skip, and the hour they repeat, read as
// the system reads them. Every countdown's end goes through here, so that
// what the page shows and what the tray says agree. A date the system
// cannot place is counted from now on the date scale.
int64_t InstantOfLocalTime(const COleDateTime& local);

// A countdown's time left at `now` (seconds since 1970) to the instant its
// end names, as a span; "Expired" at or after that instant.
std::string RemainingText(const COleDateTime& end, int64_t now);

// The platform's half of the above: false where the system cannot place
// the date.
bool SystemInstantOfLocalTime(const COleDateTime& local, int64_t& seconds);
