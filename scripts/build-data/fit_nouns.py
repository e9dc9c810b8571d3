#!/usr/bin/env python3
"""Fits the codes of the Polish nouns of the main dictionaries to their PoliMorf
paradigms with velmar-cli fit-nouns, and writes the versioned table
polish-noun-codes.txt ("lemma<TAB>code<TAB>held-out cells agreeing/known") that the
data build reads, so that builds are stable. Run it again after changing the noun
generator: scripts/build-data/fit_nouns.py --velmar-cli build/bin/velmar-cli --polimorf DUMP"""

import argparse
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import datalib  # noqa: E402
import freedict  # noqa: E402
import polimorf  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
CASES = ["nom", "gen", "dat", "acc", "inst", "loc", "voc"]
# The cells velmar-cli fit-nouns fits on; the others are held out.
KEY_CELLS = {0, 1, 5, 7, 8}
GENDER_TYPE = {"m1": "0", "m2": "2", "m3": "1", "f": "3", "n1": "4", "n2": "4"}


def noun_cells(readings):
    """(gender type, 13 cells of alternatives) of a noun in its most attested gender
    ("kot" is listed as animate and as personal), or None for a plural-only noun."""
    by_gender = {}
    for form, tag in readings:
        for atomic in polimorf.atomic_tags(tag):
            parts = atomic.split(":")
            if parts[0] != "subst" or len(parts) < 4 or parts[2] not in CASES:
                continue
            number, case, gender = parts[1], parts[2], parts[3]
            if number == "pl" and case == "voc":
                continue
            cells = by_gender.setdefault(gender, [set() for _ in range(13)])
            cells[CASES.index(case) + (7 if number == "pl" else 0)].add(form)
    if not by_gender:
        return None
    gender = max(by_gender, key=lambda g: sum(len(c) for c in by_gender[g]))
    if gender not in GENDER_TYPE:
        return None
    return GENDER_TYPE[gender], by_gender[gender]


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--velmar-cli", required=True)
    parser.add_argument("--polimorf", required=True)
    parser.add_argument("--work", default="/tmp")
    parser.add_argument("--output", default=os.path.join(HERE, "polish-noun-codes.txt"))
    args = parser.parse_args()

    entries = freedict.read_dictionary("/usr/share/dictd/freedict-pol-fra.index",
                                       "/usr/share/dictd/freedict-pol-fra.dict.dz")
    french_polish = freedict.read_dictionary("/usr/share/dictd/freedict-fra-pol.index",
                                             "/usr/share/dictd/freedict-fra-pol.dict.dz")
    lemmas = {e.headword for e in entries if " " not in e.headword}
    lemmas |= {t for e in french_polish for s in e.senses for t in s if " " not in t}
    morphology = polimorf.read_dump(args.polimorf, lemmas)
    nouns = []
    for lemma in sorted(morphology):
        if polimorf.word_class(morphology[lemma])[0] != "subst" or datalib.clean_word(lemma, "pl") is None:
            continue
        found = noun_cells(morphology[lemma])
        if found:
            gender, cells = found
            nouns.append(f"{lemma}\t{gender}\t" + ";".join("|".join(sorted(c)) for c in cells))
    source = os.path.join(args.work, "velmar-nouns-to-fit.tsv")
    datalib.write_lines(source, nouns)
    candidates = {}
    with open(os.path.join(HERE, "noun-candidates.txt"), encoding="utf-8") as f:
        for line in f:
            words = line.split("#", 1)[0].split()
            if words:
                candidates[words[0]] = ",".join(words[1:])
    print(f"[fit] fitting {len(nouns)} nouns", flush=True)
    run = subprocess.run([args.velmar_cli, "fit-nouns", "--patterns", candidates["patterns"],
                          "--alternations", candidates["alternations"], source],
                         capture_output=True, text=True, check=True)
    header = ["# Fitted codes of Polish nouns: lemma, code, held-out cells agreeing/known.",
              "# Made by fit_nouns.py; the data build reads it. " + run.stderr.strip()]
    datalib.write_lines(args.output, header + run.stdout.splitlines())
    print(f"[fit] {run.stderr.strip()}")


if __name__ == "__main__":
    main()
