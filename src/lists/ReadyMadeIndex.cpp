#include "lists/ReadyMadeIndex.h"

#include "lists/DateListText.h"

namespace {

bool ReadYear(const std::string& text, int& year) {
  if (text.size() != 4) return false;
  year = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    year = year * 10 + (c - '0');
  }
  return true;
}

// "1111100": Monday to Sunday, at least one working day.
bool ReadWeek(const std::string& text, WorkWeek& week) {
  if (text.size() != 7) return false;
  uint32_t bits = 0;
  for (size_t day = 0; day < 7; ++day) {
    if (text[day] != '0' && text[day] != '1') return false;
    if (text[day] == '1') bits |= 1u << day;
  }
  week = WorkWeek(bits);
  return bits != 0;
}

// The line's fields between bars; a trailing bar ends the last field.
std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (size_t bar; (bar = line.find('|', start)) != std::string::npos; start = bar + 1) {
    fields.push_back(line.substr(start, bar - start));
  }
  if (start < line.size()) fields.push_back(line.substr(start));
  return fields;
}

}  // namespace

std::vector<ReadyMadeList> ParseReadyMadeIndex(std::string text) {
  RemoveCarriageReturns(text);
  std::vector<ReadyMadeList> lists;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    start = end + 1;
    if (line.empty() || line[0] == '!') continue;
    const std::vector<std::string> f = Fields(line);
    ReadyMadeList list;
    if (f.size() != 6 || f[0].empty() || f[1].empty() || !ReadYear(f[3], list.firstYear) ||
        !ReadYear(f[4], list.lastYear) || !ReadWeek(f[5], list.week)) {
      continue;
    }
    list.file = f[0];
    list.country = f[1];
    list.region = f[2];
    lists.push_back(list);
  }
  return lists;
}

std::string ReadyMadeLabel(const ReadyMadeList& list, const std::string& weekText) {
  std::string label = list.country;
  if (!list.region.empty()) label += " - " + list.region;
  return label + "\t" + std::to_string(list.firstYear) + " - " + std::to_string(list.lastYear) + "\t" +
         weekText;
}

std::string ReadyMadeCopyName(const ReadyMadeList& list) {
  std::string name = list.file;
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return name + " holidays.tvh";
}
