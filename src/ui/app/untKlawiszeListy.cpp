#include "ui/app/untKlawiszeListy.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace velmar {

std::optional<TRuchListy> PagingKeyMove(int key, Qt::KeyboardModifiers modifiers, const TStanListy& list)
{
    static const std::pair<int, TKlawiszListy> kKeys[] = {
        {Qt::Key_PageUp, TKlawiszListy::PageUp}, {Qt::Key_PageDown, TKlawiszListy::PageDown},
        {Qt::Key_End, TKlawiszListy::End},       {Qt::Key_Home, TKlawiszListy::Home},
        {Qt::Key_Down, TKlawiszListy::Down},     {Qt::Key_Right, TKlawiszListy::Down},
        {Qt::Key_Up, TKlawiszListy::Up},         {Qt::Key_Left, TKlawiszListy::Up}};
    const auto found =
        std::find_if(std::begin(kKeys), std::end(kKeys), [key](const auto& k) { return k.first == key; });
    if (found == std::end(kKeys) || list.RowsPerPage == 0)
        return std::nullopt;
    return ListKeyMove(found->second, modifiers.testFlag(Qt::ControlModifier), list);
}

} // namespace velmar
