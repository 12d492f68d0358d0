#include "base/NarrowText_win.h"

#include <climits>

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
