// List files in the system's legacy code page, as every earlier version
// wrote them, and in UTF-8, under either code page of the program.
#include "ListTestSupport_win.h"
#include "lists/DateListIO.h"
#include "lists/ListFileEncoding.h"
#include "lists/PlatformText.h"

using namespace listtest;

namespace {

const std::string kHeader = "!Version: 1.0\r\n";
// An earlier version's file on a Western system: "Fête" in Windows-1252.
const std::string kEarlierWestern = kHeader + "F\xEAte nationale|2024/07/14\r\n";
const std::string kFeteUtf8 = kHeader + "Fête nationale|2024/07/14\r\n";
// In date order, as a save writes them.
const std::string kEveryScript = kHeader + "ראש השנה|2024/10/03\r\nΧριστούγεννα|2024/12/25\r\n" +
                                 "🎆 Silvester|2024/12/31\r\n元日|2025/01/01\r\nРождество|2025/01/07\r\n";
const std::string kJapanese = kHeader + "元日|2025/01/01\r\n";
const std::string kJapaneseShiftJis = kHeader + "\x8C\xB3\x93\xFA|2025/01/01\r\n";
const std::string kLooksLikeUtf8 = kHeader + "Ã©|2024/01/01\r\n";  // C3 A9 in Windows-1252

TEST(ListFileEncoding, FilesReadByTheRuleAndWrittenInTheLegacyCodePageWhereItHoldsTheNames) {
  const unsigned kUtf8 = kUtf8CodePage;  // code pages by number, not the test's own
  const struct { const char* what; unsigned legacy, program; std::string file, text, written; } cases[] = {
      {"earlier version's file", 1252, kUtf8, kEarlierWestern, kFeteUtf8, kEarlierWestern},
      {"byte-order mark", 1252, kUtf8, "\xEF\xBB\xBF" + kFeteUtf8, kFeteUtf8, kEarlierWestern},
      {"every script", 1252, kUtf8, kEveryScript, kEveryScript, kEveryScript},
      {"Cyrillic, old system", 1252, 1252, kHeader + "Рождество|2025/01/07\r\n",
       kHeader + "?????????|2025/01/07\r\n", kHeader + "?????????|2025/01/07\r\n"},
      {"Japanese, Japanese system", 932, kUtf8, kJapanese, kJapanese, kJapaneseShiftJis},
      {"earlier Japanese file", 932, kUtf8, kJapaneseShiftJis, kJapanese, kJapaneseShiftJis},
      {"legacy bytes that read as UTF-8", 1252, kUtf8, kLooksLikeUtf8, kLooksLikeUtf8, kLooksLikeUtf8},
  };
  // What a case writes is some case's file (or plain ASCII): reading it back is checked there.
  for (const auto& c : cases) {
    EXPECT_EQ(c.text, ListFileToText(c.file, c.legacy, c.program)) << c.what;
    EXPECT_EQ(c.written, TextToListFile(c.text, c.legacy, c.program)) << c.what;
  }
}

// In the test's own code page: UTF-8 once the program declares it, the
// system's otherwise, where names it cannot hold come out as "?".
TEST_F(ListTest, ListFilesAndTheirCacheLoadAndSaveByTheRule) {
  if (LegacyCodePage() != 1252) GTEST_SKIP() << "the earlier file is Windows-1252";
  for (const std::string& file : {kEarlierWestern, kEveryScript}) {
    WriteBytes(File("in.tvh"), file);
    ASSERT_TRUE(LoadDateList(DateListKind::Holidays, m_owner, File("in.tvh"), false, false, true));
    DeleteFileA(File("in.tvh").c_str());  // read again from the cache, by the same rule
    ASSERT_TRUE(LoadDateList(DateListKind::Holidays, m_owner, File("in.tvh"), false, false, true));
    ASSERT_FALSE(m_owner.m_holidays.empty());
    EXPECT_EQ(ConvertCodePage(file == kEarlierWestern ? "Fête nationale" : "ראש השנה", kUtf8CodePage, ProgramCodePage()),
              m_owner.m_holidays.front().name);
    ASSERT_TRUE(SaveDateList(DateListKind::Holidays, m_owner, File("out.tvh"), false, true, false));
    if (file == kEarlierWestern || ProgramCodePage() == kUtf8CodePage) {
      EXPECT_EQ(file, ReadBytes(File("out.tvh")));
    }
  }
}

}  // namespace
