#include "framework/Clipboard.h"

#include <cstring>

#include "base/NarrowText_win.h"

namespace {

// A global block holding `bytes`, as the clipboard takes its data; nullptr
// when there is no memory for it.
HGLOBAL GlobalCopy(const void* bytes, size_t size) {
  HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, size);
  void* at = block != nullptr ? ::GlobalLock(block) : nullptr;
  if (at == nullptr) {
    if (block != nullptr) ::GlobalFree(block);
    return nullptr;
  }
  std::memcpy(at, bytes, size);
  ::GlobalUnlock(block);
  return block;
}

// Hands a block to the clipboard, which owns it from then on; frees it
// when the clipboard refuses it.
bool SetData(UINT format, HGLOBAL block) {
  if (block == nullptr) return false;
  if (::SetClipboardData(format, block) != nullptr) return true;
  ::GlobalFree(block);
  return false;
}

}  // namespace

bool CopyTextToClipboard(HWND owner, const std::string& text) {
  const std::wstring wide = WideText(text);
  if (!text.empty() && wide.empty()) return false;
  if (!::OpenClipboard(owner)) return false;
  const LCID locale = ::GetUserDefaultLCID();
  const bool copied = ::EmptyClipboard() &&
                      SetData(CF_UNICODETEXT, GlobalCopy(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t))) &&
                      SetData(CF_LOCALE, GlobalCopy(&locale, sizeof locale));
  ::CloseClipboard();
  return copied;
}
