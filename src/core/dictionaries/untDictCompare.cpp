#include "core/dictionaries/untDictCompare.h"

#include <algorithm>
#include <array>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"

namespace velmar {

namespace {

using uchar = unsigned char;

uchar Byte(std::string_view s, std::size_t i)
{
    return static_cast<uchar>(s[i]);
}

// ---------------------------------------------------------------- alphabets

// The letters of a language as the collation sees them: the members take part in the
// comparison, everything else is skipped; the order string ranks the members.
struct TAlfabetPorownania {
    std::array<bool, 256> Takes{}; // by byte: its capital is a member
    std::array<uchar, 256> Upper{};
    std::array<int, 256> Rank{};
    bool ReplacesAccents = false; // code page 1252: accented capitals rank as their base letter
    bool French = false;
};

TAlfabetPorownania MakeAlphabet(std::string_view orderUtf8, std::string_view accentedUtf8, bool replacesAccents,
                                bool french)
{
    TAlfabetPorownania alphabet;
    alphabet.Rank.fill(-1);
    // The members: the capitals, digits, space and hyphen of the order string, and the
    // accented capitals that rank as their base letter.
    const std::string order = FromUtf8(orderUtf8);
    TZbiorZnakow members = CharsToSet(order) | CharsToSet(FromUtf8(accentedUtf8));
    for (std::size_t i = 0; i < order.size(); ++i)
        alphabet.Rank[Byte(order, i)] = static_cast<int>(i);
    for (int c = 0; c < 256; ++c) {
        const uchar upper = UpperChar(static_cast<uchar>(c));
        alphabet.Upper[static_cast<std::size_t>(c)] = upper;
        alphabet.Takes[static_cast<std::size_t>(c)] = members.test(upper);
    }
    alphabet.ReplacesAccents = replacesAccents;
    alphabet.French = french;
    return alphabet;
}

const TAlfabetPorownania* AlphabetFor(std::uint8_t language)
{
    static const TAlfabetPorownania polish =
        MakeAlphabet("0123456789 -AĄBCĆDEĘFGHIJKLŁMNŃOÓPQRSŚTUVWXYZŹŻ", "", false, false);
    static const TAlfabetPorownania french =
        MakeAlphabet("0123456789 -ABCDEFGHIJKLMNOPQRSTUVWXYZ", "ÀÁÂÄÇÈÉÊËÌÍÎÏÓÔÖÙÚÛÜ", true, true);
    static const TAlfabetPorownania latin = MakeAlphabet("0123456789 -ABCDEFGHIJKLMNOPQRSTUVWXYZ", "", true, false);
    switch (AlphabetId(language)) {
    case 4: return &polish;
    case 2: return &french;
    case 1:
    case 3:
    case 6:
    case 7:
    case 9: return &latin;
    default: return nullptr;
    }
}

// ---------------------------------------------------------------- accents

struct TAkcent {
    uchar Base = 0; // 0: not an accented capital
    int Rank = 0;   // position in the replacement list: an earlier accent sorts first
};

// The accented capitals in the order that ranks them, each with its base letter. Bytes
// 165 and 204 are the code page 1250 capitals Ą and Ě, which Polish words bring into
// French text.
const std::array<TAkcent, 256>& Accents()
{
    static const std::array<TAkcent, 256> table = [] {
        constexpr std::pair<uchar, uchar> kReplacements[] = {
            {192, 'A'}, {193, 'A'}, {194, 'A'}, {196, 'A'}, {165, 'A'}, // À Á Â Ä Ą
            {199, 'C'},                                                 // Ç
            {200, 'E'}, {201, 'E'}, {202, 'E'}, {203, 'E'}, {204, 'E'}, // È É Ê Ë Ě
            {206, 'I'}, {205, 'I'}, {207, 'I'},                         // Î Í Ï
            {209, 'N'},                                                 // Ñ
            {210, 'O'}, {211, 'O'}, {212, 'O'}, {214, 'O'}, {213, 'O'}, // Ò Ó Ô Ö Õ
            {217, 'U'}, {218, 'U'}, {219, 'U'}, {220, 'U'},             // Ù Ú Û Ü
        };
        std::array<TAkcent, 256> accents{};
        int rank = 0;
        for (const auto& [accented, base] : kReplacements)
            accents[accented] = {base, rank++};
        return accents;
    }();
    return table;
}

// The letter without its accent, keeping its case.
uchar WithoutAccent(uchar c)
{
    const uchar upper = UpperChar(c);
    const uchar base = Accents()[upper].Base;
    if (base == 0)
        return c;
    return upper == c ? base : LowerChar(base);
}

// ---------------------------------------------------------------- relaxations

constexpr uchar kApostrophe = '\'';
constexpr uchar kOeCapital = 140; // Œ
constexpr uchar kOeSmall = 156;   // œ

bool NeedsFrenchSpelling(std::string_view s)
{
    if (s.size() >= 2 && Byte(s, 0) == kApostrophe && (s[1] == 'h' || s[1] == 'H'))
        return true;
    for (char c : s)
        if (static_cast<uchar>(c) == kOeCapital || static_cast<uchar>(c) == kOeSmall)
            return true;
    return false;
}

// French spelling that the order ignores: "'h…" without its apostrophe, œ as oe.
std::string FrenchSpelling(std::string_view s)
{
    if (s.size() >= 2 && Byte(s, 0) == kApostrophe && (s[1] == 'h' || s[1] == 'H'))
        s.remove_prefix(1);
    std::string result;
    result.reserve(s.size() + 2);
    for (char c : s) {
        if (static_cast<uchar>(c) == kOeCapital)
            result += "Oe";
        else if (static_cast<uchar>(c) == kOeSmall)
            result += "oe";
        else
            result += c;
    }
    return result;
}

void DropAccents(std::string& s)
{
    for (char& c : s)
        c = static_cast<char>(WithoutAccent(static_cast<uchar>(c)));
}

// Drops an accent of b where a has the base letter at the same position, in either
// case: a capital written without its accent ("Eleve") still matches "élève" once the
// case relaxation has lower-cased it.
void DropAccentsMatching(std::string_view a, std::string& b)
{
    for (std::size_t i = 0; i < b.size() && i < a.size(); ++i) {
        const uchar plain = WithoutAccent(Byte(b, i));
        if (plain != Byte(b, i) && UpperChar(plain) == UpperChar(Byte(a, i)))
            b[i] = static_cast<char>(plain);
    }
}

// Applies the relaxations of flags to both strings in the collation's order; true as
// soon as they agree.
bool Relax(std::string& a, std::string& b, const TAlfabetPorownania& alphabet, int flags)
{
    if (alphabet.French && (flags & fpBezAkcentow)) {
        DropAccents(a);
        DropAccents(b);
        if (a == b)
            return true;
    } else if (alphabet.French && (flags & fpAkcentCzesciowy)) {
        DropAccentsMatching(a, b);
        if (a == b)
            return true;
    }
    if (flags & fpDowolnaWielkosc) {
        a = LowerStr(a);
        b = LowerStr(b);
        if (a == b)
            return true;
    } else if ((flags & fpPierwszaMala) && !a.empty()) {
        a[0] = static_cast<char>(LowerChar(Byte(a, 0)));
    }
    return a == b;
}

constexpr int kRelaxations = fpPierwszaMala | fpDowolnaWielkosc | fpAkcentCzesciowy | fpBezAkcentow;

// ---------------------------------------------------------------- the letter walk

// What the walk remembers of one string for the ties.
struct TSlad {
    int FirstSkipped = -1; // byte position of the first skipped character
    int Skipped = 0;
    int AccentLetter = -1; // letter number of the first accent that made a difference
    int AccentRank = 0;

    void Skip(int position)
    {
        if (FirstSkipped < 0)
            FirstSkipped = position;
        ++Skipped;
    }
    void Accent(uchar upper, int letter)
    {
        if (AccentLetter < 0 && Accents()[upper].Base != 0) {
            AccentLetter = letter;
            AccentRank = Accents()[upper].Rank;
        }
    }
};

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

class TPorownanie {
public:
    TPorownanie(std::string_view a, std::string_view b, const TAlfabetPorownania& alphabet)
        : a_(a), b_(b), alphabet_(alphabet)
    {
    }

    int Run()
    {
        if (const int letters = CompareLetters(); letters != 0)
            return letters;
        return CompareTies();
    }

private:
    bool Member(uchar c) const { return alphabet_.Takes[c]; }

    void SkipNonMembers(std::string_view s, std::size_t& pos, TSlad& trace) const
    {
        while (pos < s.size() && !Member(Byte(s, pos))) {
            trace.Skip(static_cast<int>(pos));
            ++pos;
        }
    }

    // Decides by the letters themselves, or 0 when they agree up to case and accents.
    int CompareLetters()
    {
        std::size_t i = 0;
        std::size_t j = 0;
        for (int letter = 0;; ++letter, ++i, ++j) {
            SkipNonMembers(a_, i, traceA_);
            SkipNonMembers(b_, j, traceB_);
            if (i == a_.size() || j == b_.size())
                break;
            if (const int order = CompareLetter(Byte(a_, i), Byte(b_, j), letter); order != 0)
                return order;
        }
        SkipNonMembers(a_, i, traceA_);
        SkipNonMembers(b_, j, traceB_);
        const int lettersA = static_cast<int>(a_.size()) - traceA_.Skipped;
        const int lettersB = static_cast<int>(b_.size()) - traceB_.Skipped;
        return Sign(lettersA - lettersB);
    }

    int CompareLetter(uchar ca, uchar cb, int letter)
    {
        if (ca == cb)
            return 0;
        uchar ua = alphabet_.Upper[ca];
        uchar ub = alphabet_.Upper[cb];
        if (ua != ub && alphabet_.ReplacesAccents) {
            traceA_.Accent(ua, letter);
            traceB_.Accent(ub, letter);
            ua = WithoutAccent(ua);
            ub = WithoutAccent(ub);
        }
        if (ua != ub)
            return alphabet_.Rank[ua] < alphabet_.Rank[ub] ? -1 : 1;
        // The same letter: remember the first case difference, also where the accents
        // differ, so that "capitals first" ranks the whole word consistently.
        if (caseDifference_ == 0 && IsCapital(ca) != IsCapital(cb))
            caseDifference_ = IsCapital(ca) ? -1 : 1;
        return 0;
    }

    static bool IsCapital(uchar c) { return UpperChar(c) == c && LowerChar(c) != c; }

    int CompareTies() const
    {
        if (caseDifference_ != 0)
            return caseDifference_;
        if (const int ending = CompareAccentedEndings(); ending != 0)
            return ending;
        if (const int accents = CompareAccents(); accents != 0)
            return accents;
        if (const int skipped = CompareSkipped(); skipped != 0)
            return skipped;
        if (a_.size() != b_.size())
            return a_.size() < b_.size() ? -1 : 1;
        // Only skipped characters still differ: the first differing byte decides, so
        // that the order stays total.
        return Sign(a_.compare(b_));
    }

    // Between two accented spellings, the one ending in É (or Ě) comes last.
    int CompareAccentedEndings() const
    {
        if (!alphabet_.ReplacesAccents || traceA_.AccentLetter < 0 || traceB_.AccentLetter < 0)
            return 0;
        const bool lateA = EndsInLateAccent(a_);
        const bool lateB = EndsInLateAccent(b_);
        if (lateA == lateB)
            return 0;
        return lateA ? 1 : -1;
    }

    // Whether the last letter (skipped characters after it do not count) is É or Ě.
    bool EndsInLateAccent(std::string_view s) const
    {
        for (std::size_t i = s.size(); i > 0; --i) {
            if (Member(Byte(s, i - 1))) {
                const uchar last = UpperChar(Byte(s, i - 1));
                return last == 201 || last == 204;
            }
        }
        return false;
    }

    // Plain before accented; else the later first accent first; else the earlier accent.
    int CompareAccents() const
    {
        const TSlad& x = traceA_;
        const TSlad& y = traceB_;
        if ((x.AccentLetter < 0) != (y.AccentLetter < 0))
            return x.AccentLetter < 0 ? -1 : 1;
        if (x.AccentLetter != y.AccentLetter)
            return x.AccentLetter > y.AccentLetter ? -1 : 1;
        return Sign(x.AccentRank - y.AccentRank);
    }

    // Without skipped characters first; else the later first skipped character first.
    int CompareSkipped() const
    {
        const TSlad& x = traceA_;
        const TSlad& y = traceB_;
        if ((x.FirstSkipped < 0) != (y.FirstSkipped < 0))
            return x.FirstSkipped < 0 ? -1 : 1;
        if (x.FirstSkipped != y.FirstSkipped)
            return x.FirstSkipped > y.FirstSkipped ? -1 : 1;
        return 0;
    }

    std::string_view a_;
    std::string_view b_;
    const TAlfabetPorownania& alphabet_;
    TSlad traceA_;
    TSlad traceB_;
    int caseDifference_ = 0; // −1: a had the capital at the first case difference
};

} // namespace

int DictCompare(std::string_view a, std::string_view b, std::uint8_t language, int flags)
{
    const TAlfabetPorownania* alphabet = AlphabetFor(language);
    if (alphabet == nullptr || a == b)
        return 0;
    if (a.empty())
        return 1;
    if (b.empty())
        return -1;

    std::string spelledA;
    std::string spelledB;
    if (alphabet->French && (NeedsFrenchSpelling(a) || NeedsFrenchSpelling(b))) {
        spelledA = FrenchSpelling(a);
        spelledB = FrenchSpelling(b);
        if (spelledA == spelledB)
            return 0;
        a = spelledA;
        b = spelledB;
    }
    if (flags & kRelaxations) {
        spelledA = a;
        spelledB = b;
        if (Relax(spelledA, spelledB, *alphabet, flags))
            return 0;
        a = spelledA;
        b = spelledB;
    }
    return TPorownanie(a, b, *alphabet).Run();
}

namespace {

// Ten letters of six bits each: no order string has 63 members.
constexpr int kPrefixBits = 6;
constexpr int kPrefixLetters = 10;
// Above every prefix of letters, as the empty key sorts after every other.
constexpr std::uint64_t kEmptyKeyPrefix = ~std::uint64_t{0};

// The letters the comparison walks: members by their rank, accents dropped where the
// alphabet ranks accented capitals as their base letter, and œ read as "oe", as the
// French spelling normalisation reads it.
class TPrefiksKolacji {
public:
    explicit TPrefiksKolacji(const TAlfabetPorownania& alphabet) : alphabet_(alphabet) {}

    std::uint64_t Of(std::string_view key)
    {
        for (std::size_t i = 0; i < key.size() && letters_ < kPrefixLetters; ++i) {
            const uchar c = Byte(key, i);
            if (alphabet_.Takes[c]) {
                const uchar upper = alphabet_.Upper[c];
                Add(alphabet_.ReplacesAccents ? WithoutAccent(upper) : upper);
            } else if (alphabet_.French && (c == kOeCapital || c == kOeSmall)) {
                Add('O');
                Add('E');
            }
        }
        return prefix_ << (kPrefixBits * (kPrefixLetters - std::min(letters_, kPrefixLetters)));
    }

private:
    void Add(uchar upper)
    {
        if (letters_ == kPrefixLetters)
            return;
        prefix_ = (prefix_ << kPrefixBits) | static_cast<std::uint64_t>(alphabet_.Rank[upper] + 1);
        ++letters_;
    }

    const TAlfabetPorownania& alphabet_;
    std::uint64_t prefix_ = 0;
    int letters_ = 0;
};

} // namespace

std::uint64_t CollationPrefix(std::string_view key, std::uint8_t language)
{
    const TAlfabetPorownania* alphabet = AlphabetFor(language);
    if (alphabet == nullptr)
        return 0; // every key compares equal
    if (key.empty())
        return kEmptyKeyPrefix;
    return TPrefiksKolacji(*alphabet).Of(key);
}

bool EqualUnderFlags(std::string_view a, std::string_view b, std::uint8_t language, int flags)
{
    if (a == b)
        return true;
    const TAlfabetPorownania* alphabet = AlphabetFor(language);
    if (alphabet == nullptr || (flags & kRelaxations) == 0)
        return false;
    std::string relaxedA(a);
    std::string relaxedB(b);
    return Relax(relaxedA, relaxedB, *alphabet, flags);
}

std::string TrimNonMembers(std::string_view word, std::uint8_t language)
{
    const TAlfabetPorownania* alphabet = AlphabetFor(language);
    if (alphabet == nullptr)
        return std::string(word);
    const auto member = [&](char c) { return alphabet->Takes[static_cast<uchar>(c)]; };
    while (!word.empty() && !member(word.front()))
        word.remove_prefix(1);
    while (!word.empty() && !member(word.back()))
        word.remove_suffix(1);
    return std::string(word);
}

// ---------------------------------------------------------------- search options

int TZnajdzOpcje::AccentFlags() const
{
    return (AccentPartial ? fpAkcentCzesciowy : 0) | (AccentFree ? fpBezAkcentow : 0) | (SharpS ? fpOstreS : 0) |
           (Umlaut ? fpUmlaut : 0);
}

int TZnajdzOpcje::RelaxedFlags() const
{
    return (FirstLower || FirstLowered ? fpPierwszaMala : 0) | (AnyCase ? fpDowolnaWielkosc : 0) | AccentFlags();
}

TZnajdzOpcje InitOptions(std::string_view word, bool firstLower)
{
    TZnajdzOpcje options;
    options.Word = std::string(word);
    options.FirstLower = firstLower ? 1 : 0;
    return options;
}

} // namespace velmar
