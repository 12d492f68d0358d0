#include "lists/DateRecord.h"

void SortByDate(DateRecordList& list) {
  // std::list::sort is a stable merge sort that relinks nodes: equal dates
  // keep their order and no record is copied. The status plays no part.
  list.sort([](const DateRecord& a, const DateRecord& b) {
    return COleDateTime::LinearKey(a.date.m_dt) < COleDateTime::LinearKey(b.date.m_dt);
  });
}
