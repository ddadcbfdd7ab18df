#!/usr/bin/env python3
"""Fills the unfinished entries of translations/pictova_<lang>.ts from draft tables.

A draft table is <folder>/<lang>.tsv (pt_BR may also be pt.tsv): one entry a line, the English
source text, a tab, the translation; a newline inside either is written \\n, a tab \\t and a
backslash \\\\. Only entries the .ts file has as unfinished or empty are filled: a translation
already in the .ts file stays, so the .ts files remain the source of truth and the script can run
again with newer drafts. Placeholders (%1, %2 ...) of a draft must match its source's, or the
entry is left for a translator.

  scripts/fill-translations.py /work/i18n-drafts          fill what the drafts have
  scripts/fill-translations.py --missing de > de.tsv      list what German still lacks, as a table
  scripts/fill-translations.py --check                    exit 1 if any entry is unfinished
"""
import argparse
import pathlib
import re
import sys
import xml.etree.ElementTree as ET

ROOT = pathlib.Path(__file__).resolve().parent.parent
LANGUAGES = ["de", "fr", "es", "pt_BR"]
PLACEHOLDER = re.compile(r"%\d")


def unescape(text):
    out, i = [], 0
    while i < len(text):
        c = text[i]
        if c == "\\" and i + 1 < len(text):
            nxt = text[i + 1]
            out.append({"n": "\n", "t": "\t", "\\": "\\"}.get(nxt, "\\" + nxt))
            i += 2
        else:
            out.append(c)
            i += 1
    return "".join(out)


def escape(text):
    return text.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n")


def read_drafts(path):
    drafts = {}
    for number, line in enumerate(path.read_text(encoding="utf-8-sig").splitlines(), 1):
        if not line.strip() or line.startswith("#"):
            continue
        source, sep, translation = line.partition("\t")
        if not sep or not translation.strip():
            continue
        drafts[unescape(source)] = unescape(translation)
    return drafts


def ts_path(language):
    return ROOT / "translations" / f"pictova_{language}.ts"


def unfinished(message):
    translation = message.find("translation")
    return translation is None or translation.get("type") == "unfinished" or not (translation.text or "").strip()


def placeholders(text):
    return sorted(set(PLACEHOLDER.findall(text)))


def write_ts(tree, path):
    body = ET.tostring(tree.getroot(), encoding="unicode")
    # Quotes in text escaped as lupdate writes them, so the two tools leave each other's files alone.
    body = re.sub(r">([^<]*)<", lambda m: ">" + m.group(1).replace('"', "&quot;").replace("'", "&apos;") + "<", body)
    path.write_text('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + body + "\n", encoding="utf-8")


def fill(folder):
    for language in LANGUAGES:
        candidates = [folder / f"{language}.tsv"]
        if "_" in language:
            candidates.append(folder / f"{language.split('_')[0]}.tsv")
        draft_file = next((c for c in candidates if c.exists()), None)
        path = ts_path(language)
        tree = ET.parse(path)
        drafts = read_drafts(draft_file) if draft_file else {}
        filled = mismatched = left = 0
        for message in tree.getroot().iter("message"):
            if not unfinished(message):
                continue
            source = message.findtext("source") or ""
            draft = drafts.get(source)
            if draft is None:
                left += 1
                continue
            if placeholders(draft) != placeholders(source):
                mismatched += 1
                left += 1
                continue
            translation = message.find("translation")
            if translation is None:
                translation = ET.SubElement(message, "translation")
            translation.text = draft
            translation.attrib.pop("type", None)
            filled += 1
        if filled:
            write_ts(tree, path)
        print(f"{language}: {filled} filled from {draft_file or 'no draft'}, "
              f"{mismatched} with other placeholders skipped, {left} still unfinished")


def missing(language):
    tree = ET.parse(ts_path(language))
    for message in tree.getroot().iter("message"):
        if unfinished(message):
            print(escape(message.findtext("source") or "") + "\t")


def check():
    bad = 0
    for language in LANGUAGES:
        tree = ET.parse(ts_path(language))
        count = sum(1 for m in tree.getroot().iter("message") if unfinished(m))
        if count:
            print(f"{language}: {count} unfinished")
            bad += count
    return 1 if bad else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("folder", nargs="?", type=pathlib.Path, help="folder of <lang>.tsv drafts")
    parser.add_argument("--missing", metavar="LANG", choices=LANGUAGES)
    parser.add_argument("--check", action="store_true")
    args = parser.parse_args()
    if args.missing:
        missing(args.missing)
    elif args.check:
        return check()
    elif args.folder:
        fill(args.folder)
    else:
        parser.error("give a folder of drafts, --missing LANG or --check")
    return 0


if __name__ == "__main__":
    sys.exit(main())
