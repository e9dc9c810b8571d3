"""French–Polish pairs triangulated through the other FreeDict dictionaries of both
languages (German, Italian, Spanish): French word → pivot word → Polish word.
A pair is kept when two pivot languages give it independently, or one pivot language
and a second witness: the direct dictionary of either direction, or a spelling so alike
that the two words are one international word ("stratosphère" – "stratosfera"). One
pivot language read in both its directions is not enough: the two directions share the
pivot word's homonyms ("zeugen": to witness and to beget)."""

import difflib
import unicodedata

import datalib
import freedict

# The pivots are the WikDict dictionaries, under CC BY-SA 3.0 like the French–Polish
# pair the main dictionaries are derived from. English is no pivot: FreeDict's
# English–French and French–English (GNU GPL 2+) and English–Polish (GNU GPL 3+ and
# GFDL) dictionaries are under licences the main dictionaries cannot take in.
PIVOT_LANGUAGES = ("deu", "ita", "spa")
# A pivot word linking more words than this on one side is too general a word
# ("machen", "fare") to say which of them are translations of each other.
MAXIMUM_FAN_OUT = 6
# A headword with this many translations or fewer takes pivoted ones after them.
THIN = 1
# The pivoted translations kept for one headword and part of speech, the best first.
MAXIMUM_PIVOTED = 4
# How alike two spellings must be (difflib's ratio, after SPELLING) to witness a pair.
COGNATE_RATIO = 0.8
# French and Polish spellings of the same sounds, made alike before comparing
SPELLING = (("ph", "f"), ("qu", "k"), ("sz", "ch"), ("cz", "ch"), ("w", "v"), ("y", "i"),
            ("c", "k"), ("q", "k"), ("x", "ks"), ("h", ""))
# Bits of the dictionaries that linked a word to a pivot word.
FROM_SOURCE, FROM_PIVOT = 1, 2
BOTH_WAYS = FROM_SOURCE | FROM_PIVOT


def _comparable(word):
    word = unicodedata.normalize("NFKD", word.lower().replace("ł", "l"))
    word = "".join(c for c in word if not unicodedata.combining(c))
    for written, alike in SPELLING:
        word = word.replace(written, alike)
    return word


def cognates(french_word, polish_word):
    """The two words spell one international word."""
    ratio = difflib.SequenceMatcher(None, _comparable(french_word), _comparable(polish_word)).ratio()
    return ratio >= COGNATE_RATIO


def pivot_key(word):
    """A pivot word as the dictionaries of both languages write it: German nouns are
    capitalised as headwords and sometimes not as translations."""
    return " ".join(word.lower().split())


def own_word(text, language):
    """A French or Polish translation as a single dictionary word, or None."""
    word = datalib.clean_word(text, language)
    return word if word and " " not in word else None


def dictionary_links(path_of, name, own_is_source, language):
    """{pivot word: {own word}} of one dictionary; own_is_source when the French or
    Polish word is its headword."""
    links = {}
    for entry in freedict.read_dictionary(*path_of(name)):
        for sense in entry.senses:
            for translation in sense.translations:
                own, pivot = (entry.headword, translation) if own_is_source else (translation, entry.headword)
                word = own_word(own, language)
                if word:
                    links.setdefault(pivot_key(pivot), set()).add(word)
    return links


def language_links(path_of, available, own, pivot, language):
    """{pivot word: {own word: bits}}: which of the two dictionaries between the own
    language and the pivot link each pair (FROM_SOURCE: own→pivot, FROM_PIVOT: pivot→own)."""
    links = {}
    for name, bit, own_is_source in ((f"{own}-{pivot}", FROM_SOURCE, True),
                                     (f"{pivot}-{own}", FROM_PIVOT, False)):
        if name not in available:
            continue
        for key, words in dictionary_links(path_of, name, own_is_source, language).items():
            bucket = links.setdefault(key, {})
            for word in words:
                bucket[word] = bucket.get(word, 0) | bit
    return links


class Evidence:
    """What the pivots say of one (French, Polish) pair: {pivot language: (French
    bits, Polish bits)}."""

    def __init__(self):
        self.by_language = {}

    def add(self, language, french_bits, polish_bits):
        old_french, old_polish = self.by_language.get(language, (0, 0))
        self.by_language[language] = (old_french | french_bits, old_polish | polish_bits)

    def languages(self):
        return len(self.by_language)

    def both_ways(self):
        """A pivot language gives the pair through the dictionaries of both directions."""
        return any(f == BOTH_WAYS and p == BOTH_WAYS for f, p in self.by_language.values())

    def strength(self):
        """Orders the pivoted translations of one headword, the best attested first."""
        return (self.languages(), self.both_ways())


def triangulate(path_of, available):
    """{(French word, Polish word): Evidence} of every pair some pivot links."""
    pairs = {}
    for language in PIVOT_LANGUAGES:
        french = language_links(path_of, available, "fra", language, "fr")
        polish = language_links(path_of, available, "pol", language, "pl")
        for key in sorted(french.keys() & polish.keys()):
            french_words, polish_words = french[key], polish[key]
            if len(french_words) > MAXIMUM_FAN_OUT or len(polish_words) > MAXIMUM_FAN_OUT:
                continue
            for french_word, french_bits in french_words.items():
                for polish_word, polish_bits in polish_words.items():
                    pairs.setdefault((french_word, polish_word), Evidence()).add(
                        language, french_bits, polish_bits)
    return pairs


def kept_pairs(pairs, attested):
    """{(French, Polish): Evidence} of the pairs the rule keeps; attested(pair) tells
    whether a direct dictionary holds the pair."""
    return {pair: evidence for pair, evidence in pairs.items()
            if evidence.languages() >= 2 or attested(pair) or cognates(*pair)}


def wanted(articles):
    """A headword takes pivoted translations when it has no article or a thin one."""
    return sum(len(sense.translations) for entry in articles for sense in entry.senses) <= THIN


def pivoted_entries(kept, entries, headword_of, pair_class, code):
    """Articles of one direction ({headword: [Entry]} so far) made of the kept pairs
    ({(French, Polish): Evidence}) whose headword (headword_of(pair) → (headword,
    translation)) wants them and whose two words pair_class(pair) gives one part of
    speech: one sense per headword and part of speech, its translations the best
    attested first, each with the meaning code given."""
    found = {}
    for pair, evidence in kept.items():
        headword, translation = headword_of(pair)
        pos = pair_class(pair)
        if pos and wanted(entries.get(headword, [])):
            found.setdefault((headword, pos), []).append((evidence.strength(), translation))
    made = []
    for (headword, pos), candidates in sorted(found.items()):
        best = sorted(candidates, key=lambda item: (tuple(-s for s in item[0]), item[1]))
        entry = freedict.Entry(headword, pos, "")
        sense = freedict.Sense([translation for _, translation in best[:MAXIMUM_PIVOTED]])
        sense.codes = [code]
        entry.senses.append(sense)
        made.append(entry)
    return made
