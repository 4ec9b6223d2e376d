#pragma once

#include "memo/Color.h"

namespace tessaly::memo {

// How the characters of one token value are shown: colours as stored by the
// language settings, and the font styles.
struct TTokenStyle {
    TColor foreground = TColor::fromRgb(0, 0, 0);
    TColor background = TColor::fromRgb(0xFF, 0xFF, 0xFF);
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool ownColours = false; // the style's colours replace the page colours
    bool hotspot = false;    // text the user can click (links)
};

} // namespace tessaly::memo
