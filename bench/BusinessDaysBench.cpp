// Speed of the business-day count and move with 100,000 holidays: neither
// may grow with the span, and both at most with the logarithm of the
// holidays; with 1,000 yearly holidays, neither may grow with the span
// either; and of the year table, twelve months of such counts.
// busday_numpy.py times numpy on the same data for comparison.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "base/DifferenceCalc.h"
#include "lists/BusinessDays.h"
#include "lists/DateListText.h"
#include "lists/YearWorkingDays.h"

namespace {

constexpr long kMove = 10000;
constexpr int kDraws = 1024;

// Days of 1800..2099 drawn by minstd (x = 48271 x mod 2^31 - 1, from 1),
// each the draw modulo the number of days: busday_numpy.py draws alike.
class Days {
 public:
  Days() : m_first(COleDateTime(1800, 1, 1, 0, 0, 0)), m_count(static_cast<long>(COleDateTime(2099, 12, 31, 0, 0, 0) - m_first) + 1) {}
  COleDateTime Next() { return m_first.AddDays(static_cast<double>(m_rng() % static_cast<unsigned long>(m_count))); }

 private:
  std::minstd_rand m_rng;
  COleDateTime m_first;
  long m_count;
};

// 100,000 holidays, repeats among them, as loading builds the list (parsed
// from a file written in date order); then the draws the calls take.
struct BenchData {
  DateRecordList holidays;
  std::vector<COleDateTime> draws;

  BenchData() {
    Days days;
    for (int i = 0; i < 100000; ++i) holidays.push_back({"Holiday " + std::to_string(i), days.Next(), true});
    SortByDate(holidays);
    std::string text = FormatDateListText(holidays, DateListKind::Holidays);
    RemoveCarriageReturns(text);
    holidays = ParseDateListText(text);
    SortByDate(holidays);
    for (int i = 0; i < 2 * kDraws; ++i) draws.push_back(days.Next());
  }
};

const BenchData& Data() {
  static const BenchData data;
  return data;
}

// The work week of the argument: Monday to Friday, or Sunday to Thursday.
WorkWeek Week(const benchmark::State& state) { return WorkWeek(static_cast<uint32_t>(state.range(0))); }

// One count once the index is built, over spans of every length (so that
// the searches do not keep landing on the same entries).
void BM_CountBusinessDays(benchmark::State& state) {
  const HolidayIndex index(Data().holidays, Week(state));
  const std::vector<COleDateTime>& d = Data().draws;
  size_t i = 0;
  for (auto _ : state) {
    const COleDateTime& a = d[2 * (i & (kDraws - 1))];
    const COleDateTime& b = d[2 * (i & (kDraws - 1)) + 1];
    ++i;
    benchmark::DoNotOptimize(CountBusinessDays(a < b ? a : b, a < b ? b : a, index));
  }
}
BENCHMARK(BM_CountBusinessDays)->Arg(0x1F)->Arg(0x4F)->Unit(benchmark::kNanosecond);

// 10,000 business days forward (and, second argument 1, backward) from
// days all over the holidays' centuries.
void TimeMoves(benchmark::State& state, const HolidayIndex& index, long n) {
  const std::vector<COleDateTime>& d = Data().draws;
  size_t i = 0;
  COleDateTime moved;
  for (auto _ : state) {
    benchmark::DoNotOptimize(MoveByBusinessDays(d[i++ & (2 * kDraws - 1)], n, index, moved));
    benchmark::DoNotOptimize(moved);
  }
}

void BM_MoveByBusinessDays(benchmark::State& state) {
  TimeMoves(state, HolidayIndex(Data().holidays, Week(state)), state.range(1) != 0 ? -kMove : kMove);
}
BENCHMARK(BM_MoveByBusinessDays)->Args({0x1F, 0})->Args({0x1F, 1})->Args({0x4F, 0})->Unit(benchmark::kNanosecond);

// 1,000 yearly holidays, first dated all over 1800..2099 (so at most 366
// distinct month-days).
const DateRecordList& ThousandYearly() {
  static const DateRecordList list = [] {
    DateRecordList holidays;
    Days days;
    for (int i = 0; i < 1000; ++i) {
      holidays.push_back({"Yearly " + std::to_string(i), days.Next(), true});
      holidays.back().yearly = true;
    }
    SortByDate(holidays);
    return holidays;
  }();
  return list;
}

// A count over the argument's years, and a move of as many business days
// as such a span holds, from days all over the holidays' centuries. The
// holidays take most month-days: few business days are left in a year.
void BM_YearlyCount(benchmark::State& state) {
  const HolidayIndex index(ThousandYearly());
  const double span = 365.2425 * static_cast<double>(state.range(0));
  const std::vector<COleDateTime>& d = Data().draws;
  size_t i = 0;
  for (auto _ : state) {
    const COleDateTime& a = d[i++ & (2 * kDraws - 1)];
    benchmark::DoNotOptimize(CountBusinessDays(a, a.AddDays(span), index));
  }
}
BENCHMARK(BM_YearlyCount)->Arg(10)->Arg(1000)->Unit(benchmark::kNanosecond);

void BM_YearlyMove(benchmark::State& state) {
  const HolidayIndex index(ThousandYearly());
  const COleDateTime from(1900, 1, 1, 0, 0, 0);
  const long n = CountBusinessDays(from, from.AddDays(365.2425 * static_cast<double>(state.range(0))), index);
  state.counters["n"] = static_cast<double>(n);
  TimeMoves(state, index, n);
}
BENCHMARK(BM_YearlyMove)->Arg(10)->Arg(1000)->Unit(benchmark::kNanosecond);

// What a change of the list or of the work week costs: the index rebuilt.
void BM_RebuildHolidayIndex(benchmark::State& state) {
  HolidayIndex index;
  for (auto _ : state) {
    index.Rebuild(Data().holidays, Week(state));
    benchmark::DoNotOptimize(index);
  }
}
BENCHMARK(BM_RebuildHolidayIndex)->Arg(0x1F)->Unit(benchmark::kMillisecond);

// Month by Month's year table: a whole year's twelve months and total, in
// years all over the holidays' centuries.
void BM_YearWorkingDays(benchmark::State& state) {
  const HolidayIndex index(Data().holidays, Week(state));
  const std::vector<COleDateTime>& d = Data().draws;
  size_t i = 0;
  for (auto _ : state) {
    const YearWorkingDays table(d[i++ & (2 * kDraws - 1)].GetYear(), index);
    benchmark::DoNotOptimize(table.Total());
  }
}
BENCHMARK(BM_YearWorkingDays)->Arg(0x1F)->Arg(0x4F)->Unit(benchmark::kMicrosecond);

void BM_RebuildYearlyIndex(benchmark::State& state) {
  HolidayIndex index;
  for (auto _ : state) {
    index.Rebuild(ThousandYearly());
    benchmark::DoNotOptimize(index);
  }
}
BENCHMARK(BM_RebuildYearlyIndex)->Unit(benchmark::kMillisecond);

}  // namespace
