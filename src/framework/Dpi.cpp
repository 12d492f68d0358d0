#include "framework/Dpi.h"

namespace {
// Calls of Windows 10: found at run time, absent on Windows 7 and 8.
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
using SetDialogControlDpiChangeBehaviorFn = BOOL(WINAPI*)(HWND, int, int);
constexpr int kDisableFontUpdate = 1;  // DCDC_DISABLE_FONT_UPDATE

template <typename Fn>
Fn User32Call(const char* name) {
  HMODULE user32 = GetModuleHandleA("user32.dll");
  return user32 != nullptr ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(user32, name))) : nullptr;
}

UINT SystemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

int IconMetric(IconSize size, bool height) {
  if (size == IconSize::Small) return height ? SM_CYSMICON : SM_CXSMICON;
  return height ? SM_CYICON : SM_CXICON;
}
}  // namespace

int ScaleForDpi(int px, UINT dpi, UINT from) {
  if (dpi == 0 || from == 0) return px;
  return MulDiv(px, static_cast<int>(dpi), static_cast<int>(from));
}

UINT WindowDpi(HWND hwnd) {
  static const auto getDpiForWindow = User32Call<GetDpiForWindowFn>("GetDpiForWindow");
  const UINT dpi = getDpiForWindow != nullptr && hwnd != nullptr ? getDpiForWindow(hwnd) : 0;
  return dpi != 0 ? dpi : SystemDpi();
}

int SystemMetricForDpi(int index, UINT dpi) {
  static const auto forDpi = User32Call<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
  if (forDpi != nullptr) return forDpi(index, dpi);
  return ScaleForDpi(GetSystemMetrics(index), dpi, SystemDpi());
}

void KeepOwnFontOnDpiChange(HWND control) {
  static const auto setBehavior = User32Call<SetDialogControlDpiChangeBehaviorFn>("SetDialogControlDpiChangeBehavior");
  if (setBehavior != nullptr && control != nullptr) setBehavior(control, kDisableFontUpdate, kDisableFontUpdate);
}

ScopedIcon LoadIconForDpi(HINSTANCE module, int id, IconSize size, UINT dpi) {
  const int cx = SystemMetricForDpi(IconMetric(size, false), dpi);
  const int cy = SystemMetricForDpi(IconMetric(size, true), dpi);
  return ScopedIcon(static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_ICON, cx, cy, 0)));
}

HICON LoadSharedIcon(HINSTANCE module, int id, IconSize size) {
  const int cx = GetSystemMetrics(IconMetric(size, false));
  const int cy = GetSystemMetrics(IconMetric(size, true));
  return static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_ICON, cx, cy, LR_SHARED));
}
