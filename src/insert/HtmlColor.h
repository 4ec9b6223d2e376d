#pragma once

#include <cstdint>
#include <string>

namespace tessaly::insert {

// A colour in the system's form 0x00BBGGRR (red in the lowest byte). Values
// with a non-zero top byte are not RGB colours; two of them are named.
using TColorRef = std::uint32_t;
inline constexpr TColorRef kColorNone = 0xFF000000u;    // no colour at all
inline constexpr TColorRef kColorDefault = 0xFE000000u; // the default colour

// The colour as HTML writes it: "#" and six upper-case hex digits, red
// first; the empty string for kColorNone and kColorDefault. Other special
// values keep only their low 24 bits.
std::string htmlColor(TColorRef color);

// Builds a colour reference from its components.
constexpr TColorRef colorRef(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return static_cast<TColorRef>(red) | (static_cast<TColorRef>(green) << 8) | (static_cast<TColorRef>(blue) << 16);
}

} // namespace tessaly::insert
