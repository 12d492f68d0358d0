#include "base/CodePageText.h"

namespace {
// Bytes of the well-formed UTF-8 sequence at `pos`, or 1 (Unicode's table
// of well-formed byte sequences: no overlong forms, surrogates or values
// past U+10FFFF).
size_t Utf8SequenceBytes(std::string_view text, size_t pos) {
  const unsigned char c = static_cast<unsigned char>(text[pos]);
  if (c < 0xC2 || c > 0xF4) return 1;
  const size_t more = c < 0xE0 ? 1 : c < 0xF0 ? 2 : 3;
  const unsigned char low = c == 0xE0 ? 0xA0 : c == 0xF0 ? 0x90 : 0x80;
  const unsigned char high = c == 0xED ? 0x9F : c == 0xF4 ? 0x8F : 0xBF;
  if (text.size() - pos <= more) return 1;
  for (size_t i = 1; i <= more; ++i) {
    const unsigned char t = static_cast<unsigned char>(text[pos + i]);
    if (t < (i == 1 ? low : 0x80) || t > (i == 1 ? high : 0xBF)) return 1;
  }
  return more + 1;
}
}  // namespace

bool CodePageText::IsLeadByte(unsigned char c) const {
  switch (m_codePage) {
    case 932: return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);  // Shift-JIS
    case 936:                                                                // GBK
    case 949:                                                                // Unified Hangul
    case 950: return c >= 0x81 && c <= 0xFE;                                 // Big5
    default: return false;
  }
}

size_t CodePageText::CharBytes(std::string_view text, size_t pos) const {
  if (m_codePage == kUtf8CodePage) return Utf8SequenceBytes(text, pos);
  return IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

// Only UTF-8 reaches past U+FFFF (a surrogate pair); a broken byte becomes
// one U+FFFD.
size_t CodePageText::WideUnits(size_t bytes) const {
  return m_codePage == kUtf8CodePage && bytes == 4 ? 2 : 1;
}

size_t CodePageText::WideLength(std::string_view text) const {
  size_t units = 0;
  for (size_t pos = 0; pos < text.size();) {
    const size_t bytes = CharBytes(text, pos);
    units += WideUnits(bytes);
    pos += bytes;
  }
  return units;
}

size_t CodePageText::Fit(std::string_view text, size_t room, bool wide) const {
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

size_t CodePageText::FitBytes(std::string_view text, size_t room) const { return Fit(text, room, false); }

size_t CodePageText::FitWide(std::string_view text, size_t room) const { return Fit(text, room, true); }

std::string CodePageText::Repaired(std::string_view text) const {
  std::string out;
  out.reserve(text.size());
  for (size_t pos = 0; pos < text.size();) {
    const size_t bytes = CharBytes(text, pos);
    const bool broken = bytes == 1 && static_cast<unsigned char>(text[pos]) >= 0x80 &&
                        (m_codePage == kUtf8CodePage || IsLeadByte(static_cast<unsigned char>(text[pos])));
    if (broken) {
      out += '?';
    } else {
      out.append(text.substr(pos, bytes));
    }
    pos += bytes;
  }
  return out;
}

size_t CodePageText::FindLastOf(std::string_view text, std::string_view chars) const {
  size_t found = std::string_view::npos;
  for (size_t pos = 0; pos < text.size(); pos += CharBytes(text, pos)) {
    if (chars.find(text[pos]) != std::string_view::npos) found = pos;
  }
  return found;
}
