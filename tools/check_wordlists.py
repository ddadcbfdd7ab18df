#!/usr/bin/env python3
"""Check the Pictova category word lists in resources/wordlists/.

Usage: check_wordlists.py [WORDLIST_DIR]

For every list this prints the entry count, the number of entries the game
would refuse to deal (a word that occurs again later in the entry) and the
first ten entries, which the solo mode deals.  Exits with status 1 if any
rule is broken.
"""

import re
import sys
from pathlib import Path

LISTS = [
    "general.txt",
    "actions.txt",
    "phrases.txt",
    "music.txt",
    "movies.txt",
    "tvshows.txt",
    "fooddrink.txt",
]

MIN_ENTRIES = 400
MAX_REFUSED = 2
MAX_WORDS = 6
MAX_CHARS = 40
ENTRY_RE = re.compile(r"[A-Za-z0-9'-]+( [A-Za-z0-9'-]+)*")


def is_refused(entry):
    """Mirror of the game's deal filter: refused if a piece occurs in the
    text that follows it (case-sensitive substring search)."""
    pieces = entry.split(" ")
    for i, word in enumerate(pieces):
        rest = " ".join(pieces[i + 1:])
        if word and word in rest:
            return True
    return False


def check_entry(entry):
    """Return a list of problems with a single entry."""
    problems = []
    if not ENTRY_RE.fullmatch(entry):
        problems.append("bad characters or blanks")
    words = entry.split(" ")
    if not 1 <= len(words) <= MAX_WORDS:
        problems.append("%d words" % len(words))
    if len(entry) > MAX_CHARS:
        problems.append("%d characters" % len(entry))
    lowered = [w.lower() for w in words]
    if len(set(lowered)) != len(lowered):
        problems.append("same word twice")
    return problems


def check_file(path):
    """Check one list; return (entries, refused entries, error messages)."""
    errors = []
    data = path.read_bytes()
    try:
        text = data.decode("ascii")
    except UnicodeDecodeError:
        return [], [], ["not ASCII"]
    if "\r" in text:
        errors.append("contains CR characters")
    if not text.endswith("\n"):
        errors.append("missing final newline")
    entries = text[:-1].split("\n") if text.endswith("\n") else text.split("\n")
    for number, entry in enumerate(entries, 1):
        if entry == "":
            errors.append("line %d: blank line" % number)
            continue
        for problem in check_entry(entry):
            errors.append("line %d %r: %s" % (number, entry, problem))
    entries = [e for e in entries if e]
    if len(entries) < MIN_ENTRIES:
        errors.append("only %d entries, need %d" % (len(entries), MIN_ENTRIES))
    seen = {}
    for entry in entries:
        key = entry.lower()
        if key in seen:
            errors.append("duplicate %r and %r" % (seen[key], entry))
        seen[key] = entry
    for a, b in zip(entries, entries[1:]):
        if a.lower() > b.lower():
            errors.append("not sorted: %r before %r" % (a, b))
    refused = [e for e in entries if is_refused(e)]
    if len(refused) > MAX_REFUSED:
        errors.append("%d refused entries (max %d): %s"
                      % (len(refused), MAX_REFUSED, ", ".join(refused)))
    return entries, refused, errors


def self_test():
    """Guard the filter and entry rules against regressions."""
    assert is_refused("a broken heart")
    assert is_refused("cry like a baby")
    assert is_refused("waiting in line")
    assert not is_refused("bread and butter")
    assert not is_refused("A Dark horse")
    assert not is_refused("apple")
    assert check_entry("jack-in-the-box") == []
    assert check_entry("rock 'n' roll") == []
    assert check_entry("two  blanks")
    assert check_entry(" lead")
    assert check_entry("trail ")
    assert check_entry("tab\there")
    assert check_entry("comma, here")
    assert check_entry("one two three four five six seven")
    assert check_entry("x" * 41)
    assert check_entry("Bye bye")


def main():
    self_test()
    root = Path(sys.argv[1]) if len(sys.argv) > 1 else \
        Path(__file__).resolve().parent.parent / "resources" / "wordlists"
    failed = False
    for name in LISTS:
        path = root / name
        if not path.is_file():
            print("%s: MISSING" % name)
            failed = True
            continue
        entries, refused, errors = check_file(path)
        print("%s: %d entries, %d refused" % (name, len(entries), len(refused)))
        print("  first ten: %s" % ", ".join(entries[:10]))
        for error in errors:
            print("  ERROR: %s" % error)
        failed = failed or bool(errors)
    print("FAILED" if failed else "OK")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
