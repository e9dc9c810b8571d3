#include "core/browser/untSlownikZew.h"

#include <algorithm>
#include <charconv>

#include "core/app/untStale.h"
#include "core/app/untUtils.h"
#include "core/dictionaries/untTransSlownikiTypy.h"

namespace velmar {

// ---------------------------------------------------------------- global positions

void TPozycjeHasel::Assign(int mainCount, std::vector<int> userMainPositions)
{
    mainCount_ = mainCount;
    mainPositions_ = std::move(userMainPositions);
}

TPozycjeHasel::TPodzial TPozycjeHasel::SplitPosition(int position) const
{
    // MainPosition(u) + u grows strictly with u, so the user headwords before the
    // position are a prefix of the list.
    int user = 0;
    for (int step = UserCount(); step > 0;) {
        const int half = step / 2;
        if (GlobalOfUser(user + half) < position) {
            user += half + 1;
            step -= half + 1;
        } else {
            step = half;
        }
    }
    return {position - user, user};
}

int TPozycjeHasel::GlobalOfMain(int main) const
{
    const auto atOrBefore = std::upper_bound(mainPositions_.begin(), mainPositions_.end(), main);
    return main + static_cast<int>(atOrBefore - mainPositions_.begin());
}

int TPozycjeHasel::GlobalBeforeMain(int main) const
{
    const auto before = std::lower_bound(mainPositions_.begin(), mainPositions_.end(), main);
    return main + static_cast<int>(before - mainPositions_.begin());
}

std::vector<int> UserMainPositions(const TTransSlownik& main, const TTransSlownik& user)
{
    std::vector<int> positions;
    positions.reserve(static_cast<std::size_t>(user.Count()));
    for (int j = 0; j < user.Count(); ++j) {
        int index = 0;
        main.FindKeyExact(user.GetKey(j), index);
        positions.push_back(index);
    }
    return positions;
}

// ---------------------------------------------------------------- the page

std::vector<TWierszStrony> FillPage(int top, int rows, const TPozycjeHasel& positions, TTransSlownikGlowny& main,
                                    TTransSlownikGlowny& user)
{
    std::vector<TWierszStrony> page;
    auto [m, u] = positions.SplitPosition(top);
    for (int r = 0; r < rows && top + r < positions.TotalCount(); ++r) {
        if (u < positions.UserCount() && positions.MainPosition(u) == m) {
            page.push_back({user.GetEntry(u).Headword, Format("U%d", u)});
            ++u;
        } else if (m < positions.MainCount()) {
            page.push_back({main.GetEntry(m).Headword, Format("G%d", m)});
            ++m;
        }
    }
    return page;
}

std::optional<TZrodloWiersza> ParseRowTag(const std::string& tag)
{
    if (tag.size() < 2 || (tag[0] != 'G' && tag[0] != 'U'))
        return std::nullopt;
    int index = 0;
    const char* end = tag.data() + tag.size();
    const auto [stop, error] = std::from_chars(tag.data() + 1, end, index);
    if (error != std::errc() || stop != end || index < 0)
        return std::nullopt;
    return TZrodloWiersza{tag[0] == 'U', index};
}

// ---------------------------------------------------------------- keys

std::optional<TRuchListy> ListKeyMove(TKlawiszListy key, bool ctrl, const TStanListy& list)
{
    const int r = list.Row;
    const int p = list.Position;
    const int lastRow = list.RowsPerPage - 1;
    const int lastFilled = std::min(list.RowsPerPage, list.FilledRows) - 1;
    switch (key) {
    case TKlawiszListy::PageUp:
        if (r == 0 && p == 0)
            return std::nullopt;
        return p > 0 ? TRuchListy{std::max(0, p - list.RowsPerPage), r} : TRuchListy{0, 0};
    case TKlawiszListy::PageDown:
        if (r == lastRow && p == list.Maximum)
            return std::nullopt;
        return p == list.Maximum ? TRuchListy{p, lastFilled}
                                 : TRuchListy{std::min(list.Maximum, p + list.RowsPerPage), r};
    case TKlawiszListy::End:
        if (ctrl)
            return r == lastRow && p == list.Maximum ? std::nullopt
                                                     : std::optional<TRuchListy>({list.Maximum, lastFilled});
        return r == lastRow ? std::nullopt : std::optional<TRuchListy>({p, lastFilled});
    case TKlawiszListy::Home:
        if (ctrl)
            return r == 0 && p == 0 ? std::nullopt : std::optional<TRuchListy>({0, 0});
        return r > 0 ? std::optional<TRuchListy>({p, 0}) : std::nullopt;
    case TKlawiszListy::Down:
        return r == lastRow && p < list.Maximum ? std::optional<TRuchListy>({p + 1, r}) : std::nullopt;
    case TKlawiszListy::Up: return r == 0 && p > 0 ? std::optional<TRuchListy>({p - 1, 0}) : std::nullopt;
    }
    return std::nullopt;
}

// ---------------------------------------------------------------- history

void THistoriaHasel::Add(const std::string& word)
{
    if (Navigating)
        return;
    std::erase(items_, word);
    items_.push_back(word);
    if (items_.size() > static_cast<std::size_t>(kLimit))
        items_.erase(items_.begin(), items_.end() - kLimit);
    cursor_ = static_cast<int>(items_.size()) - 1;
}

std::optional<std::string> THistoriaHasel::Go(int k)
{
    if (k < 0 || k >= static_cast<int>(items_.size()))
        return std::nullopt;
    cursor_ = k;
    return items_[static_cast<std::size_t>(k)];
}

void THistoriaHasel::Clear()
{
    items_.clear();
    cursor_ = -1;
}

// ---------------------------------------------------------------- letter bar

const std::vector<const char*>& LetterBarCaptions()
{
    static const std::vector<const char*> captions = {"A", "B", "C", "Ć", "D", "E", "F", "G", "H", "I", "J",
                                                      "K", "L", "Ł", "M", "N", "O", "Ó", "P", "Q", "R", "S",
                                                      "Ś", "T", "U", "V", "W", "X", "Y", "Z", "Ź", "Ż"};
    return captions;
}

std::string LetterBarAlphabet(std::uint8_t language)
{
    static const std::string polish = FromUtf8("ABCĆDEFGHIJKLŁMNOÓPRSŚTUVWYZŹŻ");
    static const std::string latin = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    return language == jezPolski ? polish : latin;
}

} // namespace velmar
