#pragma once
#include <cmath>

// <windows.h> defines GetCurrentTime() as GetTickCount(), which would rename
// the member below wherever it is included first.
#ifdef GetCurrentTime
#undef GetCurrentTime
#endif

// An OLE automation date: days since 1899-12-30 00:00 as a double, the
// fraction being the time of day, with a valid/invalid status. Before
// 1899-12-30 the integer part counts days backwards while the fraction still
// counts forwards: -1.25 is 1899-12-29 06:00.

struct DateBreakdown {
  int year = 0;
  int month = 0;      // 1..12
  int day = 0;        // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
  int dayOfWeek = 0;  // 1 = Sunday .. 7 = Saturday
};

class COleDateTime {
 public:
  enum DateTimeStatus { valid = 0, invalid = 1 };

  // The supported range: 1 January 100 to 31 December 9999, as day numbers.
  static constexpr double kMinDay = -657434.0;
  static constexpr double kMaxDay = 2958465.0;

  COleDateTime() = default;  // 0.0, valid
  explicit COleDateTime(double value, DateTimeStatus status = valid)
      : m_dt(value), m_status(status) {}
  // Composition; see SetDateTime.
  COleDateTime(int year, int month, int day, int hour, int minute, int second);

  // The current local date and time in whole seconds (see Clock.h).
  static COleDateTime GetCurrentTime();

  // Composes from calendar fields. A day beyond the month's length carries
  // into the following month (31 February 2003 is 3 March 2003); a month
  // outside 1..12, a year outside 100..9999, a day outside 1..31, an hour
  // outside 0..23 or a minute or second outside 0..59 gives an invalid
  // value (0.0). Returns true when the result is valid.
  bool SetDateTime(int year, int month, int day, int hour, int minute, int second);
  bool SetDate(int year, int month, int day) { return SetDateTime(year, month, day, 0, 0, 0); }

  DateTimeStatus GetStatus() const { return m_status; }
  void SetStatus(DateTimeStatus status) { m_status = status; }
  bool IsValid() const { return m_status == valid; }

  // Calendar breakdown, rounded to the nearest second like the platform's.
  // False for an invalid value or one outside years 100..9999.
  bool GetAsBreakdown(DateBreakdown& out) const;
  int GetYear() const;       // -1 when the breakdown fails
  int GetMonth() const;
  int GetDay() const;
  int GetHour() const;
  int GetMinute() const;
  int GetSecond() const;
  int GetDayOfWeek() const;  // 1 = Sunday .. 7 = Saturday

  // The value on a linear time scale (days, time of day counted forwards).
  static double LinearKey(double value) {
    if (value >= 0.0) return value;
    double c = std::ceil(value);
    return c - (value - c);
  }
  static double FromLinear(double key);

  // Difference in days on the linear scale; adding days likewise.
  double operator-(const COleDateTime& other) const;
  COleDateTime AddDays(double days) const;

  bool operator==(const COleDateTime& o) const { return LinearKey(m_dt) == LinearKey(o.m_dt); }
  bool operator!=(const COleDateTime& o) const { return !(*this == o); }
  bool operator<(const COleDateTime& o) const { return LinearKey(m_dt) < LinearKey(o.m_dt); }
  bool operator>(const COleDateTime& o) const { return o < *this; }
  bool operator<=(const COleDateTime& o) const { return !(o < *this); }
  bool operator>=(const COleDateTime& o) const { return !(*this < o); }

  double m_dt = 0.0;
  DateTimeStatus m_status = valid;
};
