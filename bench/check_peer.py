#!/usr/bin/env python3
"""The check that an administrator would write instead of `personallader check`.

Standard library only: csv.Sniffer on the first line, csv.reader, strptime for
the dates, float for the numbers, a set for the user ids. Times itself (the
interpreter's start-up and the imports excluded) and prints one line:
rows, faults, seconds, processor seconds, peak memory in KiB.
Usage: bench/check_peer.py FILE.csv
"""
import csv
import resource
import sys
import time
from datetime import datetime

COLUMNS = 10
NAME_LENGTH = 40


def read_date(text):
    """A date stamp that compares like the planner's; None when unreadable."""
    try:
        return datetime.strptime(text, "%d.%m.%Y").strftime("%y%m%d")
    except ValueError:
        return None


def is_number(text):
    try:
        float(text.replace(".", "").replace(",", "."))
        return True
    except ValueError:
        return False


def check(path):
    faults = 0
    rows = 0
    with open(path, newline="", encoding="cp1252") as file:
        first = file.readline()
        dialect = csv.Sniffer().sniff(first, delimiters=",;:\t")
        if "name" not in first.lower() and "nom" not in first.lower():
            file.seek(0)
        seen = set()
        for row in csv.reader(file, dialect):
            if len(row) < 2:
                continue  # an empty line or one without the separator
            rows += 1
            if len(row) > COLUMNS:
                return rows, faults + 1  # a row of too many columns stops the check
            text = "".join(row)
            if "|" in text or (dialect.delimiter != ":" and ":" in text):
                faults += 1
            row += [""] * (COLUMNS - len(row))
            name = row[0][:NAME_LENGTH] or f"Name {rows}"
            faults += not row[0]
            if name.startswith(">"):
                continue
            user = row[1][:NAME_LENGTH] or name
            start = read_date(row[2]) if row[2] else "000000"
            end = read_date(row[3]) if row[3] else "999999"
            faults += (start is None) + (end is None)
            faults += start is not None and end is not None and start > end
            faults += sum(not is_number(value) for value in row[4:] if value)
            key = user.lower()
            faults += key in seen
            seen.add(key)
    return rows, faults


def main():
    start, processor = time.perf_counter(), time.process_time()
    rows, faults = check(sys.argv[1])
    seconds, processor = time.perf_counter() - start, time.process_time() - processor
    peak = resource.getrusage(resource.RUSAGE_SELF).ru_maxrss
    print(rows, faults, f"{seconds:.6f}", f"{processor:.6f}", peak)


if __name__ == "__main__":
    main()
