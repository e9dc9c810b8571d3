#!/usr/bin/env python3
"""The most frequent nouns, verbs and adjectives of free running text, by lemma: Polish
from the fortunes-pl sayings, lemmatised with PoliMorf; French from the French manual
pages, stripped of their roff markup and lemmatised with hunspell-fr. A word form counts
only when every reading of it is a noun, verb or adjective (so "się", "nie", "la" and
"est-ce" weigh nothing); a form of several such lemmas counts a share to each.
    scripts/build-data/frequent_words.py --polimorf DUMP [--count N] pl|fr
prints "rank<TAB>lemma<TAB>class<TAB>occurrences" lines."""

import argparse
import collections
import glob
import gzip
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import french  # noqa: E402
import polimorf  # noqa: E402

FORTUNES_DIR = "/usr/share/games/fortunes/pl"
MAN_DIR = "/usr/share/man/fr"
COUNT = 2000

WORD = re.compile(r"[^\W\d_]+(?:-[^\W\d_]+)*")

# The spelling of "się" without its diacritic, frequent in sayings typed in plain ASCII,
# is also a form of the rare noun "si".
POLISH_IGNORED = {"sie"}
POLISH_CLASSES = {"subst": "noun", "depr": "noun", "adj": "adjective", "adjc": "adjective",
                  "adjp": "adjective", "adja": "adjective", "verb": "verb", "ger": "verb",
                  "pact": "verb", "ppas": "verb", "pcon": "verb", "pant": "verb"}
# hunspell-fr: a verb's part of speech is its conjugation group ("v1_itnq__a").
FRENCH_VERB = re.compile(r"v\d")


def fortunes_texts(folder=FORTUNES_DIR):
    """The sayings files (not their .dat indexes nor the empty .u8 copies); a file that
    is not UTF-8 text is left out."""
    for path in sorted(glob.glob(os.path.join(folder, "*"))):
        if "." in os.path.basename(path) or not os.path.isfile(path):
            continue
        try:
            with open(path, encoding="utf-8") as f:
                yield f.read()
        except UnicodeDecodeError:
            continue


ROFF_ESCAPES = [
    (re.compile(r"\\f(?:\[[^\]]*\]|\(..|.)"), ""),        # font changes
    (re.compile(r"\\\*(?:\[[^\]]*\]|\(..|.)"), ""),       # strings
    (re.compile(r"\\\((?:aq|cq|oq)"), "'"),               # quotes
    (re.compile(r"\\(?:\[[^\]]*\]|\(..)"), " "),          # special characters
    (re.compile(r"\\s[-+]?\d"), ""),                      # size changes
    (re.compile(r"\\[-e]"), "-"),
    (re.compile(r"\\[&,/c%:|^)]"), ""),
    (re.compile(r"\\."), " "),
]
# Requests whose arguments are running text (font and heading macros).
TEXT_MACROS = {"B", "I", "BR", "BI", "IB", "IR", "RB", "RI", "SH", "SS", "TP", "IP", "SM", "SB"}


def strip_roff(source):
    """The running text of a roff page: text lines and the arguments of the font and
    heading macros, without escapes, comments and other requests."""
    lines = []
    for line in source.split("\n"):
        if line.startswith(('.\\"', "'\\\"", '\\"')):
            continue
        if line.startswith((".", "'")):
            request, _, arguments = line[1:].strip().partition(" ")
            if request not in TEXT_MACROS:
                continue
            line = arguments.replace('"', " ")
        for pattern, replacement in ROFF_ESCAPES:
            line = pattern.sub(replacement, line)
        lines.append(line)
    return "\n".join(lines)


def man_page_texts(folder=MAN_DIR):
    for path in sorted(glob.glob(os.path.join(folder, "**", "*.gz"), recursive=True)):
        with gzip.open(path, "rt", encoding="utf-8", errors="replace") as f:
            yield strip_roff(f.read())


def tokens(texts):
    """{word: occurrences}, lower-cased. A word written with capitals counts only when
    the text has it in small letters as well: at the start of a sentence it is the same
    word, else a name ("Jack") or a placeholder ("TAILLE"). An apostrophe splits a word
    ("l'option": "l", "option"); a single letter is no word here."""
    written = collections.Counter()
    for text in texts:
        written.update(WORD.findall(text.replace("’", "'")))
    counts = collections.Counter()
    for word, occurrences in written.items():
        lower = word.lower()
        if len(word) > 1 and (word == lower or lower in written):
            counts[lower] += occurrences
    return counts


def ranked(shares, count):
    """[(lemma, class, occurrences)] of the count most frequent, the most frequent first
    (equal ones by lemma)."""
    items = sorted(shares.items(), key=lambda item: (-item[1], item[0]))
    return [(lemma, word_class, round(occurrences, 2)) for (lemma, word_class), occurrences in items[:count]]


def add_shares(shares, occurrences, readings):
    """Adds a form's occurrences to its lemmas: nothing when one reading is of another
    class, else an equal share to each (lemma, class)."""
    if not readings or None in readings:
        return
    for reading in readings:
        shares[reading] += occurrences / len(readings)


def polish_ranking(dump, count=COUNT, texts=None):
    counts = tokens(fortunes_texts() if texts is None else texts)
    for word in POLISH_IGNORED:
        counts.pop(word, None)
    readings = {}
    for form, lemma, tags in polimorf.dump_lines(dump):
        if form in counts:
            found = readings.setdefault(form, set())
            for tag in tags.split("+"):
                word_class = POLISH_CLASSES.get(tag.split(":", 1)[0])
                found.add((lemma, word_class) if word_class and lemma.islower() else None)
    shares = collections.Counter()
    for form, occurrences in counts.items():
        add_shares(shares, occurrences, readings.get(form))
    return ranked(shares, count)


def french_reading(analysis):
    """(lemma, class) of one hunspell-fr analysis, None for a word of another class. A
    past participle (a verb's reading that is an adjective too) counts as the verb; a
    word that is a noun and an adjective at once as the adjective, whose table holds
    both."""
    pos = analysis["po"]
    if any(FRENCH_VERB.match(p) for p in pos):
        return analysis["st"], "verb"
    if "adj" in pos:
        return analysis["st"], "adjective"
    if "nom" in pos:
        return analysis["st"], "noun"
    return None


def french_ranking(count=COUNT, texts=None):
    counts = tokens(man_page_texts() if texts is None else texts)
    analyses = french.analyse(sorted(counts))
    shares = collections.Counter()
    for form, occurrences in counts.items():
        readings = {french_reading(a) for a in analyses.get(form, [])}
        readings = {r for r in readings if r is None or r[0].islower()}
        add_shares(shares, occurrences, readings)
    return ranked(shares, count)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--polimorf", help="the PoliMorf dump (Polish)")
    parser.add_argument("--count", type=int, default=COUNT)
    parser.add_argument("language", choices=["pl", "fr"])
    args = parser.parse_args()
    if args.language == "pl" and not args.polimorf:
        parser.error("Polish needs --polimorf")
    ranking = polish_ranking(args.polimorf, args.count) if args.language == "pl" else french_ranking(args.count)
    for rank, (lemma, word_class, occurrences) in enumerate(ranking, start=1):
        print(f"{rank}\t{lemma}\t{word_class}\t{occurrences}")


if __name__ == "__main__":
    main()
