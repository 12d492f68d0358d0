// The version lookup, on a file listing two translations.
#include <gtest/gtest.h>

#include "framework/FileVersionInfo.h"
#include "support/WindowProbe_win.h"

namespace {

TEST(FileVersionInfoTest, ReadsTheFirstListedTranslation) {
  const FileVersionInfo info(probe::ExecutableFolder() + "two_translations.dll");
  EXPECT_EQ(info.Translation(), "040704b0");
  EXPECT_EQ(info.Query("ProductVersion"), "first");
  EXPECT_EQ(info.Query("Missing"), "");

  const FileVersionInfo none(probe::ExecutableFolder() + "no such file.dll");
  EXPECT_EQ(none.Query("ProductVersion"), "");
}

}  // namespace
