#!/usr/bin/env python3
"""Compiles the list of every form of the French words that begin with an aspirated h.

The program carries the result as src/core/generators/hmuet.inc; this script is run by
hand when the word list changes, never by the build.

Sources (Debian packages, installed only to run this script):
  verbiste      the verbs marked <aspirate-h/> in verbs-fr.xml, conjugated in every
                simple form by french-conjugator;
  hunspell-fr   the suffix rules of the French dictionary, which expand each lemma of
                aspirate-h-words.txt (nouns, adjectives, adverbs, interjections,
                reviewed by hand) into its plural and feminine forms, and the
                dictionary's hyphenated compounds that begin with one of those forms.

    apt-get install verbiste hunspell-fr
    scripts/build-data/aspirate-h.py            # rewrites src/core/generators/hmuet.inc

Every form is written in lower case; words with "œ" are also written with "oe", the
spelling the program's own lists use.
"""

import pathlib
import re
import subprocess
import sys
import unicodedata

ROOT = pathlib.Path(__file__).resolve().parents[2]
WORDS = pathlib.Path(__file__).with_name("aspirate-h-words.txt")
OUTPUT = ROOT / "src/core/generators/hmuet.inc"
VERBS_XML = pathlib.Path("/usr/share/verbiste-0.1/verbs-fr.xml")
AFF = pathlib.Path("/usr/share/hunspell/fr.aff")
DIC = pathlib.Path("/usr/share/hunspell/fr.dic")

# verbiste spells these verbs without their accent; the spelling of the dictionary wins.
VERB_SPELLING = {"habler": "hâbler"}


def aspirated_verbs():
    """(infinitive, template) of every verb verbiste marks with an aspirated h."""
    text = VERBS_XML.read_text(encoding="utf-8")
    entries = re.findall(r"<v><i>([^<]+)</i>\s*<t>([^<]+)</t>\s*<aspirate-h/>", text)
    return [(VERB_SPELLING.get(verb, verb), template) for verb, template in entries]


def conjugate(verb, template):
    """Every simple form french-conjugator gives for the verb (variants of one form
    come on one line, separated by commas)."""
    result = subprocess.run(["french-conjugator", "--template=" + template, verb],
                            capture_output=True, text=True, check=True)
    forms = set()
    for line in result.stdout.splitlines():
        if not line.startswith("-"):
            forms |= {form.strip() for form in line.split(",") if form.strip()}
    return forms


def suffix_rules():
    """Suffix rules of the dictionary: flag → [(strip, add, condition regex)]."""
    rules = {}
    for line in AFF.read_text(encoding="utf-8").splitlines():
        parts = line.split()
        if len(parts) < 5 or parts[0] != "SFX":
            continue
        flag, strip, add, condition = parts[1], parts[2], parts[3], parts[4]
        strip = "" if strip == "0" else strip
        add = add.split("/")[0]
        add = "" if add == "0" else add
        rules.setdefault(flag, []).append((strip, add, re.compile("(?:" + condition + ")$")))
    return rules


def dictionary_entries():
    """lemma → [flag strings] from the dictionary (flags are two characters each)."""
    entries = {}
    for line in DIC.read_text(encoding="utf-8").splitlines()[1:]:
        head = line.split()[0] if line.split() else ""
        word, _, flags = head.partition("/")
        entries.setdefault(word, []).append(flags)
    return entries


def expand(lemma, entries, rules):
    """The lemma and every form its dictionary entries' suffix flags give."""
    forms = {lemma}
    for flags in entries.get(lemma, []):
        for flag in (flags[i:i + 2] for i in range(0, len(flags), 2)):
            for strip, add, condition in rules.get(flag, []):
                if condition.search(lemma) and lemma.endswith(strip):
                    forms.add(lemma[:len(lemma) - len(strip)] + add)
    return forms


def compounds(forms, entries):
    """The dictionary's hyphenated words whose first part is one of the forms."""
    return {word for word in entries
            if "-" in word and word.split("-")[0].lower() in forms}


def reading_order(form):
    """Alphabetical as a reader expects: accents sort with their plain letter."""
    plain = unicodedata.normalize("NFD", form).encode("ascii", "ignore").decode()
    return (plain, form)


def hand_words():
    lines = WORDS.read_text(encoding="utf-8").splitlines()
    return [line.strip() for line in lines if line.strip() and not line.startswith("#")]


def main():
    rules = suffix_rules()
    entries = dictionary_entries()
    forms = set()
    missing = []
    for lemma in hand_words():
        if lemma not in entries:
            missing.append(lemma)
        forms |= expand(lemma, entries, rules)
    for verb, template in aspirated_verbs():
        forms |= conjugate(verb, template)
    forms = {form.lower() for form in forms}
    for compound in compounds(forms, entries):
        forms |= {form.lower() for form in expand(compound, entries, rules)}
    forms |= {form.replace("œ", "oe") for form in forms if "œ" in form}
    ordered = sorted(forms, key=reading_order)

    header = (
        "// Every form of the French words that begin with an aspirated h (no elision\n"
        "// before them), one a line, lower case, UTF-8. Generated by\n"
        "// scripts/build-data/aspirate-h.py from verbiste's aspirate-h verbs and the\n"
        "// hand-reviewed lemmas of scripts/build-data/aspirate-h-words.txt, expanded\n"
        "// through the suffix rules of the French hunspell dictionary. Edit those, not this.\n"
    )
    body = "R\"(\n" + "\n".join(ordered) + "\n)\"\n"
    OUTPUT.write_text(header + body, encoding="utf-8")
    print(f"{len(ordered)} forms written to {OUTPUT.relative_to(ROOT)}")
    if missing:
        print("not in the hunspell dictionary (kept as written): " + ", ".join(missing),
              file=sys.stderr)


if __name__ == "__main__":
    main()
