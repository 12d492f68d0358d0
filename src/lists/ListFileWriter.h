#pragma once
#include <string>

enum class FileWriteResult {
  Written,     // the file now holds exactly the bytes given
  CannotOpen,  // the file could not be opened for writing; nothing changed
  WriteFailed  // writing failed; the file holds what it held before
};

// Makes `bytes` the whole content of the local file `path`, creating it when
// missing. The bytes go to a new file in the same folder first, which then
// replaces the old one, so that a write that fails halfway (a full disk, a
// size quota) never leaves the user with a cut-off file. Only where no file
// can be made beside the target is it written in place.
FileWriteResult WriteWholeFile(const std::string& path, const std::string& bytes);
