#include "core/app/untBladPliku.h"

#include "core/app/untPytanie.h"
#include "core/app/untTransTeksty.h"

namespace velmar {

std::string DescribeInEnglish(const TBladPliku& failure)
{
    const std::string file = failure.Plik.string();
    switch (failure.Rodzaj) {
    case TRodzajBleduPliku::Odczyt: return "cannot read " + file;
    case TRodzajBleduPliku::Zapis: return "cannot write " + file + "; the previous file is kept";
    case TRodzajBleduPliku::Usuniecie: return "cannot remove " + file;
    case TRodzajBleduPliku::NieNadpisany: return file + " could not be read, so it is not written over";
    }
    return file;
}

namespace {

int TextIdOf(TRodzajBleduPliku kind)
{
    switch (kind) {
    case TRodzajBleduPliku::Odczyt: return tekst::NieMoznaOdczytac;
    case TRodzajBleduPliku::Zapis: return tekst::NieMoznaZapisac;
    case TRodzajBleduPliku::Usuniecie: return tekst::NieMoznaUsunac;
    case TRodzajBleduPliku::NieNadpisany: return tekst::NieNadpisano;
    }
    return tekst::NieMoznaOdczytac;
}

} // namespace

TWide FileFailuresMessage(std::uint8_t interfaceLanguage, int headingTextId, const TBledyPlikow& failures)
{
    TWide message = InterfaceTextWide(interfaceLanguage, headingTextId) + u":";
    for (const TBladPliku& failure : failures)
        message += u"\n" + Utf8ToWide(failure.Plik.string()) + u" — " +
                   InterfaceTextWide(interfaceLanguage, TextIdOf(failure.Rodzaj));
    return message;
}

void ReportFileFailures(std::uint8_t interfaceLanguage, int headingTextId, const TBledyPlikow& failures)
{
    if (!failures.empty())
        Pytanie().Zapytaj(FileFailuresMessage(interfaceLanguage, headingTextId, failures), TPrzyciski::OK);
}

} // namespace velmar
