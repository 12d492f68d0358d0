#pragma once
#include <windows.h>
#include <commdlg.h>

#include <functional>
#include <string>
#include <vector>

// Message boxes and the open-file dialog go through here, so that a test can
// read a box's text and answer it instead of a user.
int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type);
bool ShowOpenFileDialog(OPENFILENAMEA& ofn);
// The save dialog answers through the same hook as the open dialog.
bool ShowSaveFileDialog(OPENFILENAMEA& ofn);
// The record both dialogs take: `filter` as NUL-ended pairs, the chosen
// name in `file` (which must outlive the record), `defExt` without the dot;
// the dialog without the places bar.
OPENFILENAMEA FileDialogRecord(HWND owner, const char* filter, std::vector<char>& file, const char* defExt,
                               DWORD flags);
// The save dialog for a CSV file, offering `name` first: the path chosen,
// or empty when the user cancelled or the dialog could not be opened (then
// the user is told so).
std::string ChooseCsvSavePath(HWND owner, const std::string& name);
// Why the last open-file or save dialog did not end with OK (CommDlgExtendedError):
// 0 when the user cancelled.
DWORD OpenFileDialogError();

struct MessageBoxCall {
  HWND owner;
  std::string text;
  std::string caption;
  UINT type;
};
// The hook answers in place of the user (IDYES, IDNO, IDOK...).
using MessageBoxHook = std::function<int(const MessageBoxCall&)>;
void SetMessageBoxHook(MessageBoxHook hook);  // empty: the real box
// The hook fills the file name, or answers false for Cancel; for a dialog
// that failed, it also calls SetOpenFileDialogError.
using OpenFileHook = std::function<bool(OPENFILENAMEA&)>;
void SetOpenFileHook(OpenFileHook hook);
void SetOpenFileDialogError(DWORD error);
