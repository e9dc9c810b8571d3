"""French forms: verbs from verbiste, nouns and adjectives from hunspell-fr (expanded
with unmunch, analysed with hunspell -m), coded through the table french-tags.txt."""

import subprocess
import tempfile

HUNSPELL_DIR = "/usr/share/hunspell"
# Dictionary lines of nouns and adjectives; verbs come from verbiste.
NOMINAL = {"po:nom", "po:adj"}


PAST_PARTICIPLE = "participle:past-participle"


def _slot_name(cell, slot, slots):
    """The slot as french-tags.txt names it: its number, or "invariable" for a past
    participle that has no feminine or plural forms ("été", "pu")."""
    if cell == PAST_PARTICIPLE and slot == 1 and not any(form for later in slots[1:] for form in later):
        return "invariable"
    return str(slot)


class FrenchTable:
    """The table of french-tags.txt: the cells of the French analyses and the form
    code of each set of cells."""

    def __init__(self, path):
        self.cells = {}
        self.codes = []
        self.version = None
        with open(path, encoding="utf-8") as f:
            for line in f:
                words = line.split("#", 1)[0].split()
                if not words:
                    continue
                if words[0] == "version":
                    self.version = words[1]
                elif words[0] == "cell" and len(words) == 4:
                    self.cells[(words[2], words[3])] = words[1]
                elif words[0] == "cell":
                    self.cells[tuple(words[2:5])] = words[1]
                elif words[0] == "code":
                    self.codes.append((int(words[1]), frozenset(words[2:])))
        self._covers = {}

    def codes_of(self, names):
        """The codes of a form that stands for the cells names: the code of exactly that
        set, or else the fewest codes whose sets lie inside it (the earlier of equal
        rows first), until no code covers what is left."""
        names = frozenset(names)
        if names not in self._covers:
            self._covers[names] = self._cover(names)
        return self._covers[names]

    def _cover(self, names):
        for code, cells in self.codes:
            if cells == names:
                return [code]
        chosen, left = [], set(names)
        while left:
            rows = [(code, cells) for code, cells in self.codes if cells <= names and cells & left]
            if not rows:
                break
            code, cells = max(rows, key=lambda row: len(row[1] & left))
            chosen.append(code)
            left -= cells
        return sorted(chosen)

    def verb_forms(self, cells):
        """[(form, code)] of one conjugated verb: one code for the cells each form
        stands for."""
        names_by_form = {}
        for cell, slots in cells.items():
            for slot, forms in enumerate(slots, start=1):
                name = self.cells.get((cell, _slot_name(cell, slot, slots)))
                if name is not None:
                    for form in forms:
                        if form:
                            names_by_form.setdefault(form, set()).add(name)
        return sorted((form, code) for form, names in names_by_form.items() for code in self.codes_of(names))

    def word_cells(self, analysis):
        """{part of speech: cell names} of one hunspell analysis {"po": {...}, "is": {...}}:
        an epicene word (is:epi) stands for both genders and an invariable one (is:inv)
        for both numbers."""
        genders = {"mas", "fem"} & analysis["is"] or ({"mas", "fem"} if "epi" in analysis["is"] else set())
        numbers = {"sg", "pl"} & analysis["is"] or ({"sg", "pl"} if "inv" in analysis["is"] else set())
        cells = {}
        for pos in analysis["po"]:
            names = {self.cells[(pos, g, n)] for g in genders for n in numbers if (pos, g, n) in self.cells}
            if names:
                cells[pos] = names
        return cells


def analyse(words):
    """{word: [{"st": lemma, "po": {...}, "is": {...}}]} from hunspell -m with fr_FR."""
    result = {}
    if not words:
        return result
    run = subprocess.run(["hunspell", "-m", "-d", f"{HUNSPELL_DIR}/fr_FR", "-i", "utf-8"],
                         input="\n".join(words) + "\n", capture_output=True, text=True, check=True)
    for line in run.stdout.split("\n"):
        fields = line.split()
        if len(fields) < 2 or not any(f.startswith("st:") for f in fields):
            continue
        analysis = {"st": fields[0], "po": set(), "is": set()}
        for field in fields[1:]:
            key, _, value = field.partition(":")
            if key == "st":
                analysis["st"] = value
            elif key in ("po", "is"):
                analysis[key].add(value)
        result.setdefault(fields[0], []).append(analysis)
    return result


def expand(lemmas):
    """Every form hunspell-fr derives from the noun and adjective lines of the lemmas."""
    lines = []
    with open(f"{HUNSPELL_DIR}/fr_FR.dic", encoding="utf-8") as dic:
        next(dic)
        for line in dic:
            fields = line.split()
            if not fields or not NOMINAL.intersection(fields):
                continue
            if fields[0].split("/", 1)[0] in lemmas:
                lines.append(fields[0])
    with tempfile.NamedTemporaryFile("w", suffix=".dic", encoding="utf-8") as small:
        small.write(f"{len(lines)}\n" + "\n".join(lines) + "\n")
        small.flush()
        run = subprocess.run(["unmunch", small.name, f"{HUNSPELL_DIR}/fr_FR.aff"],
                             capture_output=True, text=True, check=True)
    # unmunch writes "form/continuation flags" and spells an empty affix "0"
    forms = set()
    for token in run.stdout.split():
        form = token.split("/", 1)[0]
        if form.endswith("0"):
            form = form[:-1]
        if form and "'" not in form:
            forms.add(form)
    return sorted(forms)


def nominal_lemmas():
    """Every noun and adjective of hunspell-fr written in lower-case letters only."""
    lemmas = set()
    with open(f"{HUNSPELL_DIR}/fr_FR.dic", encoding="utf-8") as dic:
        next(dic)
        for line in dic:
            fields = line.split()
            if fields and NOMINAL.intersection(fields):
                word = fields[0].split("/", 1)[0]
                if word.isalpha() and word.islower():
                    lemmas.add(word)
    return lemmas


def nominal_readings(lemmas):
    """{lemma: [(form, analysis)]} of every form of the nouns and adjectives among the
    lemmas."""
    result = {}
    for form, readings in analyse(expand(lemmas)).items():
        for analysis in readings:
            if analysis["st"] in lemmas:
                result.setdefault(analysis["st"], []).append((form, analysis))
    return result


def nominal_forms(readings_by_lemma, table):
    """{lemma: [(form, code)]} from the lemmas' nominal readings: a form gets one code
    per part of speech for everything it stands for ("bras": masculine, both numbers)."""
    result = {}
    for lemma, readings in readings_by_lemma.items():
        cells = {}
        for form, analysis in readings:
            for pos, names in table.word_cells(analysis).items():
                cells.setdefault((form, pos), set()).update(names)
        result[lemma] = sorted({(form, code) for (form, _), names in cells.items() for code in table.codes_of(names)})
    return result


def _forms(lemma, readings, pos, genders, numbers):
    """Forms of the lemma with the part of speech, one of the genders ("epi" counts for
    both) and one of the numbers. Forms hunspell-fr derives with a prefix ("kilohertz"
    of "hertz") or a capital ("Landes" of "lande") are not the lemma's own."""
    return {form for form, a in readings
            if pos in a["po"] and (genders & a["is"] or "epi" in a["is"]) and numbers & a["is"]
            and form[0] == lemma[0] and not (len(form) > len(lemma) and form.endswith(lemma))}


def irregular_forms(lemma, readings):
    """The data value of a noun with an irregular plural ("pl chevaux") or of an
    adjective with an irregular feminine or plural ("f. belle, pl beaux"); None when
    every form is regular. readings are the lemma's (form, analysis) pairs. A plural
    is regular when it is the singular with "s" or the singular itself (an invariable
    word), a feminine when it is the masculine with "e" or the masculine itself."""
    is_adjective = any("adj" in a["po"] for _, a in readings)
    pos = "adj" if is_adjective else "nom"
    own = [a for form, a in readings if form == lemma and pos in a["po"]]
    if not own:
        return None
    masculine = {"mas"} if any({"mas", "epi"} & a["is"] for a in own) else {"fem"}
    parts = []
    if is_adjective:
        feminine = _forms(lemma, readings, pos, {"fem"}, {"sg"})
        if feminine - {lemma, lemma + "e"}:
            parts.append("f. " + ", ".join(sorted(feminine)))
    # the plurals of other masculine singulars ("bels" of "bel") are not the lemma's
    variants = _forms(lemma, readings, pos, masculine, {"sg"}) - {lemma}
    plurals = _forms(lemma, readings, pos, masculine, {"pl", "inv"}) - {v + "s" for v in variants}
    regular = {lemma} if lemma[-1].lower() in "sxz" else {lemma, lemma + "s"}
    if plurals - regular:
        parts.append("pl " + ", ".join(sorted(plurals)))
    return ", ".join(parts) or None


def declined_forms(words, analyses, headwords):
    """The words hunspell-fr reads only as plurals or feminines of nouns and adjectives
    whose lemma is one of the headwords ("balivernes", "chevaux"); a word it also reads
    as a lemma, a verb form or not at all is none, and so is a capitalised one: the
    inhabitants' names ("Albanaise") are headwords of their own."""
    def declined(word):
        readings = analyses.get(word)
        return bool(readings) and not word[:1].isupper() and all(
            r["st"] != word and r["st"] in headwords and r["po"] & {"nom", "adj"} for r in readings)
    return {word for word in words if declined(word)}


def noun_gender(readings):
    """"1" masculine, "2" feminine noun code from the lemma's own analyses, or None."""
    for analysis in readings:
        if "nom" in analysis["po"]:
            if "fem" in analysis["is"] and "mas" not in analysis["is"]:
                return "2"
            if "mas" in analysis["is"] or "epi" in analysis["is"]:
                return "1"
    return None
