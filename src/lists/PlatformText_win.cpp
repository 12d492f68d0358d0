#include <windows.h>
#include <oleauto.h>

#include <string>

#include "lists/PlatformText.h"

COleDateTime ParsePlatformDate(const std::string& text) {
  const int wide = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (wide <= 0) return COleDateTime(-1.0, COleDateTime::invalid);
  std::wstring buffer(static_cast<size_t>(wide), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &buffer[0], wide);
  DATE value = 0.0;
  const HRESULT hr = VarDateFromStr(&buffer[0], LOCALE_USER_DEFAULT, 0, &value);
  if (SUCCEEDED(hr)) return COleDateTime(value);
  // DISP_E_TYPEMISMATCH: the text is no date at all; anything else (for
  // example DISP_E_OVERFLOW, a date out of range) is some other failure.
  return COleDateTime(hr == DISP_E_TYPEMISMATCH ? 0.0 : -1.0, COleDateTime::invalid);
}

const LeadByteTable& AnsiLeadBytes() {
  static const LeadByteTable table = [] {
    LeadByteTable t;
    for (int c = 0x80; c < 0x100; ++c) {
      if (IsDBCSLeadByte(static_cast<BYTE>(c))) t.lead[c] = t.any = true;
    }
    return t;
  }();
  return table;
}
