#include "ical/ContentLineReader.h"

#include <cstring>

bool EqualsNoCase(std::string_view text, const char* upperWord) {
  size_t i = 0;
  for (; upperWord[i] != '\0'; ++i) {
    if (i >= text.size()) return false;
    char c = text[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != upperWord[i]) return false;
  }
  return i == text.size();
}

namespace {

// The end of a parameter value or of the parameters: the first of `stops`
// outside double quotes, or the end.
size_t FindUnquoted(std::string_view text, size_t pos, const char* stops) {
  bool quoted = false;
  for (; pos < text.size(); ++pos) {
    const char c = text[pos];
    if (c == '"') {
      quoted = !quoted;
    } else if (!quoted && std::strchr(stops, c) != nullptr) {
      return pos;
    }
  }
  return text.size();
}

}  // namespace

bool ContentLine::Is(const char* upperName) const { return EqualsNoCase(name, upperName); }

std::string_view ContentLine::Param(const char* upperName) const {
  size_t pos = 0;
  while (pos < params.size()) {
    const size_t end = FindUnquoted(params, pos, ";");
    const std::string_view param = params.substr(pos, end - pos);
    const size_t eq = param.find('=');
    if (eq != std::string_view::npos && EqualsNoCase(param.substr(0, eq), upperName)) {
      std::string_view value = param.substr(eq + 1);
      value = value.substr(0, FindUnquoted(value, 0, ","));
      if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
      }
      return value;
    }
    pos = end + 1;
  }
  return std::string_view();
}

ContentLineReader::ContentLineReader(std::string_view text) : m_text(text) {
  if (m_text.substr(0, 3) == "\xEF\xBB\xBF") m_pos = 3;
}

std::string_view ContentLineReader::PhysicalLine(size_t& pos) const {
  const void* lf = std::memchr(m_text.data() + pos, '\n', m_text.size() - pos);
  const size_t end = lf ? static_cast<const char*>(lf) - m_text.data() : m_text.size();
  size_t last = end;
  while (last > pos && m_text[last - 1] == '\r') --last;
  const std::string_view line = m_text.substr(pos, last - pos);
  pos = end + 1;
  return line;
}

bool ContentLineReader::Next(ContentLine& out) {
  while (m_pos < m_text.size()) {
    std::string_view line = PhysicalLine(m_pos);
    if (m_pos < m_text.size() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t')) {
      m_folded.assign(line.data(), line.size());
      while (m_pos < m_text.size() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t')) {
        ++m_pos;
        const std::string_view more = PhysicalLine(m_pos);
        m_folded.append(more.data(), more.size());
      }
      line = m_folded;
    }
    const size_t nameEnd = line.find_first_of(";:");
    if (nameEnd == std::string_view::npos) continue;
    size_t colon = nameEnd;
    if (line[nameEnd] == ';') colon = FindUnquoted(line, nameEnd, ":");
    if (colon >= line.size()) continue;
    out.name = line.substr(0, nameEnd);
    out.params = nameEnd < colon ? line.substr(nameEnd + 1, colon - nameEnd - 1) : std::string_view();
    out.value = line.substr(colon + 1);
    return true;
  }
  return false;
}
