#pragma once

#include <array>
#include <cstdint>
#include <cstring>

namespace tessaly::parser {

// A set of the numbers 0..255 in 256 bits: bit n of byte n / 8, least
// significant bit first. Used for parser states, token values (the anchor set)
// and character codes. Copied by value; a membership test is one byte read,
// set operations work on 64-bit words.
struct TStateSet {
    std::array<std::uint8_t, 32> bits{};

    static TStateSet all()
    {
        TStateSet s;
        s.bits.fill(0xFF);
        return s;
    }
    static TStateSet of(std::uint8_t n)
    {
        TStateSet s;
        s.insert(n);
        return s;
    }

    bool contains(std::uint8_t n) const { return (bits[n >> 3] >> (n & 7)) & 1u; }
    void insert(std::uint8_t n) { bits[n >> 3] = static_cast<std::uint8_t>(bits[n >> 3] | (1u << (n & 7))); }
    void erase(std::uint8_t n) { bits[n >> 3] = static_cast<std::uint8_t>(bits[n >> 3] & ~(1u << (n & 7))); }

    bool empty() const
    {
        for (auto b : bits)
            if (b)
                return false;
        return true;
    }
    bool intersects(const TStateSet& o) const
    {
        // Four 64-bit words at a time: this test runs for every keyword node
        // and rule the scanner looks at.
        for (std::size_t i = 0; i < bits.size(); i += 8) {
            std::uint64_t a, b;
            std::memcpy(&a, bits.data() + i, 8);
            std::memcpy(&b, o.bits.data() + i, 8);
            if (a & b)
                return true;
        }
        return false;
    }
    TStateSet& operator|=(const TStateSet& o)
    {
        for (std::size_t i = 0; i < bits.size(); i += 8) {
            std::uint64_t a, b;
            std::memcpy(&a, bits.data() + i, 8);
            std::memcpy(&b, o.bits.data() + i, 8);
            a |= b;
            std::memcpy(bits.data() + i, &a, 8);
        }
        return *this;
    }
    // Removes every member of o.
    [[gnu::always_inline]] TStateSet& operator-=(const TStateSet& o)
    {
        for (std::size_t i = 0; i < bits.size(); i += 8) {
            std::uint64_t a, b;
            std::memcpy(&a, bits.data() + i, 8);
            std::memcpy(&b, o.bits.data() + i, 8);
            a &= ~b;
            std::memcpy(bits.data() + i, &a, 8);
        }
        return *this;
    }
    // Lowest member, or -1 for the empty set.
    int lowest() const
    {
        for (int n = 0; n < 256; ++n)
            if (contains(static_cast<std::uint8_t>(n)))
                return n;
        return -1;
    }
    bool operator==(const TStateSet&) const = default;
};

} // namespace tessaly::parser
