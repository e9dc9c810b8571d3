#include "core/tools/untPisowniaPropozycje.h"

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/tools/untPisowniaKlastry.h"

namespace velmar {

namespace {

// The letters an edit may bring in, in byte order, with the marks words may hold.
struct TLitery {
    std::string Upper;
    std::string Lower;
};

TLitery LettersOf(std::string_view alphabetUtf8)
{
    const std::string marks = ".&'/";
    const std::string upper = FromUtf8(alphabetUtf8);
    return {SetToChars(CharsToSet(upper + marks)), SetToChars(CharsToSet(LowerStr(upper) + marks))};
}

const TLitery& Letters(std::uint8_t language)
{
    static const TLitery polish = LettersOf("AĄBCĆDEĘFGHIJKLŁMNŃOÓPQRSŚTUVWXYZŹŻ");
    static const TLitery french = LettersOf("AÀÂÄÆBCÇDEÉÈÊËFGHIÎÏJKLMNOÔÖŒPQRSTUÙÛÜVWXYŸZ");
    return language == jezPolski ? polish : french;
}

class TKandydaci {
public:
    TKandydaci(std::string_view word, std::uint8_t language) : word_(word), language_(language) {}

    std::vector<std::string> Make()
    {
        // Positions are 1-based: i names the byte word_[i - 1].
        const std::size_t n = word_.size();
        for (std::size_t i = 1; i <= n; ++i)
            Add(std::string(word_).erase(i - 1, 1), i);
        for (std::size_t i = 2; i <= n; ++i) {
            std::string swapped = word_;
            std::swap(swapped[i - 2], swapped[i - 1]);
            Add(swapped, i);
        }
        const int pattern = CasePattern(word_);
        for (std::size_t i = 1; i <= n + 1; ++i)
            for (const char letter : Inserted(pattern, i))
                Add(std::string(word_).insert(i - 1, 1, letter), i);
        for (std::size_t i = 1; i <= n; ++i)
            for (const char letter : Substituted(pattern, i))
                if (letter != word_[i - 1])
                    Add(std::string(word_).replace(i - 1, 1, 1, letter), i);
        return std::move(candidates_);
    }

private:
    std::string_view Inserted(int pattern, std::size_t position) const
    {
        switch (pattern) {
        case wzWielkie: return Letters(language_).Upper;
        case wzMale:
        case wzMieszany: return Letters(language_).Lower;
        case wzTytulowy: return position > 1 ? Letters(language_).Lower : std::string_view();
        default: return {};
        }
    }

    std::string_view Substituted(int pattern, std::size_t position) const
    {
        if (pattern == wzTytulowy)
            return position == 1 ? Letters(language_).Upper : Letters(language_).Lower;
        return Inserted(pattern, position);
    }

    void Add(std::string candidate, std::size_t position)
    {
        if (PassesClusterFilter(candidate, static_cast<int>(position), language_))
            candidates_.push_back(std::move(candidate));
    }

    std::string word_;
    std::uint8_t language_;
    std::vector<std::string> candidates_;
};

} // namespace

std::vector<std::string> SpellingCandidates(std::string_view word, std::uint8_t language)
{
    return TKandydaci(word, language).Make();
}

} // namespace velmar
