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

// "el:Ελληνικά": a language name of letters and hyphens, then its own
// name; or nothing at all.
bool ReadLanguage(const std::string& text, ReadyMadeList& list) {
  if (text.empty()) return true;
  const size_t colon = text.find(':');
  if (colon == 0 || colon == std::string::npos || colon + 1 == text.size()) return false;
  for (size_t i = 0; i < colon; ++i) {
    const char c = text[i];
    if (!((c >= 'a' && c <= 'z') || c == '-')) return false;
  }
  list.language = text.substr(0, colon);
  list.languageName = text.substr(colon + 1);
  return true;
}

// The file name without its extension.
std::string WithoutExtension(const std::string& file) {
  const size_t dot = file.rfind('.');
  return dot == std::string::npos ? file : file.substr(0, dot);
}

// The line's fields between bars; after a trailing bar, an empty one.
std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (size_t bar; (bar = line.find('|', start)) != std::string::npos; start = bar + 1) {
    fields.push_back(line.substr(start, bar - start));
  }
  fields.push_back(line.substr(start));
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
    if (f.size() != 7 || f[0].empty() || f[1].empty() || !ReadYear(f[3], list.firstYear) ||
        !ReadYear(f[4], list.lastYear) || !ReadWeek(f[5], list.week) || !ReadLanguage(f[6], list)) {
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

std::string ReadyMadeFile(const ReadyMadeList& list, bool inLanguage) {
  if (!inLanguage || list.language.empty()) return list.file;
  return WithoutExtension(list.file) + "." + list.language + ".tvh";
}

std::string ReadyMadeCopyName(const ReadyMadeList& list, bool inLanguage) {
  const std::string name = WithoutExtension(list.file) + " holidays";
  if (!inLanguage || list.language.empty()) return name + ".tvh";
  return name + " (" + list.languageName + ").tvh";
}
