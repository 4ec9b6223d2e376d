#include "insert/HtmlColor.h"

namespace tessaly::insert {

std::string htmlColor(memo::TColor color)
{
    if (color.isNone() || color.isDefault())
        return {};
    const int parts[3] = {color.red(), color.green(), color.blue()};
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out = "#";
    for (const int part : parts) {
        out += kHex[part >> 4];
        out += kHex[part & 0xF];
    }
    return out;
}

} // namespace tessaly::insert
