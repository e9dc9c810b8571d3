// The operations of the small dictionaries: forms readings, categories, words not to
// translate and data lines.
#include <set>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/dictionaries/untDictCompare.h"
#include "core/dictionaries/untTransSlownikiTypy.h"

namespace velmar {

TOdwolanie TTransSlownikOdwolan::ReadingAt(int index) const
{
    const TPrzypiecie pin(*this);
    if (index < 0 || index >= Count())
        return {};
    return ParseFormLine(DecodedLine(index), SourceLang);
}

// ---------------------------------------------------------------- categories

std::string TTransSlownikKategorii::Definition(std::string_view name)
{
    const TPrzypiecie pin(*this);
    int index = 0;
    if (name.empty() || !FindExact(name, index))
        return {};
    const std::string line = DecodedLine(index);
    const std::size_t equals = line.find(KeySeparator);
    return equals == std::string::npos ? std::string() : line.substr(equals + 1);
}

bool TTransSlownikKategorii::InCategory(std::string_view word, std::string_view name)
{
    const std::string definition = Definition(name);
    return !definition.empty() && InCommaList(word, definition);
}

void TTransSlownikKategorii::ResolveReferences()
{
    for (int index = 0; index < Count(); ++index) {
        std::string line = DecodedLine(index);
        std::size_t start = line.find(KeySeparator);
        if (start == std::string::npos)
            continue;
        ++start;
        std::set<std::string> expanded;
        bool changed = false;
        while (start <= line.size()) {
            std::size_t end = line.find(ItemSeparator, start);
            if (end == std::string::npos)
                end = line.size();
            const std::string item = line.substr(start, end - start);
            if (item.size() > 1 && item.back() == '$' && expanded.insert(item).second) {
                const std::string definition = Definition(item);
                if (!definition.empty()) {
                    // Scanning goes on at the inserted items, so nested names expand too.
                    line.replace(start, item.size(), definition);
                    changed = true;
                    continue;
                }
            }
            start = end + 1;
        }
        if (changed)
            Lines->Replace(index, Encode(line));
    }
}

// ---------------------------------------------------------------- words not to translate

bool TTransSlownikNieTlum::AddWord(std::string_view word, int& index)
{
    const std::string trimmed = Trim(word);
    index = -1;
    if (trimmed.empty() || !Lines)
        return false;
    if (FindExact(trimmed, index))
        return false;
    if (index < 0)
        index = 0;
    if (index < Count() && DictCompare(trimmed, GetKey(index), SourceLang) > 0)
        ++index;
    return Lines->Insert(index, Encode(trimmed + " " + KeySeparator));
}

bool TTransSlownikNieTlum::AddWordWide(std::u16string_view word, int& index)
{
    return AddWord(FromWide(word), index);
}

bool TTransSlownikNieTlum::DeleteWord(int index)
{
    return Lines && Lines->Delete(index);
}

// ---------------------------------------------------------------- data lines

std::string TTransSlownikDanych::ValueAt(int index) const
{
    const std::string line = DecodedLine(index);
    std::size_t separator = line.find(KeySeparator);
    if (separator == std::string::npos)
        separator = line.find(' ');
    if (separator == std::string::npos)
        return {};
    std::string value = Trim(std::string_view(line).substr(separator + 1));
    if (FoldAccents && SourceLang == jezFrancuski)
        value = AccentFold(value, SourceAlphabet, 3);
    return value;
}

} // namespace velmar
