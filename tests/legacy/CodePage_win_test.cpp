// Systems before Windows 10 1903 ignore the manifest's code page: the
// program's text is then in the system's own, which Wine takes from LANG.
// This program's manifest asks for that one ("Legacy"); TV_EXPECT_ACP names
// the code page its run expects (1252, 932).
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "base/CodePageText.h"
#include "base/NarrowText_win.h"
#include "lists/PlatformText.h"

namespace {

TEST(LegacyCodePage, NamesKeepTheirCharactersAndAreCutWhole) {
  const char* expected = std::getenv("TV_EXPECT_ACP");
  ASSERT_NE(expected, nullptr);
  const unsigned codePage = static_cast<unsigned>(std::strtoul(expected, nullptr, 10));
  ASSERT_EQ(GetACP(), codePage);
  EXPECT_EQ(ProgramCodePage(), codePage);
  const bool japanese = codePage == 932;
  EXPECT_EQ(AnsiLeadBytes().any, japanese);

  // iCalendar's UTF-8 "é" and "日": what the code page holds, else "?".
  const std::string accent = Utf8ToAnsi("\xC3\xA9"), day = Utf8ToAnsi("\xE6\x97\xA5");
  EXPECT_EQ(accent, japanese ? "?" : "\xE9");
  EXPECT_EQ(day, japanese ? "\x93\xFA" : "?");
  EXPECT_EQ(AnsiToUtf8(japanese ? day : accent), japanese ? "\xE6\x97\xA5" : "\xC3\xA9");

  // The tray's wide tooltip field takes 63 characters of 70, two bytes each
  // in Shift-JIS.
  std::string name;
  for (int i = 0; i < 70; ++i) name += japanese ? day : accent;
  wchar_t tip[64];
  CopyTextField(tip, 64, name);
  EXPECT_EQ(std::wstring(tip), std::wstring(63, japanese ? L'\x65E5' : L'\xE9'));
}

}  // namespace
