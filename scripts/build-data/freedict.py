"""Reader of the FreeDict dictionaries in dictd format (index + gzip-compressed data)."""

import gzip
import re

BASE64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"
HEADER = re.compile(r"^(?P<head>[^/<]*?)\s*(/[^/]*/\s*)*(<(?P<pos>[^>]*)>)?\s*$")
SENSE = re.compile(r"^\s*(\d+)\.\s*(?P<rest>.*)$")
TRAILING_SENSE = re.compile(r"\s+\d+\.\s*$")


def _number(text):
    value = 0
    for c in text:
        value = value * 64 + BASE64.index(c)
    return value


class Entry:
    def __init__(self, headword, pos, gender):
        self.headword = headword
        self.pos = pos          # "n", "v", "adj", "adv", "pn", … or ""
        self.gender = gender    # "masc", "fem" or ""
        self.senses = []        # each a list of translations


def _parse_header(line):
    match = HEADER.match(line)
    if not match:
        return None
    tags = [t.strip() for t in (match.group("pos") or "").split(",") if t.strip()]
    gender = next((t for t in tags if t in ("masc", "fem")), "")
    pos = next((t for t in tags if t not in ("masc", "fem")), "")
    if not pos and gender:
        pos = "n"
    return Entry(match.group("head").strip(), pos, gender)


def _split_translations(text):
    """Comma-separated translations; parenthesised remarks are dropped."""
    text = re.sub(r"\([^)]*\)", "", text)
    return [t.strip() for t in text.split(",") if t.strip()]


def parse_entry(text):
    """One dictd article: a header line, then the translations of the first sense on
    the next line, or numbered senses ("1. a, b"); other lines are definitions in the
    source language and are not translations."""
    lines = [l for l in text.split("\n") if l.strip()]
    if not lines:
        return None
    entry = _parse_header(lines[0])
    if entry is None or not entry.headword:
        return None
    for index, line in enumerate(lines[1:]):
        sense = SENSE.match(line)
        if sense:
            rest = TRAILING_SENSE.sub("", sense.group("rest"))
            if rest:
                entry.senses.append(_split_translations(rest))
        elif index == 0:
            entry.senses.append(_split_translations(TRAILING_SENSE.sub("", line)))
    entry.senses = [s for s in entry.senses if s]
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
