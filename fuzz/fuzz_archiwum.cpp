// Feeds arbitrary decoded record bodies to the sentence archive's record markup. A
// record read from a body and written again must read back to the same texts and
// views and be written the same way; a text the archive accepts as it stands
// (ArchiveTextProblem), without the blanks around it, is stored as a source and a
// translation and reads back as it was.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/app/untUtils.h"
#include "core/dictionaries/untArchiwumRekord.h"

namespace {

using namespace velmar;

bool SameViews(const TTransSlownikZdanCustomTlumZdanie& a, const TTransSlownikZdanCustomTlumZdanie& b)
{
    return a.Raw == b.Raw && a.Plain == b.Plain && a.View90 == b.View90 && a.View80 == b.View80 && a.View70 == b.View70;
}

bool SameRecords(const TTransSlownikZdanZdanie& a, const TTransSlownikZdanZdanie& b)
{
    if (!SameViews(a, b) || a.Translations.Count() != b.Translations.Count())
        return false;
    for (int i = 0; i < a.Translations.Count(); ++i)
        if (!SameViews(*a.Translations.Item(i), *b.Translations.Item(i)))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view body(reinterpret_cast<const char*>(data), size);
    TTransSlownikZdanZdanie record;
    record.ParseRecord(body);
    const std::string written = record.SerialiseRecord();
    TTransSlownikZdanZdanie again;
    again.ParseRecord(written);
    if (!SameRecords(record, again) || again.SerialiseRecord() != written)
        __builtin_trap();

    // The archive keeps a sentence without the blanks and control bytes around it.
    const std::string sentence = Trim(body);
    if (ArchiveTextProblem(sentence) != TProblemTekstuArchiwum::None)
        return 0;
    TTransSlownikZdanZdanie pair;
    pair.SetRaw(sentence, false);
    pair.AddTranslationText(sentence);
    TTransSlownikZdanZdanie stored;
    stored.ParseRecord(pair.SerialiseRecord());
    if (!SameRecords(pair, stored) || stored.Raw != sentence || stored.Translations.Item(0)->Raw != sentence)
        __builtin_trap();
    return 0;
}
