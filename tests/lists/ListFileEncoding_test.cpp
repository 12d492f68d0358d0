#include "lists/ListFileEncoding.h"

#include <gtest/gtest.h>

TEST(ListFileEncoding, TheReadingRuleTakesWellFormedUtf8WithHighBytesOrABom) {
  using E = ListFileEncoding;
  const struct { std::string bytes; E encoding; } cases[] = {
      {"!Version: 1.0\r\nNew Year|2024/01/01\r\n", E::Legacy},  // ASCII
      {"\xEF\xBB\xBF" "F\xEAte", E::Utf8WithBom},  // the mark decides
      {"\xEF\xBB", E::Legacy},                     // half a mark
      {"\xCE\x9D\xCE\xAD\xCE\xBF \xE5\x85\x83\xE6\x97\xA5 \xF0\x9F\x8E\x86", E::Utf8},
      {"\xF4\x8F\xBF\xBF", E::Utf8},  // U+10FFFF, the last there is
      {"F\xEAte nationale|2024/07/14", E::Legacy},  // Windows-1252
      {"\x8C\xB3\x93\xFA|2024/01/01", E::Legacy},    // Shift-JIS
      {"F\xC3\xAAte F\xEAte", E::Legacy},            // mixed
      {"a\x80z", E::Legacy},                          // a lone continuation byte
      {"\xC0\xAF", E::Legacy},                        // overlong "/"
      {"\xE0\x80\xAF", E::Legacy},                    // overlong "/"
      {"\xED\xA0\x80\xED\xB0\x80", E::Legacy},        // a surrogate pair, encoded apart
      {"\xF4\x90\x80\x80", E::Legacy},                // past U+10FFFF
      {"Caf\xC3\xA9 \xE6\x97", E::Legacy},            // cut off at the end
  };
  for (const auto& c : cases) EXPECT_EQ(c.encoding, DetectListFileEncoding(c.bytes)) << c.bytes;
}
