#include "core/document/untTekstFormatowany.h"

namespace velmar {

std::u16string TAkapit::Tekst() const
{
    std::u16string text;
    for (const auto& run : Fragmenty)
        text += run.Tekst;
    return text;
}

void TAkapit::Dopisz(std::u16string_view text, const TAtrybutyTekstu& attributes)
{
    if (text.empty())
        return;
    if (!Fragmenty.empty() && Fragmenty.back().Atrybuty == attributes)
        Fragmenty.back().Tekst += text;
    else
        Fragmenty.push_back({std::u16string(text), attributes});
}

std::u16string TTekstFormatowany::Tekst() const
{
    std::u16string text;
    for (std::size_t i = 0; i < Akapity.size(); ++i) {
        if (i > 0)
            text += u'\n';
        text += Akapity[i].Tekst();
    }
    return text;
}

void TTekstFormatowany::Normalizuj()
{
    for (auto& paragraph : Akapity) {
        std::vector<TFragment> runs;
        runs.swap(paragraph.Fragmenty);
        for (const auto& run : runs)
            paragraph.Dopisz(run.Tekst, run.Atrybuty);
    }
}

} // namespace velmar
