#!/usr/bin/env python3
"""Fills the German and Japanese .ts files from tab-separated tables.

Each line of translations/pending/*.tsv reads: context, source, German,
Japanese, tab-separated, with \\n for a line break and \\t for a tab. A message
of a .ts file whose context and source match gets the translations and is no
longer unfinished. Run the update_translations target afterwards so lupdate
writes the files in its own form. Usage: fill-translations.py [REPOSITORY]
"""
import glob
import os
import sys
import xml.etree.ElementTree as ElementTree


def unescape(text):
    return text.replace("\\n", "\n").replace("\\t", "\t")


def read_tables(folder):
    table = {}
    for path in sorted(glob.glob(os.path.join(folder, "*.tsv"))):
        with open(path, encoding="utf-8") as lines:
            for number, line in enumerate(lines, 1):
                fields = line.rstrip("\n").split("\t")
                if len(fields) != 4:
                    print(f"{path}:{number}: expected 4 fields", file=sys.stderr)
                    continue
                context, source, german, japanese = map(unescape, fields)
                table[(context, source)] = {"de": german, "ja": japanese}
    return table


def fill(ts_path, language, table):
    tree = ElementTree.parse(ts_path)
    filled = missing = 0
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            found = table.get((name, source))
            if found and found[language]:
                translation.text = found[language]
                translation.attrib.pop("type", None)
                filled += 1
            elif translation.get("type") == "unfinished":
                missing += 1
                print(f"{os.path.basename(ts_path)}: no translation: {name}: {source!r}")
    tree.write(ts_path, encoding="utf-8", xml_declaration=True)
    return filled, missing


def main():
    repository = sys.argv[1] if len(sys.argv) > 1 else "."
    table = read_tables(os.path.join(repository, "translations", "pending"))
    status = 0
    for language in ("de", "ja"):
        path = os.path.join(repository, "translations", f"tavrin_{language}.ts")
        filled, missing = fill(path, language, table)
        print(f"{path}: {filled} filled, {missing} still missing")
        status |= missing > 0
    return status


if __name__ == "__main__":
    sys.exit(main())
