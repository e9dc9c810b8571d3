"""Reader of the hand-made dictionaries handmade-fr-pl.txt and handmade-pl-fr.txt: the
frequent words no free dictionary holds, translated by the project itself.

A line is "lemma<TAB>part of speech<TAB>senses": the senses are separated by " | ",
the translations of a sense, the most used first, by ", ". A Polish verb, as headword
or as translation, may carry its aspect partner in angle brackets
("wyświetlać <wyświetlić>"); a Polish headword written so gives its article to both
verbs. Lines opening with "# " are comments. A line that cannot be read stops the
build with its file and line number: a dropped line would be a word silently missing."""

import re

import datalib
import freedict

# part of speech of the file → that of a FreeDict article, and the French gender
PARTS_OF_SPEECH = {
    "n": ("n", ""), "nm": ("n", "masc"), "nf": ("n", "fem"), "v": ("v", ""), "adj": ("adj", ""),
    "adv": ("adv", ""), "conj": ("conjunction", ""), "prep": ("preposition", ""),
    "pron": ("pronoun", ""), "num": ("numeral", ""), "part": ("particle", ""),
    "interj": ("interjection", ""),
}
SENSE_SEPARATOR, TRANSLATION_SEPARATOR = " | ", ", "
WITH_PARTNER = re.compile(r"^(?P<word>[^<>]+?)(?:\s+<(?P<partner>[^<>]+)>)?$")


class HandmadeError(ValueError):
    pass


class Dictionary:
    """The articles of one hand-made file and the Polish aspect pairs it names
    ({frozenset of the two verbs})."""

    def __init__(self, source, target):
        self.source, self.target = source, target
        self.entries, self.aspect_pairs = [], set()


def _word(text, language, where):
    """(word, partner or None) of "word" or "verb <partner>"; a partner only for Polish."""
    match = WITH_PARTNER.match(text.strip())
    if not match:
        raise HandmadeError(f"{where}: cannot read {text!r}")
    word, partner = match.group("word"), match.group("partner")
    for part in filter(None, (word, partner)):
        if datalib.clean_word(part, language) != part:
            raise HandmadeError(f"{where}: {part!r} is no clean {language} word")
    if partner and language != "pl":
        raise HandmadeError(f"{where}: only a Polish verb has an aspect partner: {text!r}")
    return word, partner


def _senses(text, language, where, pairs):
    senses = []
    for sense_text in text.split(SENSE_SEPARATOR):
        translations = []
        for item in sense_text.split(TRANSLATION_SEPARATOR):
            word, partner = _word(item, language, where)
            if partner:
                pairs.add(frozenset((word, partner)))
            translations.append(word)
        senses.append(freedict.Sense(translations))
    return senses


def parse_line(line, dictionary, where):
    """Adds the article of one line to the dictionary."""
    fields = line.split("\t")
    if len(fields) != 3:
        raise HandmadeError(f"{where}: expected lemma<TAB>part of speech<TAB>senses, got {len(fields)} fields")
    head, pos_name, senses_text = (field.strip() for field in fields)
    if pos_name not in PARTS_OF_SPEECH:
        raise HandmadeError(f"{where}: unknown part of speech {pos_name!r} "
                            f"(one of {', '.join(PARTS_OF_SPEECH)})")
    headword, partner = _word(head, dictionary.source, where)
    pos, gender = PARTS_OF_SPEECH[pos_name]
    if partner and pos != "v":
        raise HandmadeError(f"{where}: only a verb has an aspect partner: {head!r}")
    senses = _senses(senses_text, dictionary.target, where, dictionary.aspect_pairs)
    for word in filter(None, (headword, partner)):
        entry = freedict.Entry(word, pos, gender)
        entry.handmade = True
        entry.senses = [_copy(sense) for sense in senses]
        dictionary.entries.append(entry)
    if partner:
        dictionary.aspect_pairs.add(frozenset((headword, partner)))


def _copy(sense):
    return freedict.Sense(list(sense.translations))


def read(path, source, target):
    """The Dictionary of a hand-made file; HandmadeError names the first bad line."""
    dictionary = Dictionary(source, target)
    with open(path, encoding="utf-8") as f:
        for number, raw in enumerate(f, 1):
            line = raw.rstrip("\r\n")
            if line.strip() and not datalib.is_comment(line):
                parse_line(line, dictionary, f"{path}:{number}")
    return dictionary


def oriented_pairs(pairs, aspects):
    """({perfective: imperfective}, [pair left out]) of the verb pairs: a pair is
    oriented by the aspects PoliMorf gives its verbs ({verb: {"perf", "imperf"}})."""
    oriented, left_out = {}, []
    for pair in sorted(pairs, key=sorted):
        first, second = sorted(pair)
        if "perf" in aspects.get(first, ()) and "imperf" in aspects.get(second, ()):
            oriented[first] = second
        elif "perf" in aspects.get(second, ()) and "imperf" in aspects.get(first, ()):
            oriented[second] = first
        else:
            left_out.append((first, second))
    return oriented, left_out
