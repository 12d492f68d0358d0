#pragma once
#include <string>

#include "lists/DateRecord.h"
#include "lists/ListOwner.h"

// Replaces the kind's list of `owner` with the content of `location` (or of
// the kind's cache). False when nothing was changed.
bool LoadDateList(DateListKind kind, ListOwner& owner, const std::string& location,
                  bool allowRemote, bool rememberLocation, bool quiet);

// Writes the kind's list to `location`, then loads it back from there.
// False when nothing was written.
bool SaveDateList(DateListKind kind, ListOwner& owner, const std::string& location,
                  bool reloadAllowRemote, bool quiet, bool reloadRemember);
