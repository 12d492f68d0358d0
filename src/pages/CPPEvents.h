#pragma once
#include "pages/CDateListPage.h"

// The Events page: the user's own named days on their own calendar.
class CPPEvents : public CDateListPage {
 public:
  explicit CPPEvents(ListOwner* owner) : CDateListPage(DateListKind::Events, owner) {}
};
