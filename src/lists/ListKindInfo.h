#pragma once
#include "lists/DateRecord.h"

// What differs between the three list kinds when they are loaded, saved and
// cached. The line format is the text format's own business (counters carry
// the time of day, the others do not).
struct ListKindInfo {
  DateListKind kind;
  const char* unreadablePrefix;  // start of the message when a location cannot be read
  const char* locationSetting;   // where the list was last loaded from or saved to
  const char* cacheSetting;      // path of the kind's local copy of its last read text
  const char* extension;         // offered by the page's file dialog
  const char* fileFilter;        // the file dialog's filter, "|"-separated
  const char* saveQuestion;      // asked at exit while the list has unsaved changes
  // What the last web answer that wrote the cache said (its address, ETag,
  // Last-Modified, and when it came), for conditional refreshes.
  const char* webAddressSetting;
  const char* webETagSetting;
  const char* webLastModifiedSetting;
  const char* webUpdatedSetting;
};

const ListKindInfo& GetListKindInfo(DateListKind kind);
