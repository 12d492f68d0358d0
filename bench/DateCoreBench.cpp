// Speed of the list text and the sort, on the sizes the program must stay
// quick with.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "base/COleDateTime.h"
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

}  // namespace

BENCHMARK_MAIN();
