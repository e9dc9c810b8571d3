#pragma once
// A translator host for tests: the batch host's documents, with the calls the worker
// made recorded, scripted answers, and failures to inject.

#include <functional>
#include <future>
#include <new>
#include <string>
#include <vector>

#include "FakeSlowniki.h"
#include "core/app/untUtils.h"
#include "core/engine/untGospodarzWsadowy.h"
#include "core/engine/untOdpowiedziUzytkownika.h"
#include "core/engine/untTransWypTypy.h"

namespace velmar::test {

class TGospodarzSkryptowy : public TGospodarzWsadowy {
public:
    using TGospodarzWsadowy::TGospodarzWsadowy;

    int SourceBackups = 0, TargetBackups = 0;
    int MeaningChoices = 0, InterpretationLists = 0;
    std::vector<int> ManyInterpretationsAsked;
    bool ListManyInterpretations = false;
    int MeaningAnswer = 0;
    std::vector<std::pair<int, int>> Unknown;
    std::vector<TWynikWypowiedzenia> Utterances;
    std::vector<std::pair<std::string, std::string>> Archived;
    // Thrown from the n-th WriteUtterance (1-based); 0 never.
    int FailAtUtterance = 0;
    std::function<void()> Failure = [] { throw std::bad_alloc(); };
    // When set, the pause after a paragraph is not answered; the promise says it opened.
    std::promise<void>* PauseOpened = nullptr;

    void SaveSourceBackup() override { ++SourceBackups; }
    void SaveTargetBackup() override { ++TargetBackups; }
    void MarkUnknown(const std::vector<std::pair<int, int>>& spans) override
    {
        Unknown.insert(Unknown.end(), spans.begin(), spans.end());
    }
    void WriteUtterance(const TWynikWypowiedzenia& utterance) override
    {
        if (static_cast<int>(Utterances.size()) + 1 == FailAtUtterance)
            Failure();
        Utterances.push_back(utterance);
        TGospodarzWsadowy::WriteUtterance(utterance);
    }
    void ArchivePair(const std::string& source, const std::string& target) override
    {
        Archived.emplace_back(source, target);
    }
    void OpenMeaningChoice(TCustomWypowiedzenie&, TCustomWypSlowo&, TOdpowiedziUzytkownika& answers) override
    {
        ++MeaningChoices;
        answers.AnswerWord(MeaningAnswer);
    }
    bool AskManyInterpretations(int count) override
    {
        ManyInterpretationsAsked.push_back(count);
        return ListManyInterpretations;
    }
    void OpenInterpretationChoice(const std::vector<std::string>& variants, TOdpowiedziUzytkownika& answers) override
    {
        ++InterpretationLists;
        TGospodarzWsadowy::OpenInterpretationChoice(variants, answers);
    }
    void PauseAfterParagraph(TOdpowiedziUzytkownika& answers) override
    {
        if (PauseOpened != nullptr)
            PauseOpened->set_value();
        else
            answers.Continue();
    }

    // The target as 8-bit text, one '\r' between paragraphs.
    std::string TargetText() const
    {
        std::string text;
        for (std::size_t p = 0; p < Target().Akapity.size(); ++p)
            text += (p > 0 ? "\r" : "") + FromWide(Target().Akapity[p].Tekst());
        return text;
    }
};

// A reading whose entry offers one meaning per text (UTF-8), in the first sub-record.
inline void AddMeanings(TFakeSlowniki& dictionaries, const std::string& word, std::vector<std::string> meanings)
{
    TZnaczenie reading;
    reading.Lemma = word;
    reading.Code = 1;
    reading.WordClass = kwRzeczownik;
    reading.DictKind = 0;
    TTransSlownikPodrekord& sub = *reading.Entry->SubRecords.Item(reading.Entry->SubRecords.Append());
    for (const std::string& text : meanings) {
        TTransSlownikZnaczenie& meaning = *sub.Meanings.Item(sub.Meanings.Append());
        meaning.Words[static_cast<std::size_t>(meaning.AddAlternative())] = FromUtf8(text);
    }
    dictionaries.Words[FromUtf8(word)].push_back(reading);
}

} // namespace velmar::test
