#pragma once

#include "memo/TextFormat.h"

#include <string_view>

namespace tessaly::memo {

inline constexpr std::string_view kBomUtf8{"\xEF\xBB\xBF", 3};
inline constexpr std::string_view kBomLE{"\xFF\xFE", 2};
inline constexpr std::string_view kBomBE{"\xFE\xFF", 2};

// The mark a file in this encoding starts with; empty for an encoding
// written without one.
constexpr std::string_view byteOrderMark(TEncoding e)
{
    switch (e) {
    case TEncoding::utf8Bom:
        return kBomUtf8;
    case TEncoding::utf16LE:
        return kBomLE;
    case TEncoding::utf16BE:
        return kBomBE;
    default:
        return {};
    }
}

} // namespace tessaly::memo
