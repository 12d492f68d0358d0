// Timing harness under Wine (not a test): loads a local holidays file of
// 100,000 lines into the sorted list, the way the Holidays page's Load File
// does, and prints the time of each run. The settings go to a key of the
// harness's own; the file and cache to the folder given (default: the
// current folder).
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/CMainApp.h"
#include "app/CMainDlg.h"
#include "app/CRegistrySettings.h"
#include "app/SettingsDefaults.h"
#include "lists/DateListIO.h"

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : ".";
  const std::string file = folder + "\\bench-holidays.tvh";
  const char key[] = "Software\\QRV\\TempovistaBench\\";
  const int lines = 100000;
  const int runs = 5;

  // Dates spread over 270 years, out of order, in the form the writer uses.
  std::string text = "!Version: 1.0\r\n";
  char line[64];
  for (int i = 0; i < lines; ++i) {
    const int n = (i * 7919) % lines;
    std::snprintf(line, sizeof line, "Holiday %d|%04d/%02d/%02d\r\n", i, 1800 + n % 270,
                  1 + n % 12, 1 + n % 28);
    text += line;
  }
  FILE* out = std::fopen(file.c_str(), "wb");
  if (!out) return 1;
  std::fwrite(text.data(), 1, text.size(), out);
  std::fclose(out);

  CRegistrySettings settings;
  RegDeleteTreeA(HKEY_CURRENT_USER, key);
  settings.SetRoot(HKEY_CURRENT_USER, key);
  settings.AddNumberDefaults(kNumberDefaults, kNumberDefaultCount);
  settings.AddTextDefaults(kTextDefaults, kTextDefaultCount);
  settings.SetText("HolidayCacheFile", folder + "\\bench-cache.tvh");
  theApp.m_pSettings = &settings;
  CMainDlg owner;

  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  std::printf("LoadDateList, %d lines (%u bytes), local file:\n", lines, unsigned(text.size()));
  for (int run = 0; run < runs; ++run) {
    QueryPerformanceCounter(&start);
    const bool ok = LoadDateList(DateListKind::Holidays, owner, file, false, false, true);
    QueryPerformanceCounter(&end);
    const double ms = 1000.0 * double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
    std::printf("  run %d: %s, %u records, %.1f ms\n", run + 1, ok ? "loaded" : "FAILED",
                unsigned(owner.m_holidays.size()), ms);
  }
  theApp.m_pSettings = nullptr;
  RegDeleteTreeA(HKEY_CURRENT_USER, key);
  DeleteFileA(file.c_str());
  DeleteFileA((folder + "\\bench-cache.tvh").c_str());
  return 0;
}
