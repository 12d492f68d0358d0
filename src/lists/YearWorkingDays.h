#pragma once
#include <string>

#include "lists/HolidayIndex.h"

// One month of a year's working days, or the year's total.
struct MonthWorkingDays {
  long days = 0;
  long working = 0;   // days of the work week
  long holidays = 0;  // distinct active holidays on those days
  long business = 0;  // working days less holidays
};

// A year's working days month by month, for payroll and planning, counted
// by the business-day count the Month by Month page shows, so that the
// table and the page never disagree.
class YearWorkingDays {
 public:
  // `year` within 100..9999.
  YearWorkingDays(int year, const HolidayIndex& holidays);

  int Year() const { return m_year; }
  const MonthWorkingDays& Month(int month) const { return m_months[month - 1]; }  // 1..12
  const MonthWorkingDays& Total() const { return m_total; }

  // As a spreadsheet pastes it: tab-separated, a heading line, one line a
  // month under its name (names[0] January's), a last line "Total", every
  // line ending in CR LF.
  std::string TabText(const std::string (&monthNames)[12]) const;
  // CSV in UTF-8 with a byte-order mark and CR LF line ends, each month as
  // yyyy-mm, a last line "total".
  std::string CsvText() const;

 private:
  std::string Lines(const std::string& heading, const std::string (&monthNames)[12], const std::string& total,
                    char separator) const;

  int m_year;
  MonthWorkingDays m_months[12];
  MonthWorkingDays m_total;
};
