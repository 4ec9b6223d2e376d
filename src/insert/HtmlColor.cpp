#include "insert/HtmlColor.h"

namespace tessaly::insert {

std::string htmlColor(TColorRef color)
{
    if (color == kColorNone || color == kColorDefault)
        return {};
    // Swap the red and blue bytes: the system keeps blue highest, HTML wants red first.
    const TColorRef rgb = ((color & 0xFFu) << 16) | (color & 0xFF00u) | ((color >> 16) & 0xFFu);
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out = "#";
    for (int shift = 20; shift >= 0; shift -= 4)
        out += kHex[(rgb >> shift) & 0xFu];
    return out;
}

} // namespace tessaly::insert
