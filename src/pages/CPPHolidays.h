#pragma once
#include "pages/CDateListPage.h"

// The Holidays page: the holiday list on its own calendar. The Month by
// Month page leaves these days out of its business days.
class CPPHolidays : public CDateListPage {
 public:
  explicit CPPHolidays(ListOwner* owner) : CDateListPage(DateListKind::Holidays, owner) {}
};
