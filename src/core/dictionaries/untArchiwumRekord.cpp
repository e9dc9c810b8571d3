#include "core/dictionaries/untArchiwumRekord.h"

#include <charconv>
#include <map>

#include "core/app/untUtils.h"

namespace velmar {

namespace {

constexpr std::string_view kElementOpening = "<info ";
constexpr std::string_view kTokenSeparators = " !,.:;?";

// How far a kind of element is ignored: it gives its placeholder from this view on.
enum TStopien { stOd90 = 0, stOd80 = 1, stOd70 = 2, stNigdy = 3 };

TStopien DegreeOfKind(std::string_view kind)
{
    if (kind == "%number%" || kind == "%propname%" || kind == "%cityname%")
        return stOd90;
    if (kind == "%numeral%" || kind == "%determiner%")
        return stOd80;
    if (kind == "%verb%" || kind == "%article%" || kind == "%perspron%")
        return stOd70;
    return stNigdy;
}

// The attributes inside an element: name=value pairs, a value in double quotes or
// running to the next space.
std::map<std::string, std::string> ParseAttributes(std::string_view inner)
{
    std::map<std::string, std::string> attributes;
    std::size_t pos = 0;
    while (pos < inner.size()) {
        while (pos < inner.size() && inner[pos] == ' ')
            ++pos;
        const std::size_t equals = inner.find('=', pos);
        if (equals == std::string_view::npos)
            break;
        const std::string name = Trim(inner.substr(pos, equals - pos));
        std::size_t valueStart = equals + 1;
        std::size_t valueEnd;
        if (valueStart < inner.size() && inner[valueStart] == '"') {
            ++valueStart;
            valueEnd = inner.find('"', valueStart);
            pos = valueEnd == std::string_view::npos ? inner.size() : valueEnd + 1;
        } else {
            valueEnd = inner.find(' ', valueStart);
            pos = valueEnd;
        }
        if (valueEnd == std::string_view::npos)
            valueEnd = inner.size();
        attributes[name] = std::string(inner.substr(valueStart, valueEnd - valueStart));
        if (pos == std::string_view::npos)
            break;
    }
    return attributes;
}

bool ReadsAsNumber(std::string_view token)
{
    double value = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    return error == std::errc() && end == token.data() + token.size();
}

struct TToken {
    std::size_t Start;
    std::size_t Length;
};

std::vector<TToken> Tokens(std::string_view text, std::size_t from = 0)
{
    std::vector<TToken> tokens;
    std::size_t pos = from;
    while (pos < text.size()) {
        const std::size_t start = text.find_first_not_of(kTokenSeparators, pos);
        if (start == std::string_view::npos)
            break;
        std::size_t end = text.find_first_of(kTokenSeparators, start);
        if (end == std::string_view::npos)
            end = text.size();
        tokens.push_back({start, end - start});
        pos = end;
    }
    return tokens;
}

// The kind a source token is marked as, or nothing.
const char* MarkOfToken(std::string_view token, bool atStart)
{
    // Such tokens would break the element they are written into.
    if (token.find_first_of("\"<>") != std::string_view::npos)
        return nullptr;
    const auto first = static_cast<unsigned char>(token.front());
    if (IsDigitChar(first) && ReadsAsNumber(token))
        return "%number%";
    if (!atStart && IsUpperLetter(first))
        return "%propname%";
    return nullptr;
}

std::string Element(std::string_view token, const char* kind)
{
    return "<info tekst=\"" + std::string(token) + "\" typ=\"" + kind + "\">";
}

} // namespace

TWidokArchiwum ViewOfLevel(int level)
{
    if (level > 90)
        return TWidokArchiwum::Plain;
    if (level > 80)
        return TWidokArchiwum::View90;
    if (level > 70)
        return TWidokArchiwum::View80;
    return TWidokArchiwum::View70;
}

void TTransSlownikZdanCustomTlumZdanie::SetRaw(std::string_view text, bool numbered)
{
    Raw = std::string(text);
    Plain.clear();
    View90.clear();
    View80.clear();
    View70.clear();
    auto appendToAll = [this](std::string_view part) {
        Plain += part;
        View90 += part;
        View80 += part;
        View70 += part;
    };

    int counter = 1;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t open = text.find(kElementOpening, pos);
        const std::size_t close = open == std::string_view::npos ? open : text.find('>', open);
        if (close == std::string_view::npos) {
            appendToAll(text.substr(pos));
            break;
        }
        appendToAll(text.substr(pos, open - pos));
        const auto attributes =
            ParseAttributes(text.substr(open + kElementOpening.size(), close - open - kElementOpening.size()));
        const auto find = [&](const char* name) {
            const auto it = attributes.find(name);
            return it == attributes.end() ? std::string() : it->second;
        };
        const std::string shown = find("tekst");
        const std::string kind = find("typ");
        const std::string placeholder = numbered ? "%" + std::to_string(counter) + "%" : kind;
        const TStopien degree = DegreeOfKind(kind);
        Plain += shown;
        View90 += degree <= stOd90 ? placeholder : shown;
        View80 += degree <= stOd80 ? placeholder : shown;
        View70 += degree <= stOd70 ? placeholder : shown;
        ++counter;
        pos = close + 1;
    }
}

const std::string& TTransSlownikZdanCustomTlumZdanie::ViewAt(int level) const
{
    switch (ViewOfLevel(level)) {
    case TWidokArchiwum::Plain: return Plain;
    case TWidokArchiwum::View90: return View90;
    case TWidokArchiwum::View80: return View80;
    case TWidokArchiwum::View70: return View70;
    }
    return Plain;
}

TTransSlownikZdanTlumaczenie* TTransSlownikZdanTlumaczenia::Item(int index)
{
    return index >= 0 && index < Count() ? &items_[static_cast<std::size_t>(index)] : nullptr;
}

const TTransSlownikZdanTlumaczenie* TTransSlownikZdanTlumaczenia::Item(int index) const
{
    return index >= 0 && index < Count() ? &items_[static_cast<std::size_t>(index)] : nullptr;
}

int TTransSlownikZdanTlumaczenia::Add()
{
    items_.emplace_back();
    return Count() - 1;
}

void TTransSlownikZdanTlumaczenia::Delete(int index)
{
    if (index >= 0 && index < Count())
        items_.erase(items_.begin() + index);
}

void TTransSlownikZdanZdanie::ParseRecord(std::string_view body)
{
    Translations.Clear();
    std::string_view source;
    std::string_view rest;
    const std::size_t separator = body.find(kArchiwumSeparatorKlucza);
    if (separator != std::string_view::npos) {
        source = body.substr(0, separator);
        rest = body.substr(separator + 1);
    } else {
        const std::size_t space = body.find(' ');
        const bool cut = space != std::string_view::npos && space > 0;
        source = cut ? body.substr(0, space) : body;
        rest = cut ? body.substr(space + 1) : std::string_view();
    }
    SetRaw(Trim(source), false);

    std::size_t start = 0;
    while (start <= rest.size() && !rest.empty()) {
        std::size_t end = rest.find(kArchiwumSeparatorTlumaczen, start);
        if (end == std::string_view::npos)
            end = rest.size();
        const std::string piece = Trim(rest.substr(start, end - start));
        if (!piece.empty())
            Translations.Item(Translations.Add())->SetRaw(piece, true);
        start = end + 1;
    }
}

std::string TTransSlownikZdanZdanie::SerialiseRecord() const
{
    std::string body = Raw + " " + kArchiwumSeparatorKlucza + " ";
    for (int i = 0; i < Translations.Count(); ++i) {
        if (i > 0)
            body += std::string(" ") + kArchiwumSeparatorTlumaczen + " ";
        body += Translations.Item(i)->Raw;
    }
    return body;
}

bool TTransSlownikZdanZdanie::AddTranslationText(std::string_view text)
{
    for (int i = 0; i < Translations.Count(); ++i)
        if (Translations.Item(i)->Plain == text)
            return false;
    Translations.Item(Translations.Add())->SetRaw(text, true);
    return true;
}

bool TTransSlownikZdanZdanie::ReplaceTranslationText(std::string_view old, std::string_view replacement)
{
    for (int i = 0; i < Translations.Count(); ++i) {
        if (Translations.Item(i)->Plain == old) {
            Translations.Item(i)->SetRaw(replacement, true);
            return true;
        }
    }
    return false;
}

bool TTransSlownikZdanZdanie::DeleteTranslationText(std::string_view text)
{
    for (int i = 0; i < Translations.Count(); ++i) {
        if (Translations.Item(i)->Plain == text) {
            Translations.Delete(i);
            return true;
        }
    }
    return false;
}

void AutoMark(std::string& source, std::string& translation)
{
    std::string markedSource;
    std::size_t copied = 0;
    std::size_t searchFrom = 0;
    for (const auto& token : Tokens(source)) {
        const std::string_view text = std::string_view(source).substr(token.Start, token.Length);
        const char* kind = MarkOfToken(text, token.Start == 0);
        if (!kind)
            continue;
        for (const auto& candidate : Tokens(translation, searchFrom)) {
            if (std::string_view(translation).substr(candidate.Start, candidate.Length) != text)
                continue;
            const std::string element = Element(text, kind);
            translation.replace(candidate.Start, candidate.Length, element);
            searchFrom = candidate.Start + element.size();
            markedSource.append(source, copied, token.Start - copied);
            markedSource += element;
            copied = token.Start + token.Length;
            break;
        }
    }
    markedSource.append(source, copied);
    source = std::move(markedSource);
}

TZdanieZastepcze MarkVariableParts(std::string_view sentence, bool names)
{
    TZdanieZastepcze marked;
    std::size_t copied = 0;
    for (const auto& token : Tokens(sentence)) {
        const std::string_view text = sentence.substr(token.Start, token.Length);
        const char* kind = MarkOfToken(text, token.Start == 0);
        if (!kind || (!names && std::string_view(kind) == "%propname%"))
            continue;
        marked.Text.append(sentence.substr(copied, token.Start - copied));
        marked.Text += kind;
        marked.Replaced.emplace_back(text);
        copied = token.Start + token.Length;
    }
    marked.Text.append(sentence.substr(copied));
    return marked;
}

std::string FillPlaceholders(std::string_view view, const std::vector<std::string>& texts)
{
    std::string filled(view);
    for (std::size_t i = 0; i < texts.size(); ++i)
        filled = ReplaceAll(filled, "%" + std::to_string(i + 1) + "%", texts[i]);
    return filled;
}

TProblemTekstuArchiwum ArchiveTextProblem(std::string_view text)
{
    if (Trim(text).empty())
        return TProblemTekstuArchiwum::Empty;
    if (text.find_first_of(std::string{kArchiwumSeparatorKlucza, kArchiwumSeparatorTlumaczen}) !=
        std::string_view::npos)
        return TProblemTekstuArchiwum::Separator;
    if (text.find(kElementOpening) != std::string_view::npos)
        return TProblemTekstuArchiwum::Markup;
    return TProblemTekstuArchiwum::None;
}

const char* DescribeArchiveTextProblem(TProblemTekstuArchiwum problem)
{
    switch (problem) {
    case TProblemTekstuArchiwum::None: return "";
    case TProblemTekstuArchiwum::Empty: return "the text is empty";
    case TProblemTekstuArchiwum::Separator:
        return "the text holds a control byte (20 or 21) that separates the parts of an archive record";
    case TProblemTekstuArchiwum::Markup:
        return "the text holds \"<info \", which the archive would read as the markup of a variable part";
    }
    return "";
}

} // namespace velmar
