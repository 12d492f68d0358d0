#include "lists/ReminderText.h"

#include <algorithm>

#include "base/CodePageText.h"
#include "base/DifferenceCalc.h"
#include "lists/Occurrences.h"

namespace {
const char kEllipsis[] = "...";
const size_t kEllipsisSize = sizeof kEllipsis - 1;
// Wider lines wrap in the balloon, which then shows few of them.
const size_t kLineRoom = 63;

size_t ShellTextWidth(const std::string& text) { return CodePageText().WideLength(text); }
}  // namespace

std::string CutToFit(const std::string& text, size_t room) { return text.substr(0, CodePageText().FitWide(text, room)); }

std::string FitWithEllipsis(const std::string& text, size_t room) {
  if (ShellTextWidth(text) <= room) return text;
  if (room < kEllipsisSize) return std::string();
  return CutToFit(text, room - kEllipsisSize) + kEllipsis;
}

std::string TooltipText(const std::string& title, const std::string& dateText,
                        const std::vector<std::string>& names, size_t room) {
  const std::string tip = CutToFit(title.empty() ? dateText : title + "\n" + dateText, room);
  std::string joined;
  for (const std::string& name : names) joined += (joined.empty() ? "" : ", ") + name;
  const size_t tipWidth = ShellTextWidth(tip);
  if (joined.empty() || tipWidth + 1 >= room) return tip;
  joined = FitWithEllipsis(joined, room - tipWidth - 1);
  return joined.empty() ? tip : tip + "\n" + joined;
}

std::string LinesThatFit(const std::vector<std::string>& lines, size_t room) {
  std::string text;
  size_t shown = 0;
  for (; shown < lines.size(); ++shown) {
    const std::string line = (shown > 0 ? "\n" : "") + FitWithEllipsis(lines[shown], kLineRoom);
    const size_t rest = lines.size() - shown - 1;
    const size_t tail = rest > 0 ? std::string("\nand " + std::to_string(rest) + " more").size() : 0;
    if (ShellTextWidth(text) + ShellTextWidth(line) + tail > room) break;
    text += line;
  }
  if (shown < lines.size()) {
    text += (shown > 0 ? "\n" : "") + std::string("and ") + std::to_string(lines.size() - shown) + " more";
  }
  return text;
}

std::vector<std::string> NamesOnDay(const DateRecordList& list, DateListKind kind, const COleDateTime& day) {
  std::vector<std::string> names;
  if (!day.IsValid()) return names;
  const long long wanted = DayIndex(day.m_dt);
  for (const DateRecord& record : list)
    if (OccursOn(record, wanted)) names.push_back(ShownName(record, wanted, kind));
  return names;
}

std::vector<ReminderLine> ReminderLines(const DateRecordList& holidays, const DateRecordList& events,
                                        long long today, long daysAhead) {
  daysAhead = std::clamp(daysAhead, 0L, kMaxRemindDaysAhead);
  const std::vector<Occurrence> found[2] = {OccurrencesWithin(holidays, today, today + daysAhead),
                                            OccurrencesWithin(events, today, today + daysAhead)};
  const DateListKind kinds[2] = {DateListKind::Holidays, DateListKind::Events};
  std::vector<ReminderLine> lines;
  size_t next[2] = {0, 0};
  for (long long day = today; day <= today + daysAhead; ++day) {
    for (int k = 0; k < 2; ++k) {
      for (; next[k] < found[k].size() && found[k][next[k]].day == day; ++next[k]) {
        const long long ahead = day - today;
        const std::string lead = ahead == 0   ? (k == 0 ? "Holiday: " : "Event: ")
                                 : ahead == 1 ? "Tomorrow: "
                                              : "In " + std::to_string(ahead) + " days: ";
        lines.push_back(ReminderLine{lead + ShownName(*found[k][next[k]].record, day, kinds[k]), kinds[k], day});
      }
    }
  }
  return lines;
}
