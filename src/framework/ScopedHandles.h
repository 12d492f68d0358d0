#pragma once
#include <windows.h>

#include <memory>
#include <type_traits>

// Owners of the Win32 handles the program makes: each frees its handle when
// it goes or gets another one, and can be moved but not copied. get() lends
// the handle; release() gives it up.
struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const { ::DeleteObject(object); }
};
struct MenuDestroyer {
  void operator()(HMENU menu) const { ::DestroyMenu(menu); }
};
struct CursorDestroyer {
  void operator()(HCURSOR cursor) const { ::DestroyCursor(cursor); }
};
struct IconDestroyer {
  void operator()(HICON icon) const { ::DestroyIcon(icon); }
};

using ScopedFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using ScopedPen = std::unique_ptr<std::remove_pointer_t<HPEN>, GdiObjectDeleter>;
using ScopedMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDestroyer>;
using ScopedCursor = std::unique_ptr<std::remove_pointer_t<HCURSOR>, CursorDestroyer>;
using ScopedIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDestroyer>;
