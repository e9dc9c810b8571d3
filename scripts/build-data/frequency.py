"""Running text of each language from Debian packages, its word tokens and the
frequency of its lemmas, and how much of it a built data set covers.

A token is covered when it, in small letters or as written, or a base the forms file
gives it, is a headword of the main dictionary. Lemmas are ranked by their tokens: a
token the forms file knows counts a share to each of its bases; one it does not know
counts to its lemmas by the morphological sources (PoliMorf, hunspell-fr), which are
the same for every data set measured; a token neither knows (a command name, an
English word of a manual page, a typo) is no word of the language and counts nowhere."""

import collections
import glob
import gzip
import html
import os
import re

import datalib
import french
import frequent_words
import polimorf

# A word token: an elided word with its apostrophe ("l'", "qu'"), or letters joined by
# hyphens; a single letter (an option "-d", an initial) is no word.
WORD = re.compile(r"[^\W\d_]+'|[^\W\d_]{2,}(?:-[^\W\d_]+)*")
TAG = re.compile(r"<[^>]*>")
RANKS = (1000, 5000, 20000)
FILES = {"fr": ("frpol2.sg", "franc2.so"), "pl": ("polfr2.sg", "pol2.so")}


def html_texts(pattern):
    for path in sorted(glob.glob(pattern, recursive=True)):
        with open(path, encoding="utf-8", errors="replace") as f:
            yield html.unescape(TAG.sub(" ", f.read()))


def man_page_texts(folder):
    for path in sorted(glob.glob(os.path.join(folder, "**", "*.gz"), recursive=True)):
        with gzip.open(path, "rt", encoding="utf-8", errors="replace") as f:
            yield frequent_words.strip_roff(f.read())


# {language: [(name, package, reader of its texts)]}: the running text measured
TEXTS = {
    "fr": [("manual pages", "manpages-fr", lambda: man_page_texts("/usr/share/man/fr")),
           ("LibreOffice help", "libreoffice-help-fr",
            lambda: html_texts("/usr/share/libreoffice/help/fr/text/**/*.html")),
           ("Debian reference", "debian-reference-fr",
            lambda: html_texts("/usr/share/debian-reference/*.fr.html"))],
    "pl": [("sayings", "fortunes-pl", frequent_words.fortunes_texts),
           ("manual pages", "manpages-pl", lambda: man_page_texts("/usr/share/man/pl")),
           ("LibreOffice help", "libreoffice-help-pl",
            lambda: html_texts("/usr/share/libreoffice/help/pl/text/**/*.html"))],
}


# Frequent English words: the manual pages and the help of both languages leave parts
# untranslated, which are no running text of the language measured.
ENGLISH = {"the", "is", "of", "and", "to", "that", "for", "this", "with", "be", "are", "or",
           "it", "you", "can", "if", "an", "from", "by", "which", "will", "not", "on", "use"}
# share of a line's tokens above which it is English
ENGLISH_SHARE = 0.15


def own_language_tokens(text):
    """The word tokens of a text, its English lines left out."""
    tokens = []
    for line in text.replace("’", "'").split("\n"):
        words = WORD.findall(line)
        if sum(1 for word in words if word.lower() in ENGLISH) <= ENGLISH_SHARE * len(words):
            tokens.extend(words)
    return tokens


def token_counts(texts):
    """{token as written: occurrences} of the texts."""
    counts = collections.Counter()
    for text in texts:
        counts.update(own_language_tokens(text))
    return counts


def read_corpus(language):
    """[(name, package, {token: occurrences})] of the language's texts; a package that
    is not installed gives an empty count."""
    return [(name, package, token_counts(reader())) for name, package, reader in TEXTS[language]]


class DataSet:
    """The headwords and the forms readings of one language of a built data set."""

    def __init__(self, sources, language):
        main_file, forms_file = FILES[language]
        self.headwords = {datalib.main_key(line)
                          for line in datalib.read_lines(os.path.join(sources, main_file + ".txt"))}
        self.bases = {}
        for line in datalib.read_lines(os.path.join(sources, forms_file + ".txt")):
            form, base = datalib.forms_pair(line)
            self.bases.setdefault(form, set()).add(base)

    def known_bases(self, token):
        """The bases the forms file gives the token as written or in small letters."""
        return {b for c in (token, token.lower()) for b in self.bases.get(c, ())}

    def covers(self, token):
        candidates = {token, token.lower()} | self.known_bases(token)
        return not candidates.isdisjoint(self.headwords)


def token_coverage(data_set, counts):
    """(covered tokens, tokens)."""
    covered = sum(n for token, n in counts.items() if data_set.covers(token))
    return covered, sum(counts.values())


def source_lemmas(language, tokens, dump):
    """{token: {lemma}} of the tokens the morphological sources know, in small letters."""
    words = {token.lower() for token in tokens}
    lemmas = {}
    if language == "pl":
        for form, lemma, _ in polimorf.dump_lines(dump):
            if form in words:
                lemmas.setdefault(form, set()).add(lemma)
    else:
        for word, analyses in french.analyse(sorted(words)).items():
            lemmas[word] = {a["st"] for a in analyses}
    return lemmas


def lemma_ranking(data_set, counts, fallback):
    """[(lemma, occurrences)], the most frequent first (equal ones by lemma). A lemma
    written with a capital only (a name) is left out."""
    shares = collections.Counter()
    for token, occurrences in counts.items():
        lemmas = data_set.known_bases(token) or fallback.get(token.lower(), set())
        lemmas = {lemma for lemma in lemmas if lemma == lemma.lower()}
        for lemma in lemmas:
            shares[lemma] += occurrences / len(lemmas)
    return sorted(shares.items(), key=lambda item: (-item[1], item[0]))


def rank_coverage(ranking, headwords, ranks=RANKS):
    """{rank: lemmas among the first rank that are headwords}."""
    return {rank: sum(1 for lemma, _ in ranking[:rank] if lemma in headwords) for rank in ranks}


def ranking_of(language, corpus, data_set, dump):
    """The lemma ranking of the whole corpus, lemmatised through data_set."""
    counts = sum((counts for _, _, counts in corpus), collections.Counter())
    unknown = [token for token in counts if not data_set.known_bases(token)]
    return lemma_ranking(data_set, counts, source_lemmas(language, unknown, dump))


def report(language, corpus, data_set, ranking, out=print):
    """Prints the token coverage of each text and the coverage of the ranked lemmas."""
    for name, package, counts in corpus:
        covered, tokens = token_coverage(data_set, counts)
        out(f"  {language} {name} ({package}): {covered} of {tokens} tokens have a headword as lemma "
            f"({100.0 * covered / max(tokens, 1):.1f}%)")
    for rank, covered in rank_coverage(ranking, data_set.headwords).items():
        shown = min(rank, len(ranking))
        out(f"  {language} {shown} most frequent lemmas: {covered} have an entry "
            f"({100.0 * covered / max(shown, 1):.1f}%)")
        if shown < rank:
            break
