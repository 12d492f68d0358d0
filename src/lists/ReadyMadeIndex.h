#pragma once
#include <string>
#include <vector>

#include "base/WorkWeek.h"

// One of the ready-made holiday lists that come with the program, as the
// index of their folder (index.txt) names it.
struct ReadyMadeList {
  std::string file;     // in the holidays folder
  std::string country;
  std::string region;   // empty for the whole country
  int firstYear = 0;
  int lastYear = 0;
  WorkWeek week;        // the country's
};

// The entries of index.txt: after the version line and comments, lines
// "file|country|region|first year|last year|work week", the week as seven
// digits, Monday to Sunday, 1 for a working day. A line that does not read
// as one is left out.
std::vector<ReadyMadeList> ParseReadyMadeIndex(std::string text);
// What the chooser shows: "Country" or "Country - Region", a tab, the
// years, a tab, the work week as the locale writes it (weekText).
std::string ReadyMadeLabel(const ReadyMadeList& list, const std::string& weekText);
// The name of the user's own copy: "<list's name> holidays.tvh".
std::string ReadyMadeCopyName(const ReadyMadeList& list);
