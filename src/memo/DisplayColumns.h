#pragma once

#include "memo/TabStops.h"

#include <string_view>

namespace tessaly::memo {

// Display columns of a record's text: tabs expand to the next stop, a valid
// UTF-8 sequence takes the cells of its character (two for wide ones, none
// for combining marks), any other byte one cell.

// Display column of byte column col of t (0-based both); columns past the
// end count one each. mayHaveTabs false (the record has no tab) lets pure
// ASCII text skip the walk.
int displayColumnIn(std::string_view t, int col, bool mayHaveTabs, const TTabStops& tabs);

// Byte column of t that stands at display column dcol, or the end of the
// text before its CR when the text is narrower.
int columnAtDisplayIn(std::string_view t, int dcol, const TTabStops& tabs);

} // namespace tessaly::memo
