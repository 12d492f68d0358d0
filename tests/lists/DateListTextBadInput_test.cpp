// Hostile list text: nothing may crash, and the sanitizers must stay quiet.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "lists/DateListText.h"

TEST(ParseDateListTextBadInput, RandomBytes) {
  std::mt19937 rng(99);
  std::uniform_int_distribution<int> byte(0, 255), length(0, 600);
  // Bytes weighted towards the separators, so the grammar's corners are hit.
  const char separators[] = {'\n', '|', '!', '\r', ' ', '/', ':', '0', '9'};
  for (int round = 0; round < 3000; ++round) {
    std::string text;
    const int n = length(rng);
    for (int i = 0; i < n; ++i) {
      const int b = byte(rng);
      text += b < 128 ? separators[b % sizeof separators] : static_cast<char>(byte(rng));
    }
    LeadByteTable lead;
    if (round % 2) {
      for (int c = 0x81; c <= 0xFE; ++c) lead.lead[c] = lead.any = true;
    }
    const DateRecordList records = ParseDateListText(text, lead);
    for (const DateRecord& r : records) {
      EXPECT_FALSE(r.name.empty());
      EXPECT_TRUE(r.active);
    }
    // Whatever was read writes a text that reads back to as many records.
    std::string written = FormatDateListText(records, DateListKind::Counters, lead);
    RemoveCarriageReturns(written);
    EXPECT_EQ(ParseDateListText(written, lead).size(), records.size());
  }
}

TEST(ParseDateListTextBadInput, LongLinesAndBars) {
  const std::string longName(4 << 20, 'x');
  struct Case {
    const char* what;
    std::string text;
    size_t records;
  };
  const Case cases[] = {
      {"a 4 MB name alone", longName, 1},
      {"a 4 MB name and a date", longName + "|2004/12/25\n", 1},
      {"a 4 MB date text", "A|" + std::string(4 << 20, '9') + "\n", 1},
      {"a 4 MB comment", "!" + longName + "\nA|2004/12/25", 1},
      {"only bars", std::string(1 << 20, '|'), 0},
      {"lines of bars", std::string(100000, '|') + "\n" + std::string(100000, '|') + "\n", 0},
      {"only LFs", std::string(1 << 20, '\n'), 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseDateListText(c.text).size(), c.records) << c.what;
  }
}

TEST(ParseDateListTextBadInput, FiftyMegabytes) {
  std::string text;
  text.reserve(50u << 20);
  const std::string name(90, 'n');
  size_t lines = 0;
  while (text.size() < (50u << 20)) {
    text += name;
    text += (lines % 3) ? "|2004/12/25\n" : "|2004/12/25 23:59:59\n";
    ++lines;
  }
  const DateRecordList records = ParseDateListText(text);
  EXPECT_EQ(records.size(), lines);
  EXPECT_TRUE(records.back().date.IsValid());
}
