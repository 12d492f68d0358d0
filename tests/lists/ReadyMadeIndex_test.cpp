// The index of the ready-made holiday lists, as the chooser reads it.
#include "lists/ReadyMadeIndex.h"

#include <gtest/gtest.h>

TEST(ReadyMadeIndex, EntriesLabelsAndCopyNames) {
  const std::vector<ReadyMadeList> lists = ParseReadyMadeIndex(
      "!Version: 1.0\r\n! a comment|x|y|2020|2040\r\n\r\n"
      "Germany.tvh|Germany||2020|2040|1111100|de:Deutsch\r\n"
      "Germany - Bayern.tvh|Germany|Bayern|2021|2039|1111100|de:Deutsch\r\n"
      "short.tvh|Short||2020|1111100|\r\n"          // a field missing
      "years.tvh|Years||20x0|2040|1111100|\r\n"     // no year
      "|Nameless||2020|2040|1111100|\r\n"           // no file
      "old.tvh|Old||2020|2040|1111100\r\n"          // no language field
      "idle.tvh|Idle||2020|2040|0000000|\r\n"       // no working day
      "eight.tvh|Eight||2020|2040|11110011|\r\n"    // eight days
      "bare.tvh|Bare||2020|2040|1111100|el\r\n"     // a language without its name
      "unnamed.tvh|Unnamed||2020|2040|1111100|:Ελληνικά\r\n"
      "Japan.tvh|Japan||2020|2040|1111100|ja:日本語\r\n"
      "Peru.tvh|Peru||2020|2040|1111001|");         // English only, no line end
  ASSERT_EQ(lists.size(), 4u);
  EXPECT_EQ(lists[0].week.Bits(), 0x1Fu);
  EXPECT_EQ(lists[3].week.Bits(), 0x4Fu);
  const struct {
    const char* label;
    const char* copy;
    const char* file;     // in the list's language
    const char* ownCopy;  // in the list's language
  } expected[] = {{"Germany\t2020 - 2040\tweek", "Germany holidays.tvh", "Germany.de.tvh",
                   "Germany holidays (Deutsch).tvh"},
                  {"Germany - Bayern\t2021 - 2039\tweek", "Germany - Bayern holidays.tvh",
                   "Germany - Bayern.de.tvh", "Germany - Bayern holidays (Deutsch).tvh"},
                  {"Japan\t2020 - 2040\tweek", "Japan holidays.tvh", "Japan.ja.tvh", "Japan holidays (日本語).tvh"},
                  {"Peru\t2020 - 2040\tweek", "Peru holidays.tvh", "Peru.tvh", "Peru holidays.tvh"}};
  for (size_t i = 0; i < lists.size(); ++i) {
    EXPECT_EQ(ReadyMadeLabel(lists[i], "week"), expected[i].label);
    EXPECT_EQ(ReadyMadeCopyName(lists[i], false), expected[i].copy);
    EXPECT_EQ(ReadyMadeFile(lists[i], true), expected[i].file);
    EXPECT_EQ(ReadyMadeCopyName(lists[i], true), expected[i].ownCopy);
  }
}
