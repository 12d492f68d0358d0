#include <gtest/gtest.h>

#include <string>

#include "base/CodePageText.h"

namespace {

// "日" and "😀" in UTF-8, "日" in Shift-JIS.
const std::string kDayUtf8 = "\xE6\x97\xA5", kSmileUtf8 = "\xF0\x9F\x98\x80", kDaySjis = "\x93\xFA";

TEST(CodePageText, CutsNeverSplitACharacter) {
  // Room, then what FitBytes and FitWide take of it.
  const struct { unsigned codePage; std::string text; size_t room, bytes, wide; } cases[] = {
      {kUtf8CodePage, "a" + kDayUtf8 + "b", 2, 1, 4},     // 3 bytes, 1 unit
      {kUtf8CodePage, kSmileUtf8 + "x", 2, 0, 4},         // a surrogate pair takes 2
      {kUtf8CodePage, "a\xE6\x97" "b", 2, 2, 2},         // broken: bytes alone
      {kUtf8CodePage, "\xC0\xAF\xED\xA0\x80", 3, 3, 3},  // overlong, surrogate
      {932, "\x83|x", 1, 0, 2},                         // the trail byte is no bar
      {932, "a\x83", 5, 2, 2},                           // a lead byte at the end
      {936, kDaySjis + "x", 1, 0, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.codePage) + " " + c.text + " room " + std::to_string(c.room));
    const CodePageText text(c.codePage);
    EXPECT_EQ(text.FitBytes(c.text, c.room), c.bytes);
    EXPECT_EQ(text.FitWide(c.text, c.room), c.wide);
  }
}

TEST(CodePageText, StepsByCharacter) {
  // Each broken byte one U+FFFD at most.
  EXPECT_EQ(CodePageText(kUtf8CodePage).WideLength("a" + kDayUtf8 + kSmileUtf8 + "\xFF\xE6\x97"), 7u);
  // "\x95\\" is one Shift-JIS character, whose second byte is a backslash.
  EXPECT_EQ(CodePageText(932).FindLastOf("a\\\x95\\b", "\\/"), 1u);
  EXPECT_EQ(CodePageText(1252).FindLastOf("a\\\x95\\b", "\\/"), 3u);
}

}  // namespace
