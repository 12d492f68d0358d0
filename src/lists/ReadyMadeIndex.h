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
  // The country's first language where the list also comes with names in
  // it: its Windows (ISO 639) name, "el", and its own name for itself,
  // "Ελληνικά". Empty for a list in English only.
  std::string language;
  std::string languageName;
};

// The entries of index.txt: after the version line and comments, lines
// "file|country|region|first year|last year|work week|language", the week
// as seven digits, Monday to Sunday, 1 for a working day, the language as
// "el:Ελληνικά" or empty. A line that does not read as one is left out.
std::vector<ReadyMadeList> ParseReadyMadeIndex(std::string text);
// What the chooser shows: "Country" or "Country - Region", a tab, the
// years, a tab, the work week as the locale writes it (weekText).
std::string ReadyMadeLabel(const ReadyMadeList& list, const std::string& weekText);
// The list's file in the holidays folder, with English names or with names
// in its language ("Greece.el.tvh").
std::string ReadyMadeFile(const ReadyMadeList& list, bool inLanguage);
// The name of the user's own copy: "<list's name> holidays.tvh", the
// language's name in brackets before the extension for a copy in the
// list's language, so that the two copies never replace each other.
std::string ReadyMadeCopyName(const ReadyMadeList& list, bool inLanguage);
