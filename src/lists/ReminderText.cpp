#include "lists/ReminderText.h"

#include "lists/PlatformText.h"

namespace {
const char kEllipsis[] = "...";
const size_t kEllipsisSize = sizeof kEllipsis - 1;
// Wider lines wrap in the balloon, which then shows few of them.
const size_t kLineRoom = 63;

// The longest start of `text` of at most `room` bytes that ends on a whole
// character.
size_t WholeCharacters(const std::string& text, size_t room) {
  const LeadByteTable& lead = AnsiLeadBytes();
  size_t end = 0;
  while (end < text.size()) {
    const size_t width = lead.lead[static_cast<unsigned char>(text[end])] ? 2 : 1;
    if (end + width > room || end + width > text.size()) break;
    end += width;
  }
  return end;
}
}  // namespace

std::string CutToFit(const std::string& text, size_t room) { return text.substr(0, WholeCharacters(text, room)); }

void CopyTextField(char* field, size_t size, const std::string& text) {
  const std::string fitted = CutToFit(text, size - 1);
  fitted.copy(field, fitted.size());
  field[fitted.size()] = '\0';
}

std::string FitWithEllipsis(const std::string& text, size_t room) {
  if (text.size() <= room) return text;
  if (room < kEllipsisSize) return std::string();
  return CutToFit(text, room - kEllipsisSize) + kEllipsis;
}

std::string TooltipText(const std::string& title, const std::string& dateText,
                        const std::vector<std::string>& names, size_t room) {
  const std::string tip = CutToFit(title.empty() ? dateText : title + "\n" + dateText, room);
  std::string joined;
  for (const std::string& name : names) joined += (joined.empty() ? "" : ", ") + name;
  if (joined.empty() || tip.size() + 1 >= room) return tip;
  joined = FitWithEllipsis(joined, room - tip.size() - 1);
  return joined.empty() ? tip : tip + "\n" + joined;
}

std::string LinesThatFit(const std::vector<std::string>& lines, size_t room) {
  std::string text;
  size_t shown = 0;
  for (; shown < lines.size(); ++shown) {
    const std::string line = (shown > 0 ? "\n" : "") + FitWithEllipsis(lines[shown], kLineRoom);
    const size_t rest = lines.size() - shown - 1;
    const size_t tail = rest > 0 ? std::string("\nand " + std::to_string(rest) + " more").size() : 0;
    if (text.size() + line.size() + tail > room) break;
    text += line;
  }
  if (shown < lines.size()) {
    text += (shown > 0 ? "\n" : "") + std::string("and ") + std::to_string(lines.size() - shown) + " more";
  }
  return text;
}

std::vector<std::string> NamesOnDay(const DateRecordList& list, const COleDateTime& day) {
  std::vector<std::string> names;
  DateBreakdown wanted;
  if (!day.GetAsBreakdown(wanted)) return names;
  for (const DateRecord& record : list) {
    DateBreakdown date;
    if (record.active && record.date.GetAsBreakdown(date) && date.year == wanted.year &&
        date.month == wanted.month && date.day == wanted.day) {
      names.push_back(record.name);
    }
  }
  return names;
}
