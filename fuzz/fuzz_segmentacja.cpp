// Feeds arbitrary paragraphs to the segmentation of either direction, with the bundled
// dictionaries (expressions, archive, untranslatable words). The texts around the
// words and the words' own bytes must put the paragraph back together byte for byte,
// the utterances must follow one another without gap or overlap, and every word must
// lie inside its utterance.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "KierunekFuzz.h"
#include "core/engine/untWypowiedzeniaJezyka.h"

namespace {

using namespace velmar;

std::string Reassemble(const TCustomWypowiedzenia& list, std::string_view paragraph, int offset)
{
    std::string text;
    for (int u = 0; u < list.Count(); ++u) {
        const TCustomWypSlowa& words = list.Item(u)->Words();
        text += words.Lead;
        for (int i = 0; i < words.Count(); ++i) {
            const TCustomWypSlowo& word = words.Word(i);
            text += words.Around(i).Przed;
            text += paragraph.substr(static_cast<std::size_t>(word.Start - offset),
                                     static_cast<std::size_t>(word.End - word.Start));
            text += words.Around(i).Po;
            if (word.Nested)
                text += Reassemble(*word.Nested, paragraph, offset);
        }
        text += words.Tail;
    }
    return text;
}

bool UtterancesCover(const TCustomWypowiedzenia& list, std::string_view paragraph, int offset)
{
    int position = offset;
    for (int u = 0; u < list.Count(); ++u) {
        const TCustomWypowiedzenie& utterance = *list.Item(u);
        if (utterance.Start != position || utterance.End <= utterance.Start)
            return false;
        for (int i = 0; i < utterance.Words().Count(); ++i) {
            const TCustomWypSlowo& word = utterance.Words().Word(i);
            if (word.Start < utterance.Start || word.Start >= word.End || word.End > utterance.End)
                return false;
        }
        position = utterance.End;
    }
    return position == offset + static_cast<int>(paragraph.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const fuzz::TKierunek& direction = fuzz::Direction(data[0]);
    const std::string_view paragraph(reinterpret_cast<const char*>(data) + 1, size - 1);
    const int offset = (data[0] >> 2) % 8;
    const auto list = NewUtteranceList(direction.Context());
    list->Segment(paragraph, data[0] & 2, {}, {}, offset);
    if (Reassemble(*list, paragraph, offset) != paragraph || !UtterancesCover(*list, paragraph, offset))
        __builtin_trap();
    return 0;
}
