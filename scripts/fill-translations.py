#!/usr/bin/env python3
"""Fills the unfinished translations of a .ts file from a table of Dutch -> English lines.

The table (translations/english.tsv) has one text a line: the Dutch source text, a tab, the
English text; "\\n" in either stands for a line break. A text of the .ts that the table has is
marked finished with the table's translation; the others are left as they are.
Usage: scripts/fill-translations.py translations/quorvel_en.ts translations/english.tsv
"""
import html
import re
import sys


def main():
    ts_path, table_path = sys.argv[1], sys.argv[2]
    table = {}
    with open(table_path, encoding="utf-8") as table_file:
        for number, line in enumerate(table_file, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            if line.count("\t") != 1:
                sys.exit(f"{table_path}:{number}: one tab between the two texts expected")
            dutch, english = (part.replace("\\n", "\n") for part in line.split("\t"))
            table[dutch] = english
    text = open(ts_path, encoding="utf-8").read()

    def fill(match):
        source = html.unescape(match.group(1))
        if source not in table:
            return match.group(0)
        english = html.escape(table[source], quote=False)
        return f"<source>{match.group(1)}</source>\n        <translation>{english}</translation>"

    text = re.sub(r"<source>(.*?)</source>\s*<translation[^>]*>.*?</translation>", fill, text,
                  flags=re.S)
    open(ts_path, "w", encoding="utf-8").write(text)


main()
