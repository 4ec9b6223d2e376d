#pragma once

#include <cstdint>

namespace tessaly::memo {

// How the characters of one token value are shown: colours as stored by the
// language settings (red in the low byte; a value with the top bit set names
// a system colour), and the font styles.
struct TTokenStyle {
    std::uint32_t foreground = 0x000000;
    std::uint32_t background = 0xFFFFFF;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool ownColours = false; // the style's colours replace the page colours
    bool hotspot = false;    // text the user can click (links)
};

// A colour value as plain RGB (red in the low byte), with the system colours
// the settings use resolved to their usual values.
std::uint32_t resolveColour(std::uint32_t colour);

inline int redOf(std::uint32_t c) { return static_cast<int>(c & 0xFF); }
inline int greenOf(std::uint32_t c) { return static_cast<int>((c >> 8) & 0xFF); }
inline int blueOf(std::uint32_t c) { return static_cast<int>((c >> 16) & 0xFF); }

} // namespace tessaly::memo
