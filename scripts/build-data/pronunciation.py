#!/usr/bin/env python3
"""Pronunciations of French headwords: the IPA of FreeDict written in the Polish letters
that a headword's tail stores ("chat {sza}"), by the table ipa-letters.txt.

    pronunciation.py --check      every row of the table and a set of sample words must
                                  come back as their IPA through the entry view's reading
    pronunciation.py IPA …        prints the notation of each IPA string and its reading
"""

import argparse
import os
import re
import sys
import unicodedata

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import datalib  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
TABLE = os.path.join(HERE, "ipa-letters.txt")
DROP = "(drop)"
SPACE = "(space)"
NASAL = "\u0303"
# "(en)…(fr)" marks a stretch in another language's phonology; any other bracket
# group is an optional sound ("aʃ(.ə).tœʁ"), kept as a dictionary gives the careful form
LANGUAGE_MARK = re.compile(r"\((en|fr)\)")

# The entry view's reading of the notation, letter by letter; "a" and "ő" read
# differently before the tilde of a nasal vowel, "ü" depends on what follows it.
VIEW_LETTERS = {"@": "ə", "e": "ɛ", "o": "ɔ", "w": "v", "ł": "w", "ą": "ɔ" + NASAL, "ż": "ʒ",
                "â": "ɑ", "é": "e", "ę": "ɛ" + NASAL, "ń": "ɲ", "ô": "o", "ő": "ø", "ö": "œ"}
VIEW_BEFORE_TILDE = {"a": "ɑ", "o": "œ", "ő": "œ"}
# the vowels before which the view reads "ü" as the semivowel ɥ, unless they are nasal
VIEW_SEMIVOWEL_CONTEXT = "aeiɑɛ"

# (IPA, notation) pairs that must survive the round trip: the vowel kinds, nasals,
# semivowels, and the places where the view reads a letter by its neighbours.
SAMPLES = [
    ("mɛ.zɔ̃", "mezą"), ("ʃa", "sza"), ("a.kɔ̃.pa.ɲa.tœʁ", "akąpańatör"),
    ("ɑ̃.fɑ̃", "a~fa~"), ("vɛ̃", "wę"), ("paʁ.fœ̃", "parfő~"), ("ʒə", "ż@"),
    ("nɥi", "nüi"), ("fly.id", "flyid"), ("ʒøn", "żőn"), ("pɑt", "pât"),
    ("wi", "łi"), ("ʁo.ze", "rôzé"), ("lə.z‿ɑ̃.fɑ̃", "l@za~fa~"), ("kɑ̃.piŋ", "ka~ping"),
    ("aʃ(.ə).tœʁ", "asz@tör"),
]


def _token(field):
    return " " if field == SPACE else "" if field == DROP else field


class LetterTable:
    """The rows of ipa-letters.txt: {IPA: notation} and {IPA: what the view shows}."""

    def __init__(self, path=TABLE):
        self.version, rows = datalib.read_table(path)
        self.notation_of = {}
        self.shown_as = {}
        for fields in rows:
            if len(fields) < 2:
                datalib.fail(f"{path}: a row needs the IPA and its notation: {fields[0]!r}")
            ipa = unicodedata.normalize("NFD", _token(fields[0]))
            self.notation_of[ipa] = _token(fields[1])
            self.shown_as[ipa] = fields[2] if len(fields) > 2 else ipa
        self.longest = max(len(ipa) for ipa in self.notation_of)

    def sounds(self, ipa):
        """The IPA split into the table's symbols, longest first, without the dropped
        marks; None when a part of it is in no row or in another language's phonology."""
        if LANGUAGE_MARK.search(ipa):
            return None
        text = unicodedata.normalize("NFD", ipa.replace("(", "").replace(")", "").strip())
        sounds = []
        at = 0
        while at < len(text):
            for length in range(min(self.longest, len(text) - at), 0, -1):
                if text[at:at + length] in self.notation_of:
                    break
            else:
                return None
            if self.notation_of[text[at:at + length]]:
                sounds.append(text[at:at + length])
            at += length
        return sounds

    def notation(self, ipa):
        """The notation of one IPA string, or None when it has a symbol outside the table
        or cannot be written so that the view reads it back."""
        sounds = self.sounds(ipa)
        if not sounds:
            return None
        letters = [self.notation_of[s] for s in sounds]
        for i, sound in enumerate(sounds):
            # the vowel y before a vowel: "ü" there would be read as the semivowel
            if sound == "y" and _semivowel_context("".join(letters[i + 1:])):
                letters[i] = "y"
        text = "".join(letters).strip()
        # A notation the view would read otherwise ("s" before "z" read as ʃ) is no
        # pronunciation. Only ɥ may come back as y: before a nasal or a rounded vowel
        # the notation has no way to tell them apart.
        if not text or _without_semivowel(view_reading(text)) != _without_semivowel(self.shown(sounds)):
            return None
        return text

    def careful_notation(self, variants):
        """The notation of the variant that keeps the most mute e's (ə) among those the
        table writes completely, the first of equals: Wiktionary often lists the casual
        form first ("ʃfal" before "ʃə.val" for cheval). None when no variant can be
        written."""
        written = [(self.sounds(ipa).count("ə"), -i, self.notation(ipa)) for i, ipa in enumerate(variants)
                   if self.notation(ipa)]
        return max(written)[2] if written else None

    def shown(self, sounds):
        """What the view should show for the sounds, without its length mark."""
        return unicodedata.normalize("NFD", "".join(self.shown_as[s] for s in sounds).strip())


def french_pronunciations(articles_by_headword, table):
    """{headword: notation} of the headwords without a space, from the first of their
    articles that gives an IPA."""
    found = {}
    for headword, articles in articles_by_headword.items():
        variants = next((article.ipa for article in articles if article.ipa), [])
        notation = table.careful_notation(variants) if " " not in headword else None
        if notation:
            found[headword] = notation
    return found


def with_pronunciation(line, notation):
    """A main-dictionary line with the pronunciation written after its headword, unless
    the headword already has a tail."""
    head, separator, body = line.partition("_")
    if not notation or not separator or any(bracket in head for bracket in "{["):
        return line
    return f"{head.rstrip()} {{{notation}}}_{body}"


def _semivowel_context(rest):
    """Whether the view reads a "ü" followed by the notation rest as the semivowel."""
    if not rest:
        return False
    vowel = VIEW_BEFORE_TILDE.get(rest[0], "") if rest[1:2] == "~" else VIEW_LETTERS.get(rest[0], rest[0])
    return vowel[:1] in VIEW_SEMIVOWEL_CONTEXT and NASAL not in vowel and rest[1:2] != "~"


def view_reading(notation):
    """The IPA the entry view shows for a notation, without the length mark it adds."""
    out = ""
    at = 0
    while at < len(notation):
        letter, following = notation[at], notation[at + 1:at + 2]
        at += 1
        if letter == "s" and following == "z":
            out += "ʃ"
            at += 1
        elif letter == "~":
            out += NASAL
        elif following == "~" and letter in VIEW_BEFORE_TILDE:
            out += VIEW_BEFORE_TILDE[letter]
        elif letter == "ü":
            out += "ɥ" if _semivowel_context(notation[at:]) else "y"
        else:
            out += VIEW_LETTERS.get(letter, letter)
    return unicodedata.normalize("NFD", out)


def _without_semivowel(ipa):
    return ipa.replace("ɥ", "y")


def check(table):
    """Problems of the table and the samples: each row's notation and each sample's IPA
    must come back through the view's reading."""
    problems = []
    for ipa, notation in table.notation_of.items():
        shown = unicodedata.normalize("NFD", table.shown_as[ipa])
        if notation.strip() and _without_semivowel(view_reading(notation)) != _without_semivowel(shown):
            problems.append(f"row {ipa!r}: {notation!r} reads as {view_reading(notation)!r}")
    for ipa, expected in SAMPLES:
        notation = table.notation(ipa)
        if notation != expected:
            problems.append(f"sample /{ipa}/: {notation!r}, expected {expected!r}")
        elif view_reading(notation) != table.shown(table.sounds(ipa)):
            problems.append(f"sample /{ipa}/: {notation!r} reads as {view_reading(notation)!r}")
    for variants, expected in ((["ʃfal", "ʃə.val"], "sz@wal"), (["med.sɛ̃", "mɛd.sɛ̃"], "médsę"),
                               (["vjø", "vjɛj"], "wjő"), (["ˈθɪŋk", "a"], "a"), (["ˈθɪŋk"], None)):
        if table.careful_notation(variants) != expected:
            problems.append(f"variants {variants}: {table.careful_notation(variants)!r}, expected {expected!r}")
    for ipa in ("ˈθɪŋk", "(en)bˈɛlz(fr)", "tʁɑ̃s.zɔn", "mo.xi.to", ""):
        if table.notation(ipa) is not None:
            problems.append(f"/{ipa}/ should have no notation, got {table.notation(ipa)!r}")
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--check", action="store_true")
    parser.add_argument("ipa", nargs="*")
    args = parser.parse_args()
    table = LetterTable()
    if args.check:
        problems = check(table)
        for problem in problems:
            print(problem, file=sys.stderr)
        print(f"ipa-letters {table.version}: {len(table.notation_of)} rows, {len(SAMPLES)} samples, "
              f"{len(problems)} problems")
        sys.exit(1 if problems else 0)
    for ipa in args.ipa:
        notation = table.notation(ipa)
        print(f"/{ipa}/\t{notation or '-'}\t{view_reading(notation) if notation else '-'}")


if __name__ == "__main__":
    main()
