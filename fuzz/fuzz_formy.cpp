// Feeds arbitrary decoded lines to every kind of data file other than the main
// dictionary: the forms dictionary and the auxiliary ones (phrases, collocations,
// categories, qualifiers, untranslatable words, data values, the archive's lines). The
// first byte picks the kind and the language. A line must survive the readable form
// the data tool writes and reads back, and its stored form in a line list, and each
// kind's reader must read it as the forms line parser does.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/app/untStale.h"
#include "core/dictionaries/untFormy.h"
#include "core/dictionaries/untKod.h"
#include "core/dictionaries/untTransSlownikiTypy.h"
#include "core/dictionaries/untZrodlaDanych.h"

namespace {

using namespace velmar;

void ReadWithTheKindsReader(TTransSlownik& dictionary, std::string_view line, std::uint8_t language)
{
    if (auto* forms = dynamic_cast<TTransSlownikOdwolan*>(&dictionary)) {
        if (!(forms->ReadingAt(0) == ParseFormLine(line, language)))
            __builtin_trap();
    } else if (auto* categories = dynamic_cast<TTransSlownikKategorii*>(&dictionary)) {
        categories->Definition(dictionary.GetKey(0));
        categories->ResolveReferences();
    } else if (auto* values = dynamic_cast<TTransSlownikDanych*>(&dictionary)) {
        values->ValueAt(0);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto& kinds = DataKindNames();
    const std::string& kind = kinds[(data[0] >> 1) % kinds.size()];
    if (kind == "main")
        return 0; // fuzz_haslo's
    const std::uint8_t language = data[0] % 2 == 0 ? jezFrancuski : jezPolski;
    const std::unique_ptr<TTransSlownik> dictionary = MakeDictionaryOfKind(kind, language);
    const std::string line(reinterpret_cast<const char*>(data) + 1, size - 1);

    if (ReadableToText(TextToReadable(line, *dictionary)) != line)
        __builtin_trap();

    TLinie lines;
    lines.Add(dictionary->Encode(line));
    dictionary->Attach(&lines);
    if (dictionary->DecodedLine(0) != line)
        __builtin_trap();
    const std::string key = dictionary->GetKey(0);
    int index = -1;
    dictionary->FindKeyExact(key, index);
    ReadWithTheKindsReader(*dictionary, line, language);
    dictionary->Attach(nullptr);
    return 0;
}
