#include <algorithm>
#include <unordered_map>
#include <vector>

#include "base/COleDateTime.h"
#include "base/CivilDays.h"
#include "base/LocalTime.h"
#include "ical/ContentLineReader.h"
#include "ical/ICalendarText.h"
#include "ical/ICalendarValues.h"
#include "ical/RecurrenceRule.h"
#include "lists/PlatformText.h"

namespace {

// Candidate days all the rules of one text may test: plenty for any real
// calendar, and a bound on the work whatever the text.
constexpr uint64_t kBaseTests = 20000000;
constexpr uint64_t kTestsPerByte = 64;
// VEVENTs nested deeper than this (never in real calendars) are skipped.
constexpr size_t kMaxOpenEvents = 8;
// Rules without an end run to the end of the year this many years ahead.
constexpr int kOpenRuleYears = 30;

struct PendingEvent {
  std::string summary;  // UTF-8, escapes undone
  std::string uid;
  bool hasSummary = false;
  bool cancelled = false;
  bool hasStart = false, hasEnd = false, hasDuration = false, hasRecurrenceId = false;
  ICalTime start, end, recurrenceId;
  long long duration = 0;
  std::vector<std::string> rules;
  std::vector<ICalTime> rdates, exdates;
};

// A UTC time as local time; floating and TZID times stay as written.
ICalTime Local(ICalTime t) {
  if (!t.utc) return t;
  t.utc = false;
  if (t.dateOnly) return t;
  static const long kEpochDay = DaysFromCivil(1970, 1, 1);
  const COleDateTime local = LocalTimeAt((static_cast<int64_t>(t.at.day) - kEpochDay) * 86400 + t.at.second);
  const int year = local.GetYear();
  if (local.IsValid() && year >= 100 && year <= 9999) {
    t.at.day = DaysFromCivil(year, local.GetMonth(), local.GetDay());
    t.at.second = local.GetHour() * 3600 + local.GetMinute() * 60 + local.GetSecond();
  }
  return t;
}

// RDATE and EXDATE values: a comma-separated list of dates, date-times or
// periods (of which the start counts).
void AddTimes(std::string_view list, std::vector<ICalTime>& out) {
  size_t pos = 0;
  while (pos < list.size()) {
    const size_t comma = std::min(list.find(',', pos), list.size());
    std::string_view item = list.substr(pos, comma - pos);
    item = item.substr(0, item.find('/'));
    ICalTime t;
    if (ParseICalTime(item, t)) out.push_back(Local(t));
    pos = comma + 1;
  }
}

enum class Component : unsigned char { Calendar, Event, SkippedEvent, Other };

// Reads the VEVENTs of a text (their own properties, not those of the
// components inside them), in text order. An event without its END line
// runs to the end of the text.
class EventCollector {
 public:
  std::vector<PendingEvent> Collect(std::string_view text) {
    ContentLineReader reader(text);
    ContentLine line;
    while (reader.Next(line)) {
      if (line.Is("BEGIN")) {
        Begin(line.value);
      } else if (line.Is("END")) {
        End(line.value);
      } else if (!m_stack.empty() && m_stack.back() == Component::Event) {
        Property(line, m_open.back());
      }
    }
    while (!m_stack.empty()) Pop();
    return std::move(m_done);
  }

 private:
  static Component KindOf(std::string_view name) {
    if (EqualsNoCase(name, "VEVENT")) return Component::Event;
    return EqualsNoCase(name, "VCALENDAR") ? Component::Calendar : Component::Other;
  }

  void Begin(std::string_view name) {
    Component kind = KindOf(name);
    if (kind == Component::Event) {
      if (m_open.size() < kMaxOpenEvents) {
        m_open.emplace_back();
      } else {
        kind = Component::SkippedEvent;
      }
    }
    m_stack.push_back(kind);
    ++m_count[static_cast<int>(kind)];
  }

  // END closes the innermost open component of its kind and whatever was
  // left open inside it; an END without its BEGIN is ignored.
  void End(std::string_view name) {
    const Component kind = KindOf(name);
    if (kind == Component::Other) {
      if (!m_stack.empty() && m_stack.back() == Component::Other) Pop();
      return;
    }
    auto open = [&](Component k) { return m_count[static_cast<int>(k)] > 0; };
    if (kind == Component::Event ? !open(Component::Event) && !open(Component::SkippedEvent)
                                 : !open(kind)) {
      return;
    }
    for (;;) {
      const Component top = m_stack.back();
      Pop();
      if (top == kind || (kind == Component::Event && top == Component::SkippedEvent)) return;
    }
  }

  void Pop() {
    const Component top = m_stack.back();
    m_stack.pop_back();
    --m_count[static_cast<int>(top)];
    if (top == Component::Event) {
      if (m_open.back().hasStart) m_done.push_back(std::move(m_open.back()));
      m_open.pop_back();
    }
  }

  static void Property(const ContentLine& line, PendingEvent& e) {
    ICalTime t;
    if (line.Is("SUMMARY")) {
      if (!e.hasSummary) e.summary = UnescapeICalText(line.value);
      e.hasSummary = true;
    } else if (line.Is("UID")) {
      e.uid.assign(line.value.data(), line.value.size());
    } else if (line.Is("STATUS")) {
      e.cancelled = EqualsNoCase(line.value, "CANCELLED");
    } else if (line.Is("DTSTART")) {
      if (ParseICalTime(line.value, t)) e.start = t, e.hasStart = true;
    } else if (line.Is("DTEND")) {
      if (ParseICalTime(line.value, t)) e.end = t, e.hasEnd = true;
    } else if (line.Is("DURATION")) {
      e.hasDuration = ParseICalDuration(line.value, e.duration);
    } else if (line.Is("RECURRENCE-ID")) {
      if (ParseICalTime(line.value, t)) e.recurrenceId = Local(t), e.hasRecurrenceId = true;
    } else if (line.Is("RRULE")) {
      e.rules.emplace_back(line.value);
    } else if (line.Is("RDATE")) {
      AddTimes(line.value, e.rdates);
    } else if (line.Is("EXDATE")) {
      AddTimes(line.value, e.exdates);
    }
  }

  std::vector<Component> m_stack;
  size_t m_count[4] = {};
  std::vector<PendingEvent> m_open;
  std::vector<PendingEvent> m_done;
};

COleDateTime ToDate(const DayTime& t) {
  if (t.second == 0) return COleDateTime(static_cast<double>(t.day));
  int year, month, day;
  CivilFromDays(t.day, year, month, day);
  return COleDateTime(year, month, day, t.second / 3600, t.second / 60 % 60, t.second % 60);
}

// Occurrences to leave out of a series: its EXDATEs, or the ones that
// other events replace. A date, or any value against an all-day series,
// takes out the whole day.
class Exclusions {
 public:
  explicit Exclusions(const std::vector<ICalTime>& list) {
    for (const ICalTime& t : list) {
      (t.dateOnly ? m_dates : m_times).push_back(t.at);
      m_days.push_back(t.at.day);
    }
    for (std::vector<DayTime>* v : {&m_dates, &m_times}) std::sort(v->begin(), v->end());
    std::sort(m_days.begin(), m_days.end());
  }
  bool Has(const DayTime& t, bool allDay) const {
    if (allDay) return std::binary_search(m_days.begin(), m_days.end(), t.day);
    return std::binary_search(m_dates.begin(), m_dates.end(), DayTime{t.day, 0}) ||
           std::binary_search(m_times.begin(), m_times.end(), t);
  }
  bool Empty() const { return m_days.empty(); }

 private:
  std::vector<DayTime> m_dates, m_times;
  std::vector<long> m_days;
};

// The series of an event: its start, the rules' occurrences and the
// RDATEs, less the EXDATEs and the occurrences that other events replace.
// In local time and in order.
void ExpandSeries(const PendingEvent& e, const DayTime& localStart,
                  const Exclusions* replaced, long openEndDay, size_t recordsLeft,
                  ExpansionBudget& budget, std::vector<DayTime>& occurrences) {
  // A series that starts at a UTC time repeats at that UTC time, which
  // local summer time may move; the others repeat at their written time.
  const bool utc = e.start.utc && !e.start.dateOnly;
  const DayTime first = utc ? e.start.at : localStart;
  occurrences.assign(1, first);
  // Each rule's occurrences are merged in at once, so that rules that
  // repeat each other take no more room than one.
  for (const std::string& value : e.rules) {
    RecurrenceRule rule;
    if (!rule.Parse(value)) continue;
    if (rule.HasUntil() && !utc) rule.SetUntil(Local(rule.Until()));
    const size_t before = occurrences.size();
    budget.occurrences = recordsLeft > before ? recordsLeft - before : 0;
    rule.Expand(first, rule.HasEnd() ? LastICalDay() : openEndDay, budget, occurrences);
    std::inplace_merge(occurrences.begin(), occurrences.begin() + before, occurrences.end());
    occurrences.erase(std::unique(occurrences.begin(), occurrences.end()), occurrences.end());
  }
  if (utc) {
    for (DayTime& t : occurrences) t = Local(ICalTime{t, false, true}).at;
  }
  for (const ICalTime& t : e.rdates) {
    const DayTime at = e.start.dateOnly ? DayTime{t.at.day, 0} : t.at;
    if (at.day >= FirstICalDay() && at.day <= LastICalDay()) occurrences.push_back(at);
  }
  std::sort(occurrences.begin(), occurrences.end());
  occurrences.erase(std::unique(occurrences.begin(), occurrences.end()), occurrences.end());
  const Exclusions excluded(e.exdates);
  const bool allDay = e.start.dateOnly;
  if (!excluded.Empty() || replaced != nullptr) {
    occurrences.erase(std::remove_if(occurrences.begin(), occurrences.end(),
                                     [&](const DayTime& t) {
                                       return excluded.Has(t, allDay) ||
                                              (replaced != nullptr && replaced->Has(t, allDay));
                                     }),
                      occurrences.end());
  }
}

// An event that only comes back on its own month and day every year is
// one yearly record (per day it covers), not a run of dates.
bool RepeatsYearly(const PendingEvent& e, const DayTime& localStart) {
  RecurrenceRule rule;
  return e.rules.size() == 1 && e.rdates.empty() && e.exdates.empty() && !e.hasRecurrenceId &&
         rule.Parse(e.rules[0]) && rule.RepeatsStartYearly(localStart);
}

}  // namespace

bool IsICalendarText(const std::string& text) {
  size_t pos = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
  // Blank lines (and blanks before the first word) are skipped.
  while (pos < text.size() &&
         (text[pos] == '\r' || text[pos] == '\n' || text[pos] == ' ' || text[pos] == '\t')) {
    ++pos;
  }
  return EqualsNoCase(std::string_view(text).substr(pos, 15), "BEGIN:VCALENDAR");
}

DateRecordList ParseICalendarText(const std::string& text, DateListKind kind, bool* cutShort) {
  std::vector<PendingEvent> events = EventCollector().Collect(text);

  // The occurrences that events with a RECURRENCE-ID replace, by UID.
  std::unordered_map<std::string_view, std::vector<ICalTime>> replacedTimes;
  for (const PendingEvent& e : events) {
    if (e.hasRecurrenceId && !e.uid.empty()) replacedTimes[e.uid].push_back(e.recurrenceId);
  }
  std::unordered_map<std::string_view, Exclusions> replaced;
  for (const auto& entry : replacedTimes) replaced.emplace(entry.first, Exclusions(entry.second));
  replacedTimes.clear();

  const int thisYear = COleDateTime::GetCurrentTime().GetYear();
  const int openEndYear = thisYear > 0 ? std::min(thisYear + kOpenRuleYears, 9999) : 9999;
  const long openEndDay = DaysFromCivil(openEndYear, 12, 31);

  ExpansionBudget budget;
  budget.tests = kBaseTests + kTestsPerByte * static_cast<uint64_t>(text.size());
  size_t recordsLeft = kMaxICalendarRecords;
  DateRecordList records;
  std::vector<DayTime> occurrences;

  for (const PendingEvent& e : events) {
    if (recordsLeft == 0) {
      budget.cutShort = true;
      break;
    }
    const ICalTime start = Local(e.start);
    if (e.cancelled || start.at.day < FirstICalDay() || start.at.day > LastICalDay()) continue;

    // Days an all-day event covers; DTEND is the first day after it.
    long span = 1;
    if (kind != DateListKind::Counters && start.dateOnly) {
      if (e.hasEnd) {
        span = Local(e.end).at.day - start.at.day;
      } else if (e.hasDuration) {
        span = static_cast<long>(std::min<long long>((e.duration + 86399) / 86400, 4000000));
      }
      span = std::max(span, 1L);
    }

    // An event that replaces an occurrence is that one occurrence itself.
    const auto other = e.uid.empty() || e.hasRecurrenceId ? replaced.end() : replaced.find(e.uid);
    const bool yearly = kind != DateListKind::Counters && other == replaced.end() && RepeatsYearly(e, start.at);
    if (e.hasRecurrenceId || yearly) {
      occurrences.assign(1, start.at);
    } else {
      ExpandSeries(e, start.at, other == replaced.end() ? nullptr : &other->second, openEndDay,
                   recordsLeft, budget, occurrences);
    }
    const std::string name = Utf8ToAnsi(e.summary);
    for (const DayTime& t : occurrences) {
      const long lastDay = std::min(LastICalDay(), t.day + span - 1);
      for (long day = t.day; day <= lastDay; ++day) {
        if (recordsLeft == 0) {
          budget.cutShort = true;
          break;
        }
        const DayTime at = kind == DateListKind::Counters ? t : DayTime{day, 0};
        records.push_back(DateRecord{name, ToDate(at), true});
        records.back().yearly = yearly;
        --recordsLeft;
      }
    }
  }
  SortByDate(records);
  if (cutShort) *cutShort = budget.cutShort;
  return records;
}
