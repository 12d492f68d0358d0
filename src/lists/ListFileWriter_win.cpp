#include "lists/ListFileWriter.h"

#include <windows.h>

namespace {

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

// Writes and closes; false when any byte or the close failed.
bool WriteAndClose(HANDLE file, const std::string& bytes) {
  bool ok = WriteAll(file, bytes) && FlushFileBuffers(file);
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

FileWriteResult WriteInPlace(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return FileWriteResult::CannotOpen;
  return WriteAndClose(file, bytes) ? FileWriteResult::Written : FileWriteResult::WriteFailed;
}

// Written to a temporary file, then moved over the target. NotMade when no
// temporary file could be made in the folder.
enum class ReplaceResult { Replaced, Failed, NotMade };

ReplaceResult WriteBesideAndReplace(const std::string& path, const std::string& bytes) {
  std::string folder;
  char temp[MAX_PATH];
  if (!FolderOf(path, folder) || GetTempFileNameA(folder.c_str(), "tv", 0, temp) == 0)
    return ReplaceResult::NotMade;
  HANDLE file = CreateFileA(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    DeleteFileA(temp);
    return ReplaceResult::NotMade;
  }
  if (WriteAndClose(file, bytes) &&
      MoveFileExA(temp, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return ReplaceResult::Replaced;
  }
  DeleteFileA(temp);
  return ReplaceResult::Failed;
}

}  // namespace

FileWriteResult WriteWholeFile(const std::string& path, const std::string& bytes) {
  // Opening the target first keeps the answer to "can this place be written"
  // the same as a plain open for writing would give (a folder, a read-only
  // file, a missing folder), without cutting the file short.
  HANDLE probe = CreateFileA(path.c_str(), GENERIC_WRITE,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (probe == INVALID_HANDLE_VALUE) return FileWriteResult::CannotOpen;
  const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
  CloseHandle(probe);

  FileWriteResult result;
  switch (WriteBesideAndReplace(path, bytes)) {
    case ReplaceResult::Replaced:
      return FileWriteResult::Written;
    case ReplaceResult::Failed:
      result = FileWriteResult::WriteFailed;
      break;
    case ReplaceResult::NotMade:
    default:
      result = WriteInPlace(path, bytes);
      break;
  }
  // A file that was not there before and could not be written is not left behind.
  if (result != FileWriteResult::Written && !existed) DeleteFileA(path.c_str());
  return result;
}
