// Feeds arbitrary bytes to the notes file reader. The notes read must be saved to a
// file that reads back to the same notes, and saving those writes the same bytes; a
// note typed with any line breaks reads back with CR LF ones.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "PlikFuzz.h"
#include "core/browser/untNotatki.h"

namespace {

using namespace velmar;

bool SameNotes(const TNotatki& a, const TNotatki& b)
{
    if (a.Count() != b.Count())
        return false;
    for (int i = 0; i < a.Count(); ++i)
        if (a.Name(i) != b.Name(i) || a.Value(i) != b.Value(i))
            return false;
    return true;
}

// The text with every CR LF, lone LF and lone CR as CR LF.
std::string WithCrLf(std::string_view text)
{
    std::string normal;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            normal += "\r\n";
        } else {
            normal += text[i];
        }
    }
    return normal;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TNotatki notes;
    if (!notes.Load(fuzz::FileWith("notes.txt", bytes)))
        __builtin_trap();

    const auto saved = fuzz::FileWith("saved.txt", "");
    if (!notes.Save(saved))
        __builtin_trap();
    TNotatki again;
    if (!again.Load(saved) || !SameNotes(notes, again))
        __builtin_trap();
    const std::string first = fuzz::ReadBytes(saved);
    if (!again.Save(saved) || fuzz::ReadBytes(saved) != first)
        __builtin_trap();

    // The input as one typed note; a note with none of the stored marker bytes.
    if (bytes.find('\x02') == std::string_view::npos) {
        const int index = notes.Add("fuzz");
        notes.SetNote(index, bytes);
        if (notes.Note(index) != WithCrLf(bytes))
            __builtin_trap();
    }
    return 0;
}
