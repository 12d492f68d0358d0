// Any text as iCalendar: the reader must not crash and must keep its
// bounds; what it read must write a calendar that reads back to the same
// dates.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/Clock.h"
#include "ical/ICalendarText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // A fixed clock, so that open rules end in the same year every run.
  SetClockSource([]() -> int64_t { return 1781524800000; });
  const DateListKind kind = (data[0] % 3 == 0)   ? DateListKind::Holidays
                            : (data[0] % 3 == 1) ? DateListKind::Events
                                                 : DateListKind::Counters;
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  const DateRecordList records = ParseICalendarText(text, kind);
  if (records.size() > kMaxICalendarRecords) __builtin_trap();
  for (const DateRecord& r : records) {
    if (!r.date.IsValid() || !r.active) __builtin_trap();
  }
  if (records.size() > 5000) return 0;  // the writer is not what is fuzzed here
  const DateRecordList back = ParseICalendarText(FormatICalendarText(records, kind), kind);
  if (back.size() != records.size()) __builtin_trap();
  auto a = records.begin();
  for (auto b = back.begin(); b != back.end(); ++a, ++b) {
    if (a->date != b->date) __builtin_trap();
  }
  return 0;
}
