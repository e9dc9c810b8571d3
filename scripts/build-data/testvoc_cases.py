#!/usr/bin/env python3
"""Writes the cases of the testvoc (velmar-cli testvoc): forms of real morphology that
the generators must give. Classes: pl-adj (PoliMorf adjectives, every degree, gender,
number and case), pl-noun and pl-verb (the nouns and verbs of polish-noun-codes.txt and
polish-verb-codes.txt with their fitted codes, on the cells the fitting did not use),
fr-verb (every verbiste verb, every simple tense and person),
fr-noun and fr-adj (hunspell-fr plurals and feminines). --sample K keeps every K-th
Polish lemma, --sample-fr K every K-th French one (a fixed choice: the lemmas are
taken in sorted order); the fixed sample of the unit tests is made with
--sample 1999 --sample-pl-nouns 50 --sample-fr 100."""

import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import datalib  # noqa: E402
import fit_codes  # noqa: E402
import french  # noqa: E402
import polimorf  # noqa: E402
import verbiste  # noqa: E402

CASES = {"nom": 1, "gen": 2, "dat": 3, "acc": 4, "inst": 5, "loc": 6, "voc": 7}
SINGULAR_GENDER = {"m1": 0, "m2": 2, "m3": 1, "f": 3, "n1": 4, "n2": 4}
PLURAL_GENDER = {"m1": 0, "m3": 1}   # personal and non-personal plural
DEGREES = {"pos": 0, "com": 1, "sup": 2}
FRENCH_TENSES = {"indicative:present": 1, "indicative:imperfect": 2, "indicative:simple-past": 3,
                 "indicative:future": 4, "conditional:present": 5, "subjunctive:present": 6,
                 "subjunctive:imperfect": 7}


def sampled(lemmas, every):
    return [lemma for index, lemma in enumerate(sorted(lemmas)) if index % every == 0]


def case_line(word_class, group, language, word, features, forms):
    return "\t".join([word_class, group, language, word, features, "|".join(sorted(forms))])


def polish_adjectives(dump, every):
    cells = {}
    with open(dump, encoding="utf-8") as f:
        for line in f:
            fields = line.rstrip("\n").split("\t")
            if len(fields) != 3 or not fields[1].isalpha() or not fields[1].islower():
                continue
            form, lemma, tags = fields
            for tag in tags.split("+"):
                if not tag.startswith("adj:"):
                    continue
                for atomic in polimorf.atomic_tags(tag):
                    parts = atomic.split(":")
                    if len(parts) < 5 or parts[4] not in DEGREES:
                        continue
                    number, case, gender, degree = parts[1], parts[2], parts[3], parts[4]
                    genders = SINGULAR_GENDER if number == "sg" else PLURAL_GENDER
                    if gender not in genders:
                        continue
                    key = (case, number, genders[gender], degree)
                    cells.setdefault(lemma, {}).setdefault(key, set()).add(form)
    for lemma in sampled(cells, every):
        for (case, number, gender, degree), forms in sorted(cells[lemma].items()):
            features = (f"case={CASES[case]},number={1 if number == 'sg' else 2},"
                        f"gender={gender},degree={DEGREES[degree]}")
            yield case_line("pl-adj", degree, "pl", f"{lemma} *7", features, forms)


def noun_cell_features(gender, cell):
    return f"case={cell + 1},number=1" if cell < 7 else f"case={cell - 6},number=2"


def polish_fitted(dump, every, word_class, table, cells_of, key_cells, features_of):
    """Cases of the held-out cells of the words of a fitted-code table."""
    fitted = datalib.read_fitted_codes(os.path.join(fit_codes.HERE, table))
    chosen = sampled(fitted, every)
    morphology = polimorf.read_dump(dump, set(chosen))
    for lemma in chosen:
        found = cells_of(morphology.get(lemma, []))
        if not found:
            continue
        kind, cells = found
        code = fitted[lemma]
        for cell, forms in enumerate(cells):
            if forms and cell not in key_cells:
                yield case_line(word_class, code, "pl", f"{lemma} *{code}", features_of(kind, cell), forms)


def french_verbs(every):
    templates = verbiste.read_templates()
    verbs = dict(verbiste.read_verbs())
    for lemma in sampled(verbs, every):
        cells = verbiste.conjugate(lemma, verbs[lemma], templates)
        if not cells or not datalib.encodable(lemma, "fr"):
            continue
        for cell, tense in FRENCH_TENSES.items():
            for person, forms in enumerate(cells[cell], start=1):
                if forms:
                    yield case_line("fr-verb", verbs[lemma], "fr", f"{lemma}*4",
                                    f"form={tense},person={person}", forms)


def french_nominals(every):
    """Plural of nouns (code by gender), feminine and plural of adjectives."""
    lemmas = {word for word in french.nominal_lemmas() if datalib.encodable(word, "fr")}
    chosen = set(sampled(lemmas, every))
    analyses = french.analyse(french.expand(chosen))
    cells = {}
    for form, readings in analyses.items():
        for analysis in readings:
            lemma = analysis["st"]
            if lemma not in chosen:
                continue
            for pos in analysis["po"] & {"nom", "adj"}:
                genders = analysis["is"] & {"mas", "fem"} or {"mas", "fem"}
                numbers = analysis["is"] & {"sg", "pl"} or {"sg", "pl"}
                for gender in genders:
                    for number in numbers:
                        cells.setdefault((pos, lemma), {}).setdefault((gender, number), set()).add(form)
    for (pos, lemma), table in sorted(cells.items()):
        if pos == "nom":
            genders = {g for g, _ in table}
            if len(genders) != 1 or (next(iter(genders)), "pl") not in table:
                continue
            gender = next(iter(genders))
            code = "1" if gender == "mas" else "2"
            yield case_line("fr-noun", code, "fr", f"{lemma}*{code}", "number=2", table[(gender, "pl")])
        else:
            for (gender, number), forms in sorted(table.items()):
                if (gender, number) != ("mas", "sg"):
                    features = f"number={1 if number == 'sg' else 2},gender={1 if gender == 'mas' else 2}"
                    yield case_line("fr-adj", "7", "fr", f"{lemma}*7", features, forms)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--polimorf", required=True, help="the PoliMorf dump; made when missing")
    parser.add_argument("--sample", type=int, default=1, help="keep every K-th Polish lemma")
    parser.add_argument("--sample-pl-nouns", type=int, default=1, help="keep every K-th fitted noun and verb")
    parser.add_argument("--sample-fr", type=int, default=1, help="keep every K-th French lemma")
    parser.add_argument("output")
    args = parser.parse_args()
    if not os.path.exists(args.polimorf):
        print("[testvoc] dumping PoliMorf from morfologik-polish (about 30 s)", flush=True)
        polimorf.dump(args.polimorf)
    lines = []
    for name, cases in (("Polish adjectives", lambda: polish_adjectives(args.polimorf, args.sample)),
                        ("Polish nouns", lambda: polish_fitted(
                            args.polimorf, args.sample_pl_nouns, "pl-noun", "polish-noun-codes.txt",
                            fit_codes.noun_cells, fit_codes.KEY_CELLS, noun_cell_features)),
                        ("Polish verbs", lambda: polish_fitted(
                            args.polimorf, args.sample_pl_nouns, "pl-verb", "polish-verb-codes.txt",
                            fit_codes.verb_cells, fit_codes.VERB_KEY_CELLS, fit_codes.verb_cell_features)),
                        ("French verbs", lambda: french_verbs(args.sample_fr)),
                        ("French nouns and adjectives", lambda: french_nominals(args.sample_fr))):
        print(f"[testvoc] cases of the {name}", flush=True)
        lines.extend(cases())
    datalib.write_lines(args.output, lines)
    print(f"[testvoc] {len(lines)} cases in {args.output}")


if __name__ == "__main__":
    main()
