// What the timing harnesses share: the program's settings with their
// defaults under a key of the harness's own (removed again when the host
// ends), theApp set up as the program sets it, and a millisecond clock.
#pragma once

#include <windows.h>

#include "app/CMainApp.h"
#include "app/CRegistrySettings.h"
#include "base/SettingsDefaults.h"

class BenchHost {
 public:
  BenchHost() {
    RegDeleteTreeA(HKEY_CURRENT_USER, kKey);
    m_settings.SetRoot(HKEY_CURRENT_USER, kKey);
    m_settings.AddNumberDefaults(kNumberDefaults, kNumberDefaultCount);
    m_settings.AddTextDefaults(kTextDefaults, kTextDefaultCount);
    theApp.m_pSettings = &m_settings;
    theApp.m_hInstance = GetModuleHandleA(nullptr);
    theApp.m_nCmdShow = SW_SHOWNORMAL;
  }
  ~BenchHost() {
    theApp.m_pMainWnd = nullptr;
    theApp.m_pSettings = nullptr;
    RegDeleteTreeA(HKEY_CURRENT_USER, kKey);
  }
  BenchHost(const BenchHost&) = delete;
  BenchHost& operator=(const BenchHost&) = delete;

  CRegistrySettings& Settings() { return m_settings; }

  // Milliseconds on the performance counter.
  static double NowMs() {
    static LARGE_INTEGER frequency{};
    if (frequency.QuadPart == 0) QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return 1000.0 * double(t.QuadPart) / double(frequency.QuadPart);
  }

 private:
  static constexpr const char* kKey = "Software\\QRV\\TempovistaBench\\";
  CRegistrySettings m_settings;
};
