#pragma once
// The program's settings store with the program's defaults, under a key of
// the test's own: emptied when made and when gone, and the program's store
// (theApp.m_pSettings) meanwhile.
#include <windows.h>

#include <string>

#include "app/CMainApp.h"
#include "app/CRegistrySettings.h"
#include "base/SettingsDefaults.h"

class TestSettings : public CRegistrySettings {
 public:
  explicit TestSettings(const char* keyPath) : m_testKey(keyPath) {
    RegDeleteTreeA(HKEY_CURRENT_USER, keyPath);
    SetRoot(HKEY_CURRENT_USER, keyPath);
    AddNumberDefaults(kNumberDefaults, kNumberDefaultCount);
    AddTextDefaults(kTextDefaults, kTextDefaultCount);
    theApp.m_pSettings = this;
  }
  ~TestSettings() {
    if (theApp.m_pSettings == this) theApp.m_pSettings = nullptr;
    RegDeleteTreeA(HKEY_CURRENT_USER, m_testKey.c_str());
  }
  TestSettings(const TestSettings&) = delete;
  TestSettings& operator=(const TestSettings&) = delete;

 private:
  std::string m_testKey;
};
