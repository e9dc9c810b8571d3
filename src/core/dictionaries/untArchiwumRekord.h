#pragma once
// Records of the sentence archive: a source sentence with its stored translations.
//
// A stored text may mark variable parts with <info tekst="T" typ="%kind%"> elements, so
// that a sentence differing from a stored one only in a number or a name still finds
// it. Each text keeps its raw form and four views: the plain text, and three views in
// which ever more kinds of element are replaced by a placeholder — the kind for a
// source sentence, "%n%" (the element's running number) for a translation.

#include <string>
#include <string_view>
#include <vector>

namespace velmar {

// Separators of a record line: "source \x14 translation \x15 translation…".
inline constexpr char kArchiwumSeparatorKlucza = '\x14';
inline constexpr char kArchiwumSeparatorTlumaczen = '\x15';

// The view a similarity level selects: above 90 the plain text, 81–90 View90,
// 71–80 View80, 70 and below View70.
enum class TWidokArchiwum { Plain, View90, View80, View70 };
TWidokArchiwum ViewOfLevel(int level);

// A text with its views.
class TTransSlownikZdanCustomTlumZdanie {
public:
    virtual ~TTransSlownikZdanCustomTlumZdanie() = default;

    // Fills the five fields; numbered placeholders ("%1%") are used in translations.
    void SetRaw(std::string_view text, bool numbered);
    const std::string& ViewAt(int level) const;

    std::string Raw;
    std::string Plain;
    std::string View90;
    std::string View80;
    std::string View70;
};

class TTransSlownikZdanTlumaczenie : public TTransSlownikZdanCustomTlumZdanie {};

// The translations of a record, in order.
class TTransSlownikZdanTlumaczenia {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    // nullptr outside the range.
    TTransSlownikZdanTlumaczenie* Item(int index);
    const TTransSlownikZdanTlumaczenie* Item(int index) const;
    int Add();
    void Delete(int index);
    void Clear() { items_.clear(); }

private:
    std::vector<TTransSlownikZdanTlumaczenie> items_;
};

// One record: the source sentence's views and its translations.
class TTransSlownikZdanZdanie : public TTransSlownikZdanCustomTlumZdanie {
public:
    // Reads a decoded line body.
    void ParseRecord(std::string_view body);
    // The line body: raw source, " \x14 ", raw translations joined by " \x15 ".
    std::string SerialiseRecord() const;

    // Appends the text as a translation unless one with that plain text exists.
    bool AddTranslationText(std::string_view text);
    // Replaces the first translation whose plain text is old.
    bool ReplaceTranslationText(std::string_view old, std::string_view replacement);
    // Deletes the first translation whose plain text is text.
    bool DeleteTranslationText(std::string_view text);

    TTransSlownikZdanTlumaczenia Translations;
};

// Marks numbers and proper names that occur in both texts, in source order, as
// %number% / %propname% elements in both.
void AutoMark(std::string& source, std::string& translation);

// A sentence as the similarity search compares it: numbers, and with names also the
// capitalised words after the first, stand as "%number%" and "%propname%"; Replaced
// keeps their texts in order.
struct TZdanieZastepcze {
    std::string Text;
    std::vector<std::string> Replaced;
};
TZdanieZastepcze MarkVariableParts(std::string_view sentence, bool names);
// A stored translation's view with "%1%", "%2%"… replaced by the texts, in order; a
// placeholder without a text stays.
std::string FillPlaceholders(std::string_view view, const std::vector<std::string>& texts);

// Why a text cannot be stored in the archive as it stands: it would read back
// differently (a separator byte splits it, "<info " turns into markup) or not at all.
enum class TProblemTekstuArchiwum { None, Empty, Separator, Markup };
TProblemTekstuArchiwum ArchiveTextProblem(std::string_view text);
// An English description of a problem, for the command line.
const char* DescribeArchiveTextProblem(TProblemTekstuArchiwum problem);

} // namespace velmar
