#include "lists/DateListIO.h"

#include <windows.h>

#include <utility>

#include "base/ProgramNames.h"
#include "lists/DateListText.h"
#include "lists/ListFileEncoding.h"
#include "lists/ListKindInfo.h"
#include "lists/ListLocation.h"
#include "lists/ListSource.h"
#include "lists/ListTextFormat.h"
#include "lists/PlatformText.h"

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
  if (rememberLocation) owner.SetTextSetting(info.locationSetting, location);

  if (!IsRemoteLocation(location)) ForgetWebValidators(kind, owner);
  // Parsed before the list is touched: the old records go only once the new ones are there.
  ReplaceDateList(kind, owner, ParseListText(std::move(text), kind));
  return true;
}

DateRecordList ParseListText(std::string text, DateListKind kind) {
  DateRecordList records;
  const ListTextFormat* calendar = RegisteredListTextFormat();
  if (calendar != nullptr && calendar->isOfKind(text)) {
    records = calendar->parse(text, kind);  // UTF-8 by its own format
  } else {
    text = ListFileToText(text, LegacyCodePage(), ProgramCodePage());
    RemoveCarriageReturns(text);
    records = ParseDateListText(text, kind);
  }
  SortByDate(records);
  return records;
}

void ReplaceDateList(DateListKind kind, ListOwner& owner, DateRecordList records) {
  owner.GetList(kind).swap(records);
  owner.OnListChanged(kind);
}

void ForgetWebValidators(DateListKind kind, ListOwner& owner) {
  const ListKindInfo& info = GetListKindInfo(kind);
  for (const char* name :
       {info.webAddressSetting, info.webETagSetting, info.webLastModifiedSetting, info.webUpdatedSetting})
    if (!owner.GetTextSetting(name).empty()) owner.SetTextSetting(name, std::string());
}

bool SaveDateList(DateListKind kind, ListOwner& owner, const std::string& location,
                  bool reloadAllowRemote, bool quiet, bool reloadRemember) {
  // A calendar file stays one: the user's calendar program may read it.
  const ListTextFormat* calendar = RegisteredListTextFormat();
  std::string current;
  const bool existingCalendar =
      calendar != nullptr && ReadStoredListText(location, current) && calendar->isOfKind(current);
  if (existingCalendar && !calendar->madeByUs(current)) {
    // Another program's calendar may hold what a list cannot (times, notes,
    // alarms); only the user can say it may go.
    if (quiet) return false;
    const std::string question =
        location +
        " was made by another calendar program. Saving replaces it with this list, and what the "
        "list cannot hold is lost. Save anyway?";
    if (owner.ShowListMessage(question, kProgramTitle, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) !=
        IDYES)
      return false;
  }
  const DateRecordList& list = owner.GetList(kind);
  const std::string text = existingCalendar || (calendar != nullptr && calendar->namesFile(location))
                               ? calendar->format(list, kind)
                               : TextToListFile(FormatDateListText(list, kind), LegacyCodePage(),
                                                ProgramCodePage());
  if (!StoreListText(owner, location, text, quiet)) return false;
  // Rebuilds the list from what was written and refreshes the cache.
  LoadDateList(kind, owner, location, reloadAllowRemote, reloadRemember, quiet);
  return true;
}
