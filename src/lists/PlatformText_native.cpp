#include <ctime>

#include "base/Utf8.h"
#include "lists/PlatformText.h"

COleDateTime ParsePlatformDate(const std::string&) {
  return COleDateTime(0.0, COleDateTime::invalid);
}

unsigned LegacyCodePage() { return 1252; }

namespace {

// Windows-1252 bytes 0x80..0x9F; the five it leaves undefined map to the C1
// control of the same number, as Windows maps them, so every byte comes back.
const unsigned short kHigh1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// -1 for a character Windows-1252 cannot hold.
int ToWindows1252(long code) {
  if (code >= 0 && (code < 0x80 || (code >= 0xA0 && code <= 0xFF))) return static_cast<int>(code);
  for (int i = 0; i < 32; ++i) {
    if (kHigh1252[i] == code) return 0x80 + i;
  }
  return -1;
}

}  // namespace

std::string ConvertCodePage(const std::string& text, unsigned from, unsigned to, bool* lost) {
  if (lost != nullptr) *lost = false;
  if (from == to && to != kUtf8CodePage) return text;
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (size_t pos = 0; pos < text.size();) {
    long code;
    if (from == kUtf8CodePage) {
      code = DecodeUtf8(text, pos);
    } else {
      const unsigned char c = static_cast<unsigned char>(text[pos++]);
      code = c >= 0x80 && c < 0xA0 ? kHigh1252[c - 0x80] : c;
    }
    if (to == kUtf8CodePage) {
      AppendUtf8(code < 0 ? 0xFFFD : static_cast<unsigned long>(code), out);
      continue;
    }
    const int byte = ToWindows1252(code);
    if (byte < 0 && lost != nullptr) *lost = true;
    out += byte < 0 ? '?' : static_cast<char>(byte);
  }
  return out;
}
