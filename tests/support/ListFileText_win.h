#pragma once
// List files for tests that start the program: lines for local times from
// now, and files under the build folder.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace listfile {

// "name|yyyy/mm/dd hh:mm:ss" for the local time `seconds` from now, in
// whole seconds; `msToEnd` gets the milliseconds from now to that time.
inline std::string CounterLine(const char* name, LONGLONG seconds, LONGLONG* msToEnd = nullptr) {
  FILETIME utcNow, localNow;
  GetSystemTimeAsFileTime(&utcNow);
  FileTimeToLocalFileTime(&utcNow, &localNow);
  ULARGE_INTEGER ticks{{localNow.dwLowDateTime, localNow.dwHighDateTime}};
  const ULONGLONG exact = ticks.QuadPart + ULONGLONG(seconds * 10000000LL);
  ticks.QuadPart = exact - exact % 10000000ULL;
  if (msToEnd != nullptr) *msToEnd = seconds * 1000 - LONGLONG(exact - ticks.QuadPart) / 10000;
  const FILETIME time{ticks.LowPart, ticks.HighPart};
  SYSTEMTIME at;
  FileTimeToSystemTime(&time, &at);
  char line[160];
  std::snprintf(line, sizeof line, "%s|%04d/%02d/%02d %02d:%02d:%02d\r\n", name, at.wYear, at.wMonth, at.wDay,
                at.wHour, at.wMinute, at.wSecond);
  return line;
}

// "name|yyyy/mm/dd" for today.
inline std::string TodayLine(const char* name) {
  SYSTEMTIME today;
  GetLocalTime(&today);
  char line[160];
  std::snprintf(line, sizeof line, "%s|%04d/%02d/%02d\r\n", name, today.wYear, today.wMonth, today.wDay);
  return line;
}

// A list file of these lines under the build folder; answers its Windows path.
inline std::string WriteListFile(const char* fileName, const std::string& lines) {
  const char* binaryDir = std::getenv("TV_BINARY_DIR");
  std::string file = std::string("Z:") + (binaryDir != nullptr ? binaryDir : ".") + "/" + fileName;
  for (char& c : file)
    if (c == '/') c = '\\';
  std::ofstream(file, std::ios::binary) << "!Version: 1.0\r\n" << lines;
  return file;
}

}  // namespace listfile
