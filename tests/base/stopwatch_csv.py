"""Reads a stopwatch log saved as CSV the way a spreadsheet would: UTF-8 with
a byte-order mark, every line ending in CR LF. Prints each row's fields
joined by '|'; exits 1 when the file is not so."""
import csv
import sys

with open(sys.argv[1], "rb") as f:
    data = f.read()
if not data.startswith(b"\xef\xbb\xbf"):
    sys.exit("no UTF-8 byte-order mark")
if data.count(b"\n") != data.count(b"\r\n") or data.count(b"\r") != data.count(b"\r\n"):
    sys.exit("a line end other than CR LF")
with open(sys.argv[1], newline="", encoding="utf-8-sig") as f:
    for row in csv.reader(f, strict=True):
        print("|".join(row))
