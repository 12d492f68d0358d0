"""numpy's busday_count and busday_offset on BusinessDaysBench.cpp's data.

The same 100,000 holidays in 1800..2099 and the same draws (minstd from 1,
each draw modulo the number of days), the calendar made once as the index
is. Prints microseconds per call, one call at a time and per day in one
call over all the draws:
  /usr/bin/python3 bench/busday_numpy.py
"""
import timeit

import numpy as np

FIRST = np.datetime64("1800-01-01", "D")
DAYS = int((np.datetime64("2099-12-31", "D") - FIRST).astype(int)) + 1
DRAWS = 1024
MOVE = 10000
WEEKS = {"Monday to Friday": "1111100", "Sunday to Thursday": "1111001"}


def minstd(count, state=[1]):
    out = []
    for _ in range(count):
        state[0] = state[0] * 48271 % 2147483647
        out.append(state[0] % DAYS)
    return FIRST + np.array(out, dtype="timedelta64[D]")


def per_call(statement, names, repeat=5):
    timer = timeit.Timer(statement, globals=names)
    number, _ = timer.autorange()
    return min(timer.repeat(number=number, repeat=repeat)) / number * 1e6


def main():
    holidays = minstd(100000)
    draws = minstd(2 * DRAWS)
    starts, ends = np.minimum(draws[0::2], draws[1::2]), np.maximum(draws[0::2], draws[1::2])
    print(f"numpy {np.__version__}: 100,000 holidays, {DRAWS} spans, moves of {MOVE} business days")
    for name, mask in WEEKS.items():
        cal = np.busdaycalendar(weekmask=mask, holidays=holidays)
        names = {"np": np, "cal": cal, "s": starts, "e": ends, "d": draws, "n": MOVE, "i": [0]}
        # As the program counts: days after the start up to the end.
        one = per_call("j = i[0] = (i[0] + 1) & 1023; np.busday_count(s[j] + 1, e[j] + 1, busdaycal=cal)", names)
        many = per_call("np.busday_count(s + 1, e + 1, busdaycal=cal)", names, 3) / DRAWS
        fwd = per_call("j = i[0] = (i[0] + 1) & 2047; np.busday_offset(d[j], n, roll='backward', busdaycal=cal)",
                       names)
        back = per_call("j = i[0] = (i[0] + 1) & 2047; np.busday_offset(d[j], -n, roll='forward', busdaycal=cal)",
                        names)
        fwd_many = per_call("np.busday_offset(d, n, roll='backward', busdaycal=cal)", names, 3) / (2 * DRAWS)
        print(f"{name}: busday_count {one:.2f} us a call, {many * 1000:.0f} ns a span in one call; "
              f"busday_offset +{MOVE} {fwd:.2f} us, -{MOVE} {back:.2f} us a call, "
              f"{fwd_many:.0f} us a day in one call")


main()
