#include "core/tools/untPisownia.h"

#include <algorithm>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/tools/untFrekwencja.h"
#include "core/tools/untPisowniaPropozycje.h"

namespace velmar {

namespace {

// The French elisions a word may begin with; "l'homme" is known as "homme".
constexpr std::string_view kElisions = "c',d',j',l',m',n',qu',s',t',jusqu',lorsqu',presqu',puisqu'";

// Typographic quotes (‘ ’) and the back quote read as the apostrophe.
constexpr char kLeftQuote = '\x91';
constexpr char kRightQuote = '\x92';

bool IsWordByte(unsigned char c)
{
    return IsLetter(c) || IsDigitChar(c) || c == '\'' || c == '-';
}

bool IsSentenceBoundary(unsigned char c)
{
    return std::string_view("!().:<>?[]").find(static_cast<char>(c)) != std::string_view::npos;
}

bool IsTrailingMark(char c)
{
    return std::string_view("!\"')-.:;>?]").find(c) != std::string_view::npos;
}

std::string WithoutTrailingMarks(std::string word)
{
    while (!word.empty() && IsTrailingMark(word.back()))
        word.pop_back();
    return word;
}

bool HasLetter(std::string_view word)
{
    return std::any_of(word.begin(), word.end(), [](char c) { return IsLetter(static_cast<unsigned char>(c)); });
}

} // namespace

TSprawdzaniePisowni::TSprawdzaniePisowni(TTekstPisowni& text, TSlownikiPisowni dictionaries, std::uint8_t language,
                                         const TOpcjeUstawien& options, int start)
    : text_(text), dictionaries_(dictionaries), language_(language), options_(options), position_(start),
      textEnd_(text.TextLength())
{
}

bool TSprawdzaniePisowni::NextWord()
{
    while (!stopped_) {
        if (!inParagraph_ && !(inParagraph_ = NextParagraph()))
            return false;
        std::string word;
        int position = 0;
        if (!ScanWord(word, position)) {
            inParagraph_ = false;
            continue;
        }
        word_ = word;
        wordPosition_ = paragraphStart_ + position;
        const bool accepted = Accepted(word);
        previous_ = word;
        // A word of one letter is passed over: too short to propose anything useful.
        if (accepted || word.size() == 1)
            continue;
        // The user corrects the word without the marks after it ("kpta." at a sentence
        // end), which the dictionaries could never propose.
        if (const std::string bare = WithoutTrailingMarks(word_); !bare.empty())
            word_ = bare;
        text_.Select(wordPosition_, static_cast<int>(word_.size()));
        return true;
    }
    return false;
}

// Empty paragraphs are stepped over; the paragraph ends at the next CR or the text end.
bool TSprawdzaniePisowni::NextParagraph()
{
    int lineBreak = text_.FindBreak(position_);
    while (position_ < textEnd_ && lineBreak == position_) {
        position_ += text_.Read(position_, 2) == "\r\n" ? 2 : 1;
        lineBreak = text_.FindBreak(position_);
    }
    if (position_ >= textEnd_)
        return false;
    paragraphStart_ = position_;
    position_ = lineBreak < 0 || lineBreak > textEnd_ ? textEnd_ : lineBreak;
    paragraph_ = text_.Read(paragraphStart_, position_ - paragraphStart_);
    std::replace_if(
        paragraph_.begin(), paragraph_.end(), [](char c) { return c == kLeftQuote || c == kRightQuote || c == '`'; },
        '\'');
    // "a-t-il" is checked as "a" and "il"; spaces keep the positions.
    if (language_ == jezFrancuski)
        for (std::size_t at = paragraph_.find("-t-"); at != std::string::npos; at = paragraph_.find("-t-", at))
            paragraph_.replace(at, 3, "   ");
    scan_ = 0;
    sentenceStart_ = true;
    return true;
}

// A word is a run of letters, digits, apostrophes and hyphens, with the dot after it when
// it holds a letter; a dot after a number ends the sentence, and a word without letters
// is skipped.
bool TSprawdzaniePisowni::ScanWord(std::string& word, int& position)
{
    const auto at = [this](std::size_t k) {
        return k < paragraph_.size() ? static_cast<unsigned char>(paragraph_[k]) : '\0';
    };
    while (scan_ < paragraph_.size()) {
        if (!IsWordByte(at(scan_))) {
            sentenceStart_ = sentenceStart_ || IsSentenceBoundary(at(scan_));
            ++scan_;
            continue;
        }
        std::size_t end = scan_;
        while (IsWordByte(at(end)))
            ++end;
        const bool hasLetter = HasLetter(std::string_view(paragraph_).substr(scan_, end - scan_));
        if (at(end) == '.') {
            if (hasLetter)
                ++end;
            else
                sentenceStart_ = true;
        }
        const std::size_t first = scan_;
        scan_ = end;
        if (!hasLetter)
            continue;
        word = paragraph_.substr(first, end - first);
        position = static_cast<int>(first);
        wordSentenceStart_ = sentenceStart_;
        sentenceStart_ = false;
        return true;
    }
    return false;
}

// The ignore and change lists hold words as the user saw them, without the marks after
// them, so "kpta." at a sentence end is the "kpta" changed before.
bool TSprawdzaniePisowni::Accepted(const std::string& word)
{
    std::string stripped = WithoutTrailingMarks(word);
    const std::string listed = stripped.empty() ? word : stripped;
    if (IgnoredByRule(word) || ignored_.contains(listed))
        return true;
    if (const auto change = changes_.find(listed); change != changes_.end()) {
        word_ = listed;
        ReplaceWord(change->second);
        return true;
    }
    if (Known(word))
        return true;
    if (language_ == jezFrancuski)
        stripped = StripPrefixAny(stripped, kElisions, false);
    return !stripped.empty() && stripped != word && Known(stripped);
}

bool TSprawdzaniePisowni::IgnoredByRule(std::string_view word) const
{
    return (options_.IgnorujWielkimi && word == UpperStr(word)) ||
           (options_.IgnorujZCyframi &&
            std::any_of(word.begin(), word.end(), [](char c) { return IsDigitChar(static_cast<unsigned char>(c)); })) ||
           (options_.IgnorujPowtorzone && word == previous_);
}

TZnajdzOpcje TSprawdzaniePisowni::SearchOptions(const std::string& word) const
{
    TZnajdzOpcje options = InitOptions(word, wordSentenceStart_);
    options.FirstLowered = 1;
    options.AnyCase = 1;
    options.AccentPartial = options_.BezAkcentowDuze;
    options.AccentFree = options_.BezAkcentow;
    options.SharpS = options_.DeuSS;
    options.Umlaut = options_.DeuZapisDwiemaLiterami;
    options.FurtherOption2 = 1;
    options.ArchaicText = options_.TekstArchaiczny;
    options.TryForms = 1;
    options.ForceSplit = 1;
    return options;
}

bool TSprawdzaniePisowni::Known(const std::string& word)
{
    TZnajdzOpcje options = SearchOptions(word);
    if (dictionaries_.User.Find(options))
        return true;
    options = SearchOptions(word);
    if (dictionaries_.Forms.FindForms(options))
        return true;
    options = SearchOptions(word);
    if (dictionaries_.Main.Find(options))
        return true;
    int index = -1;
    if (dictionaries_.Untranslatable.Count() > 0 && dictionaries_.Untranslatable.FindExact(word, index))
        return true;
    return language_ == jezPolski && !FindBasePl(dictionaries_.Forms, word, false, wordSentenceStart_).empty();
}

bool TSprawdzaniePisowni::ProposalsWanted() const
{
    return (options_.ProponujZSG || options_.ProponujZSO || options_.ProponujZSU) && !IgnoredByRule(word_);
}

// A candidate is proposed when the user dictionary, the main dictionary or the forms
// dictionary holds it, each as far as its option allows.
std::vector<std::string> TSprawdzaniePisowni::Proposals(const std::function<bool(const std::string&)>& found)
{
    std::vector<std::string> proposals;
    if (!ProposalsWanted())
        return proposals;
    for (const std::string& candidate : SpellingCandidates(word_, language_)) {
        TZnajdzOpcje user = SearchOptions(candidate), main = user, forms = user;
        if ((options_.ProponujZSU && dictionaries_.User.Find(user)) ||
            (options_.ProponujZSG && dictionaries_.Main.Find(main)) ||
            (options_.ProponujZSO && dictionaries_.Forms.FindForms(forms))) {
            proposals.push_back(candidate);
            if (!found(candidate))
                break;
        }
    }
    return proposals;
}

void TSprawdzaniePisowni::Decide(TDecyzjaPisowni decision, std::string_view replacement)
{
    switch (decision) {
    case dpIgnoruj: break;
    case dpIgnorujWszystkie: ignored_.insert(word_); break;
    case dpZmien: ReplaceWord(replacement); break;
    case dpZmienWszystkie:
        ReplaceWord(replacement);
        changes_[word_] = std::string(replacement);
        break;
    case dpZakoncz: stopped_ = true; break;
    }
}

// The paragraph's copy keeps the old text, so every later position of this run moves
// by the change of length: the paragraph's start, its end (where the next paragraph is
// looked for) and the text end.
void TSprawdzaniePisowni::ReplaceWord(std::string_view replacement)
{
    text_.Replace(wordPosition_, static_cast<int>(word_.size()), replacement);
    const int shift = static_cast<int>(replacement.size()) - static_cast<int>(word_.size());
    paragraphStart_ += shift;
    position_ += shift;
    textEnd_ += shift;
}

bool AddToUserDictionary(TTransSlownikGlowny& user, std::string_view word, std::string_view translation)
{
    const std::string key = Trim(word);
    const std::string text = Trim(translation);
    int index = -1;
    if (key.empty() || text.empty() || user.Lines == nullptr || user.FindKeyExact(key, index))
        return false;
    return user.Lines->Insert(std::clamp(index, 0, user.Count()), user.Encode(key + "_ " + text));
}

} // namespace velmar
