#pragma once
#include <windows.h>

#include "framework/ScopedHandles.h"

// The program is per-monitor DPI aware where Windows can be (10, version
// 1703 on), system aware before: pixel sizes it chooses itself are given at
// 96 DPI and scaled to the DPI of the window they are for. Each window keeps
// its DPI: taken once when it is made, then from WM_DPICHANGED. The calls of
// newer systems are looked up at run time, so the program still starts on
// Windows 7 and 8, where a window's DPI is the system's.

// `px`, a size at `from` DPI (96 unless said), at `dpi`: at 144 DPI half as
// large again.
int ScaleForDpi(int px, UINT dpi, UINT from = USER_DEFAULT_SCREEN_DPI);

// The DPI of a window as it is made: its monitor's, or the system's where
// the system has no per-window DPI.
UINT WindowDpi(HWND hwnd);

// A system metric (SM_CXICON...) at `dpi`.
int SystemMetricForDpi(int index, UINT dpi);

// Keeps the dialog manager from replacing the font of `control` when the DPI
// changes: for controls whose font the program makes and scales itself.
void KeepOwnFontOnDpiChange(HWND control);

enum class IconSize { Small, Large };  // SM_CXSMICON / SM_CXICON

// Icon resource `id` of `module` at the small or large icon size of `dpi`.
ScopedIcon LoadIconForDpi(HINSTANCE module, int id, IconSize size, UINT dpi);

// The same at the system's own icon size, shared: the same handle for every
// call, never destroyed. For the tray, which follows the system's metrics
// rather than any window.
HICON LoadSharedIcon(HINSTANCE module, int id, IconSize size);
