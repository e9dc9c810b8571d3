#!/usr/bin/env python3
"""The pieces of the data build that widen its coverage: how the hand-made dictionaries
are read and where they rank, which pivoted pairs are kept and how they become
articles, which Polish verbs are aspect partners, which higher degrees the forms file
lists, and how running text is counted: which of its tokens are words of the language
and which Polish spellings without diacritics get them back."""

import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import verb_partners  # noqa: E402
import build_data  # noqa: E402
import datalib  # noqa: E402
import coverage  # noqa: E402
import domains  # noqa: E402
import freedict  # noqa: E402
import frequency  # noqa: E402
import handmade  # noqa: E402
import pivots  # noqa: E402
import polimorf  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
BOTH = pivots.BOTH_WAYS


def evidence(**languages):
    """Evidence from keyword arguments deu=(French bits, Polish bits)."""
    found = pivots.Evidence()
    for language, (french_bits, polish_bits) in languages.items():
        found.add(language, french_bits, polish_bits)
    return found


def article(headword, *translations):
    entry = freedict.Entry(headword, "n", "")
    entry.senses.append(freedict.Sense(list(translations)))
    return entry


class JoinableExpressions(unittest.TestCase):
    def test_a_two_word_set_phrase_stays_a_phrase_but_hyphened_words_count_apart(self):
        cases = [
            ("la ferme_#99 zamknij się", False),
            ("est-ce que_#99 + czy *92", True),
            ("qu’est-ce que_#99 co *92", True),
            ("au moins_#8 co najmniej", True),
            ("tout de suite_#99 natychmiast", True),
        ]
        for line, joinable in cases:
            with self.subTest(line=line):
                self.assertEqual(build_data.joinable([line]) == [line], joinable)


def written(folder, name, text):
    path = os.path.join(folder, name)
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)
    return path


class HandmadeDictionaries(unittest.TestCase):
    GOOD = "# comment\n\nafficher\tv\twyświetlać <wyświetlić>, pokazywać <pokazać> | wywieszać\n"

    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.addCleanup(self.folder.cleanup)

    def test_a_malformed_line_stops_the_reading_with_its_number(self):
        cases = [
            ("sinon\tconj", "expected lemma<TAB>part of speech<TAB>senses"),
            ("sinon\tconjonction\tw przeciwnym razie", "unknown part of speech"),
            ("sinon\tconj\tinaczej, , bo", "cannot read ''"),
            ("sinon\tconj\tinaczej | ", "'inaczej \\|' is no clean pl word"),
            ("afin\tconj\taby_", "no clean pl word"),
            ("effectuer\tv\twykonywać <wykonać", "cannot read"),
            ("répertoire <dossier>\tnm\tkatalog", "only a Polish verb has an aspect partner"),
        ]
        for line, message in cases:
            with self.subTest(line=line):
                path = written(self.folder.name, "fr-pl.txt", self.GOOD + line + "\n")
                with self.assertRaisesRegex(handmade.HandmadeError, f"fr-pl.txt:4: .*{message}"):
                    handmade.read(path, "fr", "pl")

    def test_a_polish_headword_with_its_partner_gives_both_verbs_the_article(self):
        path = written(self.folder.name, "pl-fr.txt", "ustawiać <ustawić>\tv\trégler, configurer | poser\n")
        dictionary = handmade.read(path, "pl", "fr")
        self.assertEqual([(e.headword, e.pos, [s.translations for s in e.senses]) for e in dictionary.entries],
                         [(verb, "v", [["régler", "configurer"], ["poser"]]) for verb in ("ustawiać", "ustawić")])
        self.assertEqual(dictionary.aspect_pairs, {frozenset(("ustawiać", "ustawić"))})

    def test_the_verb_pairs_are_oriented_by_the_aspects_of_polimorf(self):
        aspects = {"wyświetlać": {"imperf"}, "wyświetlić": {"perf"}, "kupić": {"perf", "imperf"},
                   "kupować": {"imperf"}, "pokazać": {"perf"}}
        pairs = {frozenset(p) for p in (("wyświetlać", "wyświetlić"), ("kupować", "kupić"),
                                        ("pokazać", "pokazywać"))}
        self.assertEqual(handmade.oriented_pairs(pairs, aspects),
                         ({"wyświetlić": "wyświetlać", "kupić": "kupować"}, [("pokazać", "pokazywać")]))

    def test_a_handmade_article_ranks_above_the_pivoted_ones_and_below_the_core(self):
        path = written(self.folder.name, "fr-pl.txt", "afficher\tv\twyświetlać\nsinon\tconj\tw przeciwnym razie, inaczej\n")
        side = build_data.Side(handmade.read(path, "fr", "pl").entries, "fr", "pl")
        kept = {("afficher", "pokazywać"): evidence(ita=(1, 1), deu=(1, 1)),
                ("sinon", "poza tym"): evidence(ita=(1, 1), deu=(1, 1))}
        # a thin article takes pivoted translations after its own, a full one none
        side.add(pivots.pivoted_entries(kept, side.entries, lambda pair: pair, lambda pair: "v", "68"))
        table = domains.DomainTable(os.path.join(HERE, "domain-labels.txt"))
        lines, _ = build_data.main_lines(side, set(), table, lambda h, e: "4", lambda w, pos: "", {})
        self.assertEqual(sorted(lines), ["afficher_#4 wyświetlać , +68 pokazywać (przez inne języki)",
                                         "sinon_#4 w przeciwnym razie , inaczej"])
        core = written(self.folder.name, "core.txt", "afficher_#4 pokazywać\n")
        merged = build_data.merge_core(sorted(lines), core, datalib.main_key)
        self.assertEqual(merged, ["afficher_#4 pokazywać", "sinon_#4 w przeciwnym razie , inaczej"])


    def test_the_table_keeps_its_perfective_for_an_imperfective_it_pairs(self):
        dictionary = handmade.Dictionary("pl", "fr")
        dictionary.aspect_pairs = {frozenset(("zakończyć", "kończyć")), frozenset(("wyświetlić", "wyświetlać"))}
        aspects = {"zakończyć": {"perf"}, "kończyć": {"imperf"}, "wyświetlić": {"perf"}, "wyświetlać": {"imperf"}}
        self.assertEqual(build_data.handmade_partners({"skończyć": "kończyć"}, [dictionary], aspects),
                         {"skończyć": "kończyć", "wyświetlić": "wyświetlać"})

    def test_a_handmade_gloss_of_several_words_makes_no_article_the_other_way(self):
        path = written(self.folder.name, "pl-fr.txt", "mięsny\tadj\tde viande, carné\n")
        polish = build_data.Side(handmade.read(path, "pl", "fr").entries, "pl", "fr")
        french = build_data.Side([], "fr", "pl")
        self.assertEqual([(e.headword, [s.translations for s in e.senses]) for e in polish.reverse_entries(french)],
                         [("carné", [["mięsny"]])])

class VerbPhrases(unittest.TestCase):
    def test_the_verb_of_a_verb_phrase_carries_its_code(self):
        codes = {"mieć": "/3", "avoir": "4"}
        cases = [("mieć rację", "mieć */3 rację"), ("zdawać sobie sprawę", "zdawać sobie sprawę"),
                 ("avoir raison", "avoir *4 raison"), ("se rendre compte", "se rendre compte")]
        for phrase, expected in cases:
            with self.subTest(phrase=phrase):
                self.assertEqual(build_data.with_verb_code(phrase, lambda w, pos: codes.get(w, "")), expected)


class NounPhrases(unittest.TestCase):
    def test_an_adjective_and_a_noun_decline_together(self):
        morphology = {"dom": [("dom", "subst:sg:nom:m3")], "biały": [("biały", "adj:sg:nom:m3:pos")],
                      "państwo": [("państwo", "subst:sg:nom:n2")],
                      "narodowy": [("narodowe", "adj:sg:nom.voc:n1.n2:pos"), ("narodowego", "adj:sg:gen:n1.n2:pos")],
                      "iść": [("idę", "fin:sg:pri:imperf")]}
        fitted = {"dom": "134"}
        cases = [("biały dom", "<134"), ("państwo narodowe", ">4"), ("narodowego państwo", ""),
                 ("idę dom", ""), ("biały dom narodowe", "")]
        for phrase, expected in cases:
            with self.subTest(phrase=phrase):
                self.assertEqual(build_data.noun_phrase_code(phrase, morphology, fitted), expected)


class PivotRule(unittest.TestCase):
    def test_a_pair_needs_two_witnesses(self):
        cases = [
            # (pair, evidence, held by a direct dictionary, kept)
            (("chat", "kot"), evidence(ita=(1, 1), deu=(2, 1)), False, True),
            # one pivot language read both ways shares its own homonyms
            (("témoigner", "płodzić"), evidence(deu=(BOTH, BOTH)), False, False),
            (("témoigner", "świadczyć"), evidence(deu=(1, 1)), True, True),
            (("stratosphère", "stratosfera"), evidence(spa=(1, 1)), False, True),
            (("afficher", "pokazywać"), evidence(spa=(1, 1)), False, False),
        ]
        for pair, found, attested, kept in cases:
            with self.subTest(pair=pair):
                result = pivots.kept_pairs({pair: found}, lambda p: attested)
                self.assertEqual(pair in result, kept)

    def test_cognates_are_spelt_alike_across_the_two_spellings(self):
        cases = [("photographie", "fotografia", True), ("enzymatique", "enzymatyczny", True),
                 ("chapelle", "kapelusz", False), ("chien", "pies", False)]
        for french_word, polish_word, alike in cases:
            with self.subTest(french=french_word):
                self.assertEqual(pivots.cognates(french_word, polish_word), alike)

    def test_own_words_are_single_clean_words(self):
        cases = [("pomme de terre", "fr", None), (" chat ", "fr", "chat"), ("a_b", "fr", None),
                 ("żółw", "fr", None), ("żółw", "pl", "żółw")]
        for text, language, word in cases:
            with self.subTest(text=text):
                self.assertEqual(pivots.own_word(text, language), word)
        self.assertEqual(pivots.pivot_key("Essen  gehen"), "essen gehen")


class PivotedEntries(unittest.TestCase):
    KEPT = {("chat", "kot"): evidence(ita=(1, 1), deu=(1, 1), spa=(1, 1)),
            ("chat", "kocur"): evidence(ita=(1, 1), deu=(1, 1)),
            ("chat", "czat"): evidence(spa=(1, 1), ita=(BOTH, BOTH)),
            ("chien", "pies"): evidence(spa=(1, 1), deu=(1, 1)),
            ("manger", "pies"): evidence(spa=(1, 1), deu=(1, 1))}

    def made(self, entries, pair_class=lambda pair: "n"):
        return {entry.headword: entry for entry in pivots.pivoted_entries(
            self.KEPT, entries, lambda pair: pair, pair_class, "68")}

    def test_only_headwords_without_or_with_one_translation_take_pivoted_ones(self):
        made = self.made({"chat": [article("chat", "kot", "kotek")], "chien": [article("chien", "psina")]})
        self.assertEqual(sorted(made), ["chien", "manger"])
        self.assertEqual(made["chien"].senses[0].translations, ["pies"])
        self.assertEqual(made["chien"].senses[0].codes, ["68"])

    def test_the_best_attested_come_first_and_a_mismatched_class_stays_out(self):
        made = self.made({}, lambda pair: None if pair[0] == "manger" else "n")
        self.assertEqual(made["chat"].senses[0].translations, ["kot", "czat", "kocur"])
        self.assertNotIn("manger", made)


class EntryLines(unittest.TestCase):
    def test_the_gloss_follows_the_variant_so_that_both_meanings_show_it(self):
        meanings = [build_data.Meaning("robić", "*61", True, [], "zrobić *$61", ""),
                    build_data.Meaning("wykonywać", "*1", False, ["68"], "wykonać *$1", "przez inne języki"),
                    build_data.Meaning("sporządzać", "", False, ["68"], "", "przez inne języki")]
        self.assertEqual(build_data.entry_line("faire", [("4", [meanings])]),
                         "faire_#4 + robić **61 <zrobić *$61> , +68 wykonywać **1 <wykonać *$1> "
                         "(przez inne języki) , +68 sporządzać (przez inne języki)")


class AspectPartners(unittest.TestCase):
    ASPECTS = {"robić": {"imperf"}, "zrobić": {"perf"}, "zrabiać": {"imperf"},
               "przyjechać": {"perf"}, "przyjeżdżać": {"imperf"}, "jechać": {"imperf"},
               "napisać": {"perf"}, "pisać": {"imperf"}, "wpisać": {"perf"}, "wpisywać": {"imperf"},
               "kupić": {"perf", "imperf"}, "kupować": {"imperf"}, "kupać": {"imperf"},
               "wrócić": {"perf"}, "wracać": {"imperf"}}
    PARTNERS = verb_partners.Partners(ASPECTS, {"zrobić": "robić", "kupić": "kupować"})

    def test_each_perfective_finds_its_imperfective(self):
        cases = [
            ("zrobić", "robić"),            # listed: the suffix would give "zrabiać"
            ("przyjechać", "przyjeżdżać"),  # a suffix before a prefix ("jechać")
            ("napisać", "pisać"),           # no secondary imperfective: the simple verb
            ("wpisać", "wpisywać"),
            ("kupić", "kupować"),           # listed, though PoliMorf has it both ways
            ("wrócić", "wracać"),           # the stem vowel turns to "a"
        ]
        for perfective, imperfective in cases:
            with self.subTest(perfective=perfective):
                self.assertEqual(self.PARTNERS.imperfective_of.get(perfective), imperfective)

    def test_an_imperfective_shares_meaning_only_with_a_suffixed_perfective(self):
        self.assertEqual(self.PARTNERS.partners("przyjeżdżać"), ["przyjechać"])
        self.assertEqual(self.PARTNERS.partners("pisać"), [])
        self.assertEqual(self.PARTNERS.partners("zrobić"), ["robić"])

    def test_the_perfective_variant_is_given_only_when_it_is_clear(self):
        cases = [("robić", lambda verb: False, "zrobić"),
                 ("przyjeżdżać", lambda verb: False, "przyjechać"),
                 ("pisać", lambda verb: False, None),
                 ("pisać", lambda verb: verb == "napisać", "napisać")]
        for imperfective, shares, perfective in cases:
            with self.subTest(imperfective=imperfective, perfective=perfective):
                self.assertEqual(self.PARTNERS.perfective_for(imperfective, shares), perfective)

    def test_a_verb_without_article_takes_its_partners_senses_with_the_label(self):
        entries = {"robić": [article("robić", "faire")], "pisać": [article("pisać", "écrire")]}
        made = {e.headword: e for e in verb_partners.partner_entries(entries, self.PARTNERS, "69")}
        # "wpisać" has a partner of its own, "wpisywać", which has no article
        self.assertEqual(sorted(made), ["napisać", "zrobić"])
        self.assertEqual([(s.translations, s.codes) for s in made["zrobić"].senses], [(["faire"], ["69"])])

    def test_a_prefixed_perfective_conjugates_as_its_simple_verb(self):
        fitted = {"robić": "*61", "pisać": "*9", "wpisywać": "*81", "wpisać": "$9"}
        self.assertEqual(verb_partners.prefixed_perfective_codes(self.PARTNERS, fitted),
                         {"zrobić": "$61", "napisać": "$9"})

    def test_the_table_of_pairs_reads(self):
        version, pairs = verb_partners.read_pairs(os.path.join(HERE, "verb-partner-pairs.txt"))
        self.assertTrue(version)
        self.assertEqual(pairs["powiedzieć"], "mówić")


class HigherDegrees(unittest.TestCase):
    TABLE = polimorf.TagTable(os.path.join(HERE, "polimorf-tags.txt"))

    def test_the_analysis_traces_regular_degrees_only(self):
        cases = [("nowszy", "nowy"), ("najładniejszego", "ładny"), ("krótsza", "krótki"),
                 ("szybszy", "szyby"), ("lepszy", "lepy"), ("szybki", None)]
        for form, lemma in cases:
            with self.subTest(form=form):
                self.assertEqual(polimorf.degree_lemma(form), lemma)

    def test_only_the_untraceable_degrees_are_listed_with_positive_codes(self):
        readings = [("szybki", "adj:sg:nom.voc:m1.m2.m3:pos"), ("szybszy", "adj:sg:nom.voc:m1.m2.m3:com")]
        self.assertEqual(polimorf.form_codes(readings, self.TABLE, "szybki"),
                         [("szybki", 81), ("szybszy", 81)])
        self.assertEqual(polimorf.form_codes(readings, self.TABLE), [("szybki", 81)])
        regular = [("nowy", "adj:sg:nom.voc:m1.m2.m3:pos"), ("nowszy", "adj:sg:nom.voc:m1.m2.m3:com")]
        self.assertEqual(polimorf.form_codes(regular, self.TABLE, "nowy"), [("nowy", 81)])


class RunningText(unittest.TestCase):
    def test_tokens_split_elisions_and_skip_letters_and_english_lines(self):
        text = "L’option -d affiche l'aide d'un mot.\nThis is the help of the command.\nPomme-de-terre x"
        self.assertEqual(frequency.own_language_tokens(text),
                         ["L'", "option", "affiche", "l'", "aide", "d'", "un", "mot", "Pomme-de-terre"])

    def test_lemmas_share_a_form_and_names_count_nowhere(self):
        data_set = frequency.DataSet.__new__(frequency.DataSet)
        data_set.headwords = {"être", "été"}
        data_set.bases = {"été": {"être", "été"}, "est": {"être"}}
        counts = {"été": 4, "est": 3, "Paris": 5, "xyz": 1}
        ranking = frequency.lemma_ranking(data_set, counts, {"xyz": {"xyz"}, "paris": {"Paris"}})
        self.assertEqual(ranking, [("être", 5.0), ("été", 2.0), ("xyz", 1.0)])
        self.assertEqual(frequency.rank_coverage(ranking, data_set.headwords, (1, 3)), {1: 1, 3: 2})
        self.assertEqual(frequency.token_coverage(data_set, counts), (7, 13))
        # the work list of the hand-made dictionaries keeps each lemma's rank
        self.assertEqual(coverage.missing_lemmas(ranking, data_set.headwords), [(3, "xyz", 1.0)])

    def test_addresses_are_no_words(self):
        text = "Voir https://www.debian.org/doc ou écrire à jean@exemple.fr, www.site.com aussi"
        self.assertEqual(frequency.own_language_tokens(text), ["Voir", "ou", "écrire", "aussi"])


class CorpusFilter(unittest.TestCase):
    def test_names_and_borrowed_words_leave_the_count_unless_the_language_owns_them(self):
        counts = {"Jack": 3, "fichier": 5, "Fichier": 1, "software": 4, "set": 2, "date": 6, "chmod": 2,
                  "go": 7, "TAILLE": 1}
        word_filter = frequency.CorpusFilter(counts, {"go": {"on"}}, own_words={"date", "on", "fichier"},
                                             foreign_words={"software", "set", "date", "chmod", "go"})
        # "Fichier" opens a sentence; "date" and "go" (a form of "on") are the language's own
        self.assertEqual(word_filter.kept(counts), {"fichier": 5, "Fichier": 1, "date": 6, "go": 7})


class DiacriticRestorer(unittest.TestCase):
    def test_a_plain_spelling_gets_back_the_one_reading_it_can_have(self):
        data_set = frequency.DataSet.__new__(frequency.DataSet)
        data_set.headwords = {"już", "się", "źle", "zły", "kot", "pod górę"}
        data_set.bases = {"złe": {"zły"}, "kota": {"kot"}}
        restorer = data_set.diacritic_restorer()
        # "zle" is "źle" or "złe"; "kota" is a word as written
        self.assertEqual(restorer, {"juz": "już", "sie": "się", "zly": "zły"})
        self.assertEqual(frequency.restored({"Juz": 2, "juz": 1, "zle": 4, "kota": 1}, restorer),
                         {"Już": 2, "już": 1, "zle": 4, "kota": 1})


if __name__ == "__main__":
    unittest.main()
