#include "lists/DateListIO.h"

#include <windows.h>

#include "base/ProgramNames.h"
#include "lists/DateListText.h"
#include "lists/ListKindInfo.h"
#include "lists/ListSource.h"

bool LoadDateList(DateListKind kind, ListOwner& owner, const std::string& location,
                  bool allowRemote, bool rememberLocation, bool quiet) {
  if (location.empty()) {
    if (!quiet) {
      owner.ShowListMessage("Please specify a filename before attempting to load a file",
                            kProgramTitle, MB_OK | MB_ICONINFORMATION);
    }
    return false;
  }
  const ListKindInfo& info = GetListKindInfo(kind);
  if (owner.GetNumberSetting(setting::kInternetAllowed) != 1) allowRemote = false;
  const std::string prefix = info.unreadablePrefix + location;
  const std::string cachePath = owner.GetTextSetting(info.cacheSetting);

  std::string text;
  if (!FetchListText(owner, location, allowRemote, cachePath, quiet, prefix, text)) return false;
  RemoveCarriageReturns(text);
  if (rememberLocation) owner.SetTextSetting(info.locationSetting, location);

  // Parsed before the list is touched: the old records go only once the new ones are there.
  DateRecordList records = ParseDateListText(text);
  DateRecordList& list = owner.GetList(kind);
  list.swap(records);
  SortByDate(list);
  return true;
}

bool SaveDateList(DateListKind kind, ListOwner& owner, const std::string& location,
                  bool reloadAllowRemote, bool quiet, bool reloadRemember) {
  const std::string text = FormatDateListText(owner.GetList(kind), kind);
  if (!StoreListText(owner, location, text, quiet)) return false;
  // Rebuilds the list from what was written and refreshes the cache.
  LoadDateList(kind, owner, location, reloadAllowRemote, reloadRemember, quiet);
  return true;
}
