// Speed of the list text, the sort and the business-day count, on the
// sizes the program must stay quick with.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "base/COleDateTime.h"
#include "lists/BusinessDays.h"
#include "lists/DateListText.h"

namespace {

constexpr int kLines = 1000000;

DateRecordList RandomRecords(int count, bool withTime) {
  std::mt19937 rng(1);
  std::uniform_int_distribution<int> year(1900, 2100), month(1, 12), day(1, 28), hour(0, 23),
      minute(0, 59);
  DateRecordList list;
  for (int i = 0; i < count; ++i) {
    list.push_back({"Holiday number " + std::to_string(i),
                    COleDateTime(year(rng), month(rng), day(rng), withTime ? hour(rng) : 0,
                                 withTime ? minute(rng) : 0, withTime ? minute(rng) : 0),
                    true});
  }
  return list;
}

void BM_ParseDateListText(benchmark::State& state) {
  const bool counters = state.range(0) != 0;
  std::string text = FormatDateListText(RandomRecords(kLines, counters),
                                        counters ? DateListKind::Counters : DateListKind::Holidays);
  RemoveCarriageReturns(text);
  for (auto _ : state) {
    DateRecordList records = ParseDateListText(text);
    benchmark::DoNotOptimize(records);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * text.size());
  state.counters["lines"] = kLines;
}
BENCHMARK(BM_ParseDateListText)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_FormatDateListText(benchmark::State& state) {
  const bool counters = state.range(0) != 0;
  const DateRecordList list = RandomRecords(kLines, counters);
  size_t bytes = 0;
  for (auto _ : state) {
    std::string text =
        FormatDateListText(list, counters ? DateListKind::Counters : DateListKind::Holidays);
    bytes = text.size();
    benchmark::DoNotOptimize(text);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_FormatDateListText)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_SortByDate(benchmark::State& state) {
  const DateRecordList shuffled = RandomRecords(kLines, true);
  for (auto _ : state) {
    state.PauseTiming();
    DateRecordList list = shuffled;
    state.ResumeTiming();
    SortByDate(list);
    benchmark::DoNotOptimize(list);
    state.PauseTiming();
    list.clear();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * kLines);
}
BENCHMARK(BM_SortByDate)->Unit(benchmark::kMillisecond);

// 100,000 holidays spread over 300 years, as loading builds the list
// (parsed from a file written in date order).
DateRecordList HundredThousandHolidays(const COleDateTime& first, const COleDateTime& last) {
  std::mt19937 rng(2);
  std::uniform_int_distribution<int> offset(0, static_cast<int>(last - first));
  DateRecordList holidays;
  for (int i = 0; i < 100000; ++i) {
    holidays.push_back({"Holiday " + std::to_string(i), first.AddDays(offset(rng)), true});
  }
  SortByDate(holidays);
  std::string text = FormatDateListText(holidays, DateListKind::Holidays);
  RemoveCarriageReturns(text);
  holidays = ParseDateListText(text);
  SortByDate(holidays);
  return holidays;
}

// One count once the index is built, over spans of every length (so that
// the searches do not keep landing on the same entries).
void BM_CountBusinessDays(benchmark::State& state) {
  const COleDateTime first(1800, 1, 1, 0, 0, 0), last(2099, 12, 31, 0, 0, 0);
  const HolidayIndex index(HundredThousandHolidays(first, last));
  std::mt19937 rng(3);
  std::uniform_int_distribution<int> offset(0, static_cast<int>(last - first));
  std::vector<std::pair<COleDateTime, COleDateTime>> spans;
  for (int i = 0; i < 1024; ++i) {
    const COleDateTime a = first.AddDays(offset(rng)), b = first.AddDays(offset(rng));
    spans.emplace_back(a < b ? a : b, a < b ? b : a);
  }
  size_t i = 0;
  for (auto _ : state) {
    const auto& span = spans[i++ & 1023];
    benchmark::DoNotOptimize(CountBusinessDays(span.first, span.second, index));
  }
}
BENCHMARK(BM_CountBusinessDays)->Unit(benchmark::kNanosecond);

// What a change of the list costs the count: the index rebuilt from it.
void BM_RebuildHolidayIndex(benchmark::State& state) {
  const DateRecordList holidays = HundredThousandHolidays(COleDateTime(1800, 1, 1, 0, 0, 0),
                                                          COleDateTime(2099, 12, 31, 0, 0, 0));
  HolidayIndex index;
  for (auto _ : state) {
    index.Rebuild(holidays);
    benchmark::DoNotOptimize(index);
  }
}
BENCHMARK(BM_RebuildHolidayIndex)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
