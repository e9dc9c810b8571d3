// The French stages that give words and groups what the Polish form needs beyond
// their case: first names and surnames, the meanings fixed expressions ask for, the
// verbal noun after "après de"/"avant de", the degree of "le plus grand", the gender
// and number a group's head or its pronoun imposes, and the politeness forms of
// "vous" and "votre".
#include "core/app/untUtils.h"
#include "core/engine/untTranslatorFr.h"
#include "core/engine/untTranslatorFrKody.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar {

namespace {

// The politeness forms of "vous" by "FrZaimekVous" (wy, wy to women, pan, pani,
// panowie, panie, państwo) in cases 1–6; "wy" declines through the generator.
constexpr const char* kGrzecznosciowe[7][6] = {
    {},
    {},
    {"Pan", "Pana", "Panu", "Pana", "Panem", "Panu"},
    {"Pani", "Pani", "Pani", "Panią", "Panią", "Pani"},
    {"Panowie", "Panów", "Panom", "Panów", "Panami", "Panach"},
    {"Panie", "Pań", "Paniom", "Panie", "Paniami", "Paniach"},
    {"Państwo", "Państwa", "Państwu", "Państwa", "Państwem", "Państwu"},
};
constexpr const char* kDzierzawcze[7] = {"wasz *96", "wasz *96", "Pański *7", "Pani", "Panów", "Pań", "Państwa"};

} // namespace

// ---------------------------------------------------------------- names

void TWypowiedzenieFr::ProperNames()
{
    TCustomWypSlowa& words = Words();
    for (int i = 0; i + 1 < words.Count(); ++i) {
        TCustomWypSlowo& word = words.Word(i);
        if (!TextIn(i, "<Jean><Jacques><Georges><Philippe>") && !word.HasMarker(znImie))
            continue;
        word.SetMarker(znImie);
        TCustomWypSlowo& next = words.Word(i + 1);
        if (!StartsUpper(next.Text) && next.Code >= 0)
            continue;
        next.SetMarker(znNazwisko);
        next.SetCode(1);
        next.FixedTarget = next.Text;
    }
}

void TWypowiedzenieFr::Articles()
{
    // An article the dictionaries do not class is read as the determiner it is.
    TCustomWypSlowa& words = Words();
    for (int i = 0; i < words.Count(); ++i)
        if (words.Word(i).Code < 0 && TextIn(i, "<un><le><le1><une><la><la1><l'><l'1><les><les1><des0>", false, true))
            words.Word(i).SetCode(31);
}

// ---------------------------------------------------------------- fixed expressions

void TWypowiedzenieFr::FixedExpressions()
{
    TCustomWypSlowa& words = Words();
    for (int i = 0; i < words.Count(); ++i) {
        TCustomWypSlowo& word = words.Word(i);
        if (LemmaIs(i, "g\351n\351ral") && IsNounAt(i))
            word.PreferMeaning(FromUtf8("generał *044"));
        else if (LemmaIs(i, "nom") && TextIn(i + 1, "<de><de1><d'>") && InNominalGroup(i + 2) &&
                 LemmaIs(GroupHead(i + 2), "fichier"))
            word.PreferMeaning("nazwa *34");
        else if (TextIs(i, "Guy") && TextIn(i + 1, "<de><de1><de8>") && TextIs(i + 2, "Maupassant")) {
            Rename(i + 1, "de99");
            words.Word(i + 1).Translate = true;
            words.Word(i + 2).SetMarker(znNazwisko);
            words.Word(i + 2).FixedTarget = words.Word(i + 2).Text;
        } else if (LemmaIs(i, "t\351l\351vision") && SentenceHasWord("relais") && SentenceHasWord("radio"))
            word.PreferMeaning("telewizyjny *097");
        else if (LemmaIs(i, "t\351l\351graphe"))
            word.PreferMeaning("telegraficzna *397");
        else if (LemmaIs(i, "\352tre") && InVerbalGroup(i) && LemmaIs(HeadOfGroup(*word.Group()), "construire"))
            word.PreferMeaning(FromUtf8("zostać *!52"));
    }
}

bool TWypowiedzenieFr::SentenceHasWord(std::string_view text) const
{
    return FindTextIn(0, text) < Words().Count();
}

// ---------------------------------------------------------------- après de, avant de

void TWypowiedzenieFr::AvantApres()
{
    TCustomWypSlowa& words = Words();
    for (int i = 0; i + 2 < words.Count(); ++i) {
        if (!TextIn(i, "<apr\350s><avant>", false, true) || !TextIn(i + 1, "<de><d'>", true) || !InVerbalGroup(i + 2) ||
            !CodeIs(i + 2, kFrInfinitive))
            continue;
        words.Word(i + 1).Translate = false;
        TCustomWypGrupa& group = *words.Word(i + 2).Group();
        group.vtdoc = 9;
        if (const TRekcjaFr found = ValencyCase(i, ""); found.Found)
            group.cas = found.Case;
    }
}

// ---------------------------------------------------------------- le plus grand

void TWypowiedzenieFr::Superlatives()
{
    TCustomWypSlowa& words = Words();
    for (int i = 0; i + 1 < words.Count(); ++i) {
        const bool lePlus = TextIs(i, "le plus", false, true);
        if ((!lePlus && !TextIs(i, "plus", false, true)) || words.Word(i + 1).st > 0)
            continue;
        TCustomWypSlowo& next = words.Word(i + 1);
        int degree = 0;
        if (lePlus && ClassIs(i + 1, kwPrzyslowek))
            degree = 2;
        else if (!IsGroupEnd(i, tgNominalna) && IsFrAdjectiveCode(next.Code))
            degree = lePlus || TextIn(i - 1, "<le><la><les>") ? 2 : 1;
        if (degree == 0)
            continue;
        next.st = degree;
        words.Word(i).Translate = false;
    }
}

// ---------------------------------------------------------------- group features

void TWypowiedzenieFr::GroupFeatures()
{
    const bool masculine = Words().Context().Analysis.FrSubjectMasculine;
    TCustomWypSlowa& words = Words();
    ForEachNominalGroup([&](int i, TCustomWypGrupa& group) {
        const int head = GroupHead(i);
        if (CodeIs(head, kFrNumeral) || TextIs(head, "combien"))
            group.genus = rdzMeskorzeczowy;
        if (TextIn(group.Last, "<le m\352me>") ||
            (TextIs(group.Last, "m\352me") && TextIn(group.Last - 1, "<le><le1>")))
            group.genus = rdzNijaki;
        if (KindIn(i, {5, 7, 12, 18, 25, 45, 46}) && group.casus == 0)
            group.Roles.set(rgPrzypadekPoprzedniej);
        if (group.IsSubject() && TextIn(head, "<je><j'><nous><nous0>"))
            group.genus = masculine ? rdzMeskoosobowy : rdzZenski;
        if (KindIn(i, {17, 18})) {
            // A predicate adjective agrees with the subject: "la ville est grande" →
            // "miasto jest duże".
            group.Roles.set(rgLiczbaPodmiotu);
            const int verb = FindGroup(i, KlasaBit(tgWerbalna), {}, true, true);
            if (verb < 0 || OneOf(words.Word(verb).Group()->pn, {0, 3, 6}))
                group.Roles.set(rgRodzajPodmiotu);
        }
    });
}

// ---------------------------------------------------------------- vous, votre

void TWypowiedzenieFr::PolitenessOfVous()
{
    const int vous = Words().Context().Analysis.FrVous;
    TCustomWypSlowa& words = Words();
    for (int i = 0; i < words.Count(); ++i) {
        if (!TextIn(i, "<vous><vous0><vous1><vous2>") || !InNominalGroup(i))
            continue;
        TCustomWypGrupa& group = *words.Word(i).Group();
        group.genus = vous == 1 || vous == 3 || vous == 5 ? rdzZenski : rdzMeskoosobowy;
        group.Person = vous <= 1 ? 5 : vous <= 3 ? 3 : 6;
        // "vous" before or after its verb: the verb takes the person of the form.
        for (const int j : {i + 1, i + 2, i - 1, i - 2})
            if (InVerbalGroup(j) && words.Word(j).Group()->pn == 5) {
                words.Word(j).Group()->Person = group.Person;
                break;
            }
    }
}

bool TWypSlowoFr::OwnTranslation()
{
    const int vous = Owner() != nullptr ? Owner()->Context().Analysis.FrVous : 0;
    TTlumaczenie translation;
    if (InTagList(Text, "<vous><vous0><vous1>")) {
        const int casus = Group() != nullptr ? Group()->casus : 0;
        if (vous >= 2 && vous <= 6)
            translation.Text = FromUtf8(kGrzecznosciowe[vous][casus >= 1 && casus <= 6 ? casus - 1 : 0]);
        else
            translation.Forms = {"wy *90"};
    } else if (InTagList(Text, "<votre><vos><v\364tre><v\364tres>")) {
        translation.Forms = {FromUtf8(kDzierzawcze[vous >= 0 && vous <= 6 ? vous : 0])};
        if (translation.Forms[0].find(" *") == std::string::npos) {
            translation.Text = translation.Forms[0];
            translation.Forms.clear();
        }
    } else {
        return false;
    }
    Translations.Item(Translations.Add()) = std::move(translation);
    ChooseTranslation(0);
    return true;
}

} // namespace velmar
