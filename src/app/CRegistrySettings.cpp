#include "app/CRegistrySettings.h"

#include <cstring>
#include <new>

void CRegistrySettings::SetRoot(HKEY root, const char* keyPath) {
  m_root = root;
  m_keyPath = keyPath ? keyPath : "";
}

bool CRegistrySettings::AddNumberDefaults(const NumberDefault* table, int count) {
  for (int i = 0; i < count; ++i) m_numberDefaults.push_back(&table[i]);
  return true;
}

bool CRegistrySettings::AddTextDefaults(const TextDefault* table, int count) {
  for (int i = 0; i < count; ++i) m_textDefaults.push_back(&table[i]);
  return true;
}

// Every operation opens the key afresh and closes it again, so that no handle
// outlives a call. The first failure takes the store offline for good: a
// registry that refused once is not asked again during this run.
bool CRegistrySettings::OpenKey(HKEY& key) {
  key = nullptr;
  if (RegCreateKeyA(m_root, m_keyPath.c_str(), &key) != ERROR_SUCCESS) {
    m_bOffline = true;
    return false;
  }
  return true;
}

// The registry matches value names without regard to case; the defaults are
// matched exactly, byte for byte.
LONG CRegistrySettings::DefaultNumber(const char* name) const {
  for (const NumberDefault* entry : m_numberDefaults)
    if (std::strcmp(entry->name, name) == 0) return entry->value;
  return 0;
}

std::string CRegistrySettings::DefaultText(const char* name) const {
  for (const TextDefault* entry : m_textDefaults)
    if (std::strcmp(entry->name, name) == 0) return entry->value;
  return std::string();
}

LONG CRegistrySettings::GetNumber(const char* name) {
  HKEY key;
  if (m_bOffline || !OpenKey(key)) return DefaultNumber(name);
  // Any value of exactly four bytes is a number, whatever its registry type.
  DWORD size = 0;
  unsigned char data[4];
  bool found = RegQueryValueExA(key, name, nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS &&
               size == sizeof data &&
               RegQueryValueExA(key, name, nullptr, nullptr, data, &size) == ERROR_SUCCESS &&
               size == sizeof data;
  RegCloseKey(key);
  if (!found) return DefaultNumber(name);
  DWORD bits = DWORD(data[0]) | DWORD(data[1]) << 8 | DWORD(data[2]) << 16 | DWORD(data[3]) << 24;
  return static_cast<LONG>(bits);
}

std::string CRegistrySettings::GetText(const char* name) {
  HKEY key;
  if (m_bOffline || !OpenKey(key)) return DefaultText(name);
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      type != REG_SZ) {
    RegCloseKey(key);
    return DefaultText(name);
  }
  std::string text;
  try {
    // Two spare bytes: the stored data need not end with a zero, so we add
    // our own right after what the read reports.
    std::vector<char> buffer(size_t(size) + 2, '\0');
    DWORD got = size;
    LONG rc = RegQueryValueExA(key, name, nullptr, &type,
                               reinterpret_cast<BYTE*>(buffer.data()), &got);
    RegCloseKey(key);
    key = nullptr;
    if (rc != ERROR_SUCCESS || type != REG_SZ || got > size) return DefaultText(name);
    buffer[got] = '\0';
    text = buffer.data();
  } catch (const std::bad_alloc&) {
    if (key) RegCloseKey(key);
    m_bOffline = true;
    return DefaultText(name);
  }
  return text;
}

bool CRegistrySettings::SetNumber(const char* name, LONG value) {
  HKEY key;
  if (m_bOffline || !OpenKey(key)) return false;
  DWORD bits = static_cast<DWORD>(value);
  const BYTE data[4] = {BYTE(bits), BYTE(bits >> 8), BYTE(bits >> 16), BYTE(bits >> 24)};
  LONG rc = RegSetValueExA(key, name, 0, REG_DWORD, data, sizeof data);
  RegCloseKey(key);
  return rc == ERROR_SUCCESS;
}

// Written without a terminating zero; GetText adds its own, so the text reads
// back unchanged.
bool CRegistrySettings::SetText(const char* name, const std::string& text) {
  HKEY key;
  if (m_bOffline || !OpenKey(key)) return false;
  LONG rc = RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.data()),
                           static_cast<DWORD>(text.size()));
  RegCloseKey(key);
  return rc == ERROR_SUCCESS;
}
