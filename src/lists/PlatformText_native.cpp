#include <ctime>

#include "lists/PlatformText.h"

COleDateTime ParsePlatformDate(const std::string&) {
  return COleDateTime(0.0, COleDateTime::invalid);
}

const LeadByteTable& AnsiLeadBytes() {
  static const LeadByteTable none;
  return none;
}

namespace {

// Windows-1252 bytes 0x80..0x9F; the five it leaves undefined map to the C1
// control of the same number, as Windows maps them, so every byte comes back.
const unsigned short kHigh1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char ToWindows1252(unsigned long code) {
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<char>(code);
  for (int i = 0; i < 32; ++i) {
    if (kHigh1252[i] == code) return static_cast<char>(0x80 + i);
  }
  return '?';
}

// The code point at `pos`, moving past it; a byte that does not begin a
// well-formed sequence is taken alone and gives -1.
long DecodeUtf8(const std::string& s, size_t& pos) {
  const unsigned char c = static_cast<unsigned char>(s[pos++]);
  if (c < 0x80) return c;
  int more = c >= 0xF0 && c <= 0xF4 ? 3 : c >= 0xE0 ? 2 : c >= 0xC2 && c < 0xE0 ? 1 : -1;
  if (more < 0 || c > 0xF4) return -1;
  unsigned long code = c & (0x3F >> more);
  size_t p = pos;
  for (int i = 0; i < more; ++i, ++p) {
    if (p >= s.size() || (static_cast<unsigned char>(s[p]) & 0xC0) != 0x80) return -1;
    code = (code << 6) | (static_cast<unsigned char>(s[p]) & 0x3F);
  }
  // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
  static const unsigned long kMin[4] = {0, 0x80, 0x800, 0x10000};
  if (code < kMin[more] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return -1;
  pos = p;
  return static_cast<long>(code);
}

void EncodeUtf8(unsigned long code, std::string& out) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

}  // namespace

std::string Utf8ToAnsi(const std::string& utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t pos = 0; pos < utf8.size();) {
    const long code = DecodeUtf8(utf8, pos);
    out += code < 0 ? '?' : ToWindows1252(static_cast<unsigned long>(code));
  }
  return out;
}

std::string AnsiToUtf8(const std::string& ansi) {
  std::string out;
  out.reserve(ansi.size() + ansi.size() / 8);
  for (const char ch : ansi) {
    const unsigned char c = static_cast<unsigned char>(ch);
    EncodeUtf8(c >= 0x80 && c < 0xA0 ? kHigh1252[c - 0x80] : c, out);
  }
  return out;
}

