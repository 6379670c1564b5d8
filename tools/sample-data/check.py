#!/usr/bin/env python3
"""Check the bundled sample data files for the rules the program relies on.

Run from anywhere:  python3 tools/sample-data/check.py
Exits with status 1 and a list of problems when anything is wrong.
"""

import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.normpath(os.path.join(HERE, "..", "..", "data"))
QUESTION = os.path.join(DATA, "dictionary", "Question.txt")
DICTIONARY = os.path.join(DATA, "dictionary", "Dictionary.txt")
REFERENCE = os.path.join(DATA, "reference", "Reference.txt")
NO_KEYWORD = "キーワードなし"

problems = []


def problem(where, message):
    problems.append("%s: %s" % (where, message))


def read_lines(path):
    """Decode as cp932, insist on CR LF everywhere, return the list of lines."""
    name = os.path.relpath(path, DATA)
    with open(path, "rb") as f:
        raw = f.read()
    try:
        text = raw.decode("cp932")
    except UnicodeDecodeError as e:
        problem(name, "not valid cp932 (%s)" % e)
        return []
    if raw.count(b"\n") != raw.count(b"\r\n") or raw.count(b"\r") != raw.count(b"\r\n"):
        problem(name, "line ends are not all CR LF")
    if not text.endswith("\r\n"):
        problem(name, "last line has no line end")
    lines = text.split("\r\n")
    if lines[-1] == "":
        lines.pop()
    return lines


def fill_word_ok(sentence, word):
    """The word occurs, and its first occurrence stands as a whole word."""
    p = sentence.find(word)
    if p < 0:
        return False
    before = sentence[p - 1] if p > 0 else " "
    after = sentence[p + len(word)] if p + len(word) < len(sentence) else " "
    return before == " " and (after == " " or after in ",.?!")


def check_questions():
    name = "dictionary/Question.txt"
    lines = read_lines(QUESTION)
    records = []
    seen_english = set()
    for i, line in enumerate(lines):
        if "#" not in line:
            continue
        where = "%s line %d" % (name, i + 1)
        if not line.startswith("#") or line.count("#") != 1 or len(line) < 2:
            problem(where, "keyword line must be '#' followed by a keyword")
        if i + 4 >= len(lines):
            problem(where, "record is cut short")
            continue
        keyword = line[1:]
        english, japanese, comment, fill = lines[i + 1:i + 5]
        if i + 5 < len(lines) and lines[i + 5] != "":
            problem(where, "record is not followed by an empty line")
        if not english or not japanese or not comment:
            problem(where, "English, Japanese and comment lines must not be empty")
        if english != english.strip() or "  " in english:
            problem(where, "English words must be separated by single spaces")
        if not english or english[-1] not in ".?!":
            problem(where, "English sentence must end with '.', '?' or '!'")
        if any(not ("\x20" <= c <= "\x7e") for c in english):
            problem(where, "English sentence must be plain ASCII")
        if re.search(r"[\[\]=;]", english):
            problem(where, "English sentence should avoid '[', ']', '=' and ';'")
        for word in english.split(" "):
            if "," in word[:-1]:
                problem(where, "comma inside the word %r" % word)
        if english in seen_english:
            problem(where, "duplicate English sentence")
        seen_english.add(english)
        if fill:
            for word in fill.split(","):
                if not word or word != word.strip():
                    problem(where, "empty or padded fill-in word in %r" % fill)
                elif not fill_word_ok(english, word):
                    problem(where, "fill-in word %r is not a whole word of the sentence" % word)
        records.append((i, keyword, english))
    if len(records) < 64:
        problem(name, "only %d questions" % len(records))
    return records


def check_reference(keywords):
    name = "reference/Reference.txt"
    lines = read_lines(REFERENCE)
    entries = []
    i = 0
    while i < len(lines):
        where = "%s line %d" % (name, i + 1)
        header = lines[i]
        if not header.startswith("#") or len(header) < 2:
            problem(where, "expected an entry header '#keyword', got %r" % header)
            break
        try:
            count = int(lines[i + 1])
        except (IndexError, ValueError):
            problem(where, "count line missing or not a number")
            break
        body = lines[i + 2:i + 2 + count]
        if len(body) != count or count < 1:
            problem(where, "entry has %d lines instead of %d" % (len(body), count))
        for j, text in enumerate(body):
            if "#" in text or text == "":
                problem("%s line %d" % (name, i + 3 + j), "explanation lines must be non-empty and hold no '#'")
        sep = i + 2 + count
        if sep >= len(lines) or lines[sep] != "":
            problem(where, "entry not followed by one empty line")
        entries.append(header[1:])
        i = sep + 1
    if len(set(entries)) != len(entries):
        problem(name, "duplicate keywords")
    # the keyword list the makers offer: every line holding "#", first char removed
    offered = [l[1:] for l in lines if "#" in l]
    if offered != entries:
        problem(name, "keyword list differs from the entry headers")
    # look-up as the viewer does: first line containing "#" + keyword
    for kw in sorted(keywords):
        if kw == NO_KEYWORD:
            continue
        target = "#" + kw
        hit = next((l for l in lines if target in l), None)
        if hit is None:
            problem(name, "no entry for keyword %r" % kw)
        elif hit != target:
            problem(name, "looking up %r finds the entry %r first" % (kw, hit))
    unused = set(entries) - set(keywords)
    if unused:
        problem(name, "entries not used by the collection: %s" % ", ".join(sorted(unused)))
    return entries


def check_dictionary(records):
    name = "dictionary/Dictionary.txt"
    lines = read_lines(DICTIONARY)
    words = []
    for n, line in enumerate(lines, 1):
        where = "%s line %d" % (name, n)
        if "=" not in line:
            problem(where, "no '='")
            continue
        english, rest = line.split("=", 1)
        if "*" not in rest:
            problem(where, "no '*'")
            continue
        japanese, comment = rest.split("*", 1)
        if not english or english != english.strip() or not japanese or not comment:
            problem(where, "empty or padded part")
        if "#" in line:
            problem(where, "'#' in a dictionary line")
        words.append(english)
    if len(set(words)) != len(words):
        dup = sorted({w for w in words if words.count(w) > 1})
        problem(name, "duplicate words: %s" % ", ".join(dup))
    key = lambda w: (w.lower(), w)
    if words != sorted(words, key=key):
        for a, b in zip(words, words[1:]):
            if key(a) > key(b):
                problem(name, "not sorted: %r before %r" % (a, b))
                break
    # every word of the sentences must be found by the look-up as its own entry
    missing = set()
    for _, _, english in records:
        for token in english.split(" "):
            token = token.rstrip(".,?!")
            if not token or token.isdigit():
                continue  # plain numbers need no dictionary entry
            hit = next((w for w in words if w.startswith(token)), None)
            if hit != token:
                missing.add(token)
    if missing:
        problem(name, "sentence words without their own entry: %s" % ", ".join(sorted(missing)))
    if len(words) < 320:
        problem(name, "only %d words" % len(words))
    return words


def main():
    records = check_questions()
    keywords = {k for _, k, _ in records}
    entries = check_reference(keywords)
    words = check_dictionary(records)
    print("questions: %d (keywords: %d, without keyword: %d)" % (
        len(records), len(keywords - {NO_KEYWORD}),
        sum(1 for _, k, _ in records if k == NO_KEYWORD)))
    print("reference entries: %d" % len(entries))
    print("dictionary words: %d" % len(words))
    if problems:
        print("\n".join(problems))
        sys.exit(1)
    print("all checks passed")


if __name__ == "__main__":
    main()
