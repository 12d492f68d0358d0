// The index of the ready-made holiday lists, as the chooser reads it.
#include "lists/ReadyMadeIndex.h"

#include <gtest/gtest.h>

TEST(ReadyMadeIndex, EntriesLabelsAndCopyNames) {
  const std::vector<ReadyMadeList> lists = ParseReadyMadeIndex(
      "!Version: 1.0\r\n! a comment|x|y|2020|2040\r\n\r\n"
      "Germany.tvh|Germany||2020|2040|1111100\r\n"
      "Germany - Bayern.tvh|Germany|Bayern|2021|2039|1111100\r\n"
      "short.tvh|Short||2020|1111100\r\n"        // a field missing
      "years.tvh|Years||20x0|2040|1111100\r\n"   // no year
      "|Nameless||2020|2040|1111100\r\n"         // no file
      "old.tvh|Old||2020|2040\r\n"               // no work week
      "idle.tvh|Idle||2020|2040|0000000\r\n"     // no working day
      "eight.tvh|Eight||2020|2040|11110011\r\n"  // eight days
      "Peru.tvh|Peru||2020|2040|1111001");       // no line end
  ASSERT_EQ(lists.size(), 3u);
  EXPECT_EQ(lists[0].week.Bits(), 0x1Fu);
  EXPECT_EQ(lists[2].week.Bits(), 0x4Fu);
  const struct {
    const char* label;
    const char* copy;
  } expected[] = {{"Germany\t2020 - 2040\tweek", "Germany holidays.tvh"},
                  {"Germany - Bayern\t2021 - 2039\tweek", "Germany - Bayern holidays.tvh"},
                  {"Peru\t2020 - 2040\tweek", "Peru holidays.tvh"}};
  for (size_t i = 0; i < lists.size(); ++i) {
    EXPECT_EQ(ReadyMadeLabel(lists[i], "week"), expected[i].label);
    EXPECT_EQ(ReadyMadeCopyName(lists[i]), expected[i].copy);
  }
}
