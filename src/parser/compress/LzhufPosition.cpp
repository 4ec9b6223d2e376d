#include "parser/compress/LzhufPosition.h"

#include <array>
#include <cstdint>

namespace tessaly::parser::lzhuf {

namespace {

// Code lengths of the 64 upper-bit values: 1 of 3 bits, 3 of 4, 8 of 5,
// 12 of 6, 24 of 7 and 16 of 8. Codes are assigned canonically in value order.
struct PositionTables {
    std::array<std::uint8_t, 64> length{};
    std::array<std::uint8_t, 64> code{};      // left-aligned in 8 bits
    std::array<std::uint8_t, 256> upper{};    // by the next 8 input bits
    std::array<std::uint8_t, 256> upperLength{};

    constexpr PositionTables()
    {
        constexpr unsigned counts[][2] = {{3, 1}, {4, 3}, {5, 8}, {6, 12}, {7, 24}, {8, 16}};
        unsigned value = 0;
        unsigned next = 0; // next code, left-aligned in 8 bits
        for (const auto& [bits, count] : counts) {
            for (unsigned i = 0; i < count; ++i, ++value) {
                length[value] = static_cast<std::uint8_t>(bits);
                code[value] = static_cast<std::uint8_t>(next);
                const unsigned span = 1u << (8 - bits);
                for (unsigned b = next; b < next + span; ++b) {
                    upper[b] = static_cast<std::uint8_t>(value);
                    upperLength[b] = static_cast<std::uint8_t>(bits);
                }
                next += span;
            }
        }
    }
};

constexpr PositionTables kTables;
static_assert(kTables.code[1] == 0x20 && kTables.code[63] == 0xFF);

} // namespace

void encodePosition(unsigned position, BitWriter& out)
{
    const unsigned upper = (position >> 6) & 63;
    const unsigned bits = kTables.length[upper];
    out.put(kTables.code[upper] >> (8 - bits), bits);
    out.put(position & 63, 6);
}

unsigned decodePosition(BitReader& in)
{
    // The first 8 bits hold the prefix code and the start of the low bits.
    unsigned window = in.bits(8);
    const unsigned upper = kTables.upper[window];
    const unsigned bits = kTables.upperLength[window];
    window = (window << (bits - 2)) | in.bits(bits - 2);
    return (upper << 6) | (window & 63);
}

} // namespace tessaly::parser::lzhuf
