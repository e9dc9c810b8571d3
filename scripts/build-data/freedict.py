"""Reader of the FreeDict dictionaries in dictd format (index + gzip-compressed data)."""

import gzip
import re

BASE64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"
HEADER = re.compile(r"^(?P<head>[^/<]*?)\s*(?P<ipa>(/[^/]*/\s*)*)(<(?P<pos>[^>]*)>)?\s*$")
IPA = re.compile(r"/([^/]*)/")
# A numbered line opening with a bracket is a definition ("3. (osoba) lp" of a
# pronoun: third person singular), not a sense.
SENSE = re.compile(r"^\s*(\d+)\.(?!\s*\()\s*(?P<rest>.*)$")
TRANSLATION_SEPARATOR = re.compile(r",(?=\s|$)")
TRAILING_SENSE = re.compile(r"\s+\d+\.\s*$")
# The domain and register labels that open a definition line: "(medycyna, medyczny)
# (anatomia) …", "(Musique) …", sometimes after "= ".
LEADING_LABELS = re.compile(r"^\s*(?:=\s*)?((?:\([^()]*\)\s*)+)")


def _number(text):
    value = 0
    for c in text:
        value = value * 64 + BASE64.index(c)
    return value


class Sense:
    def __init__(self, translations):
        self.translations = translations
        self.labels = set()     # items of the leading label groups of its definitions
        self.codes = []         # meaning codes given by the build itself, not by labels


class Entry:
    def __init__(self, headword, pos, gender, ipa=()):
        self.headword = headword
        self.ipa = list(ipa)    # the header's pronunciations (IPA), in their order
        self.pos = pos          # "n", "v", "adj", "adv", "pn", … or ""
        self.gender = gender    # "masc", "fem" or ""
        self.senses = []        # Sense
        # made from the other direction's article: pos is that article's
        self.reversed = False
        # written by hand for the project (handmade.py)
        self.handmade = False


def _parse_header(line):
    match = HEADER.match(line)
    if not match:
        return None
    tags = [t.strip() for t in (match.group("pos") or "").split(",") if t.strip()]
    gender = next((t for t in tags if t in ("masc", "fem")), "")
    pos = next((t for t in tags if t not in ("masc", "fem")), "")
    if not pos and gender:
        pos = "n"
    pronunciations = [ipa.strip() for ipa in IPA.findall(match.group("ipa")) if ipa.strip()]
    return Entry(match.group("head").strip(), pos, gender, pronunciations)


def _split_translations(text):
    """Translations separated by ", "; parenthesised remarks are dropped. A comma with
    no space after it is part of a word ("2,4,6-trinitrofenol")."""
    text = re.sub(r"\([^)]*\)", "", text)
    return [t.strip() for t in TRANSLATION_SEPARATOR.split(text) if t.strip()]


def _labels(line):
    """Items of the label groups that open a definition line: "(a, b) (c) text" gives
    a, b, c."""
    match = LEADING_LABELS.match(line)
    if not match:
        return set()
    return {item.strip() for group in re.findall(r"\(([^()]*)\)", match.group(1))
            for item in group.split(",") if item.strip()}


def parse_entry(text):
    """One dictd article: a header line, then the translations of the first sense on
    the next line, or numbered senses ("1. a, b"); other lines are definitions in the
    source language, whose leading labels belong to the sense just above. A sense
    number closing a translation line, or standing alone, opens a sense that has only
    definitions: its labels do not belong to the translations above it."""
    lines = [l for l in text.split("\n") if l.strip()]
    if not lines:
        return None
    entry = _parse_header(lines[0])
    if entry is None or not entry.headword:
        return None
    current = None
    for index, line in enumerate(lines[1:]):
        sense = SENSE.match(line)
        if sense or index == 0:
            translations = sense.group("rest") if sense else line
            current = Sense(_split_translations(TRAILING_SENSE.sub("", translations)))
            if current.translations:
                entry.senses.append(current)
            if TRAILING_SENSE.search(translations) or not current.translations:
                current = None
        elif current is not None:
            current.labels |= _labels(line)
    return entry if entry.senses else None


def read_dictionary(index_path, data_path):
    """Every article of the dictionary in index order; the database's own "00database"
    articles are skipped."""
    with gzip.open(data_path, "rb") as f:
        data = f.read()
    entries = []
    with open(index_path, encoding="utf-8") as index:
        for line in index:
            fields = line.rstrip("\n").split("\t")
            if len(fields) < 3 or fields[0].startswith("00database"):
                continue
            start, length = _number(fields[1]), _number(fields[2])
            entry = parse_entry(data[start:start + length].decode("utf-8", "replace"))
            if entry is not None:
                entries.append(entry)
    return entries
