#include "core/generators/untGenPLZaimek.h"

#include <utility>
#include <vector>

#include "core/app/untUtils.h"
#include "core/generators/untGenPLPrzymiotnik.h"

namespace velmar {

namespace {

// One pronoun per row: the lemma, then the seven cases separated by "|"; a case is
// "main/stressed/after a preposition", shorter when the later forms are empty. The
// main form is the unstressed one where the language has it: "widzę cię", "daj mi",
// "dla ciebie".
constexpr const char* kPronounRows[] = {
    "ja|ja|mnie|mi/mnie/mnie|mnie/mię|mną|mnie|",
    "ty|ty|cię/ciebie/ciebie|ci/tobie/tobie|cię/ciebie/ciebie|tobą|tobie|",
    "my|my|nas|nam|nas|nami|nas|",
    "wy|wy|was|wam|was|wami|was|",
    "się||siebie|sobie|się//siebie|sobą|sobie|",
    "on|on//on|go/jego/niego|mu/jemu/niemu|go/jego/niego|nim//nim|nim//nim|",
    "ona|ona//ona|jej//niej|jej//niej|ją//nią|nią//nią|niej//niej|",
    "ono|ono//ono|go/jego/niego|mu/jemu/niemu|je//nie|nim//nim|nim//nim|",
    "oni|oni//oni|ich//nich|im//nim|ich//nich|nimi//nimi|nich//nich|",
    "one|one//one|ich//nich|im//nim|je//nie|nimi//nimi|nich//nich|",
    "kto|kto|kogo|komu|kogo|kim|kim|kto",
    "nikt|nikt|nikogo|nikomu|nikogo|nikim|nikim|nikt",
    "co|co|czego|czemu|co|czym|czym|co",
    "nic|nic|niczego|niczemu|nic|niczym|niczym|nic",
    "któż|któż|kogóż|komuż|kogóż|kimże|kimże|któż",
    "cóż|cóż|czegóż|czemuż|cóż|czymże|czymże|cóż",
    "wszystko|wszystko|wszystkiego|wszystkiemu|wszystko|wszystkim|wszystkim|wszystko",
    "to|to|tego|temu|to|tym|tym|to",
};

std::vector<std::string> Split(std::string_view text, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.emplace_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

TFormyZaimka ParseCase(const std::string& cell)
{
    const std::vector<std::string> forms = Split(cell, '/');
    TFormyZaimka result;
    result.Main = forms[0];
    if (forms.size() > 1)
        result.Stressed = forms[1];
    if (forms.size() > 2)
        result.AfterPreposition = forms[2];
    return result;
}

// The fixed tables, keyed by their 8-bit lemma.
const std::vector<std::pair<std::string, TPronounParadigmPl>>& PronounTables()
{
    static const auto tables = [] {
        std::vector<std::pair<std::string, TPronounParadigmPl>> result;
        for (const char* row : kPronounRows) {
            const std::vector<std::string> fields = Split(FromUtf8(row), '|');
            TPronounParadigmPl paradigm;
            for (std::size_t c = 0; c < paradigm.size(); ++c)
                paradigm[c] = ParseCase(fields[c + 1]);
            result.emplace_back(fields[0], paradigm);
        }
        return result;
    }();
    return tables;
}

void AppendParticle(TPronounParadigmPl& paradigm, const std::string& particle)
{
    for (TFormyZaimka& forms : paradigm)
        for (std::string* form : {&forms.Main, &forms.Stressed, &forms.AfterPreposition})
            if (!form->empty())
                *form = WithParticle(*form, particle);
}

} // namespace

TPronounParadigmPl BuildPronounParadigmPl(std::string_view lemma)
{
    std::string word = Trim(lemma);
    static const std::string keepsParticle = FromUtf8("<któż><cóż>");
    const std::string particle = InTagList(word, keepsParticle) ? std::string() : SetParticleAside(word);
    TPronounParadigmPl paradigm;
    paradigm[0].Main = word;
    for (const auto& [tableLemma, table] : PronounTables())
        if (tableLemma == word)
            paradigm = table;
    if (!particle.empty())
        AppendParticle(paradigm, particle);
    return paradigm;
}

std::string GenPronounPl(std::string_view lemma, std::string_view /*code*/, int grammaticalCase, bool afterPreposition)
{
    const int caseIndex = grammaticalCase >= 1 && grammaticalCase <= 7 ? grammaticalCase - 1 : 0;
    const TFormyZaimka forms = BuildPronounParadigmPl(lemma)[static_cast<std::size_t>(caseIndex)];
    if (afterPreposition && !forms.AfterPreposition.empty())
        return forms.AfterPreposition;
    return forms.Main;
}

} // namespace velmar
