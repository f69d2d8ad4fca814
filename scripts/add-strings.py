#!/usr/bin/env python3
"""Adds string-table entries: python3 scripts/add-strings.py FILE.json

FILE.json holds [["IDS_NAME", number, "English", "Hebrew"], ...]. Each entry goes into the enum of
src/platform/StringIds.h and the table of src/platform/StringTable.cpp at its place by number, so
both stay sorted. Texts are written as C++ string literals (\\r\\n stays an escape)."""
import json
import re
import sys

ROOT = __file__.rsplit("/scripts/", 1)[0]
IDS = ROOT + "/src/platform/StringIds.h"
TABLE = ROOT + "/src/platform/StringTable.cpp"


def literal(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"').replace("\r", "\\r").replace("\n", "\\n") + '"'


def main():
    entries = json.load(open(sys.argv[1], encoding="utf-8"))
    ids = open(IDS, encoding="utf-8").read()
    table = open(TABLE, encoding="utf-8").read()
    numbers = {int(m.group(2)): m.group(1) for m in re.finditer(r"^\s+(IDS_\w+) = (\d+),", ids, re.M)}
    for name, number, english, hebrew in sorted(entries, key=lambda e: e[1]):
        if number in numbers:
            sys.exit(f"{number} is taken by {numbers[number]}")
        later = [n for n in numbers if n > number]
        if later:
            anchor = numbers[min(later)]
            ids = re.sub(rf"^(\s+){anchor} = ", rf"\g<1>{name} = {number},\n\g<1>{anchor} = ", ids, count=1, flags=re.M)
            table = re.sub(rf"^(\s+)\{{{anchor},", rf"\g<1>{{{name}, {literal(english)}, {literal(hebrew)}}},\n\g<1>{{{anchor},", table, count=1, flags=re.M)
        else:
            ids = re.sub(r"\n};\s*$", f"\n    {name} = {number},\n}};\n", ids)
            end = table.index("};", table.index("kEntries[]"))
            table = table[:end] + f"    {{{name}, {literal(english)}, {literal(hebrew)}}},\n" + table[end:]
        numbers[number] = name
    open(IDS, "w", encoding="utf-8").write(ids)
    open(TABLE, "w", encoding="utf-8").write(table)


main()
