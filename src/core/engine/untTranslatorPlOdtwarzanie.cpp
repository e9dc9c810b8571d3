// Words no dictionary lists, read through a related word the dictionaries do list:
// relational adjectives through their noun ("cukrowy": "cukier"), quality nouns through
// their adjective ("-ość"), comparatives and superlatives through the positive,
// adverbs through their adjective or adverbial participle, a detachable prefix, and
// a past-tense person ending written against another word ("Gdzieś był?"). Every
// failed attempt gives the word its text back, so no stage leaves a half-changed word.
#include <array>

#include "core/app/untUtils.h"
#include "core/engine/untTranslatorPl.h"

namespace velmar {

namespace {

// The ten adjective endings in the order of the codes 81–90 they take.
using TKoncowkiPrzymiotnika = std::array<const char*, 10>;

constexpr int kFirstAdjectiveCode = 81;
constexpr int kAdverbCode = 218;
constexpr int kAdverbialParticipleCode = 142;

constexpr TKoncowkiPrzymiotnika kOwyEndings = {"owy",   "owa", "owe",  "owego", "owej",
                                               "owemu", "ową", "owym", "owych", "owymi"};

// Noun codes whose "-a" or "-u" form ("cukra", "lasu") carries an "-owy" adjective.
const TZbiorKodow& RelationalNounCodes()
{
    static const TZbiorKodow codes = Kody({1, 2, 15, 16, 30, 32, 40}) | KodyOdDo(19, 28);
    return codes;
}

struct TGrupaSufiksow {
    TKoncowkiPrzymiotnika Endings;
    const char* Replacement;
};

constexpr TKoncowkiPrzymiotnika kCyjnyEndings = {"cyjny",   "cyjna", "cyjne",  "cyjnego", "cyjnej",
                                                 "cyjnemu", "cyjną", "cyjnym", "cyjnych", "cyjnymi"};
constexpr TKoncowkiPrzymiotnika kRskiEndings = {"rski",    "rska", "rskie", "rskiego", "rskiej",
                                                "rskiemu", "rską", "rskim", "rskich",  "rskimi"};
constexpr TKoncowkiPrzymiotnika kYcznyEndings = {"yczny",   "yczna", "yczne",  "ycznego", "ycznej",
                                                 "ycznemu", "yczną", "ycznym", "ycznych", "ycznymi"};

constexpr TGrupaSufiksow kSuffixGroups[] = {
    {kCyjnyEndings, "cja"}, {kRskiEndings, "r"}, {kRskiEndings, "rz"}, {kYcznyEndings, "yka"}, {kYcznyEndings, "a"}};

// Comparative endings and the codes of the form.
constexpr std::pair<const char*, int> kComparativeEndings[] = {{"szy", 81},   {"si", 91},    {"sza", 82},   {"sze", 83},
                                                               {"szego", 84}, {"szej", 85},  {"szemu", 86}, {"szą", 87},
                                                               {"szym", 88},  {"szych", 89}, {"szymi", 90}};

// The positive of a comparative in "-szy"; the first two stand for whole words.
constexpr std::pair<const char*, const char*> kComparativeStems[] = {
    {"głośniejszy", "głośny"}, {"krótszy", "krótki"}, {"śniejszy", "sny"}, {"ślejszy", "sły"},
    {"roźniejszy", "roźny"},   {"źniejszy", "zny"},   {"niejszy", "ny"},   {"wiejszy", "wy"},
    {"rzejszy", "ry"},         {"lszy", "ły"},        {"szy", "y"}};
constexpr int kWholeWordStems = 2;

} // namespace

// A past-tense person ending written against the word before the verb ("Gdzieś był?"):
// the verb's third-person codes become the ending's person.
struct TKoncowkaOsobowa {
    const char* Ending;
    bool Plural; // the verb ends in "li"/"ły", else in "ł"/"ła"/"ło"
    std::array<std::pair<int, int>, 2> Recode;
};

namespace {

constexpr TKoncowkaOsobowa kPersonEndings[] = {{"m", false, {{{114, 110}, {115, 111}}}},
                                               {"ś", false, {{{115, 113}, {114, 112}}}},
                                               {"śmy", true, {{{121, 117}, {122, 118}}}},
                                               {"ście", true, {{{121, 119}, {122, 120}}}}};

// The endings an ending may match only in a longer text.
bool EndsLonger(std::string_view text, std::string_view ending, bool caseSensitive = true)
{
    return text.size() > ending.size() && EndsWith(text, ending, caseSensitive);
}

std::string WithoutEnding(const std::string& text, std::string_view ending)
{
    return text.substr(0, text.size() - ending.size());
}

std::string PositiveOfComparative(const std::string& form)
{
    for (int k = 0; k < static_cast<int>(std::size(kComparativeStems)); ++k) {
        const std::string key = FromUtf8(kComparativeStems[k].first);
        const bool matches = k < kWholeWordStems ? EndsWith(form, key) : EndsLonger(form, key);
        if (matches)
            return WithoutEnding(form, key) + FromUtf8(kComparativeStems[k].second);
    }
    return form;
}

} // namespace

bool TWypowiedzeniePl::Unexplained(int i) const
{
    const TCustomWypSlowo& word = Words().Word(i);
    return word.Readings.Count() == 0 && word.Choosable && word.FixedTarget.empty() && !word.HasMarker(znNieOznaczac);
}

void TWypowiedzeniePl::Retry(int i, const std::string& text)
{
    Word(i).SetText(text);
    ChooseReadingAt(i);
}

void TWypowiedzeniePl::MakeRelationalAdjective(int i, int code, const std::string& savedText)
{
    TWypSlowoPl& word = Word(i);
    word.SetCode(code);
    word.ForcedClass = kwRzeczownik;
    word.SetMarker(znPrzymiotnikRelacyjny);
    word.Text = savedText;
    if (Owner()->Context().TargetLanguage == jezFrancuski)
        word.LeadText = "de ";
}

// ---------------------------------------------------------------- relational adjectives

void TWypowiedzeniePl::RelationalAdjectives()
{
    for (int i = 0; i < Words().Count(); ++i)
        if (Unexplained(i))
            RelationalAdjectiveAt(i);
}

bool TWypowiedzeniePl::RelationalAdjectiveAt(int i)
{
    const std::string savedText = Word(i).Text;
    for (std::size_t k = 0; k < kOwyEndings.size(); ++k) {
        const std::string ending = FromUtf8(kOwyEndings[k]);
        if (!EndsLonger(savedText, ending))
            continue;
        const int code = kFirstAdjectiveCode + static_cast<int>(k);
        const std::string stem = WithoutEnding(savedText, ending);
        Retry(i, stem + "a");
        if (Word(i).Readings.Count() > 0 && CodeIn(i, RelationalNounCodes())) {
            MakeRelationalAdjective(i, code, savedText);
            return true;
        }
        Retry(i, stem + "u");
        if (Word(i).Readings.Count() > 0 && CodeIn(i, Kody({2, 19, 46}))) {
            MakeRelationalAdjective(i, code, savedText);
            return true;
        }
        Retry(i, savedText);
        return false;
    }
    return false;
}

void TWypowiedzeniePl::SuffixAdjectives()
{
    for (int i = 0; i < Words().Count(); ++i)
        if (Unexplained(i))
            SuffixAdjectiveAt(i);
}

bool TWypowiedzeniePl::SuffixAdjectiveAt(int i)
{
    const std::string savedText = Word(i).Text;
    for (const TGrupaSufiksow& group : kSuffixGroups)
        for (std::size_t k = 0; k < group.Endings.size(); ++k) {
            const std::string ending = FromUtf8(group.Endings[k]);
            if (!EndsLonger(savedText, ending))
                continue;
            Retry(i, WithoutEnding(savedText, ending) + FromUtf8(group.Replacement));
            if (Word(i).Readings.Count() > 0 && CodeIs(i, 1)) {
                MakeRelationalAdjective(i, kFirstAdjectiveCode + static_cast<int>(k), savedText);
                return true;
            }
            Retry(i, savedText);
            if (Word(i).Readings.Count() > 0)
                return true;
        }
    return false;
}

// ---------------------------------------------------------------- quality nouns

void TWypowiedzeniePl::QualityNouns()
{
    constexpr std::pair<const char*, int> kEndings[] = {{"ość", 17}, {"ości", 26}, {"ością", 5}};
    for (int i = 0; i < Words().Count(); ++i) {
        if (!Unexplained(i))
            continue;
        const std::string savedText = Word(i).Text;
        for (const auto& [ending, code] : kEndings) {
            if (!EndsLonger(savedText, FromUtf8(ending)))
                continue;
            std::string adjective = savedText;
            ApplyEndingRules(adjective, FromUtf8("ością=ość,ości=ość,ość=ość"));
            ApplyEndingRules(adjective, FromUtf8("kość=ki,gość=gi,lość=li,iość=i,ość=y"));
            Retry(i, adjective);
            TWypSlowoPl& word = Word(i);
            if (word.ChooseReadingOfClass(kwPrzymiotnik)) {
                word.SetCode(code);
                word.ForcedClass = kwPrzymiotnik;
                word.SetMarker(znRzeczownikZPrzymiotnika);
                word.Text = savedText;
            } else {
                Retry(i, savedText);
            }
            break;
        }
    }
}

// ---------------------------------------------------------------- degrees

void TWypowiedzeniePl::DegreeForms()
{
    for (int i = 0; i < Words().Count(); ++i)
        if (Unexplained(i))
            DegreeFormAt(i);
}

void TWypowiedzeniePl::RestoreWithoutDegree(int i, const std::string& savedText)
{
    Retry(i, savedText);
    Word(i).st = 0;
}

void TWypowiedzeniePl::DegreeFormAt(int i)
{
    const std::string savedText = Word(i).Text;
    const bool superlative = StartsWith(savedText, "naj", false);
    if (superlative) {
        Retry(i, savedText.substr(3));
        if (Word(i).Readings.Count() > 0) {
            Word(i).st = 2;
            return;
        }
        RestoreWithoutDegree(i, savedText);
    }
    if (savedText.size() > 2 && EndsWith(savedText, "ej") && !EndsWith(savedText, "szej"))
        AdverbComparativeAt(i, savedText);
    else
        ComparativeAt(i, savedText);
}

void TWypowiedzeniePl::AdverbComparativeAt(int i, const std::string& savedText)
{
    std::string text = savedText;
    if (StartsWith(text, "naj", false) && text.size() > 5) {
        text.erase(0, 3);
        Word(i).st = 2;
    }
    ReplaceEnding(text, "ej", "e");
    Word(i).SetText(text);
    for (const auto& [ending, replacement] : {std::pair{"nie", "no"}, std::pair{"wie", "wo"}})
        if (!Word(i).HasReadingOfClass(kwPrzyslowek) && ReplaceEnding(text, ending, replacement))
            Word(i).SetText(text);
    if (!Word(i).ChooseReadingOfClass(kwPrzyslowek))
        RestoreWithoutDegree(i, savedText);
    else if (Word(i).st != 2)
        Word(i).st = 1;
}

void TWypowiedzeniePl::ComparativeAt(int i, const std::string& savedText)
{
    for (const auto& [ending, code] : kComparativeEndings) {
        const std::string letters = FromUtf8(ending);
        if (!EndsLonger(savedText, letters))
            continue;
        std::string text = savedText;
        if (StartsWith(text, "naj", false) && text.size() > 4) {
            text.erase(0, 3);
            Word(i).st = 2;
        }
        Retry(i, PositiveOfComparative(WithoutEnding(text, letters) + "szy"));
        TWypSlowoPl& word = Word(i);
        if (word.Readings.Count() == 0 || word.WordClass != kwPrzymiotnik) {
            RestoreWithoutDegree(i, savedText);
            return;
        }
        if (word.st != 2)
            word.st = 1;
        word.SetCode(code);
        return;
    }
}

// ---------------------------------------------------------------- adverbs

void TWypowiedzeniePl::AdjectivalAdverbs()
{
    for (int i = 0; i < Words().Count(); ++i)
        if (Unexplained(i) && EndsWithAny(Words().Word(i).Text, "ie,le,o"))
            AdjectivalAdverbAt(i);
}

void TWypowiedzeniePl::AdjectivalAdverbAt(int i)
{
    TWypSlowoPl& word = Word(i);
    const std::string savedText = word.Text;
    std::string adjective = savedText;
    ApplyEndingRules(adjective,
                     FromUtf8("śnie=sny,sznie=szny,cznie=czny,źnie=zny,nie=ny,le=ły,wo=wy,wie=wy,go=gi,ko=ki,e=y,o=y"));
    word.SetText(adjective);
    if (word.ChooseReadingOfClass(kwPrzymiotnik)) {
        word.SetCode(kAdverbCode);
        word.ForcedClass = kwPrzymiotnik;
        word.SetMarker(znPrzyslowekZPrzymiotnika);
        word.Text = savedText;
        return;
    }
    word.Reset(savedText);
    std::string participle = savedText;
    if (!ApplyEndingRules(participle, FromUtf8("ąco=ąc")))
        return;
    word.SetText(participle);
    if (word.ChooseReadingOfClass(kwCzasownik) && word.Code == kAdverbialParticipleCode) {
        word.SetMarker(znPrzyslowekZImieslowu);
        word.Text = savedText;
        word.SetCode(kAdverbCode);
    } else {
        word.Reset(savedText);
    }
}

// ---------------------------------------------------------------- prefixes

void TWypowiedzeniePl::PrefixRetry()
{
    for (int i = 0; i < Words().Count(); ++i) {
        if (!Unexplained(i))
            continue;
        Word(i).SetMarker(znOdczepPrzedrostek);
        Word(i).Prepare();
        if (Word(i).Readings.Count() > 0)
            ChooseReadingAt(i);
    }
}

// ---------------------------------------------------------------- person endings

void TWypowiedzeniePl::PersonEndings()
{
    for (int i = 0; i < Words().Count(); ++i)
        if (Unexplained(i))
            PersonEndingAt(i);
}

void TWypowiedzeniePl::PersonEndingAt(int i)
{
    const std::string savedText = Word(i).Text;
    for (const TKoncowkaOsobowa& row : kPersonEndings) {
        const std::string ending = FromUtf8(row.Ending);
        if (!EndsLonger(savedText, ending, false))
            continue;
        std::string stem = WithoutEnding(savedText, ending);
        if (stem.size() > 1 && stem.back() == '-')
            stem.pop_back();
        Retry(i, stem);
        if (Word(i).Readings.Count() == 0 && stem.size() > 1 && stem.back() == 'e') {
            stem.pop_back();
            Retry(i, stem);
        }
        if (Word(i).Readings.Count() == 0 || !PersonOfNextVerb(i, row))
            Retry(i, savedText);
        return;
    }
}

bool TWypowiedzeniePl::PersonOfNextVerb(int i, const TKoncowkaOsobowa& row)
{
    const int verb = FindClassIn(i + 1, KlasaBit(kwCzasownik));
    if (!InRange(verb))
        return false;
    TCustomWypSlowo& word = Words().Word(verb);
    const std::string text = FirstWord(word.Text);
    if (!EndsWithAny(text, FromUtf8(row.Plural ? "li,ły" : "ł,ła,ło")))
        return false;
    for (const auto& [third, person] : row.Recode)
        if (word.Code == third) {
            word.SetCode(person);
            break;
        }
    return true;
}

} // namespace velmar
