// Whole-sentence variants: every combination of the words' translations (and of the
// variants of the bracketed text after them), counted, tabulated up to a limit,
// rendered and applied.
#include <algorithm>
#include <cstdint>
#include <limits>

#include "core/engine/untTransWypTypy.h"

namespace velmar {

namespace {

constexpr std::uint64_t kMax64 = std::numeric_limits<std::uint64_t>::max();

std::uint64_t SaturatingProduct(std::uint64_t a, std::uint64_t b)
{
    if (a != 0 && b > kMax64 / a)
        return kMax64;
    return a * b;
}

int SaturateTo32(std::uint64_t count)
{
    constexpr auto kMax32 = static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max());
    return static_cast<int>(std::min(count, kMax32));
}

int TranslationRadix(const TCustomWypSlowo& word)
{
    return std::max(word.Translations.Count(), 1);
}

// How many tabulated variants a nested utterance offers its word.
int NestedRadix(TCustomWypowiedzenie& utterance)
{
    return std::max(static_cast<int>(utterance.Words().Variants().Items.size()), 1);
}

} // namespace

// The combinations one word contributes to the table: its translations times the
// tabulated variants of each nested utterance (the nested tables are filled first).
int TCustomWypSlowa::WordVariants(int i) const
{
    TCustomWypSlowo& word = *words_[static_cast<std::size_t>(i)];
    std::uint64_t radix = static_cast<std::uint64_t>(TranslationRadix(word));
    if (word.Nested)
        for (int u = 0; u < word.Nested->Count(); ++u)
            radix = SaturatingProduct(radix, static_cast<std::uint64_t>(NestedRadix(*word.Nested->Item(u))));
    return SaturateTo32(radix);
}

int TCustomWypSlowa::CountVariants()
{
    std::uint64_t total = 1;
    for (auto& word : words_) {
        total = SaturatingProduct(total, static_cast<std::uint64_t>(TranslationRadix(*word)));
        if (word->Nested)
            for (int u = 0; u < word->Nested->Count(); ++u)
                total = SaturatingProduct(total,
                                          static_cast<std::uint64_t>(word->Nested->Item(u)->Words().CountVariants()));
    }
    variantCount_ = SaturateTo32(total);

    variants_ = TZdania{};
    variants_.WordCount = Count();
    std::vector<int> radix;
    for (int i = 0; i < Count(); ++i) {
        radix.push_back(WordVariants(i));
        words_[static_cast<std::size_t>(i)]->VariantCounter = 0;
    }
    // An odometer over the words' counters, the last word turning fastest.
    while (static_cast<int>(variants_.Items.size()) < TZdania::kLimit) {
        TZdanie variant;
        for (int i = 0; i < Count(); ++i) {
            TCustomWypSlowo& word = *words_[static_cast<std::size_t>(i)];
            int counter = word.VariantCounter;
            TZdanieSlowo choice;
            choice.Choice = counter % TranslationRadix(word);
            counter /= TranslationRadix(word);
            if (word.Nested)
                for (int u = 0; u < word.Nested->Count(); ++u) {
                    const int nestedRadix = NestedRadix(*word.Nested->Item(u));
                    choice.NestedChoice.push_back(counter % nestedRadix);
                    counter /= nestedRadix;
                }
            variant.Items.push_back(std::move(choice));
        }
        variants_.Items.push_back(std::move(variant));
        int i = Count() - 1;
        while (i >= 0) {
            TCustomWypSlowo& word = *words_[static_cast<std::size_t>(i)];
            if (++word.VariantCounter < radix[static_cast<std::size_t>(i)])
                break;
            word.VariantCounter = 0;
            --i;
        }
        if (i < 0)
            break;
    }
    return variantCount_;
}

std::string TCustomWypSlowa::VariantText(int v)
{
    if (v < 0 || v >= static_cast<int>(variants_.Items.size()))
        return {};
    const TZdanie& variant = variants_.Items[static_cast<std::size_t>(v)];
    std::string text = Lead;
    for (int i = 0; i < Count() && i < static_cast<int>(variant.Items.size()); ++i) {
        const TZdanieSlowo& choice = variant.Items[static_cast<std::size_t>(i)];
        TCustomWypSlowo& word = *words_[static_cast<std::size_t>(i)];
        text += WordWithSurroundings(i, choice.Choice);
        if (word.Nested)
            for (int u = 0; u < word.Nested->Count() && u < static_cast<int>(choice.NestedChoice.size()); ++u)
                text += word.Nested->Item(u)->Words().VariantText(choice.NestedChoice[static_cast<std::size_t>(u)]);
    }
    return text + Tail;
}

void TCustomWypSlowa::ApplyVariant(int v)
{
    if (v < 0 || v >= static_cast<int>(variants_.Items.size()))
        return;
    const TZdanie variant = variants_.Items[static_cast<std::size_t>(v)];
    for (int i = 0; i < Count() && i < static_cast<int>(variant.Items.size()); ++i) {
        const TZdanieSlowo& choice = variant.Items[static_cast<std::size_t>(i)];
        TCustomWypSlowo& word = *words_[static_cast<std::size_t>(i)];
        word.ChooseTranslation(choice.Choice);
        // The chosen translation moved to the front: renumber the table so that it
        // still names the same translations.
        for (TZdanie& other : variants_.Items) {
            int& index = other.Items[static_cast<std::size_t>(i)].Choice;
            if (index == choice.Choice)
                index = 0;
            else if (index < choice.Choice)
                ++index;
        }
        if (word.Nested)
            for (int u = 0; u < word.Nested->Count() && u < static_cast<int>(choice.NestedChoice.size()); ++u)
                word.Nested->Item(u)->Words().ApplyVariant(choice.NestedChoice[static_cast<std::size_t>(u)]);
    }
}

} // namespace velmar
