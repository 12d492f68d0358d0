#include "app/DefaultCachePaths.h"

#include <shlobj.h>

#include <cwchar>
#include <string>

#include "app/CRegistrySettings.h"
#include "base/NarrowText_win.h"
#include "lists/ListKindInfo.h"

namespace {
const char kFallbackFolder[] = "C:\\QRV\\Tempovista";

// No file name holds "?"; only the "\\?\" prefix of a long path does.
bool HoldsLostCharacter(const std::string& path) {
  const size_t from = path.compare(0, 4, "\\\\?\\") == 0 ? 4 : 0;
  return path.find('?', from) != std::string::npos;
}

// The documents folder in the program's code page; where that cannot hold
// its name (an older system), the folder's short name, which is ASCII where
// the volume keeps short names.
std::string DocumentsFolder() {
  wchar_t wide[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, wide)))
    return kFallbackFolder;
  std::string folder;
  bool lost = false;
  if (NarrowText(wide, std::wcslen(wide), folder, CP_ACP, &lost) && !lost) return folder;
  wchar_t shortName[MAX_PATH] = {};
  const DWORD length = GetShortPathNameW(wide, shortName, MAX_PATH);
  if (length > 0 && length < MAX_PATH && NarrowText(shortName, length, folder, CP_ACP, &lost) && !lost)
    return folder;
  return kFallbackFolder;
}
}  // namespace

void FillDefaultCachePaths(CRegistrySettings& settings) {
  std::string folder;
  for (DateListKind kind : kListKinds) {
    const ListKindInfo& info = GetListKindInfo(kind);
    const std::string stored = settings.GetText(info.cacheSetting);
    if (!stored.empty() && !HoldsLostCharacter(stored)) continue;
    if (folder.empty()) folder = DocumentsFolder();
    settings.SetText(info.cacheSetting, folder + "\\TVcache" + info.extension);
  }
}
