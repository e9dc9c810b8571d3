#include "core/engine/untOpcjeTlumaczenia.h"

#include "core/app/untUstawienia.h"
#include "core/engine/untTransWypSkladanie.h"

namespace velmar {

namespace {

TStylZaznaczenia StyleOf(const TCzcionka& font)
{
    // The settings hold colours as 0x00BBGGRR, the documents as 0x00RRGGBB.
    const std::uint32_t bgr = font.Colour;
    const auto rgb = static_cast<std::int32_t>(((bgr & 0xFFu) << 16) | (bgr & 0xFF00u) | ((bgr >> 16) & 0xFFu));
    return {(font.Style & fsBold) != 0, (font.Style & fsItalic) != 0, (font.Style & fsUnderline) != 0,
            (font.Style & fsStrikeOut) != 0, rgb};
}

} // namespace

bool TStylZaznaczenia::MatchesStyleOf(const TAtrybutyTekstu& a) const
{
    return a.Pogrubienie == Bold && a.Kursywa == Italic && a.Podkreslenie == Underline &&
           a.Przekreslenie == StrikeOut && a.Kolor == Colour;
}

void TStylZaznaczenia::ApplyTo(TAtrybutyTekstu& a) const
{
    a.Pogrubienie = Bold;
    a.Kursywa = Italic;
    a.Podkreslenie = Underline;
    a.Przekreslenie = StrikeOut;
    a.Kolor = Colour;
}

TOpcjeTlumaczenia TOpcjeTlumaczenia::FromSettings(const TTransUstawienia& s)
{
    TOpcjeTlumaczenia o;
    o.TranslationMode = s.TrybPracy;
    o.CopySource = s.KopiujTekstZrodlowy;
    o.SeparateFormat = s.OdrebnyFormat;
    o.MarkUnknown = s.ZaznaczNieznane;
    o.MarkUntranslated = s.ZaznaczNieprzetlumaczone;
    o.MarkAmbiguous = s.ZaznaczWieloznaczne;
    o.UnknownStyle = StyleOf(s.NieznaneCzcionka);
    o.UntranslatedStyle = StyleOf(s.NieprzetlumaczoneCzcionka);
    o.AmbiguousStyle = StyleOf(s.WieloznaczneCzcionka);
    o.FollowWords = s.UzywajAutokorekty && !s.SzybkieTlumaczenie;
    o.ArchiveTranslations = s.TlumaczenieDoArchiwum;
    o.Segmentation.UseArchive = s.UzywajArchiwum;
    o.Segmentation.ArchivePercent = s.ArchiwumProcent;
    o.Assembly = AssemblyOptionsOf(s);
    o.Analysis.FrTellAFromAccentedA = s.BezAkcentow && s.FrWlaczRozroznianieA;
    o.Analysis.FoldFirstCapital = s.TlumaczZWielkiej;
    o.Analysis.FoldAnyCase = s.TlumaczWielkimi;
    o.Analysis.FrOnAsWe = s.FrTlumaczOnJakoMy;
    o.Analysis.FrVous = s.FrZaimekVous >= 0 && s.FrZaimekVous <= 6 ? s.FrZaimekVous : 0;
    o.Analysis.FrDropSubjectPronouns = s.FrPomijajZaimkiOsobowe;
    o.Analysis.FrTuMasculine = s.FrZaimekTuMeski;
    o.Analysis.FrSubjectMasculine = s.FrPodmiotMeski;
    o.Analysis.FrReorderAdjectives = s.FrZmieniajSzykPrzydawkiPrzym;
    o.Analysis.PlReorder = s.ZmieniajSzykPL;
    o.Analysis.PlPanPaniPolite = s.PanPaniGrzecznosciowe;
    o.Analysis.SecondMeanings = s.DrugieZnaczenie;
    for (const TProfilTekstu& profile : s.Profile.Items)
        if (profile.Wybrany)
            o.Analysis.Subjects |= profile.Zawiera;
    return o;
}

bool IsManualMeaningMode(int mode)
{
    return mode == 3 || mode == 4 || mode == 6 || mode == 7;
}

bool IsInterpretationMode(int mode)
{
    return mode >= 8 && mode <= 12;
}

bool IsTestMode(int mode)
{
    return mode >= 13 && mode <= 16;
}

} // namespace velmar
