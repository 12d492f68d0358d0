#pragma once
#include <string>

#include "base/COleDateTime.h"
#include "lists/DateRecord.h"
#include "lists/ListOwner.h"

// What the main window needs of a window that edits one of the owner's
// lists: which list it is, whether it has changes not yet saved, saving
// them, and bringing a record or a day into view for the tray's reminders.
class ListEditor {
 public:
  virtual DateListKind ListKind() const = 0;
  virtual bool ListChanged() const = 0;
  // Writes the list to its location, telling the user what went wrong; true
  // (and no unsaved changes) when it was written.
  virtual bool SaveListFile(ListOwner& owner) = 0;
  // Picks the active record of that name and date, as the user would;
  // nothing when there is none.
  virtual void SelectRecord(const std::string& name, const COleDateTime& date) = 0;
  // Shows the date's day on the editor's calendar, with what the list holds
  // on it.
  virtual void ShowDay(const COleDateTime& day) = 0;
  // The list was replaced from its web address (or, that failing, from the
  // cache) by a load the user started or a refresh: it has no unsaved
  // changes, and the editor shows it. `location` is where it came from.
  virtual void OnListDownloaded(const std::string& /*location*/, bool /*replaced*/) {}
  // The kind's web state changed: a load began or ended, bytes came, or
  // the status line has news.
  virtual void OnWebStateChanged() {}

 protected:
  ~ListEditor() = default;
};
