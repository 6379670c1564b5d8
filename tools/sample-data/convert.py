#!/usr/bin/env python3
"""Convert the UTF-8 sources of the sample data into the files the program reads.

The program reads its data files in the Windows Japanese code page (cp932)
with CR LF line ends.  Run from anywhere:  python3 tools/sample-data/convert.py
"""

import codecs
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.normpath(os.path.join(HERE, "..", "..", "data"))

FILES = [
    ("Question.utf8.txt", os.path.join("dictionary", "Question.txt")),
    ("Dictionary.utf8.txt", os.path.join("dictionary", "Dictionary.txt")),
    ("Reference.utf8.txt", os.path.join("reference", "Reference.txt")),
]


def convert(source, target):
    with codecs.open(source, "r", "utf-8") as f:
        text = f.read()
    if text.startswith("\ufeff"):
        text = text[1:]
    lines = text.replace("\r\n", "\n").replace("\r", "\n").split("\n")
    if lines and lines[-1] == "":
        lines.pop()  # the final line end is written again below
    for number, line in enumerate(lines, 1):
        try:
            encoded = line.encode("cp932")
        except UnicodeEncodeError as e:
            sys.exit("%s:%d: not representable in cp932: %r" % (source, number, line[e.start:e.end]))
        if encoded.decode("cp932") != line:
            sys.exit("%s:%d: does not survive a cp932 round trip" % (source, number))
    os.makedirs(os.path.dirname(target), exist_ok=True)
    with codecs.open(target, "w", "cp932") as f:
        for line in lines:
            f.write(line + "\r\n")
    print("wrote %s (%d lines)" % (os.path.relpath(target, os.path.dirname(DATA)), len(lines)))


def main():
    for source, target in FILES:
        convert(os.path.join(HERE, source), os.path.join(DATA, target))


if __name__ == "__main__":
    main()
