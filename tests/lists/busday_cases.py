"""Business-day cases for BusinessDays_test.cpp, answered by numpy.

Prints one case a line: what is asked, the work week (bit 0 Monday ..
bit 6 Sunday set for a working day), a day, a second number, numpy's
answer, then the holiday records; days are numbers from 1899-12-30, and a
record marked '~' is inactive and not given to numpy. Asked are "count"
(start end: busday_count over [start + 1, end + 1)), "both" (the start
counted too: over [start, end + 1)) and "move" (start n: WORKDAY.INTL, which
is busday_offset rolled backward for n > 0, forward for n < 0; a move of 0
from a day off, which numpy rolls, is left out). Exits 77 without numpy.
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


def main():
    rng = random.Random(20030106)
    for i in range(CASES):
        ask = ("count", "both", "move")[i % 3]
        # Monday to Friday half the time; otherwise any week with a working day.
        week = 0x1F if rng.random() < 0.5 else rng.randint(1, 0x7F)
        # Some days lie around day 0, where the day numbers change sign; the
        # rest anywhere from 1500 to 9900.
        start = rng.randint(-500, 200) if i % 4 == 0 else rng.randint(-146000, 2920000)
        second = rng.randint(-150, 150) if ask == "move" else start + rng.randint(0, 400)
        reach = abs(second) * 7 // bin(week).count("1") if ask == "move" else second - start
        # Few distinct dates for many records: repeats are the rule, some fall
        # on days off, and now and then a long run of holidays in a row.
        pool = [rng.randint(start - reach - 10, start + reach + 10) for _ in range(rng.randint(1, 15))]
        if rng.random() < 0.2:
            pool += range(pool[0], pool[0] + rng.randint(5, 40))
        records = [(rng.choice(pool), rng.random() < 0.8) for _ in range(rng.randint(0, 60))]
        weekmask = "".join("1" if week >> d & 1 else "0" for d in range(7))  # Monday first
        cal = np.busdaycalendar(weekmask=weekmask, holidays=dates([d for d, on in records if on]))
        day = dates([start])[0]
        if ask == "move":
            if second == 0 and not np.is_busday(day, busdaycal=cal):
                second = 1
            moved = np.busday_offset(day, second, roll="backward" if second >= 0 else "forward", busdaycal=cal)
            expected = (moved - DAY_ZERO).astype(int)
        else:
            first = day if ask == "both" else day + 1
            expected = np.busday_count(first, dates([second + 1])[0], busdaycal=cal)
        fields = [ask, str(week), str(start), str(second), str(int(expected))]
        fields += [("" if on else "~") + str(d) for d, on in records]
        print(" ".join(fields))


main()
