// Dictionary search: the binary search under the dictionary collation with its relaxed
// stages, prefix searches, the filtered view, and the forms search with its rules.
#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/app/untUtils.h"
#include "core/dictionaries/untDictCompare.h"
#include "core/dictionaries/untTransSlownikiTypy.h"

namespace velmar {

namespace {

// "÷" separates a headword from a group label ("pies÷2").
constexpr char kGroupMark = '\xF7';

// Relaxed stages of Find, tried in this order when the plain search misses.
struct TEtap {
    bool AccentPass;
    int Stage; // 1: accents only, 2: first letter lower-cased, 3: any case
};
constexpr TEtap kStages[] = {{false, 2}, {false, 3}, {true, 1}, {true, 2}, {true, 3}};

bool StageAllowed(const TEtap& stage, const TZnajdzOpcje& options)
{
    if (stage.AccentPass && !options.AnyAccentOption())
        return false;
    switch (stage.Stage) {
    case 2: return options.FirstLower || options.FirstLowered || options.AnyCase;
    case 3: return options.AnyCase != 0;
    default: return true;
    }
}

int StageFlags(const TEtap& stage, const TZnajdzOpcje& options)
{
    const int caseFlags = stage.Stage == 2 ? fpPierwszaMala : (stage.Stage == 3 ? fpDowolnaWielkosc : 0);
    return caseFlags | (stage.AccentPass ? options.AccentFlags() : 0);
}

// Whether the pattern (with "?" for any byte) matches s at pos.
bool PatternMatchesAt(std::string_view pattern, std::string_view s, std::size_t pos)
{
    if (pos + pattern.size() > s.size())
        return false;
    for (std::size_t i = 0; i < pattern.size(); ++i)
        if (pattern[i] != '?' && pattern[i] != s[pos + i])
            return false;
    return true;
}

bool EndsWord(std::string_view s, std::size_t end)
{
    return end == s.size() || s[end] == ' ';
}

// The filter test of one key (both already lower-cased unless the case matters).
bool KeyMatchesFilter(std::string_view key, std::string_view pattern, bool wholeWords)
{
    if (pattern.find('?') == std::string_view::npos) {
        const std::size_t at = key.find(pattern);
        if (at == std::string_view::npos)
            return false;
        return !wholeWords || ((at == 0 || key[at - 1] == ' ') && EndsWord(key, at + pattern.size()));
    }
    if (wholeWords)
        return PatternMatchesAt(pattern, key, 0) && EndsWord(key, pattern.size());
    for (std::size_t pos = 0; pos + pattern.size() <= key.size(); ++pos)
        if (PatternMatchesAt(pattern, key, pos))
            return true;
    return false;
}

// One search of word with fresh options; index gets the line the search reports.
template <typename Search>
bool SearchWithPlainOptions(std::string_view word, int& index, Search search)
{
    TZnajdzOpcje options = InitOptions(word);
    const bool found = search(options);
    index = options.Index;
    return found;
}

// ---------------------------------------------------------------- the binary search

// The search as a walk over one dictionary: the plain binary search, then the relaxed
// stages at the line where it ended.
class TSzukanie {
public:
    TSzukanie(TTransSlownik& dictionary, TZnajdzOpcje& options, std::string key)
        : d_(dictionary), options_(options), key_(std::move(key)), keyPrefix_(CollationPrefix(key_, d_.SourceLang)),
          prefixes_(d_.KeyPrefixes())
    {
    }

    bool Run()
    {
        int low = 0;
        int high = d_.Count() - 1;
        for (;;) {
            d_.Current = (low + high) / 2;
            // The prefixes decide most steps without reading the line.
            int order = ComparePrefixes(keyPrefix_, prefixes_->At(d_.Current));
            std::string probe;
            if (order == 0) {
                probe = d_.GetKey(d_.Current);
                order = DictCompare(key_, probe, d_.SourceLang, 0);
            }
            if (order == 0)
                return probe == key_ || SettleInRun(0);
            if (low == high && RelaxedStages())
                return true;
            if (low >= high) {
                d_.Current = low;
                return false;
            }
            if (order < 0)
                high = d_.Current;
            else
                low = d_.Current + 1;
        }
    }

private:
    int Compare(int index, int flags) const { return DictCompare(key_, d_.GetKey(index), d_.SourceLang, flags); }

    // The collation may call different keys equal (œ and oe, or any two keys under a
    // relaxation). Among the lines equal to the key at Current, settle on the one that
    // is the key itself, else on one equal to it under the relaxation flags alone.
    bool SettleInRun(int flags)
    {
        int first = d_.Current;
        while (first > 0 && Compare(first - 1, flags) == 0)
            --first;
        int last = d_.Current;
        while (last + 1 < d_.Count() && Compare(last + 1, flags) == 0)
            ++last;
        for (const int allowed : {0, flags}) {
            for (int i = first; i <= last; ++i) {
                if (EqualUnderFlags(key_, d_.GetKey(i), d_.SourceLang, allowed)) {
                    d_.Current = i;
                    return true;
                }
            }
            if (flags == 0)
                break;
        }
        return false;
    }

    bool RelaxedStages()
    {
        for (const TEtap& stage : kStages) {
            if (!StageAllowed(stage, options_))
                continue;
            const int flags = StageFlags(stage, options_);
            if (WalkToEqual(flags) && SettleInRun(flags)) {
                options_.Word = d_.GetKey(d_.Current);
                options_.FirstLowered = (stage.Stage == 2 && !options_.FirstLower) ? 1 : 0;
                options_.AnyCase = stage.Stage == 3 ? 1 : 0;
                return true;
            }
        }
        return false;
    }

    // Moves Current towards the key under the relaxed comparison while the lines on the
    // way are no further from it; true when it reaches an equal key.
    bool WalkToEqual(int flags)
    {
        int order = Compare(d_.Current, flags);
        while (order < 0 && d_.Current > 0) {
            const int before = Compare(d_.Current - 1, flags);
            if (before > 0)
                break;
            --d_.Current;
            order = before;
        }
        while (order > 0 && d_.Current + 1 < d_.Count()) {
            const int after = Compare(d_.Current + 1, flags);
            if (after < 0)
                break;
            ++d_.Current;
            order = after;
        }
        return order == 0;
    }

    TTransSlownik& d_;
    TZnajdzOpcje& options_;
    std::string key_;
    std::uint64_t keyPrefix_;
    std::shared_ptr<const TPrefiksyKluczy> prefixes_;
};

} // namespace

bool TTransSlownik::Find(TZnajdzOpcje& options)
{
    const TPrzypiecie pin(*this);
    options.Index = 0;
    const std::size_t mark = options.Word.find(kGroupMark);
    std::string key = options.Word.substr(0, mark);
    if (Count() == 0 || key.empty())
        return false;
    const bool found = TSzukanie(*this, options, std::move(key)).Run();
    if (found)
        options.Group = mark == std::string::npos ? std::string() : options.Word.substr(mark + 1);
    options.Index = Current;
    return found;
}

bool TTransSlownik::FindExact(std::string_view word, int& index)
{
    return SearchWithPlainOptions(word, index, [this](TZnajdzOpcje& options) { return Find(options); });
}

int TTransSlownik::Locate(std::string_view word)
{
    const TPrzypiecie pin(*this);
    if (Count() == 0)
        return -1;
    // The letter bar's "A" shows the first line even when it sorts before "a".
    if (word == "a" || word == "A")
        return 0;
    int index = 0;
    FindExact(word, index);
    return index;
}

bool TTransSlownik::PrefixFrom(const TZnajdzOpcje& options, int& index)
{
    const TPrzypiecie pin(*this);
    if (index < 0 || index >= Count()) {
        index = -1;
        return false;
    }
    const int flags = options.RelaxedFlags();
    std::string key = GetKey(index);
    while (DictCompare(options.Word, key, SourceLang, flags) > 0) {
        if (++index == Count()) {
            index = -1;
            return false;
        }
        key = GetKey(index);
    }
    if (key == options.Word)
        return true;
    const std::string_view start = std::string_view(key).substr(0, options.Word.size());
    if (!EqualUnderFlags(options.Word, start, SourceLang, flags)) {
        // "l'" or "«mai" still lead to "l" and "maison".
        const std::string trimmed = TrimNonMembers(options.Word, SourceLang);
        if (trimmed.empty() || trimmed == options.Word || !StartsWith(key, trimmed))
            index = -1;
    }
    return false;
}

bool TTransSlownik::FindOrPrefix(TZnajdzOpcje& options, int& index)
{
    const TPrzypiecie pin(*this);
    index = -1;
    if (Count() == 0)
        return false;
    if (Find(options)) {
        index = options.Index;
        return true;
    }
    index = options.Index > 0 ? options.Index - 1 : options.Index;
    PrefixFrom(options, index);
    return false;
}

// ---------------------------------------------------------------- the filtered view

int TTransSlownik::FilterBy(std::string_view pattern, bool wholeWords, bool matchCase)
{
    SetFilter(false);
    const TPrzypiecie pin(*this);
    const std::string wanted = matchCase ? std::string(pattern) : LowerStr(pattern);
    std::vector<std::string> matching;
    const int count = Count();
    for (int i = 0; i < count; ++i) {
        const std::string key = matchCase ? GetKey(i) : LowerStr(GetKey(i));
        if (KeyMatchesFilter(key, wanted, wholeWords))
            matching.push_back(pin.Version().Line(i));
    }
    FilterLines.Assign(std::move(matching));
    return FilterLines.Count();
}

int TTransSlownik::FilterByWide(std::u16string_view pattern, bool wholeWords, bool matchCase)
{
    return FilterBy(FromWide(pattern), wholeWords, matchCase);
}

void TTransSlownik::TrimFilter(int count)
{
    FilterLines.Truncate(FilterLines.Count() - std::max(count, 0));
    CachedIndex = -1;
    Repin();
}

void TTransSlownik::SetFilter(bool on)
{
    // Switching to the state the view is in changes nothing: a second "on" must not
    // take the filtered lines for the real ones.
    if (on == FilterActive)
        return;
    if (on) {
        SavedLines = Lines;
        Lines = &FilterLines;
    } else {
        Lines = SavedLines;
        SavedLines = nullptr;
    }
    FilterActive = on;
    CachedIndex = -1;
    Repin();
}

// ---------------------------------------------------------------- the forms search

bool TTransSlownikOdwolan::FindForms(TZnajdzOpcje& options)
{
    const TPrzypiecie pin(*this);
    readings_.Clear();
    if (Find(options)) {
        CollectReadings();
        return true;
    }
    if (!options.TryForms)
        return false;
    const int current = Current;
    const std::string word = options.Word;
    if (TryRules(options)) {
        options.Word = word;
        options.InputWord = word;
        return true;
    }
    Current = current;
    options.Word = word;
    return false;
}

void TTransSlownikOdwolan::CollectReadings()
{
    const std::string key = GetKey(Current);
    while (Current > 0 && GetKey(Current - 1) == key)
        --Current;
    for (int i = Current; i < Count(); ++i) {
        TOdwolanie reading = ParseFormLine(DecodedLine(i), SourceLang);
        if (reading.Form != key)
            break;
        readings_.Add(std::move(reading));
    }
    if (readings_.Count() > 1)
        readings_.Order(SourceLang);
}

bool TTransSlownikOdwolan::TryRules(TZnajdzOpcje& options)
{
    const std::string word = options.Word;
    for (const TRegulaFormy& rule : FormRules(SourceLang)) {
        const std::optional<std::string> candidate = rule.Candidate(word);
        if (!candidate || candidate->empty())
            continue;
        TZnajdzOpcje attempt = options;
        attempt.Word = *candidate;
        attempt.TryForms = 0;
        attempt.ForceSplit = 0;
        if (FindForms(attempt) && FilterForms(attempt, rule.Allowed, true, rule.NewCode)) {
            options = std::move(attempt);
            options.BeforeRule = word;
            rule.Report(options);
            return true;
        }
    }
    readings_.Clear();
    return false;
}

bool TTransSlownikOdwolan::FindFormsSimple(std::string_view word, int& index)
{
    return SearchWithPlainOptions(word, index, [this](TZnajdzOpcje& options) { return FindForms(options); });
}

bool TTransSlownikOdwolan::FilterForms(TZnajdzOpcje& options, const TKodyForm& codes, bool skipSearch, int newCode)
{
    if (!skipSearch && !FindForms(options))
        return false;
    return readings_.Keep(codes, newCode);
}

} // namespace velmar
