#include <windows.h>
#include <oleauto.h>

#include <string>

#include "base/CodePageText.h"
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

const LeadByteTable& AnsiLeadBytes() {
  static const LeadByteTable table = [] {
    LeadByteTable t;
    const CodePageText codePage;
    for (int c = 0x80; c < 0x100; ++c) {
      if (codePage.IsLeadByte(static_cast<unsigned char>(c))) t.lead[c] = t.any = true;
    }
    return t;
  }();
  return table;
}

namespace {

// Nothing is dropped: text that cannot be converted at all reads as "?"s.
std::string FromWide(UINT codePage, const std::wstring& wide) {
  std::string out;
  if (!NarrowText(wide.data(), wide.size(), out, codePage)) return std::string(wide.size(), '?');
  return out;
}

}  // namespace

// Between UTF-8 and UTF-8 the conversion would make broken bytes U+FFFD.
std::string Utf8ToAnsi(const std::string& utf8) {
  if (ProgramCodePage() == kUtf8CodePage) return CodePageText(kUtf8CodePage).Repaired(utf8);
  return FromWide(CP_ACP, WideText(utf8, CP_UTF8));
}

std::string AnsiToUtf8(const std::string& ansi) {
  if (ProgramCodePage() == kUtf8CodePage) return CodePageText(kUtf8CodePage).Repaired(ansi);
  return FromWide(CP_UTF8, WideText(ansi, CP_ACP));
}

