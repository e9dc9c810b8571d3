#include "core/browser/untNotatki.h"

#include <fstream>
#include <sstream>

#include "core/app/untUtils.h"
#include "core/app/untZapisPliku.h"

namespace velmar {

namespace {

constexpr std::string_view kZnacznikLinii = "\x02\x02";
constexpr std::string_view kKoniecLinii = "\r\n";

} // namespace

const std::string& TNotatki::Name(int index) const
{
    return wpisy_.at(static_cast<std::size_t>(index)).Name;
}

const std::string& TNotatki::Value(int index) const
{
    return wpisy_.at(static_cast<std::size_t>(index)).Value;
}

int TNotatki::IndexOf(std::string_view headword) const
{
    const std::string wanted = LowerStr(headword);
    for (int i = 0; i < Count(); ++i)
        if (LowerStr(Name(i)) == wanted)
            return i;
    return -1;
}

int TNotatki::Add(std::string_view headword)
{
    const int index = IndexOf(headword);
    if (index >= 0)
        return index;
    wpisy_.push_back({std::string(headword), {}});
    return Count() - 1;
}

void TNotatki::SetNote(int index, std::string_view text)
{
    wpisy_.at(static_cast<std::size_t>(index)).Value = EncodeLineBreaks(text);
}

std::string TNotatki::Note(int index) const
{
    return DecodeLineBreaks(Value(index));
}

std::string TNotatki::NoteOf(std::string_view headword) const
{
    const int index = IndexOf(headword);
    return index < 0 ? std::string() : Note(index);
}

void TNotatki::Delete(int index)
{
    if (index >= 0 && index < Count())
        wpisy_.erase(wpisy_.begin() + index);
}

std::string TNotatki::EncodeLineBreaks(std::string_view text)
{
    std::string stored;
    stored.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            stored += kZnacznikLinii;
        } else {
            stored += text[i];
        }
    }
    return stored;
}

std::string TNotatki::DecodeLineBreaks(std::string_view stored)
{
    return ReplaceAll(stored, kZnacznikLinii, kKoniecLinii);
}

bool TNotatki::Load(const std::filesystem::path& file)
{
    wpisy_.clear();
    wczytanieNieudane_ = false;
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        // A file whose existence cannot even be checked may well hold notes.
        wczytanieNieudane_ = static_cast<bool>(error);
        return !error;
    }
    std::ifstream in(file, std::ios::binary);
    std::stringstream content;
    // An empty file inserts nothing, which the stream reports as a failure: test for it
    // first, or a file emptied outside the program would refuse every later save.
    const bool empty = in && in.peek() == std::ifstream::traits_type::eof();
    if (!in || !(empty || content << in.rdbuf())) {
        wczytanieNieudane_ = true;
        return false;
    }
    std::string line;
    while (std::getline(content, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        const auto equals = line.find('=');
        if (equals == std::string::npos)
            wpisy_.push_back({line, {}});
        else
            wpisy_.push_back({line.substr(0, equals), line.substr(equals + 1)});
    }
    return true;
}

bool TNotatki::Save(const std::filesystem::path& file) const
{
    if (wczytanieNieudane_)
        return false;
    if (wpisy_.empty()) {
        std::error_code error;
        std::filesystem::remove(file, error);
        return !error;
    }
    std::string content;
    for (const auto& entry : wpisy_)
        content += entry.Name + "=" + entry.Value + std::string(kKoniecLinii);
    return SaveFileAtomically(file, content);
}

} // namespace velmar
