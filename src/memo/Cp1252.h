#pragma once

#include <array>

namespace tessaly::memo {

// Windows-1252 from 0x80 to 0x9F. The five bytes the code page leaves
// undefined map to the C1 controls of the same value, so every byte has a
// character and every such character its byte. Bytes below 0x80 are ASCII
// and bytes from 0xA0 on are the Latin-1 characters of the same value.
inline constexpr std::array<char16_t, 32> kHigh1252{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The character of a Windows-1252 byte.
inline char32_t charOf1252(unsigned char b)
{
    return b >= 0x80 && b < 0xA0 ? kHigh1252[b - 0x80] : b;
}

} // namespace tessaly::memo
