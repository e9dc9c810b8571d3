#!/usr/bin/env python3
"""The French form codes that french-tags.txt gives the forms the analysis rules are
written for: each form's set of cells must come out as the code those rules test."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import french  # noqa: E402

TABLE = french.FrenchTable(os.path.join(os.path.dirname(os.path.abspath(__file__)), "french-tags.txt"))

P, I, S = "indicative:present", "indicative:imperfect", "indicative:simple-past"
J, K, M = "subjunctive:present", "subjunctive:imperfect", "imperative:imperative-present"
PP = "participle:past-participle"


def conjugation(**cells):
    """verbiste-like cells {"mood:tense": [[forms of slot 1], …]} from keyword
    arguments "P1='parle'"; the slots of a tense not given stay empty, except that a
    participle always has a plural ("other"), so that it is not the invariable one."""
    tenses = {"P": (P, 6), "I": (I, 6), "S": (S, 6), "J": (J, 6), "K": (K, 6), "M": (M, 3), "pp": (PP, 4)}
    result = {PP: [[], ["other"], [], []]} if any(name.startswith("pp") for name in cells) else {}
    for name, form in cells.items():
        prefix = name.rstrip("0123456789")
        cell, size = tenses[prefix]
        result.setdefault(cell, [[] for _ in range(size)])[int(name[len(prefix):]) - 1].append(form)
    return result


class VerbFormCodes(unittest.TestCase):
    CASES = [
        # (the form's cells, the codes of its lines)
        ("parle", dict(P1="parle", P3="parle", J1="parle", J3="parle", M1="parle"), [90]),
        ("parles", dict(P2="parles", J2="parles"), [93]),
        ("parlent", dict(P6="parlent", J6="parlent"), [108]),
        ("parlons", dict(P4="parlons", M2="parlons"), [102]),
        ("parlions", dict(I4="parlions", J4="parlions"), [168]),
        ("parlais", dict(I1="parlais", I2="parlais"), [161]),
        ("va", dict(P3="va", M1="va"), [97]),
        ("aie", dict(J1="aie", M1="aie"), [111]),
        ("sois", dict(J1="sois", J2="sois", M1="sois"), [112]),
        ("sache", dict(J1="sache", J3="sache", M1="sache"), [116]),
        ("bois", dict(P1="bois", P2="bois", M1="bois"), [83]),
        ("finis", dict(P1="finis", P2="finis", M1="finis", S1="finis", S2="finis", pp2="finis"), [87]),
        ("dites", dict(P5="dites", M3="dites", pp4="dites"), [106]),
        ("fait", dict(P3="fait", pp1="fait"), [98]),
        ("dit", dict(P3="dit", S3="dit", pp1="dit"), [99]),
        ("pris", dict(S1="pris", S2="pris", pp1="pris", pp2="pris"), [198]),
        ("lus", dict(S1="lus", S2="lus", pp2="lus"), [197]),
        ("conclue", dict(J1="conclue", J3="conclue", pp3="conclue"), [115]),
        # a set no code stands for is covered by the fewest codes inside it
        ("finissions", dict(I4="finissions", J4="finissions", K4="finissions"), [154, 168]),
    ]

    def test_each_form_gets_the_code_of_its_cells(self):
        for form, cells, codes in self.CASES:
            with self.subTest(form=form):
                pairs = TABLE.verb_forms(conjugation(**cells))
                self.assertEqual([pair for pair in pairs if pair[0] == form], [(form, code) for code in codes])

    def test_a_participle_without_feminine_or_plural_is_invariable(self):
        self.assertEqual(TABLE.verb_forms({PP: [["été"], [], [], []]}), [("été", 190)])
        self.assertEqual(TABLE.verb_forms({PP: [["aimé"], ["aimés"], ["aimée"], ["aimées"]]}),
                         [("aimé", 191), ("aimée", 192), ("aimées", 194), ("aimés", 193)])


class NominalFormCodes(unittest.TestCase):
    CASES = [
        ("bras", [{"po": {"nom"}, "is": {"mas", "inv"}}], [2]),
        ("fois", [{"po": {"nom"}, "is": {"fem", "inv"}}], [6]),
        ("élève", [{"po": {"nom"}, "is": {"epi", "sg"}}], [11]),
        ("portions", [{"po": {"nom"}, "is": {"fem", "pl"}}], [7]),
        ("calme", [{"po": {"adj"}, "is": {"epi", "sg"}}, {"po": {"nom"}, "is": {"mas", "sg"}}], [1, 61]),
        ("gris", [{"po": {"adj"}, "is": {"mas", "inv"}}], [52]),
    ]

    def test_each_part_of_speech_gets_one_code(self):
        for form, analyses, codes in self.CASES:
            with self.subTest(form=form):
                readings = {"lemma": [(form, a) for a in analyses]}
                self.assertEqual(french.nominal_forms(readings, TABLE), {"lemma": [(form, c) for c in codes]})


if __name__ == "__main__":
    unittest.main()
