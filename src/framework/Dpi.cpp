#include "framework/Dpi.h"

int ScaleForDpi(int px) {
  HDC screen = GetDC(nullptr);
  const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return dpi > 0 ? MulDiv(px, dpi, USER_DEFAULT_SCREEN_DPI) : px;
}

HICON LoadIconForDpi(HINSTANCE module, int id, IconSize size) {
  const bool isSmall = size == IconSize::Small;
  const int cx = GetSystemMetrics(isSmall ? SM_CXSMICON : SM_CXICON);
  const int cy = GetSystemMetrics(isSmall ? SM_CYSMICON : SM_CYICON);
  return static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_ICON, cx, cy, LR_SHARED));
}
