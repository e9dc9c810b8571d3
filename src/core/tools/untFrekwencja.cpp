#include "core/tools/untFrekwencja.h"

#include <algorithm>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/generators/untGenTlumaczPl.h"

namespace velmar {

namespace {

// The longest phrase looked for, in words.
constexpr std::size_t kMaxPhraseWords = 6;

bool IsLetterOrDigit(unsigned char c)
{
    return IsLetter(c) || IsDigitChar(c);
}

bool EndsSentence(unsigned char c)
{
    return c == '!' || c == '.' || c == ':' || c == '?';
}

std::vector<std::string> SplitAtHyphens(const std::string& text)
{
    std::vector<std::string> pieces(1);
    for (const char c : text) {
        if (c == '-')
            pieces.emplace_back();
        else
            pieces.back() += c;
    }
    return pieces;
}

bool HasLetter(std::string_view word)
{
    return std::any_of(word.begin(), word.end(), [](char c) { return IsLetter(static_cast<unsigned char>(c)); });
}

} // namespace

void TFrekwencja::TLicznik::Add(const std::string& text, std::uint64_t count)
{
    const auto [where, added] = IndexOf.try_emplace(text, Items.size());
    if (added)
        Items.push_back({text, 0});
    Items[where->second].Count += count;
}

void TFrekwencja::TLicznik::MergeCase()
{
    TLicznik merged;
    std::unordered_map<std::string, std::size_t> byLower;
    for (const TPozycjaFrekwencji& item : Items) {
        const auto [where, added] = byLower.try_emplace(LowerStr(item.Text), merged.Items.size());
        if (added)
            merged.Add(item.Text, item.Count);
        else
            merged.Items[where->second].Count += item.Count;
    }
    *this = std::move(merged);
}

void TFrekwencja::TLicznik::Sort()
{
    std::sort(Items.begin(), Items.end(), [](const TPozycjaFrekwencji& a, const TPozycjaFrekwencji& b) {
        return a.Count != b.Count ? a.Count > b.Count : a.Text < b.Text;
    });
    IndexOf.clear();
    for (std::size_t i = 0; i < Items.size(); ++i)
        IndexOf.emplace(Items[i].Text, i);
}

TFrekwencja::TFrekwencja(TTransSlownikOdwolan& forms, TTransSlownikGlowny& main, std::uint8_t language,
                         TOpcjeAnalizy options)
    : forms_(forms), main_(main), language_(language), options_(options)
{
}

// Words are runs of letters and digits with single inner apostrophes and hyphens; a
// word keeps a dot that follows it when it holds a letter. The names analysis takes
// only words that begin with a capital.
std::vector<TFrekwencja::TSlowo> TFrekwencja::Words(std::string_view text) const
{
    std::vector<TSlowo> words;
    bool sentenceStart = true;
    std::size_t i = 0;
    const auto at = [&](std::size_t k) { return k < text.size() ? static_cast<unsigned char>(text[k]) : 0; };
    while (i < text.size()) {
        if (!IsLetterOrDigit(at(i))) {
            sentenceStart = sentenceStart || EndsSentence(at(i));
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        while (IsLetterOrDigit(at(end)) || ((at(end) == '\'' || at(end) == '-') && IsLetterOrDigit(at(end + 1))))
            ++end;
        // The dot stays with the word for abbreviations ("np.") and still ends the
        // sentence for the next word.
        const bool dotted = at(end) == '.' && HasLetter(text.substr(i, end - i));
        if (dotted)
            ++end;
        if (options_.Kind != raNazw || IsUpperLetter(at(i)))
            words.push_back({std::string(text.substr(i, end - i)), sentenceStart});
        sentenceStart = dotted;
        i = end;
    }
    return words;
}

void TFrekwencja::AddParagraph(std::string_view paragraph)
{
    const std::vector<TSlowo> words = Words(paragraph);
    for (std::size_t i = 0; i < words.size();) {
        std::string phrase;
        if (const std::size_t length = options_.SearchPhrases ? PhraseAt(words, i, phrase) : 0) {
            (options_.PhrasesApart ? phrases_ : found_).Add(phrase);
            i += length;
            continue;
        }
        CountWord(words[i++]);
    }
}

std::size_t TFrekwencja::PhraseAt(const std::vector<TSlowo>& words, std::size_t first, std::string& phrase)
{
    std::string text = words[first].Text;
    std::size_t longest = 0;
    for (std::size_t last = first + 1; last < words.size() && last - first < kMaxPhraseWords; ++last) {
        text += " " + words[last].Text;
        int index = -1;
        if (main_.FindExact(text, index)) {
            phrase = main_.GetKey(index);
            longest = last - first + 1;
        }
    }
    return longest;
}

void TFrekwencja::CountWord(const TSlowo& word)
{
    std::string text = word.Text;
    if (options_.Kind == raKodow) {
        if (!CountCodes(text, word.SentenceStart))
            notFound_.Add(text);
        return;
    }
    if (text == "-t" || text == "t-")
        text = "-t-";
    if (const auto remembered = baseOf_.find(text);
        remembered != baseOf_.end() && found_.Contains(remembered->second)) {
        found_.Add(remembered->second);
        return;
    }
    if (found_.Contains(text)) {
        found_.Add(text);
        return;
    }
    if (notFound_.Contains(text)) {
        notFound_.Add(text);
        return;
    }
    if (options_.Kind == raSzybka) {
        found_.Add(text);
        return;
    }
    if (CountKnown(text, word.SentenceStart))
        return;
    if (text.back() == '.' && CountKnown(DropLast(text, 1), word.SentenceStart))
        return;
    if (!CountParts(text, word.SentenceStart))
        notFound_.Add(text);
}

// "l'homme", "Kennedy'ego", "a-t-il", "dis-moi": the parts of a word unknown as a whole,
// split after its apostrophe and at its hyphens; the "t" between two hyphens is the
// euphonic "-t-".
std::vector<std::string> TFrekwencja::PartsOf(const std::string& text) const
{
    std::vector<std::string> parts;
    std::string rest = text;
    if (const std::size_t apostrophe = rest.find('\''); !options_.KeepApostrophes && apostrophe != std::string::npos) {
        parts.push_back(rest.substr(0, apostrophe + 1));
        rest.erase(0, apostrophe + 1);
    }
    const std::vector<std::string> pieces = SplitAtHyphens(rest);
    for (std::size_t i = 0; i < pieces.size(); ++i)
        parts.push_back(pieces[i] == "t" && i > 0 && i + 1 < pieces.size() ? "-t-" : pieces[i]);
    return parts;
}

bool TFrekwencja::CountParts(const std::string& text, bool sentenceStart)
{
    const std::vector<std::string> parts = PartsOf(text);
    if (parts.size() < 2)
        return false;
    std::vector<std::string> unknown;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (parts[i] == "-t-")
            found_.Add(parts[i]);
        else if (!CountKnown(parts[i], sentenceStart && i == 0))
            unknown.push_back(parts[i]);
    }
    if (unknown.size() == parts.size())
        return false;
    for (const std::string& part : unknown)
        notFound_.Add(part);
    return true;
}

bool TFrekwencja::CountKnown(const std::string& text, bool sentenceStart)
{
    TZnajdzOpcje options = InitOptions(text, sentenceStart);
    if (forms_.FindForms(options)) {
        AddFound(text, options_.Kind == raWszystkieFormy ? text : forms_.Readings().Item(0).Base, sentenceStart);
        return true;
    }
    options = InitOptions(text, sentenceStart);
    if (main_.Find(options)) {
        AddFound(text, text, sentenceStart);
        return true;
    }
    if (language_ != jezPolski)
        return false;
    const std::string base = FindBasePl(forms_, text, false, sentenceStart);
    if (base.empty())
        return false;
    AddFound(text, options_.Kind == raWszystkieFormy ? text : base, sentenceStart);
    return true;
}

void TFrekwencja::AddFound(const std::string& form, const std::string& item, bool sentenceStart)
{
    if (options_.Kind == raNazw && !found_.Contains(item) && !StartsUpper(item) && sentenceStart)
        return;
    found_.Add(item);
    if (options_.Kind == raStandardowa || options_.Kind == raNazw)
        baseOf_[form] = item;
}

// The codes analysis counts what the dictionaries say a word is: the form codes of its
// readings, else the word classes of its entry's sub-records.
bool TFrekwencja::CountCodes(const std::string& text, bool sentenceStart)
{
    const auto countReadings = [this] {
        for (const TOdwolanie& reading : forms_.Readings())
            found_.Add(std::to_string(reading.FormCode));
    };
    TZnajdzOpcje options = InitOptions(text, sentenceStart);
    if (forms_.FindForms(options)) {
        countReadings();
        return true;
    }
    options = InitOptions(text, sentenceStart);
    if (main_.Find(options)) {
        const TTransSlownikPodrekordy& subRecords = main_.GetEntry(main_.Current).SubRecords;
        for (int i = 0; i < subRecords.Count(); ++i)
            found_.Add(std::to_string(WordClassOfCode(subRecords.Item(i)->Code, language_)));
        return subRecords.Count() > 0;
    }
    if (language_ == jezPolski && !FindBasePl(forms_, text, false, sentenceStart).empty()) {
        countReadings();
        return true;
    }
    return false;
}

void TFrekwencja::Finish()
{
    if (options_.Kind == raSzybka && options_.MergeCase)
        found_.MergeCase();
    found_.Sort();
    phrases_.Sort();
    notFound_.Sort();
}

} // namespace velmar
