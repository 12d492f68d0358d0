#pragma once
// Finding and driving the windows of a process as a user would: the main
// window, message boxes and popup menus. Works on the test's own process
// and on a Tempovista.exe started by the test, on the default desktop.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace probe {

// Top-level windows of process `pid` of class `className` (nullptr: any).
std::vector<HWND> ProcessWindows(DWORD pid, const char* className, bool visibleOnly);

// The running main window: a dialog-class window titled "Tempovista" with a
// tab control. Hidden ones count too.
HWND FindMainWindow(DWORD pid);
// A visible message box: a dialog-class window without a tab control.
HWND FindMessageBox(DWORD pid);
// A box's text (its static control 0xFFFF).
std::string MessageBoxText(HWND box);
// Presses a box's button (IDYES, IDNO, IDOK...).
void AnswerMessageBox(HWND box, int buttonId);
// The visible popup menu window (#32768) of the process.
HWND FindPopupMenu(DWORD pid);
// Chooses a popup menu item by its mnemonic, as the key press would.
void ChooseMenuItem(HWND menu, char mnemonic);

std::string WindowTitle(HWND window);
// A control's text, also in another process, where GetWindowText reads
// only captions.
std::string ControlText(HWND control);
// Selects page `index` of a property sheet, also in another process, and
// answers the page's window.
HWND SelectPage(HWND sheet, int index);
// The running test executable's folder, with its closing backslash: where
// the build puts the test programs and files beside it.
std::string ExecutableFolder();

// A list view's row count and a cell's text, also where the list belongs to
// another process (the text goes through memory allocated in that process).
int ListViewRowCount(HWND list);
// A click on list `listId` of dialog `page`, in this process: row `row`
// selected (none with -1, the empty area below the rows), then the NM_CLICK
// notification the list sends.
void ClickListRow(HWND page, int listId, int row);
std::string ListViewText(HWND list, int item, int subItem);

// The pixel size an icon was drawn at.
SIZE IconPixels(HICON icon);

// Runs `open`, which runs a modal dialog of this thread, and plays `script`
// inside the dialog's own loop once the visible dialog titled `caption`
// shows, as the user's actions would arrive there.
void InDialog(const char* caption, const std::function<void()>& open, const std::function<void(HWND)>& script);

// The height (LOGFONT's lfHeight) of the font the window draws with.
LONG FontHeight(HWND window);

// The size `text` takes in the font the window draws with.
SIZE TextExtent(HWND window, const char* text);

// Polls `done` every 20 ms, dispatching this thread's messages, for at most
// `timeoutMs`; true when it became true.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs);

// How long an end-to-end check waits for a state that should come: generous,
// since a loaded machine or an emulated 32-bit program is slow (the test run
// drives emulated programs while other tests keep both cores busy), and a
// check that passes costs no more for it.
constexpr DWORD kPatientMs = 120000;

}  // namespace probe
