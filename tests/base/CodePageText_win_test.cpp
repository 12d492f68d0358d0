// Our stepping through code page text against the platform's, and the
// manifest's code page: every test program links the program's resources.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "base/CodePageText.h"

namespace {

TEST(CodePageTextOnWindows, TheManifestMakesUtf8TheProgramsCodePage) {
  EXPECT_EQ(GetACP(), 65001u);
  EXPECT_EQ(ProgramCodePage(), kUtf8CodePage);
}

TEST(CodePageTextOnWindows, LeadBytesAsThePlatformsForEachCodePage) {
  for (const unsigned codePage : {932u, 936u, 949u, 950u, 1252u, 1251u}) {
    const CodePageText text(codePage);
    for (int c = 0; c < 256; ++c) {
      EXPECT_EQ(text.IsLeadByte(static_cast<unsigned char>(c)), IsDBCSLeadByteEx(codePage, static_cast<BYTE>(c)) != FALSE)
          << codePage << " byte " << c;
    }
  }
}

// What a wide field receives: never more characters than we counted, and
// exactly as many for well-formed text.
TEST(CodePageTextOnWindows, WideLengthAsTheConversionGivesIt) {
  const CodePageText utf8(kUtf8CodePage);
  std::string all;  // a character from every block of a few code points apart
  for (unsigned long code = 0x20; code < 0x110000; code += code < 0x800 ? 7 : code < 0x10000 ? 331 : 4099) {
    if (code >= 0xD800 && code <= 0xDFFF) continue;
    wchar_t wide[2] = {static_cast<wchar_t>(code), 0};
    int units = 1;
    if (code >= 0x10000) {
      wide[0] = static_cast<wchar_t>(0xD7C0 + (code >> 10));
      wide[1] = static_cast<wchar_t>(0xDC00 | (code & 0x3FF));
      units = 2;
    }
    char bytes[8];
    all.append(bytes, static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, wide, units, bytes, sizeof bytes, nullptr, nullptr)));
  }
  const auto converted = [](const std::string& text) {
    return static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0));
  };
  EXPECT_EQ(utf8.WideLength(all), converted(all));
  for (const std::string broken : {"a\xE6\x97" "b", "\xC0\xAF\xED\xA0\x80", "\xF4\x90\x80\x80", "\xFF\xFE"})
    EXPECT_GE(utf8.WideLength(broken), converted(broken)) << broken;
}

}  // namespace
