#include <windows.h>
#include <oleauto.h>

#include <string>

#include "base/NarrowText_win.h"
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

namespace {

std::wstring ToWide(UINT codePage, const std::string& text) {
  if (text.empty()) return std::wstring();
  const int n = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()),
                                    nullptr, 0);
  if (n <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), &wide[0], n);
  return wide;
}

// Nothing is dropped: text that cannot be converted at all reads as "?"s.
std::string FromWide(UINT codePage, const std::wstring& wide) {
  std::string out;
  if (!NarrowText(wide.data(), wide.size(), out, codePage)) return std::string(wide.size(), '?');
  return out;
}

}  // namespace

std::string Utf8ToAnsi(const std::string& utf8) { return FromWide(CP_ACP, ToWide(CP_UTF8, utf8)); }

std::string AnsiToUtf8(const std::string& ansi) { return FromWide(CP_UTF8, ToWide(CP_ACP, ansi)); }

