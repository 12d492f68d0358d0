#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "base/SettingsDefaults.h"

// The program's settings: named values under one registry key. No copy is
// kept in memory: every read goes to the registry and every write reaches it
// at once. The first failure to open the key takes the store offline for the
// rest of the run; from then on reads answer defaults and writes are dropped.
class CRegistrySettings {
 public:
  void SetRoot(HKEY root, const char* keyPath);
  bool AddNumberDefaults(const NumberDefault* table, int count);
  bool AddTextDefaults(const TextDefault* table, int count);

  LONG GetNumber(const char* name);
  std::string GetText(const char* name);
  bool SetNumber(const char* name, LONG value);
  bool SetText(const char* name, const std::string& text);

  bool IsOffline() const { return m_bOffline; }

 private:
  bool OpenKey(HKEY& key);
  LONG DefaultNumber(const char* name) const;
  std::string DefaultText(const char* name) const;

  bool m_bOffline = false;
  std::string m_keyPath;
  HKEY m_root = nullptr;
  std::vector<const TextDefault*> m_textDefaults;
  std::vector<const NumberDefault*> m_numberDefaults;
};
