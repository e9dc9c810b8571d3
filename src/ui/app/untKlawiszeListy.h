#pragma once
// The paging keys of a list box that shows one page of a longer list beside its own
// scroll bar (the dictionary window's headwords, the archive's sentences): a key press
// turned into the move the core's ListKeyMove makes.

#include <Qt>
#include <optional>

#include "core/browser/untSlownikZew.h"

namespace velmar {

// The move for a PageUp, PageDown, Home, End or arrow key; nullopt for any other key and
// where the list box moves its selection within the page by itself.
std::optional<TRuchListy> PagingKeyMove(int key, Qt::KeyboardModifiers modifiers, const TStanListy& list);

} // namespace velmar
