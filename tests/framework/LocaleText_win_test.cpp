// Locale date texts, held against the platform's own date and time formats.
// The 8-bit calls with a locale id answer in that locale's legacy code page
// unless asked for the program's (LOCALE_USE_CP_ACP): Greek "pm", Cyrillic
// day names.
#include <gtest/gtest.h>
#include <windows.h>

#include "framework/LocaleText.h"

namespace {

std::string PlatformDate(const SYSTEMTIME& st) {
  char text[128] = {};
  GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE | LOCALE_USE_CP_ACP, &st, nullptr, text, sizeof(text));
  return text;
}

std::string PlatformTime(const SYSTEMTIME& st) {
  char text[128] = {};
  GetTimeFormatA(LOCALE_USER_DEFAULT, LOCALE_USE_CP_ACP, &st, nullptr, text, sizeof(text));
  return text;
}

TEST(LocaleText, FormsFollowTheUserLocale) {
  const double values[] = {37683.0 + 0.5, 45351.0 + (23 * 3600 + 59 * 60 + 59) / 86400.0, 2.25, -700.75, 2958465.0};
  for (double value : values) {
    SCOPED_TRACE(value);
    SYSTEMTIME st{};
    ASSERT_TRUE(VariantTimeToSystemTime(value, &st));
    const COleDateTime date(value);
    EXPECT_EQ(DateText(date), PlatformDate(st));
    EXPECT_EQ(DateText(date, DateTextForm::ShortDate), PlatformDate(st));
    EXPECT_EQ(DateText(date, DateTextForm::TimeOnly), PlatformTime(st));
  }
}

TEST(LocaleText, DayNamesAsTheWideCallGivesThem) {
  for (int day = 1; day <= 7; ++day) {
    wchar_t wide[80] = {};
    ASSERT_GT(GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDAYNAME1 + static_cast<LCTYPE>(day - 1), wide, 80), 0);
    char utf8[240] = {};
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8, sizeof utf8, nullptr, nullptr);
    EXPECT_EQ(DayName(day), utf8) << day;
  }
}

// With no flags, the time is left out at midnight and the date for day 0.
TEST(LocaleText, DateAndTimeLeavesOutWhatIsZero) {
  SYSTEMTIME st{};
  VariantTimeToSystemTime(37683.5, &st);
  EXPECT_EQ(DateText(COleDateTime(37683.5), DateTextForm::DateAndTime), PlatformDate(st) + " " + PlatformTime(st));
  EXPECT_EQ(DateText(COleDateTime(37683.0), DateTextForm::DateAndTime), PlatformDate(st));
  EXPECT_EQ(DateText(COleDateTime(0.5), DateTextForm::DateAndTime), PlatformTime(st));
}

TEST(LocaleText, InvalidOrUnconvertibleReadsInvalidDateTime) {
  const COleDateTime cases[] = {COleDateTime(37683.0, COleDateTime::invalid), COleDateTime(0.0, COleDateTime::invalid),
                                COleDateTime(3.0e6), COleDateTime(-700000.0)};
  for (const COleDateTime& value : cases) {
    for (DateTextForm form : {DateTextForm::ShortDate, DateTextForm::TimeOnly, DateTextForm::DateAndTime}) {
      EXPECT_EQ(DateText(value, form), "Invalid DateTime") << value.m_dt;
    }
  }
}

}  // namespace
