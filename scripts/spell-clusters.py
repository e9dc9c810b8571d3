#!/usr/bin/env python3
"""Writes the letter clusters the spell checker allows, from the forms dictionaries.

A cluster is a run of two or more vowels, or of two or more consonants, inside a word.
The spell checker proposes a single-edit correction only when the runs around the edit
are clusters the language has, so a list per language is counted here from every form
of its forms dictionary (lower case, up to 7 letters, seen in at least --min-forms
forms, most frequent first) and written as readable source:

  spell-clusters.py [--pl POL_FORMS] [--fr FRENCH_FORMS] [--output FILE]

The forms files are the readable sources of the data build ("form\\{{code}}base"
lines); by default the full set in build/data-build/sources/, else the bundled data/.
"""
import argparse
import collections
import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
VOWELS = set("aeiouyąęóàâäéèêëîïôöùûüÿæœáíúý")
MAX_CLUSTER = 7
# Letters the two code pages can hold; a form with any other letter is left out.
LETTERS = set("abcdefghijklmnopqrstuvwxyząćęłńóśźżàâäçéèêëîïôöùûüÿæœáíúýčďěňřšťůž")
LANGUAGES = (("pl", "pol2.so.txt", "kKlastryPl", "Polish"), ("fr", "franc2.so.txt", "kKlastryFr", "French"))


def forms(path):
    seen = set()
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            form = line.split("\\", 1)[0].strip().lower()
            if form and form not in seen:
                seen.add(form)
                yield form


def runs(word):
    """The maximal runs of vowels and of consonants; any other character ends a run."""
    run, kind = "", None
    for c in word + " ":
        c_kind = ("v" if c in VOWELS else "c") if c in LETTERS else None
        if c_kind != kind or c_kind is None:
            if kind is not None and len(run) >= 2:
                yield run
            run, kind = "", c_kind
        if c_kind is not None:
            run += c
    return


def clusters(path, min_forms):
    counts = collections.Counter()
    for form in forms(path):
        if all(c in LETTERS or not c.isalpha() for c in form):
            counts.update(set(r for r in runs(form) if len(r) <= MAX_CLUSTER))
    kept = [c for c, n in counts.items() if n >= min_forms]
    return sorted(kept, key=lambda c: (-counts[c], c))


def tag_lines(items, width=100):
    lines, line = [], ""
    for item in items:
        tag = "<" + item + ">"
        if len(line) + len(tag) > width:
            lines.append(line)
            line = ""
        line += tag
    if line:
        lines.append(line)
    return lines


def source(lists):
    out = [
        "// The letter clusters of Polish and French words: every run of two or more vowels or",
        "// of two or more consonants found in the forms dictionaries, most frequent first.",
        "// Written by scripts/spell-clusters.py; run it again rather than edit the lists.",
        '#include "core/tools/untPisowniaKlastry.h"',
        "",
        "namespace velmar {",
        "",
    ]
    for name, language, items in lists:
        out.append(f"// {language}: {len(items)} clusters.")
        out.append(f"const std::string_view {name} =")
        out.extend(f'    "{line}"' for line in tag_lines(items))
        out[-1] += ";"
        out.append("")
    out.append("} // namespace velmar")
    return "\n".join(out) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    full = ROOT / "build" / "data-build" / "sources"
    folder = full if (full / "pol2.so.txt").exists() else ROOT / "data"
    parser.add_argument("--pl", type=pathlib.Path, default=folder / "pol2.so.txt")
    parser.add_argument("--fr", type=pathlib.Path, default=folder / "franc2.so.txt")
    parser.add_argument("--min-forms", type=int, default=2)
    parser.add_argument("--output", type=pathlib.Path, default=ROOT / "src" / "core" / "tools" / "untPisowniaKlastryListy.cpp")
    args = parser.parse_args()
    paths = {"pl": args.pl, "fr": args.fr}
    lists = [(name, language, clusters(paths[code], args.min_forms)) for code, _, name, language in LANGUAGES]
    args.output.write_text(source(lists), encoding="utf-8")
    for name, language, items in lists:
        print(f"{language}: {len(items)} clusters, first {''.join('<' + c + '>' for c in items[:12])}", file=sys.stderr)


if __name__ == "__main__":
    main()
