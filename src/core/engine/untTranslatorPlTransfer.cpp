// From the analysed Polish sentence to the French one: every word's translations, and
// the French surface across the rendered words — "à le" is "au", "je ai" is "j'ai",
// "beau arbre" is "bel arbre".
#include <array>
#include <string_view>
#include <utility>

#include "core/app/untUtils.h"
#include "core/engine/untTransWypSkladanie.h"
#include "core/engine/untTranslatorPl.h"
#include "core/generators/untGenFrFunkcje.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar {

namespace {

using TPara = std::pair<std::string_view, std::string_view>;

// Texts in the French code page: "\340" is "à".
constexpr std::array<TPara, 5> kContractions = {
    {{"de des", "de"}, {"de les", "des"}, {"de le", "du"}, {"\340 les", "aux"}, {"\340 le", "au"}}};

constexpr std::array<TPara, 15> kElisions = {{{"je", "j'"},
                                              {"me", "m'"},
                                              {"te", "t'"},
                                              {"que", "qu'"},
                                              {"le", "l'"},
                                              {"la", "l'"},
                                              {"de", "d'"},
                                              {"se", "s'"},
                                              {"ne", "n'"},
                                              {"au", "\340 l'"},
                                              {"du", "de l'"},
                                              {"ma", "mon "},
                                              {"ta", "ton "},
                                              {"sa", "son "},
                                              {"ce", "cet "}}};

struct TPrzedSamogloska {
    std::string_view Masculine, BeforeVowel, Feminine;
};

constexpr std::array<TPrzedSamogloska, 6> kPreVowelAdjectives = {{{"beau", "bel", "belle"},
                                                                  {"fou", "fol", "folle"},
                                                                  {"jumeau", "jumel", "jumelle"},
                                                                  {"mou", "mol", "molle"},
                                                                  {"nouveau", "nouvel", "nouvelle"},
                                                                  {"vieux", "vieil", "vieille"}}};

// The forms of "être" after which "ce" is "c'" ("c'est", "c'était").
constexpr std::string_view kEtreForms = "<est><\351tait><\351taient><eut><e\373t><\351tant>";

bool IsPlainSpace(std::string_view text)
{
    for (const char c : text)
        if (c != ' ' && c != '\t')
            return false;
    return true;
}

std::string FirstWordOf(std::string_view text)
{
    const std::string trimmed = Trim(text);
    return trimmed.substr(0, trimmed.find(' '));
}

std::string LastWordOf(std::string_view text)
{
    const std::string trimmed = Trim(text);
    const std::size_t space = trimmed.rfind(' ');
    return space == std::string::npos ? trimmed : trimmed.substr(space + 1);
}

int CasePatternOf(const TCustomWypSlowo& word)
{
    return MakeCasePattern(word.Capitalised || word.SentenceCapital, word.AllCaps, word.TitleCase);
}

// The contraction whose key is `text`, lower-cased; empty when none.
std::string_view ContractionOf(std::string_view text)
{
    const std::string lower = LowerStr(text);
    for (const auto& [key, value] : kContractions)
        if (lower == key)
            return value;
    return {};
}

// Whether `key` stands in `text` at `at` as a word of its own: after the start, a
// space or "{", before the end, a space or "}".
bool StandsAlone(std::string_view text, std::size_t at, std::size_t length)
{
    const bool startOk = at == 0 || text[at - 1] == ' ' || text[at - 1] == '{';
    const std::size_t end = at + length;
    const bool endOk = end == text.size() || text[end] == ' ' || text[end] == '}';
    return startOk && endOk;
}

} // namespace

// ---------------------------------------------------------------- sub-records

int TWypSlowoPl::SelectSubRecord(const TZnaczenie& reading, bool preferVerb, bool anyClass)
{
    const TTransSlownikPodrekordy& records = reading.Entry->SubRecords;
    if (records.Count() == 0)
        return -1;
    const std::uint8_t wordClass = ForcedClass != kwNieznana ? ForcedClass : WordClass;
    const auto first = [&](auto&& fits) {
        for (int r = 0; r < records.Count(); ++r)
            if (fits(*records.Item(r)))
                return r;
        return -1;
    };
    const auto plain = [](const TTransSlownikPodrekord& record) {
        return !record.ReflexiveFlag && !InTagList(record.Marker, FromUtf8("<*T><*r><*ř><*‰><*C>"));
    };
    if (wordClass == kwCzasownik) {
        int found = -1;
        if (HasMarker(znSobieZwrotne))
            found = first([](const TTransSlownikPodrekord& record) {
                return !record.ReflexiveFlag && InTagList(record.Marker, "<*T><*C>");
            });
        else if (HasMarker(znZwrotny) || HasMarker(znSieZwrotne))
            found = first([](const TTransSlownikPodrekord& record) {
                return record.ReflexiveFlag || InTagList(record.Marker, FromUtf8("<*r><*ř>"));
            });
        else
            found = first(plain);
        if (found < 0 && preferVerb)
            found = first(plain);
        if (found >= 0)
            return found;
        if (!anyClass)
            return -1;
    }
    std::uint32_t mask = KlasaBit(wordClass);
    if (wordClass == kwPrzymiotnik)
        mask |= KlasaBit(kwLiczebnik);
    return first([&](const TTransSlownikPodrekord& record) {
        const int recordClass = WordClassOfCode(record.Code, jezPolski);
        return (recordClass >= 0 && recordClass < 32 && (mask & KlasaBit(recordClass))) ||
               (wordClass == kwPrzymiotnik && record.Code == "96");
    });
}

// ---------------------------------------------------------------- the French word

namespace {

const TTransSlownikZnaczenie* FirstMeaningOf(const TTransSlownikPodrekord* record)
{
    return record != nullptr ? record->Meanings.Item(0) : nullptr;
}

// The meaning the French word of a word comes from: the first one of a sub-record the
// word's language accepts, outside the user's readings; else the first of any
// reading's first sub-record.
const TTransSlownikZnaczenie* FrenchMeaningOf(TCustomWypSlowo& word)
{
    for (int r = 0; r < word.Readings.Count(); ++r) {
        const TZnaczenie& reading = *word.Readings.Item(r);
        if (reading.DictKind == kRodzajUzytkownika)
            continue;
        const int sub = word.SelectSubRecord(reading, false, false);
        if (const TTransSlownikZnaczenie* meaning = FirstMeaningOf(reading.Entry->SubRecords.Item(sub)))
            return meaning;
    }
    for (int r = 0; r < word.Readings.Count(); ++r)
        if (const TTransSlownikZnaczenie* meaning = FirstMeaningOf(word.Readings.Item(r)->Entry->SubRecords.Item(0)))
            return meaning;
    return nullptr;
}

} // namespace

std::string TWypowiedzeniePl::FrenchWord(int i)
{
    TCustomWypSlowo& word = Words().Word(i);
    if (!InRange(i) || !word.Translate)
        return {};
    if (!word.ReadingCommitted)
        return word.Text;
    if (!word.FixedTarget.empty())
        return word.FixedTarget;
    const TTransSlownikZnaczenie* meaning = FrenchMeaningOf(word);
    return meaning != nullptr && meaning->AlternativeCount() > 0 ? meaning->WordsText() : word.Text;
}

std::string TWypowiedzeniePl::FrenchCode(int i)
{
    TCustomWypSlowo& word = Words().Word(i);
    if (!InRange(i) || !word.Translate || !word.ReadingCommitted || !word.FixedTarget.empty())
        return {};
    const TTransSlownikZnaczenie* meaning = FrenchMeaningOf(word);
    for (int k = meaning != nullptr ? meaning->AlternativeCount() - 1 : -1; k >= 0; --k)
        if (const std::string code = meaning->WordCode(k); !code.empty())
            return code;
    return {};
}

// ---------------------------------------------------------------- translations

void TWypowiedzeniePl::CollectAll()
{
    if (OneOf(Words().Context().Settings.TranslationMode, {13, 15, 16}))
        return;
    MoveSentenceCapital();
    TCustomWypSlowa& words = Words();
    for (int i = 0; i < words.Count(); ++i)
        if (words.Word(i).Choosable)
            words.Word(i).Transfer();
    if (Owner()->StopRequested())
        return;
    // Heads first: the words of a group may take their form from the head's translation.
    for (const bool heads : {true, false})
        for (int i = 0; i < words.Count(); ++i)
            if (words.Word(i).Choosable && HasMarker(i, znGlowaGrupy) == heads)
                words.Word(i).CollectTranslations();
}

// ---------------------------------------------------------------- the French surface

void TWypowiedzeniePl::Transfer()
{
    TCustomWypowiedzenie::Transfer();
    if (Words().Context().TargetLanguage != jezFrancuski || Owner()->StopRequested())
        return;
    ContractionsFr();
    ElisionFr();
    PreVowelAdjectivesFr();
    ImperativeHyphens();
}

// "Donne- moi": the hyphen the pronoun put on its imperative joins the two.
void TWypowiedzeniePl::ImperativeHyphens()
{
    TCustomWypSlowa& words = Words();
    for (int i = 0; i + 1 < words.Count(); ++i)
        if (EndsWith(words.Word(i).TargetText, "-") && IsPlainSpace(words.Around(i).Po + words.Around(i + 1).Przed)) {
            words.Around(i).Po.clear();
            words.Around(i + 1).Przed.clear();
        }
}

namespace {

// Word i's rendering with its first word taken away (and the space after it).
void DropFirstWord(std::string& rendering)
{
    const std::string trimmed = Trim(rendering);
    const std::size_t space = trimmed.find(' ');
    rendering = space == std::string::npos ? std::string() : Trim(std::string_view(trimmed).substr(space + 1));
}

} // namespace

void TWypowiedzeniePl::ContractionsFr()
{
    TCustomWypSlowa& words = Words();
    for (int i = 0; i < words.Count(); ++i) {
        std::string& rendering = words.Word(i).TargetText;
        const int pattern = CasePatternOf(words.Word(i));
        for (std::string before; before != rendering;) {
            before = rendering;
            std::string next = InRange(i + 1) ? LowerStr(Trim(words.Word(i + 1).TargetText)) : std::string();
            // "Myślę, że": French puts no comma before "que".
            if (rendering == "," && (next == "que" || next == "qu'")) {
                rendering.clear();
                break;
            }
            if (const std::string_view value = ContractionOf(rendering); !value.empty()) {
                rendering = ApplyCasePattern(value, pattern);
                continue;
            }
            for (const auto& [key, value] : kContractions)
                if (StartsWith(LowerStr(rendering), std::string(key) + " ")) {
                    rendering = ApplyCasePattern(value, pattern) + rendering.substr(key.size());
                    break;
                }
            if (rendering != before || !InRange(i + 1))
                continue;
            // "de" before a lone object pronoun is the infinitive's: "de le faire" stays.
            TCustomWypSlowo& following = words.Word(i + 1);
            if (Word(i + 1).PronounRole != 0 && next.find(' ') == std::string::npos)
                continue;
            const std::string_view value = ContractionOf(LastWordOf(rendering) + " " + FirstWordOf(next));
            if (value.empty() || !IsPlainSpace(words.Around(i).Po + words.Around(i + 1).Przed))
                continue;
            const std::size_t space = Trim(rendering).rfind(' ');
            rendering = space == std::string::npos ? std::string() : Trim(rendering).substr(0, space + 1);
            rendering += ApplyCasePattern(value, pattern);
            DropFirstWord(following.TargetText);
        }
    }
}

void TWypowiedzeniePl::ElisionFr()
{
    TCustomWypSlowa& words = Words();
    for (int i = 0; i < words.Count(); ++i) {
        std::string& rendering = words.Word(i).TargetText;
        int next = i + 1;
        while (InRange(next) && Trim(words.Word(next).TargetText).empty())
            ++next;
        std::string between;
        for (int k = i; k < next && InRange(next); ++k)
            between += words.Around(k).Po + words.Around(k + 1).Przed;
        // Elision across words only where plain spaces part them: never across a comma.
        const std::string nextWord =
            InRange(next) && IsPlainSpace(between) ? FirstWordOf(words.Word(next).TargetText) : std::string();
        const std::string nextWordLower = LowerStr(nextWord);
        for (const auto& [key, elided] : kElisions) {
            for (std::size_t at = 0; (at = LowerStr(rendering).find(key, at)) != std::string::npos; ++at) {
                if (!StandsAlone(rendering, at, key.size()))
                    continue;
                const std::size_t end = at + key.size();
                const bool endsRendering = Trim(std::string_view(rendering).substr(end)).empty();
                const std::string after = endsRendering ? nextWordLower : LowerStr(FirstWordOf(rendering.substr(end)));
                if (!ElisionAllowed(after))
                    continue;
                std::string value(elided);
                // "ce" is "c'" before "être" ("c'est") and "cet" only before a noun or an
                // adjective ("cet arbre").
                if (key == "ce" && InTagList(after, kEtreForms))
                    value = "c'";
                else if (key == "ce" && endsRendering &&
                         !ClassIn(next, KlasaBit(kwRzeczownik) | KlasaBit(kwPrzymiotnik)))
                    continue;
                value = at == 0 ? ApplyCasePattern(value, CasePatternOf(words.Word(i))) : value;
                std::size_t resume = end;
                while (resume < rendering.size() && rendering[resume] == ' ')
                    ++resume;
                rendering = rendering.substr(0, at) + value + rendering.substr(resume);
                if (endsRendering)
                    for (int k = i; k < next; ++k)
                        words.Around(k).Po.clear(), words.Around(k + 1).Przed.clear();
                at += value.size() - 1;
            }
        }
        // "si il" is "s'il".
        if (LowerStr(LastWordOf(rendering)) == "si" && InTagList(nextWordLower, "<il><ils>") &&
            EndsWith(rendering, LastWordOf(rendering))) {
            rendering = rendering.substr(0, rendering.size() - 1) + "'";
            for (int k = i; k < next; ++k)
                words.Around(k).Po.clear(), words.Around(k + 1).Przed.clear();
        }
    }
}

void TWypowiedzeniePl::PreVowelAdjectivesFr()
{
    TCustomWypSlowa& words = Words();
    for (int i = 0; i + 1 < words.Count(); ++i) {
        if (!InNominalGroup(i) || NumberOf(*words.Word(i).Group()) != 1 || !ClassIs(i, kwPrzymiotnik) ||
            !ClassIs(i + 1, kwRzeczownik))
            continue;
        std::string& rendering = words.Word(i).TargetText;
        if (!ElisionAllowed(FirstWordOf(words.Word(i + 1).TargetText)))
            continue;
        for (const TPrzedSamogloska& forms : kPreVowelAdjectives) {
            const std::string lower = LowerStr(rendering);
            const bool whole = lower == forms.Masculine;
            if (!whole && !EndsWith(lower, " " + std::string(forms.Masculine)))
                continue;
            const std::string_view replacement = words.Word(i).Group()->genus == 2 ? forms.Feminine : forms.BeforeVowel;
            const std::size_t at = rendering.size() - forms.Masculine.size();
            rendering = rendering.substr(0, at) + (at == 0 ? ApplyCasePattern(replacement, CasePatternOf(words.Word(i)))
                                                           : std::string(replacement));
            break;
        }
    }
}

// ---------------------------------------------------------------- subject memory

void TWypowiedzeniePl::Finish()
{
    TCustomWypSlowa& words = Words();
    for (int g = 0; g < words.GroupCount(); ++g) {
        const TCustomWypGrupa& group = words.Group(g);
        if (!OneOf(group.Kind(), {6, 31, 34, 35}) || group.First < 0 || TextIn(group.First, "<ja><ty><Ty><my><wy><Wy>"))
            continue;
        const int number = group.ResolvedCase == "A" ? 2 : group.ResolvedCase == "1" ? 1 : group.num;
        int lastNoun = -1;
        for (int k = group.First; k <= group.Last; ++k)
            if (ClassIs(k, kwRzeczownik))
                lastNoun = k;
        const bool quality = group.rdz == 3 && lastNoun >= 0 && EndsWith(words.Word(lastNoun).Lemma, FromUtf8("ść"));
        Owner()->Subjects().Add(group.rdz, number, quality);
    }
    if (Owner()->StopRequested())
        return;
    TCustomWypowiedzenie::Finish();
}

} // namespace velmar
