// Timing harness under Wine (not a test): loads a local holidays file of
// 100,000 lines into the sorted list, the way the Holidays page's Load File
// does, and prints the time of each run. The settings go to a key of the
// harness's own; the file and cache to the folder given (default: the
// current folder).
#include <windows.h>

#include <cstdio>
#include <string>

#include "BenchHost_win.h"
#include "app/CMainDlg.h"
#include "lists/DateListIO.h"

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : ".";
  const std::string file = folder + "\\bench-holidays.tvh";
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

  BenchHost host;
  host.Settings().SetText("HolidayCacheFile", folder + "\\bench-cache.tvh");
  CMainDlg owner;
  std::printf("LoadDateList, %d lines (%u bytes), local file:\n", lines, unsigned(text.size()));
  for (int run = 0; run < runs; ++run) {
    const double start = BenchHost::NowMs();
    const bool ok = LoadDateList(DateListKind::Holidays, owner, file, false, false, true);
    const double ms = BenchHost::NowMs() - start;
    std::printf("  run %d: %s, %u records, %.1f ms\n", run + 1, ok ? "loaded" : "FAILED",
                unsigned(owner.m_holidays.size()), ms);
  }
  DeleteFileA(file.c_str());
  DeleteFileA((folder + "\\bench-cache.tvh").c_str());
  return 0;
}
