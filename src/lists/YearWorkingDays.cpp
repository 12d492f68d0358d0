#include "lists/YearWorkingDays.h"

#include <cstdio>
#include <initializer_list>

#include "base/CivilDays.h"
#include "base/DifferenceCalc.h"
#include "lists/BusinessDays.h"

YearWorkingDays::YearWorkingDays(int year, const HolidayIndex& holidays) : m_year(year) {
  for (int month = 1; month <= 12; ++month) {
    // The counts take the days after their start: from the day before the 1st.
    const COleDateTime before = COleDateTime(year, month, 1, 0, 0, 0).AddDays(-1);
    const COleDateTime last(year, month, DaysInMonth(year, month), 0, 0, 0);
    MonthWorkingDays& row = m_months[month - 1];
    row.days = DaysInMonth(year, month);
    row.working = static_cast<long>(holidays.Week().CountWithin(DayIndex(before.m_dt), DayIndex(last.m_dt)));
    row.business = CountBusinessDays(before, last, holidays);
    // The holidays are what the business-day count takes away.
    row.holidays = row.working - row.business;
    m_total.days += row.days;
    m_total.working += row.working;
    m_total.holidays += row.holidays;
    m_total.business += row.business;
  }
}

std::string YearWorkingDays::Lines(const std::string& heading, const std::string (&monthNames)[12],
                                   const std::string& total, char separator) const {
  auto line = [separator](const std::string& first, const MonthWorkingDays& row) {
    std::string text = first;
    for (const long n : {row.days, row.working, row.holidays, row.business}) text += separator + std::to_string(n);
    return text + "\r\n";
  };
  std::string text = heading + "\r\n";
  for (int month = 1; month <= 12; ++month) text += line(monthNames[month - 1], Month(month));
  return text + line(total, m_total);
}

std::string YearWorkingDays::TabText(const std::string (&monthNames)[12]) const {
  return Lines("Month\tDays\tWorking days\tHolidays\tBusiness days", monthNames, "Total", '\t');
}

std::string YearWorkingDays::CsvText() const {
  std::string months[12];
  for (int month = 1; month <= 12; ++month) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d", m_year, month);
    months[month - 1] = text;
  }
  return "\xEF\xBB\xBF" + Lines("month,days,working_days,holidays,business_days", months, "total", ',');
}
