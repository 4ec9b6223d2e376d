#pragma once

#include "widgets/SearchDialog.h"

namespace tessaly::widgets {

class TSyntaxMemoView;

// Opens the Find or Replace dialog of an editor view. Each view keeps at most
// one: opening one closes and frees the other; opening the same again shows
// the one there is.
TSearchDialog* openSearchDialog(TSyntaxMemoView& view, TSearchDialog::Mode mode, memo::TSearchFlags flags);

} // namespace tessaly::widgets
