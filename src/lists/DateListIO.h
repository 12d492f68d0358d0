#pragma once
#include <string>

#include "lists/DateRecord.h"
#include "lists/ListOwner.h"

// Replaces the kind's list of `owner` with the content of `location` (or of
// the kind's cache). False when nothing was changed.
bool LoadDateList(DateListKind kind, ListOwner& owner, const std::string& location,
                  bool allowRemote, bool rememberLocation, bool quiet);

// The records of a list file's text, in the registered calendar format or
// as list text, sorted by date; safe on any thread.
DateRecordList ParseListText(std::string text, DateListKind kind);

// Puts `records` (sorted) in place of the kind's list, and tells the owner.
void ReplaceDateList(DateListKind kind, ListOwner& owner, DateRecordList records);

// Forgets what the last web answer for the kind said: its cache now holds
// something else.
void ForgetWebValidators(DateListKind kind, ListOwner& owner);

// Writes the kind's list to `location`, then loads it back from there.
// False when nothing was written.
bool SaveDateList(DateListKind kind, ListOwner& owner, const std::string& location,
                  bool reloadAllowRemote, bool quiet, bool reloadRemember);
