#include "framework/Prompt.h"

#include <utility>

#include "base/ProgramNames.h"

namespace {
MessageBoxHook& MessageBoxHookSlot() {
  static MessageBoxHook hook;
  return hook;
}
OpenFileHook& OpenFileHookSlot() {
  static OpenFileHook hook;
  return hook;
}
DWORD& HookedOpenFileError() {
  static DWORD error = 0;
  return error;
}
bool ShowFileDialog(OPENFILENAMEA& ofn, BOOL(WINAPI* dialog)(LPOPENFILENAMEA)) {
  if (OpenFileHookSlot()) {
    HookedOpenFileError() = 0;
    return OpenFileHookSlot()(ofn);
  }
  return dialog(&ofn) != FALSE;
}
}  // namespace

int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
  if (MessageBoxHookSlot()) return MessageBoxHookSlot()(MessageBoxCall{owner, text, caption, type});
  return ::MessageBoxA(owner, text.c_str(), caption.c_str(), type);
}

bool ShowOpenFileDialog(OPENFILENAMEA& ofn) { return ShowFileDialog(ofn, ::GetOpenFileNameA); }

bool ShowSaveFileDialog(OPENFILENAMEA& ofn) { return ShowFileDialog(ofn, ::GetSaveFileNameA); }

OPENFILENAMEA FileDialogRecord(HWND owner, const char* filter, std::vector<char>& file, const char* defExt,
                               DWORD flags) {
  OPENFILENAMEA ofn{};
  ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrDefExt = defExt;
  ofn.Flags = flags;
  return ofn;
}

std::string ChooseCsvSavePath(HWND owner, const std::string& name) {
  static const char kCsvFilter[] = "CSV files (*.csv)\0*.csv\0All Files (*.*)\0*.*\0";
  std::vector<char> file(MAX_PATH * 4, '\0');
  name.copy(file.data(), file.size() - 1);
  OPENFILENAMEA ofn = FileDialogRecord(owner, kCsvFilter, file, "csv",
                                       OFN_HIDEREADONLY | OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST);
  if (ShowSaveFileDialog(ofn)) return file.data();
  if (OpenFileDialogError() != 0)
    ShowMessageBox(owner, "The file selection dialog could not be opened.", kProgramTitle, MB_OK | MB_ICONERROR);
  return {};
}

DWORD OpenFileDialogError() {
  if (OpenFileHookSlot()) return HookedOpenFileError();
  return ::CommDlgExtendedError();
}

void SetOpenFileDialogError(DWORD error) { HookedOpenFileError() = error; }

void SetMessageBoxHook(MessageBoxHook hook) { MessageBoxHookSlot() = std::move(hook); }

void SetOpenFileHook(OpenFileHook hook) { OpenFileHookSlot() = std::move(hook); }
