#include <windows.h>
#include <oleauto.h>

#include <string>

#include "base/NarrowText_win.h"
#include "lists/PlatformText.h"

COleDateTime ParsePlatformDate(const std::string& text) {
  std::wstring buffer = WideText(text);
  if (buffer.empty() && !text.empty()) return COleDateTime(-1.0, COleDateTime::invalid);
  DATE value = 0.0;
  const HRESULT hr = VarDateFromStr(&buffer[0], LOCALE_USER_DEFAULT, 0, &value);
  if (SUCCEEDED(hr)) return COleDateTime(value);
  // DISP_E_TYPEMISMATCH: the text is no date at all; anything else (for
  // example DISP_E_OVERFLOW, a date out of range) is some other failure.
  return COleDateTime(hr == DISP_E_TYPEMISMATCH ? 0.0 : -1.0, COleDateTime::invalid);
}

unsigned LegacyCodePage() {
  DWORD page = 0;
  // "0" for a system language that has no legacy code page: earlier versions
  // then ran in whatever the process was given, as this one does.
  if (GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                     reinterpret_cast<LPWSTR>(&page), sizeof(page) / sizeof(WCHAR)) == 0 ||
      page == 0 || !IsValidCodePage(page))
    return GetACP();
  return page;
}

std::string ConvertCodePage(const std::string& text, unsigned from, unsigned to, bool* lost) {
  if (lost != nullptr) *lost = false;
  if ((from == to && to != kUtf8CodePage) || text.empty()) return text;
  const std::wstring wide = WideText(text, from);
  std::string out;
  if (wide.empty() || !NarrowText(wide.data(), wide.size(), out, to, lost)) {
    // Nothing is dropped: text that cannot be converted at all reads as "?"s.
    if (lost != nullptr) *lost = true;
    return std::string(wide.empty() ? text.size() : wide.size(), '?');
  }
  return out;
}
