#include "framework/FileVersionInfo.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

FileVersionInfo::FileVersionInfo(const std::string& fileName) {
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeA(fileName.c_str(), &handle);
  if (size == 0) return;
  m_data.assign(size, '\0');
  if (!GetFileVersionInfoA(fileName.c_str(), 0, size, m_data.data())) {
    m_data.clear();
    return;
  }
  WORD* translation = nullptr;
  UINT length = 0;
  if (VerQueryValueA(m_data.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length) &&
      translation != nullptr && length >= 2 * sizeof(WORD)) {
    char text[16];
    std::snprintf(text, sizeof text, "%04x%04x", translation[0], translation[1]);
    m_translation = text;
  }
}

std::string FileVersionInfo::Query(const std::string& name) const {
  if (m_data.empty()) return std::string();
  const std::string path = "\\StringFileInfo\\" + m_translation + "\\" + name;
  char* value = nullptr;
  UINT length = 0;
  // VerQueryValueA takes a non-const block but only reads it.
  if (!VerQueryValueA(const_cast<char*>(m_data.data()), path.c_str(), reinterpret_cast<void**>(&value), &length) ||
      value == nullptr) {
    return std::string();
  }
  return std::string(value, strnlen(value, length));
}
