#include "lists/ListKindInfo.h"

#include "base/ProgramNames.h"

namespace {
const ListKindInfo kKinds[] = {
    {DateListKind::Holidays, "Unable to read the holidays file\n\n", setting::kHolidayFile,
     setting::kHolidayCacheFile, ".tvh", "Tempovista Holidays(*.tvh)|*.tvh|iCalendar (*.ics)|*.ics|All Files (*.*)|*.*||",
     "Holidays have been changed.\nDo you want to save them to file ?", setting::kHolidayWebAddress,
     setting::kHolidayWebETag, setting::kHolidayWebLastModified, setting::kHolidayWebUpdated},
    {DateListKind::Events, "Unable to read the events file\n\n", setting::kEventFile, setting::kEventCacheFile,
     ".tve", "Tempovista Events(*.tve)|*.tve|iCalendar (*.ics)|*.ics|All Files (*.*)|*.*||",
     "Events have been changed.\nDo you want to save them to file ?", setting::kEventWebAddress,
     setting::kEventWebETag, setting::kEventWebLastModified, setting::kEventWebUpdated},
    {DateListKind::Counters, "Unable to read the Countdown counters file\n\n", setting::kCounterFile,
     setting::kCounterCacheFile, ".tvc",
     "Tempovista Counters(*.tvc)|*.tvc|iCalendar (*.ics)|*.ics|All Files (*.*)|*.*||",
     "Countdown counters have been changed.\nDo you want to save them to file ?",
     setting::kCounterWebAddress, setting::kCounterWebETag, setting::kCounterWebLastModified,
     setting::kCounterWebUpdated},
};
}  // namespace

const ListKindInfo& GetListKindInfo(DateListKind kind) {
  for (const ListKindInfo& info : kKinds)
    if (info.kind == kind) return info;
  return kKinds[0];
}
