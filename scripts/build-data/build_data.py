#!/usr/bin/env python3
"""Builds the readable sources of the data files from the free dictionaries:
frpol2.sg / polfr2.sg (main), frpol2.sp / polfr2.sp (phrases), franc2.so / pol2.so
(forms), franc.sk / pol.sk (qualifier labels), franc2.sdt (irregular French forms).
The hand-made dictionaries of the frequent words the free ones lack
(handmade-fr-pl.txt, handmade-pl-fr.txt, read by handmade.py) join the pair as if they
were part of it, after its own articles. Headwords the French–Polish pair lacks, or
gives one translation only, get the pairs
triangulated through the German, Italian and Spanish FreeDict dictionaries
(pivots.py), ranked after their own; a Polish verb with no article takes its aspect
partner's (verb_partners.py), and an imperfective translation of a French verb carries its
perfective as the variant the engine chooses the aspect from. The build ends by
printing how much of the running text of Debian packages the data covers
(frequency.py).
A French headword of frpol2.sg carries its pronunciation from FreeDict as a tail
("chat {sza}_…", see pronunciation.py).
The hand-made core in data/ always wins over what is imported; its French headwords
without a pronunciation of their own get FreeDict's. velmar-cli then
compiles the sources (collation order, scrambling). No Polish data file (pol2.sdt) is
built: nothing shows Polish data lines in this language pair."""

import argparse
import os
import re
import sys
import time
import typing

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import verb_partners  # noqa: E402
import datalib  # noqa: E402
import domains  # noqa: E402
import french  # noqa: E402
import coverage  # noqa: E402
import freedict  # noqa: E402
import frequency  # noqa: E402
import handmade  # noqa: E402
import pivots  # noqa: E402
import polimorf  # noqa: E402
import pronunciation  # noqa: E402
import verbiste  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
DICTD = "/usr/share/dictd"
STEPS = 10
# meaning codes (domain-labels.txt) of the meanings the build finds itself
PIVOTED, FROM_ASPECT_PARTNER = "68", "69"
# PoliMorf word class → part of speech of an article
POLISH_POS = {"subst": "n", "verb": "v", "adj": "adj", "adv": "adv"}

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
        self.add(entries)

    def add(self, entries):
        for entry in entries:
            headword = datalib.clean_word(entry.headword, self.source)
            if headword:
                self.entries.setdefault(headword, []).append(entry)

    def single_words(self):
        return {h for h in self.entries if " " not in h}

    def reversed_single_words(self):
        """Single-word headwords whose articles were all made from the other direction."""
        return {h for h, articles in self.entries.items()
                if " " not in h and all(e.reversed for e in articles)}

    def drop_reversed(self, headwords):
        """Removes the made articles of these headwords; how many headwords went."""
        dropped = 0
        for headword in headwords & self.reversed_single_words():
            del self.entries[headword]
            dropped += 1
        return dropped

    def _translations(self):
        """(headword, article, sense, cleaned translation) of every translation."""
        for headword, articles in self.entries.items():
            for entry in articles:
                for sense in entry.senses:
                    for translation in sense.translations:
                        word = datalib.clean_word(translation, self.target)
                        if word:
                            yield headword, entry, sense, word

    def translations(self):
        return {word for _, _, _, word in self._translations() if " " not in word}

    def pairs(self):
        """{(headword, translation)} of every article."""
        return {(headword, word) for headword, _, _, word in self._translations()}

    def reverse_entries(self, other):
        """Articles of the other direction's language made from this direction's
        translations that the other direction lacks as headwords: translation t of
        headword h gives t → h, one sense per sense of h, with that sense's labels and
        the part of speech of h's article; a hand-made translation of several words
        gives none."""
        made = {}
        for headword, entry, sense, word in self._translations():
            # A hand-made gloss of several words ("de viande", "il faut") explains a
            # sense; as a headword of its own it would join running words wrongly.
            if word in other.entries or (entry.handmade and " " in word):
                continue
            reverse = made.get((word, entry.pos))
            if reverse is None:
                reverse = made[(word, entry.pos)] = freedict.Entry(word, entry.pos, "")
                reverse.reversed = True
            meaning = freedict.Sense([headword])
            meaning.labels = set(sense.labels)
            reverse.senses.append(meaning)
        return list(made.values())


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


def french_pos(word, pos, analyses, verbs):
    """Part of speech of a French headword made from a Polish article: the article's
    when the word can have it (or when nothing is known of the word), else the word's
    own by verbiste and hunspell-fr."""
    kinds = {name for name, tag in (("n", "nom"), ("adj", "adj"), ("adv", "adv"))
             for a in analyses.get(word, []) if tag in a["po"]}
    if word in verbs:
        kinds.add("v")
    if not kinds or pos in kinds or (pos == "pn" and "n" in kinds):
        return pos
    return next(kind for kind in ("v", "n", "adj", "adv") if kind in kinds)


def french_entry_code(headword, entry, analyses, verbs):
    pos = french_pos(headword, entry.pos, analyses, verbs) if entry.reversed else entry.pos
    return french_code(headword, pos, entry.gender, analyses, verbs)


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


def nominative_adjective(form, morphology):
    """Whether the form is a nominative of an adjective: "narodowe" of "narodowy"."""
    for lemma in (form, form[:-1], form[:-1] + "y", form[:-1] + "i"):
        for reading_form, tag in morphology.get(lemma, ()):
            fields = tag.split(":")
            if reading_form == form and fields[0] == "adj" and len(fields) > 2 and "nom" in fields[2].split("."):
                return True
    return False


def noun_phrase_code(phrase, morphology, fitted):
    """An adjective and a noun in the nominative ("biały dom", "państwo narodowe")
    decline together: the noun's code after "<" when the adjective comes first, after
    ">" when it follows. Empty for any other phrase."""
    words = phrase.split(" ")
    if len(words) != 2:
        return ""
    for noun, adjective, mark in ((words[1], words[0], "<"), (words[0], words[1], ">")):
        readings = morphology.get(noun)
        if readings and polimorf.word_class(readings)[0] == "subst" and nominative_adjective(adjective, morphology):
            return mark + polimorf.dictionary_code(readings, fitted.get(noun))
    return ""


def polish_code(word, pos, morphology, fitted):
    readings = morphology.get(word)
    if readings:
        code = polimorf.dictionary_code(readings, fitted.get(word))
        if code:
            return code
    if pos in ("n", "pn"):
        return noun_phrase_code(word, morphology, fitted) or "1"
    if pos == "v":
        return "*"
    return POLISH_CODE.get(pos, "99")


def polish_target_code(word, pos, morphology, fitted):
    readings = morphology.get(word)
    if not readings:
        return noun_phrase_code(word, morphology, fitted) if pos in ("n", "pn") else ""
    wanted = {"n": "subst", "pn": "subst", "v": "verb", "adj": "adj", "adv": "adv"}.get(pos)
    if wanted and polimorf.word_class(readings)[0] != wanted:
        return ""
    return polimorf.dictionary_code(readings, fitted.get(word))


class Meaning(typing.NamedTuple):
    word: str
    target_code: str
    preferred: bool
    domain_codes: list
    variant: str        # "zrobić *$61": the perfective of an imperfective translation
    gloss: str          # shown after the word in the dictionary window


def entry_line(headword, subrecords):
    """headword_#code meaning ; meaning … #code …; a meaning is
    "[+ ][+domain …]word *code[ <variant>][ (gloss)]". The gloss follows the variant,
    which replaces the word before it, so that the variant keeps the gloss too."""
    body = ""
    for code, senses in subrecords:
        meanings = []
        for sense in senses:
            for meaning in sense:
                text = (("+ " if meaning.preferred else "") + "".join(f"+{c} " for c in meaning.domain_codes)
                        + meaning.word)
                if meaning.target_code:
                    text += " *" + meaning.target_code
                if meaning.variant:
                    text += f" <{meaning.variant}>"
                if meaning.gloss:
                    text += f" ({meaning.gloss})"
                meanings.append(text)
        if meanings:
            body += f"#{code} " + " , ".join(meanings) + " "
    return f"{headword}_{body.rstrip()}" if body else None


def with_verb_code(phrase, target_code_of):
    """A verb phrase with the code of its verb after the verb, so that the verb is
    conjugated and the rest stays: "mieć rację" → "mieć */3 rację", "avoir raison" →
    "avoir *4 raison"."""
    verb, rest = phrase.split(" ", 1)
    code = target_code_of(verb, "v")
    return f"{verb} *{code} {rest}" if code else phrase


def main_lines(side, attested, domain_table, code_of, target_code_of, pronunciations,
               variant_of=lambda headword, word, pos: ""):
    """Main and phrase lines of one direction. An article's pair whose reverse the other
    direction's dictionary holds too ((translation, headword) in attested) gets the
    preferred mark; a sense's labels become its domain codes, after which come the codes
    the build gave it, whose labels the dictionary window shows as a gloss (it shows no
    meaning codes); a headword in pronunciations ({headword: notation}) gets its
    pronunciation; variant_of gives a translation's variant ("zrobić *$61")."""
    single, phrases = [], []
    for headword, articles in side.entries.items():
        subrecords = {}
        for entry in articles:
            code = code_of(headword, entry)
            senses = subrecords.setdefault(code, [])
            seen = {meaning.word for sense in senses for meaning in sense}
            for sense in entry.senses:
                domain_codes = domain_table.codes_of(sense.labels) + sense.codes
                gloss = ", ".join(domain_table.polish_label(c) for c in sense.codes)
                meaning = []
                for translation in sense.translations:
                    word = datalib.clean_word(translation, side.target)
                    if not word or word in seen:
                        continue
                    seen.add(word)
                    target = target_code_of(word, entry.pos) if " " not in word else ""
                    if " " in word and entry.pos == "v":
                        word = with_verb_code(word, target_code_of)
                    preferred = not entry.reversed and (word, headword) in attested
                    variant = variant_of(headword, word, entry.pos) if " " not in word else ""
                    meaning.append(Meaning(word, target, preferred, domain_codes, variant, gloss))
                if meaning:
                    senses.append(meaning)
        line = entry_line(headword, list(subrecords.items()))
        if line:
            line = pronunciation.with_pronunciation(line, pronunciations.get(headword))
            (phrases if " " in headword else single).append(line)
    return single, phrases


def merge_core(imported, core_path, key, complete_core=None):
    """The core's lines, each passed through complete_core when given, then every
    imported line whose key the core does not hold: a headword of the main files, a
    (form, base) pair of the forms files."""
    core = datalib.read_lines(core_path) if os.path.exists(core_path) else []
    if complete_core:
        core = [complete_core(line) for line in core]
    taken = {key(line) for line in core}
    return core + [line for line in imported if key(line) not in taken]


def forms_lines(pairs_by_lemma, language):
    """The forms lines in a fixed order: the readings of one form keep it in the built
    file, so that builds from the same sources give the same file."""
    return sorted(datalib.forms_line(form, code, lemma)
                  for lemma, pairs in pairs_by_lemma.items()
                  for form, code in pairs
                  if datalib.clean_word(form, language) is not None)


def joinable(phrase_lines):
    """The expressions the analysis may join running words into. A two-word one of
    no part of speech (#99: exclamations, set phrases) reads the same as ordinary word
    pairs ("la ferme" = "shut up", and the farm) and stays a phrase only; words joined
    by a hyphen or an apostrophe count apart ("est-ce que" is three)."""
    def kept(line):
        headword, _, body = line.partition("_")
        codes = {part.split(" ", 1)[0] for part in body.split("#")[1:]}
        words = re.split(r"[\s\-'\u2019]+", headword.strip())
        return len(words) > 2 or codes != {"99"}
    return [line for line in phrase_lines if kept(line)]


def expression_forms(headwords, forms_by_lemma):
    """{expression: [(form, code)]} of the French expressions whose first word is a
    noun: that word's forms with the rest of the expression ("pommes de terre" of
    "pomme de terre", code 7). The other words of such an expression do not agree."""
    result = {}
    for expression in headwords:
        head, _, rest = expression.partition(" ")
        if not rest:
            continue
        forms = [(f"{form} {rest}", code) for form, code in forms_by_lemma.get(head, []) if 1 <= code <= 19]
        if forms:
            result[expression] = forms
    return result


def french_data_lines(readings_by_lemma):
    """"word_value" data lines of the French nouns and adjectives with irregular forms."""
    lines = []
    for lemma, readings in readings_by_lemma.items():
        value = french.irregular_forms(lemma, readings)
        if value and datalib.clean_word(lemma, "fr"):
            lines.append(f"{lemma}_{value}")
    return lines


def read_handmade(folder=HERE):
    """The hand-made dictionaries (French–Polish, Polish–French); a line that cannot be
    read stops the build."""
    try:
        return (handmade.read(os.path.join(folder, "handmade-fr-pl.txt"), "fr", "pl"),
                handmade.read(os.path.join(folder, "handmade-pl-fr.txt"), "pl", "fr"))
    except handmade.HandmadeError as error:
        datalib.fail(str(error))


def read_sides(handmade_fr, handmade_pl):
    """Both directions, the hand-made articles after the FreeDict pair's own, each
    completed with the articles made from the other one's translations, and the pairs
    each held before: {(headword, translation)}."""
    frpol = Side(freedict.read_dictionary(f"{DICTD}/freedict-fra-pol.index",
                                          f"{DICTD}/freedict-fra-pol.dict.dz"), "fr", "pl")
    polfr = Side(freedict.read_dictionary(f"{DICTD}/freedict-pol-fra.index",
                                          f"{DICTD}/freedict-pol-fra.dict.dz"), "pl", "fr")
    frpol.add(handmade_fr.entries)
    polfr.add(handmade_pl.entries)
    print(f"  hand-made: {len(handmade_fr.entries)} French and {len(handmade_pl.entries)} Polish articles")
    pairs = {"fr": frpol.pairs(), "pl": polfr.pairs()}
    french_made, polish_made = polfr.reverse_entries(frpol), frpol.reverse_entries(polfr)
    frpol.add(french_made)
    polfr.add(polish_made)
    print(f"  made from the other direction: {len(french_made)} French and "
          f"{len(polish_made)} Polish articles")
    return frpol, polfr, pairs


def dictionary_path(name):
    return f"{DICTD}/freedict-{name}.index", f"{DICTD}/freedict-{name}.dict.dz"


def triangulated_pairs(pairs):
    """{(French, Polish): Evidence} of the pivoted pairs the rule keeps; pairs holds the
    direct dictionaries' own pairs by source language."""
    available = {name[len("freedict-"):-len(".index")] for name in os.listdir(DICTD)
                 if name.startswith("freedict-") and name.endswith(".index")}
    used = sorted(name for name in available if set(name.split("-")) & set(pivots.PIVOT_LANGUAGES))
    found = pivots.triangulate(dictionary_path, available)
    kept = pivots.kept_pairs(found, lambda pair: (pair[1], pair[0]) in pairs["pl"] or pair in pairs["fr"])
    print(f"  {len(found)} pairs through {', '.join(used)}; {len(kept)} kept")
    return kept


def french_kinds(word, analyses, verbs):
    """Parts of speech a French lemma can have by verbiste and hunspell-fr."""
    kinds = {kind for analysis in analyses.get(word, []) if analysis["st"] == word
             for kind, tags in (("n", {"nom", "npr"}), ("adj", {"adj"}), ("adv", {"adv"}))
             if tags & analysis["po"]}
    return kinds | ({"v"} if word in verbs else set())


def pair_class(pair, analyses, verbs, morphology):
    """The part of speech a pivoted pair has when its French word can have the one
    PoliMorf gives the Polish lemma; None otherwise, and None when one word is a name
    and the other the common word it also is ("volcan" is no "Wulkan", the god)."""
    french_word, polish_word = pair
    readings = morphology.get(polish_word)
    if not readings or _name_for_common_word(french_word, polish_word, analyses, verbs, morphology):
        return None
    pos = POLISH_POS.get(polimorf.word_class(readings)[0])
    return pos if pos in french_kinds(french_word, analyses, verbs) else None


def _name_for_common_word(french_word, polish_word, analyses, verbs, morphology):
    """One word of the pair is capitalised and the other not, while the capitalised
    one is a lemma in small letters as well."""
    if french_word[:1].isupper() == polish_word[:1].isupper():
        return False
    if polish_word[:1].isupper():
        return polish_word.lower() in morphology
    return bool(french_kinds(french_word.lower(), analyses, verbs))


def add_pivoted(frpol, polfr, kept, class_of):
    """Adds the pivoted articles to both directions, each judged against the articles
    the direction had before."""
    french_made = pivots.pivoted_entries(kept, frpol.entries, lambda pair: pair, class_of, PIVOTED)
    polish_made = pivots.pivoted_entries(kept, polfr.entries, lambda pair: (pair[1], pair[0]),
                                         class_of, PIVOTED)
    frpol.add(french_made)
    polfr.add(polish_made)
    print(f"  pivoted articles: {len(french_made)} French, {len(polish_made)} Polish")


def french_translations(articles):
    """The French words of a Polish headword's articles, those taken from its aspect
    partner left out."""
    return {word for entry in articles for sense in entry.senses
            if FROM_ASPECT_PARTNER not in sense.codes for word in sense.translations}


def aspect_variant(partners, polfr, target_code_of):
    """variant_of for the French verbs: an imperfective translation gets its perfective
    with that verb's code ("robić" → "zrobić *$61")."""
    def variant_of(headword, word, pos):
        if pos != "v":
            return ""
        perfective = partners.perfective_for(
            word, lambda verb: headword in french_translations(polfr.entries.get(verb, [])))
        if not perfective:
            return ""
        code = target_code_of(perfective, "v")
        return f"{perfective} *{code}" if code else perfective
    return variant_of


def handmade_partners(listed_pairs, handmade_dictionaries, aspects):
    """The table's aspect pairs with those the hand-made dictionaries name; a pair
    PoliMorf does not give a perfective and an imperfective is left out, and said. An
    imperfective the table pairs already keeps the table's perfective alone, so that
    it stays the one its translations take ("kończyć": "skończyć", not "zakończyć")."""
    pairs = set().union(*(d.aspect_pairs for d in handmade_dictionaries))
    oriented, left_out = handmade.oriented_pairs(pairs, aspects)
    paired = set(listed_pairs.values())
    oriented = {perfective: imperfective for perfective, imperfective in oriented.items()
                if imperfective not in paired}
    print(f"  hand-made aspect pairs: {len(oriented)}; left out (aspects not in PoliMorf): "
          + (", ".join(f"{a}–{b}" for a, b in left_out) or "none"))
    return {**oriented, **listed_pairs}


def print_coverage(sources, dump, out):
    """The coverage figures of the data set just written; the ranked lemmas without an
    entry go to out/missing-LANGUAGE.tsv, the work list of the hand-made dictionaries."""
    for language in ("fr", "pl"):
        data_set = frequency.DataSet(sources, language)
        corpus, lemmas = frequency.filtered_corpus(language, frequency.read_corpus(language), data_set, dump)
        ranking = frequency.ranking_of(language, corpus, data_set, lemmas)
        frequency.report(language, corpus, data_set, ranking)
        coverage.write_missing(os.path.join(out, f"missing-{language}.tsv"), ranking, data_set.headwords)


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
    handmade_fr, handmade_pl = read_handmade()
    frpol, polfr, pairs = read_sides(handmade_fr, handmade_pl)
    domain_table = domains.DomainTable(os.path.join(HERE, "domain-labels.txt"))
    datalib.progress(2, STEPS, "triangulating through the other FreeDict dictionaries")
    kept = triangulated_pairs(pairs)

    dump = os.path.join(args.out, "polimorf.txt")
    if not os.path.exists(dump):
        datalib.progress(3, STEPS, "dumping PoliMorf from morfologik-polish (about 30 s)")
        polimorf.dump(dump)
    else:
        datalib.progress(3, STEPS, "PoliMorf dump already there")
    dropped = polfr.drop_reversed(polimorf.declined_forms(dump, polfr.reversed_single_words()))
    print(f"  {dropped} Polish articles made from declined forms left out")
    pairs_version, listed_pairs = verb_partners.read_pairs(os.path.join(HERE, "verb-partner-pairs.txt"))
    aspects = verb_partners.read_aspects(dump)
    partners = verb_partners.Partners(aspects, handmade_partners(listed_pairs, (handmade_fr, handmade_pl), aspects))
    # the pivoted words in small letters too, which tell a name from a common word
    polish_words = polfr.single_words() | frpol.translations() | {
        w for _, pl in kept for w in (pl, pl.lower())}
    polish_lemmas = None if args.full else polish_words | partners.related(polish_words)
    morphology = polimorf.read_dump(dump, polish_lemmas)
    tags = polimorf.TagTable(os.path.join(HERE, "polimorf-tags.txt"))
    fitted = datalib.read_fitted_codes(os.path.join(HERE, "polish-noun-codes.txt"))
    fitted.update(datalib.read_fitted_codes(os.path.join(HERE, "polish-verb-codes.txt")))
    fitted.update(verb_partners.prefixed_perfective_codes(partners, fitted))

    datalib.progress(4, STEPS, "analysing French words with hunspell-fr and verbiste")
    french_words = frpol.single_words() | polfr.translations() | {
        w for fr, _ in kept for w in (fr, fr.lower())}
    analyses = french.analyse(sorted(french_words))
    templates = verbiste.read_templates()
    verbs = dict(verbiste.read_verbs())
    french_tags = french.FrenchTable(os.path.join(HERE, "french-tags.txt"))
    dropped = frpol.drop_reversed(french.declined_forms(frpol.reversed_single_words(), analyses,
                                                        frpol.single_words()))
    print(f"  {dropped} French articles made from declined forms left out")

    datalib.progress(5, STEPS, "adding the pivoted articles and the aspect partners")
    add_pivoted(frpol, polfr, kept, lambda pair: pair_class(pair, analyses, verbs, morphology))
    partnered = verb_partners.partner_entries(polfr.entries, partners, FROM_ASPECT_PARTNER)
    polfr.add(partnered)
    print(f"  {len(partnered)} Polish verbs take their aspect partner's articles")
    french_heads = frpol.single_words()
    if args.full:
        french_heads |= set(verbs) | french.nominal_lemmas()
    nominal = french.nominal_readings(french_heads | french_words)

    datalib.progress(6, STEPS, "writing the main and phrase dictionaries")
    letters = pronunciation.LetterTable()
    french_pronunciations = pronunciation.french_pronunciations(frpol.entries, letters)
    print(f"  pronunciations of {len(french_pronunciations)} French headwords")

    def polish_target(word, pos):
        return polish_target_code(word, pos, morphology, fitted)

    fr_single, fr_phrases = main_lines(
        frpol, pairs["pl"], domain_table,
        lambda h, e: french_entry_code(h, e, analyses, verbs), polish_target, french_pronunciations,
        aspect_variant(partners, polfr, polish_target))
    pl_single, pl_phrases = main_lines(
        polfr, pairs["fr"], domain_table,
        lambda h, e: polish_code(h, e.pos, morphology, fitted),
        lambda w, pos: french_target_code(w, pos, analyses, verbs), {})
    # An expression is a headword of the main file as well: the analysis joins words
    # into an expression only where it finds it in the forms or main dictionary.
    outputs = {"frpol2.sg": (fr_single + joinable(fr_phrases), datalib.main_key),
               "polfr2.sg": (pl_single + joinable(pl_phrases), datalib.main_key),
               "frpol2.sp": (fr_phrases, datalib.main_key), "polfr2.sp": (pl_phrases, datalib.main_key)}

    datalib.progress(7, STEPS, "writing the forms dictionaries")
    polish_heads = polfr.single_words() if not args.full else set(morphology)
    polish_forms = {lemma: polimorf.form_codes(morphology[lemma], tags, lemma)
                    for lemma in polish_heads if lemma in morphology}
    for lemma in polfr.single_words() - set(polish_forms):
        code = polish_code(lemma, polfr.entries[lemma][0].pos, morphology, fitted)
        polish_forms[lemma] = [(lemma, POLISH_READING.get(code, 100 if code.startswith("*") else 1))]
    french_forms = {}
    for lemma in french_heads:
        if lemma in verbs:
            cells = verbiste.conjugate(lemma, verbs[lemma], templates)
            if cells:
                french_forms[lemma] = french_tags.verb_forms(cells)
    heads_nominal = {lemma: readings for lemma, readings in nominal.items() if lemma in french_heads}
    for lemma, pairs_of_lemma in french.nominal_forms(heads_nominal, french_tags).items():
        french_forms[lemma] = sorted(set(french_forms.get(lemma, [])) | set(pairs_of_lemma))
    for lemma in frpol.single_words() - set(french_forms):
        code = french_entry_code(lemma, frpol.entries[lemma][0], analyses, verbs)
        french_forms[lemma] = [(lemma, FRENCH_READING.get(code, 255))]
    french_forms.update(expression_forms(frpol.entries, french_forms))
    outputs["pol2.so"] = (forms_lines(polish_forms, "pl"), datalib.forms_pair)
    outputs["franc2.so"] = (forms_lines(french_forms, "fr"), datalib.forms_pair)

    datalib.progress(8, STEPS, "writing the qualifier labels and the French data lines")
    outputs["franc.sk"] = (domain_table.qualifier_lines("fr"), datalib.main_key)
    outputs["pol.sk"] = (domain_table.qualifier_lines("pl"), datalib.main_key)
    outputs["franc2.sdt"] = (french_data_lines(nominal), datalib.main_key)

    datalib.progress(9, STEPS, "merging with the hand-made core")
    core_completions = {"frpol2.sg": lambda line: pronunciation.with_pronunciation(
        line, french_pronunciations.get(datalib.main_key(line)))}
    # The look-up reads the phrase file before the main one: an expression the core
    # gives an entry of its own ("il y a") must not keep an imported phrase entry there.
    for phrases, main in (("frpol2.sp", "frpol2.sg"), ("polfr2.sp", "polfr2.sg")):
        core_main = os.path.join(args.core, main + ".txt")
        held = {datalib.main_key(line) for line in datalib.read_lines(core_main)} if os.path.exists(core_main) else set()
        lines, key = outputs[phrases]
        outputs[phrases] = ([line for line in lines if key(line) not in held], key)
    for name, (lines, key) in outputs.items():
        merged = merge_core(lines, os.path.join(args.core, name + ".txt"), key, core_completions.get(name))
        datalib.write_lines(os.path.join(sources, name + ".txt"), merged)
        print(f"  {name}: {len(merged)} lines")
    with open(os.path.join(sources, "VERSION"), "w", encoding="utf-8") as f:
        f.write(f"polimorf-tags {tags.version}\nfrench-tags {french_tags.version}\n"
                f"domain-labels {domain_table.version}\nipa-letters {letters.version}\n"
                f"verb-partner-pairs {pairs_version}\n")
    datalib.progress(10, STEPS, "measuring the coverage of running text")
    print_coverage(sources, dump, args.out)
    print(f"  done in {time.time() - started:.0f} s")


if __name__ == "__main__":
    main()
