#include "lists/DateListText.h"

#include <algorithm>
#include <cstring>

#include "lists/DateTextParser.h"

namespace {

constexpr size_t kEnd = static_cast<size_t>(-1);  // the parser's position -1
constexpr char kEveryYear[] = "!Every year";
constexpr size_t kEveryYearSize = sizeof kEveryYear - 1;

// Scans list text character by character of the code page, so that the
// second byte of a double-byte character never counts as a separator.
class TextScanner {
 public:
  TextScanner(const char* text, size_t length, const LeadByteTable& leadBytes)
      : m_text(text), m_length(length), m_lead(leadBytes) {}

  size_t length() const { return m_length; }
  char at(size_t pos) const { return m_text[pos]; }

  // Position of the next LF (or also bar) from `pos`, or m_length.
  size_t FindLineEnd(size_t pos, bool barToo) const {
    if (!m_lead.any) {
      if (!barToo) {
        const void* hit = std::memchr(m_text + pos, '\n', m_length - pos);
        return hit ? static_cast<const char*>(hit) - m_text : m_length;
      }
      while (pos < m_length && m_text[pos] != '\n' && m_text[pos] != '|') ++pos;
      return pos;
    }
    while (pos < m_length) {
      const unsigned char c = static_cast<unsigned char>(m_text[pos]);
      if (c == '\n' || (barToo && c == '|')) return pos;
      pos += (m_lead.lead[c] && pos + 1 < m_length) ? 2 : 1;
    }
    return m_length;
  }

  size_t SkipLineFeeds(size_t pos, bool barsToo) const {
    while (pos < m_length && (m_text[pos] == '\n' || (barsToo && m_text[pos] == '|'))) ++pos;
    return pos;
  }

 private:
  const char* m_text;
  size_t m_length;
  const LeadByteTable& m_lead;
};

void AppendNumber(std::string& out, int value, int width) {
  char digits[12];
  int n = 0;
  do {
    digits[n++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value > 0);
  for (int i = n; i < width; ++i) out += '0';
  while (n > 0) out += digits[--n];
}

void AppendDate(std::string& out, const COleDateTime& date, DateListKind kind) {
  DateBreakdown b;
  const bool withTime = kind == DateListKind::Counters;
  if (!date.GetAsBreakdown(b)) {
    out += withTime ? "-001/-1/-1 -1:-1:-1" : "-001/-1/-1";
    return;
  }
  AppendNumber(out, b.year, 4);
  out += '/';
  AppendNumber(out, b.month, 2);
  out += '/';
  AppendNumber(out, b.day, 2);
  if (withTime) {
    out += ' ';
    AppendNumber(out, b.hour, 2);
    out += ':';
    AppendNumber(out, b.minute, 2);
    out += ':';
    AppendNumber(out, b.second, 2);
  }
}

// The format has no escape; a name that would not come back, or would take
// the next line with it, is written in a form that reads back as a name.
void AppendName(std::string& out, const std::string& name, const LeadByteTable& lead) {
  if (name.empty()) {
    out += ' ';
    return;
  }
  if (name[0] == '!') out += ' ';
  for (size_t i = 0; i < name.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(name[i]);
    if (lead.lead[c]) {
      // A lead byte needs a second byte that survives loading (which drops
      // CRs); a broken one would swallow the bar after the name.
      const char next = i + 1 < name.size() ? name[i + 1] : '\0';
      if (next == '\0' || next == '\r' || next == '\n') {
        out += ' ';
      } else {
        out += name[i];
        out += name[++i];
      }
    } else if (c == '|' || c == '\r' || c == '\n' || c == '\0') {
      out += ' ';
    } else {
      out += name[i];
    }
  }
}

}  // namespace

DateRecordList ParseDateListText(const std::string& text, DateListKind kind) {
  return ParseDateListText(text, AnsiLeadBytes(), kind);
}

DateRecordList ParseDateListText(const std::string& text, const LeadByteTable& leadBytes,
                                 DateListKind kind) {
  const size_t nul = text.find('\0');
  const TextScanner s(text.data(), nul == std::string::npos ? text.size() : nul, leadBytes);
  const size_t len = s.length();
  DateRecordList records;
  size_t pos = 0;
  bool everyYear = false;  // a "!Every year" line waits for its record
  while (pos != kEnd && pos < len) {
    // A line beginning with "!" is skipped, wherever it stands.
    size_t p = s.SkipLineFeeds(pos, false);
    if (p < len && s.at(p) == '!') {
      const size_t lineEnd = s.FindLineEnd(p, false);
      everyYear = lineEnd - p == kEveryYearSize && text.compare(p, kEveryYearSize, kEveryYear) == 0;
      pos = lineEnd + 1;
      continue;
    }
    // The name: leading bars and LFs skipped, then up to a bar or LF.
    p = s.SkipLineFeeds(pos, true);
    size_t nameBegin = p, nameEnd = p;
    if (p >= len) {
      pos = kEnd;
    } else {
      nameEnd = s.FindLineEnd(p, true);
      pos = nameEnd + 1;
    }
    // The date text: leading LFs skipped (not bars), then to the line end.
    size_t dateBegin = 0, dateEnd = 0;
    if (pos != kEnd) {
      p = s.SkipLineFeeds(std::min(pos, len), false);
      if (p >= len) {
        pos = kEnd;
      } else {
        dateBegin = p;
        dateEnd = s.FindLineEnd(p, false);
        pos = dateEnd + 1;
      }
    }
    if (nameEnd > nameBegin) {
      DateRecord record{text.substr(nameBegin, nameEnd - nameBegin),
                        ParseDateText(text.data() + dateBegin, dateEnd - dateBegin), true};
      record.yearly = everyYear && kind != DateListKind::Counters && record.date.IsValid();
      records.push_back(std::move(record));
    }
    everyYear = false;
  }
  return records;
}

std::string FormatDateListText(const DateRecordList& list, DateListKind kind) {
  return FormatDateListText(list, kind, AnsiLeadBytes());
}

std::string FormatDateListText(const DateRecordList& list, DateListKind kind,
                               const LeadByteTable& leadBytes) {
  std::string out = "!Version: 1.0\r\n";
  for (const DateRecord& record : list) {
    if (!record.active) continue;
    if (record.yearly && kind != DateListKind::Counters) {
      out += kEveryYear;
      out += "\r\n";
    }
    AppendName(out, record.name, leadBytes);
    out += '|';
    AppendDate(out, record.date, kind);
    out += "\r\n";
  }
  return out;
}

void RemoveCarriageReturns(std::string& text) {
  text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
}
