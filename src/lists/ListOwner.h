#pragma once
#include <cstdint>
#include <string>

#include "base/COleDateTime.h"
#include "lists/DateRecord.h"

// Where a kind's web list stands, for its page: a load the user started is
// running (with the bytes so far), and the status line's text.
struct WebListState {
  bool loading = false;
  uint64_t bytes = 0;
  std::string status;
};

// What the lists and the pages need of the window that owns the lists: the
// list of a kind, message boxes owned by that window, the settings store,
// and the few things a page asks of the window itself. The main window
// implements it; tests may pass a small fake.
class ListOwner {
 public:
  virtual DateRecordList& GetList(DateListKind kind) = 0;
  // A message box owned by the owner's window; answers the button pressed.
  // `type` takes the platform's MB_ flags.
  virtual int ShowListMessage(const std::string& text, const std::string& caption,
                              unsigned type) = 0;
  // The settings store; a setting that cannot be read gives its default.
  virtual long GetNumberSetting(const char* name) = 0;
  virtual std::string GetTextSetting(const char* name) = 0;
  virtual void SetNumberSetting(const char* name, long value) = 0;
  virtual void SetTextSetting(const char* name, const std::string& value) = 0;
  // The kind's list has just been written to its file.
  virtual void OnListSaved(DateListKind /*kind*/) {}
  // The kind's list was replaced or edited.
  virtual void OnListChanged(DateListKind /*kind*/) {}
  // A new day, or the first: the tray shows the day of `now` and
  // `dateText`, the date text made from that same reading of the clock.
  virtual void ModifyTrayIcon(const std::string& /*dateText*/, const COleDateTime& /*now*/) {}
  // Web and FTP lists: a load the user started, which runs beside the
  // window; its end reaches the kind's editor (ListEditor::OnListDownloaded,
  // OnWebStateChanged). Cancel drops it, leaving everything as it was.
  virtual void StartListDownload(DateListKind /*kind*/, const std::string& /*location*/) {}
  virtual void CancelListDownload(DateListKind /*kind*/) {}
  virtual WebListState GetWebListState(DateListKind /*kind*/) { return WebListState(); }
  // Shortly after start-up: the window takes the state the user left it in.
  virtual void RestoreWindowState() {}

 protected:
  ~ListOwner() = default;
};
