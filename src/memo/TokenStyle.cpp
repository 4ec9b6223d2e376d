#include "memo/TokenStyle.h"

namespace tessaly::memo {

std::uint32_t resolveColour(std::uint32_t colour)
{
    if (!(colour & 0x80000000u))
        return colour & 0xFFFFFF;
    switch (colour & 0xFF) {
    case 5:  // window background
    case 14: // highlighted text
        return 0xFFFFFF;
    case 13: // highlight: navy
        return 0x800000;
    case 15: // button face
        return 0xC0C0C0;
    case 16: // button shadow
    case 17: // grey text
        return 0x808080;
    default: // window text and the rest
        return 0x000000;
    }
}

} // namespace tessaly::memo
