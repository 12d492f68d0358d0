// The written date forms read by our own code against VarDateFromStr, and
// what the platform makes of the texts our code passes on.
#include <windows.h>
#include <oleauto.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "lists/DateTextParser.h"
#include "lists/PlatformText.h"

namespace {

int DaysInMonth(int year, int month) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : days[month - 1];
}

std::string Written(int y, int mo, int d, int h, int mi, int s, bool withTime) {
  char text[40];
  if (withTime) {
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", y, mo, d, h, mi, s);
  } else {
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", y, mo, d);
  }
  return text;
}

void ExpectSameAsPlatform(const std::string& text) {
  COleDateTime ours;
  ASSERT_TRUE(ParseWrittenDate(text.data(), text.size(), ours)) << text;
  const COleDateTime platform = ParsePlatformDate(text);
  ASSERT_TRUE(platform.IsValid()) << text;
  EXPECT_EQ(std::memcmp(&ours.m_dt, &platform.m_dt, sizeof(double)), 0)
      << text << " ours " << ours.m_dt << " platform " << platform.m_dt;
}

}  // namespace

TEST(WrittenFormVsPlatform, Boundaries) {
  for (int year : {100, 999, 1000, 1899, 1900, 2000, 2004, 9999}) {
    for (int month = 1; month <= 12; ++month) {
      for (int day : {1, 28, DaysInMonth(year, month)}) {
        ExpectSameAsPlatform(Written(year, month, day, 0, 0, 0, false));
        ExpectSameAsPlatform(Written(year, month, day, 0, 0, 0, true));
        ExpectSameAsPlatform(Written(year, month, day, 0, 0, 1, true));
        ExpectSameAsPlatform(Written(year, month, day, 12, 0, 0, true));
        ExpectSameAsPlatform(Written(year, month, day, 23, 59, 59, true));
      }
    }
  }
}

TEST(WrittenFormVsPlatform, Random) {
  std::mt19937 rng(1225);
  std::uniform_int_distribution<int> year(100, 9999), month(1, 12), hour(0, 23), minsec(0, 59);
  for (int i = 0; i < 20000; ++i) {
    const int y = year(rng), m = month(rng);
    const int d = std::uniform_int_distribution<int>(1, DaysInMonth(y, m))(rng);
    ExpectSameAsPlatform(Written(y, m, d, hour(rng), minsec(rng), minsec(rng), i % 2 == 0));
    if (HasFailure()) return;
  }
}

// Texts outside the written forms go to the platform as they are.
TEST(DateTextOnPlatform, OtherTextsAreThePlatformsBusiness) {
  const char* texts[] = {"2003/04/31", "2004/13/01", "2004-12-25", "12/25/2004",
                         "2004/12/25 24:00:00", " 2004/12/25", "Christmas", ""};
  for (const char* text : texts) {
    const COleDateTime ours = ParseDateText(std::string(text));
    const COleDateTime platform = ParsePlatformDate(text);
    EXPECT_EQ(ours.GetStatus(), platform.GetStatus()) << text;
    EXPECT_EQ(ours.m_dt, platform.m_dt) << text;
  }
  EXPECT_FALSE(ParseDateText(std::string("Christmas")).IsValid());
  EXPECT_EQ(ParseDateText(std::string("Christmas")).m_dt, 0.0);
}

// The writer's form of an invalid date must not read back as a date.
TEST(DateTextOnPlatform, InvalidDateFormReadsInvalid) {
  for (const char* text : {"-001/-1/-1", "-001/-1/-1 -1:-1:-1"}) {
    const COleDateTime date = ParseDateText(std::string(text));
    EXPECT_FALSE(date.IsValid()) << text << " read as " << date.m_dt;
  }
}
