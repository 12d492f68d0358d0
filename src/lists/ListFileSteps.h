#pragma once
#include <string>

#include "lists/DateRecord.h"
#include "lists/ListEditor.h"
#include "lists/ListOwner.h"

// What the list pages share about their list's file: the location field's
// value, the unsaved-changes flag, and the Load File and Save File steps.
class ListFileSteps : public ListEditor {
 public:
  explicit ListFileSteps(DateListKind kind) : m_kind(kind) {}
  virtual ~ListFileSteps() = default;

  DateListKind ListKind() const override { return m_kind; }
  bool ListChanged() const override { return m_listChanged; }

  // Replaces the list with the content of `location`, telling the user what
  // went wrong; true (and no unsaved changes) when the list was replaced.
  bool LoadListFile(ListOwner& owner, const std::string& location);
  // Writes the list to m_location and reads it back.
  bool SaveListFile(ListOwner& owner) override;

  std::string m_location;      // the location field's value
  bool m_listChanged = false;  // the list has changes not yet saved

 protected:
  // After SaveListFile has written the list (from the page or at exit).
  virtual void OnListSaved() {}

 private:
  DateListKind m_kind;
};
