// Speed of the iCalendar reader and writer: a large calendar of plain
// all-day events, and the expansion of many yearly rules.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "base/Clock.h"
#include "ical/ICalendarText.h"

namespace {

int64_t FixedClock() { return 1781524800000; }  // 2026-06-15, in milliseconds

// About 10 MB of all-day events, as another calendar program writes them.
std::string TenMegabyteCalendar() {
  std::mt19937 rng(4);
  std::uniform_int_distribution<int> year(1950, 2050), month(1, 12), day(1, 28);
  std::string text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Bench//EN\r\n";
  char line[256];
  for (int i = 0; text.size() < (10u << 20); ++i) {
    const int y = year(rng), m = month(rng), d = day(rng);
    std::snprintf(line, sizeof line,
                  "BEGIN:VEVENT\r\nUID:%08d-4a1b-11ee-be56-0242ac120002\r\n"
                  "DTSTAMP:20240101T000000Z\r\nSUMMARY:Holiday number %d\\, f\xC3\xAAte\r\n"
                  "DTSTART;VALUE=DATE:%04d%02d%02d\r\nDTEND;VALUE=DATE:%04d%02d%02d\r\n"
                  "TRANSP:TRANSPARENT\r\nEND:VEVENT\r\n",
                  i, i, y, m, d, y, m, d + 1);
    text += line;
  }
  return text + "END:VCALENDAR\r\n";
}

void BM_ParseICalendarEvents(benchmark::State& state) {
  SetClockSource(FixedClock);
  const std::string text = TenMegabyteCalendar();
  size_t records = 0;
  for (auto _ : state) {
    DateRecordList list = ParseICalendarText(text, DateListKind::Holidays);
    records = list.size();
    benchmark::DoNotOptimize(list);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
  state.counters["records"] = static_cast<double>(records);
  SetClockSource(nullptr);
}
BENCHMARK(BM_ParseICalendarEvents)->Unit(benchmark::kMillisecond);

// 1,000 open yearly rules from 2000 (to 2056 with the clock in 2026): fixed
// days, nth weekdays of a month, last weekdays, weekdays within a run of days.
void BM_ExpandYearlyRules(benchmark::State& state) {
  SetClockSource(FixedClock);
  const char* const rules[] = {"FREQ=YEARLY", "FREQ=YEARLY;BYDAY=4TH;BYMONTH=11",
                               "FREQ=YEARLY;BYDAY=-1SU;BYMONTH=3",
                               "FREQ=YEARLY;BYDAY=TU;BYMONTHDAY=2,3,4,5,6,7,8;BYMONTH=11"};
  std::string text = "BEGIN:VCALENDAR\r\n";
  for (int i = 0; i < 1000; ++i) {
    text += "BEGIN:VEVENT\r\nSUMMARY:Rule " + std::to_string(i) +
            "\r\nDTSTART;VALUE=DATE:20000101\r\nRRULE:" + rules[i % 4] + "\r\nEND:VEVENT\r\n";
  }
  text += "END:VCALENDAR\r\n";
  size_t records = 0;
  for (auto _ : state) {
    DateRecordList list = ParseICalendarText(text, DateListKind::Holidays);
    records = list.size();
    benchmark::DoNotOptimize(list);
  }
  state.counters["records"] = static_cast<double>(records);
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * records));
  SetClockSource(nullptr);
}
BENCHMARK(BM_ExpandYearlyRules)->Unit(benchmark::kMillisecond);

void BM_FormatICalendarText(benchmark::State& state) {
  SetClockSource(FixedClock);
  const DateRecordList list = ParseICalendarText(TenMegabyteCalendar(), DateListKind::Holidays);
  size_t bytes = 0;
  for (auto _ : state) {
    std::string text = FormatICalendarText(list, DateListKind::Holidays);
    bytes = text.size();
    benchmark::DoNotOptimize(text);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
  SetClockSource(nullptr);
}
BENCHMARK(BM_FormatICalendarText)->Unit(benchmark::kMillisecond);

}  // namespace
