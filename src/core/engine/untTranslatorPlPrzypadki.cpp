// The cases of Polish words and groups: what each nominal word may be, where a
// modifier agrees with its noun, which homograph a preposition is by the case of its
// group, and the case the preposition's entry governs.
#include <algorithm>
#include <vector>

#include "core/dictionaries/untTransSlownikiTypy.h"
#include "core/engine/untTranslatorPl.h"
#include "core/engine/untTranslatorPlKody.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar {

namespace {

// The cases a noun reading of the form code may have.
std::string_view CasesOfCode(int code)
{
    struct TKodPrzypadki {
        int Code;
        const char* Cases;
    };
    static constexpr TKodPrzypadki kTable[] = {
        {1, "1"},
        {2, "2"},
        {3, "3"},
        {4, "4"},
        {5, "5"},
        {6, "6"},
        {7, "7"},
        {8, "A"},
        {11, "D"},
        {12, "E"},
        {14, "1234567"},
        {15, "1236"},
        {16, "1234567ABCDEF"},
        {17, "14"},
        {18, "147"},
        {19, "147AD"},
        {20, "17"},
        {21, "17A"},
        {22, "23"},
        {23, "2346"},
        {24, "236"},
        {25, "2367"},
        {26, "2367ABD"},
        {27, "2367B"},
        {28, "236A"},
        {29, "236B"},
        {30, "24"},
        {31, "2A"},
        {32, "2AD"},
        {33, "36"},
        {34, "367"},
        {35, "36AD"},
        {36, "45"},
        {37, "56"},
        {38, "56C"},
        {39, "67"},
        {40, "AD"},
        {41, "BD"},
        {42, "BDF"},
        {43, "BF"},
        {44, "12367"},
        {45, "236BD"},
        {46, "267"},
        {47, "37"},
        {48, "67A"},
        {49, "ABD"},
        {50, "27"},
        {51, "1B"},
        {52, "1BD"},
        {53, "14B"},
        {54, "6A"},
        {55, "B"},
        {56, "C"},
        {57, "F"},
        {58, "146"},
        {59, "16"},
        {60, "236AD"},
        {61, "2356"},
        {62, "24A"},
        {64, "5C"},
        {68, "5B"},
        {69, "5BD"},
        {70, "6AD"},
        {181, "147"},
        {182, "2AD"},
        {183, "36"},
        {184, "5"},
        {185, "B"},
        {186, "C"},
        {187, "E"},
        {188, "F"},
    };
    for (const TKodPrzypadki& row : kTable)
        if (row.Code == code)
            return row.Cases;
    return {};
}

// Pronouns whose cases and gender their text fixes.
struct TStalyZaimek {
    const char* Texts; // UTF-8 tag list
    const char* Cases;
    int Gender;
};

constexpr TStalyZaimek kFixedPronouns[] = {
    {"<ja><ty><Ty>", "1", -1}, {"<on><kto><ktoś><ktokolwiek><nikt>", "1", 0},
    {"<ona>", "1", 3},         {"<ono>", "1", 4},
    {"<my><wy><Wy>", "A", -1}, {"<oni>", "A", 0},
    {"<one>", "A", 1},         {"<nic><co><coś><cokolwiek>", "14", 4},
    {"<wszystko>", "14", -1},  {"<jej>", "236", 3},
    {"<ją>", "4", 3},          {"<nas><was>", "BDF", -1},
    {"<ci>", "3A", 0},         {"<niej><nią>", "", 3},
    {"<który>", "14", 0},      {"<która>", "1", 3},
    {"<które>", "14AD", 4},    {"<którego>", "24", 0},
    {"<któremu>", "3", 0},     {"<którym>", "56C", 0},
    {"<której>", "236", 3},    {"<którą>", "45", 3},
    {"<którzy>", "A", 0},      {"<których>", "BDF", 0},
    {"<którymi>", "E", 0},
};

// The cases (empty: those of the codes) and the gender (−1: those of the codes) a
// pronoun's text fixes.
struct TStale {
    std::string Cases;
    int Gender = -1;
};

// "Państwo" addressing people: a plural of masculine-personal gender.
std::string PanstwoCases(std::string_view lower)
{
    if (lower == VELMAR_PL("państwa"))
        return "BD";
    if (lower == VELMAR_PL("państwu"))
        return "CF";
    if (lower == VELMAR_PL("państwem"))
        return "E";
    return "A";
}

TStale FixedCases(const TCustomWypSlowo& word, bool sentenceStart)
{
    for (const TStalyZaimek& row : kFixedPronouns)
        if (InTagList(word.Text, FromUtf8(row.Texts)))
            return {row.Cases, row.Gender};
    if (LowerStr(word.Lemma) == VELMAR_PL("państwo") && (StartsUpper(word.Text) || sentenceStart))
        return {PanstwoCases(LowerStr(word.Text)), rdzMeskoosobowy};
    return {};
}

// The gender the noun code of the reading's entry gives; 5 and 6 are plural genders.
int GenderOfReading(const TZnaczenia& readings, int r)
{
    if (readings.Item(r)->Code >= 181 && readings.Item(r)->Code <= 189)
        return rdzNijaki;
    std::string code;
    if (!readings.GrammarCodeOf(r, kwRzeczownik, jezPolski, code))
        return -1;
    return NumberAndGenderOfCode(code, jezPolski).Gender;
}

// One row of the modifier table: the genders it fits (bit 5: a noun of unknown gender)
// and the cases it then has.
constexpr int kAny = 1 << 5;
constexpr int kNotPersonal = 0b11110, kAll = 0b11111;
constexpr int G(int gender)
{
    return 1 << gender;
}

struct TRodzajPrzypadki {
    int Genders;
    const char* Cases;
};

struct TPrzydawka {
    const char* Texts; // UTF-8 tag list, or nullptr
    std::vector<int> Codes;
    std::vector<TRodzajPrzypadki> Rows;
};

const std::vector<TPrzydawka>& ModifierTable()
{
    static const std::vector<TPrzydawka> table = {
        {"<tę>", {93}, {{G(3) | kAny, "4"}}},
        {"<to><tamto><jedno><wszystko><owo><samo>", {94}, {{G(4) | kAny, "147"}}},
        {"<te><tamte><jedne><wszystkie><owe><same>", {95}, {{kNotPersonal | kAny, "AD"}}},
        {"<dwa>", {}, {{G(1) | G(2) | G(4) | kAny, "AD"}}},
        {"<dwaj><trzej><czterej>", {}, {{G(0) | kAny, "A"}}},
        {"<dwie>", {}, {{G(3) | kAny, "AD"}}},
        {"<dwóch><trzech><czterech>", {}, {{kNotPersonal, "BF"}, {G(0) | kAny, "ABDF"}}},
        {"<dwu>", {}, {{kNotPersonal, "BCF"}, {G(0) | kAny, "ABCDF"}}},
        {"<dwom><dwóm><trzem><czterem>", {}, {{kAll | kAny, "C"}}},
        {"<dwoma><trzema><czterema>", {}, {{kAll | kAny, "E"}}},
        {"<dwiema>", {}, {{G(3) | kAny, "E"}}},
        {"<trzy><cztery>", {}, {{kNotPersonal | kAny, "AD"}}},
        {"<pięć><sto>", {65}, {{kNotPersonal | kAny, "AD"}}},
        {"<pięciu><stu>", {66}, {{kNotPersonal, "BCEF"}, {G(0) | kAny, "ABCDEF"}}},
        {"<pięcioma>", {67}, {{kAll | kAny, "E"}}},
        {nullptr, {81, 150, 171}, {{G(0) | G(2), "17"}, {G(1) | kAny, "147"}}},
        {nullptr, {82, 152, 162, 172}, {{G(3) | kAny, "17"}}},
        {nullptr, {83, 153, 163, 173}, {{G(1) | G(2) | G(3), "AD"}, {G(4) | kAny, "147AD"}}},
        {nullptr, {84, 154, 164, 174}, {{G(0) | G(2) | kAny, "24"}, {G(1) | G(4), "2"}}},
        {nullptr, {85, 155, 165, 175}, {{G(3) | kAny, "236"}}},
        {nullptr, {86, 156, 166, 176}, {{G(0) | G(1) | G(2) | G(4) | kAny, "3"}}},
        {nullptr, {87, 157, 167, 177}, {{G(3) | kAny, "45"}}},
        {nullptr, {88, 158, 168, 178}, {{G(0) | G(1) | G(2) | G(4) | kAny, "56C"}, {G(3), "C"}}},
        {nullptr, {89, 159, 169, 179}, {{G(0) | kAny, "BDF"}, {kNotPersonal, "BF"}}},
        {nullptr, {90, 160, 170, 180}, {{kAll | kAny, "E"}}},
        {nullptr, {91, 151, 181}, {{G(0) | kAny, "A"}}},
        {nullptr, {92, 161}, {{G(0) | G(2), "17A"}, {G(1), "147"}, {kAny, "147A"}}},
    };
    return table;
}

bool RowMatches(const TPrzydawka& row, const std::string& text, int code)
{
    if (row.Texts != nullptr && InTagList(text, FromUtf8(row.Texts)))
        return true;
    for (const int c : row.Codes)
        if (c == code)
            return true;
    return false;
}

// The cases of the first row that fits the modifier, for a noun of the genders
// (a mask of G() bits and kAny).
std::string CasesForGenders(const std::string& text, int code, int genders)
{
    for (const TPrzydawka& row : ModifierTable()) {
        if (!RowMatches(row, text, code))
            continue;
        for (const TRodzajPrzypadki& entry : row.Rows)
            if ((entry.Genders & genders) != 0)
                return entry.Cases;
        return {};
    }
    return {};
}

int GenderMask(const TZbiorKodow& features)
{
    int mask = 0;
    for (int gender = 0; gender <= 4; ++gender)
        if (features.test(static_cast<std::size_t>(gender)))
            mask |= G(gender);
    return mask == 0 ? kAny : mask;
}

} // namespace

std::string TWypowiedzeniePl::AdjectiveCases(const std::string& text, int code, int gender)
{
    return CasesForGenders(text, code, gender >= 0 && gender <= 4 ? G(gender) : kAny);
}

std::string TWypowiedzeniePl::CaseAgreement(int a, int b)
{
    TWypSlowoPl& noun = Word(a);
    const TWypSlowoPl& modifier = Word(b);
    const auto agreement = [&] {
        std::string cases = CasesForGenders(modifier.Text, modifier.Code, GenderMask(noun.Features));
        const int code = modifier.Code;
        if (cases.empty() && noun.Text == "panie" && (code == 81 || code == 150 || code == 171))
            cases = "7";
        return CommonChars(cases, noun.CaseCodes);
    };
    std::string cases = agreement();
    if (!cases.empty() || LowerStr(noun.Lemma) != VELMAR_PL("państwo") || !HasMarker(a, znPoczatekZdania))
        return cases;
    // "Państwo" may be the state (neuter singular) or the people addressed.
    const std::string lower = LowerStr(noun.Text);
    noun.CaseCodes = lower == VELMAR_PL("państwa")    ? "2"
                     : lower == VELMAR_PL("państwu")  ? "3"
                     : lower == VELMAR_PL("państwem") ? "5"
                                                      : "147";
    noun.Gender = rdzNijaki;
    cases = agreement();
    if (cases.empty()) {
        noun.CaseCodes = PanstwoCases(lower);
        noun.Gender = rdzMeskoosobowy;
        cases = agreement();
    }
    return cases;
}

std::string TWypowiedzeniePl::GovernedCases(int i) const
{
    const TZnaczenia& readings = Words().Word(i).Readings;
    for (int r = 0; r < readings.Count(); ++r) {
        const std::string& written = readings.Item(r)->Entry->MarkerValue;
        if (written.empty())
            continue;
        std::string cases;
        for (const char c : written)
            if (c >= '1' && c <= '7')
                cases += std::string{c, static_cast<char>('A' + (c - '1'))};
        return cases;
    }
    return {};
}

void TWypowiedzeniePl::CaseGenderNumber()
{
    for (int i = 0; i < Words().Count(); ++i) {
        TWypSlowoPl& word = Word(i);
        if (word.Unknown) {
            const bool vowel = EndsWithAny(LowerStr(word.Text), FromUtf8("a,e,i,o,u,y,ą,ę,ó"));
            word.CaseCodes = vowel ? "123456ABCDEF" : "123456";
        }
        if (!IsPlNominalCode(word.Code))
            continue;
        const TStale fixed = FixedCases(word, HasMarker(i, znPoczatekZdania));
        const bool casesFixed = !fixed.Cases.empty();
        if (casesFixed)
            word.CaseCodes = fixed.Cases;
        int firstGender = -1;
        for (int r = 0; r < word.Readings.Count(); ++r) {
            TZnaczenie& reading = *word.Readings.Item(r);
            if (!IsPlNominalCode(reading.Code))
                continue;
            reading.CaseCodes = casesFixed ? fixed.Cases : std::string(CasesOfCode(reading.Code));
            if (!casesFixed)
                word.CaseCodes = MergeChars(word.CaseCodes, reading.CaseCodes);
            reading.Gender = fixed.Gender >= 0 ? fixed.Gender : GenderOfReading(word.Readings, r);
            if (reading.Gender >= 0) {
                word.Features.set(static_cast<std::size_t>(reading.Gender));
                if (firstGender < 0)
                    firstGender = reading.Gender;
            }
        }
        word.Gender = fixed.Gender >= 0 ? fixed.Gender : firstGender;
        if (word.Gender >= 5) {
            word.SetMarker(znLiczbaMnoga);
            word.Gender = word.Gender == 6 ? rdzMeskoosobowy : rdzMeskorzeczowy;
        }
        std::string code;
        if (!word.Readings.GrammarCodeFor(kwRzeczownik, jezPolski, code) &&
            word.Readings.GrammarCodeFor(kwZaimek, jezPolski, code)) {
            for (int r = 0; r < word.Readings.Count(); ++r) {
                word.Readings.Item(r)->Code = 210;
                word.Readings.Item(r)->WordClass = kwZaimek;
            }
            word.SetCode(210);
        }
        const bool singular = word.CaseCodes.find_first_of("1234567") != std::string::npos;
        const bool plural = word.CaseCodes.find_first_of("ABCDEFG") != std::string::npos;
        word.GrammaticalNumber = word.HasMarker(znLiczbaMnoga) || (plural && !singular) ? 2
                                 : singular && !plural                                  ? 1
                                                                                        : 0;
    }
}

void TWypowiedzeniePl::SalutationAdjective()
{
    const auto addressed = [this](int j) {
        return InRange(j) && (Words().Word(j).CaseCodes == "7" || Words().Word(j).CaseCodes == "57");
    };
    for (int i = 0; i < Words().Count(); ++i) {
        TWypSlowoPl& word = Word(i);
        const std::string lower = LowerStr(word.Text);
        const bool masculine = lower == "drogi", feminine = lower == "droga";
        if (!masculine && !feminine)
            continue;
        const std::string_view mine = masculine ? VELMAR_PL("<mój><nasz>") : VELMAR_PL("<moja><nasza>");
        const std::string_view before =
            masculine ? VELMAR_PL("<mój><nasz><Panie><panie>") : VELMAR_PL("<moja><nasza><Pani><pani>");
        const bool letterStart = i == 0 && InRange(i + 1) && StartsUpper(Words().Word(i + 1).Text);
        if (!letterStart && !TextIn(i - 1, mine) && !TextIn(i + 1, before) && !addressed(i + 1))
            continue;
        if (!word.ChooseReadingOfClass(kwPrzymiotnik))
            continue;
        for (int r = 1; r < word.Readings.Count(); ++r)
            if (word.Readings.Item(r)->Score > kOcenaNeutralna)
                word.Readings.Item(r)->Score = kOcenaNeutralna;
        for (int s = 0; s < word.Readings.Item(0)->Entry->SubRecords.Count(); ++s) {
            TTransSlownikZnaczenia& meanings = word.Readings.Item(0)->Entry->SubRecords.Item(s)->Meanings;
            for (int m = 0; m < meanings.Count(); ++m)
                if (meanings.Item(m)->Word(0) != "cher")
                    meanings.Item(m)->Plus = false;
        }
    }
}

void TWypowiedzeniePl::NounOrAdjective()
{
    const auto best = [](const TZnaczenia& readings, auto&& isKind) {
        int kept = -1;
        for (int r = 0; r < readings.Count(); ++r)
            if (isKind(readings.Item(r)->Code) && (kept < 0 || (readings.Item(kept)->Score <= kOcenaNeutralna &&
                                                                readings.Item(r)->Score > kOcenaNeutralna)))
                kept = r;
        return kept;
    };
    for (int i = 0; i + 1 < Words().Count(); ++i) {
        TWypSlowoPl& word = Word(i);
        const int noun = best(word.Readings, [](int c) { return IsPlNounCode(c) && c < 181; });
        const int adjective = best(word.Readings, IsPlAdjectiveCode);
        if (noun < 0 || adjective < 0 || !IsPlNominalCode(Word(i + 1).Code))
            continue;
        const bool nounPreferred = word.Readings.Item(noun)->Score > kOcenaNeutralna;
        if (nounPreferred != (word.Readings.Item(adjective)->Score > kOcenaNeutralna))
            continue;
        const std::string cases = AdjectiveCases(word.Text, word.Readings.Item(adjective)->Code, Word(i + 1).Gender);
        if (Meets(cases, Word(i + 1).CaseCodes)) {
            word.ReadingCommitted = false;
            word.ChooseReading(adjective, false);
        }
    }
}

namespace {

constexpr std::string_view kQuantityWords =
    "<dużo><za dużo><zbyt dużo><mało><za mało><zbyt mało><wiele><za wiele><zbyt wiele>";

// The case of a group with no preposition, from the cases it may still have: after a
// quantity word a genitive plural, after another nominal group a genitive attribute,
// elsewhere a nominative or accusative.
std::string PlainCases(const std::string& cases, bool afterQuantity, bool attribute)
{
    if (attribute) {
        if (cases == "236A" || cases == "2367ABD" || cases == "2A" || cases == "2AD" || cases == "24")
            return "2";
        return cases == "BD" ? "B" : cases;
    }
    if (cases == "2AD")
        return "ADX";
    if (cases == "2367ABD")
        return afterQuantity ? "B" : "AD";
    if (cases == "236A" || cases == "2A")
        return "A";
    if (cases == "BD")
        return afterQuantity ? "B" : "D";
    if (cases == "24")
        return afterQuantity ? "2" : "4";
    return cases;
}

// The homograph of "o", "z", "w"… for the cases of the group behind it; empty when the
// preposition has none.
std::string PrepositionHomograph(const std::string& text, const std::string& cases, bool nextIsNumeral, bool singleWord,
                                 bool nextIsName, std::string& ownCases)
{
    if (text == "o") {
        if (Meets(cases, "6F"))
            return "o1";
        if (Meets(cases, "4D"))
            return "o2";
        if (Meets(cases, "7A"))
            return "o3";
        ownCases = "467ADF";
        return "o1";
    }
    if (text == "z" || text == "ze") {
        if (Meets(cases, "5E"))
            return "z1";
        if (nextIsNumeral)
            return Meets(cases, "25BE") ? (Meets(cases, "2B") && singleWord ? "z4" : "z2") : "z3";
        return Meets(cases, "2B") ? "z2" : nextIsName ? "z5" : "z1";
    }
    if (InTagList(text, "<po><w><na><we>")) {
        if (Meets(cases, "4D") && !Meets(cases, "6F"))
            return text + "2";
        if (!Meets(cases, "6F"))
            ownCases = "46DF";
        return text + "1";
    }
    if (InTagList(text, FromUtf8("<pod><nad><przed><między>"))) {
        if (Meets(cases, "4D") && !Meets(cases, "5E"))
            return text + "2";
        if (!Meets(cases, "5E"))
            ownCases = "45DE";
        return text + "1";
    }
    return {};
}

} // namespace

void TWypowiedzeniePl::PrepositionHomographs()
{
    for (int g = 0; g < Words().GroupCount(); ++g) {
        TCustomWypGrupa& group = Words().Group(g);
        if (group.Type != tgNominalna)
            continue;
        const int first = group.First, p = first - 1;
        if (!ClassIs(p, kwPrzyimek)) {
            const bool afterQuantity = TextIn(p, FromUtf8(kQuantityWords)) || TextIn(first, FromUtf8(kQuantityWords));
            const bool attribute = InNominalGroup(p) &&
                                   !LemmaIn(GroupFirst(p), "<kto><co><ja><ty><Ty><my><wy><Wy><on><ona><ono><oni><one>");
            group.CaseCodes = PlainCases(group.CaseCodes, afterQuantity, attribute);
            if (!group.CaseCodes.empty() && group.CaseCodes.find_first_of("1234567") == std::string::npos)
                group.lba = 2;
            continue;
        }
        TWypSlowoPl& preposition = Word(p);
        const std::string& cases = group.CaseCodes;
        std::string homograph, ownCases;
        if (preposition.Text == "za") {
            homograph = ZaHomograph(group);
        } else {
            homograph = PrepositionHomograph(preposition.Text, cases, ClassIs(first, kwLiczebnik),
                                             group.First == group.Last, HasMarker(first, znNazwaWlasna), ownCases);
        }
        if (homograph.empty())
            continue;
        preposition.SetText(homograph);
        ChooseReadingAt(p);
        if (!ownCases.empty())
            preposition.CaseCodes = ownCases;
    }
}

// "za" with the case of its group: "za domem" behind, "za dom" for; before a modifier
// that stands for no noun it is the degree, "za duży", French "trop grand".
std::string TWypowiedzeniePl::ZaHomograph(const TCustomWypGrupa& group)
{
    const int first = group.First;
    const std::string& cases = group.CaseCodes;
    bool noun = false;
    for (int k = first; k <= group.Last; ++k)
        noun = noun || IsPlNounCode(Word(k).Code);
    const bool modifierAlone = ClassIn(first, KlasaBit(kwPrzymiotnik) | KlasaBit(kwPrzyslowek)) && !noun;
    if (!modifierAlone) {
        const bool nounNext = IsPlNounCode(Word(first).Code);
        if (Meets(cases, "5E"))
            return nounNext ? "za1" : "za2";
        if (Meets(cases, "4D"))
            return nounNext ? "za3" : "za4";
    }
    std::string determiner;
    const bool demonstrative = Word(first).Readings.Count() > 0 &&
                               Word(first).Readings.GrammarCodeOf(0, kwOkreslnik, jezPolski, determiner) &&
                               determiner == "96";
    if (modifierAlone && IsPlModifierCode(Word(first).Code) && !demonstrative)
        return "za5";
    return Meets(cases, "2B") ? "za6" : "za7";
}

void TWypowiedzeniePl::PrepositionCases()
{
    for (int p = 0; p + 1 < Words().Count(); ++p) {
        if (!ClassIs(p, kwPrzyimek) || !IsGroupStart(p + 1, tgNominalna))
            continue;
        if (TextIn(p, "<za><za1><za2><za3><za4><za5><za6><za7>") && !IsPlNominalCode(Word(p + 1).Code))
            continue;
        TCustomWypGrupa& group = *Word(p + 1).Group();
        const std::string governed = CommonChars(group.CaseCodes, GovernedCases(p));
        if (governed.empty())
            continue;
        group.CaseCodes = governed;
        if (BeginsPlural(governed))
            group.lba = 2;
        for (int k = group.Last; k >= group.First; --k) {
            if (!IsPlNounCode(Word(k).Code))
                continue;
            TZnaczenia& readings = Word(k).Readings;
            for (int r = 1; r < readings.Count(); ++r) {
                TZnaczenie& reading = *readings.Item(r);
                if (reading.DictKind == kRodzajUzytkownika || !Meets(reading.CaseCodes, governed))
                    continue;
                if (readings.Item(0)->CaseCodes.empty() || !Meets(readings.Item(0)->CaseCodes, governed)) {
                    reading.Score = std::max(reading.Score, readings.Item(0)->Score);
                    Word(k).ReadingCommitted = false;
                    Word(k).ChooseReading(r, false);
                }
                break;
            }
            break;
        }
    }
}

} // namespace velmar
