#include "base/Utf8.h"

long DecodeUtf8(const std::string& text, size_t& pos) {
  const unsigned char lead = static_cast<unsigned char>(text[pos++]);
  if (lead < 0x80) return lead;
  // C0 and C1 could only begin overlong forms; F5 and above pass U+10FFFF.
  const int more = lead >= 0xC2 && lead <= 0xDF ? 1 : lead >= 0xE0 && lead <= 0xEF ? 2
                   : lead >= 0xF0 && lead <= 0xF4 ? 3 : 0;
  if (more == 0) return -1;
  unsigned long code = lead & (0x3F >> more);
  size_t next = pos;
  for (int i = 0; i < more; ++i, ++next) {
    if (next >= text.size() || (static_cast<unsigned char>(text[next]) & 0xC0) != 0x80) return -1;
    code = (code << 6) | (static_cast<unsigned char>(text[next]) & 0x3F);
  }
  static const unsigned long kLeast[4] = {0, 0x80, 0x800, 0x10000};
  if (code < kLeast[more] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return -1;
  pos = next;
  return static_cast<long>(code);
}

void AppendUtf8(unsigned long code, std::string& out) {
  if (code < 0x80) {
    out += static_cast<char>(code);
    return;
  }
  const int more = code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
  static const unsigned char kLeadBits[4] = {0, 0xC0, 0xE0, 0xF0};
  out += static_cast<char>(kLeadBits[more] | (code >> (6 * more)));
  for (int shift = 6 * (more - 1); shift >= 0; shift -= 6)
    out += static_cast<char>(0x80 | ((code >> shift) & 0x3F));
}

bool IsValidUtf8(const std::string& text) {
  for (size_t pos = 0; pos < text.size();) {
    if (DecodeUtf8(text, pos) < 0) return false;
  }
  return true;
}

bool HasUtf8Bom(const std::string& text) { return text.compare(0, 3, "\xEF\xBB\xBF") == 0; }

bool HasByteAbove7F(const std::string& text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) > 0x7F) return true;
  }
  return false;
}
