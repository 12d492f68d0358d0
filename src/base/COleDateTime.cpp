#include "base/COleDateTime.h"


#include "base/CivilDays.h"
#include "base/Clock.h"
#include "base/LocalTime.h"

COleDateTime::COleDateTime(int year, int month, int day, int hour, int minute, int second) {
  SetDateTime(year, month, day, hour, minute, second);
}

bool COleDateTime::SetDateTime(int year, int month, int day, int hour, int minute, int second) {
  if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31 ||
      hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
    m_dt = 0.0;
    m_status = invalid;
    return false;
  }
  // Counting from the first of the month carries a day past the month's end
  // into the next month, as the platform's composition does.
  double value = static_cast<double>(DaysFromCivil(year, month, 1) + day - 1);
  // The same steps as SystemTimeToVariantTime, so that the values agree to
  // the last bit; before 1899-12-30 the time counts away from zero.
  const double sign = value < 0.0 ? -1.0 : 1.0;
  value += hour / 24.0 * sign;
  value += minute / 1440.0 * sign;
  value += second / 86400.0 * sign;
  m_dt = value;
  m_status = valid;
  return true;
}

bool COleDateTime::GetAsBreakdown(DateBreakdown& out) const {
  const double d = m_dt;
  if (m_status != valid || !(d > kMinDay - 1.0 && d < kMaxDay + 1.0)) return false;
  // The platform's steps: the whole days toward zero, the time of day from
  // the fraction's magnitude with a small nudge against truncation, rounded
  // to the nearest second.
  const double datePart = d < 0.0 ? std::ceil(d) : std::floor(d);
  double timePart = std::fabs(d - datePart) + 0.00000000001;
  if (timePart >= 1.0) timePart -= 0.00000000001;
  long dayNumber = static_cast<long>(datePart);
  timePart *= 24.0;
  int hour = static_cast<int>(timePart);
  timePart -= hour;
  timePart *= 60.0;
  int minute = static_cast<int>(timePart);
  timePart -= minute;
  timePart *= 60.0;
  int second = static_cast<int>(timePart);
  timePart -= second;
  if (timePart > 0.5 && ++second == 60) {
    second = 0;
    if (++minute == 60) {
      minute = 0;
      if (++hour == 24) {
        hour = 0;
        ++dayNumber;  // the next calendar day, for either sign
        if (dayNumber > static_cast<long>(kMaxDay)) return false;
      }
    }
  }
  CivilFromDays(dayNumber, out.year, out.month, out.day);
  out.hour = hour;
  out.minute = minute;
  out.second = second;
  // Taken from the rounded day, so that a time
  // rounded past midnight gets the weekday of the day it is shown on.
  out.dayOfWeek = WeekdayOfDays(dayNumber) + 1;
  return true;
}

namespace {
template <int DateBreakdown::*Field>
int Part(const COleDateTime& date) {
  DateBreakdown b;
  return date.GetAsBreakdown(b) ? b.*Field : -1;
}
}  // namespace

int COleDateTime::GetYear() const { return Part<&DateBreakdown::year>(*this); }
int COleDateTime::GetMonth() const { return Part<&DateBreakdown::month>(*this); }
int COleDateTime::GetDay() const { return Part<&DateBreakdown::day>(*this); }
int COleDateTime::GetHour() const { return Part<&DateBreakdown::hour>(*this); }
int COleDateTime::GetMinute() const { return Part<&DateBreakdown::minute>(*this); }
int COleDateTime::GetSecond() const { return Part<&DateBreakdown::second>(*this); }
int COleDateTime::GetDayOfWeek() const { return Part<&DateBreakdown::dayOfWeek>(*this); }

double COleDateTime::FromLinear(double key) {
  if (key >= 0.0) return key;
  const double whole = std::floor(key);
  return whole - (key - whole);
}

double COleDateTime::operator-(const COleDateTime& other) const {
  return LinearKey(m_dt) - LinearKey(other.m_dt);
}

COleDateTime COleDateTime::AddDays(double days) const {
  return COleDateTime(FromLinear(LinearKey(m_dt) + days), m_status);
}

COleDateTime COleDateTime::GetCurrentTime() { return LocalTimeAt(ClockSeconds()); }
