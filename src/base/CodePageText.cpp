#include "base/CodePageText.h"

#include <cstring>

#include "base/Utf8.h"

bool CodePageText::IsLeadByte(unsigned char c) const {
  switch (m_codePage) {
    case 932: return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);  // Shift-JIS
    case 936:                                                                // GBK
    case 949:                                                                // Unified Hangul
    case 950: return c >= 0x81 && c <= 0xFE;                                 // Big5
    default: return false;
  }
}

size_t CodePageText::CharBytes(const std::string& text, size_t pos) const {
  if (m_codePage == kUtf8CodePage) {
    size_t next = pos;
    DecodeUtf8(text, next);  // a byte that begins no well-formed sequence alone
    return next - pos;
  }
  return IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

// Only UTF-8 reaches past U+FFFF (a surrogate pair); a broken byte becomes
// one U+FFFD.
size_t CodePageText::WideUnits(size_t bytes) const {
  return m_codePage == kUtf8CodePage && bytes == 4 ? 2 : 1;
}

size_t CodePageText::WideLength(const std::string& text) const {
  size_t units = 0;
  for (size_t pos = 0; pos < text.size();) {
    const size_t bytes = CharBytes(text, pos);
    units += WideUnits(bytes);
    pos += bytes;
  }
  return units;
}

size_t CodePageText::Fit(const std::string& text, size_t room, bool wide) const {
  size_t end = 0;
  size_t used = 0;
  while (end < text.size()) {
    const size_t bytes = CharBytes(text, end);
    const size_t width = wide ? WideUnits(bytes) : bytes;
    if (used + width > room) break;
    used += width;
    end += bytes;
  }
  return end;
}

size_t CodePageText::FitBytes(const std::string& text, size_t room) const { return Fit(text, room, false); }

size_t CodePageText::FitWide(const std::string& text, size_t room) const { return Fit(text, room, true); }

size_t CodePageText::FindLastOf(const std::string& text, const char* chars) const {
  size_t found = std::string::npos;
  for (size_t pos = 0; pos < text.size(); pos += CharBytes(text, pos)) {
    if (text[pos] != '\0' && std::strchr(chars, text[pos]) != nullptr) found = pos;
  }
  return found;
}
