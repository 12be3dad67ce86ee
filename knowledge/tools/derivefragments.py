#!/usr/bin/env python3
"""Derives the know.dat fragment table from the article sources.

The table was derived once from data/articles and frozen in
knowledge/fragmenttable.cpp; know.dat files are only readable with the table
they were packed with, so it is not re-derived when articles change. This
script is kept to show how the table was chosen.

Method: every line starts as single characters; the most frequent pair of
adjacent pieces whose joined text is 2 to 6 printable ASCII characters without
a hyphen is merged into a new fragment, 128 times. Each merge saves one byte
per occurrence, so the most frequent pair is the best next fragment.

Usage: derivefragments.py ARTICLE... > fragmenttable.cpp
"""
import sys
from collections import Counter

COUNT = 128


def allowed(text):
    return 2 <= len(text) <= 6 and "-" not in text and all(0x20 <= ord(c) <= 0x7E for c in text)


def derive(lines):
    pieces = [list(line) for line in lines if line]
    table = []
    while len(table) < COUNT:
        pairs = Counter()
        for p in pieces:
            for a, b in zip(p, p[1:]):
                if allowed(a + b):
                    pairs[a, b] += 1
        (a, b), _ = max(pairs.items(), key=lambda kv: (kv[1], kv[0]))
        merged = a + b
        table.append(merged)
        for p in pieces:
            i = 0
            while i < len(p) - 1:
                if p[i] == a and p[i + 1] == b:
                    p[i:i + 2] = [merged]
                i += 1
    return table


def cstring(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def main(paths):
    lines = []
    for path in paths:
        with open(path, encoding="ascii") as f:
            lines += f.read().splitlines()
    table = derive(lines)
    print('#include "knowledge/fragments.h"')
    print()
    print("// Derived once from the knowledge-base articles (knowledge/tools/derivefragments.py)")
    print("// and frozen: know.dat files are packed with exactly this table.")
    print("const std::array<std::string_view, fragmentcount> fragments = {")
    for i in range(0, COUNT, 8):
        row = ", ".join(cstring(t) for t in table[i:i + 8])
        print(f"    /* 0x{0x7F + i:02X} */ {row},")
    print("};")


if __name__ == "__main__":
    main(sys.argv[1:])
