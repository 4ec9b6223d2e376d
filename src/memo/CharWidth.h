#pragma once

#include "memo/Utf8.h"

#include <string_view>

namespace tessaly::memo {

// Display cells of a code point on the editor's grid: 0 for combining marks,
// variation selectors and other zero-width characters (they sit on the cell
// of the character before them), 2 for East Asian wide and full-width
// characters (CJK, Hangul, kana, most emoji), 1 for everything else.
int codePointCells(char32_t cp);

// Cells of the character at byte i of t, a tab not included: a valid UTF-8
// sequence by its code point, any other byte one cell.
inline int cellsAt(std::string_view t, std::size_t i)
{
    const auto c = static_cast<unsigned char>(t[i]);
    if (c < 0x80 || utf8Length(t, i) == 1)
        return 1;
    return codePointCells(utf8Decode(t, i));
}

} // namespace tessaly::memo
