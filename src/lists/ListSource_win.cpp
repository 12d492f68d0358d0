#include "lists/ListSource.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <vector>

#include "base/ProgramNames.h"
#include "lists/CInternetSession_win.h"
#include "lists/ListFileWriter.h"
#include "lists/ListLocation.h"
#include "lists/RefreshSchedule.h"

namespace {
const DWORD kReadBlock = 1023;

// Closes the file however the read ends, a throwing append included.
struct FileCloser {
  void operator()(FILE* file) const { std::fclose(file); }
};
using ScopedFile = std::unique_ptr<FILE, FileCloser>;

// The C runtime's text mode, as the program has always read local lists:
// CR LF reads as LF and a Ctrl-Z ends the text.
bool ReadLocalText(const std::string& path, std::string& text) {
  const ScopedFile file(std::fopen(path.c_str(), "rt"));
  if (!file) return false;
  char block[kReadBlock];
  size_t got;
  while ((got = std::fread(block, 1, sizeof block, file.get())) > 0) text.append(block, got);
  return std::ferror(file.get()) == 0;
}

bool ReadLocation(const std::string& location, bool allowRemote, DWORD timeoutMs, std::string& text) {
  try {
    const LocationKind kind = ClassifyLocation(location);
    switch (kind) {
      case LocationKind::Web:
      case LocationKind::Ftp: {
        if (!allowRemote) return false;
        CInternetSession session(kWebAgentName, timeoutMs);
        WebAnswer answer = session.Fetch(location, std::string(), std::string(), nullptr);
        if (answer.outcome != WebAnswer::Read) return false;
        text.swap(answer.text);
        return true;
      }
      case LocationKind::FileUrl:
        return ReadLocalText(LocalPathOfFileUrl(location), text);
      case LocationKind::Local:
      default:
        return ReadLocalText(location, text);
    }
  } catch (const std::exception&) {
    return false;  // out of memory on a huge source: unreadable like any other
  }
}

}  // namespace

bool FetchListText(ListOwner& owner, const std::string& location, bool allowRemote,
                   const std::string& cachePath, bool quiet, const std::string& messagePrefix,
                   std::string& text) {
  std::string read;
  const DWORD timeoutMs = static_cast<DWORD>(WebTimeoutSeconds(owner.GetNumberSetting(setting::kWebTimeout))) * 1000;
  if (ReadLocation(location, allowRemote, timeoutMs, read)) {
    // The cache must hold what was read, or the read is not used at all.
    if (cachePath.empty() || WriteWholeFile(cachePath, read) != FileWriteResult::Written)
      return false;
    text.swap(read);
    return true;
  }
  std::string cached;
  if (cachePath.empty() || !ReadLocalFileBytes(cachePath, cached)) return false;
  text.swap(cached);
  if (!quiet) {
    owner.ShowListMessage(messagePrefix + "\r\n\r\nUsing local cache of previous settings", kProgramTitle,
                     MB_OK | MB_ICONINFORMATION);
  }
  return true;
}

bool ReadStoredListText(const std::string& location, std::string& text) {
  switch (ClassifyLocation(location)) {
    case LocationKind::Web:
    case LocationKind::Ftp:
      return false;
    case LocationKind::FileUrl:
      return ReadLocalFileBytes(LocalPathOfFileUrl(location), text);
    case LocationKind::Local:
    default:
      return ReadLocalFileBytes(location, text);
  }
}

bool StoreListText(ListOwner& owner, const std::string& location, const std::string& text,
                   bool quiet) {
  const char* refusal = nullptr;
  const LocationKind kind = ClassifyLocation(location);
  switch (kind) {
    case LocationKind::Web:
      refusal =
          "Unable to save content to HTTP/S locations.  \n"
          "Save to a local filename and update your HTTP server manually if allowed.";
      break;
    case LocationKind::Ftp:
      refusal =
          "Unable to save content to FTP locations.  \n"
          "Save to a local filename and update your FTP server manually if allowed.";
      break;
    default:
      // A "file:" address is saved where loading it reads from.
      switch (WriteWholeFile(kind == LocationKind::FileUrl ? LocalPathOfFileUrl(location) : location,
                             text)) {
        case FileWriteResult::Written:
          return true;
        case FileWriteResult::CannotOpen:
          refusal =
              "Unable to save content to the location specified.  \n"
              "Check your location and try again.";
          break;
        case FileWriteResult::WriteFailed:
        default:
          if (!quiet) {
            owner.ShowListMessage("A generic error occurred while saving to file \n" + location +
                                 "\n\nPlease specify another location before trying again.",
                             kProgramTitle, MB_OK | MB_ICONSTOP);
          }
          return false;
      }
      break;
  }
  if (!quiet) owner.ShowListMessage(refusal, kProgramTitle, MB_OK | MB_ICONSTOP);
  return false;
}

bool ReadLocalFileBytes(const std::string& path, std::string& text) {
  const ScopedFile file(std::fopen(path.c_str(), "rb"));
  if (!file) return false;
  std::string bytes;
  try {
    char block[4096];
    size_t got;
    while ((got = std::fread(block, 1, sizeof block, file.get())) > 0) bytes.append(block, got);
    if (std::ferror(file.get()) != 0) return false;
  } catch (const std::exception&) {
    return false;
  }
  text.assign(bytes.c_str());
  return true;
}
