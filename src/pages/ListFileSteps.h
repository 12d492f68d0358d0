#pragma once
#include <windows.h>

#include <string>

#include "lists/DateRecord.h"
#include "lists/ListOwner.h"

// What the list pages share about their list's file: the location field's
// value, the unsaved-changes flag, and the Load File, Save File and browse
// steps. The exit prompt finds a list page through this class and saves its
// list with SaveListFile.
class ListFileSteps {
 public:
  explicit ListFileSteps(DateListKind kind) : m_kind(kind) {}
  virtual ~ListFileSteps() = default;

  DateListKind ListKind() const { return m_kind; }

  // Replaces the list with the content of `location`, telling the user what
  // went wrong; true (and no unsaved changes) when the list was replaced.
  bool LoadListFile(ListOwner& owner, const std::string& location);
  // Writes the list to m_location and reads it back; true (and no unsaved
  // changes) when it was written.
  bool SaveListFile(ListOwner& owner);
  // The Open File dialog owned by `window`, starting at m_location; an
  // invalid name gets one retry with an empty name. The chosen file is
  // loaded and, once loaded, becomes m_location. True when the list was
  // replaced.
  bool BrowseListFile(HWND window, ListOwner& owner);

  std::string m_location;      // the location field's value
  bool m_listChanged = false;  // the list has changes not yet saved

 protected:
  // After SaveListFile has written the list (from the page or at exit).
  virtual void OnListSaved() {}

 private:
  DateListKind m_kind;
};
