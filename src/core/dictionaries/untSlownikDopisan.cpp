#include "core/dictionaries/untSlownikDopisan.h"

#include <algorithm>
#include <array>

#include "core/app/untUtils.h"
#include "core/dictionaries/untDictCompare.h"

namespace velmar {

namespace {

// Sub-record codes by part of speech 0..13, Polish and French source.
constexpr std::array<const char*, 14> kPolishCodes = {"0",  "*",  "7",  "70", "90", "91", "92",
                                                      "94", "96", "95", "93", "7",  "99", ""};
constexpr std::array<const char*, 14> kFrenchCodes = {"1",  "4",  "7",  "8",  "94", "91", "92",
                                                      "96", "95", "93", "97", "7",  "",   ""};

struct TPozycjaSzybka {
    std::string Word;
    int PartOfSpeech = -1;
    std::string Translation;
};

// "word+letter+translation": a word of at least one byte, one letter of the language's
// list and a translation of at least one byte.
bool ParseQuickItem(std::string_view item, std::string_view letters, TPozycjaSzybka& parsed)
{
    const std::size_t plus = item.find('+');
    if (plus == std::string_view::npos || plus == 0 || plus + 3 >= item.size() || item[plus + 2] != '+')
        return false;
    const std::size_t letter = letters.find(item[plus + 1]);
    if (letter == std::string_view::npos)
        return false;
    parsed = {Trim(item.substr(0, plus)), static_cast<int>(letter), Trim(item.substr(plus + 3))};
    return !parsed.Word.empty();
}

// Line ends separate items like ";"; empty items (runs of separators) are dropped.
std::vector<std::string_view> QuickItems(std::string_view text)
{
    std::vector<std::string_view> items;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find_first_of(";\r\n", start), text.size());
        if (end > start)
            items.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return items;
}

} // namespace

TProblemDopisania AdditionProblem(std::string_view headword, std::string_view translation)
{
    const auto breaksSyntax = [](std::string_view text) {
        return std::any_of(text.begin(), text.end(), [](char c) {
            return static_cast<unsigned char>(c) < 32 || c == '_' || c == '#' || c == ';';
        });
    };
    if (Trim(headword).empty())
        return TProblemDopisania::PustyWyraz;
    if (Trim(translation).empty())
        return TProblemDopisania::PustePrzetlumaczenie;
    if (breaksSyntax(headword) || breaksSyntax(translation))
        return TProblemDopisania::ZnakSkladni;
    return TProblemDopisania::Brak;
}

std::string PartOfSpeechCode(int partOfSpeech, std::uint8_t sourceLanguage)
{
    if (partOfSpeech < 0 || partOfSpeech >= static_cast<int>(kPolishCodes.size()))
        return {};
    const auto& codes = sourceLanguage == jezPolski ? kPolishCodes : kFrenchCodes;
    return codes[static_cast<std::size_t>(partOfSpeech)];
}

std::string_view QuickAddLetters(std::uint8_t interfaceLanguage)
{
    return interfaceLanguage == jezPolski ? "rcpezmswn" : "nvjeprcik";
}

TSlownikDopisan::TSlownikDopisan(TTransSlownikGlowny& user, TTransSlownikGlowny& main) : user_(user), main_(main) {}

std::uint64_t TSlownikDopisan::Serial(const TTransSlownik& dictionary) const
{
    return dictionary.Lines ? dictionary.Lines->Snapshot()->Serial() : 0;
}

int TSlownikDopisan::MainPositionOf(const std::string& headword)
{
    int index = 0;
    if (main_.Count() == 0)
        return 0;
    if (!main_.FindExact(headword, index)) {
        index = std::clamp(index, 0, main_.Count());
        if (index < main_.Count() && DictCompare(headword, main_.GetKey(index), main_.SourceLang) > 0)
            ++index;
    }
    return index;
}

void TSlownikDopisan::RebuildPositions()
{
    const TTransSlownik::TPrzypiecie userPin(user_), mainPin(main_);
    positions_.clear();
    for (int i = 0; i < user_.Count(); ++i)
        positions_.push_back(MainPositionOf(user_.GetKey(i)));
    userSerial_ = Serial(user_);
    mainSerial_ = Serial(main_);
}

void TSlownikDopisan::SyncPositions()
{
    // Another writer (the spell checker, a reload) changed a list behind our back.
    if (userSerial_ != Serial(user_) || mainSerial_ != Serial(main_) ||
        static_cast<int>(positions_.size()) != user_.Count())
        RebuildPositions();
}

int TSlownikDopisan::MainPosition(int index)
{
    SyncPositions();
    return index >= 0 && index < static_cast<int>(positions_.size()) ? positions_[static_cast<std::size_t>(index)] : -1;
}

int TSlownikDopisan::LineOf(const std::string& headword, bool& added)
{
    added = false;
    int index = 0;
    if (user_.FindExact(headword, index))
        return index;
    index = std::clamp(index, 0, user_.Count());
    if (index < user_.Count() && DictCompare(headword, user_.GetKey(index), user_.SourceLang) > 0)
        ++index;
    SyncPositions();
    user_.Lines->Insert(index, user_.Encode(headword + " " + user_.KeySeparator));
    positions_.insert(positions_.begin() + index, MainPositionOf(headword));
    userSerial_ = Serial(user_);
    added = true;
    return index;
}

int TSlownikDopisan::AddTranslation(std::string_view headword, std::string_view translation, bool makeFirst,
                                    const TKodyZnaczenia& codes, int partOfSpeech)
{
    const std::string key = Trim(headword);
    if (key.empty() || user_.Lines == nullptr)
        return -1;
    bool added = false;
    const int index = LineOf(key, added);

    TTransSlownikSlowo entry;
    entry.Assign(user_.GetEntry(index));
    entry.Headword = key;
    const std::string code = PartOfSpeechCode(partOfSpeech, user_.SourceLang);
    int subRecord = 0;
    while (subRecord < entry.SubRecords.Count() && entry.SubRecords.Item(subRecord)->Code != code)
        ++subRecord;
    if (subRecord == entry.SubRecords.Count())
        entry.SubRecords.Item(entry.SubRecords.Append())->Code = code;
    auto& meanings = entry.SubRecords.Item(subRecord)->Meanings;
    auto& meaning = *meanings.Item(meanings.Append());
    meaning.Codes = codes.none() ? TKodyZnaczenia().set(0) : codes;
    meaning.Words.at(static_cast<std::size_t>(meaning.AddAlternative())) = Trim(translation);
    if (makeFirst) {
        meanings.Move(meanings.Count() - 1, 0);
        entry.SubRecords.Move(subRecord, 0);
    }
    user_.Lines->Replace(index, user_.Encode(entry.Serialize(user_)));
    userSerial_ = Serial(user_);
    if (added)
        OnAdd.Notify(index, MainPosition(index));
    return index;
}

int TSlownikDopisan::AddTranslationWide(std::u16string_view headword, std::u16string_view translation, bool makeFirst,
                                        const TKodyZnaczenia& codes, int partOfSpeech)
{
    return AddTranslation(FromWide(headword), FromWide(translation), makeFirst, codes, partOfSpeech);
}

int TSlownikDopisan::QuickAdd(std::string_view text, std::uint8_t interfaceLanguage,
                              std::vector<std::string_view>& rejected)
{
    int count = 0;
    for (const std::string_view item : QuickItems(text)) {
        TPozycjaSzybka parsed;
        if (ParseQuickItem(item, QuickAddLetters(interfaceLanguage), parsed)) {
            AddTranslation(parsed.Word, parsed.Translation, false, {}, parsed.PartOfSpeech);
            ++count;
        } else {
            rejected.push_back(item);
        }
    }
    return count;
}

int TSlownikDopisan::QuickAdd(std::string& text, std::uint8_t interfaceLanguage)
{
    std::vector<std::string_view> rejected;
    const int count = QuickAdd(std::string_view(text), interfaceLanguage, rejected);
    std::string kept;
    for (const std::string_view item : rejected)
        (kept += item) += ';';
    text = std::move(kept);
    return count;
}

bool TSlownikDopisan::DeleteEntry(int index)
{
    if (user_.Lines == nullptr || index < 0 || index >= user_.Count())
        return false;
    const int mainPosition = MainPosition(index);
    user_.Lines->Delete(index);
    positions_.erase(positions_.begin() + index);
    userSerial_ = Serial(user_);
    OnDelete.Notify(index, mainPosition);
    return true;
}

bool TSlownikDopisan::DeleteMeaning(int index, int subRecord, int meaning)
{
    if (user_.Lines == nullptr || index < 0 || index >= user_.Count())
        return false;
    TTransSlownikSlowo entry;
    entry.Assign(user_.GetEntry(index));
    auto* record = entry.SubRecords.Item(subRecord);
    if (record == nullptr || !record->Meanings.Delete(meaning))
        return false;
    if (record->Meanings.Count() == 0)
        entry.SubRecords.Delete(subRecord);
    user_.Lines->Replace(index, user_.Encode(entry.Serialize(user_)));
    userSerial_ = Serial(user_);
    return true;
}

} // namespace velmar
