#include "lists/ReadyMadeIndex.h"

#include <sstream>

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

}  // namespace

std::vector<ReadyMadeList> ParseReadyMadeIndex(std::string text) {
  RemoveCarriageReturns(text);
  std::vector<ReadyMadeList> lists;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line[0] == '!') continue;
    std::vector<std::string> f;
    std::istringstream fields(line);
    for (std::string field; std::getline(fields, field, '|');) f.push_back(field);
    ReadyMadeList list;
    if (f.size() != 5 || f[0].empty() || f[1].empty() || !ReadYear(f[3], list.firstYear) ||
        !ReadYear(f[4], list.lastYear)) {
      continue;
    }
    list.file = f[0];
    list.country = f[1];
    list.region = f[2];
    lists.push_back(list);
  }
  return lists;
}

std::string ReadyMadeLabel(const ReadyMadeList& list) {
  std::string label = list.country;
  if (!list.region.empty()) label += " - " + list.region;
  return label + "\t" + std::to_string(list.firstYear) + " - " + std::to_string(list.lastYear);
}

std::string ReadyMadeCopyName(const ReadyMadeList& list) {
  std::string name = list.file;
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return name + " holidays.tvh";
}
