#include "lists/DateListIO.h"

#include <windows.h>

#include "base/ProgramNames.h"
#include "ical/ContentLineReader.h"
#include "ical/ICalendarText.h"
#include "lists/DateListText.h"
#include "lists/ListKindInfo.h"
#include "lists/ListSource.h"

namespace {

bool NamesCalendarFile(const std::string& location) {
  const size_t n = location.size();
  return n >= 4 && EqualsNoCase(std::string_view(location).substr(n - 4), ".ICS");
}
}  // namespace

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

  // Parsed before the list is touched: the old records go only once the new ones are there.
  DateRecordList records;
  if (IsICalendarText(text)) {
    records = ParseICalendarText(text, kind);
  } else {
    RemoveCarriageReturns(text);
    records = ParseDateListText(text);
  }
  DateRecordList& list = owner.GetList(kind);
  list.swap(records);
  SortByDate(list);
  owner.OnListChanged(kind);
  return true;
}

bool SaveDateList(DateListKind kind, ListOwner& owner, const std::string& location,
                  bool reloadAllowRemote, bool quiet, bool reloadRemember) {
  // A calendar file stays one: the user's calendar program may read it.
  std::string current;
  const bool existing = ReadStoredListText(location, current);
  const bool existingCalendar = existing && IsICalendarText(current);
  if (existingCalendar && !ICalendarMadeByUs(current)) {
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
  const std::string text = existingCalendar || NamesCalendarFile(location)
                               ? FormatICalendarText(list, kind)
                               : FormatDateListText(list, kind);
  if (!StoreListText(owner, location, text, quiet)) return false;
  // Rebuilds the list from what was written and refreshes the cache.
  LoadDateList(kind, owner, location, reloadAllowRemote, reloadRemember, quiet);
  return true;
}
