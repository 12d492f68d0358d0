#include "lists/ListFileWriter.h"

#include <windows.h>

namespace {

// What a replacement takes over from the file it replaces. Windows' own
// swap keeps these (and the owner and access rights); not every
// implementation of it does, so the new file is given them beforehand.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

bool WriteAll(HANDLE file, const std::string& bytes) {
  const char* data = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    const DWORD chunk = left > 0x100000 ? 0x100000 : static_cast<DWORD>(left);
    DWORD written = 0;
    if (!WriteFile(file, data, chunk, &written, nullptr) || written != chunk) return false;
    data += written;
    left -= written;
  }
  return true;
}

// Writes, cuts off whatever followed, and closes; false when any byte or the
// close failed.
bool WriteAndClose(HANDLE file, const std::string& bytes) {
  bool ok = WriteAll(file, bytes) && SetEndOfFile(file) && FlushFileBuffers(file);
  if (!CloseHandle(file)) ok = false;
  return ok;
}

// The folder that holds `path`, for a temporary file beside it.
bool FolderOf(const std::string& path, std::string& folder) {
  char full[MAX_PATH];
  char* name = nullptr;
  const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, &name);
  if (length == 0 || length >= MAX_PATH || name == nullptr) return false;
  folder.assign(full, name - full);
  return !folder.empty();
}

// As a plain write would: opened for writing, the old bytes cut off. The
// file is opened rather than created afresh, so that a hidden or system file
// can be written too, and it shares what another reader or writer of the
// file may need.
FileWriteResult WriteInPlace(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return FileWriteResult::CannotOpen;
  return WriteAndClose(file, bytes) ? FileWriteResult::Written : FileWriteResult::WriteFailed;
}

// Written to a temporary file beside the target, which then takes the
// target's place. NotSwapped when no temporary file could be made or the
// swap itself failed; the temporary file is gone again in every case but
// Replaced.
enum class ReplaceResult { Replaced, WriteFailed, NotSwapped };

ReplaceResult WriteBesideAndReplace(const std::string& path, const std::string& bytes) {
  std::string folder;
  char temp[MAX_PATH];
  if (!FolderOf(path, folder) || GetTempFileNameA(folder.c_str(), "tv", 0, temp) == 0)
    return ReplaceResult::NotSwapped;
  HANDLE file = CreateFileA(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    DeleteFileA(temp);
    return ReplaceResult::NotSwapped;
  }
  if (!WriteAndClose(file, bytes)) {
    DeleteFileA(temp);
    return ReplaceResult::WriteFailed;
  }
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & kKeptAttributes) != 0)
    SetFileAttributesA(temp, attributes & kKeptAttributes);
  if (ReplaceFileA(path.c_str(), temp, nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
    return ReplaceResult::Replaced;
  // A swap that failed halfway may have taken the target away already.
  if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES &&
      MoveFileExA(temp, path.c_str(), MOVEFILE_WRITE_THROUGH)) {
    return ReplaceResult::Replaced;
  }
  SetFileAttributesA(temp, FILE_ATTRIBUTE_NORMAL);
  DeleteFileA(temp);
  return ReplaceResult::NotSwapped;
}

// False while another program holds the file open without allowing it to be
// deleted, which a swap needs. Asked first, because a swap that fails may
// leave a file of its own behind on some systems.
bool CanBeReplaced(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

}  // namespace

FileWriteResult WriteWholeFile(const std::string& path, const std::string& bytes) {
  // Opening the target first keeps the answer to "can this place be written"
  // the same as a plain open for writing would give (a folder, a read-only
  // file, a missing folder), without cutting the file short. A new file is
  // made here, so that there is always a target to replace.
  HANDLE probe = CreateFileA(path.c_str(), GENERIC_WRITE,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (probe == INVALID_HANDLE_VALUE) return FileWriteResult::CannotOpen;
  const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
  CloseHandle(probe);

  FileWriteResult result;
  switch (CanBeReplaced(path) ? WriteBesideAndReplace(path, bytes) : ReplaceResult::NotSwapped) {
    case ReplaceResult::Replaced:
      return FileWriteResult::Written;
    case ReplaceResult::WriteFailed:
      result = FileWriteResult::WriteFailed;
      break;
    case ReplaceResult::NotSwapped:
    default:
      // Another program may hold the file open in a way that allows writing
      // but not replacing: the save still succeeds wherever a plain write
      // would have.
      result = WriteInPlace(path, bytes);
      break;
  }
  // A file that was not there before and could not be written is not left behind.
  if (result != FileWriteResult::Written && !existed) DeleteFileA(path.c_str());
  return result;
}
