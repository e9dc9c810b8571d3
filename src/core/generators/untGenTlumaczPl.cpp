#include "core/generators/untGenTlumaczPl.h"

#include <algorithm>
#include <array>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/generators/untGenPLCzasownik.h"
#include "core/generators/untGenPLLiczebnik.h"
#include "core/generators/untGenPLPrzymiotnik.h"
#include "core/generators/untGenPLRzeczownik.h"
#include "core/generators/untGenPLZaimek.h"
#include "core/generators/untGenTlumaczFr.h"

namespace velmar {

namespace {

bool CodeIs(std::string_view code, std::initializer_list<std::string_view> codes)
{
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

bool OneOf(int value, std::initializer_list<int> values)
{
    return std::find(values.begin(), values.end(), value) != values.end();
}

bool FirstByteIn(std::string_view code, std::string_view bytes)
{
    return !code.empty() && bytes.find(code.front()) != std::string_view::npos;
}

unsigned char FirstByte(std::string_view code)
{
    return code.empty() ? 0 : static_cast<unsigned char>(code.front());
}

// ---------------------------------------------------------------- word classes

int PolishWordClass(std::string_view code)
{
    static const std::string verbFirstBytes = FromUtf8("!$*/6@CPRhirtxyř") + "\x89";
    static const std::string verbAfterPercent = FromUtf8("*@$/!Rř6");
    if (FirstByteIn(code, "01234<>"))
        return ksRzeczownik;
    if (FirstByteIn(code, verbFirstBytes) || FirstByte(code) < 32)
        return ksCzasownik;
    if (code.starts_with('%')) {
        const std::string_view proper = code.substr(code.starts_with("%%") ? 2 : 1);
        if (FirstByteIn(proper, verbAfterPercent))
            return ksCzasownik;
        if (FirstByteIn(proper, "01234"))
            return ksRzeczownik;
        if (FirstByteIn(proper, "7"))
            return ksPrzymiotnik;
    }
    if (CodeIs(code, {"7", "777", "78", "79", "799"}))
        return ksPrzymiotnik;
    if (code == "70")
        return ksPrzyslowek;
    if (code == "90")
        return ksZaimek;
    if (code == "91")
        return ksPrzyimek;
    if (code == "92")
        return ksSpojnik;
    if (code == "93")
        return ksPartykula;
    if (code == "94")
        return ksWykrzyknik;
    if (code == "95")
        return ksLiczebnik;
    if (code == "96")
        return ksOkreslnik;
    if (CodeIs(code, {"97", "99"}))
        return ksInne;
    return ksBrakKlasy;
}

int FrenchWordClass(std::string_view code)
{
    if (FirstByteIn(code, "0123F"))
        return ksRzeczownik;
    if (FirstByteIn(code, "456RZ"))
        return ksCzasownik;
    if (FirstByteIn(code, "7"))
        return ksPrzymiotnik;
    if (CodeIs(code, {"8", "98"}))
        return ksPrzyslowek;
    if (code == "91")
        return ksPrzyimek;
    if (code == "92")
        return ksSpojnik;
    if (code == "93")
        return ksLiczebnik;
    if (CodeIs(code, {"90", "94"})) // 90: the relative "que", which becomes "qui" as a subject
        return ksZaimek;
    if (code == "95")
        return ksOkreslnik;
    if (code == "96")
        return ksWykrzyknik;
    if (code == "97")
        return ksPartykula;
    if (CodeIs(code, {"99", "81"}))
        return ksInne;
    return ksBrakKlasy;
}

struct TEtykietyKlasy {
    const char* Polish;
    const char* French;
    const char* English;
};

// Labels of word classes 0–12, written as UTF-8.
constexpr std::array<TEtykietyKlasy, 13> kClassLabels = {{
    {"rzecz.", "nom", "noun"},
    {"czas.", "verbe", "verb"},
    {"przym.", "adj.", "adj."},
    {"przysł.", "adv.", "adv."},
    {"zaimek", "pron.", "pronoun"},
    {"przyimek", "prép.", "prep."},
    {"spójnik", "conj.", "conj."},
    {"wyk.", "int.", "int."},
    {"okr.", "adj.", "det."},
    {"licz.", "num.", "num."},
    {"part.", "part.", "part."},
    {"przyd.", "", "modif."},
    {"", "", ""},
}};

// Canonical codes of word classes 0–12.
constexpr std::array<const char*, 13> kPolishClassCodes = {"0",  "*",  "7",  "70", "90", "91", "92",
                                                           "94", "96", "95", "93", "7",  "99"};
constexpr std::array<const char*, 13> kFrenchClassCodes = {"1",  "4",  "7",  "8",  "94", "91", "92",
                                                           "96", "95", "93", "97", "",   ""};

// ---------------------------------------------------------------- dispatch

bool IsVerbGeneratorCode(std::string_view code)
{
    return FirstByteIn(code, "!$*/@") || FirstByte(code) == 248;
}

const std::string& ObliquePronouns()
{
    static const std::string list =
        FromUtf8("<mnie><mi><mną><ciebie><tobie><cię><tobą><jego><jemu><nim><jej><ją><nią><niej><tego>"
                 "<temu><tym><nas><nam><nami><was><wam><wami><ich><im><nimi><nich>");
    return list;
}

std::string DispatchPl(const TSlowoKod& word, const TCechyPl& f)
{
    const std::string& lemma = word.Lemma;
    const std::string& code = word.Code;
    if (code.empty())
        return lemma;
    // "<" and ">" mark an adjective and noun that decline together ("biały dom").
    if (FirstByteIn(code, "01234<>"))
        return GenNounPl(lemma, code, f.Case, f.Number);
    if (IsVerbGeneratorCode(code))
        return GenVerbPl(lemma, code, f);
    if (code == "96" && lemma == "ta")
        return GenAdjPl("ten", code, f.Case, f.AdverbFlag, f.Degree, f.Gender, f.Number);
    if (CodeIs(code, {"7", "96", "78", "777"}))
        return GenAdjPl(lemma, code, f.Case, f.AdverbFlag, f.Degree, f.Gender, f.Number);
    if (CodeIs(code, {"90", "95"}) && IsAdjectivalPronounPl(lemma))
        return GenAdjPl(lemma, "96", f.Case, f.AdverbFlag, f.Degree, f.Gender, f.Number);
    if (code == "90" && lemma == "jej" && f.Case >= 2)
        return GenPronounPl("ona", code, f.Case, f.AfterPreposition);
    if (code == "90" && f.NormaliseOblique && f.Case >= 2 && InTagList(lemma, ObliquePronouns()))
        return GenPronounPl(BaseFormOfPronoun(lemma), code, f.Case, f.AfterPreposition);
    if (code == "90")
        return GenPronounPl(lemma, code, f.Case, f.AfterPreposition);
    if (code == "95")
        return GenNumeralPl(lemma, code, f.Case, f.Gender, f.Number);
    if (code == "70" && f.Degree == 2)
        return "najbardziej " + lemma;
    if (code == "70" && f.Degree > 0)
        return "bardziej " + lemma;
    return lemma;
}

int ClampPerson(int person)
{
    if (person == 9)
        return person;
    while (person > 9)
        person /= 10;
    return person >= 1 && person <= 6 ? person : 3;
}

// ---------------------------------------------------------------- form codes

int FrenchToPolishFormCode(int tense)
{
    switch (tense) {
    case 1:
    case 6:
    case 7:
    case 30: return fpTeraz;
    case 2:
    case 3:
    case 11:
    case 12:
    case 13:
    case 16:
    case 17:
    case 23:
    case 24:
    case 31: return fpPrzeszly;
    case 4:
    case 14:
    case 21: return fpPrzyszly;
    case 5:
    case 15: return fpTrybPrzypuszczajacy;
    case 8:
    case 18: return fpRozkazujacy;
    case 9:
    case 19: return fpImieslowCzynny;
    case 25:
    case 26: return fpImieslowPrzyslowkowy;
    case 27: return fpImieslowBierny;
    case 99: return fpBezosobowyPrzeszly;
    default: return fpBezokolicznik;
    }
}

int PolishToFrenchFormCode(int form, bool passeCompose)
{
    switch (form) {
    case 1:
    case 21: return 1;
    case 2:
    case 22: return passeCompose ? 11 : 2;
    case 3:
    case 23: return 4;
    case 4:
    case 24: return 5;
    case 5:
    case 52: return 82;
    case 6:
    case 61: return 9;
    case 7: return 27;
    case 8: return 19;
    case 54: return 84;
    case 55: return 85;
    default: return 10;
    }
}

std::string PersonList(const std::vector<int>& persons, int first)
{
    std::string list;
    for (int person = first; person < first + 3; ++person) {
        if (std::find(persons.begin(), persons.end(), person) == persons.end())
            continue;
        list += (list.empty() ? "" : ", ") + std::to_string(person - first + 1);
    }
    return list;
}

std::string NumberText(int number)
{
    switch (number) {
    case 0: return "sing/plur";
    case 1: return "sing";
    case 2: return "plur";
    default: return {};
    }
}

} // namespace

// ---------------------------------------------------------------- word classes

int WordClassOfCode(std::string_view code, std::uint8_t language, bool strict, std::string_view contextText)
{
    if (code.empty()) {
        if (strict)
            return ksBrakKlasy;
        const bool englishPhrase = language == jezAngielski && contextText.find(' ') != std::string_view::npos;
        return englishPhrase ? ksInne : ksRzeczownik;
    }
    const int wordClass = language == jezPolski ? PolishWordClass(code) : FrenchWordClass(code);
    if (wordClass == ksBrakKlasy && !strict)
        return ksRzeczownik;
    return wordClass;
}

std::string WordClassLabel(int wordClass, std::uint8_t language)
{
    if (wordClass < 0 || wordClass >= static_cast<int>(kClassLabels.size()))
        return {};
    const TEtykietyKlasy& labels = kClassLabels[static_cast<std::size_t>(wordClass)];
    switch (language) {
    case jezPolski: return FromUtf8(labels.Polish);
    case jezFrancuski: return FromUtf8(labels.French);
    default: return FromUtf8(labels.English);
    }
}

std::string CodeOfWordClass(int wordClass, std::uint8_t language)
{
    if (wordClass < 0 || wordClass >= static_cast<int>(kPolishClassCodes.size()))
        return {};
    const auto index = static_cast<std::size_t>(wordClass);
    switch (language) {
    case jezPolski: return kPolishClassCodes[index];
    case jezFrancuski: return kFrenchClassCodes[index];
    default: return {};
    }
}

// ---------------------------------------------------------------- the word string

TSlowoKod SplitWordPl(std::string_view word)
{
    const std::size_t star = word.find(" *");
    if (star == std::string_view::npos)
        return {Trim(word), {}};
    std::string_view code = word.substr(star + 2);
    code = code.substr(0, code.find_first_of("\x86\x87"));
    return {Trim(word.substr(0, star)), Trim(code)};
}

TSlowoKod SplitWordFr(std::string_view word)
{
    const std::size_t star = word.find('*');
    if (star == std::string_view::npos)
        return {Trim(word), {}};
    const std::string_view code = word.substr(star + 1);
    return {Trim(word.substr(0, star)), std::string(code.substr(0, code.find(' ')))};
}

// ---------------------------------------------------------------- number and gender of a code

TLiczbaRodzaj NumberAndGenderOfCode(std::string_view code, std::uint8_t language)
{
    if (language == jezPolski) {
        while (FirstByteIn(code, "<>%"))
            code.remove_prefix(1);
        if (code.starts_with("488"))
            return {2, rdzMeskoosobowy};
        if (code.starts_with("47") || code.starts_with("48"))
            return {2, rdzMeskorzeczowy};
        if (FirstByteIn(code, "01234"))
            return {0, code.front() - '0'};
        return {};
    }
    std::string proper(code);
    std::erase(proper, '$');
    if (CodeIs(proper, {"0", "01"}))
        return {2, rdzFrMeski};
    if (CodeIs(proper, {"F", "02"}))
        return {2, rdzFrZenski};
    if (FirstByteIn(proper, "1"))
        return {0, rdzFrMeski};
    if (FirstByteIn(proper, "2"))
        return {0, rdzFrZenski};
    if (FirstByteIn(proper, "3"))
        return {0, rdzFrObydwa};
    return {};
}

// ---------------------------------------------------------------- Polish features

TCechyPl ClampFeaturesPl(const TCechyPl& features)
{
    TCechyPl f = features;
    if (f.Case < 1 || f.Case > 7)
        f.Case = 1;
    f.Number = f.Number == 2 ? 2 : 1;
    f.SubjectNumber = f.SubjectNumber == 2 ? 2 : 1;
    if (f.Gender < rdzMeskoosobowy || f.Gender > rdzNijaki)
        f.Gender = rdzMeskorzeczowy;
    if (f.SubjectGender < rdzMeskoosobowy || f.SubjectGender > rdzNijaki)
        f.SubjectGender = rdzMeskorzeczowy;
    if (f.Degree < 0 || f.Degree > 2)
        f.Degree = 0;
    f.Person = ClampPerson(f.Person);
    return f;
}

std::string GenFormPl(std::string_view word, const TCechyPl& features)
{
    const TSlowoKod split = SplitWordPl(word);
    const std::string form = Trim(DispatchPl(split, ClampFeaturesPl(features)));
    return form.empty() ? split.Lemma : form;
}

bool IsAdjectivalPronounPl(std::string_view lemma)
{
    static const std::string pronouns = FromUtf8("<który><wszystek><ten><tamten><jeden>");
    return InTagList(lemma, pronouns);
}

std::string BaseFormOfPronoun(std::string_view form)
{
    static const std::string rows = FromUtf8("<mnie><mi><mną>=ja,<ciebie><tobie><cię><tobą>=ty,<jego><jemu><nim>=on,"
                                             "<jej><ją><nią><niej>=ona,<tego><temu><tym>=to,<nas><nam><nami>=my,"
                                             "<was><wam><wami>=wy,<ich><im><nimi><nich>=oni");
    for (const TRegula& row : RuleListItems(rows))
        if (InTagList(form, row.Key))
            return std::string(row.Value);
    return std::string(form);
}

// ---------------------------------------------------------------- conversions

int ConvertFormCode(std::uint8_t sourceLanguage, std::uint8_t targetLanguage, int code, bool flag, int fallback)
{
    const int form = code == 0 ? fallback : code;
    if (sourceLanguage == jezFrancuski && targetLanguage == jezPolski)
        return FrenchToPolishFormCode(form);
    if (sourceLanguage == jezPolski && targetLanguage == jezFrancuski)
        return PolishToFrenchFormCode(form, flag);
    return form;
}

int ConvertGender(std::uint8_t sourceLanguage, std::uint8_t targetLanguage, int gender)
{
    if (sourceLanguage == jezPolski && targetLanguage == jezFrancuski) {
        if (gender == rdzZenski)
            return rdzFrZenski;
        return gender >= 0 && gender <= 6 ? rdzFrMeski : -1;
    }
    if (sourceLanguage == jezFrancuski && targetLanguage == jezPolski) {
        if (gender == rdzFrObydwa || gender == rdzFrMeski)
            return rdzMeskoosobowy;
        return gender == rdzFrZenski ? rdzZenski : -1;
    }
    return gender;
}

// ---------------------------------------------------------------- small shared rules

bool IsPolishVowel(unsigned char c)
{
    static const TZbiorZnakow vowels = CharsToSet(FromUtf8("AEIOUYaeiouyĄąĘęÓó"));
    return vowels.test(c);
}

bool NeedsVowelAfterPreposition(std::string_view preposition, std::string_view nextWord)
{
    const std::string prep = LowerStr(preposition);
    const std::string next = LowerStr(nextWord);
    static const std::string firstPersonOblique = FromUtf8("<mnie><mną>");
    if (InTagList(prep, "<przez><bez><z><w><od><przed><nad><pod>") && InTagList(next, firstPersonOblique))
        return true;
    if (prep == "w")
        return next.size() > 1 && FirstByteIn(next, "fw") && !IsPolishVowel(static_cast<unsigned char>(next[1]));
    if (prep == "z") {
        static const std::string sibilants = FromUtf8("szśźż");
        const std::size_t clusterStart = next.starts_with("sz") ? 3 : FirstByteIn(next, sibilants) ? 2 : 0;
        return clusterStart > 0 && next.size() >= clusterStart &&
               !IsPolishVowel(static_cast<unsigned char>(next[clusterStart - 1]));
    }
    return false;
}

// ---------------------------------------------------------------- describing a French form

TPomijaneAlternatywy MeaningSkipsOfTense(int tense)
{
    TPomijaneAlternatywy skips;
    skips.SkipAlt1 = OneOf(tense, {3, 8, 11, 12, 13, 14, 15, 16, 17, 18, 20, 23, 24});
    skips.SkipAlt2 = OneOf(tense, {1, 2, 6, 7, 9, 19, 30});
    return skips;
}

bool DescribeAnalysedForm(const TAnalizaFormy& analysis, const std::vector<std::string>& translationForms,
                          std::uint8_t targetLanguage, TOpisFormy& description)
{
    description = {};
    description.TenseName = TenseName(analysis.Tense);

    std::vector<int> persons = analysis.Persons;
    if (persons.empty() && analysis.Person > 0)
        persons.push_back(analysis.Person);
    description.SingularPersons = PersonList(persons, 1);
    description.PluralPersons = PersonList(persons, 4);

    if (analysis.Gender >= 0 && analysis.Number >= 0) {
        if (WordClassOfCode(analysis.Code, jezFrancuski) != ksRzeczownik)
            description.GenderNumber = GenderLabel(analysis.Gender) + " ";
        description.GenderNumber += NumberText(analysis.Number);
    }

    if (targetLanguage == jezPolski) {
        TCechyPl features;
        features.Case = analysis.Case;
        features.Number = analysis.Number;
        features.Person = analysis.Person;
        features.FormCode = ConvertFormCode(jezFrancuski, jezPolski, analysis.Tense);
        features.Gender = ConvertGender(jezFrancuski, jezPolski, analysis.Gender);
        for (const std::string& form : translationForms)
            description.Translation += (description.Translation.empty() ? "" : " ") + GenFormPl(form, features);
    }
    return analysis.Tense <= 0 || !description.Translation.empty();
}

} // namespace velmar
