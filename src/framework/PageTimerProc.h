#pragma once
#include <windows.h>

// The timer procedure of a page of which the process has one instance,
// reached through its process-wide pointer `*Instance`: each tick on that
// page's window goes to `Page::OnTimerTick(timerId)`; ticks for any other
// window, or with no page, are ignored. No exception leaves it: a tick that
// failed is skipped, the next one tries again.
template <class Page, Page** Instance>
void CALLBACK PageTimerProc(HWND window, UINT, UINT_PTR timerId, DWORD) {
  try {
    Page* page = *Instance;
    if (page == nullptr || window == nullptr || window != page->GetSafeHwnd()) return;
    page->OnTimerTick(timerId);
  } catch (...) {
  }
}
