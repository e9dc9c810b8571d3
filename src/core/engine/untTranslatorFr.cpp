#include "core/engine/untTranslatorFr.h"

#include "core/app/untUtils.h"
#include "core/dictionaries/untTransSlownikSlowo.h"
#include "core/dictionaries/untTransSlownikiTypy.h"
#include "core/engine/untTransWypSkladanie.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar {

namespace {

constexpr int kAdverbCode = 250;
constexpr int kNounCode = 1;

// "de" as "De" when the source began with a capital.
std::string LikeSource(std::string_view source, std::string word)
{
    if (StartsUpper(source))
        word[0] = static_cast<char>(UpperChar(static_cast<unsigned char>(word[0])));
    return word;
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\xA0';
}

bool IsHighPunctuation(char c)
{
    return c == '?' || c == '!' || c == ':' || c == ';';
}

// French sets "?", "!", ":" and ";" apart with a space (often a no-break one);
// Polish writes them against the word. `text` is followed by `next`.
void DropSpaceBeforeHighPunctuation(std::string& text, std::string_view next)
{
    for (std::size_t at = 0; at + 1 < text.size(); ++at)
        if (IsSpace(text[at]) && IsHighPunctuation(text[at + 1]) && (at == 0 || !IsSpace(text[at - 1])))
            text.erase(at, 1);
    if (!text.empty() && IsSpace(text.back()) && !next.empty() && IsHighPunctuation(next.front()) &&
        (text.size() == 1 || !IsSpace(text[text.size() - 2])))
        text.pop_back();
}

bool OnlyHyphens(std::string_view text)
{
    return text.find_first_not_of('-') == std::string_view::npos;
}

// The definite articles and the article homographs: Polish has no article.
bool IsArticle(const TCustomWypSlowo& word)
{
    if (InTagList(word.Text, "<le1><la1><l'1><les1><des0><de3>"))
        return true;
    return word.WordClass == kwOkreslnik && InTagList(word.Text, "<le><la><l'><les>", true);
}

// A noun form of one gender keeps the first sub-record of that gender ("1" masculine,
// "2" feminine), so that "la tour" and "le tour" translate apart. An entry without
// such a sub-record keeps all of its own.
void KeepSubRecordOfGender(TTransSlownikSlowo& entry, int code)
{
    const char gender = code >= 1 && code <= 3 ? '1' : code >= 5 && code <= 8 ? '2' : '\0';
    if (gender == '\0')
        return;
    int keep = -1;
    for (int i = 0; i < entry.SubRecords.Count() && keep < 0; ++i)
        if (entry.SubRecords.Item(i)->Code.starts_with(gender))
            keep = i;
    if (keep < 0)
        return;
    for (int i = entry.SubRecords.Count() - 1; i >= 0; --i)
        if (i != keep)
            entry.SubRecords.Delete(i);
}

int GenderOfEntry(const TTransSlownikSlowo& entry)
{
    for (int i = 0; i < entry.SubRecords.Count(); ++i) {
        const int gender = NumberAndGenderOfCode(entry.SubRecords.Item(i)->Code, jezFrancuski).Gender;
        if (gender >= 0)
            return gender;
    }
    return -1;
}

} // namespace

void TWypSlowoFr::AfterLookup1()
{
    for (int r = 0; r < Readings.Count(); ++r) {
        TZnaczenie& reading = *Readings.Item(r);
        reading.Entry->RemoveHiddenMeanings();
        if (reading.DictKind == rsUzytkownika)
            continue;
        KeepSubRecordOfGender(*reading.Entry, reading.Code);
        reading.Qualifier = GenderOfEntry(*reading.Entry);
    }
}

void TWypSlowoFr::AfterLookup2()
{
    for (int r = 0; r < Readings.Count(); ++r) {
        const TKlasyNazw& classes = Readings.Item(r)->Entry->NameClasses;
        for (std::size_t bit = 0; bit < classes.size(); ++bit)
            if (classes.test(bit))
                SetMarker(static_cast<int>(bit));
    }
}

void TWypSlowoFr::Prepare()
{
    const int index = Owner() ? Owner()->IndexOf(this) : -1;
    MoveQuotesOut(index);
    if (PrepareNumber())
        return;
    if (IsUrlOrMail(Text)) {
        FixedTarget = Text;
        SentenceCapital = false;
        SetCode(kNounCode);
        return;
    }
    if (Text == "-t-") {
        // The euphonic t of "a-t-il" stands for the space between the verb and its
        // pronoun; the split already put spaces around it, so it renders as nothing.
        SetCode(kAdverbCode);
        Translate = false;
        return;
    }
    if (SentenceCapital && Text == "A")
        Text = "\xC0";
    const std::string lower = LowerStr(Text);
    if (lower == "s'il" || lower == "s'ils")
        Split(index, LikeSource(Text, "si"), Text.substr(2), Start + 2);
    else if (lower == "du")
        Split(index, LikeSource(Text, "de"), "le1", Start);
    else if (lower == "au")
        Split(index, LikeSource(Text, "\xE0"), "le1", Start);
    else if (lower == "aux")
        Split(index, LikeSource(Text, "\xE0"), "les", Start);
    else if (LookupWord())
        SpaceAfterElision(index);
    else {
        PrepareUnknown(index);
    }
}

void TWypSlowoFr::SpaceAfterElision(int index)
{
    // "l'" written against its word is rendered apart from it.
    if (index < 0 || Text.back() != '\'' || !Owner()->Around(index).Po.empty())
        return;
    if (!Owner()->InRange(index + 1) || Owner()->Around(index + 1).Przed.empty())
        Owner()->Around(index).Po = " ";
}

void TWypSlowoFr::MoveQuotesOut(int index)
{
    if (index < 0)
        return;
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

void TWypSlowoFr::Split(int index, const std::string& first, const std::string& second, int secondStart)
{
    Text = first;
    if (!LookupWord())
        Reset(first);
    if (index < 0)
        return;
    std::string after = std::move(Owner()->Around(index).Po);
    Owner()->Around(index).Po.clear();
    std::unique_ptr<TCustomWypSlowo> word = Owner()->NewWord();
    word->OnChange = OnChange;
    word->Start = secondStart;
    word->End = End;
    if (secondStart > Start)
        End = secondStart;
    const int at = Owner()->InsertWordAfter(index, std::move(word), {" ", std::move(after)});
    TCustomWypSlowo& inserted = Owner()->Word(at);
    inserted.FirstText = second;
    inserted.SetText(second);
}

void TWypSlowoFr::PrepareUnknown(int index)
{
    if (index >= 0 && Text.size() > 1 && Text.back() == '.') {
        Owner()->Around(index).Po.insert(0, ".");
        --End;
        SetText(Text.substr(0, Text.size() - 1));
        return;
    }
    const std::size_t apostrophe = Text.find('\'');
    const std::size_t euphonic = Text.find("-t-");
    const std::size_t hyphen = Text.find('-');
    if (apostrophe == 0) {
        // The quote stands in the source before or after the word, as written.
        if (index >= 0)
            Owner()->Around(index).Przed += Owner()->Written(Start, "'");
        ++Start;
        SetText(Text.substr(1));
    } else if (apostrophe != std::string::npos && apostrophe + 1 == Text.size()) {
        if (index >= 0)
            Owner()->Around(index).Po.insert(0, Owner()->Written(End - 1, "'"));
        --End;
        SetText(Text.substr(0, apostrophe));
    } else if (apostrophe != std::string::npos) {
        CutAt(index, apostrophe + 1, " ");
    } else if (euphonic != std::string::npos && !OnlyHyphens(Text)) {
        CutAt(index, euphonic == 0 ? 3 : euphonic, " ");
    } else if (hyphen != std::string::npos && !OnlyHyphens(Text)) {
        CutAt(index, hyphen == 0 ? 1 : hyphen, "");
    } else {
        Reset(Text);
    }
}

void TWypSlowoFr::CutAt(int index, std::size_t at, const std::string& restBefore)
{
    if (index < 0 || at == 0 || at >= Text.size()) {
        Reset(Text);
        return;
    }
    const std::string first = Text.substr(0, at), rest = Text.substr(at);
    std::string after = std::move(Owner()->Around(index).Po);
    Owner()->Around(index).Po.clear();
    std::unique_ptr<TCustomWypSlowo> word = Owner()->NewWord();
    word->OnChange = OnChange;
    word->Start = Start + static_cast<int>(at);
    word->End = End;
    End = word->Start;
    const int inserted = Owner()->InsertWordAfter(index, std::move(word), {restBefore, std::move(after)});
    Owner()->Word(inserted).FirstText = rest;
    Owner()->Word(inserted).SetText(rest);
    SetText(first);
}

std::unique_ptr<TCustomWypSlowo> TWypSlowaFr::NewWord()
{
    return std::make_unique<TWypSlowoFr>(this);
}

TWypowiedzenieFr::TWypowiedzenieFr(TCustomWypowiedzenia* owner)
    : TWypowiedzenieSlowoPoSlowie(owner, std::make_unique<TWypSlowaFr>(this))
{
}

void TWypowiedzenieFr::Analyse(int level)
{
    if (Owner()->StopRequested())
        return;
    PrePass();
    ChooseReadings();
    if (Owner()->StopRequested())
        return;
    JoinExpressions();
    if (IsWordByWordMode(Words().Context().Settings.TranslationMode)) {
        TCustomWypSlowa& words = Words();
        for (int i = 0; i < words.Count(); ++i)
            if (IsArticle(words.Word(i)))
                words.Word(i).Translate = false;
    } else {
        for (void (TWypowiedzenieFr::*stage)() : {&TWypowiedzenieFr::ProperNames,
                                                  &TWypowiedzenieFr::Articles,
                                                  &TWypowiedzenieFr::Subordinates,
                                                  &TWypowiedzenieFr::NominalGroups,
                                                  &TWypowiedzenieFr::GroupAgreement,
                                                  &TWypowiedzenieFr::Coordination,
                                                  &TWypowiedzenieFr::FunctionWords,
                                                  &TWypowiedzenieFr::FixedExpressions,
                                                  &TWypowiedzenieFr::Pronominal,
                                                  &TWypowiedzenieFr::AvantApres,
                                                  &TWypowiedzenieFr::TransferPrepositions,
                                                  &TWypowiedzenieFr::TimeExpressions,
                                                  &TWypowiedzenieFr::Pronouns,
                                                  &TWypowiedzenieFr::Superlatives,
                                                  &TWypowiedzenieFr::QueClauses,
                                                  &TWypowiedzenieFr::GroupFeatures,
                                                  &TWypowiedzenieFr::FinalGroups,
                                                  &TWypowiedzenieFr::RelativeClauses,
                                                  &TWypowiedzenieFr::AspectAndInversion,
                                                  &TWypowiedzenieFr::PolishWordOrder}) {
            if (Owner()->StopRequested())
                return;
            (this->*stage)();
        }
    }
    MoveSentenceCapital();
    CollectAll();
    TCustomWypowiedzenie::Analyse(level);
}

void TWypowiedzenieFr::Transfer()
{
    TWypowiedzenieSlowoPoSlowie::Transfer();
    TCustomWypSlowa& words = Words();
    if (words.Context().TargetLanguage != jezPolski)
        return;
    if (!IsWordByWordMode(words.Context().Settings.TranslationMode))
        RelativeClauseEnds();
    for (int i = 0; i < words.Count(); ++i)
        DropSpaceBeforeHighPunctuation(words.Around(i).Po,
                                       i + 1 < words.Count() ? words.Around(i + 1).Przed : words.Tail);
    DropSpaceBeforeHighPunctuation(words.Tail, {});
}

int TWypowiedzeniaFr::NewUtterance()
{
    Append(std::make_unique<TWypowiedzenieFr>(this));
    return Count() - 1;
}

std::unique_ptr<TCustomWypowiedzenia> TWypowiedzeniaFr::NewNested() const
{
    return std::make_unique<TWypowiedzeniaFr>(NestedContext());
}

} // namespace velmar
