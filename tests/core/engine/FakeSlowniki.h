#pragma once
// In-memory dictionaries for the utterance model: expressions per dictionary, readings
// per word, untranslatable words, archived sentences.

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/engine/untTransWypTypy.h"

namespace velmar::test {

class TFakeSlowniki : public TSlownikiWypowiedzi {
public:
    std::map<TSlownikWyrazen, std::set<std::string>> Expressions;
    std::set<std::string> Refused; // expressions AcceptsExpression refuses
    std::set<std::string> Untranslatable;
    std::map<std::string, std::vector<TZnaczenie>> Words;
    std::map<std::string, std::string> Archive;        // sentence → translation
    std::map<std::string, std::string> SimilarArchive; // rebuilt text → translation view
    std::vector<std::string> Probes;                   // every expression candidate asked

    TProbaWyrazenia ProbeExpression(TSlownikWyrazen dictionary, std::string_view candidate, bool) override
    {
        Probes.emplace_back(candidate);
        const auto& keys = Expressions[dictionary];
        TProbaWyrazenia probe;
        probe.Counts = keys.contains(std::string(candidate));
        for (const std::string& key : keys)
            if (key.size() > candidate.size() && key.starts_with(candidate))
                probe.More = true;
        return probe;
    }

    bool AcceptsExpression(TSlownikWyrazen, std::string_view expression, bool) override
    {
        return !Refused.contains(std::string(expression));
    }

    bool IsUntranslatable(std::string_view token) override { return Untranslatable.contains(std::string(token)); }

    TProbaArchiwum ProbeArchive(std::string_view prefix, bool) override
    {
        TProbaArchiwum probe;
        for (const auto& [sentence, translation] : Archive) {
            if (sentence == prefix) {
                probe.Complete = true;
                probe.Translation = translation;
            } else if (sentence.starts_with(prefix)) {
                probe.More = true;
            }
        }
        return probe;
    }

    std::optional<std::string> FindSimilarSentence(std::string_view text, int) override
    {
        const auto it = SimilarArchive.find(std::string(text));
        return it == SimilarArchive.end() ? std::nullopt : std::optional<std::string>(it->second);
    }

    TOdczytyTekstu Readings(std::string_view text, bool secondAttempt, const TZwijanieLiter&) override
    {
        if (secondAttempt)
            return {};
        const auto it = Words.find(std::string(text));
        return it == Words.end() ? TOdczytyTekstu{} : TOdczytyTekstu{it->second, std::string(text), false};
    }

    void AddReading(const std::string& word, const std::string& lemma, int code, int score = 50)
    {
        TZnaczenie reading;
        reading.Lemma = lemma;
        reading.Code = code;
        reading.WordClass = WordClassOfCodeNumber(code, jezFrancuski);
        reading.Score = score;
        reading.DictKind = 0;
        Words[word].push_back(reading);
    }
};

} // namespace velmar::test
