#pragma once
#include <windows.h>

// The program declares itself DPI-aware, so Windows does not stretch its
// windows: pixel sizes chosen for 96 DPI are scaled here, and icons are
// taken at the size the system asks for.

// `px`, a size at 96 DPI, at the screen's DPI (144 DPI: half as large again).
int ScaleForDpi(int px);

enum class IconSize { Small, Large };  // SM_CXSMICON / SM_CXICON

// Icon resource `id` of `module`, drawn at the system's small or large icon
// size. Shared: the same handle for every call, never destroyed.
HICON LoadIconForDpi(HINSTANCE module, int id, IconSize size);
