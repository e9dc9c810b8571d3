#!/usr/bin/env python3
"""Builds the readable sources of the data files from the free dictionaries:
frpol2.sg / polfr2.sg (main), frpol2.sp / polfr2.sp (phrases), franc2.so / pol2.so
(forms). The hand-made core in data/ always wins over what is imported. velmar-cli
then compiles the sources (collation order, scrambling)."""

import argparse
import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import datalib  # noqa: E402
import french  # noqa: E402
import freedict  # noqa: E402
import polimorf  # noqa: E402
import verbiste  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
DICTD = "/usr/share/dictd"
STEPS = 6

FRENCH_CODE = {"v": "4", "adj": "7", "adv": "8"}
POLISH_CODE = {"adj": "7", "adv": "70", "interjection": "94"}
# reading codes of a headword's own line in the forms file, by its dictionary code
FRENCH_READING = {"1": 1, "2": 5, "4": 80, "7": 51, "8": 250, "99": 255}
POLISH_READING = {"7": 81, "70": 218, "94": 214, "99": 250}


class Side:
    """One direction: its entries grouped by headword, with the codes chosen."""

    def __init__(self, entries, source, target):
        self.source, self.target = source, target
        self.entries = {}
        for entry in entries:
            headword = datalib.clean_word(entry.headword, source)
            if headword:
                self.entries.setdefault(headword, []).append(entry)

    def single_words(self):
        return {h for h in self.entries if " " not in h}

    def translations(self):
        words = set()
        for articles in self.entries.values():
            for entry in articles:
                for sense in entry.senses:
                    words.update(t for t in sense if " " not in t)
        return words


def french_code(word, pos, gender, analyses, verbs):
    if pos == "v" or (pos == "" and word in verbs):
        return "4"
    if pos in FRENCH_CODE:
        return FRENCH_CODE[pos]
    if gender:
        return {"masc": "1", "fem": "2"}[gender]
    if pos in ("n", "pn"):
        return french.noun_gender(analyses.get(word, [])) or "1"
    return "99"


def french_target_code(word, pos, analyses, verbs):
    """Code written after a French translation: by the source word's part of speech
    when the French word can be one, else empty (the generator then keeps it as is)."""
    readings = analyses.get(word, [])
    if pos == "v" and word in verbs:
        return "4"
    if pos == "adj" and any("adj" in a["po"] for a in readings):
        return "7"
    if pos in ("n", "pn"):
        return french.noun_gender(readings) or ""
    return ""


def polish_code(word, pos, morphology, fitted):
    readings = morphology.get(word)
    if readings:
        code = polimorf.dictionary_code(readings, fitted.get(word))
        if code:
            return code
    if pos in ("n", "pn"):
        return "1"
    if pos == "v":
        return "*"
    return POLISH_CODE.get(pos, "99")


def polish_target_code(word, pos, morphology, fitted):
    readings = morphology.get(word)
    if not readings:
        return ""
    wanted = {"n": "subst", "pn": "subst", "v": "verb", "adj": "adj", "adv": "adv"}.get(pos)
    if wanted and polimorf.word_class(readings)[0] != wanted:
        return ""
    return polimorf.dictionary_code(readings, fitted.get(word))


def entry_line(headword, subrecords):
    """headword_#code meaning ; meaning … #code …; a meaning is "[+ ]word *code"."""
    body = ""
    for code, senses in subrecords:
        meanings = []
        for sense in senses:
            for word, target_code, preferred in sense:
                text = ("+ " if preferred else "") + word
                if target_code:
                    text += " *" + target_code
                meanings.append(text)
        if meanings:
            body += f"#{code} " + " , ".join(meanings) + " "
    return f"{headword}_{body.rstrip()}" if body else None


def main_lines(side, reverse, code_of, target_code_of):
    """Main and phrase lines of one direction. A pair attested in the other direction
    too gets the preferred mark."""
    single, phrases = [], []
    for headword, articles in side.entries.items():
        subrecords = {}
        for entry in articles:
            code = code_of(headword, entry)
            senses = subrecords.setdefault(code, [])
            seen = {w for sense in senses for w, _, _ in sense}
            for sense in entry.senses:
                meaning = []
                for translation in sense:
                    word = datalib.clean_word(translation, side.target)
                    if not word or word in seen:
                        continue
                    seen.add(word)
                    target = target_code_of(word, entry.pos) if " " not in word else ""
                    meaning.append((word, target, headword in reverse.get(word, ())))
                if meaning:
                    senses.append(meaning)
        line = entry_line(headword, list(subrecords.items()))
        if line:
            (phrases if " " in headword else single).append(line)
    return single, phrases


def reverse_pairs(side):
    """{translation: {headwords}} of the other direction."""
    pairs = {}
    for headword, articles in side.entries.items():
        for entry in articles:
            for sense in entry.senses:
                for translation in sense:
                    pairs.setdefault(translation.strip(), set()).add(headword)
    return pairs


def merge_core(imported, core_path, key):
    """The core's lines, then every imported line whose key the core does not hold: a
    headword of the main files, a (form, base) pair of the forms files."""
    core = datalib.read_lines(core_path) if os.path.exists(core_path) else []
    taken = {key(line) for line in core}
    return core + [line for line in imported if key(line) not in taken]


def forms_lines(pairs_by_lemma, language):
    return [datalib.forms_line(form, code, lemma)
            for lemma, pairs in pairs_by_lemma.items()
            for form, code in pairs
            if datalib.clean_word(form, language) is not None]


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--out", required=True, help="folder for the sources and the caches")
    parser.add_argument("--core", default=os.path.join(HERE, "..", "..", "data"))
    parser.add_argument("--full", action="store_true",
                        help="every form of the sources, not only those of headwords")
    args = parser.parse_args()
    started = time.time()
    sources = os.path.join(args.out, "sources")

    datalib.progress(1, STEPS, "reading the FreeDict dictionaries fra-pol and pol-fra")
    frpol = Side(freedict.read_dictionary(f"{DICTD}/freedict-fra-pol.index",
                                          f"{DICTD}/freedict-fra-pol.dict.dz"), "fr", "pl")
    polfr = Side(freedict.read_dictionary(f"{DICTD}/freedict-pol-fra.index",
                                          f"{DICTD}/freedict-pol-fra.dict.dz"), "pl", "fr")

    dump = os.path.join(args.out, "polimorf.txt")
    if not os.path.exists(dump):
        datalib.progress(2, STEPS, "dumping PoliMorf from morfologik-polish (about 30 s)")
        polimorf.dump(dump)
    else:
        datalib.progress(2, STEPS, "PoliMorf dump already there")
    polish_lemmas = None if args.full else polfr.single_words() | frpol.translations()
    morphology = polimorf.read_dump(dump, polish_lemmas)
    tags = polimorf.TagTable(os.path.join(HERE, "polimorf-tags.txt"))
    fitted = datalib.read_fitted_codes(os.path.join(HERE, "polish-noun-codes.txt"))
    fitted.update(datalib.read_fitted_codes(os.path.join(HERE, "polish-verb-codes.txt")))

    datalib.progress(3, STEPS, "analysing French words with hunspell-fr and verbiste")
    french_words = frpol.single_words() | polfr.translations()
    analyses = french.analyse(sorted(french_words))
    templates = verbiste.read_templates()
    verbs = dict(verbiste.read_verbs())
    french_tags = french.FrenchTable(os.path.join(HERE, "french-tags.txt"))

    datalib.progress(4, STEPS, "writing the main and phrase dictionaries")
    fr_single, fr_phrases = main_lines(
        frpol, reverse_pairs(polfr),
        lambda h, e: french_code(h, e.pos, e.gender, analyses, verbs),
        lambda w, pos: polish_target_code(w, pos, morphology, fitted))
    pl_single, pl_phrases = main_lines(
        polfr, reverse_pairs(frpol),
        lambda h, e: polish_code(h, e.pos, morphology, fitted),
        lambda w, pos: french_target_code(w, pos, analyses, verbs))
    outputs = {"frpol2.sg": (fr_single, datalib.main_key), "polfr2.sg": (pl_single, datalib.main_key),
               "frpol2.sp": (fr_phrases, datalib.main_key), "polfr2.sp": (pl_phrases, datalib.main_key)}

    datalib.progress(5, STEPS, "writing the forms dictionaries")
    polish_heads = polfr.single_words() if not args.full else set(morphology)
    polish_forms = {lemma: polimorf.form_codes(morphology[lemma], tags)
                    for lemma in polish_heads if lemma in morphology}
    for lemma in polfr.single_words() - set(polish_forms):
        code = polish_code(lemma, polfr.entries[lemma][0].pos, morphology, fitted)
        polish_forms[lemma] = [(lemma, POLISH_READING.get(code, 100 if code.startswith("*") else 1))]
    french_heads = frpol.single_words()
    if args.full:
        french_heads |= set(verbs) | french.nominal_lemmas()
    french_forms = {}
    for lemma in french_heads:
        if lemma in verbs:
            cells = verbiste.conjugate(lemma, verbs[lemma], templates)
            if cells:
                french_forms[lemma] = french_tags.verb_forms(cells)
    for lemma, pairs in french.nominal_forms(french_heads, french_tags).items():
        french_forms.setdefault(lemma, [])
        french_forms[lemma] = sorted(set(french_forms[lemma]) | set(pairs))
    for lemma in frpol.single_words() - set(french_forms):
        entry = frpol.entries[lemma][0]
        code = french_code(lemma, entry.pos, entry.gender, analyses, verbs)
        french_forms[lemma] = [(lemma, FRENCH_READING.get(code, 255))]
    outputs["pol2.so"] = (forms_lines(polish_forms, "pl"), datalib.forms_pair)
    outputs["franc2.so"] = (forms_lines(french_forms, "fr"), datalib.forms_pair)

    datalib.progress(6, STEPS, "merging with the hand-made core")
    for name, (lines, key) in outputs.items():
        merged = merge_core(lines, os.path.join(args.core, name + ".txt"), key)
        datalib.write_lines(os.path.join(sources, name + ".txt"), merged)
        print(f"  {name}: {len(merged)} lines")
    with open(os.path.join(sources, "VERSION"), "w", encoding="utf-8") as f:
        f.write(f"polimorf-tags {tags.version}\nfrench-tags {french_tags.version}\n")
    print(f"  done in {time.time() - started:.0f} s")


if __name__ == "__main__":
    main()
