#pragma once
#include <string>

enum class FileWriteResult {
  Written,     // the file now holds exactly the bytes given
  CannotOpen,  // the file could not be opened for writing; nothing changed
  WriteFailed  // writing failed; the file holds what it held before, unless
               // it had to be written in place (see below)
};

// Makes `bytes` the whole content of the local file `path`, creating it when
// missing. The bytes go to a new file in the same folder first, which then
// replaces the old one, keeping its attributes (and, on Windows, its owner
// and access rights), so that a write that fails halfway (a full disk, a
// size quota) never leaves the user with a cut-off file. Where no file can
// be made beside the target, or the swap fails (another program holds the
// file open without allowing it), the file is written in place as a plain
// write would. No temporary file is left behind.
FileWriteResult WriteWholeFile(const std::string& path, const std::string& bytes);
