#pragma once
#include <string>
#include <string_view>

// One iCalendar content line, unfolded: NAME *(";" param) ":" value. The
// views point into the text or into the reader's buffer and stay valid until
// the next call to ContentLineReader::Next.
struct ContentLine {
  std::string_view name;
  std::string_view params;  // after the name, without the leading ";"
  std::string_view value;

  // Case-insensitive comparison of the name with an upper-case word.
  bool Is(const char* upperName) const;
  // The first value of a parameter, quotes removed; empty when absent.
  std::string_view Param(const char* upperName) const;
};

// Splits text into content lines: a line ends at LF (CRs before it are
// dropped), and a line that begins with a space or tab continues the one
// before it without that first character. Lines without a colon are skipped.
class ContentLineReader {
 public:
  explicit ContentLineReader(std::string_view text);
  bool Next(ContentLine& line);

 private:
  std::string_view PhysicalLine(size_t& pos) const;

  std::string_view m_text;
  size_t m_pos = 0;
  std::string m_folded;
};

bool EqualsNoCase(std::string_view text, const char* upperWord);
