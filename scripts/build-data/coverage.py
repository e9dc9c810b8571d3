#!/usr/bin/env python3
"""Coverage of running text by the built data: the share of word tokens of a text
whose lemma (the token itself, or a base form the forms file gives it) is a headword
of the main dictionary of that language.
    coverage.py --sources BUILD/data-build/sources --lang fr|pl TEXT_FILE..."""

import argparse
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import datalib  # noqa: E402

FILES = {"fr": ("frpol2.sg", "franc2.so"), "pl": ("polfr2.sg", "pol2.so")}
WORD = re.compile(r"[^\W\d_]+(?:['’-][^\W\d_]+)*")


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--sources", required=True)
    parser.add_argument("--lang", choices=FILES, required=True)
    parser.add_argument("texts", nargs="+")
    args = parser.parse_args()
    main_file, forms_file = FILES[args.lang]
    headwords = {datalib.main_key(line) for line in datalib.read_lines(os.path.join(args.sources, main_file + ".txt"))}
    bases = {}
    for line in datalib.read_lines(os.path.join(args.sources, forms_file + ".txt")):
        form, base = datalib.forms_pair(line)
        bases.setdefault(form, set()).add(base)
    tokens = covered = 0
    for path in args.texts:
        with open(path, encoding="utf-8", errors="replace") as f:
            for token in WORD.findall(f.read()):
                tokens += 1
                candidates = {token, token.lower()}
                lemmas = candidates | {b for c in candidates for b in bases.get(c, ())}
                covered += 1 if lemmas & headwords else 0
    print(f"{args.lang}: {covered} of {tokens} tokens have a headword as lemma "
          f"({100.0 * covered / max(tokens, 1):.1f}%)")


if __name__ == "__main__":
    main()
