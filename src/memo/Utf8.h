#pragma once

#include <cstddef>
#include <cstdint>

namespace tessaly::memo {

// Length of the valid UTF-8 sequence of two or more bytes at p (at most avail
// bytes), with its code point in cp; 0 when the bytes there are no such
// sequence (an ASCII byte, a stray continuation byte, an overlong or
// truncated form, a surrogate).
inline int utf8Sequence(const unsigned char* p, std::size_t avail, std::uint32_t& cp)
{
    const unsigned char b = p[0];
    int len = 0;
    std::uint32_t min = 0;
    if (b >= 0xC2 && b <= 0xDF) {
        len = 2;
        cp = b & 0x1F;
        min = 0x80;
    } else if (b >= 0xE0 && b <= 0xEF) {
        len = 3;
        cp = b & 0x0F;
        min = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
        len = 4;
        cp = b & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (avail < static_cast<std::size_t>(len))
        return 0;
    for (int i = 1; i < len; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (p[i] & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

} // namespace tessaly::memo
