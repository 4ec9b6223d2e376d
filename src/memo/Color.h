#pragma once

#include <cstdint>

namespace tessaly::memo {

// A colour as the language settings, the registry, the compiled definitions
// and the profiles store it: 0x00BBGGRR, red in the lowest byte. A value
// with the top bit set is not an RGB colour: it names a system colour by its
// low byte, or is one of the two markers none() and defaultColor(). The
// stored form goes in and out unchanged, so stored files keep their bytes.
// Header only: the snippet builders use it without linking the engine.
class TColor {
public:
    constexpr TColor() = default; // black

    static constexpr TColor fromRgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
    {
        return TColor(static_cast<std::uint32_t>(red) | (static_cast<std::uint32_t>(green) << 8)
                      | (static_cast<std::uint32_t>(blue) << 16));
    }
    // From the stored 0x00BBGGRR form (or a system colour or marker).
    static constexpr TColor fromStored(std::uint32_t value) { return TColor(value); }
    // No colour at all.
    static constexpr TColor none() { return TColor(0xFF000000u); }
    // The default colour of whatever is painted.
    static constexpr TColor defaultColor() { return TColor(0xFE000000u); }

    constexpr std::uint32_t stored() const { return value_; }
    // True for a plain RGB colour (the top byte is zero).
    constexpr bool isRgb() const { return (value_ & 0xFF000000u) == 0; }
    constexpr bool isNone() const { return value_ == none().value_; }
    constexpr bool isDefault() const { return value_ == defaultColor().value_; }

    // The components of the low 24 bits.
    constexpr int red() const { return static_cast<int>(value_ & 0xFF); }
    constexpr int green() const { return static_cast<int>((value_ >> 8) & 0xFF); }
    constexpr int blue() const { return static_cast<int>((value_ >> 16) & 0xFF); }

    // The colour as plain RGB: a system colour (any value with the top bit
    // set) becomes its usual value, anything else keeps its low 24 bits.
    constexpr TColor resolved() const
    {
        if (!(value_ & 0x80000000u))
            return TColor(value_ & 0xFFFFFF);
        switch (value_ & 0xFF) {
        case 5:  // window background
        case 14: // highlighted text
            return TColor(0xFFFFFF);
        case 13: // highlight: navy
            return TColor(0x800000);
        case 15: // button face
            return TColor(0xC0C0C0);
        case 16: // button shadow
        case 17: // grey text
            return TColor(0x808080);
        default: // window text and the rest
            return TColor(0x000000);
        }
    }

    friend constexpr bool operator==(TColor, TColor) = default;

private:
    constexpr explicit TColor(std::uint32_t value) : value_(value) {}

    std::uint32_t value_ = 0;
};

} // namespace tessaly::memo
