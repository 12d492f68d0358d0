#include "lists/DateListIO.h"

#include "app/CMainApp.h"
#include "app/CMainDlg.h"
#include "app/CRegistrySettings.h"
#include "lists/DateListText.h"
#include "lists/ListKindInfo.h"
#include "lists/ListSource.h"

bool LoadDateList(DateListKind kind, CMainDlg& owner, const std::string& location,
                  bool allowRemote, bool rememberLocation, bool quiet) {
  if (location.empty()) {
    if (!quiet) {
      owner.MessageBox("Please specify a filename before attempting to load a file", "Tempovista",
                       MB_OK | MB_ICONINFORMATION);
    }
    return false;
  }
  CRegistrySettings& settings = *theApp.m_pSettings;
  const ListKindInfo& info = GetListKindInfo(kind);
  if (settings.GetNumber("InternetAllowed") != 1) allowRemote = false;
  const std::string prefix = info.unreadablePrefix + location;
  const std::string cachePath = settings.GetText(info.cacheSetting);

  std::string text;
  if (!FetchListText(owner, location, allowRemote, cachePath, quiet, prefix, text)) return false;
  RemoveCarriageReturns(text);
  if (rememberLocation) settings.SetText(info.locationSetting, location);

  // Parsed before the list is touched: the old records go only once the new ones are there.
  DateRecordList records = ParseDateListText(text);
  DateRecordList& list = owner.GetList(kind);
  list.swap(records);
  SortByDate(list);
  return true;
}

bool SaveDateList(DateListKind kind, CMainDlg& owner, const std::string& location,
                  bool reloadAllowRemote, bool quiet, bool reloadRemember) {
  const std::string text = FormatDateListText(owner.GetList(kind), kind);
  if (!StoreListText(owner, location, text, quiet)) return false;
  // Rebuilds the list from what was written and refreshes the cache.
  LoadDateList(kind, owner, location, reloadAllowRemote, reloadRemember, quiet);
  return true;
}
