# Reads a CSV file as a spreadsheet would and prints its rows, fields joined
# by '|'; fails without the UTF-8 byte-order mark or on a line end not CR LF.
import csv, sys

data = open(sys.argv[1], "rb").read()
if not data.startswith(b"\xef\xbb\xbf") or data.count(b"\n") != data.count(b"\r\n") or data.count(b"\r") != data.count(b"\r\n"):
    sys.exit("not UTF-8 with a byte-order mark and CR LF line ends")
with open(sys.argv[1], newline="", encoding="utf-8-sig") as f:
    for row in csv.reader(f, strict=True):
        print("|".join(row))
