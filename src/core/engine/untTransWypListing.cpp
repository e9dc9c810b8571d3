// The analysis listing of an utterance (its Result): the words with their codes,
// features and marker names, bracketed by their groups; and the "[SYNK:" notes of
// the diagnostic mode.
#include <string>

#include "core/app/untUtils.h"
#include "core/engine/untTransWypTypy.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar {

namespace {

struct TNazwaZnacznika {
    int Bit;
    const char* Name;
};

constexpr TNazwaZnacznika kNazwyZnacznikow[] = {
    {18, "DOK"},       {20, "LICZ"},      {23, "DATA"},       {26, "HAV"},     {27, "PERF"}, {28, "CONT"},
    {39, "ZW"},        {41, "T"},         {42, "I"},          {43, "N"},       {44, "R"},    {45, "Sa"},
    {46, "P"},         {48, "SaP"},       {49, "PP"},         {50, "Z"},       {51, "O"},    {52, "LG"},
    {53, "LM"},        {54, "LY"},        {55, "SUBJ"},       {60, "PRZECZ"},  {61, "NIE"},  {64, "ORZ"},
    {92, "HAB"},       {93, "SEI"},       {94, "WER"},        {95, "BZU"},     {98, "NS1"},  {99, "NS2"},
    {102, "PERFOPER"}, {103, "PERFCZAS"}, {104, "PERFMODAL"}, {107, "PRZYSL"}, {109, "115"}, {111, "SUB"},
    {158, "TYT"},      {159, "IMIE"},     {162, "NAZW"},
};

constexpr const char* kEtykietyGrup[] = {
    "(BRAK)", "(PR)", "(ZL)", "(X)",  "(P)",  "(PD)", "(S)",   "(SDz)", "(SE)",  "(SC)",  "(SP)",  "(D)",
    "(DD)",   "(DE)", "(CD)", "(SD)", "(C)",  "(A)",  "(AD)",  "(G)",   "(GD)",  "(M)",   "(GC)",  "(W)",
    "(WC)",   "(WD)", "(E)",  "(Y)",  "(O)",  "(OD)", "(SU)",  "(SVB)", "(DVB)", "(SDU)", "(SH)",  "(SG)",
    "(VB)",   "(DU)", "(DN)", "(I)",  "(GI)", "(AI)", "(AGI)", "(ID)",  "(V)",   "(CCD)", "(CDD)",
};

std::string KindLabel(std::uint8_t kind)
{
    return kind < std::size(kEtykietyGrup) ? kEtykietyGrup[kind] : "";
}

// Markers of the Polish analysis that have no name, shown by number.
constexpr int kNumberedPolishMarkers[] = {58, 59, 63, 65, 67, 70, 71, 72, 76, 83, 84, 86, 87, 144, 148, 168, 179};

std::string MarkerNames(const TCustomWypSlowo& word, bool polish)
{
    std::string names;
    for (const TNazwaZnacznika& marker : kNazwyZnacznikow)
        if (word.HasMarker(marker.Bit))
            names += (names.empty() ? "" : " ") + std::string(marker.Name);
    if (polish)
        for (const int bit : kNumberedPolishMarkers)
            if (word.HasMarker(bit))
                names += (names.empty() ? "" : " ") + std::to_string(bit);
    return names.empty() ? names : "(" + names + ") ";
}

// "role:3,4 " for a group with roles; empty without.
std::string RoleList(const TCustomWypGrupa& group)
{
    std::string roles;
    for (std::size_t role = 0; role < group.Roles.size(); ++role)
        if (group.Roles.test(role))
            roles += (roles.empty() ? "" : ",") + std::to_string(role);
    return roles.empty() ? roles : "role:" + roles + " ";
}

// The two listing formats: a French source (words with verb features, "< … >" for
// verbal groups) and a Polish source (group features, "( … )" for verbal groups).
class TListing {
public:
    TListing(const TCustomWypSlowa& words, bool polishSource) : words_(words), polish_(polishSource) {}

    std::string Word(int i) const
    {
        const TCustomWypSlowo& word = words_.Word(i);
        const TCustomWypGrupa* group = words_.GroupOfWord(i);
        std::string text;
        if (i == 0 || word.HasMarker(znPoczatekZdania))
            text += "  |  ";
        if (group != nullptr && group->First == i)
            text += Opening(*group);
        text += Format("%s [%d] ", word.Text, word.Code);
        if (!polish_ && word.WordClass == kwCzasownik)
            text += Format("(pn:%d,vt:%d,va:%d,vox:%d,N:%d,inf:%d) ", word.pn, word.vt, word.va, word.vox, word.N,
                           word.inf);
        if (polish_ && word.st >= 0)
            text += Format("st: %d ", word.st);
        if (polish_ && !word.CaseCodes.empty())
            text += "cc:" + word.CaseCodes + " ";
        if (polish_ && word.PronounRole > 0)
            text += Format("zr:%d ", word.PronounRole);
        text += MarkerNames(word, polish_);
        if (group != nullptr && group->Last == i)
            text += Closing(*group);
        if (word.Nested)
            for (int u = 0; u < word.Nested->Count(); ++u)
                text += word.Nested->Item(u)->Result;
        return text;
    }

private:
    std::string Opening(const TCustomWypGrupa& group) const
    {
        if (group.Type == tgWerbalna)
            return polish_ ? "( " + Format("(pn:%d,forma:%d,vtdoc:%d) ", group.pn, group.forma, group.vtdoc) +
                                 (group.Person > 0 ? Format("os:%d ", group.Person) : "") + RoleList(group)
                           : "< ";
        if (group.Type != tgNominalna)
            return {};
        const std::string label = "{ " + KindLabel(group.Kind()) + " ";
        if (polish_)
            return label +
                   Format("(rdz:%d,lba:%d,casus:%s,genus:%d,num:%d,cas:%d) ", group.rdz, group.lba, group.CaseCodes,
                          group.genus, group.num, group.cas) +
                   (group.Person > 0 ? Format("os:%d ", group.Person) : "") + RoleList(group);
        return label + Format(group.IsSubject() ? "(rdzpod:%d,lbapod:%d,casus:%d) " : "(rdz:%d,lba:%d,casus:%d) ",
                              group.rdz, group.lba, group.casus);
    }

    std::string Closing(const TCustomWypGrupa& group) const
    {
        if (group.Type == tgWerbalna)
            return polish_ ? ") " : "> ";
        return group.Type == tgNominalna ? "} " : "";
    }

    const TCustomWypSlowa& words_;
    bool polish_;
};

} // namespace

void TCustomWypowiedzenie::Listing()
{
    const TListing listing(*words_, words_->Language() == jezPolski);
    Result.clear();
    for (int i = 0; i < words_->Count(); ++i)
        Result += listing.Word(i);
}

std::string TCustomWypowiedzenie::ReadingsListing() const
{
    const std::uint8_t language = words_->Language();
    std::string text = "\n";
    for (int i = 0; i < words_->Count(); ++i) {
        const TCustomWypSlowo& word = words_->Word(i);
        text +=
            Format("    %s: %s [%d] %s\n", word.Text, word.Lemma, word.Code, WordClassLabel(word.WordClass, language));
    }
    return text;
}

void TCustomWypowiedzenie::Finish()
{
    // The bracketed text first, so that its listing is nested in this one.
    for (int i = 0; i < words_->Count(); ++i)
        if (TCustomWypowiedzenia* nested = words_->Word(i).Nested.get())
            for (int u = 0; u < nested->Count(); ++u)
                nested->Item(u)->Finish();
    Listing();
}

void TCustomWypowiedzenie::SynkNotes()
{
    for (int i = 0; i < words_->Count(); ++i) {
        TCustomWypSlowo& word = words_->Word(i);
        std::string codes;
        int count = 0;
        for (int r = 0; r < word.Readings.Count(); ++r) {
            const TZnaczenie& reading = *word.Readings.Item(r);
            if (reading.DictKind == kRodzajUzytkownika)
                continue;
            codes += (count++ == 0 ? "" : "+") + std::to_string(reading.Code);
        }
        if (count >= 2)
            word.AddNote("[SYNK:" + codes + "]");
    }
}

} // namespace velmar
