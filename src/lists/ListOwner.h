#pragma once
#include <string>

#include "lists/DateRecord.h"

// What loading and saving a list need of the window that owns the lists:
// the list of a kind, message boxes owned by that window, and the settings
// store. The main window implements it; tests may pass a small fake.
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
  virtual void SetTextSetting(const char* name, const std::string& value) = 0;
  // The kind's list has just been written to its file.
  virtual void OnListSaved(DateListKind /*kind*/) {}
  // The kind's list was replaced or edited.
  virtual void OnListChanged(DateListKind /*kind*/) {}

 protected:
  ~ListOwner() = default;
};
