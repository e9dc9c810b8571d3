#pragma once
// The sentence archive: the translation memory that pairs source sentences with their
// stored translations. Records are kept in the order of their plain source texts; a
// search at a similarity level below 91 compares the views of that level instead, so
// "J'ai 5 chats" finds the stored "J'ai <number> chats".

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/dictionaries/untArchiwumRekord.h"
#include "core/dictionaries/untTransSlownikiTypy.h"

namespace velmar {

class TTransSlownikZdan : public TTransSlownik {
public:
    TTransSlownikZdan(std::uint8_t sourceLang, std::uint8_t targetLang);

    // The view of the source sentence at KeyLevel.
    std::string KeyOf(std::string_view line) const override;

    // The record of line index, decoded into CurrentRecord; outside the lines
    // CurrentRecord is returned unchanged.
    TTransSlownikZdanZdanie& Record(int index);
    // Finds text among the sources compared at a similarity level (100: exactly).
    bool FindAt(std::string_view text, int level, int& index);

    // Stores a translation of a sentence: a new record, or one more translation of a
    // stored one. Returns the record's index. Texts that would read back differently
    // are refused beforehand (ArchiveTextProblem); AddPair stores them unchanged.
    int AddPair(std::string_view source, std::string_view translation);
    bool DeleteSentence(std::string_view source);
    void DeleteRow(int index, bool notify);
    bool ReplaceTranslation(std::string_view source, std::string_view old, std::string_view replacement);
    bool DeleteTranslation(std::string_view source, std::string_view translation);

    TTransSlownikZdanZdanie CurrentRecord;
    int KeyLevel = 100;
    // Raised on the window instance so that the archive window follows changes.
    std::function<void(TTransSlownikZdan&, int)> OnSentenceAdded;
    std::function<void(TTransSlownikZdan&, int)> OnSentenceDeleted;

protected:
    // The keys are the views of KeyLevel.
    int KeyVariant() const override { return KeyLevel; }

private:
    // Writes CurrentRecord back to line index.
    void StoreCurrentRecord(int index);
    bool ReplaceOnce(std::string_view source, std::string_view old, std::string_view replacement);
    bool DeleteTranslationOnce(std::string_view source, std::string_view translation, bool deleteEmpty);
    bool DeleteSentenceOnce(std::string_view source, bool notify);
};

// "1 zdanie", "3 zdania", "5 zdań", "12 zdań", "22 zdania" in a Polish interface; the
// French word unchanged. wordWithCode is interface text 1885 ("zdanie *41", "phrase *2").
std::string CountedNoun(std::uint8_t interfaceLanguage, std::string_view wordWithCode, int count);

} // namespace velmar
