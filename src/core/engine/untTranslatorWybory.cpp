// The translator worker's four waits for the user: a meaning for each word with a
// choice, the manual window on the first word, the meanings grid, and the choice among
// whole-sentence interpretations.
#include "core/app/untUtils.h"
#include "core/engine/untTransWypTypy.h"
#include "core/engine/untTranslatorThread.h"

namespace velmar {

namespace {

bool OffersChoice(const TCustomWypSlowo& word)
{
    return word.Choosable && word.Translations.Count() >= 2;
}

bool AnyWordOffersChoice(TCustomWypowiedzenie& utterance)
{
    TCustomWypSlowa& words = utterance.Words();
    for (int i = 0; i < words.Count(); ++i) {
        TCustomWypSlowo& word = words.Word(i);
        if (OffersChoice(word))
            return true;
        if (word.Nested)
            for (int u = 0; u < word.Nested->Count(); ++u)
                if (AnyWordOffersChoice(*word.Nested->Item(u)))
                    return true;
    }
    return false;
}

// The word behind a column of the grid: its list and its place in it.
struct TSlowoKolumny {
    TCustomWypSlowa* Words;
    int Index;
};

// One column per word in document order, bracketed words included; the list's Lead
// goes before its first word's translations and its Tail after its last word's.
void AddGridColumns(TCustomWypowiedzenie& utterance, std::vector<TKolumnaZnaczen>& columns,
                    std::vector<TSlowoKolumny>& words)
{
    TCustomWypSlowa& list = utterance.Words();
    for (int i = 0; i < list.Count(); ++i) {
        TCustomWypSlowo& word = list.Word(i);
        TKolumnaZnaczen column{word.Text, {}};
        for (int t = 0; t < word.Translations.Count(); ++t) {
            std::string rendering = list.RenderTranslation(i, t);
            if (i == 0)
                rendering = list.Lead + rendering;
            if (i == list.Count() - 1)
                rendering += list.Tail;
            column.Translations.push_back(Trim(rendering));
        }
        columns.push_back(std::move(column));
        words.push_back({&list, i});
        if (word.Nested)
            for (int u = 0; u < word.Nested->Count(); ++u)
                AddGridColumns(*word.Nested->Item(u), columns, words);
    }
}

// A change refers to the columns shown; one outside them, or a move between the lists
// of different utterances, is ignored.
void ApplyGridChange(const std::vector<TSlowoKolumny>& columns, const TZmianaSiatki& change)
{
    if (change.Column < 0 || change.Column >= static_cast<int>(columns.size()))
        return;
    const TSlowoKolumny& at = columns[static_cast<std::size_t>(change.Column)];
    TCustomWypSlowo& word = at.Words->Word(at.Index);
    switch (change.Rodzaj) {
    case TZmianaSiatki::Wybor:
        if (change.Value >= 0 && change.Value < word.Translations.Count())
            word.ChooseTranslation(change.Value);
        break;
    case TZmianaSiatki::NoweTlumaczenie:
        if (!change.Text.empty()) {
            word.Translations.Insert(0);
            word.Translations.Item(0).Text = change.Text;
            word.ChooseTranslation(0);
        }
        break;
    case TZmianaSiatki::Przeniesienie:
        if (change.Value >= 0 && change.Value < static_cast<int>(columns.size()) &&
            columns[static_cast<std::size_t>(change.Value)].Words == at.Words)
            at.Words->MoveWord(at.Index, columns[static_cast<std::size_t>(change.Value)].Index);
        break;
    }
}

} // namespace

void TTranslatorThread::Interact(TCustomWypowiedzenie& utterance)
{
    const int mode = options_.TranslationMode;
    if (mode == 1)
        GridChoice(utterance);
    else if (mode == 2)
        WordChoice(utterance);
    else if (IsManualMeaningMode(mode))
        MeaningChoice(utterance);
    else if (IsInterpretationMode(mode))
        InterpretationChoice(utterance);
}

void TTranslatorThread::MeaningChoice(TCustomWypowiedzenie& utterance)
{
    TCustomWypSlowa& words = utterance.Words();
    for (int i = 0; i < words.Count() && !Stopped(); ++i) {
        TCustomWypSlowo& word = words.Word(i);
        if (OffersChoice(word)) {
            answers_.Reset();
            host_.OpenMeaningChoice(utterance, word, answers_);
            answers_.WaitFor(stop_.get_token(), [](const TStanOdpowiedzi& s) { return s.Closed || s.WordChoice >= 0; });
            if (Stopped())
                return;
            // A closed window leaves the word without a chosen translation (−1).
            word.ChooseTranslation(answers_.State().WordChoice);
        }
        if (word.Nested)
            for (int u = 0; u < word.Nested->Count() && !Stopped(); ++u)
                MeaningChoice(*word.Nested->Item(u));
    }
}

void TTranslatorThread::WordChoice(TCustomWypowiedzenie& utterance)
{
    if (utterance.Words().Count() == 0)
        return;
    answers_.Reset();
    host_.OpenWordChoice(utterance, answers_);
    answers_.WaitFor(stop_.get_token(), [](const TStanOdpowiedzi& s) { return s.Continue || s.Closed; });
}

void TTranslatorThread::GridChoice(TCustomWypowiedzenie& utterance)
{
    if (!AnyWordOffersChoice(utterance))
        return;
    answers_.Reset();
    // The grid is shown again after every change the user makes in it.
    for (;;) {
        std::vector<TKolumnaZnaczen> columns;
        std::vector<TSlowoKolumny> words;
        AddGridColumns(utterance, columns, words);
        host_.OpenGridChoice(columns, answers_);
        answers_.WaitFor(stop_.get_token(),
                         [](const TStanOdpowiedzi& s) { return s.Continue || s.Closed || s.GridChanges > 0; });
        const std::vector<TZmianaSiatki> changes = answers_.TakeGridChanges();
        if (Stopped() || changes.empty())
            break;
        for (const TZmianaSiatki& change : changes)
            ApplyGridChange(words, change);
    }
    if (answers_.State().Closed)
        stop_.request_stop();
}

void TTranslatorThread::InterpretationChoice(TCustomWypowiedzenie& utterance)
{
    TCustomWypSlowa& words = utterance.Words();
    const int count = words.CountVariants();
    if (count > TZdania::kLimit && !host_.AskManyInterpretations(count)) {
        words.ApplyVariant(0);
        return;
    }
    std::vector<std::string> variants;
    for (std::size_t v = 0; v < words.Variants().Items.size(); ++v)
        variants.push_back(words.VariantText(static_cast<int>(v)));
    answers_.Reset();
    host_.OpenInterpretationChoice(variants, answers_);
    answers_.WaitFor(stop_.get_token(),
                     [](const TStanOdpowiedzi& s) { return s.Closed || s.InterpretationChoice >= 0; });
    if (Stopped())
        return;
    const TStanOdpowiedzi answer = answers_.State();
    if (answer.Closed)
        stop_.request_stop();
    else
        words.ApplyVariant(answer.InterpretationChoice);
}

} // namespace velmar
