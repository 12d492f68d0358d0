#include "lists/ListKindInfo.h"

namespace {
const ListKindInfo kKinds[] = {
    {DateListKind::Holidays, "Unable to read the holidays file\n\n", "HolidayFile",
     "HolidayCacheFile", ".tvh"},
    {DateListKind::Events, "Unable to read the events file\n\n", "EventFile", "EventCacheFile",
     ".tve"},
    {DateListKind::Counters, "Unable to read the Countdown counters file\n\n", "CounterFile",
     "CounterCacheFile", ".tvc"},
};
}  // namespace

const ListKindInfo& GetListKindInfo(DateListKind kind) {
  for (const ListKindInfo& info : kKinds)
    if (info.kind == kind) return info;
  return kKinds[0];
}
