// Linked into every Windows test program: the lists read and write calendar
// files there as they do in the program, which registers the format at
// start-up.
#include "ical/ICalendarFormat.h"
#include "lists/ListTextFormat.h"

namespace {
[[maybe_unused]] const bool g_calendarFormatRegistered = (RegisterListTextFormat(kICalendarFormat), true);
}  // namespace
