// Segmentation: one paragraph into utterances and words, with everything that is not
// a word kept in the texts around the words, multi-word dictionary expressions and
// archived sentences taken as single units, and bracketed text in nested lists.
//
// Decisions are taken on a copy of the paragraph whose typographic single quotes are
// apostrophes; the texts around the words are cut from the paragraph itself, and what
// a word gives back to them later comes from it too (Written), so that they put it back
// together byte for byte.
#include <algorithm>

#include "core/app/untUtils.h"
#include "core/engine/untTransWypTypy.h"

namespace velmar {

namespace {

using uchar = unsigned char;

const TZbiorZnakow& SegmentLetters()
{
    static const TZbiorZnakow letters = [] {
        TZbiorZnakow set;
        for (int c = 'A'; c <= 'Z'; ++c)
            set.set(static_cast<std::size_t>(c));
        for (int c = 'a'; c <= 'z'; ++c)
            set.set(static_cast<std::size_t>(c));
        for (int c : {138, 140, 142, 143, 154, 156, 158, 159, 163, 165, 175, 179, 185})
            set.set(static_cast<std::size_t>(c));
        for (int c = 191; c <= 255; ++c)
            if (c != 215 && c != 247)
                set.set(static_cast<std::size_t>(c));
        return set;
    }();
    return letters;
}

bool IsLetterByte(char c)
{
    return SegmentLetters().test(static_cast<uchar>(c));
}
bool IsDigitByte(char c)
{
    return c >= '0' && c <= '9';
}
bool IsLetterOrDigit(char c)
{
    return IsLetterByte(c) || IsDigitByte(c);
}

// An expression that ends inside a token ("e-mail" of "e-mail@adres.pl") would tear
// the token apart; one that ends on an apostrophe ("parce qu'" of "parce qu'il")
// ends where the elision does.
bool CutsIntoAWord(std::string_view rest, std::size_t match)
{
    if (match >= rest.size() || rest[match - 1] == '\'')
        return false;
    const char c = rest[match];
    return IsLetterOrDigit(c) || c == '@' || c == '_';
}
bool IsCapital(char c)
{
    return IsLetterByte(c) && LowerChar(static_cast<uchar>(c)) != static_cast<uchar>(c);
}
bool IsOneOf(char c, std::string_view set)
{
    return set.find(c) != std::string_view::npos;
}
bool IsWordInternal(char c)
{
    return IsLetterOrDigit(c) || IsOneOf(c, "-,./:@_\"'");
}
bool IsSentencePunctuation(char c)
{
    return IsOneOf(c, "!-.:;?");
}
bool IsOpener(char c)
{
    return IsOneOf(c, "(<[");
}
// Characters that stop the scan of leading characters: a token or a punctuation rule
// takes them.
bool StopsLeadingScan(char c)
{
    return IsDigitByte(c) || IsOneOf(c, "!\"',-.:;?@");
}

bool HasLetter(std::string_view s)
{
    return std::any_of(s.begin(), s.end(), IsLetterByte);
}

char FirstLetter(std::string_view s)
{
    const auto it = std::find_if(s.begin(), s.end(), IsLetterByte);
    return it == s.end() ? '\0' : *it;
}

std::string NormaliseQuotes(std::string_view text)
{
    std::string normalised(text);
    for (char& c : normalised)
        if (c == '\x91' || c == '\x92' || c == '`')
            c = '\'';
    return normalised;
}

std::string ReduceDoubleSpaces(std::string_view s)
{
    std::string reduced;
    for (const char c : s)
        if (!(c == ' ' && !reduced.empty() && reduced.back() == ' '))
            reduced += c;
    return reduced;
}

// The end of the next run of letters and digits from p, after any other bytes.
std::size_t NextWordEnd(std::string_view s, std::size_t p)
{
    while (p < s.size() && !IsLetterOrDigit(s[p]))
        ++p;
    while (p < s.size() && IsLetterOrDigit(s[p]))
        ++p;
    return p;
}

// Multi-word expressions never taken as one token, by source language.
std::string_view ExcludedExpressions(std::uint8_t language)
{
    static const std::string polish =
        FromUtf8("<nie ma><z siłą><z tego><w tym><co do tego><do tego><na tym><od tego><po tym><przez to>"
                 "<przy tym><w to><w tym><z sobą><z tego><z tym><mieć za><może być><z czym><o czym>"
                 "<na czym><pod czym><w czym><do czego><to jest>");
    static const std::string italian = FromUtf8("<c'è><c'era><lo stesso>");
    switch (language) {
    case jezPolski: return polish;
    case jezAngielski: return "<all in><all that><these are><those are><this time>";
    case jezNiemiecki: return "<das ist>";
    case jezWloski: return italian;
    default: return {};
    }
}

// What one utterance leaves for the next.
struct TPrzeniesienie {
    bool AfterDash = false;
    bool AfterQuoteComma = false;
    bool SentenceStart = false;
};

// Scans the tokens of one utterance from a position of the paragraph.
class TSkanerWypowiedzenia {
public:
    TSkanerWypowiedzenia(TCustomWypowiedzenia& list, TCustomWypowiedzenie& utterance, std::string_view original,
                         std::string_view text, std::size_t from, int offset, bool sentenceStart)
        : list_(list), utterance_(utterance), words_(utterance.Words()), original_(original), text_(text), i_(from),
          limit_(text.size()), offset_(offset), sentenceStart_(sentenceStart)
    {
    }

    // Scans to the end of the utterance; returns the position behind it.
    std::size_t Run(std::string_view endMarker, std::string_view startMarker)
    {
        endMarker_ = endMarker;
        startMarker_ = startMarker;
        if (list_.Context().Settings.TranslationMode == 14 && CutAtMarkers(endMarker, startMarker))
            return i_;
        while (!ended_ && i_ < limit_)
            ScanToken();
        words_.AppendAfterLast(before_);
        return i_;
    }

    const TPrzeniesienie& Carry() const { return carry_; }

private:
    char At(std::size_t p) const { return p < limit_ ? text_[p] : '\0'; }
    std::string_view Rest(std::size_t p) const { return text_.substr(p, limit_ - p); }
    void TakeIntoBefore(std::size_t n)
    {
        before_.append(original_.substr(i_, n));
        i_ += n;
    }
    void End(bool nextSentenceStart)
    {
        ended_ = true;
        carry_.SentenceStart = nextSentenceStart;
    }
    bool NextLetterIsCapitalOrNone(std::size_t p) const
    {
        const char letter = FirstLetter(Rest(p));
        return letter == '\0' || IsCapital(letter);
    }

    // The diagnostic mode 14: only the text between a start marker and an end marker
    // is translated; the rest stands in the texts around the words.
    bool CutAtMarkers(std::string_view endMarker, std::string_view startMarker)
    {
        const std::string_view rest = Rest(i_);
        const std::size_t p1 = startMarker.empty() ? std::string_view::npos : rest.find(startMarker);
        const std::size_t p2 = endMarker.empty() ? std::string_view::npos : rest.find(endMarker);
        if (p2 == 0) {
            const std::size_t upTo = p1 == std::string_view::npos ? rest.size() : p1;
            TakeIntoBefore(std::max<std::size_t>(upTo, endMarker.size()));
            words_.Lead += before_;
            before_.clear();
            return true;
        }
        if (p2 == std::string_view::npos || (p1 != std::string_view::npos && p2 > p1)) {
            if (p2 != std::string_view::npos)
                limit_ = i_ + p2;
            if (p1 != std::string_view::npos) {
                TakeIntoBefore(p1 + startMarker.size());
                words_.Lead += before_;
                before_.clear();
            }
        } else {
            limit_ = i_ + p2;
        }
        return false;
    }

    bool TryArchive()
    {
        if (!list_.Context().Settings.UseArchive || words_.Count() > 0)
            return false;
        std::string translation;
        const int n = list_.MatchArchive(Rest(i_), translation);
        if (n <= 0)
            return false;
        const std::size_t length = std::min<std::size_t>(static_cast<std::size_t>(n), limit_ - i_);
        utterance_.FromArchive = true;
        utterance_.ArchiveSource = std::string(text_.substr(i_, length));
        utterance_.ArchiveTarget = translation;
        TakeIntoBefore(length);
        End(true);
        return true;
    }

    void ScanToken()
    {
        while (At(i_) == ' ')
            TakeIntoBefore(1);
        if (i_ >= limit_ || TryArchive())
            return;
        ScanLeading();
        if (ended_ || i_ >= limit_)
            return;
        if (CommaQuote() || SentencePunctuation())
            return;
        ReadAndAddToken();
    }

    void ScanLeading()
    {
        while (i_ < limit_ && !ended_ && !IsLetterByte(At(i_))) {
            const char c = At(i_);
            const bool doubleHyphen = c == '-' && At(i_ + 1) == '-';
            if (StopsLeadingScan(c) && !doubleHyphen)
                return;
            if (closer_ != '\0' && c == closer_) {
                TakeIntoBefore(1);
                End(sentenceStart_);
            } else if (IsOpener(c)) {
                Bracket(c);
            } else if (doubleHyphen) {
                if (words_.Count() > 0) {
                    carry_.AfterDash = true;
                    End(false);
                } else {
                    utterance_.AfterDash = true;
                    sentenceStart_ = false;
                    TakeIntoBefore(2);
                }
            } else if (c == '&' && (list_.Context().WorkingMode == 3 || list_.Context().WorkingMode == 4)) {
                const std::string_view rest = Rest(i_);
                const std::size_t semicolon = rest.find(';');
                const std::size_t space = rest.find(' ');
                TakeIntoBefore(semicolon != std::string_view::npos && semicolon < space ? semicolon + 1 : 1);
            } else {
                TakeIntoBefore(1);
            }
        }
    }

    void Bracket(char opener)
    {
        const char closer = ClosingBracket(opener);
        const std::size_t close = text_.find(closer, i_ + 1);
        if (close == std::string_view::npos || close >= limit_ || words_.Count() == 0 ||
            list_.Context().NestingDepth >= TCustomWypowiedzenia::kMaxNesting) {
            TakeIntoBefore(1);
            closer_ = closer;
            return;
        }
        // Everything pending stands before the bracket, so it goes behind the word
        // before the bracketed text is placed there.
        words_.AppendAfterLast(before_);
        before_.clear();
        TCustomWypSlowo& word = words_.Word(words_.Count() - 1);
        word.CreateNested();
        const std::size_t length = close - i_ + 1;
        word.Nested->Segment(original_.substr(i_, length), false, endMarker_, startMarker_,
                             offset_ + static_cast<int>(i_));
        i_ += length;
    }

    bool CommaQuote()
    {
        if (At(i_) != ',')
            return false;
        std::size_t quote = i_ + 1;
        if (At(quote) == ' ')
            ++quote;
        if (At(quote) != '"' && At(quote) != '\'')
            return false;
        // The comma and the byte behind it: a quote that closes the sentence, or the
        // space before a quote that opens the next one.
        TakeIntoBefore(2);
        utterance_.QuoteEnd = true;
        carry_.AfterQuoteComma = true;
        End(IsCapital(FirstLetter(Rest(i_))));
        return true;
    }

    bool SentencePunctuation()
    {
        const char c = At(i_);
        const bool spacedHyphen = c == '-' && i_ > 0 && text_[i_ - 1] == ' ' && At(i_ + 1) == ' ';
        if (!IsOneOf(c, "!.:;?") && !spacedHyphen)
            return false;
        TakeIntoBefore(1);
        if (c == '.') {
            if (NextLetterIsCapitalOrNone(i_))
                End(true);
        } else {
            End(c != ';' && c != '-');
        }
        return true;
    }

    // The token at the current position, read by the token rules; start is where it
    // begins (a single leading quote or slash may move to the before-text).
    std::string ReadToken(std::size_t& start)
    {
        start = i_;
        if (const int n = list_.MatchToken(Rest(i_), sentenceStart_); n > 0) {
            i_ += static_cast<std::size_t>(n);
            return ReduceDoubleSpaces(text_.substr(start, static_cast<std::size_t>(n)));
        }
        const bool elides = list_.Language() == jezFrancuski || list_.Language() == jezWloski;
        std::string token;
        while (i_ < limit_) {
            const char c = At(i_);
            if (!IsWordInternal(c) || (c == '-' && At(i_ + 1) == '-'))
                break;
            if (c == ':' && !(InCommaList(token, "ftp,http") && i_ + 1 < limit_ && At(i_ + 1) != ' '))
                break;
            if (c == ',' && !(!token.empty() && IsDigitByte(token.back()) && IsDigitByte(At(i_ + 1)) &&
                              IsDigitByte(At(i_ + 2)) && IsDigitByte(At(i_ + 3))))
                break;
            token += c;
            ++i_;
            if (!IsLetterByte(At(i_)))
                continue;
            if (token == "\"" || token == "'" || token == "/") {
                if (const int n = list_.MatchToken(Rest(i_), sentenceStart_); n > 0) {
                    before_.append(original_.substr(start, 1));
                    start = i_;
                    i_ += static_cast<std::size_t>(n);
                    return ReduceDoubleSpaces(text_.substr(start, static_cast<std::size_t>(n)));
                }
            } else if (elides && token.back() == '\'' && list_.MatchToken(Rest(i_), sentenceStart_) > 0) {
                break;
            }
        }
        if (token.empty()) {
            token = std::string(1, At(i_));
            ++i_;
        }
        return token;
    }

    void ReadAndAddToken()
    {
        std::string token;
        std::size_t start = i_;
        if (At(i_) == ',') {
            token = ",";
            ++i_;
        } else {
            if (TryArchive())
                return;
            token = ReadToken(start);
        }
        if (!TCustomWypSlowa::IsWordToken(token)) {
            // Not a word: it stays in the text behind the last word, as written.
            words_.AppendAfterLast(before_ + std::string(original_.substr(start, i_ - start)));
            before_.clear();
            ClearSentenceStartUnlessDashes();
            return;
        }
        if (HasLetter(token) && !IsCapital(FirstLetter(token)))
            sentenceStart_ = false;
        const int index = words_.AddWord(token, before_, {}, offset_ + static_cast<int>(start),
                                         offset_ + static_cast<int>(i_), sentenceStart_);
        before_.clear();
        ClearSentenceStartUnlessDashes();
        if (index >= 0)
            EndAfterPeriod(token, words_.Word(words_.Count() - 1));
    }

    // A leading dash or comma keeps the next word sentence-initial.
    void ClearSentenceStartUnlessDashes()
    {
        if (!(words_.Count() > 0 && IsDash(words_.Word(0).Text) && IsDash(words_.Word(words_.Count() - 1).Text)))
            sentenceStart_ = false;
    }

    static bool IsDash(std::string_view text) { return text == "-" || text == ","; }

    void EndAfterPeriod(std::string_view token, const TCustomWypSlowo& last)
    {
        const bool period = EndsWith(token, ".") || EndsWith(token, ".'") || EndsWith(token, ".\"");
        if (!period)
            return;
        const bool mayEnd =
            !EndsWith(last.Text, ".") || (list_.Language() != jezNiemiecki && last.HasMarker(znSkrotKonczacy));
        if (mayEnd && NextLetterIsCapitalOrNone(i_))
            End(true);
    }

    TCustomWypowiedzenia& list_;
    TCustomWypowiedzenie& utterance_;
    TCustomWypSlowa& words_;
    std::string_view original_;
    std::string_view text_;
    std::size_t i_;
    std::size_t limit_;
    int offset_;
    bool sentenceStart_;
    std::string_view endMarker_, startMarker_;
    std::string before_;
    char closer_ = '\0';
    bool ended_ = false;
    TPrzeniesienie carry_;
};

// The sentence punctuation that closes the last word moves to the list's Tail.
void MoveFinalPunctuation(TCustomWypSlowa& words)
{
    if (words.Count() == 0)
        return;
    std::string& behind = words.TextBehindLast();
    std::size_t run = behind.size();
    while (run > 0 && IsSentencePunctuation(behind[run - 1]))
        --run;
    words.Tail.insert(0, behind.substr(run));
    behind.erase(run);
}

} // namespace

void TCustomWypowiedzenia::Segment(std::string_view text, bool capitalStart, std::string_view endMarker,
                                   std::string_view startMarker, int offset)
{
    const std::string normalised = NormaliseQuotes(text);
    written_ = std::string(text);
    writtenStart_ = offset;
    TPrzeniesienie carry{false, false, capitalStart};
    std::size_t pos = 0;
    while (pos < text.size()) {
        TCustomWypowiedzenie& utterance = *Item(NewUtterance());
        utterance.AfterDash = carry.AfterDash;
        utterance.AfterQuoteComma = carry.AfterQuoteComma;
        utterance.Start = offset + static_cast<int>(pos);
        TSkanerWypowiedzenia scanner(*this, utterance, text, normalised, pos, offset, carry.SentenceStart);
        std::size_t end = scanner.Run(endMarker, startMarker);
        if (end <= pos) {
            // Every utterance consumes text, so that segmentation always ends.
            utterance.Words().AppendAfterLast(std::string(text.substr(pos, 1)));
            end = pos + 1;
        }
        utterance.End = offset + static_cast<int>(end);
        utterance.SourceText = normalised.substr(pos, end - pos);
        MoveFinalPunctuation(utterance.Words());
        utterance.FinishUtterance();
        carry = scanner.Carry();
        pos = end;
    }
}

std::string TCustomWypowiedzenia::Written(int start, std::string_view analysed) const
{
    const auto at = static_cast<std::size_t>(start - writtenStart_);
    if (start < writtenStart_ || at > written_.size())
        return std::string(analysed);
    const std::string_view written = std::string_view(written_).substr(at, analysed.size());
    return NormaliseQuotes(written) == analysed ? std::string(written) : std::string(analysed);
}

std::string TCustomWypSlowa::Written(int start, std::string_view analysed) const
{
    return owner_ && owner_->Owner() ? owner_->Owner()->Written(start, analysed) : std::string(analysed);
}

int TCustomWypowiedzenia::MatchToken(std::string_view rest, bool capitalised) const
{
    TSlownikiWypowiedzi* dictionaries = context_.Dictionaries;
    if (dictionaries == nullptr || rest.find(' ') == std::string_view::npos)
        return 0;
    const auto next = [&](std::size_t p) { return IsOneOf(rest[p], "'-./_") ? p + 1 : NextWordEnd(rest, p); };
    // The longest candidate from `from` on that counts in the dictionary.
    const auto longest = [&](TSlownikWyrazen dictionary, std::size_t from) {
        std::size_t best = 0;
        for (std::size_t p = from; p > 0 && p <= rest.size();) {
            const TProbaWyrazenia probe =
                dictionaries->ProbeExpression(dictionary, ReduceDoubleSpaces(rest.substr(0, p)), capitalised);
            if (probe.Counts)
                best = p;
            if (!probe.More || p == rest.size())
                break;
            p = next(p);
        }
        return best;
    };
    const auto accepted = [&](TSlownikWyrazen dictionary, std::size_t length) {
        const std::string candidate = ReduceDoubleSpaces(rest.substr(0, length));
        return length > 0 && !InTagList(candidate, ExcludedExpressions(Language()), true, true) &&
               dictionaries->AcceptsExpression(dictionary, candidate, capitalised);
    };

    const std::size_t first = NextWordEnd(rest, NextWordEnd(rest, 0));
    std::size_t match = longest(TSlownikWyrazen::Uzytkownika, first);
    if (match == 0) {
        std::size_t forms = longest(TSlownikWyrazen::Form, first);
        if (!accepted(TSlownikWyrazen::Form, forms))
            forms = 0;
        std::size_t main = longest(TSlownikWyrazen::Glowny, forms > 0 ? forms : first);
        if (!accepted(TSlownikWyrazen::Glowny, main))
            main = 0;
        match = std::max(forms, main);
    }
    if (match == 0 || CutsIntoAWord(rest, match))
        return 0;
    const std::string_view expression = rest.substr(0, match);
    if (Language() == jezNiemiecki && IsCapital(expression[0]) && !IsCapital(rest[0]))
        return 0;
    if (dictionaries->IsUntranslatable(ReduceDoubleSpaces(expression)))
        return 0;
    return static_cast<int>(match);
}

int TCustomWypowiedzenia::MatchArchive(std::string_view rest, std::string& translation) const
{
    TSlownikiWypowiedzi* dictionaries = context_.Dictionaries;
    if (dictionaries == nullptr)
        return 0;
    std::size_t p = 0;
    while (p < rest.size() && IsOneOf(rest[p], " \"'(<[{"))
        ++p;
    const std::size_t start = p;
    std::size_t best = 0;
    bool continuing = false;
    while (p < rest.size()) {
        while (p < rest.size() && rest[p] == ' ')
            ++p;
        if (p >= rest.size())
            break;
        if (IsLetterOrDigit(rest[p]))
            while (p < rest.size() && IsLetterOrDigit(rest[p]))
                ++p;
        else
            ++p;
        TProbaArchiwum probe = dictionaries->ProbeArchive(rest.substr(start, p - start), continuing);
        continuing = true;
        if (probe.Complete) {
            best = p;
            translation = std::move(probe.Translation);
        }
        if (!probe.More)
            break;
    }
    if (best > 0 && dictionaries->IsUntranslatable(rest.substr(start, best - start)))
        return 0;
    return static_cast<int>(best);
}

// ---------------------------------------------------------------- similarity search

namespace {

// Puts the collected texts in place of the placeholders "%1%", "%2%", … in one pass.
std::string FillPlaceholders(std::string_view target, const std::vector<std::string>& texts)
{
    std::string filled;
    std::size_t p = 0;
    while (p < target.size()) {
        std::size_t q = p + 1;
        while (target[p] == '%' && q < target.size() && IsDigitByte(target[q]))
            ++q;
        if (target[p] == '%' && q > p + 1 && q - p <= 6 && q < target.size() && target[q] == '%') {
            std::size_t number = 0;
            for (std::size_t d = p + 1; d < q; ++d)
                number = number * 10 + static_cast<std::size_t>(target[d] - '0');
            if (number >= 1 && number <= texts.size()) {
                filled += texts[number - 1];
                p = q + 1;
                continue;
            }
        }
        filled += target[p++];
    }
    return filled;
}

} // namespace

void TCustomWypowiedzenie::FinishUtterance()
{
    const TKontekstWypowiedzi& context = owner_ ? owner_->Context() : words_->Context();
    const int level = context.Settings.ArchivePercent;
    if (!context.Settings.UseArchive || level >= 100 || FromArchive || context.Dictionaries == nullptr ||
        words_->Count() == 0)
        return;
    std::string rebuilt = words_->Lead;
    std::vector<std::string> replaced;
    for (int i = 0; i < words_->Count(); ++i) {
        const TCustomWypSlowo& word = words_->Word(i);
        rebuilt += words_->Around(i).Przed;
        if (level <= 90 && word.HasMarker(znLiczba)) {
            rebuilt += "%number%";
            replaced.push_back(word.Text);
        } else if (level <= 90 && word.HasMarker(znNazwaWlasna) && StartsUpper(word.Text)) {
            rebuilt += "%propname%";
            replaced.push_back(word.Text);
        } else {
            rebuilt += ApplyCasePattern(
                word.Text, MakeCasePattern(word.Capitalised || word.SentenceCapital, word.AllCaps, word.TitleCase));
        }
        rebuilt += words_->Around(i).Po;
    }
    rebuilt += words_->Tail;
    const std::optional<std::string> target = context.Dictionaries->FindSimilarSentence(rebuilt, level);
    if (!target)
        return;
    FromArchive = true;
    ArchiveSource = rebuilt;
    ArchiveTarget = FillPlaceholders(*target, replaced);
    words_->Clear();
    words_->Lead = owner_ ? owner_->Written(Start, SourceText) : SourceText;
}

} // namespace velmar
