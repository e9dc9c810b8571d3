// The Polish base-form finder: the ending, prefix, comparative, adverb and possessive
// rules that lead an unlisted word to a form the dictionary of inflected forms lists.
#include <array>
#include <optional>
#include <utility>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/tools/untFrekwencja.h"

namespace velmar {

namespace {

// An ending with the form code its readings receive.
struct TKoncowkaKodu {
    std::string Ending;
    int NewCode;
};

// A rewritten ending: the ending, its replacement, the form code the candidate's
// readings must have and the one they then receive.
struct TZamiana {
    std::string Ending;
    std::string Replacement;
    int ReadingCode;
    int NewCode;
};

// The rule tables, in the language's bytes, made once from their readable form.
struct TReguly {
    std::vector<std::string> Prefixes;
    std::vector<TKoncowkaKodu> Comparatives;
    std::vector<std::pair<std::string, std::string>> ComparativeStems;
    std::string AdverbRules;
    std::vector<TKoncowkaKodu> Possessives;
    std::vector<TZamiana> Participles;
};

std::vector<TKoncowkaKodu> Endings(std::initializer_list<const char*> endings, int firstCode)
{
    std::vector<TKoncowkaKodu> rows;
    for (const char* ending : endings)
        rows.push_back({FromUtf8(ending), firstCode++});
    return rows;
}

// The participle rules: the declined active and passive participles of the ending
// rules, and the cases of the verbal nouns in "-ie" led back to their "-ia" form.
std::vector<TZamiana> ParticipleRules()
{
    std::vector<TZamiana> rows;
    for (const TRegulaFormy& rule : FormRules(jezPolski)) {
        for (const int participle : {142, 150})
            if (rule.Allowed.count() == 1 && rule.Allowed.test(participle))
                rows.push_back({rule.Affix, rule.Replacement, participle, rule.NewCode});
    }
    const std::pair<const char*, int> nouns[] = {{"ie", 181},  {"iu", 183},   {"iem", 184},
                                                 {"iom", 186}, {"iami", 187}, {"iach", 188}};
    for (const auto& [ending, code] : nouns)
        rows.push_back({ending, "ia", 182, code});
    return rows;
}

TReguly MakeRules()
{
    TReguly rules;
    for (const char* prefix : {"za", "po", "na", "przy", "roz"})
        rules.Prefixes.push_back(prefix);
    rules.Comparatives = Endings({"szy"}, 81);
    rules.Comparatives.push_back({"si", 91});
    for (TKoncowkaKodu& row : Endings({"sza", "sze", "szego", "szej", "szemu", "szą", "szym", "szych", "szymi"}, 82))
        rules.Comparatives.push_back(std::move(row));
    const std::pair<const char*, const char*> stems[] = {{"śniejszy", "sny"}, {"źniejszy", "zny"}, {"niejszy", "ny"},
                                                         {"wiejszy", "wy"},   {"lszy", "ły"},      {"szy", "y"}};
    for (const auto& [stem, replacement] : stems)
        rules.ComparativeStems.emplace_back(FromUtf8(stem), FromUtf8(replacement));
    rules.AdverbRules = FromUtf8("śnie=sny,sznie=szny,cznie=czny,źnie=zny,nie=ny,le=ły,wo=wy,e=y,o=y");
    rules.Possessives = Endings({"owy", "owa", "owe", "owego", "owej", "owemu", "ową", "owym", "owych", "owymi"}, 81);
    rules.Participles = ParticipleRules();
    return rules;
}

const TReguly& Rules()
{
    static const TReguly rules = MakeRules();
    return rules;
}

// word with ending replaced, when word is longer than the ending and ends with it.
std::optional<std::string> Rewritten(std::string_view word, std::string_view ending, std::string_view replacement)
{
    if (word.size() <= ending.size() || !EndsWith(word, ending, false))
        return std::nullopt;
    return DropLast(word, static_cast<int>(ending.size())) + std::string(replacement);
}

const TKodyForm& Adjectives() // positive, comparative and superlative degrees
{
    static const TKodyForm codes = KodyForm({{81, 92}});
    return codes;
}

const TKodyForm& Adverbs()
{
    static const TKodyForm codes = KodyForm({{200, 200}, {kKodPrzyslowka, kKodPrzyslowka}});
    return codes;
}

class TSzukanieBazy {
public:
    TSzukanieBazy(TTransSlownikOdwolan& forms, bool sentenceStart) : forms_(forms), sentenceStart_(sentenceStart) {}

    std::string Find(std::string_view word, bool firstRulesOnly)
    {
        std::string base = ByEndings(word, false);
        if (!base.empty() || firstRulesOnly)
            return base;
        for (const auto& step :
             {&TSzukanieBazy::ByPrefix, &TSzukanieBazy::ByDegree, &TSzukanieBazy::ByAdverb,
              &TSzukanieBazy::ByPossessive, &TSzukanieBazy::BySuperlative, &TSzukanieBazy::ByNegation}) {
            base = (this->*step)(word);
            if (!base.empty())
                return base;
        }
        return {};
    }

private:
    std::string Try(std::string_view candidate, const TKodyForm& codes, int newCode = 0)
    {
        return TryBase(forms_, candidate, codes, newCode, sentenceStart_);
    }

    // The ending rules in order; verbsOnly keeps those of verb forms and participles.
    std::string ByEndings(std::string_view word, bool verbsOnly)
    {
        static const TKodyForm verbs = KodyForm({{100, 149}});
        for (const TRegulaFormy& rule : FormRules(jezPolski)) {
            if (verbsOnly && (rule.Allowed & ~verbs).any())
                continue;
            if (const auto candidate = Rewritten(word, rule.Affix, rule.Replacement)) {
                std::string base = Try(*candidate, rule.Allowed, rule.NewCode);
                if (!base.empty())
                    return base;
            }
        }
        return {};
    }

    // A verb form with a prefix the verb lacks: "za", "po", "na", "przy", "roz".
    std::string ByPrefix(std::string_view word)
    {
        static const TKodyForm verbs = KodyForm({{100, 149}});
        for (const std::string& prefix : Rules().Prefixes) {
            if (word.size() <= prefix.size() || !StartsWith(word, prefix, false))
                continue;
            const std::string_view rest = word.substr(prefix.size());
            std::string base = Try(rest, verbs);
            if (base.empty())
                base = ByEndings(rest, true);
            if (!base.empty())
                return base;
        }
        return {};
    }

    // An adverb in "-ej" ("ładniej", "mądrzej"), or a comparative led to its positive.
    std::string ByDegree(std::string_view word)
    {
        if (word.size() >= 3 && !EndsWith(word, "szej", false) && EndsWith(word, "ej", false)) {
            std::string adverb = DropLast(word, 2) + "e";
            std::string base = Try(adverb, Adverbs());
            if (base.empty() && ReplaceEnding(adverb, "nie", "no", false))
                base = Try(adverb, Adverbs());
            return base;
        }
        for (const TKoncowkaKodu& comparative : Rules().Comparatives) {
            const auto positive = Rewritten(word, comparative.Ending, "szy");
            if (!positive)
                continue;
            for (const auto& [stem, replacement] : Rules().ComparativeStems)
                if (auto candidate = Rewritten(*positive, stem, replacement))
                    return Try(*candidate, Adjectives(), comparative.NewCode);
            return {};
        }
        return {};
    }

    // An adverb led to its adjective ("ładnie" → "ładny").
    std::string ByAdverb(std::string_view word)
    {
        std::string adjective;
        if (word.size() <= 2 || !ApplyEndingRules(word, Rules().AdverbRules, adjective, false))
            return {};
        return Try(adjective, Adjectives(), kKodPrzyslowka);
    }

    // A possessive adjective led to the noun it comes from ("ojcowy" → "ojca").
    std::string ByPossessive(std::string_view word)
    {
        static const TKodyForm nounCases = KodyForm({{1, 2}, {15, 16}, {19, 28}});
        static const TKodyForm genitives = KodyForm({{2, 2}, {19, 19}});
        for (const TKoncowkaKodu& possessive : Rules().Possessives) {
            auto noun = Rewritten(word, possessive.Ending, "a");
            if (!noun)
                continue;
            std::string base = Try(*noun, nounCases, possessive.NewCode);
            if (base.empty()) {
                noun->back() = 'u';
                base = Try(*noun, genitives);
            }
            if (!base.empty())
                return base;
        }
        return {};
    }

    std::string BySuperlative(std::string_view word)
    {
        static const TKodyForm degrees = Adjectives() | Adverbs();
        if (word.size() <= 3 || !StartsWith(word, "naj", false))
            return {};
        const std::string base = Find(word.substr(3), false);
        return base.empty() ? base : Try(base, degrees);
    }

    std::string ByNegation(std::string_view word)
    {
        if (word.size() <= 3 || !StartsWith(word, "nie", false))
            return {};
        return Find(word.substr(3), false);
    }

    TTransSlownikOdwolan& forms_;
    bool sentenceStart_;
};

} // namespace

std::string TryBase(TTransSlownikOdwolan& forms, std::string_view candidate, const TKodyForm& codes, int newCode,
                    bool sentenceStart)
{
    TZnajdzOpcje options = InitOptions(candidate, sentenceStart);
    if (!forms.FilterForms(options, codes, false, newCode))
        return {};
    return forms.Readings().Item(0).Base;
}

std::string FindBasePl(TTransSlownikOdwolan& forms, std::string_view word, bool firstRulesOnly, bool sentenceStart)
{
    return TSzukanieBazy(forms, sentenceStart).Find(word, firstRulesOnly);
}

bool ReduceParticiplePl(TTransSlownikOdwolan& forms, std::string_view word, TOdwolania& readings)
{
    readings.Clear();
    for (const TZamiana& rule : Rules().Participles) {
        const auto candidate = Rewritten(word, rule.Ending, rule.Replacement);
        if (!candidate)
            continue;
        int index = -1;
        if (forms.FindFormsSimple(*candidate, index))
            for (TOdwolanie reading : forms.Readings())
                if (reading.FormCode == rule.ReadingCode) {
                    reading.FormCode = static_cast<std::uint8_t>(rule.NewCode);
                    reading.Form = std::string(word);
                    readings.Add(std::move(reading));
                }
        return !readings.Empty();
    }
    return false;
}

} // namespace velmar
