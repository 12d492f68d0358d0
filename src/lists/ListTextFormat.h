#pragma once
#include <string>

#include "lists/DateRecord.h"

// A second text format for list files beside the program's own list text,
// such as the calendar files calendar programs publish holidays in. The
// lists know it only through these functions: the program registers it at
// start-up; without one, every file is read and written as list text.
struct ListTextFormat {
  // Whether the text is in this format rather than list text.
  bool (*isOfKind)(const std::string& text);
  // Whether a location names a file of this format, so that a new file
  // there is written in it.
  bool (*namesFile)(const std::string& location);
  DateRecordList (*parse)(const std::string& text, DateListKind kind);
  std::string (*format)(const DateRecordList& list, DateListKind kind);
  // Whether the text was written by this program, so that saving over it
  // loses nothing another program wrote.
  bool (*madeByUs)(const std::string& text);
  // How often a feed in this format asks to be fetched again, in seconds;
  // 0 when it does not say.
  long long (*refreshSeconds)(const std::string& text);
};

// The format lives for the rest of the run.
void RegisterListTextFormat(const ListTextFormat& format);
// The registered format; nullptr when there is none.
const ListTextFormat* RegisteredListTextFormat();
