#!/usr/bin/env python3
"""Writes the cases of the testvoc (velmar-cli testvoc): forms of real morphology that
the tables of the generators must show. Classes: pl-adj (PoliMorf adjectives, every
degree, gender, number and case, and the adverb), pl-noun and pl-verb (the nouns and
verbs of polish-noun-codes.txt and polish-verb-codes.txt with their fitted codes, on the
cells the fitting did not use, and the participles and verbal noun), fr-verb (every
verbiste verb, every simple tense and person), fr-noun and fr-adj (hunspell-fr plurals
and feminines), and pl-frequent and fr-frequent: every cell of the most frequent nouns,
verbs and adjectives of running text (frequent_words.py) with the codes the data set's
dictionary gives them.

A cell the source has no form for is a case too, marked "absent": a comparative of an
adjective PoliMorf has only in the positive must be the analytic one ("bardziej X"), and
an adverb PoliMorf does not list, a participle a verb lacks or a person verbiste leaves
empty must show no form.

--sample K keeps every K-th Polish adjective, --sample-pl-nouns K every K-th fitted noun
and verb, --sample-fr K every K-th French lemma (a fixed choice: the lemmas are taken in
sorted order), --frequent N the N most frequent lemmas of each language (0: none); the
fixed sample of the unit tests is made with --sample 1999 --sample-pl-nouns 50
--sample-fr 100 --frequent 0."""

import argparse
import os
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import datalib  # noqa: E402
import fit_codes  # noqa: E402
import french  # noqa: E402
import frequent_words  # noqa: E402
import polimorf  # noqa: E402
import verbiste  # noqa: E402

CASES = {"nom": 1, "gen": 2, "dat": 3, "acc": 4, "inst": 5, "loc": 6, "voc": 7}
SINGULAR_GENDER = {"m1": 0, "m2": 2, "m3": 1, "f": 3, "n1": 4, "n2": 4}
PLURAL_GENDER = {"m1": 0, "m3": 1}   # personal and non-personal plural
DEGREES = {"pos": 0, "com": 1, "sup": 2}
ANALYTIC_DEGREES = {"com": "bardziej", "sup": "najbardziej"}
FRENCH_TENSES = {"indicative:present": 1, "indicative:imperfect": 2, "indicative:simple-past": 3,
                 "indicative:future": 4, "conditional:present": 5, "subjunctive:present": 6,
                 "subjunctive:imperfect": 7}
# The cells of a verb the table shows besides its tenses: PoliMorf's part of speech, the
# features of the cell (the nominative masculine singular of a participle) and the tag
# fields after the part of speech that the nominative masculine singular form has.
VERB_EXTRA_CELLS = [("pcon", "form=6", None), ("pant", "form=8", None),
                    ("pact", "form=61,case=1,number=1,gender=1", ("sg", "nom", "m3")),
                    ("ppas", "form=7,case=1,number=1,gender=1", ("sg", "nom", "m3")),
                    ("ger", "form=9,case=1,number=1", ("sg", "nom", "n2"))]
FREQUENT_CLASS = {"pl": "pl-frequent", "fr": "fr-frequent"}
NOT_IN_DICTIONARY = ", not in the dictionary"


def sampled(lemmas, every):
    return [lemma for index, lemma in enumerate(sorted(lemmas)) if index % every == 0]


def case_line(word_class, group, language, word, features, forms, absent=False):
    fields = [word_class, group, language, word, features, "|".join(sorted(forms))]
    return "\t".join(fields + (["absent"] if absent else []))


# ---------------------------------------------------------------- Polish adjectives

def adjective_cells(readings):
    """{(case, number, gender, degree): forms} of an adjective's PoliMorf readings."""
    cells = {}
    for form, tag in readings:
        if not tag.startswith("adj:"):
            continue
        for atomic in polimorf.atomic_tags(tag):
            parts = atomic.split(":")
            if len(parts) < 5 or parts[4] not in DEGREES:
                continue
            number, case, gender, degree = parts[1], parts[2], parts[3], parts[4]
            genders = SINGULAR_GENDER if number == "sg" else PLURAL_GENDER
            if gender in genders:
                cells.setdefault((case, number, genders[gender], degree), set()).add(form)
    return cells


def read_adjectives_and_adverbs(dump, only=None):
    """({lemma: [(form, tag)]} of the adjectives written in small letters, or of those
    among only; the AdverbIndex of the adverbs PoliMorf lists)."""
    adjectives, adverbs = {}, set()
    for form, lemma, tags in polimorf.dump_lines(dump):
        if not lemma.isalpha() or not lemma.islower():
            continue
        for tag in tags.split("+"):
            if tag.startswith("adj:") and (only is None or lemma in only):
                adjectives.setdefault(lemma, []).append((form, tag))
            elif tag.startswith("adv") and form == lemma:
                adverbs.add(lemma)
    return adjectives, AdverbIndex(adverbs)


class AdverbIndex:
    """PoliMorf keeps an adverb as a lemma of its own, with no link to its adjective.
    An adjective's adverbs are taken to be those that keep its stem but for the last
    consonant and end in -o or -e ("zielony": "zielono", "dobry": "dobrze", "ładny":
    "ładnie", "dojrzały": "dojrzale"); suppletive ones ("zły": "źle") are missed."""

    def __init__(self, adverbs):
        self.by_stem = {}
        for adverb in adverbs:
            if adverb[-1] in "oe":
                for tail in (2, 3):
                    self.by_stem.setdefault(adverb[:-tail], set()).add(adverb)

    def of(self, adjective):
        stem = adjective[:-2]
        return self.by_stem.get(stem, set()) if len(stem) >= 3 else set()


def adjective_cases(word_class, lemma, cells, adverbs, group=None):
    """Every cell PoliMorf gives, the analytic degrees of an adjective it has only in
    the positive, and the adverb (none when PoliMorf lists none)."""
    word = f"{lemma} *7"
    for (case, number, gender, degree), forms in sorted(cells.items()):
        features = (f"case={CASES[case]},number={1 if number == 'sg' else 2},"
                    f"gender={gender},degree={DEGREES[degree]}")
        yield case_line(word_class, group or degree, "pl", word, features, forms)
    if not any(degree != "pos" for _, _, _, degree in cells):
        for degree, adverb in ANALYTIC_DEGREES.items():
            yield case_line(word_class, group or degree, "pl", word, f"degree={DEGREES[degree]}",
                            [f"{adverb} {lemma}"], absent=True)
    found = adverbs.of(lemma)
    yield case_line(word_class, group or "adverb", "pl", word, "adverb", found, absent=not found)


def polish_adjectives(adjectives, adverbs, every):
    for lemma in sampled(adjectives, every):
        yield from adjective_cases("pl-adj", lemma, adjective_cells(adjectives[lemma]), adverbs)


# ---------------------------------------------------------------- Polish nouns and verbs

def noun_cell_features(kind, cell):
    return f"case={cell + 1},number=1" if cell < 7 else f"case={cell - 6},number=2"


def noun_cases(word_class, group, lemma, code, readings, skipped=frozenset()):
    found = fit_codes.noun_cells(readings)
    if not found:
        return
    kind, cells = found
    for cell, forms in enumerate(cells):
        if forms and cell not in skipped:
            yield case_line(word_class, group, "pl", f"{lemma} *{code}", noun_cell_features(kind, cell), forms)


def verb_extra_cells(readings):
    """{part of speech: forms} of the participles and verbal noun PoliMorf gives, in
    the cell the table shows; a negated form ("nieczytany") is no form of the verb."""
    cells = {}
    for form, tag in readings:
        for atomic in polimorf.atomic_tags(tag):
            parts = atomic.split(":")
            for pos, _, fields in VERB_EXTRA_CELLS:
                if parts[0] == pos and (fields is None or
                                        (tuple(parts[1:4]) == fields and parts[5:6] == ["aff"])):
                    cells.setdefault(pos, set()).add(form)
    return cells


def verb_cases(word_class, group, lemma, code, readings, skipped=frozenset()):
    """The tenses PoliMorf gives, and every participle and the verbal noun: PoliMorf's
    forms, or none where it has none (a perfective verb has no present participles)."""
    found = fit_codes.verb_cells(readings)
    if not found:
        return
    aspect, cells = found
    word = f"{lemma} *{code}"
    for cell, forms in enumerate(cells):
        if forms and cell not in skipped:
            yield case_line(word_class, group, "pl", word, fit_codes.verb_cell_features(aspect, cell), forms)
    extra = verb_extra_cells(readings)
    for pos, features, _ in VERB_EXTRA_CELLS:
        forms = extra.get(pos, set())
        yield case_line(word_class, group, "pl", word, features, forms, absent=not forms)


def polish_fitted(dump, every, word_class, table, make_cases, key_cells):
    """Cases of the held-out cells of the words of a fitted-code table."""
    fitted = datalib.read_fitted_codes(os.path.join(fit_codes.HERE, table))
    chosen = sampled(fitted, every)
    morphology = polimorf.read_dump(dump, set(chosen))
    for lemma in chosen:
        code = fitted[lemma]
        yield from make_cases(word_class, code, lemma, code, morphology.get(lemma, []), key_cells)


# ---------------------------------------------------------------- French

def french_verb_cases(word_class, group, lemma, cells):
    """Every simple tense and person; a person verbiste leaves empty ("il pleut" has no
    first person) must show no form."""
    for cell, tense in FRENCH_TENSES.items():
        for person, forms in enumerate(cells[cell], start=1):
            features = f"form={tense},person={person}" + (",subject-number=2" if person > 3 else "")
            yield case_line(word_class, group, "fr", f"{lemma}*4", features, forms, absent=not forms)


def french_verbs(every):
    templates = verbiste.read_templates()
    verbs = dict(verbiste.read_verbs())
    for lemma in sampled(verbs, every):
        cells = verbiste.conjugate(lemma, verbs[lemma], templates)
        if cells and datalib.encodable(lemma, "fr"):
            yield from french_verb_cases("fr-verb", verbs[lemma], lemma, cells)


def french_nominal_tables(lemmas):
    """{(part of speech, lemma): {(gender, number): forms}} of hunspell-fr."""
    analyses = french.analyse(french.expand(lemmas))
    cells = {}
    for form, readings in analyses.items():
        for analysis in readings:
            lemma = analysis["st"]
            if lemma not in lemmas:
                continue
            for pos in analysis["po"] & {"nom", "adj"}:
                genders = analysis["is"] & {"mas", "fem"} or {"mas", "fem"}
                numbers = analysis["is"] & {"sg", "pl"} or {"sg", "pl"}
                for gender in genders:
                    for number in numbers:
                        cells.setdefault((pos, lemma), {}).setdefault((gender, number), set()).add(form)
    return cells


def french_noun_case(word_class, lemma, table, code=None, group=None):
    """The plural of a noun of one gender; its code by that gender unless given."""
    genders = {g for g, _ in table}
    if len(genders) != 1 or (next(iter(genders)), "pl") not in table:
        return
    gender = next(iter(genders))
    code = code or ("1" if gender == "mas" else "2")
    yield case_line(word_class, group or code, "fr", f"{lemma}*{code}", "number=2", table[(gender, "pl")])


def french_adjective_cases(word_class, lemma, table, group="7"):
    for (gender, number), forms in sorted(table.items()):
        if (gender, number) != ("mas", "sg"):
            features = f"number={1 if number == 'sg' else 2},gender={1 if gender == 'mas' else 2}"
            yield case_line(word_class, group, "fr", f"{lemma}*7", features, forms)


def french_nominals(every):
    """Plural of nouns (code by gender), feminine and plural of adjectives."""
    lemmas = {word for word in french.nominal_lemmas() if datalib.encodable(word, "fr")}
    for (pos, lemma), table in sorted(french_nominal_tables(set(sampled(lemmas, every))).items()):
        if pos == "nom":
            yield from french_noun_case("fr-noun", lemma, table)
        else:
            yield from french_adjective_cases("fr-adj", lemma, table)


# ---------------------------------------------------------------- the most frequent words

def dictionary_codes(path):
    """{headword: [codes]} of the single-word headwords of a main dictionary source."""
    codes = {}
    for line in datalib.read_lines(path):
        headword = datalib.main_key(line)
        if " " not in headword and "_" in line:
            codes[headword] = [part.split(" ", 1)[0] for part in line.split("_", 1)[1].split("#")[1:]]
    return codes


def polish_code_class(code):
    if code[:1] in ("0", "1", "2", "3", "4"):
        return "noun"
    if code[:1] in ("!", "$", "*", "/", "@", "ř"):
        return "verb"
    return "adjective" if code == "7" else None


def french_code_class(code):
    return {"1": "noun", "2": "noun", "3": "noun", "4": "verb", "7": "adjective"}.get(code[:1])


def with_dictionary_codes(ranking, dictionary, code_class, count, keep_missing=True):
    """[(lemma, class, code or None)] of the count most frequent lemmas; the code is the
    first the dictionary gives for the class, None when the dictionary lacks the word
    (left out unless keep_missing). A word the dictionary holds only as another part of
    speech ("ten", a pronoun) is left out: its table is not of this class."""
    chosen = []
    for lemma, word_class, _ in ranking:
        codes = dictionary.get(lemma)
        if codes is None:
            if keep_missing:
                chosen.append((lemma, word_class, None))
        elif any(code_class(c) == word_class for c in codes):
            chosen.append((lemma, word_class, next(c for c in codes if code_class(c) == word_class)))
        if len(chosen) == count:
            break
    return chosen


def fitted_codes(velmar_cli, word_class, lemmas, morphology, work):
    """{lemma: code} of Polish nouns or verbs, from the fitted-code tables or, for the
    words they lack, fitted now."""
    table = "polish-noun-codes.txt" if word_class == "noun" else "polish-verb-codes.txt"
    codes = datalib.read_fitted_codes(os.path.join(fit_codes.HERE, table))
    lines = []
    for lemma in sorted(set(lemmas) - set(codes)):
        found = (fit_codes.noun_cells if word_class == "noun" else fit_codes.verb_cells)(morphology.get(lemma, []))
        if found:
            kind, cells = found
            lines.append(f"{lemma}\t{kind}\t" + ";".join("|".join(sorted(c)) for c in cells))
    if lines:
        candidates = fit_codes.read_candidates()
        if word_class == "noun":
            fitted = fit_codes.fit_nouns(velmar_cli, candidates, lines, work)
        else:
            with_passive = {lemma for lemma in lemmas if fit_codes.has_passive_participle(morphology.get(lemma, []))}
            fitted = fit_codes.fit_verbs(velmar_cli, candidates, lines, work, with_passive)
        codes.update({lemma: code for lemma, (code, _, _) in fitted.items()})
    return codes


def polish_frequent(dump, sources, velmar_cli, count):
    ranking = frequent_words.polish_ranking(dump, count=None)
    dictionary = dictionary_codes(os.path.join(sources, "polfr2.sg.txt"))
    chosen = with_dictionary_codes(ranking, dictionary, polish_code_class, count)
    morphology = polimorf.read_dump(dump, {lemma for lemma, _, _ in chosen})
    with tempfile.TemporaryDirectory() as work:
        derived = {word_class: fitted_codes(velmar_cli, word_class,
                                            [lemma for lemma, c, code in chosen if c == word_class and not code],
                                            morphology, work)
                   for word_class in ("noun", "verb")}
    adjectives, adverbs = read_adjectives_and_adverbs(dump, {lemma for lemma, c, _ in chosen if c == "adjective"})
    for lemma, word_class, code in chosen:
        group = word_class if code else word_class + NOT_IN_DICTIONARY
        if word_class == "adjective":
            yield from adjective_cases("pl-frequent", lemma, adjective_cells(adjectives.get(lemma, [])), adverbs,
                                       group)
            continue
        readings = morphology.get(lemma, [])
        code = code or derived[word_class].get(lemma)
        if code:
            make_cases = noun_cases if word_class == "noun" else verb_cases
            yield from make_cases("pl-frequent", group, lemma, code, readings)


def french_frequent(sources, count):
    ranking = frequent_words.french_ranking(count=None)
    dictionary = dictionary_codes(os.path.join(sources, "frpol2.sg.txt"))
    # The manual pages are full of English words and abbreviations ("big", "cd") that
    # hunspell-fr lemmatises: only the words of the French dictionary count.
    chosen = with_dictionary_codes(ranking, dictionary, french_code_class, count, keep_missing=False)
    templates = verbiste.read_templates()
    verbs = dict(verbiste.read_verbs())
    tables = french_nominal_tables({lemma for lemma, word_class, _ in chosen if word_class != "verb"})
    for lemma, word_class, code in chosen:
        group = word_class if code else word_class + NOT_IN_DICTIONARY
        if word_class == "verb":
            cells = verbiste.conjugate(lemma, verbs[lemma], templates) if lemma in verbs else None
            if cells:
                yield from french_verb_cases("fr-frequent", group, lemma, cells)
        elif word_class == "noun" and ("nom", lemma) in tables:
            yield from french_noun_case("fr-frequent", lemma, tables[("nom", lemma)], code, group)
        elif word_class == "adjective" and ("adj", lemma) in tables:
            yield from french_adjective_cases("fr-frequent", lemma, tables[("adj", lemma)], group)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--polimorf", required=True, help="the PoliMorf dump; made when missing")
    parser.add_argument("--sources", help="the data set's readable sources (build-data.sh), for --frequent")
    parser.add_argument("--velmar-cli", help="fits the codes of frequent Polish words no table has")
    parser.add_argument("--sample", type=int, default=1, help="keep every K-th Polish adjective")
    parser.add_argument("--sample-pl-nouns", type=int, default=1, help="keep every K-th fitted noun and verb")
    parser.add_argument("--sample-fr", type=int, default=1, help="keep every K-th French lemma")
    parser.add_argument("--frequent", type=int, default=frequent_words.COUNT,
                        help="the N most frequent words of each language (0: none)")
    parser.add_argument("output")
    args = parser.parse_args()
    if args.frequent and not (args.sources and args.velmar_cli):
        parser.error("--frequent needs --sources and --velmar-cli")
    if not os.path.exists(args.polimorf):
        print("[testvoc] dumping PoliMorf from morfologik-polish (about 30 s)", flush=True)
        polimorf.dump(args.polimorf)
    steps = [("Polish adjectives", lambda: polish_adjectives(*read_adjectives_and_adverbs(args.polimorf),
                                                             args.sample)),
             ("Polish nouns", lambda: polish_fitted(args.polimorf, args.sample_pl_nouns, "pl-noun",
                                                    "polish-noun-codes.txt", noun_cases, fit_codes.KEY_CELLS)),
             ("Polish verbs", lambda: polish_fitted(args.polimorf, args.sample_pl_nouns, "pl-verb",
                                                    "polish-verb-codes.txt", verb_cases, fit_codes.VERB_KEY_CELLS)),
             ("French verbs", lambda: french_verbs(args.sample_fr)),
             ("French nouns and adjectives", lambda: french_nominals(args.sample_fr))]
    if args.frequent:
        steps += [("most frequent Polish words", lambda: polish_frequent(args.polimorf, args.sources,
                                                                          args.velmar_cli, args.frequent)),
                  ("most frequent French words", lambda: french_frequent(args.sources, args.frequent))]
    lines = []
    for name, cases in steps:
        print(f"[testvoc] cases of the {name}", flush=True)
        lines.extend(cases())
    datalib.write_lines(args.output, lines)
    print(f"[testvoc] {len(lines)} cases in {args.output}")


if __name__ == "__main__":
    main()
