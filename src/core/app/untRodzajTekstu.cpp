#include "core/app/untRodzajTekstu.h"

#include <array>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"

namespace velmar {

namespace {

constexpr int kGlosowNaProfil = 10;
constexpr int kSlowDoPoddania = 200;

constexpr TProfilSlowa kListy[] = {
    {jezWloski, 35, "<calcio>"},
};

bool IsWordByte(unsigned char c)
{
    return IsLetter(c) || c == '\'' || c == '-';
}

} // namespace

std::span<const TProfilSlowa> ProfileWordLists()
{
    return kListy;
}

int DetectTextType(const std::vector<std::string>& lines, std::uint8_t language, std::span<const TProfilSlowa> lists)
{
    std::vector<std::string> words8; // the lists' words in 8-bit text, per list
    for (const auto& list : lists)
        words8.push_back(FromUtf8(list.Slowa));
    std::array<int, 256> votes{};
    int wordCount = 0;
    for (const auto& line : lines) {
        for (std::size_t i = 0; i < line.size();) {
            if (!IsWordByte(static_cast<unsigned char>(line[i]))) {
                ++i;
                continue;
            }
            const std::size_t start = i;
            while (i < line.size() && IsWordByte(static_cast<unsigned char>(line[i])))
                ++i;
            const std::string word = Trim(std::string_view(line).substr(start, i - start));
            ++wordCount;
            for (std::size_t l = 0; l < lists.size(); ++l) {
                if (lists[l].Jezyk != language || !InTagList(word, words8[l]))
                    continue;
                if (++votes[lists[l].Profil] >= kGlosowNaProfil)
                    return lists[l].Profil;
                break;
            }
        }
        if (wordCount >= kSlowDoPoddania)
            break;
    }
    return 0;
}

} // namespace velmar
