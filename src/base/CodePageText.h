#pragma once
#include <cstddef>
#include <string>

constexpr unsigned kUtf8CodePage = 65001;

// The code page of the program's 8-bit text: the process's ANSI code page
// on Windows, which is UTF-8 wherever the manifest's activeCodePage takes
// effect (Windows 10 1903 and later, Wine); UTF-8 in the native build.
unsigned ProgramCodePage();

// Steps through 8-bit text of a code page a character at a time, so that a
// cut never splits a character: UTF-8, the double-byte code pages (932,
// 936, 949, 950) or any single-byte one. The platform's IsDBCSLeadByte and
// CharNextA take UTF-8 for single bytes, hence our own stepping.
class CodePageText {
 public:
  explicit CodePageText(unsigned codePage = ProgramCodePage()) : m_codePage(codePage) {}

  unsigned CodePage() const { return m_codePage; }
  // Whether `c` begins a two-byte character of a double-byte code page.
  bool IsLeadByte(unsigned char c) const;
  // Bytes of the character at `pos`, at least 1: a byte that begins no
  // whole character (broken UTF-8, a lead byte at the end) is taken alone.
  size_t CharBytes(const std::string& text, size_t pos) const;
  // UTF-16 units the text takes once converted: what a wide field holds.
  size_t WideLength(const std::string& text) const;
  // Bytes of the longest start of `text` that ends on a whole character and
  // takes at most `room` bytes, or at most `room` UTF-16 units.
  size_t FitBytes(const std::string& text, size_t room) const;
  size_t FitWide(const std::string& text, size_t room) const;
  // Where the last character of `text` that is one of the ASCII `chars` is,
  // or npos: a path's "\\" may be the second byte of a Shift-JIS character.
  size_t FindLastOf(const std::string& text, const char* chars) const;

 private:
  size_t WideUnits(size_t bytes) const;
  size_t Fit(const std::string& text, size_t room, bool wide) const;

  unsigned m_codePage;
};
