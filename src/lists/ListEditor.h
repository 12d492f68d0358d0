#pragma once
#include "lists/DateRecord.h"
#include "lists/ListOwner.h"

// What the exit prompt needs of a window that edits one of the owner's
// lists: which list it is, whether it has changes not yet saved, and saving
// them.
class ListEditor {
 public:
  virtual DateListKind ListKind() const = 0;
  virtual bool ListChanged() const = 0;
  // Writes the list to its location, telling the user what went wrong; true
  // (and no unsaved changes) when it was written.
  virtual bool SaveListFile(ListOwner& owner) = 0;

 protected:
  ~ListEditor() = default;
};
