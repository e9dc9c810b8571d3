#include "core/dictionaries/untTransSlownikiTypy.h"

#include <typeinfo>

#include "core/app/untStale.h"

namespace velmar {

std::string AccentFold(std::string_view text, std::uint8_t /*alphabet*/, int /*mode*/)
{
    return std::string(text);
}

int CompareKeys(std::string_view a, std::string_view b, std::uint8_t language)
{
    if (const int order = DictCompare(a, b, language); order != 0)
        return order;
    // Keys the collation calls equal ("oeuvre", "œuvre") still get a fixed order.
    const int order = a.compare(b);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

// ---------------------------------------------------------------- TTransSlownik

TTransSlownik::TTransSlownik(std::uint8_t kind, int keyRow, std::uint8_t sourceLang, std::uint8_t targetLang,
                             char keySeparator, char codeMark, char itemSeparator, char phraseMark, char valencyMark,
                             std::string markerText, TZbiorZnakow charSet1, TZbiorZnakow charSet2,
                             TZbiorZnakow charSet3, TZbiorZnakow charSet4, TZbiorZnakow charSet5)
    : Kind(kind), KeyRow(keyRow), KeySeparator(keySeparator), CodeMark(codeMark), ItemSeparator(itemSeparator),
      PhraseMark(phraseMark), ValencyMark(valencyMark), MarkerText(std::move(markerText)), CharSet1(charSet1),
      CharSet2(charSet2), CharSet3(charSet3), CharSet4(charSet4), CharSet5(charSet5)
{
    SetSourceLanguage(sourceLang);
    SetTargetLanguage(targetLang);
}

TMigawkaLinii TTransSlownik::CurrentLines() const
{
    static const TMigawkaLinii none = std::make_shared<const TWersjaLinii>();
    return Lines ? Lines->Snapshot() : none;
}

void TTransSlownik::Repin()
{
    if (pinDepth_ > 0)
        pinned_ = CurrentLines();
}

int TTransSlownik::Count() const
{
    return TPrzypiecie(*this).Version().Count();
}

std::string TTransSlownik::KeyOf(std::string_view line) const
{
    return KeyBeforeSeparator(line, KeySeparator);
}

std::string TTransSlownik::GetKey(int index) const
{
    return KeyOf(TPrzypiecie(*this).Version().DecodedUntil(index, KeyRow, KeySeparator));
}

std::string TTransSlownik::DecodedLine(int index) const
{
    return TPrzypiecie(*this).Version().Decoded(index, KeyRow);
}

std::string TTransSlownik::Encode(std::string_view text) const
{
    return EncodeLine(text, KeyRow);
}

void TTransSlownik::Attach(TLinie* lines)
{
    // A filtered view belongs to the lines it was made from: it ends here, or turning it
    // off later would bring back the old lines.
    FilterActive = false;
    SavedLines = nullptr;
    FilterLines.Clear();
    Lines = lines;
    CachedIndex = -1;
    Repin();
}

void TTransSlownik::SetSourceLanguage(std::uint8_t language)
{
    SourceLang = language;
    SourceAlphabet = AlphabetId(language);
}

void TTransSlownik::SetTargetLanguage(std::uint8_t language)
{
    TargetLang = language;
    TargetAlphabet = AlphabetId(language);
}

std::shared_ptr<const TPrefiksyKluczy> TTransSlownik::KeyPrefixes() const
{
    const TPrzypiecie pin(*this);
    const TOdczytKluczy reading{typeid(*this), KeyRow, KeySeparator, CharSet1 | CharSet2, KeyVariant(), SourceLang};
    return pin.Version().Index<TPrefiksyKluczy>(
        [&](const TPrefiksyKluczy& index) { return index.Reading() == reading; },
        [&](const TWersjaLinii& version) {
            std::vector<std::uint64_t> prefixes(static_cast<std::size_t>(version.Count()));
            for (int i = 0; i < version.Count(); ++i)
                prefixes[static_cast<std::size_t>(i)] =
                    CollationPrefix(KeyOf(version.DecodedUntil(i, KeyRow, KeySeparator)), SourceLang);
            return std::make_shared<const TPrefiksyKluczy>(reading, std::move(prefixes));
        });
}

bool TTransSlownik::FindKeyExact(std::string_view key, int& index) const
{
    const TPrzypiecie pin(*this);
    const std::shared_ptr<const TPrefiksyKluczy> prefixes = KeyPrefixes();
    const std::uint64_t keyPrefix = CollationPrefix(key, SourceLang);
    int low = 0;
    int high = Count() - 1;
    while (low <= high) {
        const int middle = low + (high - low) / 2;
        int order = ComparePrefixes(prefixes->At(middle), keyPrefix);
        if (order == 0)
            order = CompareKeys(GetKey(middle), key, SourceLang);
        if (order == 0) {
            index = middle;
            return true;
        }
        if (order < 0)
            low = middle + 1;
        else
            high = middle - 1;
    }
    index = low;
    return false;
}

// ---------------------------------------------------------------- keys

std::string ExtractKey(std::string_view line, const TTransSlownik& dictionary)
{
    const std::size_t separator = line.find(dictionary.KeySeparator);
    if (separator == std::string_view::npos)
        return {};
    std::string key = Trim(line.substr(0, separator));
    const TZbiorZnakow cutters = dictionary.CharSet1 | dictionary.CharSet2;
    if (cutters.any()) {
        int position = 1;
        if (FindCharInSet(key, position, cutters))
            key = TrimRight(std::string_view(key).substr(0, static_cast<std::size_t>(position - 1)));
    }
    return key;
}

std::string KeyBeforeSeparator(std::string_view line, char separator)
{
    const std::size_t at = line.find(separator);
    if (at != std::string_view::npos)
        return Trim(line.substr(0, at));
    const std::size_t space = line.find(' ');
    if (space != std::string_view::npos && space >= 1)
        return std::string(line.substr(0, space));
    return std::string(line);
}

namespace {

bool FoldsKeys(bool foldAccents, std::uint8_t language)
{
    return foldAccents && (language == jezFrancuski || language == jezWloski);
}

} // namespace

// ---------------------------------------------------------------- TTransSlownikGlowny

TSkladniaJezyka MainSyntaxFor(std::uint8_t sourceLanguage)
{
    const std::string graveAccents = "``";
    switch (sourceLanguage) {
    case jezFrancuski: return {CharsToSet("[{"), {}, {}, ""};
    case jezAngielski: return {CharsToSet("{"), CharsToSet("{"), CharsToSet("["), graveAccents};
    case jezPolski: return {{}, {}, {}, graveAccents};
    default: return {};
    }
}

TTransSlownikGlowny::TTransSlownikGlowny(std::uint8_t kind, int keyRow, std::uint8_t sourceLang,
                                         std::uint8_t targetLang, TZbiorZnakow charSet5)
    : TTransSlownik(kind, keyRow, sourceLang, targetLang, '_', '#', ';', kPhraseMark, '$', "", {}, {}, {},
                    CharsToSet("("), charSet5),
      entry_(std::make_unique<TTransSlownikSlowo>(kind))
{
}

TTransSlownikGlowny::~TTransSlownikGlowny() = default;

std::string TTransSlownikGlowny::KeyOf(std::string_view line) const
{
    std::string key = ExtractKey(line, *this);
    if (FoldsKeys(FoldAccents, SourceLang))
        key = AccentFold(key, SourceAlphabet, 3);
    return key;
}

TTransSlownikSlowo& TTransSlownikGlowny::GetEntry(int index)
{
    const TPrzypiecie pin(*this);
    const std::uint64_t version = pin.Version().Serial();
    if (index == CachedIndex && version == cachedVersion_ && !entry_->Pruned && !entry_->Changed)
        return *entry_;
    if (index < 0 || index >= Count())
        return *entry_;
    CachedIndex = index;
    cachedVersion_ = version;
    entry_->Parse(GetEntryText(index), KeepPhrases, *this, FoldAccents);
    entry_->Index = index;
    return *entry_;
}

void TTransSlownikGlowny::Clear()
{
    if (Lines)
        Lines->Clear();
    CachedIndex = -1;
}

std::string TTransSlownikGlowny::AllKeys() const
{
    const TPrzypiecie pin(*this);
    std::string keys;
    const int count = Count();
    for (int i = 0; i < count; ++i)
        keys += GetKey(i) + "\r\n";
    return keys;
}

TWide TTransSlownikGlowny::AllKeysWide() const
{
    return ToWide(AllKeys(), SourceLang);
}

// ---------------------------------------------------------------- the other kinds

TTransSlownikOdwolan::TTransSlownikOdwolan(std::uint8_t language)
    : TTransSlownik(rsOdwolan, kKeyRowForms, language, language, '\\', '\0', '\0', '\0', '\0', "")
{
}

std::string TTransSlownikOdwolan::KeyOf(std::string_view line) const
{
    const std::size_t separator = line.find('\\');
    return separator == std::string_view::npos ? std::string() : std::string(line.substr(0, separator));
}

TTransSlownikKwal::TTransSlownikKwal(std::uint8_t language)
    : TTransSlownik(rsPomocniczy, kKeyRowAuxiliary, language, language, '_', '\0', '\0', '\0', '\0', "")
{
}

std::string TTransSlownikKwal::KeyOf(std::string_view line) const
{
    return ExtractKey(line, *this);
}

TTransSlownikNieTlum::TTransSlownikNieTlum(std::uint8_t sourceLang, std::uint8_t targetLang)
    : TTransSlownik(rsPomocniczy, kKeyRowAuxiliary, sourceLang, targetLang, '_', '\0', '\0', '\0', '\0', "")
{
}

TTransSlownikDanych::TTransSlownikDanych(std::uint8_t language)
    : TTransSlownik(rsPomocniczy, kKeyRowAuxiliary, language, language, '_', '\0', '\0', '\0', '\0', "")
{
}

std::string TTransSlownikDanych::KeyOf(std::string_view line) const
{
    std::string key = KeyBeforeSeparator(line, KeySeparator);
    if (FoldsKeys(FoldAccents, SourceLang))
        key = AccentFold(key, SourceAlphabet, 3);
    return key;
}

TTransSlownikKategorii::TTransSlownikKategorii(std::uint8_t language)
    : TTransSlownik(rsKategorii, kKeyRowAuxiliary, language, language, '=', '\0', ',', '\0', '\0', "")
{
}

std::string TTransSlownikKategorii::KeyOf(std::string_view line) const
{
    const std::size_t separator = line.find(KeySeparator);
    if (separator == std::string_view::npos)
        return FirstWord(line);
    return Trim(line.substr(0, separator));
}

TTransSlownikKolokacji::TTransSlownikKolokacji(std::uint8_t sourceLang, std::uint8_t targetLang)
    : TTransSlownik(rsKolokacji, kKeyRowAuxiliary, sourceLang, targetLang, '_', '\0', ';', '\0', '\0', "")
{
}

} // namespace velmar
