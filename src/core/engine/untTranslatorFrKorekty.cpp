// Second looks at the readings once the sentence's structure shows: a noun–verb
// homograph the word stage left open is a noun when a verb follows in its clause, a
// noun agrees with its group's determiner ("les postes"), "soit" is a conjunction or
// a verb, and a homograph standing before an article is the verb governing it.
#include "core/engine/untTranslatorFr.h"
#include "core/engine/untTranslatorFrKody.h"

namespace velmar {

namespace {

const TZbiorKodow& NominalCodes()
{
    static const TZbiorKodow codes = KodyOdDo(1, 19) | KodyOdDo(31, 49) | KodyOdDo(51, 69) | KodyOdDo(190, 204);
    return codes;
}

const TZbiorKodow& FiniteCodes()
{
    static const TZbiorKodow codes = KodyOdDo(81, 189);
    return codes;
}

bool FromUserDictionary(const TCustomWypSlowo& word)
{
    return word.Readings.Count() > 0 && word.Readings.Item(0)->DictKind == kRodzajUzytkownika;
}

// The codes a noun may have in a group of the number and gender; a feature the group
// lacks narrows nothing.
TZbiorKodow NounCodesAgreeingWith(const TCustomWypGrupa& group)
{
    TZbiorKodow codes = KodyOdDo(1, 19);
    if (group.lba == 1)
        codes &= Kody({1, 2, 5, 6, 11, 12});
    else if (group.lba == 2)
        codes &= Kody({2, 3, 6, 7, 8, 12, 13});
    if (group.rdz == 1)
        codes &= Kody({1, 2, 3, 11, 12, 13});
    else if (group.rdz == 2)
        codes &= Kody({5, 6, 7, 8, 11, 12, 13});
    return codes;
}

} // namespace

bool TWypowiedzenieFr::IsOpenNounVerb(int i) const
{
    const TCustomWypSlowo& word = Words().Word(i);
    return word.HasMarker(znRzeczownikCzasownik) && !FromUserDictionary(word) && CanHave(i, NominalCodes()) &&
           CanHave(i, FiniteCodes());
}

void TWypowiedzenieFr::Subordinates()
{
    TCustomWypSlowa& words = Words();
    for (int i = 0; i < words.Count(); ++i) {
        if (IsOpenNounVerb(i)) {
            int j = i + 1;
            while (InRange(j) && !ClassIs(j, kwSpojnik) && !TextIn(j, "<,><que><qu'>") &&
                   !IsFrFiniteCode(words.Word(j).Code))
                ++j;
            if (InRange(j) && IsFrFiniteCode(words.Word(j).Code))
                CommitFirstIn(i, NominalCodes());
        }
        if (LemmaIs(i - 1, "\352tre"))
            VerbFormAdjust(i, Kody({86, 87, 88, 98, 99, 106, 115, 121}));
    }
}

void TWypowiedzenieFr::GroupAgreement()
{
    TCustomWypSlowa& words = Words();
    for (int i = 0; i < words.Count(); ++i) {
        TCustomWypSlowo& word = words.Word(i);
        if (!IsNounAt(i) || !InNominalGroup(i) || word.Readings.Count() < 2 || FromUserDictionary(word))
            continue;
        const TZbiorKodow codes = TextIs(i, "postes", false, true) ? Kody({3}) : NounCodesAgreeingWith(*word.Group());
        if (!CanHave(i, codes) || !word.ChooseReadingByCode(codes, false))
            continue;
        word.Readings.Item(0)->Score = kOcenaPewna;
        SetOwnFeatures(i);
    }
}

void TWypowiedzenieFr::Coordination()
{
    TCustomWypSlowa& words = Words();
    for (int i = 0; i < words.Count(); ++i) {
        if (TextIs(i, "soit", false, true) &&
            (!HasGroup(i) || IsSingleWordGroup(i, tgNominalna) || IsSingleWordGroup(i, tgWerbalna)))
            SoitAt(i);
        else if (IsOpenNounVerb(i) && IsSingleWordGroup(i, tgNominalna) && !TextIs(i - 1, "en") &&
                 TextIn(i + 1, "<un><le><le1><une><la><la1><l'><l'1><les><les1><des0>") &&
                 CanHave(i, KodyOdDo(80, 204)))
            BecomeVerb(i);
    }
}

void TWypowiedzenieFr::SoitAt(int i)
{
    const int before = FindGroup(i, KlasaBit(tgNominalna) | KlasaBit(tgWerbalna), {}, false, true);
    const bool conjunction = TextIs(i - 1, ",") || before < 0 || !InPlainNominalGroup(before);
    if (conjunction) {
        if (HasGroup(i))
            Words().DeleteGroup(Words().GroupIndex(Words().Word(i).Group()));
        CommitFirstIn(i, Kody({242}));
    } else if (!InVerbalGroup(i)) {
        BecomeVerb(i);
    }
}

void TWypowiedzenieFr::BecomeVerb(int i)
{
    if (HasGroup(i))
        Words().DeleteGroup(Words().GroupIndex(Words().Word(i).Group()));
    if (CommitFirstIn(i, KodyOdDo(80, 204))) {
        SetOwnFeatures(i);
        BuildVerbalGroup(i);
    }
}

} // namespace velmar
