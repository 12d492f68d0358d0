#pragma once
// List files for tests that start the program, in the test's lane.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "support/TestPaths.h"

namespace listfile {

// "name|date time" for the local time `seconds` from now in whole seconds,
// or "name|date" for today (`withTime` false); `endMs` gets that time's
// instant in milliseconds since 1970.
inline std::string CounterLine(const char* name, LONGLONG seconds, LONGLONG* endMs = nullptr, bool withTime = true) {
  FILETIME utc, local;
  GetSystemTimeAsFileTime(&utc);
  FileTimeToLocalFileTime(&utc, &local);
  const ULONGLONG exact = (ULONGLONG(local.dwHighDateTime) << 32 | local.dwLowDateTime) + seconds * 10000000LL;
  const ULONGLONG whole = exact - exact % 10000000ULL;
  const ULONGLONG utcSeconds = (ULONGLONG(utc.dwHighDateTime) << 32 | utc.dwLowDateTime) / 10000000ULL;
  if (endMs != nullptr) *endMs = (LONGLONG(utcSeconds) + seconds - 11644473600LL) * 1000;
  const FILETIME time{DWORD(whole), DWORD(whole >> 32)};
  SYSTEMTIME at;
  FileTimeToSystemTime(&time, &at);
  char line[160];
  std::snprintf(line, sizeof line, withTime ? "%s|%04d/%02d/%02d %02d:%02d:%02d\r\n" : "%s|%04d/%02d/%02d\r\n", name,
                at.wYear, at.wMonth, at.wDay, at.wHour, at.wMinute, at.wSecond);
  return line;
}
inline std::string TodayLine(const char* name) { return CounterLine(name, 0, nullptr, false); }

// A list file of these lines; answers its Windows path.
inline std::string WriteListFile(const char* fileName, const std::string& lines) {
  const std::string file = LaneFolder() + "\\" + fileName;
  std::ofstream(file, std::ios::binary) << "!Version: 1.0\r\n" << lines;
  return file;
}

}  // namespace listfile
