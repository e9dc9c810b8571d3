#!/usr/bin/env python3
"""Coverage of running text by a built data set: the share of word tokens whose lemma
(the token itself, or a base the forms file gives it) is a headword of the main
dictionary of that language, and how many of the most frequent lemmas have an entry.
Without texts it measures the Debian texts the data build measures (frequency.py).
    coverage.py --sources BUILD/data-build/sources --lang fr|pl [--polimorf DUMP]
                [--ranking-sources OTHER/sources] [--missing FILE] [TEXT_FILE...]
--ranking-sources ranks the lemmas through another data set's forms, so that two
data sets are measured against the same ranking. --missing writes the ranked lemmas
that have no entry, the most frequent first: the work list of the hand-made entries."""

import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import datalib  # noqa: E402
import frequency  # noqa: E402


def missing_lemmas(ranking, headwords):
    """[(rank, lemma, occurrences)] of the ranked lemmas without an entry."""
    return [(rank, lemma, occurrences) for rank, (lemma, occurrences) in enumerate(ranking, 1)
            if lemma not in headwords]


def write_missing(path, ranking, headwords):
    """Writes rank<TAB>lemma<TAB>occurrences of the lemmas without an entry."""
    datalib.write_lines(path, [f"{rank}\t{lemma}\t{occurrences:.0f}"
                               for rank, lemma, occurrences in missing_lemmas(ranking, headwords)])


def text_corpus(paths):
    corpus = []
    for path in paths:
        with open(path, encoding="utf-8", errors="replace") as f:
            corpus.append((os.path.basename(path), path, frequency.token_counts([f.read()])))
    return corpus


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--sources", required=True)
    parser.add_argument("--lang", choices=frequency.FILES, required=True)
    parser.add_argument("--polimorf",
                        help="the PoliMorf dump, which ranks Polish tokens the forms file lacks")
    parser.add_argument("--ranking-sources", help="rank the lemmas through this data set's forms")
    parser.add_argument("--missing", help="write the ranked lemmas without an entry to this file")
    parser.add_argument("texts", nargs="*")
    args = parser.parse_args()
    if args.lang == "pl" and not args.polimorf:
        parser.error("Polish needs --polimorf")
    corpus = text_corpus(args.texts) if args.texts else frequency.read_corpus(args.lang)
    data_set = frequency.DataSet(args.sources, args.lang)
    ranking_set = frequency.DataSet(args.ranking_sources, args.lang) if args.ranking_sources else data_set
    corpus, lemmas = frequency.filtered_corpus(args.lang, corpus, ranking_set, args.polimorf)
    ranking = frequency.ranking_of(args.lang, corpus, ranking_set, lemmas)
    frequency.report(args.lang, corpus, data_set, ranking)
    if args.missing:
        write_missing(args.missing, ranking, data_set.headwords)


if __name__ == "__main__":
    main()
