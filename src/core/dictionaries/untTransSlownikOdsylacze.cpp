// Cross-references between main-dictionary entries: " == headword" in a line means
// that the entry continues with the body of that headword's entry.
#include <set>
#include <string>
#include <string_view>

#include "core/app/untStale.h"
#include "core/dictionaries/untTransSlownikiTypy.h"

namespace velmar {

namespace {

constexpr std::string_view kReferenceMark = " == ";
constexpr std::string_view kReferenceEnd = ",;|\xA6#";
// However the data is written, an entry never grows by more than this many references.
constexpr int kMaxReferences = 256;

std::string ReferenceTarget(std::string_view text)
{
    std::string target(text);
    std::erase(target, '*');
    return Trim(ReplaceAll(target, "  ", " "));
}

// When `second` stands after `first` in the line, the words of the `second`
// sub-record move into the `first` one: the letters of the second code go (its "#"
// stays), and the text up to the next "#" is inserted, after " , ", at the next "#"
// after the first code.
void ReconcileCodes(std::string& line, std::string_view first, std::string_view second)
{
    const std::size_t secondAt = line.find(second);
    if (secondAt == std::string::npos)
        return;
    const std::size_t firstAt = line.find(first);
    if (firstAt == std::string::npos || firstAt >= secondAt)
        return;
    const std::size_t codeStart = secondAt + 1;
    const std::size_t codeEnd = line.find(' ', codeStart);
    line.erase(codeStart, codeEnd - codeStart);
    std::size_t partEnd = line.find('#', codeStart);
    if (partEnd == std::string::npos)
        partEnd = line.size();
    const std::string part = line.substr(codeStart, partEnd - codeStart);
    line.erase(codeStart, partEnd - codeStart);
    std::size_t insertAt = line.find('#', firstAt + 1);
    if (insertAt == std::string::npos)
        insertAt = line.size();
    line.insert(insertAt, " , " + part + " ");
}

void ReconcileFrenchCodes(std::string& line)
{
    static const std::pair<std::string_view, std::string_view> kPairs[] = {
        {"#*7 ", "#? "}, {"#*2 ", "#X "}, {"#*9 ", "#* "}, {"#*K ", "#k "}, {"#*L ", "#\xB3 "},
    };
    for (const auto& [first, second] : kPairs)
        ReconcileCodes(line, first, second);
}

// Polish source: where the inserted body goes — before the first word of the
// sub-record that holds the reference.
std::size_t FirstWordOfSubRecord(const std::string& line, std::size_t reference, char keySeparator)
{
    const std::size_t bodyStart = line.find(keySeparator);
    std::size_t at = bodyStart == std::string::npos ? 0 : bodyStart + 1;
    const std::size_t codeMark = reference == 0 ? std::string::npos : line.rfind('#', reference - 1);
    if (codeMark != std::string::npos && codeMark >= at) {
        at = codeMark + 1;
        while (at < reference && line[at] != ' ')
            ++at;
    }
    while (at < reference && line[at] == ' ')
        ++at;
    return at;
}

} // namespace

std::string TTransSlownikGlowny::GetEntryText(int index) const
{
    const TPrzypiecie pin(*this);
    if (index < 0 || index >= Count())
        return {};
    std::string line = DecodedLine(index);
    std::set<std::string> visited{KeyOf(line)};
    std::size_t from = 0;
    for (int references = 0; references < kMaxReferences; ++references) {
        const std::size_t at = line.find(kReferenceMark, from);
        if (at == std::string::npos)
            break;
        const std::size_t start = line.find_first_not_of(' ', at + kReferenceMark.size());
        std::size_t end = start == std::string::npos ? line.size() : line.find_first_of(kReferenceEnd, start);
        if (end == std::string::npos)
            end = line.size();
        const std::string target =
            ReferenceTarget(std::string_view(line).substr(at, end - at).substr(kReferenceMark.size()));
        line.erase(at, end - at);

        int found = -1;
        if (visited.contains(target) || !FindKeyExact(target, found)) {
            const std::string plain = " " + target + " ";
            line.insert(at, plain);
            from = at + plain.size();
            continue;
        }
        visited.insert(target);
        const std::string targetLine = DecodedLine(found);
        const std::size_t separator = targetLine.find(KeySeparator);
        const std::string body = (separator == std::string::npos ? targetLine : targetLine.substr(separator + 1)) + " ";
        if (SourceLang == jezPolski) {
            from = FirstWordOfSubRecord(line, at, KeySeparator);
            line.insert(from, body);
            ReconcileCodes(line, "#*r ", "#*R ");
        } else {
            line.insert(at, body);
            from = at;
            if (SourceLang == jezFrancuski)
                ReconcileFrenchCodes(line);
        }
    }
    return line;
}

} // namespace velmar
