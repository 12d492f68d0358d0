#pragma once
#include <string>

#include "lists/ListOwner.h"

// Reads the text of a list location into `text`; web and FTP addresses only
// when `allowRemote`. What was read replaces the cache file at `cachePath`;
// when the location cannot be read, the cache's text is taken instead and,
// unless `quiet`, `messagePrefix` is shown with a note that the cache is in
// use. False when no text could be had: then `text` must be ignored.
bool FetchListText(ListOwner& owner, const std::string& location, bool allowRemote,
                   const std::string& cachePath, bool quiet, const std::string& messagePrefix,
                   std::string& text);

// Writes `text` to the local file `location`; web and FTP addresses are
// refused. Unless `quiet`, tells the user why nothing was written.
bool StoreListText(ListOwner& owner, const std::string& location, const std::string& text,
                   bool quiet);

// The text of the local file that storing to `location` would replace, up to
// its first NUL; false when there is none, or the location is a web or FTP
// address.
bool ReadStoredListText(const std::string& location, std::string& text);

// A local file's bytes up to its first NUL (a cache, a file about to be
// replaced, the ready-made lists' index); false when it cannot be read.
bool ReadLocalFileBytes(const std::string& path, std::string& text);
