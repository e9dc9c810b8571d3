#!/usr/bin/env python3
"""Fits the codes of the Polish nouns and verbs of the main dictionaries to their
PoliMorf paradigms with velmar-cli fit-nouns and fit-verbs, and writes the versioned
tables polish-noun-codes.txt and polish-verb-codes.txt ("lemma<TAB>code<TAB>held-out
cells agreeing/known") that the data build reads, so that builds are stable. Run it
again after changing the generators, and with --sources (a built data set's readable
sources) after the build takes in new Polish words, so that they get codes too:
    scripts/build-data/fit_codes.py --velmar-cli build/bin/velmar-cli --polimorf DUMP
        [--sources build/data-build/sources]"""

import argparse
import os
import re
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


VERB_CELLS = {("fin", "sg", "pri"): 0, ("fin", "sg", "sec"): 1, ("fin", "sg", "ter"): 2,
              ("fin", "pl", "pri"): 3, ("fin", "pl", "sec"): 4, ("fin", "pl", "ter"): 5,
              ("impt", "sg", "sec"): 11}
PAST_CELLS = {("sg", "m1"): 6, ("sg", "m2"): 6, ("sg", "m3"): 6, ("sg", "f"): 7, ("sg", "n1"): 8,
              ("sg", "n2"): 8, ("pl", "m1"): 9, ("pl", "p1"): 9}


# The cells velmar-cli fit-verbs fits on (present 1sg and 3pl, past 3sg masculine,
# imperative 2sg); the others are held out.
VERB_KEY_CELLS = {0, 5, 6, 11}


def verb_cell_features(aspect, cell):
    """The generator features of a verb cell, as velmar-cli fit-verbs asks for it."""
    if cell < 6:
        return f"form={3 if aspect == 'perf' else 1},person={cell + 1}"
    if cell < 9:
        return f"form=2,person=3,subject-gender={[1, 3, 4][cell - 6]}"
    if cell < 11:
        return f"form=2,person=6,subject-number=2,subject-gender={0 if cell == 9 else 3}"
    return "form=5,person=2"


def verb_cells(readings):
    """(aspect, 12 cells of alternatives) of a verb; a verb of both aspects counts as
    imperfective."""
    aspects = set()
    cells = [set() for _ in range(12)]
    for form, tag in readings:
        for atomic in polimorf.atomic_tags(tag):
            parts = atomic.split(":")
            if parts[0] != "verb" or len(parts) < 5:
                continue
            if parts[1] in ("fin", "impt"):
                aspects.add(parts[4])
                cell = VERB_CELLS.get((parts[1], parts[2], parts[3]))
            elif parts[1] == "praet" and len(parts) >= 6 and parts[4] == "ter":
                aspects.add(parts[5])
                cell = PAST_CELLS.get((parts[2], parts[3]), 10 if parts[2] == "pl" else None)
            else:
                continue
            if cell is not None:
                cells[cell].add(form)
    if not aspects:
        return None
    return ("imperf" if "imperf" in aspects else "perf"), cells


# The stem alternations that rewrite the end of a stem, with the letters that must be
# near the end of the lemma for them to apply: they are tried with every pattern from
# the start, since a pattern without its alternation agrees with nothing ("czwartek"
# needs 13301, and 133 alone says "czwartekiem").
STEM_ALTERNATIONS = [("01", ("e",), 3), ("02", ("ie",), 4), ("03", ("ze",), 4),
                     ("04", ("nie", "sie", "zie", "cie"), 5), ("05", ("ó",), 3), ("06", ("ą",), 3)]


def stem_alternations(lemma):
    """The stem alternations whose letters the end of lemma holds."""
    return tuple(code for code, letters, reach in STEM_ALTERNATIONS
                 if any(letter in lemma[-reach:] for letter in letters))


def run_fit(velmar_cli, command, options, lines, work):
    """{lemma: (code, held-out cells agreeing, known)} of one velmar-cli fit run."""
    source = os.path.join(work, f"velmar-{command}.tsv")
    datalib.write_lines(source, lines)
    run = subprocess.run([velmar_cli, command, *options, source], capture_output=True, text=True, check=True)
    fitted = {}
    for line in run.stdout.splitlines():
        lemma, code, score = line.split("\t")
        agree, known = score.split("/")
        fitted[lemma] = (code, int(agree), int(known))
    return fitted


def write_table(output, title, fitted):
    agree = sum(a for _, a, _ in fitted.values())
    known = sum(k for _, _, k in fitted.values())
    header = [f"# Fitted codes of Polish {title}: lemma, code, held-out cells agreeing/known.",
              f"# Made by fit_codes.py; the data build reads it. held-out cells agreeing: {agree} of {known}"]
    datalib.write_lines(output, header + [f"{lemma}\t{code}\t{a}/{k}" for lemma, (code, a, k) in fitted.items()])
    print(f"[fit] {title}: held-out cells agreeing: {agree} of {known}")


def fit_nouns(velmar_cli, candidates, nouns, work):
    """Nouns in groups of the same stem alternations, each pattern also tried with each
    of them."""
    groups = {}
    for line in nouns:
        groups.setdefault(stem_alternations(line.split("\t", 1)[0]), []).append(line)
    fitted = {}
    for alternations, lines in groups.items():
        patterns = candidates["patterns"] + [p + a for a in alternations for p in candidates["patterns"]]
        print(f"[fit] fit-nouns: {len(lines)} words with the alternations {','.join(alternations) or '-'}",
              flush=True)
        fitted.update(run_fit(velmar_cli, "fit-nouns", ["--patterns", ",".join(patterns), "--alternations",
                                                        ",".join(candidates["alternations"])], lines, work))
    return {line.split("\t", 1)[0]: fitted[line.split("\t", 1)[0]] for line in nouns}


def fit_classes(velmar_cli, classes, verbs, work):
    """Classes that agree on as many key cells are told apart by the held-out ones: the
    first such class in candidate order, unless the last agrees with more ("kaszleć"
    conjugates by 9, not by 71, which shares its key cells)."""
    first = run_fit(velmar_cli, "fit-verbs", ["--classes", ",".join(classes)], verbs, work)
    last = run_fit(velmar_cli, "fit-verbs", ["--classes", ",".join(reversed(classes))], verbs, work)
    return {lemma: last[lemma] if last[lemma][1] > first[lemma][1] else first[lemma] for lemma in first}


# The "-eć, -eje" class makes no passive participle: its verbs ("istnieć", "siwieć") take
# no object. A verb PoliMorf gives one takes another class that agrees with its forms
# as well ("oprzeć": "oprę", "oparł", "oparty" beside the variants "oprzeję", "oprzał").
CLASSES_WITHOUT_OBJECT = {"3"}


def has_passive_participle(readings):
    return any(tag.startswith("ppas:") for _, tag in readings)


def fit_verbs(velmar_cli, candidates, verbs, work, with_passive=frozenset()):
    """Verbs; those of with_passive (lemmas with a passive participle) fitted to a class
    of verbs without an object are fitted again without those classes, and keep the
    new class when it agrees with as many held-out cells."""
    print(f"[fit] fit-verbs: {len(verbs)} words", flush=True)
    fitted = fit_classes(velmar_cli, candidates["classes"], verbs, work)
    refit = [line for line in verbs if line.split("\t", 1)[0] in with_passive
             and fitted[line.split("\t", 1)[0]][0][1:] in CLASSES_WITHOUT_OBJECT]
    if refit:
        classes = [c for c in candidates["classes"] if c not in CLASSES_WITHOUT_OBJECT]
        others = fit_classes(velmar_cli, classes, refit, work)
        fitted.update({lemma: fit for lemma, fit in others.items() if fit[1] >= fitted[lemma][1]})
    return fitted


def read_candidates():
    """{"patterns" | "alternations" | "classes": [codes]} of code-candidates.txt."""
    candidates = {}
    with open(os.path.join(HERE, "code-candidates.txt"), encoding="utf-8") as f:
        for line in f:
            words = line.split("#", 1)[0].split()
            if words:
                candidates[words[0]] = words[1:]
    return candidates


def built_words(sources):
    """The Polish headwords of a built data set and every word of its French–Polish
    entries (those that are no PoliMorf lemma fall out later)."""
    words = {datalib.main_key(line) for line in datalib.read_lines(os.path.join(sources, "polfr2.sg.txt"))}
    for line in datalib.read_lines(os.path.join(sources, "frpol2.sg.txt")):
        words.update(re.findall(r"[^\W\d_]+", line.split("_", 1)[-1]))
    return {word for word in words if " " not in word}


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--velmar-cli", required=True)
    parser.add_argument("--polimorf", required=True)
    parser.add_argument("--sources", help="a built data set whose Polish words get codes as well")
    parser.add_argument("--work", default="/tmp")
    args = parser.parse_args()

    entries = freedict.read_dictionary("/usr/share/dictd/freedict-pol-fra.index",
                                       "/usr/share/dictd/freedict-pol-fra.dict.dz")
    french_polish = freedict.read_dictionary("/usr/share/dictd/freedict-fra-pol.index",
                                             "/usr/share/dictd/freedict-fra-pol.dict.dz")
    lemmas = {e.headword for e in entries if " " not in e.headword}
    lemmas |= {t for e in french_polish for s in e.senses for t in s.translations if " " not in t}
    if args.sources:
        lemmas |= built_words(args.sources)
    morphology = polimorf.read_dump(args.polimorf, lemmas)
    nouns, verbs = [], []
    for lemma in sorted(morphology):
        word_class = polimorf.word_class(morphology[lemma])[0]
        if datalib.clean_word(lemma, "pl") is None:
            continue
        found = noun_cells(morphology[lemma]) if word_class == "subst" else \
            verb_cells(morphology[lemma]) if word_class == "verb" else None
        if found:
            kind, cells = found
            line = f"{lemma}\t{kind}\t" + ";".join("|".join(sorted(c)) for c in cells)
            (nouns if word_class == "subst" else verbs).append(line)
    candidates = read_candidates()
    write_table(os.path.join(HERE, "polish-noun-codes.txt"), "nouns",
                fit_nouns(args.velmar_cli, candidates, nouns, args.work))
    with_passive = {lemma for lemma, readings in morphology.items() if has_passive_participle(readings)}
    write_table(os.path.join(HERE, "polish-verb-codes.txt"), "verbs",
                fit_verbs(args.velmar_cli, candidates, verbs, args.work, with_passive))


if __name__ == "__main__":
    main()
