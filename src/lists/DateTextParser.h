#pragma once
#include <cstddef>
#include <string>

#include "base/COleDateTime.h"

// Reads the date text of a list line. The two forms the list writer
// produces ("yyyy/mm/dd" and "yyyy/mm/dd hh:mm:ss", zero-padded, every field
// in range) are converted here, to exactly the value the platform parser
// gives for them; any other text goes to the platform's locale-aware parser
// unchanged. A failure gives an invalid date carrying 0.0 when the text was
// not recognised as a date at all and -1.0 for any other failure.
COleDateTime ParseDateText(const char* text, size_t length);
inline COleDateTime ParseDateText(const std::string& text) {
  return ParseDateText(text.data(), text.size());
}

// The written forms alone; false for any other text.
bool ParseWrittenDate(const char* text, size_t length, COleDateTime& out);
