#!/usr/bin/python3
"""The end of a test run (tools/test.sh): every test that was skipped, with
the reason where one was given, and what the compiler cache took.

    test-summary.py LOGS BUILD...

LOGS holds each ctest run's log (NAME.log) and ccache's counters before and
after the run; each BUILD folder may hold GoogleTest's reports of its Wine
test programs (test-reports/*.xml), which name the cases they skipped.
"""
import glob
import os
import re
import sys
import xml.etree.ElementTree as ET


def ctest_skipped(log):
    """Tests ctest itself did not run or reported skipped (a native case,
    or a whole program that ended with its skip code)."""
    found = []
    for line in open(log, errors="replace"):
        m = re.match(r"\s*\d+/\d+ Test\s+#\d+: (\S+) .*\*\*\*(Skipped|Not Run)", line)
        if m:
            found.append(m.group(1))
    return found


def gtest_skipped(report):
    """Cases a Wine test program skipped, with GoogleTest's message."""
    found = []
    try:
        root = ET.parse(report).getroot()
    except (ET.ParseError, OSError):
        return found
    for case in root.iter("testcase"):
        if case.get("result") == "skipped" or case.find("skipped") is not None:
            message = ""
            skipped = case.find("skipped")
            if skipped is not None:
                message = (skipped.get("message") or "").strip().splitlines()[-1:] or [""]
                message = message[0]
            found.append(f"{case.get('classname')}.{case.get('name')}" + (f": {message}" if message else ""))
    return found


def counters(path):
    values = {}
    if os.path.exists(path):
        for line in open(path):
            parts = line.split()
            if len(parts) == 2 and parts[1].isdigit():
                values[parts[0]] = int(parts[1])
    return values


def main():
    logs, builds = sys.argv[1], sys.argv[2:]
    skipped = []
    for name in ("native", "win64", "win-i686"):
        log = os.path.join(logs, name + ".log")
        if os.path.exists(log):
            skipped += [f"{name}: {test}" for test in ctest_skipped(log)]
    for build in builds:
        for report in sorted(glob.glob(os.path.join(build, "test-reports", "*.xml"))):
            program = os.path.splitext(os.path.basename(report))[0]
            skipped += [f"{os.path.basename(build)} {program}: {case}" for case in gtest_skipped(report)]
    print(f"== skipped: {len(skipped)}")
    for line in skipped:
        print("  " + line)

    before = counters(os.path.join(logs, "ccache-before.txt"))
    after = counters(os.path.join(logs, "ccache-after.txt"))
    if after:
        diff = {k: after.get(k, 0) - before.get(k, 0) for k in after}
        hits = diff.get("direct_cache_hit", 0) + diff.get("preprocessed_cache_hit", 0)
        misses = diff.get("cache_miss", 0)
        print(f"== compiler cache: {hits} hits, {misses} misses"
              f" ({os.environ.get('CCACHE_DIR') or 'ccache default folder'})")


main()
