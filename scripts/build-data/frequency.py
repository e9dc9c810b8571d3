"""Running text of each language from Debian packages, its word tokens and the
frequency of its lemmas, and how much of it a built data set covers.

A token is covered when it, in small letters or as written, or a base the forms file
gives it, is a headword of the main dictionary. Lemmas are ranked by their tokens: a
token the forms file knows counts a share to each of its bases; one it does not know
counts to its lemmas by the morphological sources (PoliMorf, hunspell-fr), which are
the same for every data set measured; a token neither knows (a command name, an
English word of a manual page, a typo) is no word of the language and counts nowhere.

Before they are counted, the tokens pass through the corpus filter (CorpusFilter),
which keeps the words of the language only, and Polish tokens typed without their
diacritics get them back where the data set's forms allow one reading only
(DataSet.restored)."""

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


# Web and mail addresses: their parts ("www", "org", "http") are no words.
ADDRESS = re.compile(r"\b(?:https?|ftp)://\S+|\bwww\.\S+|\S+@\S+\.\w+")


def own_language_tokens(text):
    """The word tokens of a text, its English lines and addresses left out."""
    tokens = []
    for line in ADDRESS.sub(" ", text.replace("’", "'")).split("\n"):
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


# Where the words of other kinds that running text borrows are listed: the English
# words (Debian's wamerican) and the names of the manual pages (commands, functions,
# files: "chmod", "fstab"). The FreeDict dictionaries from each language say which of
# them the language has made its own.
ENGLISH_WORDS = "/usr/share/dict/american-english"
MANUAL_FOLDERS = ("/usr/share/man/fr", "/usr/share/man/pl")
DICTD_DIR = "/usr/share/dictd"
OWN_DICTIONARIES = {"fr": ("fra-deu", "fra-ita", "fra-pol", "fra-spa"),
                    "pl": ("pol-deu", "pol-fra", "pol-ita", "pol-spa")}


def english_words(path=ENGLISH_WORDS):
    """The small-letter words of the English word list (its names and possessives left
    out)."""
    with open(path, encoding="utf-8") as f:
        return {word for word in (line.strip() for line in f) if word.isalpha() and word.islower()}


def manual_page_names(folders=MANUAL_FOLDERS):
    names = set()
    for folder in folders:
        for path in glob.glob(os.path.join(folder, "**", "*.gz"), recursive=True):
            names.add(os.path.basename(path).split(".", 1)[0].lower())
    return names


def dictionary_headwords(language):
    """The headwords, in small letters, of the FreeDict dictionaries from the language."""
    words = set()
    for pair in OWN_DICTIONARIES[language]:
        with open(os.path.join(DICTD_DIR, f"freedict-{pair}.index"), encoding="utf-8") as f:
            words.update(line.split("\t", 1)[0].lower() for line in f)
    return words


class CorpusFilter:
    """Which tokens of running text are words of the language measured. The lemma
    ranking, the count of the most frequent lemmas with an entry and the token coverage
    all read the text through it, so that they count the same words. Left out:
    - names and placeholders: a token written with a capital whose small-letter form
      the text never has ("Jack", "TAILLE", "Kaczorek");
    - the words of other kinds the text borrows, English words and the names of
      commands, functions and files, unless a dictionary of the language lists the
      token or one of its lemmas ("date", "signal", "film"; "go", a form of "on").
    Single letters are no tokens at all (WORD). What is kept does not depend on the data
    set measured: only on the text, the word lists and the morphological sources."""

    def __init__(self, counts, lemmas, own_words, foreign_words):
        """counts: {token: occurrences} of the whole text of the language; lemmas:
        {small-letter token: lemmas by the morphological sources}."""
        self.small_letters = {token for token in counts if token == token.lower()}
        self.lemmas = lemmas
        self.own_words = own_words
        self.foreign_words = foreign_words

    def keeps(self, token):
        lower = token.lower()
        if lower != token and lower not in self.small_letters:
            return False
        if lower in self.foreign_words:
            return lower in self.own_words or not self.lemmas.get(lower, set()).isdisjoint(self.own_words)
        return True

    def kept(self, counts):
        return collections.Counter({token: n for token, n in counts.items() if self.keeps(token)})


# The Polish letters with diacritics and the plain letters they are typed as without them.
PLAIN_LETTERS = str.maketrans("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ", "acelnoszzACELNOSZZ")


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

    def diacritic_restorer(self):
        """{word typed without diacritics: the one form or headword it stands for}: the
        plain spellings that no form or headword has as written and that only one
        form or headword with diacritics takes ("juz": "już", "sie": "się"; "zle" stands
        for "źle" and "złe", so it stays)."""
        known = set(self.bases) | {word for word in self.headwords if " " not in word}
        readings = {}
        for word in known:
            plain = word.translate(PLAIN_LETTERS)
            if plain != word:
                readings.setdefault(plain, set()).add(word)
        return {plain: next(iter(words)) for plain, words in readings.items()
                if len(words) == 1 and plain not in known}


def restored(counts, restorer):
    """{token: occurrences} with the tokens typed without their diacritics given them
    back ("Juz" counts as "Już")."""
    result = collections.Counter()
    for token, occurrences in counts.items():
        word = restorer.get(token.lower())
        if word and token != token.lower():
            word = word[0].upper() + word[1:]
        result[word or token] += occurrences
    return result


def token_coverage(data_set, counts):
    """(covered tokens, tokens)."""
    covered = sum(n for token, n in counts.items() if data_set.covers(token))
    return covered, sum(counts.values())


def source_lemmas(language, tokens, dump):
    """({token: {lemma}} of the tokens the morphological sources know, in small letters;
    the same without the readings as abbreviations, which PoliMorf gives many short
    words: "in" is "inaczej", "go" is no abbreviation)."""
    words = {token.lower() for token in tokens}
    lemmas, as_words = {}, {}
    if language == "pl":
        for form, lemma, tags in polimorf.dump_lines(dump):
            if form in words:
                lemmas.setdefault(form, set()).add(lemma)
                if not tags.startswith("brev"):
                    as_words.setdefault(form, set()).add(lemma)
    else:
        for word, analyses in french.analyse(sorted(words)).items():
            lemmas[word] = as_words[word] = {a["st"] for a in analyses}
    return lemmas, as_words


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


def filtered_corpus(language, corpus, data_set, dump):
    """(the corpus as measured: Polish diacritics restored through data_set and every
    text through the corpus filter, {small-letter token: lemmas by the morphological
    sources} of the tokens the data set does not know)."""
    if language == "pl":
        restorer = data_set.diacritic_restorer()
        corpus = [(name, package, restored(counts, restorer)) for name, package, counts in corpus]
    counts = sum((counts for _, _, counts in corpus), collections.Counter())
    foreign_words = english_words() | manual_page_names()
    asked = {token for token in counts if not data_set.known_bases(token) or token.lower() in foreign_words}
    lemmas, as_words = source_lemmas(language, asked, dump)
    word_filter = CorpusFilter(counts, as_words, dictionary_headwords(language), foreign_words)
    return [(name, package, word_filter.kept(counts)) for name, package, counts in corpus], lemmas


def ranking_of(language, corpus, data_set, lemmas):
    """The lemma ranking of the whole (filtered) corpus, lemmatised through data_set,
    else through the lemmas of the morphological sources."""
    counts = sum((counts for _, _, counts in corpus), collections.Counter())
    return lemma_ranking(data_set, counts, lemmas)


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
