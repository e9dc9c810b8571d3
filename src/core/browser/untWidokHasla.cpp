#include "core/browser/untWidokHasla.h"

#include <algorithm>
#include <array>
#include <set>

#include "core/app/untTransTeksty.h"
#include "core/browser/untOpisFormy.h"
#include "core/browser/untWyborHasla.h"
#include "core/dictionaries/untTransSlownikiTypy.h"
#include "core/generators/untGenFrFunkcje.h"
#include "core/generators/untGenTlumaczFr.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar {

namespace {

constexpr int kInterfaceTextOd = 1952; // "od", before the entry of a form's base
constexpr int kPhraseLeftIndent = 10;
constexpr int kPhraseFirstIndent = 5;
constexpr std::string_view kGroupMark = "\xF7"; // "÷" before a sub-record group label

bool HasSpace(std::string_view text)
{
    return text.find(' ') != std::string_view::npos;
}

std::string WithoutLeadingStar(std::string_view code)
{
    return std::string(code.starts_with('*') ? code.substr(1) : code);
}

// The target-case labels of the valency display, cases 1–6.
std::string CaseLabel(int targetCase)
{
    static const std::array<std::string, 6> labels = {FromUtf8("ktoś/coś"),     FromUtf8("kogoś/czegoś"),
                                                      FromUtf8("komuś/czemuś"), FromUtf8("kogoś/coś"),
                                                      FromUtf8("kimś/czymś"),   FromUtf8("kimś/czymś")};
    return labels.at(static_cast<std::size_t>(targetCase - 1));
}

// Builds the pieces of entries and form descriptions in the order they are shown.
class TPisarzHasla {
public:
    explicit TPisarzHasla(const TKontekstHasla& context) : context_(context) {}

    void Entry(const TTransSlownikSlowo& original, const std::string& group, bool small, bool showPhrases,
               const std::string& prefix, int formCode);
    // The description of readings[index], the main entry of its base.
    void FormDescription(const TOdwolania& readings, int index, const std::string& base,
                         const TTransSlownikSlowo& entry);

    void Write(std::string text, int style, std::uint8_t language, bool lineAfter = false, bool lineBefore = false);
    void LineBreak() { Write({}, shOdpowiednik, jezPolski, true); }

    TKawalkiHasla Take() { return std::move(pieces_); }

private:
    std::uint8_t Source() const { return context_.SourceLanguage; }
    std::uint8_t Target() const { return context_.TargetLanguage; }
    std::uint8_t Interface() const { return context_.InterfaceLanguage; }
    const std::string& Headword() const { return entry_->Headword; }

    void WriteHidden(const std::string& text);
    void Space() { Write(" ", shOdpowiednik, jezPolski); }

    void HeadwordLine(const std::string& prefix);
    void DataLine();
    void Pronunciation();
    void SubRecords(int formCode);
    void GrammarLabels(const std::string& code, bool lineAfter);
    void SubRecord(const TTransSlownikPodrekord& subRecord, int number, bool withLabels);
    void ReflexiveMarker(const std::string& code, const std::string& marker);
    void Meaning(const TTransSlownikPodrekord& subRecord, const TTransSlownikZnaczenie& meaning, bool anotherFollows);
    void Annotation(const TTransSlownikPodrekord& subRecord, const TTransSlownikZnaczenie& meaning, int i);
    std::string TargetData(const std::string& word, const TTransSlownikPodrekord& subRecord) const;
    void Valency(const TTransSlownikZnaczenie& meaning);
    void Phrases();

    const TKontekstHasla& context_;
    TKawalkiHasla pieces_;
    const TTransSlownikSlowo* entry_ = nullptr;
    bool small_ = false;
    int leftIndent_ = 0;
    int firstIndent_ = 0;
};

void TPisarzHasla::Write(std::string text, int style, std::uint8_t language, bool lineAfter, bool lineBefore)
{
    if (text.empty() && !lineAfter && !lineBefore)
        return;
    TKawalekHasla piece;
    piece.Text = std::move(text);
    piece.Style = style;
    piece.Small = small_;
    piece.Language = language;
    piece.LineAfter = lineAfter;
    piece.LineBefore = lineBefore;
    piece.LeftIndent = leftIndent_;
    piece.FirstIndent = firstIndent_;
    pieces_.push_back(std::move(piece));
}

// Hidden text is always small, so that it takes almost no room in the view.
void TPisarzHasla::WriteHidden(const std::string& text)
{
    if (text.empty())
        return;
    Write(text, shUkryty, Target());
    pieces_.back().Small = true;
    pieces_.back().Hidden = true;
}

void TPisarzHasla::Entry(const TTransSlownikSlowo& original, const std::string& group, bool small, bool showPhrases,
                         const std::string& prefix, int formCode)
{
    TTransSlownikSlowo entry;
    entry.Assign(original);
    if (!group.empty())
        entry.KeepGroup(group);
    entry_ = &entry;
    small_ = small;

    HeadwordLine(prefix);
    Pronunciation();
    SubRecords(formCode);

    small_ = false;
    LineBreak();
    LineBreak();
    if (showPhrases)
        Phrases();
    entry_ = nullptr;
}

void TPisarzHasla::HeadwordLine(const std::string& prefix)
{
    Write(prefix, shHaslo, Source());
    if (Source() == jezFrancuski && IsAspiratedHeadword(Headword()))
        Write("*", shHaslo, Source());
    Write(Headword(), shHaslo, Source());
    DataLine();
    LineBreak();
}

void TPisarzHasla::DataLine()
{
    if (Source() == jezPolski) {
        const auto* first = entry_->SubRecords.Item(0);
        if (first && first->ReflexiveFlag)
            Write(FromUtf8(" się"), shDane, Source());
        return;
    }
    if (Source() != jezFrancuski || !context_.DictionaryMode || HasSpace(Headword()) || !context_.DataSource)
        return;
    int index = -1;
    if (context_.DataSource->FindExact(Headword(), index))
        Write("  " + context_.DataSource->ValueAt(index), shDane, Source());
}

void TPisarzHasla::Pronunciation()
{
    if (context_.Pronunciation == 2 || Source() == jezPolski)
        return;
    std::string text = Trim(entry_->HeadTail);
    if (text.empty())
        return;
    std::replace(text.begin(), text.end(), '{', '[');
    std::replace(text.begin(), text.end(), '}', ']');
    if (context_.Pronunciation == 0)
        Write(PhoneticNotation(text), shFonetyka, Source(), true);
    else
        Write(text, shWymowaPolska, jezPolski, true);
}

void TPisarzHasla::SubRecords(int formCode)
{
    const auto& subRecords = entry_->SubRecords;
    if (subRecords.Count() == 0)
        return;
    const std::string& firstCode = subRecords.Item(0)->Code;
    const bool same = std::all_of(subRecords.begin(), subRecords.end(),
                                  [&](const auto& subRecord) { return subRecord->Code == firstCode; });
    if (same)
        GrammarLabels(firstCode, true);

    int number = 1;
    for (const auto& subRecord : subRecords) {
        if (formCode != 0 && !WordClassesOfForm(formCode, Source())
                                  .test(static_cast<std::size_t>(WordClassOfCode(subRecord->Code, Source(), false))))
            continue;
        SubRecord(*subRecord, number++, !same);
    }
}

void TPisarzHasla::GrammarLabels(const std::string& code, bool lineAfter)
{
    static const std::string phraseWithVerb = "zwrot z czas.";
    const int wordClass = WordClassOfCode(code, Source(), true);
    const bool severalWords = HasSpace(Headword());
    std::string label;
    if (Source() == jezFrancuski && code == "41")
        label = phraseWithVerb;
    else if (severalWords && wordClass == ksRzeczownik)
        label.clear();
    else if (!severalWords || wordClass != ksCzasownik)
        label = WordClassLabel(wordClass, Interface());
    else
        label = phraseWithVerb;
    if (label.empty())
        return;

    std::string gender = GenderLabelOfCode(code, Source());
    if (!gender.empty())
        gender += ' ';
    const bool irregular = Source() == jezFrancuski && context_.DictionaryMode && wordClass == ksCzasownik &&
                           IsIrregularVerbFr(Headword());
    Write(label + ' ', shCzescMowy, Interface());
    Write(gender, shRodzaj, Interface());
    Write(irregular ? "niereg. " : "", shGramInne, Interface());
    if (lineAfter)
        LineBreak();
}

void TPisarzHasla::SubRecord(const TTransSlownikPodrekord& subRecord, int number, bool withLabels)
{
    Write(Format("%d. ", number), shOdpowiednik, Target(), false, true);
    if (withLabels)
        GrammarLabels(subRecord.Code, false);
    ReflexiveMarker(subRecord.Code, subRecord.Marker);
    const int count = subRecord.Meanings.Count();
    for (int i = 0; i < count; ++i)
        Meaning(subRecord, *subRecord.Meanings.Item(i), i + 1 < count);
}

void TPisarzHasla::ReflexiveMarker(const std::string& code, const std::string& marker)
{
    std::string text;
    if (Source() == jezFrancuski) {
        if (InTagList(code, "<6><R>"))
            text = ElisionAllowed(Headword()) ? "(s' ~) " : "(se ~) ";
    } else if (Source() == jezPolski) {
        static const std::array<std::string, 3> reflexive = {"*r", "*" + FromUtf8("ř"), "*\x89"};
        if (std::find(reflexive.begin(), reflexive.end(), marker) != reflexive.end())
            text = FromUtf8("(~ się) ");
        else if (marker == "*C" || marker == "*T")
            text = "(~ sobie) ";
    }
    Write(text, shRodzaj, jezPolski);
}

void TPisarzHasla::Meaning(const TTransSlownikPodrekord& subRecord, const TTransSlownikZnaczenie& meaning,
                           bool anotherFollows)
{
    if (meaning.Hidden) {
        WriteHidden(meaning.DisplayText());
        return;
    }
    const int count = meaning.AlternativeCount();
    for (int i = 0; i < count; ++i) {
        const std::string comment = meaning.Comment(i);
        const std::string word = meaning.Word(i);
        const std::string gloss = meaning.Gloss(i);
        const bool moreFollow = i < count - 1;
        if (!comment.empty()) {
            Write(comment, shOdpowiednik, jezPolski);
            if (!word.empty() || !gloss.empty() || moreFollow)
                Space();
        }
        if (!word.empty()) {
            Write(word, shOdpowiednik, Target());
            Annotation(subRecord, meaning, i);
            if (!gloss.empty() || moreFollow)
                Space();
        }
        if (!gloss.empty()) {
            Write(gloss, shOdpowiednik, jezPolski);
            if (moreFollow)
                Space();
        }
    }
    Valency(meaning);
    if (anotherFollows)
        Write(meaning.GroupEnd ? "; " : ", ", shOdpowiednik, jezPolski);
}

// The bracket after a translation: its gender (G), the irregular mark of a French verb
// (N) and the data line of a French word (D).
void TPisarzHasla::Annotation(const TTransSlownikPodrekord& subRecord, const TTransSlownikZnaczenie& meaning, int i)
{
    const int count = meaning.AlternativeCount();
    const bool frenchTarget = Target() == jezFrancuski;
    const bool oneWordHeadword = !HasSpace(Headword());
    const std::string word = meaning.Word(i);
    const std::string wordCode = WithoutLeadingStar(meaning.WordCode(i));
    std::string gender, irregular, data;
    if (!context_.DictionaryMode) {
        if (frenchTarget && oneWordHeadword && count == 1 &&
            WordClassOfCode(subRecord.Code, Source(), true) == ksRzeczownik)
            gender = GenderLabelOfCode(wordCode, Target());
    } else {
        if (count == 1) {
            if (oneWordHeadword && WordClassOfCode(subRecord.Code, Source(), false) == ksRzeczownik)
                gender = GenderLabelOfCode(wordCode, Target());
            if (frenchTarget)
                data = TargetData(word, subRecord);
        }
        const bool reflexivePair = count == 2 && i == 1 && meaning.Word(0) == "se";
        if (frenchTarget && (count == 1 || reflexivePair) &&
            WordClassOfCode(WithoutLeadingStar(FirstWord(meaning.WordCode(i))), jezFrancuski, true) == ksCzasownik &&
            IsIrregularVerbFr(word))
            irregular = "niereg.";
    }
    if (gender.empty() && irregular.empty() && data.empty())
        return;
    Write(" (", shNawias, jezPolski);
    Write(gender, shRodzaj, Interface());
    if (!irregular.empty())
        Write((gender.empty() ? "" : " ") + irregular, shGramInne, Interface());
    if (!data.empty())
        Write((gender.empty() && irregular.empty() ? "" : " ") + data, shGramInne, Target());
    Write(")", shNawias, jezPolski);
}

// The data line of a French translation, when it is worth showing: a plural note
// ("pl …"), or anything for an adjective or an unclassified headword of one word.
std::string TPisarzHasla::TargetData(const std::string& word, const TTransSlownikPodrekord& subRecord) const
{
    int index = -1;
    if (!context_.DataTarget || !context_.DataTarget->FindExact(word, index))
        return {};
    std::string value = context_.DataTarget->ValueAt(index);
    const int wordClass = WordClassOfCode(subRecord.Code, Source(), true);
    const bool classShowsData = wordClass == ksPrzymiotnik || wordClass == ksBrakKlasy;
    if (StartsWith(value, "pl ", false) || (!HasSpace(Headword()) && classShowsData))
        return value;
    return {};
}

void TPisarzHasla::Valency(const TTransSlownikZnaczenie& meaning)
{
    if (Source() != jezFrancuski)
        return;
    for (const auto& item : meaning.Valency) {
        const int targetCase = item->TargetCaseNumber();
        if (targetCase < 1 || targetCase > 6)
            continue;
        const std::string sourceWord = StripTrailingDigits(item->SourceText);
        Write(sourceWord.empty() ? " (" : " (" + sourceWord + " q.: ", shGramInne, Source());
        if (!item->Preposition.empty())
            Write(item->Preposition + ' ', shGramInne, Target());
        Write(CaseLabel(targetCase) + ')', shGramInne, Target());
    }
}

void TPisarzHasla::Phrases()
{
    if (entry_->Phrases.Count() == 0)
        return;
    leftIndent_ = kPhraseLeftIndent;
    firstIndent_ = kPhraseFirstIndent;
    for (const auto& phrase : entry_->Phrases) {
        Write(phrase->Source + ' ', shZwrot, Source());
        ReflexiveMarker(phrase->Code, {});
        WriteHidden(phrase->NoteA);
        Write(phrase->Translation, shOdpowiednik, Target());
        WriteHidden(phrase->NoteB);
        LineBreak();
    }
    leftIndent_ = 0;
    firstIndent_ = 0;
    LineBreak();
}

void TPisarzHasla::FormDescription(const TOdwolania& readings, int index, const std::string& base,
                                   const TTransSlownikSlowo& entry)
{
    // The reading described comes first; the others add the persons of the same tense.
    std::vector<TOdwolanie> ordered{readings.Item(index)};
    for (int i = 0; i < readings.Count(); ++i)
        if (i != index)
            ordered.push_back(readings.Item(i));
    TOpisFormy description;
    if (!DescribeForm(Source(), Target(), ordered, entry, description))
        return;

    if (!description.Translation.empty()) {
        Write(description.Translation, shOdpowiednik, Target());
        std::string label = WordClassLabel(WordClassOfForm(ordered.front().FormCode, Source()), jezPolski);
        if (!label.empty())
            label += ' ';
        Write(" (od: " + label + base + ")", shNawias, Source(), true);
    }
    std::string line = "forma";
    if (!description.GenderNumber.empty())
        line += " " + description.GenderNumber;
    if (!description.SingularPersons.empty())
        line += " " + description.SingularPersons + " osoby l.p.";
    if (!description.SingularPersons.empty() && !description.PluralPersons.empty())
        line += " i";
    if (!description.PluralPersons.empty())
        line += " " + description.PluralPersons + " osoby l.mn.";
    if (!description.TenseName.empty())
        line += " czasu " + description.TenseName;
    Write(line, shRodzaj, jezPolski, true);
}

} // namespace

TKawalkiHasla RenderEntry(const TKontekstHasla& context, const TTransSlownikSlowo& entry, const std::string& group,
                          bool small, bool showPhrases, const std::string& prefix, int formCode)
{
    TPisarzHasla writer(context);
    writer.Entry(entry, group, small, showPhrases, prefix, formCode);
    return writer.Take();
}

TFormyHasla ShowForms(const TKontekstHasla& context, const TOdwolania& readings, const std::string& word, bool small,
                      bool alreadyShown)
{
    TFormyHasla result;
    if (readings.Empty() || !context.Main)
        return result;
    TTransSlownikGlowny& main = *context.Main;
    TPisarzHasla writer(context);

    std::string base, group;
    if (!alreadyShown) {
        result.AddToHistory = true;
        result.MainIndex = BaseHeadwordOf(readings, main);
        writer.Write(word, shHaslo, context.SourceLanguage, true);
        writer.LineBreak();
    }

    std::set<std::string> shown;
    for (int i = 0; i < readings.Count(); ++i) {
        SplitAt(readings.Item(i).Base, kGroupMark, false, base, group);
        int index = -1;
        if (base == word || !shown.insert(base + group).second || !main.FindExact(base, index))
            continue;
        const TTransSlownikSlowo& entry = main.GetEntry(index);
        writer.FormDescription(readings, i, base, entry);
        writer.Entry(entry, group, small, false, InterfaceText(context.InterfaceLanguage, kInterfaceTextOd) + ": ",
                     readings.Item(i).FormCode);
        writer.LineBreak();
    }
    result.Pieces = writer.Take();
    return result;
}

TWide PieceText(const TKawalekHasla& piece)
{
    return piece.Style == shFonetyka ? PhoneticToWide(piece.Text) : ToWide(piece.Text, piece.Language);
}

std::string GenderLabelOfCode(std::string_view code, std::uint8_t language)
{
    if (language == jezPolski)
        return {};
    return GenderLabel(NumberAndGenderOfCode(code, language).Gender);
}

} // namespace velmar
