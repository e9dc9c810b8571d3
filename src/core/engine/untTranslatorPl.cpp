#include "core/engine/untTranslatorPl.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "core/app/untUtils.h"
#include "core/dictionaries/untTransSlownikiTypy.h"
#include "core/engine/untTransWypSkladanie.h"

namespace velmar {

namespace {

constexpr int kNounCodeOfAddress = 15;

// A participle or verbal-noun form the forms dictionary lists only through another
// form of its verb: "czytającego" is read through "czytając" (form 142 of "czytać").
struct TPochodna {
    const char* Ending; // UTF-8
    const char* Replacement;
    int Needs;   // the code the replaced text must have
    int NewCode; // the code of the derived reading
};

constexpr TPochodna kDerivedReadings[] = {
    {"ący", "ąc", 142, 161},   {"ąca", "ąc", 142, 162},   {"ące", "ąc", 142, 163},  {"ącego", "ąc", 142, 164},
    {"ącej", "ąc", 142, 165},  {"ącemu", "ąc", 142, 166}, {"ącą", "ąc", 142, 167},  {"ącym", "ąc", 142, 168},
    {"ących", "ąc", 142, 169}, {"ącymi", "ąc", 142, 170}, {"na", "ny", 150, 152},   {"ta", "ty", 150, 152},
    {"ne", "ny", 150, 153},    {"te", "ty", 150, 153},    {"nego", "ny", 150, 154}, {"tego", "ty", 150, 154},
    {"nej", "ny", 150, 155},   {"tej", "ty", 150, 155},   {"nemu", "ny", 150, 156}, {"temu", "ty", 150, 156},
    {"ną", "ny", 150, 157},    {"tą", "ty", 150, 157},    {"nym", "ny", 150, 158},  {"tym", "ty", 150, 158},
    {"nych", "ny", 150, 159},  {"tych", "ty", 150, 159},  {"nymi", "ny", 150, 160}, {"tymi", "ty", 150, 160},
    {"ie", "ia", 182, 181},    {"iu", "ia", 182, 183},    {"iem", "ia", 182, 184},  {"iom", "ia", 182, 186},
    {"iami", "ia", 182, 187},  {"iach", "ia", 182, 188},
};

struct TPrzedrostek {
    const char* Prefix; // UTF-8
    const char* French; // added in front of the translation
};

// A table of prefixes DetachPrefix tries; the rest of the word must be found with one of
// the codes (none: any code).
struct TTabelaPrzedrostkow {
    std::vector<TPrzedrostek> Prefixes;
    int FirstCode = -1, LastCode = -1;
    // Each prefix is stripped from what the earlier ones left ("poprzerobić":
    // "przerobić", then "robić").
    bool Cumulative = false;
};

const std::vector<TTabelaPrzedrostkow>& PrefixTables()
{
    static const std::vector<TTabelaPrzedrostkow> tables = {
        {{{"nie", "non "}}},
        {{{"za", ""},
          {"po", ""},
          {"na", ""},
          {"przy", ""},
          {"roz", ""},
          {"prze", ""},
          {"z", ""},
          {"do", "additionnellement "}},
         100,
         188,
         true},
        {{{"poza", "extra"},
          {"współ", "inter"},
          {"ponad", "ultra"},
          {"po", "post"},
          {"nad", "sur"},
          {"między", "inter"},
          {"nie", "non "}},
         80,
         95},
    };
    return tables;
}

bool IsPluralFormCode(int code)
{
    return CodeInSet(code, Kody({8, 11, 12, 40, 41, 42, 43, 49, 55, 56, 57, 185, 186, 187, 188}));
}

// A noun the dictionary gives only in the plural ("drzwi", "spodnie").
bool IsPluralOnlyNoun(const TZnaczenie& reading)
{
    const TTransSlownikPodrekord* first = reading.Entry->SubRecords.Item(0);
    return first != nullptr && InTagList(first->Code, "<47><48><%47><%48>");
}

} // namespace

// ---------------------------------------------------------------- word

void TWypSlowoPl::Prepare()
{
    const int index = Owner() ? Owner()->IndexOf(this) : -1;
    if (index >= 0) {
        TPrzedPo& around = Owner()->Around(index);
        while (Text.size() > 1 && Text.front() == '"') {
            around.Przed += '"';
            Text.erase(0, 1);
            ++Start;
        }
        while (Text.size() > 1 && Text.back() == '"') {
            around.Po.insert(0, "\"");
            Text.pop_back();
            --End;
        }
    }
    const std::string savedText = Text;
    if (PrepareNumber())
        return;
    if (IsUrlOrMail(Text)) {
        FixedTarget = Text;
        SentenceCapital = false;
        SetCode(kNounCodeOfAddress);
        return;
    }
    if (!Text.empty() && IsHyphenOrComma(static_cast<unsigned char>(Text[0]))) {
        SplitOffLeadingSign(index);
        return;
    }
    if (!LookupWord())
        RepairUnknown(index, savedText);
}

void TWypSlowoPl::RepairUnknown(int index, const std::string& savedText)
{
    const std::size_t slash = Text.find('/'), hyphen = Text.find('-'), apostrophe = Text.find('\'');
    const auto firstWordChar =
        std::find_if(Text.begin(), Text.end(), [](char c) { return IsWordCharComma(static_cast<unsigned char>(c)); });
    if (index < 0 || Text.empty()) {
        Reset(savedText);
    } else if (Text != "." && Text.back() == '.') {
        Owner()->Around(index).Po.insert(0, ".");
        --End;
        SetText(Text.substr(0, Text.size() - 1));
    } else if (Text != "/" && Text != "I/O" && slash != std::string::npos && slash > 0) {
        SplitAtSlash(index, slash);
    } else if (Text != "-" && hyphen != std::string::npos && hyphen > 0) {
        SplitAtHyphen(index, hyphen);
    } else if (firstWordChar != Text.begin()) {
        if (firstWordChar == Text.end()) {
            Reset(Text);
            return;
        }
        const auto lead = static_cast<std::size_t>(firstWordChar - Text.begin());
        Owner()->Around(index).Przed += Owner()->Written(Start, std::string_view(Text).substr(0, lead));
        Start += static_cast<int>(lead);
        SetText(Text.substr(lead));
    } else if (apostrophe == std::string::npos || apostrophe == 0) {
        if (Readings.Count() == 0 && HasMarker(znOdczepPrzedrostek))
            DetachPrefix();
        if (Readings.Count() == 0)
            Reset(savedText);
    } else {
        SplitAtApostrophe(index, apostrophe);
    }
}

int TWypSlowoPl::InsertPart(int after, const std::string& text, int start, int end, TPrzedPo around)
{
    std::unique_ptr<TCustomWypSlowo> word = Owner()->NewWord();
    word->OnChange = OnChange;
    word->Start = start;
    word->End = end;
    const int at = Owner()->InsertWordAfter(after, std::move(word), std::move(around));
    TCustomWypSlowo& inserted = Owner()->Word(at);
    inserted.FirstText = text;
    inserted.SetText(text);
    return at;
}

void TWypSlowoPl::SplitOffLeadingSign(int index)
{
    const std::string rest = Text.substr(1);
    Reset(Text.substr(0, 1));
    Choosable = false;
    if (rest.empty() || index < 0)
        return;
    std::string after = std::move(Owner()->Around(index).Po);
    Owner()->Around(index).Po.clear();
    const int end = End;
    End = Start + 1;
    InsertPart(index, rest, Start + 1, end, {"", std::move(after)});
}

void TWypSlowoPl::MarkSplit(int index, int wordsBefore)
{
    const int last = index + Owner()->Count() - wordsBefore;
    for (int k = index; k <= last; ++k)
        Owner()->Word(k).SetMarker(znMyslnikSpacja);
}

void TWypSlowoPl::SplitAtSlash(int index, std::size_t slash)
{
    const int wordsBefore = Owner()->Count();
    std::string after = std::move(Owner()->Around(index).Po);
    Owner()->Around(index).Po = "/";
    const std::string first = Text.substr(0, slash), rest = Text.substr(slash + 1);
    const int end = End;
    End = Start + static_cast<int>(slash);
    if (!rest.empty())
        InsertPart(index, rest, End + 1, end, {"", std::move(after)});
    SetText(first);
    MarkSplit(index, wordsBefore);
}

void TWypSlowoPl::SplitAtHyphen(int index, std::size_t hyphen)
{
    const int wordsBefore = Owner()->Count();
    std::string after = std::move(Owner()->Around(index).Po);
    Owner()->Around(index).Po.clear();
    const std::string token = Text;
    for (const char joint : {'\0', ' '}) {
        Text = token;
        if (joint == '\0')
            Text.erase(hyphen, 1);
        else
            Text[hyphen] = joint;
        if (LookupWord()) {
            Owner()->Around(index).Po = std::move(after);
            return;
        }
    }
    const std::string part = token.substr(0, hyphen);
    // An adverbial first element ("biało-") is read as its adjective.
    std::string adjective = part;
    if (ApplyEndingRules(adjective, "ko=ki,go=gi,lo=li,io=i,o=y")) {
        SetText(adjective);
        if (ChooseReadingOfClass(kwPrzymiotnik))
            Text = part;
        else
            SetText(part);
    } else {
        SetText(part);
    }
    AddHyphenAndRest(index, token.substr(hyphen + 1), hyphen, std::move(after));
    MarkSplit(index, wordsBefore);
}

void TWypSlowoPl::AddHyphenAndRest(int index, const std::string& rest, std::size_t hyphen, std::string after)
{
    const int end = End;
    End = Start + static_cast<int>(hyphen);
    if (rest.empty()) {
        // "biało- i czerwony": the hyphen stands apart, against what follows.
        InsertPart(index, "-", End, end, {" ", std::move(after)});
        return;
    }
    const int dash = InsertPart(index, "-", End, End + 1, {});
    InsertPart(dash, rest, End + 1, end, {"", std::move(after)});
}

void TWypSlowoPl::SplitAtApostrophe(int index, std::size_t apostrophe)
{
    std::string after = std::move(Owner()->Around(index).Po);
    Owner()->Around(index).Po.clear();
    const std::string first = Text.substr(0, apostrophe), rest = Text.substr(apostrophe);
    const int end = End;
    End = Start + static_cast<int>(apostrophe);
    InsertPart(index, rest, End, end, {"", std::move(after)});
    SetText(first);
}

void TWypSlowoPl::DetachPrefix()
{
    RemoveMarkers(Znaczniki({znOdczepPrzedrostek}));
    const std::string savedText = Text;
    for (const TTabelaPrzedrostkow& table : PrefixTables()) {
        std::string candidate = savedText;
        for (const TPrzedrostek& prefix : table.Prefixes) {
            if (Readings.Count() > 0)
                return;
            if (!table.Cumulative)
                candidate = savedText;
            const std::string letters = FromUtf8(prefix.Prefix);
            if (candidate.size() <= letters.size() || !StartsWith(candidate, letters, false))
                continue;
            candidate.erase(0, letters.size());
            SetText(candidate);
            if (table.FirstCode >= 0 && Readings.Count() > 0) {
                Readings.KeepCodes(KodyOdDo(table.FirstCode, table.LastCode));
                ReadingCommitted = false;
                Commit(false);
            }
            if (Readings.Count() == 0) {
                Text = savedText;
                continue;
            }
            LeadText += FromUtf8(prefix.French);
            if (&table == &PrefixTables().front())
                SetMarker(znNie);
            AddNote("[ODC_PRZED]");
        }
    }
}

void TWypSlowoPl::Reset(const std::string& text)
{
    // A part of a split token stays one when a later stage gives up on the word.
    const bool split = HasMarker(znMyslnikSpacja);
    TCustomWypSlowo::Reset(text);
    if (split)
        SetMarker(znMyslnikSpacja);
    ImpliedSubject.clear();
}

void TWypSlowoPl::AfterLookup1()
{
    AddDerivedReadings();
    for (int r = 0; r < Readings.Count(); ++r)
        Readings.Item(r)->Entry->RemoveHiddenMeanings();
    if (Readings.Count() < 2)
        return;
    for (bool exchanged = true; exchanged;) {
        exchanged = false;
        for (int r = 0; r + 1 < Readings.Count(); ++r) {
            const TZnaczenie &a = *Readings.Item(r), &b = *Readings.Item(r + 1);
            const bool userA = a.DictKind == kRodzajUzytkownika, userB = b.DictKind == kRodzajUzytkownika;
            if ((userB && !userA) || (!userA && !userB && a.Score < b.Score)) {
                Readings.Move(r + 1, r);
                exchanged = true;
            }
        }
    }
    DemoteUserReadingsOutsideProfile();
    PromotePluralOnlyNoun();
}

void TWypSlowoPl::AddDerivedReadings()
{
    TSlownikiWypowiedzi* dictionaries = Owner() ? Owner()->Context().Dictionaries : nullptr;
    if (dictionaries == nullptr || Readings.Count() == 0)
        return;
    for (const TPochodna& row : kDerivedReadings) {
        std::string replaced = Text;
        if (!ReplaceEnding(replaced, FromUtf8(row.Ending), FromUtf8(row.Replacement), false))
            continue;
        if (Readings.FirstCodeIn(Kody({row.NewCode})) >= 0)
            return;
        for (TZnaczenie reading : dictionaries->Readings(replaced, false, CaseFolding()).Readings) {
            if (reading.Code != row.Needs || reading.DictKind != rsGlowny)
                continue;
            reading.Code = row.NewCode;
            reading.WordClass = WordClassOfCodeNumber(row.NewCode, Language());
            Readings.Add(reading);
        }
        return;
    }
}

void TWypSlowoPl::DemoteUserReadingsOutsideProfile()
{
    const std::bitset<256> subjects = Owner() ? Owner()->Context().Analysis.Subjects : std::bitset<256>{};
    if (subjects.none())
        return;
    for (int moves = 0; moves < Readings.Count(); ++moves) {
        const TZnaczenie& first = *Readings.Item(0);
        if (first.DictKind != kRodzajUzytkownika || HasMeaningInSubjects(first, subjects))
            return;
        Readings.Move(0, Readings.Count() - 1);
    }
}

void TWypSlowoPl::PromotePluralOnlyNoun()
{
    for (int r = 0; r < Readings.Count(); ++r) {
        const TZnaczenie& reading = *Readings.Item(r);
        if (reading.DictKind != kRodzajUzytkownika && !IsPluralFormCode(reading.Code))
            return;
    }
    for (int r = 0; r < Readings.Count(); ++r) {
        const TZnaczenie& reading = *Readings.Item(r);
        if (reading.DictKind == kRodzajUzytkownika || !IsPluralOnlyNoun(reading))
            continue;
        int to = r;
        while (to > 0 && Readings.Item(to - 1)->DictKind != kRodzajUzytkownika &&
               Readings.Item(to - 1)->Score == reading.Score)
            --to;
        Readings.Move(r, to);
        return;
    }
}

std::unique_ptr<TCustomWypSlowo> TWypSlowaPl::NewWord()
{
    return std::make_unique<TWypSlowoPl>(this);
}

std::unique_ptr<TCustomWypGrupa> TWypSlowaPl::NewGroup()
{
    return std::make_unique<TWypGrupaPl>(this);
}

// ---------------------------------------------------------------- group

bool TWypGrupaPl::IsPrepositional() const
{
    return First > 0 && words_->Word(First - 1).WordClass == kwPrzyimek;
}

bool TWypGrupaPl::IsSubject() const
{
    const int kind = Kind();
    return kind == 6 || kind == 15 || kind == 30 || kind == 31 || kind == 33 || kind == 34 || kind == 35;
}

// ---------------------------------------------------------------- utterance

TWypowiedzeniePl::TWypowiedzeniePl(TCustomWypowiedzenia* owner)
    : TWypowiedzenieSlowoPoSlowie(owner, std::make_unique<TWypSlowaPl>(this))
{
}

TWypSlowoPl& TWypowiedzeniePl::Word(int i)
{
    return static_cast<TWypSlowoPl&>(Words().Word(i));
}

void TWypowiedzeniePl::LoadCodeSets()
{
    ParticipleCodes = KodyOdDo(150, 170);
}

void TWypowiedzeniePl::Analyse(int level)
{
    if (Owner()->StopRequested())
        return;
    LoadCodeSets();
    if (IsWordByWordMode(Words().Context().Settings.TranslationMode)) {
        TWypowiedzenieSlowoPoSlowie::Analyse(level);
        return;
    }
    const auto chooseReadings = [](TWypowiedzeniePl& self) {
        for (int i = 0; i < self.Words().Count(); ++i)
            if (self.Words().Word(i).Choosable)
                self.ChooseReadingAt(i);
    };
    const std::function<void(TWypowiedzeniePl&)> stages[] = {
        &TWypowiedzeniePl::LowerCaseRetry, chooseReadings, &TWypowiedzeniePl::IndefiniteNumerals,
        &TWypowiedzeniePl::JoinExpressions, &TWypowiedzeniePl::RelationalAdjectives,
        &TWypowiedzeniePl::SuffixAdjectives, &TWypowiedzeniePl::QualityNouns, &TWypowiedzeniePl::DegreeForms,
        &TWypowiedzeniePl::AdjectivalAdverbs, &TWypowiedzeniePl::PrefixRetry,
        // cases, groups and clauses
        &TWypowiedzeniePl::CaseGenderNumber, &TWypowiedzeniePl::SalutationAdjective,
        &TWypowiedzeniePl::NounOrAdjective, &TWypowiedzeniePl::ConditionalParticle,
        &TWypowiedzeniePl::PersonEndings, &TWypowiedzeniePl::ImpersonalPredicates, &TWypowiedzeniePl::BuildGroups,
        &TWypowiedzeniePl::PossessivePronouns, &TWypowiedzeniePl::PrepositionHomographs,
        &TWypowiedzeniePl::NumeralGroups, &TWypowiedzeniePl::MeasureNouns, &TWypowiedzeniePl::NounAdjectiveEntries, &TWypowiedzeniePl::AdjectiveNounScores,
        &TWypowiedzeniePl::ClauseStarts, &TWypowiedzeniePl::GroupKinds, &TWypowiedzeniePl::GenitiveChains,
        &TWypowiedzeniePl::PrepositionCases, &TWypowiedzeniePl::PronounRoles, &TWypowiedzeniePl::CoordinatedGroups,
        &TWypowiedzeniePl::ReflexiveVerbs,
        // roles, verb features and function words
        &TWypowiedzeniePl::CaseRoles, &TWypowiedzeniePl::NalezyConstruction, &TWypowiedzeniePl::VerbTransitivity,
        &TWypowiedzeniePl::SubjectObject, &TWypowiedzeniePl::FunctionWordsPl, &TWypowiedzeniePl::NegationScope,
        &TWypowiedzeniePl::ToCiNiczym, &TWypowiedzeniePl::VerbTransitivity, &TWypowiedzeniePl::VerbGroupFeatures,
        &TWypowiedzeniePl::FormsOfAddress, &TWypowiedzeniePl::SubjectKinds, &TWypowiedzeniePl::PredicativeMarkers,
        &TWypowiedzeniePl::HeadReadingByCase, &TWypowiedzeniePl::TargetAgreement,
        &TWypowiedzeniePl::QuestionClauses, &TWypowiedzeniePl::ImpersonalPredicates,
        &TWypowiedzeniePl::ImplicitSubjects, &TWypowiedzeniePl::DeferredPhrases, &TWypowiedzeniePl::PrzezAgent,
        &TWypowiedzeniePl::ValencyPrepositions, &TWypowiedzeniePl::PronounAgreement, &TWypowiedzeniePl::GroupNumber,
        &TWypowiedzeniePl::RelativeKtory, &TWypowiedzeniePl::PronounPerson,
        &TWypowiedzeniePl::PersonSpread,
        // the French sentence, then the translations
        &TWypowiedzeniePl::FrenchSentence, &TWypowiedzeniePl::PossessiveMarkers, &TWypowiedzeniePl::SobieCzas,
        &TWypowiedzeniePl::CollectAll};
    for (const auto& stage : stages) {
        if (Words().Count() == 0 || Owner()->StopRequested())
            return;
        stage(*this);
    }
    TCustomWypowiedzenie::Analyse(level);
}

void TWypowiedzeniePl::FrenchSentence()
{
    if (Words().Context().TargetLanguage != jezFrancuski)
        return;
    std::vector<void (TWypowiedzeniePl::*)()> stages;
    if (Words().Context().Analysis.PlReorder)
        stages = {&TWypowiedzeniePl::ObjectPronounPlacement, &TWypowiedzeniePl::NegativeWordPlacementFr,
                  &TWypowiedzeniePl::AdjectivePlacementFr};
    stages.insert(stages.end(), {&TWypowiedzeniePl::PronounFormsFr, &TWypowiedzeniePl::ArticlesFr,
                                 &TWypowiedzeniePl::PlacePrepositionsFr, &TWypowiedzeniePl::ArticleAssembly});
    for (const auto stage : stages) {
        if (Owner()->StopRequested())
            return;
        (this->*stage)();
    }
}

int TWypowiedzeniaPl::NewUtterance()
{
    Append(std::make_unique<TWypowiedzeniePl>(this));
    return Count() - 1;
}

std::unique_ptr<TCustomWypowiedzenia> TWypowiedzeniaPl::NewNested() const
{
    return std::make_unique<TWypowiedzeniaPl>(NestedContext());
}

} // namespace velmar
