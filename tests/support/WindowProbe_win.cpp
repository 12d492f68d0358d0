#include "support/WindowProbe_win.h"

#include <commctrl.h>

#include <cstring>

#include "base/ProgramNames.h"

namespace probe {
namespace {
bool HasClass(HWND window, const char* className) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof(name));
  return std::strcmp(name, className) == 0;
}

bool HasTabControl(HWND window) { return FindWindowExA(window, nullptr, "SysTabControl32", nullptr) != nullptr; }

struct Search {
  DWORD pid;
  const char* className;
  bool visibleOnly;
  std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->pid) return TRUE;
  if (search->visibleOnly && !IsWindowVisible(window)) return TRUE;
  if (search->className != nullptr && !HasClass(window, search->className)) return TRUE;
  search->found.push_back(window);
  return TRUE;
}
}  // namespace

std::vector<HWND> ProcessWindows(DWORD pid, const char* className, bool visibleOnly) {
  Search search{pid, className, visibleOnly, {}};
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string WindowTitle(HWND window) {
  char title[256] = {};
  GetWindowTextA(window, title, sizeof(title));
  return title;
}

std::string ControlText(HWND control) {
  char text[1024] = {};
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(control, WM_GETTEXT, sizeof text, LPARAM(text), SMTO_ABORTIFHUNG, 5000, &ignored);
  return text;
}

HWND SelectPage(HWND sheet, int index) {
  DWORD_PTR page = 0;
  SendMessageTimeoutA(sheet, PSM_SETCURSEL, index, 0, SMTO_ABORTIFHUNG, 5000, &page);
  SendMessageTimeoutA(sheet, PSM_INDEXTOHWND, index, 0, SMTO_ABORTIFHUNG, 5000, &page);
  return HWND(page);
}

HWND FindMainWindow(DWORD pid) {
  for (HWND window : ProcessWindows(pid, "#32770", false)) {
    if (WindowTitle(window) == kProgramTitle && HasTabControl(window)) return window;
  }
  return nullptr;
}

HWND FindMessageBox(DWORD pid) {
  for (HWND window : ProcessWindows(pid, "#32770", true)) {
    if (!HasTabControl(window)) return window;
  }
  return nullptr;
}

std::string MessageBoxText(HWND box) {
  char text[1024] = {};
  GetDlgItemTextA(box, 0xFFFF, text, sizeof(text));
  return text;
}

void AnswerMessageBox(HWND box, int buttonId) {
  HWND button = GetDlgItem(box, buttonId);
  if (button != nullptr) {
    PostMessageA(button, BM_CLICK, 0, 0);
  } else {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), 0);
  }
}

HWND FindPopupMenu(DWORD pid) {
  std::vector<HWND> menus = ProcessWindows(pid, "#32768", true);
  return menus.empty() ? nullptr : menus.front();
}

void ChooseMenuItem(HWND menu, char mnemonic) { PostMessageA(menu, WM_CHAR, static_cast<WPARAM>(mnemonic), 0); }

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (done()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(20);
  }
}

std::string ExecutableFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string file = path;
  return file.substr(0, file.find_last_of('\\') + 1);
}

void ClickListRow(HWND page, int listId, int row) {
  HWND list = GetDlgItem(page, listId);
  LVITEMA state{};
  state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
  if (row >= 0) {
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
  }
  NMITEMACTIVATE nm{};
  nm.hdr.hwndFrom = list;
  nm.hdr.idFrom = static_cast<UINT_PTR>(listId);
  nm.hdr.code = NM_CLICK;
  nm.iItem = row;
  SendMessageA(page, WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
}

int ListViewRowCount(HWND list) {
  DWORD_PTR count = 0;
  SendMessageTimeoutA(list, LVM_GETITEMCOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000, &count);
  return static_cast<int>(count);
}

std::string ListViewText(HWND list, int item, int subItem) {
  DWORD pid = 0;
  GetWindowThreadProcessId(list, &pid);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (process == nullptr) return std::string();
  constexpr SIZE_T kTextSize = 256;
  char* remote = static_cast<char*>(
      VirtualAllocEx(process, nullptr, sizeof(LVITEMA) + kTextSize, MEM_COMMIT, PAGE_READWRITE));
  std::string text;
  if (remote != nullptr) {
    LVITEMA lvi{};
    lvi.iSubItem = subItem;
    lvi.pszText = remote + sizeof(LVITEMA);
    lvi.cchTextMax = kTextSize;
    char buffer[kTextSize] = {};
    DWORD_PTR ignored = 0;
    if (WriteProcessMemory(process, remote, &lvi, sizeof lvi, nullptr) &&
        SendMessageTimeoutA(list, LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG,
                            5000, &ignored) &&
        ReadProcessMemory(process, remote + sizeof(LVITEMA), buffer, kTextSize - 1, nullptr)) {
      text = buffer;
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  }
  CloseHandle(process);
  return text;
}

SIZE IconPixels(HICON icon) {
  ICONINFO info{};
  BITMAP bm{};
  if (icon == nullptr || !GetIconInfo(icon, &info)) return SIZE{0, 0};
  GetObjectA(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof(bm), &bm);
  if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
  if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
  return SIZE{bm.bmWidth, info.hbmColor != nullptr ? bm.bmHeight : bm.bmHeight / 2};
}

namespace {
// The dialog InDialog waits for, and what it then plays there.
const char* g_dialogCaption = nullptr;
const std::function<void(HWND)>* g_dialogScript = nullptr;

void CALLBACK PlayDialogScript(HWND, UINT, UINT_PTR id, DWORD) {
  HWND dlg = FindWindowA("#32770", g_dialogCaption);
  if (dlg == nullptr || !IsWindowVisible(dlg)) return;
  KillTimer(nullptr, id);
  (*g_dialogScript)(dlg);
}
}  // namespace

void InDialog(const char* caption, const std::function<void()>& open, const std::function<void(HWND)>& script) {
  g_dialogCaption = caption;
  g_dialogScript = &script;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, &PlayDialogScript);
  open();
  KillTimer(nullptr, timer);
}

SIZE TextExtent(HWND window, const char* text) {
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return size;
}

}  // namespace probe
