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

}  // namespace
