#include "base/NarrowText_win.h"

#include <climits>

#include "base/CodePageText.h"

bool NarrowText(const wchar_t* text, size_t length, std::string& out, UINT codePage, bool* lost) {
  out.clear();
  if (lost != nullptr) *lost = false;
  if (length == 0) return true;
  if (length > INT_MAX) return false;
  const int wide = static_cast<int>(length);
  // UTF-8 (also as the ANSI code page) takes neither flags nor a default
  // character, and holds every character.
  const bool utf8 = codePage == CP_UTF8 || (codePage == CP_ACP && GetACP() == CP_UTF8);
  const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
  const char* fallback = utf8 ? nullptr : "?";
  const int bytes = WideCharToMultiByte(codePage, flags, text, wide, nullptr, 0, fallback, nullptr);
  if (bytes <= 0) return false;
  out.assign(static_cast<size_t>(bytes), '\0');
  BOOL usedFallback = FALSE;
  if (WideCharToMultiByte(codePage, flags, text, wide, &out[0], bytes, fallback,
                          utf8 ? nullptr : &usedFallback) != bytes) {
    out.clear();
    return false;
  }
  if (lost != nullptr) *lost = usedFallback != FALSE;
  return true;
}

std::wstring WideText(const std::string& text, UINT codePage) {
  if (text.empty() || text.size() > INT_MAX) return std::wstring();
  const int bytes = static_cast<int>(text.size());
  const int n = MultiByteToWideChar(codePage, 0, text.data(), bytes, nullptr, 0);
  if (n <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(n), L'\0');
  if (MultiByteToWideChar(codePage, 0, text.data(), bytes, &wide[0], n) != n) return std::wstring();
  return wide;
}

void CopyTextField(wchar_t* field, size_t size, const std::string& text) {
  if (size == 0) return;
  const std::wstring wide = WideText(text.substr(0, CodePageText().FitWide(text, size - 1)));
  // The cut counted as the conversion does; a shorter field is never overrun.
  const size_t length = wide.size() < size ? wide.size() : size - 1;
  wide.copy(field, length);
  field[length] = L'\0';
}

void CopyTextField(char* field, size_t size, const std::string& text) {
  if (size == 0) return;
  const size_t length = CodePageText().FitBytes(text, size - 1);
  text.copy(field, length);
  field[length] = '\0';
}
