#include "ical/RecurrenceRule.h"

#include <algorithm>

#include "base/CivilDays.h"
#include "ical/ContentLineReader.h"

namespace {

// A rule that tests this many days in a row without finding one is given
// up: the rarest real pattern (a weekday on 29 February, checked daily)
// finds one in well under half of that.
constexpr uint64_t kBarrenLimit = 50000;
constexpr long kMaxInterval = 1000000;  // beyond the calendar at any frequency

const char* const kWeekdays[7] = {"SU", "MO", "TU", "WE", "TH", "FR", "SA"};

bool ParseNumber(std::string_view text, long long lo, long long hi, long long& value) {
  size_t pos = 0;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
  if (pos == text.size() || text.size() - pos > 10) return false;
  long long n = 0;
  for (; pos < text.size(); ++pos) {
    if (text[pos] < '0' || text[pos] > '9') return false;
    n = n * 10 + (text[pos] - '0');
  }
  value = negative ? -n : n;
  return value >= lo && value <= hi;
}

int ParseWeekday(std::string_view text) {
  for (int w = 0; w < 7; ++w) {
    if (EqualsNoCase(text, kWeekdays[w])) return w;
  }
  return -1;
}

// Calls take(item) for each comma-separated item; false if one refuses.
template <typename Take>
bool EachItem(std::string_view list, Take take) {
  size_t pos = 0;
  while (pos <= list.size()) {
    const size_t comma = std::min(list.find(',', pos), list.size());
    if (!take(list.substr(pos, comma - pos))) return false;
    pos = comma + 1;
  }
  return true;
}

}  // namespace

struct RecurrenceRule::Filters {
  uint16_t months;
  uint32_t monthDays;
  uint32_t monthDaysFromEnd;
  bool byDay;
  uint8_t weekdays;
  bool ordinals;  // ordinal BYDAY counts within the month or year

  bool MonthDayMatches(int day, int length) const {
    if (!(monthDays | monthDaysFromEnd)) return true;
    return ((monthDays >> day) & 1) || ((monthDaysFromEnd >> (length - day + 1)) & 1);
  }
  // Days of the month the filters allow in some year: none means never.
  bool CanMatch() const {
    if (!(monthDays | monthDaysFromEnd)) return true;
    for (int m = 1; m <= 12; ++m) {
      if (months && !((months >> m) & 1)) continue;
      const uint32_t fits = (2u << DaysInMonth(2000, m)) - 2;  // 2000 has 29 February
      if ((monthDays | monthDaysFromEnd) & fits) return true;
    }
    return false;
  }
};

// Hands out a rule's occurrences and keeps its bounds.
class RecurrenceRule::Emitter {
 public:
  Emitter(const RecurrenceRule& rule, const DayTime& start, long endDay, DayTime until,
          ExpansionBudget& budget, std::vector<DayTime>& out)
      : m_rule(rule), m_start(start), m_endDay(endDay), m_until(until), m_budget(budget),
        m_out(out) {}

  // One candidate day tested; false when the rule must stop.
  bool Test() {
    if (m_budget.tests == 0 || ++m_barren > kBarrenLimit) {
      m_budget.cutShort = true;
      return false;
    }
    --m_budget.tests;
    return true;
  }

  // The candidates of one period, in order; false when the rule has ended.
  bool Period(std::vector<long>& days) {
    const bool setPos = m_rule.m_setPos.any() || m_rule.m_setPosFromEnd.any();
    const size_t n = days.size();
    for (size_t i = 0; i < n; ++i) {
      if (setPos && !(i + 1 < 367 && m_rule.m_setPos[i + 1]) &&
          !(n - i < 367 && m_rule.m_setPosFromEnd[n - i])) {
        continue;
      }
      const DayTime t{days[i], m_start.second};
      if (!(m_start < t)) continue;
      if (m_until < t || t.day > m_endDay) return false;
      if (m_rule.m_count > 0 && m_made >= m_rule.m_count) return false;
      if (m_budget.occurrences == 0) {
        m_budget.cutShort = true;
        return false;
      }
      m_out.push_back(t);
      --m_budget.occurrences;
      ++m_made;
      m_barren = 0;
    }
    days.clear();
    return true;
  }

 private:
  const RecurrenceRule& m_rule;
  DayTime m_start;
  long m_endDay;
  DayTime m_until;
  ExpansionBudget& m_budget;
  std::vector<DayTime>& m_out;
  long long m_made = 1;  // the start is the first occurrence
  uint64_t m_barren = 0;
};

bool RecurrenceRule::ParsePart(std::string_view name, std::string_view value) {
  long long n = 0;
  if (EqualsNoCase(name, "FREQ")) {
    if (EqualsNoCase(value, "YEARLY")) {
      m_freq = Frequency::Yearly;
    } else if (EqualsNoCase(value, "MONTHLY")) {
      m_freq = Frequency::Monthly;
    } else if (EqualsNoCase(value, "WEEKLY")) {
      m_freq = Frequency::Weekly;
    } else if (EqualsNoCase(value, "DAILY")) {
      m_freq = Frequency::Daily;
    } else {
      return false;
    }
    return true;
  }
  if (EqualsNoCase(name, "INTERVAL")) {
    if (!ParseNumber(value, 1, 9999999999LL, n)) return false;
    m_interval = static_cast<long>(std::min<long long>(n, kMaxInterval));
    return true;
  }
  if (EqualsNoCase(name, "COUNT")) return ParseNumber(value, 1, 9999999999LL, m_count);
  if (EqualsNoCase(name, "UNTIL")) return m_hasUntil = ParseICalTime(value, m_until);
  if (EqualsNoCase(name, "WKST")) return (m_weekStart = ParseWeekday(value)) >= 0;
  if (EqualsNoCase(name, "RSCALE")) {
    m_otherScale = !EqualsNoCase(value, "GREGORIAN");
    return true;
  }
  if (EqualsNoCase(name, "SKIP")) {
    m_skipBackward = EqualsNoCase(value, "BACKWARD");
    return true;
  }
  if (EqualsNoCase(name, "BYMONTH")) {
    return EachItem(value, [&](std::string_view item) {
      if (!ParseNumber(item, 1, 12, n)) return false;
      m_months |= static_cast<uint16_t>(1u << n);
      return true;
    });
  }
  if (EqualsNoCase(name, "BYMONTHDAY")) {
    return EachItem(value, [&](std::string_view item) {
      if (!ParseNumber(item, -31, 31, n) || n == 0) return false;
      (n > 0 ? m_monthDays : m_monthDaysFromEnd) |= 1u << (n > 0 ? n : -n);
      return true;
    });
  }
  if (EqualsNoCase(name, "BYSETPOS")) {
    return EachItem(value, [&](std::string_view item) {
      if (!ParseNumber(item, -366, 366, n) || n == 0) return false;
      (n > 0 ? m_setPos : m_setPosFromEnd).set(static_cast<size_t>(n > 0 ? n : -n));
      return true;
    });
  }
  if (EqualsNoCase(name, "BYDAY")) {
    m_byDay = true;
    return EachItem(value, [&](std::string_view item) {
      if (item.size() < 2) return false;
      const int w = ParseWeekday(item.substr(item.size() - 2));
      if (w < 0) return false;
      if (item.size() == 2) {
        m_weekdays |= static_cast<uint8_t>(1u << w);
        return true;
      }
      if (!ParseNumber(item.substr(0, item.size() - 2), -53, 53, n) || n == 0) return false;
      (n > 0 ? m_nth[w] : m_nthFromEnd[w]).set(static_cast<size_t>(n > 0 ? n : -n));
      return true;
    });
  }
  // Parts that would change which days or times occur, and that this
  // reader does not apply: better the event once than on wrong days.
  for (const char* unsupported : {"BYHOUR", "BYMINUTE", "BYSECOND", "BYWEEKNO", "BYYEARDAY"}) {
    if (EqualsNoCase(name, unsupported)) return false;
  }
  return true;  // other parts (extensions) do not change the days
}

bool RecurrenceRule::Parse(std::string_view value) {
  *this = RecurrenceRule();
  bool hasFreq = false;
  size_t pos = 0;
  while (pos < value.size()) {
    const size_t end = std::min(value.find(';', pos), value.size());
    const std::string_view part = value.substr(pos, end - pos);
    pos = end + 1;
    if (part.empty()) continue;
    const size_t eq = part.find('=');
    if (eq == std::string_view::npos) return false;
    const std::string_view name = part.substr(0, eq);
    if (!ParsePart(name, part.substr(eq + 1))) return false;
    hasFreq = hasFreq || EqualsNoCase(name, "FREQ");
  }
  return hasFreq;
}

bool RecurrenceRule::RepeatsStartYearly(const DayTime& start) const {
  int year, month, day;
  CivilFromDays(start.day, year, month, day);
  const bool ownDays = (m_months | (1u << month)) == (1u << month) && (m_monthDays | (1u << day)) == (1u << day);
  return m_freq == Frequency::Yearly && m_interval == 1 && !HasEnd() && !m_byDay && !m_monthDaysFromEnd &&
         m_setPos.none() && m_setPosFromEnd.none() && ownDays && !m_otherScale &&
         (month != 2 || day != 29 || m_skipBackward);
}

RecurrenceRule::Filters RecurrenceRule::EffectiveFilters(const DayTime& start) const {
  Filters f{m_months, m_monthDays, m_monthDaysFromEnd, m_byDay, m_weekdays, false};
  int year, month, day;
  CivilFromDays(start.day, year, month, day);
  const bool noDays = !m_byDay && !(m_monthDays | m_monthDaysFromEnd);
  switch (m_freq) {
    case Frequency::Yearly:
      if (noDays) {
        f.monthDays = 1u << day;
        if (!f.months) f.months = static_cast<uint16_t>(1u << month);
      }
      f.ordinals = true;
      break;
    case Frequency::Monthly:
      if (noDays) f.monthDays = 1u << day;
      f.ordinals = true;
      break;
    case Frequency::Weekly:
    case Frequency::Daily:
      // Ordinals mean nothing within a week or a day: any such weekday.
      for (int w = 0; w < 7; ++w) {
        if (m_nth[w].any() || m_nthFromEnd[w].any()) f.weekdays |= static_cast<uint8_t>(1u << w);
      }
      if (m_freq == Frequency::Weekly && noDays) {
        f.byDay = true;
        f.weekdays = static_cast<uint8_t>(1u << WeekdayOfDays(start.day));
      }
      break;
  }
  return f;
}

void RecurrenceRule::Expand(const DayTime& start, long lastDay, ExpansionBudget& budget,
                            std::vector<DayTime>& out) const {
  const Filters f = EffectiveFilters(start);
  if (!f.CanMatch()) return;
  DayTime until{LastICalDay(), 86399};
  if (m_hasUntil) until = m_until.dateOnly ? DayTime{m_until.at.day, 86399} : m_until.at;
  const long endDay = std::min({lastDay, until.day, LastICalDay()});
  Emitter emit(*this, start, endDay, until, budget, out);
  std::vector<long> days;
  days.reserve(366);

  // Whether a day passes BYDAY, its ordinal counted within a scope (a month
  // or a year) of `length` days of which it is day `index`.
  auto dayMatches = [&](long n, int index, int length) {
    if (!f.byDay) return true;
    const int w = WeekdayOfDays(n);
    if ((f.weekdays >> w) & 1) return true;
    return f.ordinals && (m_nth[w][(index - 1) / 7 + 1] || m_nthFromEnd[w][(length - index) / 7 + 1]);
  };
  // Tests the days of month m of year y; false when the rule must stop.
  auto scanMonth = [&](int y, int m, long yearStart, int yearLength, bool monthScope) {
    const long first = DaysFromCivil(y, m, 1);
    const int length = DaysInMonth(y, m);
    for (int d = 1; d <= length; ++d) {
      if (!emit.Test()) return false;
      const long n = first + d - 1;
      if (!f.MonthDayMatches(d, length)) continue;
      const bool match = monthScope ? dayMatches(n, d, length)
                                    : dayMatches(n, static_cast<int>(n - yearStart) + 1, yearLength);
      if (match) days.push_back(n);
    }
    return true;
  };
  auto monthAllowed = [&](int m) { return !f.months || ((f.months >> m) & 1); };

  int year, month, day;
  CivilFromDays(start.day, year, month, day);
  switch (m_freq) {
    case Frequency::Yearly:
      for (long y = year; y <= 9999; y += m_interval) {
        const long yearStart = DaysFromCivil(static_cast<int>(y), 1, 1);
        if (yearStart > endDay) return;
        const int yearLength = IsLeapYear(static_cast<int>(y)) ? 366 : 365;
        for (int m = 1; m <= 12; ++m) {
          // With BYMONTH, an ordinal weekday counts within its month.
          if (monthAllowed(m) &&
              !scanMonth(static_cast<int>(y), m, yearStart, yearLength, m_months != 0)) {
            return;
          }
        }
        if (!emit.Period(days)) return;
      }
      return;
    case Frequency::Monthly:
      for (long index = year * 12L + month - 1; index / 12 <= 9999; index += m_interval) {
        const int y = static_cast<int>(index / 12), m = static_cast<int>(index % 12) + 1;
        if (DaysFromCivil(y, m, 1) > endDay) return;
        if (!monthAllowed(m)) {
          if (!emit.Test()) return;
          continue;
        }
        if (!scanMonth(y, m, 0, 0, true) || !emit.Period(days)) return;
      }
      return;
    case Frequency::Weekly:
    case Frequency::Daily: {
      const bool weekly = m_freq == Frequency::Weekly;
      const long step = weekly ? 7L * m_interval : m_interval;
      long first = start.day;
      if (weekly) first -= (WeekdayOfDays(start.day) - m_weekStart + 7) % 7;
      for (long period = first; period <= endDay; period += step) {
        for (long n = period; n < period + (weekly ? 7 : 1); ++n) {
          if (!emit.Test()) return;
          int y, m, d;
          CivilFromDays(n, y, m, d);
          if (monthAllowed(m) && f.MonthDayMatches(d, DaysInMonth(y, m)) && dayMatches(n, 0, 0)) {
            days.push_back(n);
          }
        }
        if (!emit.Period(days)) return;
      }
      return;
    }
  }
}
