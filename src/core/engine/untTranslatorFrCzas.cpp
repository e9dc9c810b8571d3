// French time expressions that Polish says with other words: the hour ("à huit
// heures" → "o ósmej"), the part of the day ("ce soir" → "dziś wieczorem"), and a
// period or a day without a preposition ("cette année" → "w tym roku", "lundi" → "w
// poniedziałek").
#include "core/app/untUtils.h"
#include "core/engine/untTranslatorFr.h"

namespace velmar {

namespace {

// The hours of the clock, as French writes them in words, and the Polish ordinal
// that names each in the genitive and locative ("o ósmej", "około ósmej").
struct TGodzina {
    const char* French;
    const char* Polish;
};

constexpr TGodzina kHours[] = {
    {"une", "pierwszej"},
    {"deux", "drugiej"},
    {"trois", "trzeciej"},
    {"quatre", "czwartej"},
    {"cinq", "piątej"},
    {"six", "szóstej"},
    {"sept", "siódmej"},
    {"huit", "ósmej"},
    {"neuf", "dziewiątej"},
    {"dix", "dziesiątej"},
    {"onze", "jedenastej"},
    {"douze", "dwunastej"},
    {"treize", "trzynastej"},
    {"quatorze", "czternastej"},
    {"quinze", "piętnastej"},
    {"seize", "szesnastej"},
    {"dix-sept", "siedemnastej"},
    {"dix-huit", "osiemnastej"},
    {"dix-neuf", "dziewiętnastej"},
    {"vingt", "dwudziestej"},
};

// The Polish word for the hour word i names, or "" when it names none; an hour in
// digits stays in digits ("o 8").
std::string PolishHour(const TCustomWypSlowo& word)
{
    const std::string text = LowerStr(word.Text);
    for (const TGodzina& hour : kHours)
        if (text == hour.French)
            return FromUtf8(hour.Polish);
    const bool digits = !text.empty() && text.size() <= 2 && text.find_first_not_of("0123456789") == std::string::npos;
    return digits && std::stoi(text) <= 24 ? text : std::string();
}

// The preposition that puts a clock time in the genitive/locative form of the table;
// "" for any other word.
std::string PrepositionOfHour(const std::string& french)
{
    if (french == "\340")
        return "o";
    if (french == "vers")
        return FromUtf8("około");
    if (french == "apr\350s")
        return "po";
    return {};
}

struct TPoraDnia {
    const char* French;
    const char* Polish; // the adverbial: "wieczorem"
};

constexpr TPoraDnia kPartsOfDay[] = {
    {"soir", "wieczorem"}, {"matin", "rano"}, {"apr\350s-midi", "po południu"}, {"nuit", "w nocy"}};

constexpr const char* kPeriods = "<ann\351e><semaine><mois>";
constexpr const char* kDays = "<lundi><mardi><mercredi><jeudi><vendredi><samedi><dimanche>";

} // namespace

void TWypowiedzenieFr::TimeExpressions()
{
    TCustomWypSlowa& words = Words();
    for (int i = 0; i < words.Count(); ++i) {
        if (ClockTime(i))
            continue;
        if (!InNominalGroup(i) || words.Word(i).Group()->First != i)
            continue;
        TCustomWypGrupa& group = *words.Word(i).Group();
        // A time set off by a comma is no subject, whatever its place: "Cette année,
        // les prix…".
        const bool setOff = TextIs(group.Last + 1, ",");
        if ((group.IsSubject() && !setOff) || group.IsPrepositional() || IsPrepositionWord(i - 1))
            continue;
        const int head = HeadOfGroup(group);
        if (!PartOfDay(i, head))
            PeriodOrDay(group, head);
    }
}

// "à huit heures" → "o ósmej": the preposition, the hour as an ordinal, no "godzin".
bool TWypowiedzenieFr::ClockTime(int i)
{
    TCustomWypSlowa& words = Words();
    const std::string preposition = LowerStr(words.Word(i).Text);
    std::string bare = preposition;
    while (!bare.empty() && bare.back() >= '0' && bare.back() <= '9')
        bare.pop_back();
    const std::string polish = PrepositionOfHour(bare);
    if (polish.empty() || !InRange(i + 2) || !TextIn(i + 2, "<heure><heures>"))
        return false;
    const std::string hour = PolishHour(words.Word(i + 1));
    if (hour.empty())
        return false;
    words.Word(i).Translate = true;
    words.Word(i).FixedTarget = polish;
    words.Word(i + 1).FixedTarget = hour;
    words.Word(i + 2).Translate = false;
    return true;
}

// "ce soir" → "dziś wieczorem", "le matin" → "rano", "hier soir" → "wczoraj wieczorem".
bool TWypowiedzenieFr::PartOfDay(int first, int head)
{
    TCustomWypSlowa& words = Words();
    const std::string text = LowerStr(words.Word(head).Text);
    for (const TPoraDnia& part : kPartsOfDay) {
        if (text != part.French)
            continue;
        for (int j = first; j < head; ++j)
            words.Word(j).Translate = false;
        if (TextIn(first, "<ce><cet><cette>", true, true) && first < head) {
            words.Word(first).Translate = true;
            words.Word(first).FixedTarget = FromUtf8("dziś");
        }
        words.Word(head).FixedTarget = FromUtf8(part.Polish);
        return true;
    }
    return false;
}

// "cette année" → "w tym roku", "la semaine prochaine" → "w przyszłym tygodniu",
// "lundi" → "w poniedziałek".
void TWypowiedzenieFr::PeriodOrDay(TCustomWypGrupa& group, int head)
{
    TCustomWypSlowa& words = Words();
    const bool period = TextIn(head, kPeriods, true, true) &&
                        (TextIn(group.First, "<ce><cet><cette>", true, true) ||
                         TextIn(head + 1, "<dernier><derni\350re><prochain><prochaine>", true, true));
    const bool day = TextIn(head, kDays, true, true) && group.First == head;
    if (!period && !day)
        return;
    group.LeadTexts.push_back("w");
    group.casus = period ? 6 : 4;
    const bool last = TextIn(head + 1, "<dernier><derni\350re>", true, true);
    if (!last && !TextIn(head + 1, "<prochain><prochaine>", true, true))
        return;
    words.Word(head + 1).PreferMeaning(FromUtf8(last ? "zeszły *7" : "przyszły *7"));
    MoveGroupedWord(head + 1, head);
}

} // namespace velmar
