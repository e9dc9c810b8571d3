// Parsing of a decoded main-dictionary line into an entry. Every loop either
// consumes text or moves a cursor forwards, so a malformed line ends in finite time
// with whatever the steps could extract.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/untStale.h"
#include "core/dictionaries/untTransSlownikSlowo.h"
#include "core/dictionaries/untTransSlownikiTypy.h"

namespace velmar {

namespace {

constexpr char kSign = '\xA4';      // "¤"
constexpr char kHidden = '\x89';    // "‰"
constexpr char kPlusMinus = '\xB1'; // "±"
constexpr char kBrokenBar = '\xA6'; // "¦"
constexpr char kGroupMark = '\xF7'; // "÷"
constexpr char kReflexive = '\xF8'; // "ř"

const std::string& SignMark()
{
    static const std::string mark = std::string("(") + kSign + ")";
    return mark;
}

// Characters cleaned out of sub-record codes and word codes: & = ‡ ¤ ± đ.
const TZbiorZnakow& CodeNoise()
{
    static const TZbiorZnakow noise = CharsToSet("&=\x87\xA4\xB1\xF0");
    return noise;
}

// The bytes that end a meaning: , ; | ¦ #.
const TZbiorZnakow& MeaningSeparators()
{
    static const TZbiorZnakow separators = CharsToSet(",;|\xA6#");
    return separators;
}

// s without the bytes up to the space at both ends, as Trim cuts them, without a copy.
std::string_view Trimmed(std::string_view s)
{
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ')
        s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ')
        s.remove_suffix(1);
    return s;
}

// The index of the bracket that closes the one at open; npos when it is not closed.
std::size_t BracketEnd(std::string_view s, std::size_t open)
{
    return s.find(ClosingBracket(s[open]), open + 1);
}

// Cuts s[from, through the closing bracket] (to the end when not closed) out of s.
std::string TakeBracket(std::string& s, std::size_t open)
{
    const std::size_t close = BracketEnd(s, open);
    const std::size_t length = close == std::string::npos ? std::string::npos : close - open + 1;
    std::string taken = s.substr(open, length);
    s.erase(open, length);
    return taken;
}

std::string BracesToParentheses(std::string text)
{
    for (char& c : text) {
        if (c == '{')
            c = '(';
        else if (c == '}')
            c = ')';
    }
    return text;
}

std::size_t SkipSpaces(std::string_view s, std::size_t at)
{
    while (at < s.size() && s[at] == ' ')
        ++at;
    return at;
}

std::size_t TokenEnd(std::string_view s, std::size_t at)
{
    const std::size_t space = s.find(' ', at);
    return space == std::string_view::npos ? s.size() : space;
}

// ---------------------------------------------------------------- name tags

struct TZnacznikNazwy {
    const char* Tag; // UTF-8
    std::initializer_list<int> Bits;
};

void AddNameClasses(const std::string& group, TKlasyNazw& classes)
{
    static const TZnacznikNazwy kTags[] = {
        {"{imię kobiety}", {149, 159, 161}},
        {"{imię żeńskie}", {149, 159, 161}},
        {"{imię mężczyzny}", {149, 159, 160}},
        {"{imię męskie}", {149, 159, 160}},
        {"{imię}", {149, 159}},
        {"{miasto}", {163, 164}},
        {"{nazwa miasta}", {163, 164}},
        {"{departament}", {163, 164}},
    };
    for (const auto& tag : kTags)
        if (group == FromUtf8(tag.Tag))
            for (const int bit : tag.Bits)
                classes.set(static_cast<std::size_t>(bit));
}

// ---------------------------------------------------------------- phrases

// Moves an alternative marked " ‰" out of a comma list into a note: the first
// alternative into NoteA, a later one into NoteB.
void TakeNotedAlternatives(std::string& text, TTransSlownikZwrot& phrase)
{
    const std::string mark = std::string(" ") + kHidden;
    for (std::size_t at; (at = text.find(mark)) != std::string::npos;) {
        text.erase(at, mark.size());
        const std::size_t before = at == 0 ? std::string::npos : text.rfind(',', at - 1);
        const std::size_t after = text.find(',', at);
        const std::size_t end = after == std::string::npos ? text.size() : after;
        if (before == std::string::npos) {
            phrase.NoteA = Trim(std::string_view(text).substr(0, end));
            text.erase(0, after == std::string::npos ? end : end + 1);
        } else {
            phrase.NoteB = Trim(std::string_view(text).substr(before + 1, end - before - 1));
            text.erase(before, end - before);
        }
    }
}

void ParsePhrase(std::string_view text, const TTransSlownik& dictionary, bool foldAccents, TTransSlownikZwrot& phrase)
{
    if (!text.empty() && text.front() == dictionary.PhraseMark)
        text.remove_prefix(1);
    phrase.Source = ExtractKey(text, dictionary);
    if (foldAccents && dictionary.SourceLang == jezFrancuski)
        phrase.Source = AccentFold(phrase.Source, dictionary.SourceAlphabet, 3);
    const std::size_t separator = text.find(dictionary.KeySeparator);
    std::string rest = separator == std::string_view::npos ? std::string() : std::string(text.substr(separator + 1));
    const std::size_t space = rest.find(' ');
    if (space != std::string::npos && space >= 1) {
        phrase.Code = rest.substr(0, space);
        rest.erase(0, space);
    }
    TakeNotedAlternatives(rest, phrase);
    phrase.Translation = Trim(rest);
    if (foldAccents && dictionary.TargetLang == jezFrancuski)
        phrase.Translation = AccentFold(phrase.Translation, dictionary.TargetAlphabet, 3);
}

// ---------------------------------------------------------------- meanings

void ParseValency(std::string_view item, std::uint8_t targetLanguage, TTransSlownikRekcja& valency)
{
    const std::size_t colon = item.find(':');
    const std::string_view left = colon == std::string_view::npos ? std::string_view() : item.substr(0, colon);
    const std::string_view rest = colon == std::string_view::npos ? item : item.substr(colon + 1);
    if (!left.empty() && IsDigitChar(static_cast<unsigned char>(left.front())))
        valency.SourceCase = std::string(left);
    else
        valency.SourceText = std::string(left);
    std::size_t digit = 0;
    while (digit < rest.size() && !IsDigitChar(static_cast<unsigned char>(rest[digit])))
        ++digit;
    valency.Preposition = std::string(rest.substr(0, digit));
    valency.TargetCase = std::string(rest.substr(digit));
    if (targetLanguage == jezPolski) {
        if (valency.Preposition == "zpowodu")
            valency.Preposition = "z powodu";
        else if (valency.Preposition == "zestrony")
            valency.Preposition = "ze strony";
    }
}

// The variant text of a meaning with angle-bracket groups: each group takes the place
// of the word before it (with that word's "*code"). Empty when no group replaced a word.
std::string VariantText(const std::string& text)
{
    std::string variant = text;
    bool replaced = false;
    std::size_t at = 0;
    while ((at = variant.find('<', at)) != std::string::npos) {
        const std::size_t close = BracketEnd(variant, at);
        const std::size_t end = close == std::string::npos ? variant.size() : close + 1;
        const std::string inner =
            variant.substr(at + 1, (close == std::string::npos ? variant.size() : close) - at - 1);
        if (inner.find_first_not_of(std::string(" ") + kPlusMinus) == std::string::npos) {
            variant.erase(at, end - at);
            continue;
        }
        // The word before the group, and the word before that when this one is a code.
        std::size_t wordStart = at;
        for (int words = 0; words < 2; ++words) {
            std::size_t cursor = wordStart;
            while (cursor > 0 && variant[cursor - 1] == ' ')
                --cursor;
            const std::size_t wordEnd = cursor;
            while (cursor > 0 && variant[cursor - 1] != ' ')
                --cursor;
            if (cursor == wordEnd)
                break;
            wordStart = cursor;
            if (variant[cursor] != '*')
                break;
        }
        if (wordStart == at) {
            at = end;
            continue;
        }
        variant.replace(wordStart, end - wordStart, inner);
        at = wordStart + inner.size();
        replaced = true;
    }
    if (!replaced)
        return {};
    std::erase_if(variant, [](char c) { return c == '<' || c == '>' || c == kPlusMinus; });
    return variant;
}

// Reads the alternative that starts at `at`: comment, word, code, extra, gloss.
std::size_t ReadAlternative(std::string_view text, std::size_t at, const TTransSlownik& dictionary,
                            TTransSlownikZnaczenie& meaning)
{
    const auto i = static_cast<std::size_t>(meaning.AddAlternative());
    const auto takeBracket = [&](const TZbiorZnakow& openers, std::string& into) {
        at = SkipSpaces(text, at);
        if (at < text.size() && openers.test(static_cast<unsigned char>(text[at]))) {
            const std::size_t close = BracketEnd(text, at);
            const std::size_t end = close == std::string::npos ? text.size() : close + 1;
            into = BracesToParentheses(std::string(text.substr(at, end - at)));
            at = end;
        }
    };
    takeBracket(dictionary.CharSet4, meaning.Comments[i]);
    at = SkipSpaces(text, at);
    if (at < text.size() && std::string_view("($*+").find(text[at]) == std::string_view::npos &&
        text[at] != dictionary.ValencyMark) {
        const std::size_t end = TokenEnd(text, at);
        meaning.Words[i] = text.substr(at, end - at);
        at = end;
    }
    at = SkipSpaces(text, at);
    if (at < text.size() && text[at] == '*') {
        const std::size_t end = TokenEnd(text, at);
        std::string code(text.substr(at, end - at));
        DeleteCharsInSet(code, CodeNoise());
        // The cleaning may leave control bytes at the end, where they would end the
        // meaning when the entry is written and read again, and be trimmed away.
        meaning.WordCodes[i] = Trimmed(code);
        at = end;
    }
    takeBracket(dictionary.CharSet3, meaning.Extras[i]);
    takeBracket(dictionary.CharSet4, meaning.Glosses[i]);
    return at;
}

// Fills a meaning from its text; returns the variant text to add after it, if any.
std::string ParseMeaning(std::string_view source, const TTransSlownik& dictionary, TTransSlownikZnaczenie& meaning)
{
    const bool alt1 = meaning.Alt1;
    const bool alt2 = meaning.Alt2;
    meaning.ClearMeaning();
    meaning.Alt1 = alt1;
    meaning.Alt2 = alt2;

    // Most meanings need no edit and are read where they stand.
    std::string variant;
    std::string edited;
    std::string_view text = source;
    // One pass tells both; a meaning is short, so a loop costs less than two searches.
    bool angle = false, hidden = false;
    for (const char c : source) {
        angle = angle || c == '<';
        hidden = hidden || c == kHidden;
    }
    const bool variants = dictionary.SourceLang != jezPolski && angle;
    if (variants || hidden) {
        edited = std::string(source);
        if (variants) {
            variant = VariantText(edited);
            RemoveBracketed(edited, "<");
        }
        if (edited.find(kHidden) != std::string::npos) {
            meaning.Hidden = true;
            std::erase(edited, kHidden);
        }
        text = edited;
    }
    std::size_t at = 0;
    while ((at = SkipSpaces(text, at)) < text.size()) {
        const char c = text[at];
        if (c == '[') {
            const std::size_t close = BracketEnd(text, at);
            at = close == std::string::npos ? text.size() : close + 1;
        } else if (c == '+' || c == '&') {
            const std::size_t end = TokenEnd(text, at);
            const std::string_view name = text.substr(at + 1, end - at - 1);
            if (name.empty() && c == '+') {
                if (!meaning.Alt1 && !meaning.Alt2)
                    meaning.Plus = true;
            } else if (const int bit = MeaningCodeBit(name); bit >= 0) {
                meaning.Codes.set(static_cast<std::size_t>(bit));
            }
            at = end;
        } else if (c == dictionary.ValencyMark) {
            const std::size_t end = TokenEnd(text, at);
            if (end > at + 1) {
                const int index = meaning.Valency.Append();
                ParseValency(text.substr(at + 1, end - at - 1), dictionary.TargetLang, *meaning.Valency.Item(index));
            }
            at = end;
        } else {
            const std::size_t next = ReadAlternative(text, at, dictionary, meaning);
            at = next > at ? next : TokenEnd(text, at + 1); // a bracket this kind does not read
        }
    }
    if (meaning.Codes.none()) {
        meaning.Codes.set(0);
        meaning.Codes.set(32);
    }
    return variant;
}

// The next meaning separator at or after `at`, outside brackets of CharSet3/CharSet4.
std::size_t NextSeparator(std::string_view text, std::size_t at, const TTransSlownik& dictionary)
{
    const TZbiorZnakow openers = dictionary.CharSet3 | dictionary.CharSet4;
    while (at < text.size()) {
        const char c = text[at];
        if (openers.test(static_cast<unsigned char>(c))) {
            const std::size_t close = BracketEnd(text, at);
            if (close == std::string_view::npos)
                return std::string_view::npos;
            at = close + 1;
        } else if (MeaningSeparators().test(static_cast<unsigned char>(c))) {
            return at;
        } else {
            ++at;
        }
    }
    return std::string_view::npos;
}

bool IsPolishMarker(const std::string& code)
{
    static const std::string markers = FromUtf8("<*t><*i><*r><*R><*T><*x><*y><*h><*C><*ř><*‰>");
    return !code.empty() && InTagList(code, markers);
}

// ---------------------------------------------------------------- entry steps

// Takes every brace group out of the body; returns their contents, concatenated.
std::string TakeBraceGroups(std::string& body, TKlasyNazw* nameClasses)
{
    std::string inner;
    for (std::size_t at; (at = body.find('{')) != std::string::npos;) {
        const std::string group = TakeBracket(body, at);
        if (nameClasses)
            AddNameClasses(group, *nameClasses);
        const bool closed = group.size() >= 2 && group.back() == '}';
        inner += group.substr(1, closed ? group.size() - 2 : std::string::npos);
    }
    return inner;
}

void TakeMarkerValues(std::string& body, const std::string& marker, std::string& value)
{
    for (std::size_t at; (at = body.find(marker)) != std::string::npos;) {
        body.erase(at, marker.size());
        const std::size_t end = body.find(' ', at);
        const std::size_t length = end == std::string::npos ? std::string::npos : end - at;
        value = body.substr(at, length);
        body.erase(at, length);
    }
}

void TakePhrases(std::string& body, const TTransSlownik& dictionary, bool keepPhrases, bool foldAccents,
                 TTransSlownikZwroty& phrases)
{
    const char mark = dictionary.PhraseMark;
    if (!keepPhrases) {
        const std::size_t at = body.find(mark);
        if (at != std::string::npos)
            body.erase(at);
        return;
    }
    for (std::size_t at; (at = body.find(mark)) != std::string::npos;) {
        const std::size_t next = body.find(mark, at + 1);
        const std::size_t length = next == std::string::npos ? std::string::npos : next - at;
        const int index = phrases.Append();
        ParsePhrase(std::string_view(body).substr(at, length), dictionary, foldAccents, *phrases.Item(index));
        body.erase(at, length);
    }
}

void SplitSubRecords(const std::string& body, const TTransSlownik& dictionary, TTransSlownikPodrekordy& subRecords)
{
    const bool polish = dictionary.SourceLang == jezPolski;
    std::string defaultCode;
    std::size_t at = 0;
    while (at < body.size()) {
        while (at < body.size() && body[at] == dictionary.CodeMark)
            ++at;
        std::size_t end = body.find(dictionary.CodeMark, at);
        if (end == std::string::npos)
            end = body.size();
        const std::string_view segment = std::string_view(body).substr(at, end - at);
        at = end;
        const std::string_view trimmed = Trimmed(segment);
        if (trimmed.empty())
            continue;
        if (polish && segment.front() != ' ' && trimmed.find(' ') == std::string_view::npos) {
            defaultCode = std::string(trimmed);
            continue;
        }
        subRecords.Add(segment, defaultCode, dictionary);
    }
}

// Polish source: a marker sub-record ("*r", "*ř", "*‰", "*x") joins the sub-record of
// the same code it belongs to.
void MergeMarkerSubRecords(TTransSlownikPodrekordy& subRecords)
{
    static const std::string mergeable = FromUtf8("<*r><*ř><*‰><*x>");
    static const std::string targets = FromUtf8("<*r><*ř><*‰>");
    static const std::string hiddenMarker = FromUtf8("*‰");
    for (int i = 1; i < subRecords.Count(); ++i) {
        auto* current = subRecords.Item(i);
        auto* previous = subRecords.Item(i - 1);
        if (current->Code.empty() && !current->Marker.empty())
            current->Code = previous->Code;
    }
    int i = 0;
    while (i < subRecords.Count()) {
        const auto* candidate = subRecords.Item(i);
        if (!InTagList(candidate->Marker, mergeable)) {
            ++i;
            continue;
        }
        const std::string& code = candidate->Code;
        int runStart = i;
        while (runStart > 0 && subRecords.Item(runStart - 1)->Code == code)
            --runStart;
        int runEnd = i;
        while (runEnd + 1 < subRecords.Count() && subRecords.Item(runEnd + 1)->Code == code)
            ++runEnd;
        int j = runStart;
        if (candidate->Marker != "*x")
            while (j <= runEnd && (j == i || !InTagList(subRecords.Item(j)->Marker, targets)))
                ++j;
        if (j == i || j > runEnd || subRecords.Item(j)->Marker == hiddenMarker) {
            ++i;
            continue;
        }
        auto* into = subRecords.Item(j);
        if (into->Meanings.Count() > 0)
            into->Meanings.Item(into->Meanings.Count() - 1)->GroupEnd = true;
        for (const auto& meaning : subRecords.Item(i)->Meanings) {
            const int index = into->Meanings.Append();
            into->Meanings.Item(index)->Assign(*meaning);
        }
        subRecords.Delete(i);
    }
}

void NumberGroups(TTransSlownikPodrekordy& subRecords)
{
    int group = 0;
    const TTransSlownikPodrekord* previous = nullptr;
    for (const auto& subRecord : subRecords) {
        if (!previous || previous->Code != subRecord->Code)
            ++group;
        subRecord->GroupLabel = std::string(1, kGroupMark) + std::to_string(group);
        previous = subRecord.get();
    }
}

void MergeDuplicateMeanings(TTransSlownikZnaczenia& meanings)
{
    if (meanings.Count() < 2)
        return;
    // The display text of each meaning kept so far, by its index.
    std::vector<std::string> kept{meanings.Item(0)->DisplayText()};
    for (int i = 1; i < meanings.Count(); ++i) {
        std::string text = meanings.Item(i)->DisplayText();
        const auto same = std::find(kept.begin(), kept.end(), text);
        if (same == kept.end()) {
            kept.push_back(std::move(text));
            continue;
        }
        auto* into = meanings.Item(static_cast<int>(same - kept.begin()));
        const auto* duplicate = meanings.Item(i);
        into->Codes |= duplicate->Codes;
        into->Plus = into->Plus || duplicate->Plus;
        meanings.Delete(i--);
    }
}

} // namespace

// ---------------------------------------------------------------- lists

int TTransSlownikZnaczenia::AddMeaning(std::string_view text, bool alt1, const TTransSlownik& dictionary, bool groupEnd,
                                       bool alt2)
{
    const int index = Append();
    auto* meaning = Item(index);
    meaning->Alt1 = alt1;
    meaning->Alt2 = alt2;
    std::string variant;
    if (!text.empty())
        variant = ParseMeaning(text, dictionary, *meaning);
    meaning->GroupEnd = groupEnd;
    if (!variant.empty()) {
        const bool plusMinus = text.find(kPlusMinus) != std::string_view::npos;
        AddMeaning(variant, !plusMinus, dictionary, groupEnd, plusMinus);
    }
    return index;
}

int TTransSlownikPodrekordy::Add(std::string_view segment, const std::string& defaultCode,
                                 const TTransSlownik& dictionary)
{
    const int index = Append();
    auto* subRecord = Item(index);
    while (!segment.empty() && segment.front() == dictionary.CodeMark)
        segment.remove_prefix(1);
    std::string_view rest = segment;
    if (!segment.empty() && segment.front() != ' ') {
        const std::size_t space = segment.find(' ');
        subRecord->Code = std::string(segment.substr(0, space));
        rest = space == std::string_view::npos ? std::string_view() : segment.substr(space);
    }
    std::string& code = subRecord->Code;
    std::erase_if(code, [&](char c) { return c == ' ' || c == dictionary.CodeMark || c == dictionary.KeySeparator; });
    DeleteCharsInSet(code, CodeNoise());

    const bool polish = dictionary.SourceLang == jezPolski;
    if (polish && IsPolishMarker(code)) {
        subRecord->Marker = code == "*R" ? "*r" : code;
        code = defaultCode;
    } else if (code.empty()) {
        code = defaultCode;
    }
    subRecord->ReflexiveFlag = polish && code.find(kReflexive) != std::string::npos;

    rest = Trimmed(rest);
    while (!rest.empty()) {
        const std::size_t separator = NextSeparator(rest, 0, dictionary);
        const std::string_view meaning = Trimmed(rest.substr(0, separator));
        const bool endsGroup =
            polish && separator != std::string_view::npos && (rest[separator] == ';' || rest[separator] == kBrokenBar);
        if (!meaning.empty())
            subRecord->Meanings.AddMeaning(meaning, false, dictionary, endsGroup);
        rest = separator == std::string_view::npos ? std::string_view() : Trimmed(rest.substr(separator + 1));
    }
    return index;
}

// ---------------------------------------------------------------- entry

void TTransSlownikSlowo::Parse(std::string_view line, bool keepPhrases, const TTransSlownik& dictionary,
                               bool foldAccents)
{
    ClearEntry();
    const bool frenchSource = dictionary.SourceLang == jezFrancuski;
    const bool polishSource = dictionary.SourceLang == jezPolski;

    const std::size_t separator = line.find(dictionary.KeySeparator);
    Headword = separator == std::string_view::npos ? std::string() : Trim(line.substr(0, separator));
    std::string body(separator == std::string_view::npos ? line : line.substr(separator + 1));

    int position = 1;
    if (dictionary.CharSet2.any() && FindCharInSet(Headword, position, dictionary.CharSet2)) {
        HeadNote = TakeBracket(Headword, static_cast<std::size_t>(position - 1));
        Headword = Trim(Headword);
    }
    position = 1;
    if (dictionary.CharSet1.any() && FindCharInSet(Headword, position, dictionary.CharSet1)) {
        HeadTail = Trim(std::string_view(Headword).substr(static_cast<std::size_t>(position - 1)));
        Headword = Trim(std::string_view(Headword).substr(0, static_cast<std::size_t>(position - 1)));
    }
    if (foldAccents && frenchSource) {
        Headword = AccentFold(Headword, dictionary.SourceAlphabet, 3);
        body = AccentFold(body, dictionary.SourceAlphabet, 4);
    } else if (foldAccents && dictionary.TargetLang == jezFrancuski) {
        body = AccentFold(body, dictionary.TargetAlphabet, 3);
    }

    if (polishSource && body.find(SignMark()) != std::string::npos) {
        SignFlag = true;
        body = ReplaceAll(body, SignMark(), "");
    }
    if (frenchSource)
        TakeBraceGroups(body, &NameClasses);
    if (!dictionary.MarkerText.empty())
        TakeMarkerValues(body, dictionary.MarkerText, MarkerValue);
    TakePhrases(body, dictionary, keepPhrases, foldAccents, Phrases);
    if (polishSource)
        BraceNotes = TakeBraceGroups(body, nullptr);

    SplitSubRecords(body, dictionary, SubRecords);
    if (polishSource)
        MergeMarkerSubRecords(SubRecords);
    NumberGroups(SubRecords);
    for (const auto& subRecord : SubRecords)
        MergeDuplicateMeanings(subRecord->Meanings);
}

} // namespace velmar
