"""Business-day cases for BusinessDays_test.cpp, answered by numpy.

Prints one case a line: what is asked, the work week (the program's bits:
bit 0 Monday .. bit 6 Sunday, set for a working day), a day, a second
number, numpy's answer, then the holiday records; days are day numbers
from 1899-12-30, and a record marked '~' is inactive and is not given to
numpy. What is asked:
  count    start end: business days d with start < d <= end, which is
           busday_count over [start + 1, end + 1)
  both     start end: the same with the start date counted too, which is
           busday_count over [start, end + 1) (NETWORKDAYS.INTL)
  move     start n: the spreadsheet's WORKDAY.INTL(start, n), which is
           busday_offset rolled backward for n > 0 and forward for n < 0
           (for n = 0 from a day off, WORKDAY keeps the day while numpy
           rolls it, so such cases are left out)
Exits with 77 when numpy is missing.
"""
import random
import sys

try:
    import numpy as np
except ImportError:
    print("busday_cases.py: numpy is missing", file=sys.stderr)
    sys.exit(77)

DAY_ZERO = np.datetime64("1899-12-30", "D")
CASES = 600


def dates(days):
    return DAY_ZERO + np.array(days, dtype="timedelta64[D]")


def day(number):
    return dates([number])[0]


def number(date):
    return int((date - DAY_ZERO).astype(int))


def random_week(rng):
    # Monday to Friday half the time; otherwise any week with a working day.
    return 0x1F if rng.random() < 0.5 else rng.randint(1, 0x7F)


def main():
    rng = random.Random(20030106)
    for i in range(CASES):
        ask = ("count", "both", "move")[i % 3]
        week = random_week(rng)
        weekmask = "".join("1" if week >> d & 1 else "0" for d in range(7))  # Monday first
        # Some days lie around day 0, where the day numbers change sign; the
        # rest anywhere from 1500 to 9900.
        start = rng.randint(-500, 200) if i % 4 == 0 else rng.randint(-146000, 2920000)
        if ask == "move":
            second = rng.randint(-150, 150)
            reach = abs(second) * 7 // bin(week).count("1") + 10
            low, high = start - reach, start + reach
        else:
            second = start + rng.randint(0, 400)
            low, high = start - 10, second + 10
        # Few distinct dates for many records: repeats are the rule, and some
        # fall on days off. Now and then a long run of holidays in a row.
        pool = [rng.randint(low, high) for _ in range(rng.randint(1, 15))]
        if rng.random() < 0.2:
            run = rng.randint(low, high)
            pool += range(run, run + rng.randint(5, 40))
        records = [(rng.choice(pool), rng.random() < 0.8) for _ in range(rng.randint(0, 60))]
        calendar = np.busdaycalendar(weekmask=weekmask, holidays=dates([d for d, on in records if on]))
        if ask == "count":
            expected = np.busday_count(day(start + 1), day(second + 1), busdaycal=calendar)
        elif ask == "both":
            expected = np.busday_count(day(start), day(second + 1), busdaycal=calendar)
        else:
            if second == 0 and not np.is_busday(day(start), busdaycal=calendar):
                second = 1
            roll = "backward" if second >= 0 else "forward"
            expected = number(np.busday_offset(day(start), second, roll=roll, busdaycal=calendar))
        fields = [ask, str(week), str(start), str(second), str(int(expected))]
        fields += [("" if on else "~") + str(d) for d, on in records]
        print(" ".join(fields))


main()
