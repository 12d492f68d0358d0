#include "app/SettingsDefaults.h"

const NumberDefault kNumberDefaults[kNumberDefaultCount] = {
    {"WindowHide", 0},
    {"WindowMinimised", 0},
    {"Difference", 0x20004},  // 4 weeks
    {"LinkedDifference", 0},
    {"UpdatePeriod", 60},
    {"InternetAllowed", 0},
};

const TextDefault kTextDefaults[kTextDefaultCount] = {
    {"HolidayFile", ""},      {"EventFile", ""},      {"CounterFile", ""},
    {"HolidayCacheFile", ""}, {"EventCacheFile", ""}, {"CounterCacheFile", ""},
};
