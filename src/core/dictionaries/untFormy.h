#pragma once
// The readings of an inflected form and the rules that find the base of a word the
// dictionary of inflected forms does not list.
//
// A forms line reads "form\" + one byte of form code + base [+ one priority mark]. One
// form may have several lines (several readings); a search returns them ordered by
// priority. An unlisted word is tried again through the derivation rules of its
// language: Polish endings of conditional, personal and declined forms, French
// derivational suffixes and prefixes.

#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/dictionaries/untDictCompare.h"

namespace velmar {

// A set of form codes (0..255).
using TKodyForm = std::bitset<256>;

// The codes in the closed ranges, e.g. KodyForm({{1, 19}, {80, 204}}).
TKodyForm KodyForm(std::initializer_list<std::pair<int, int>> ranges);

// One reading of an inflected form.
struct TOdwolanie {
    std::string Form;
    std::uint8_t FormCode = 0;
    std::string Base;
    std::int32_t Priority = 50;

    bool operator==(const TOdwolanie&) const = default;
};

// The priority a line's last byte gives its reading: "#" 0, "‡" 10, "@" 20, "†" 30,
// "¤" 70, "*" 80, "±" 90, "+" 100; any other byte is no mark and gives 50.
std::int32_t PriorityOfMark(unsigned char mark);
bool IsPriorityMark(unsigned char mark);

// The form code a Polish reading stands for: the line's code renumbered by the
// priority of the reading (20 and 100 mark another paradigm), and the forms of
// "wymagać" moved to the verbs' own codes.
std::uint8_t RemapPolishFormCode(std::uint8_t code, std::int32_t priority, std::string_view base);

// Whether a Polish reading is one of the product's preferred readings: its form and its
// base are listed for its form code.
bool IsPreferredPolishReading(const TOdwolanie& reading);

// Parses a decoded forms line of the source language. A line without "\" has no form,
// like its key.
TOdwolanie ParseFormLine(std::string_view line, std::uint8_t language);

// The readings found for one form, in order.
class TOdwolania {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    bool Empty() const { return items_.empty(); }
    // The reading at index; a default reading outside 0..Count−1.
    const TOdwolanie& Item(int index) const;
    TOdwolanie& operator[](int index) { return items_.at(static_cast<std::size_t>(index)); }
    void Add(TOdwolanie reading) { items_.push_back(std::move(reading)); }
    void Delete(int index);
    void Exchange(int i, int j);
    void Clear() { items_.clear(); }

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    // Keeps the readings whose code is in codes; gives them newCode when it is > 0.
    // True when any remain.
    bool Keep(const TKodyForm& codes, int newCode);
    bool HasFormCode(const TKodyForm& codes) const;

    // The order of a search result: higher priority first; for a Polish source a
    // participle or verbal-noun reading also gives way to the adjective or noun
    // reading of the same word at no lower priority. Adjacent exchanges until stable,
    // so readings that tie keep their line order.
    void Order(std::uint8_t language);

private:
    std::vector<TOdwolanie> items_;
};

// A rule that turns an unlisted word into a candidate base.
struct TRegulaFormy {
    enum TRodzaj { Suffix, Prefix };
    TRodzaj Kind = Suffix;
    // Suffix: the ending; prefix: a comma list of prefixes, the first that begins the
    // word counts.
    std::string Affix;
    std::string Replacement; // suffix rules only
    TKodyForm Allowed;       // codes the candidate's readings must have
    int NewCode = 0;         // given to the readings that remain; 0 keeps their codes
    std::uint8_t FoundBit = 0;
    std::int32_t WordClass = 0;
    TCechy Features;
    std::string PrefixText;

    // The candidate base when the rule applies to word.
    std::optional<std::string> Candidate(std::string_view word) const;
    // Records the rule's outputs in the options of the winning search.
    void Report(TZnajdzOpcje& options) const;
};

// The rules of a source language in the order they are tried: for Polish the suffix
// rules, for French the derivation rules and then the prefix rules; none otherwise.
const std::vector<TRegulaFormy>& FormRules(std::uint8_t language);

} // namespace velmar
