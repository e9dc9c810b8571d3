"""The Polish morphological dictionary (PoliMorf, from morfologik-polish): dumping it
and mapping its tags onto the Polish form codes through the table polimorf-tags.txt."""

import functools
import itertools
import os
import subprocess
import tempfile

JARS = ["morfologik-tools", "morfologik-fsa", "morfologik-stemming", "commons-cli", "hppc"]
JAVA_DIR = "/usr/share/java"
# The dictionary holds 4.8 million forms; far fewer means the dump went wrong.
MINIMUM_ENTRIES = 1_000_000

# Gender type of a noun code by PoliMorf gender.
NOUN_GENDER_TYPE = {"m1": "0", "m2": "2", "m3": "1", "f": "3", "n1": "4", "n2": "4",
                    "p1": "488", "p2": "47", "p3": "47"}


def dump(output):
    """Writes "form<TAB>lemma<TAB>tags" lines of the whole dictionary to output."""
    with tempfile.TemporaryDirectory() as folder:
        # the tool reads the dictionary's metadata (pl.info) beside it
        subprocess.run(["unzip", "-o", "-q", f"{JAVA_DIR}/morfologik-polish.jar",
                        "morfologik/dictionaries/pl.dict", "morfologik/dictionaries/pl.info",
                        "-d", folder], check=True)
        classpath = ":".join(f"{JAVA_DIR}/{jar}.jar" for jar in JARS)
        temporary = output + ".tmp"
        with open(temporary, "w", encoding="utf-8") as out:
            subprocess.run(["java", "-cp", classpath, "morfologik.tools.FSADumpTool", "-d",
                            f"{folder}/morfologik/dictionaries/pl.dict", "-x"], stdout=out, check=True)
        with open(temporary, encoding="utf-8") as dumped:
            entries = sum(1 for line in dumped if line.count("\t") == 2)
        if entries < MINIMUM_ENTRIES:
            os.remove(temporary)
            raise RuntimeError(f"the PoliMorf dump holds only {entries} entries; is morfologik-polish complete?")
        os.replace(temporary, output)


def read_dump(path, lemmas=None):
    """{lemma: [(form, tag), …]} with every "+"-joined tag split; only the given lemmas
    when a set is given. The header ends at the first line with two tabs."""
    result = {}
    for form, lemma, tags in dump_lines(path):
        if lemmas is not None and lemma not in lemmas:
            continue
        bucket = result.setdefault(lemma, [])
        for tag in tags.split("+"):
            bucket.append((form, tag))
    return result


def dump_lines(path):
    """(form, lemma, "+"-joined tags) of every entry of the dump."""
    with open(path, encoding="utf-8") as f:
        for line in f:
            fields = line.rstrip("\n").split("\t")
            if len(fields) == 3:
                yield fields


# Parts of speech whose inflected forms are no dictionary headwords of their own;
# gerunds, participles and the like stay, as dictionaries list them.
DECLINED = ("subst", "depr", "adj", "adja", "adjp", "num")


def declined_forms(path, words):
    """The words that PoliMorf knows only as declined forms of other lemmas (plurals,
    oblique cases, feminine adjectives…), never as lemmas or in another use."""
    uses = {}
    for form, lemma, tags in dump_lines(path):
        if lemma in words:
            uses[lemma] = False
        elif form in words and uses.get(form, True):
            uses[form] = all(t.split(":")[0] in DECLINED for t in tags.split("+"))
    return {word for word, declined in uses.items() if declined}


@functools.lru_cache(maxsize=None)
def atomic_tags(tag):
    """Every single-valued tag a PoliMorf tag with "."-joined alternatives stands for."""
    fields = [f.split(".") for f in tag.split(":")]
    return tuple(":".join(combination) for combination in itertools.product(*fields))


class TagTable:
    """The mapping table: rows "pattern value", first match wins. A pattern is a
    ":"-list of fields, each "*" or a "."-list of values, matched against the leading
    fields of an atomic tag. A value is a form code, "case:X" (a case letter of a noun
    or verbal-noun form, coded later from the form's whole case set) or "-" (no form)."""

    def __init__(self, path):
        self.rows = []
        self._values = {}
        self.case_codes = {"noun": {}, "gerund": {}}
        self.version = None
        with open(path, encoding="utf-8") as f:
            for line in f:
                line = line.split("#", 1)[0].strip()
                if not line:
                    continue
                words = line.split()
                if words[0] == "version":
                    self.version = words[1]
                elif words[0] in self.case_codes:
                    self.case_codes[words[0]][words[2]] = int(words[1])
                else:
                    pattern = [set(field.split(".")) for field in words[0].split(":")]
                    self.rows.append((pattern, words[1]))

    def value(self, atomic):
        if atomic not in self._values:
            self._values[atomic] = self._match(atomic)
        return self._values[atomic]

    def _match(self, atomic):
        fields = atomic.split(":")
        for pattern, value in self.rows:
            if len(pattern) <= len(fields) and all(
                    "*" in allowed or field in allowed for allowed, field in zip(pattern, fields)):
                return value
        return "-"

    def case_set_codes(self, kind, cases):
        """Codes covering a set of case letters: one code for the whole set when the table
        has it, else one per number, else one per case."""
        table = self.case_codes[kind]
        cases = "".join(sorted(set(cases), key="1234567ABCDEFG".index))
        if cases in table:
            return [table[cases]]
        singular = "".join(c for c in cases if c.isdigit())
        plural = "".join(c for c in cases if not c.isdigit())
        if singular and plural and singular in table and plural in table:
            return [table[singular], table[plural]]
        return [table[c] for c in cases if c in table]


# The analysis finds a comparative or superlative adjective without readings of its
# own: it takes off "naj", turns the ending into "szy" and the first of these stems
# that fits into the lemma's. The forms these rules miss ("szybszy" of "szybki",
# "lepszy" of "dobry") are listed with the codes of the positive degree instead.
DEGREE_ENDINGS = ("szy", "si", "sza", "sze", "szego", "szej", "szemu", "szą", "szym", "szych", "szymi")
DEGREE_STEMS = (("głośniejszy", "głośny"), ("krótszy", "krótki"), ("śniejszy", "sny"),
                ("ślejszy", "sły"), ("roźniejszy", "roźny"), ("źniejszy", "zny"), ("niejszy", "ny"),
                ("wiejszy", "wy"), ("rzejszy", "ry"), ("lszy", "ły"), ("szy", "y"))


def degree_lemma(form):
    """The lemma the analysis makes of a comparative or superlative form, or None."""
    if form.startswith("naj") and len(form) > 4:
        form = form[3:]
    ending = next((e for e in DEGREE_ENDINGS if form.endswith(e)), None)
    if ending is None:
        return None
    masculine = form[:-len(ending)] + "szy"
    for key, lemma_end in DEGREE_STEMS:
        if masculine.endswith(key):
            return masculine[:-len(key)] + lemma_end
    return None


def _positive(atomic):
    """The positive-degree tag of an adjective's comparative or superlative tag, or None."""
    fields = atomic.split(":")
    if fields[0] == "adj" and len(fields) > 4 and fields[4] in ("com", "sup"):
        return ":".join(fields[:4] + ["pos"] + fields[5:])
    return None


def form_codes(readings, table, lemma=None):
    """[(form, code)] of one lemma's readings [(form, tag)], each pair once. Given the
    lemma, the higher degrees the analysis would not lead back to it are listed too."""
    codes = {}
    cases = {}
    for form, tag in readings:
        for atomic in atomic_tags(tag):
            value = table.value(atomic)
            positive = _positive(atomic)
            if value == "-" and lemma and positive and degree_lemma(form) != lemma:
                value = table.value(positive)
            if value == "-":
                continue
            if value.startswith("case:"):
                kind = "gerund" if atomic.startswith("ger:") else "noun"
                cases.setdefault((form, kind), set()).add(value[5:])
            else:
                codes.setdefault(form, set()).add(int(value))
    pairs = set()
    for form, found in codes.items():
        if {81, 91} <= found:   # the same form for the masculine singular and the personal plural
            found = (found - {81, 91}) | {92}
        pairs.update((form, code) for code in found)
    for (form, kind), letters in cases.items():
        if "A" in letters:
            letters.discard("G")   # the vocative plural is the nominative plural
        if kind == "gerund" and "1" in letters:
            letters.add("7")       # the dictionary gives verbal nouns no vocative
        pairs.update((form, code) for code in table.case_set_codes(kind, letters))
    return sorted(pairs)


def word_class(readings):
    """Word class of a lemma by its first reading's part of speech, with the noun gender:
    ("subst", "f"), ("adj", ""), ("verb", "") … A predicative reading gives way to any
    other: "czas", "brak" and "strach" are nouns that also stand as predicates."""
    predicative = False
    for form, tag in readings:
        parts = tag.split(":")
        pos = parts[0]
        if pos == "subst" and len(parts) >= 4:
            return ("subst", parts[3].split(".")[0])
        if pos in ("verb", "adj", "adv", "num", "prep", "conj", "comp", "qub", "interj",
                   "ppron12", "ppron3", "siebie"):
            return (pos, "")
        predicative = predicative or pos == "pred"
    return ("pred", "") if predicative else ("", "")


def dictionary_code(readings, fitted=None):
    """The grammatical code of a Polish headword or translation by its readings: the
    fitted code when there is one, else for a noun the bare gender type (which declines
    nothing but carries the gender), for a verb the bare verb marker (which conjugates
    nothing)."""
    pos, gender = word_class(readings)
    if pos == "subst":
        return fitted or NOUN_GENDER_TYPE.get(gender, "1")
    if pos == "verb":
        return fitted or "*"
    return {"adj": "7", "adv": "70", "num": "95", "prep": "91", "conj": "92", "comp": "92",
            "qub": "93", "interj": "94", "ppron12": "90", "ppron3": "90", "siebie": "90"}.get(pos, "")


# Reading codes of the uninflected classes, for the forms line of the word itself.
UNINFLECTED_READING = {"70": 218, "90": 210, "91": 211, "92": 212, "93": 213, "94": 214, "95": 215}
