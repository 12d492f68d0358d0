#pragma once
#include <string>

// A span in days as "%ldd %02ld:%02ld:%02ld": whole days toward zero, then
// hours, minutes and seconds rounded to the nearest second (half a second
// added away from zero). Two days, three hours, four minutes and five
// seconds read "2d 03:04:05"; negative parts keep their sign.
std::string FormatSpan(double days);

// A count of seconds as a span in days.
inline double SecondsToDays(long long seconds) { return static_cast<double>(seconds) * (1.0 / 86400.0); }
