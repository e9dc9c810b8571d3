"""Polish aspect partners: the imperfective verb of a perfective one and back, found by
the derivations of the language and kept only when PoliMorf gives both verbs the aspect
they must have.

A perfective verb made by a suffix has its imperfective in the secondary derivation
("przyjechać" → "przyjeżdżać", "zapisać" → "zapisywać", "przerobić" → "przerabiać").
One that has none is the perfective of the simple verb it prefixes ("zrobić" of
"robić", "napisać" of "pisać"); a prefixed verb with a secondary imperfective of its own
means something else than its simple verb ("zapisać" is not "pisać")."""

import datalib
import freedict
import polimorf

# (perfective ending, imperfective ending) of the secondary derivation, tried in order
SUFFIX_RULES = (
    ("ować", "owywać"), ("ać", "ywać"), ("ać", "iwać"), ("ać", "awać"), ("ić", "iać"),
    ("ić", "ać"), ("yć", "ać"), ("yć", "ywać"), ("ić", "ywać"), ("ić", "ować"),
    ("ąć", "inać"), ("ąć", "ynać"), ("eć", "ywać"), ("eć", "ać"),
    ("sić", "szać"), ("zić", "żać"), ("cić", "cać"), ("ścić", "szczać"), ("dzić", "dzać"),
    ("jść", "chodzić"), ("jechać", "jeżdżać"), ("brać", "bierać"), ("słać", "syłać"),
    ("jąć", "jmować"), ("mknąć", "mykać"), ("drzeć", "dzierać"), ("trzeć", "cierać"),
    ("nieść", "nosić"), ("wieźć", "wozić"), ("wieść", "wodzić"),
)
# The stem vowel "o" or "ó" becomes "a" in the secondary imperfective ("wrócić" → "wracać").
STEM_VOWELS = {"o": "a", "ó": "a"}
PREFIXES = ("prze", "przy", "roz", "ode", "od", "pod", "nad", "po", "na", "za", "ze",
            "wy", "do", "ob", "u", "o", "s", "z", "w")


def read_aspects(dump):
    """{verb lemma: {"perf", "imperf"}} by the aspect of its infinitive in PoliMorf."""
    aspects = {}
    for form, lemma, tags in polimorf.dump_lines(dump):
        if form != lemma or "verb:inf" not in tags:
            continue
        for tag in tags.split("+"):
            fields = tag.split(":")
            if fields[:2] == ["verb", "inf"] and len(fields) > 2:
                aspects.setdefault(lemma, set()).update(fields[2].split("."))
    return aspects


def _with_stem_vowel(stem):
    """The stem and the stem with its last "o"/"ó" made "a"."""
    yield stem
    for index in range(len(stem) - 1, -1, -1):
        if stem[index] in STEM_VOWELS:
            yield stem[:index] + STEM_VOWELS[stem[index]] + stem[index + 1:]
            return


def secondary_imperfective(verb, is_imperfective):
    """The imperfective derived from a perfective verb by a suffix, or None."""
    for perfective_end, imperfective_end in SUFFIX_RULES:
        if verb.endswith(perfective_end):
            for stem in _with_stem_vowel(verb[:-len(perfective_end)]):
                candidate = stem + imperfective_end
                if candidate != verb and is_imperfective(candidate):
                    return candidate
    return None


def prefixed_base(verb, is_imperfective):
    """The imperfective simple verb a perfective one prefixes, or None."""
    for prefix in PREFIXES:
        base = verb[len(prefix):]
        if verb.startswith(prefix) and len(base) > 2 and is_imperfective(base):
            return base
    return None


def read_pairs(path):
    """(version, {perfective: imperfective}) of the table of irregular pairs."""
    version, rows = datalib.read_table(path)
    for fields in rows:
        if len(fields) != 2:
            datalib.fail(f"{path}: expected perfective<TAB>imperfective: {fields!r}")
    return version, dict(rows)


class Partners:
    """Aspect partners of the verbs of PoliMorf: perfective → its imperfective, and for
    each imperfective the perfectives paired with it. listed: {perfective: imperfective}
    of the pairs the rules miss; such a pair needs only each verb to have its aspect
    among others ("kupić" is imperfective too in PoliMorf)."""

    def __init__(self, aspects, listed):
        def only(aspect):
            return lambda verb: aspects.get(verb) == {aspect}
        is_imperfective, is_perfective = only("imperf"), only("perf")
        self.imperfective_of, self.by_suffix, self.listed = {}, set(), set()
        for perfective, imperfective in listed.items():
            if "perf" in aspects.get(perfective, ()) and "imperf" in aspects.get(imperfective, ()):
                self.imperfective_of[perfective] = imperfective
                self.listed.add(perfective)
        for verb in sorted(aspects):
            if not is_perfective(verb) or verb in self.imperfective_of:
                continue
            suffixed = secondary_imperfective(verb, is_imperfective)
            if suffixed:
                self.imperfective_of[verb] = suffixed
                self.by_suffix.add(verb)
            else:
                base = prefixed_base(verb, is_imperfective)
                if base:
                    self.imperfective_of[verb] = base
        self.perfectives_of = {}
        for perfective, imperfective in sorted(self.imperfective_of.items()):
            self.perfectives_of.setdefault(imperfective, []).append(perfective)

    def verbs(self):
        return set(self.imperfective_of) | set(self.perfectives_of)

    def related(self, words):
        """The verbs paired with any of the words, either way and however made."""
        found = set()
        for word in words:
            found.update(self.partners(word), self.perfectives_of.get(word, []))
        return found

    def partners(self, verb):
        """The verbs whose meaning this one shares: a perfective's imperfective; an
        imperfective's perfectives made by a suffix ("przyjechać" of "przyjeżdżać") —
        its prefixed perfectives add meanings of their own ("dojeść", "przejeść")."""
        if verb in self.imperfective_of:
            return [self.imperfective_of[verb]]
        return [p for p in self.perfectives_of.get(verb, []) if p in self.by_suffix]

    def perfective_for(self, imperfective, shares_meaning):
        """The one perfective that stands for an imperfective in a translation: the only
        one of its perfectives that shares_meaning(perfective) accepts, else the one the
        table of pairs gives, else its only perfective when a suffix made it; None when
        the choice is not clear ("pisać": "napisać", "dopisać", "wpisać"…)."""
        candidates = self.perfectives_of.get(imperfective, [])
        for choice in ([v for v in candidates if shares_meaning(v)],
                       [v for v in candidates if v in self.listed]):
            if len(choice) == 1:
                return choice[0]
        only_one_by_suffix = len(candidates) == 1 and candidates[0] in self.by_suffix
        return candidates[0] if only_one_by_suffix else None


def partner_entries(entries, partners, label_code):
    """Articles for the verbs that have none ({headword: [Entry]}) while their aspect
    partner has: the partner's senses, each with the meaning code label_code. A verb
    with several partners takes the senses of each, in the order of their names."""
    made = []
    for verb in sorted(partners.verbs() - set(entries)):
        sources = [p for p in sorted(partners.partners(verb)) if p in entries]
        if not sources or datalib.clean_word(verb, "pl") is None:
            continue
        entry = freedict.Entry(verb, "v", "")
        for source in sources:
            for article in entries[source]:
                for sense in article.senses:
                    copied = freedict.Sense(list(sense.translations))
                    copied.codes = [label_code]
                    entry.senses.append(copied)
        made.append(entry)
    return made


# The mark of a conjugation code that makes it perfective (its simple future taken from
# the present-tense forms), by the imperfective's mark
PERFECTIVE_MARK = {"*": "$", "/": "!"}


def prefixed_perfective_codes(partners, fitted):
    """{perfective: code} of the perfectives made by a prefix that have no fitted code
    of their own while their simple verb has: they conjugate as it does ("napisać" $9
    as "pisać" *9), with the perfective mark."""
    codes = {}
    for perfective, imperfective in partners.imperfective_of.items():
        code = fitted.get(imperfective, "")
        if (perfective not in fitted and perfective.endswith(imperfective)
                and code[:1] in PERFECTIVE_MARK):
            codes[perfective] = PERFECTIVE_MARK[code[0]] + code[1:]
    return codes
