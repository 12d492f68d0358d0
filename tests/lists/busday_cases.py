"""Business-day cases for BusinessDays_test.cpp, answered by numpy.

Prints one case a line: start, end, numpy's count, then the holiday
records, all as day numbers from 1899-12-30; a record marked '~' is
inactive and is not given to numpy. The program counts weekdays d with
start < d <= end, which is busday_count over [start + 1, end + 1).
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
CASES = 300


def dates(days):
    return DAY_ZERO + np.array(days, dtype="timedelta64[D]")


def main():
    rng = random.Random(20030106)
    for i in range(CASES):
        # A third of the spans lie around day 0, where the day numbers
        # change sign; the rest anywhere from 1500 to 9900.
        start = rng.randint(-500, 200) if i % 3 == 0 else rng.randint(-146000, 2920000)
        end = start + rng.randint(1, 400)
        # Few distinct dates for many records: repeats are the rule, and about
        # two in seven fall on a weekend.
        pool = [rng.randint(start - 10, end + 10) for _ in range(rng.randint(1, 15))]
        records = [(rng.choice(pool), rng.random() < 0.8) for _ in range(rng.randint(0, 40))]
        active = [day for day, on in records if on]
        expected = int(np.busday_count(dates([start + 1])[0], dates([end + 1])[0],
                                       holidays=dates(active)))
        fields = [str(start), str(end), str(expected)]
        fields += [("" if on else "~") + str(day) for day, on in records]
        print(" ".join(fields))


main()
