#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tessaly::memo {

// The text is kept as bytes. Where a valid UTF-8 sequence stands it counts as
// one character (one display cell, one caret step); any other byte is a
// character of its own (shown as its Latin-1 character).

// Length of the character that starts at byte i of t: 2 to 4 for a valid
// multi-byte sequence that lies wholly in t, else 1.
inline int utf8Length(std::string_view t, std::size_t i)
{
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(t[k]); };
    const unsigned char c = b(i);
    if (c < 0xC2 || c > 0xF4)
        return 1;
    const int n = c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    if (i + static_cast<std::size_t>(n) > t.size())
        return 1;
    // The second byte's range is narrower after some lead bytes (no overlong
    // forms, no surrogates, nothing above U+10FFFF).
    unsigned char lo = 0x80, hi = 0xBF;
    if (c == 0xE0)
        lo = 0xA0;
    else if (c == 0xED)
        hi = 0x9F;
    else if (c == 0xF0)
        lo = 0x90;
    else if (c == 0xF4)
        hi = 0x8F;
    if (b(i + 1) < lo || b(i + 1) > hi)
        return 1;
    for (int k = 2; k < n; ++k)
        if ((b(i + static_cast<std::size_t>(k)) & 0xC0) != 0x80)
            return 1;
    return n;
}

// True when byte i of t lies inside a valid multi-byte sequence (not at its start).
inline bool utf8Inside(std::string_view t, std::size_t i)
{
    if (i >= t.size() || (static_cast<unsigned char>(t[i]) & 0xC0) != 0x80)
        return false;
    for (std::size_t back = 1; back <= 3 && back <= i; ++back) {
        const std::size_t s = i - back;
        if ((static_cast<unsigned char>(t[s]) & 0xC0) != 0x80)
            return static_cast<std::size_t>(utf8Length(t, s)) > back;
    }
    return false;
}

// The character boundary at or before byte i.
inline std::size_t utf8Floor(std::string_view t, std::size_t i)
{
    while (i > 0 && utf8Inside(t, i))
        --i;
    return i;
}

// The start of the character before byte i (i > 0).
inline std::size_t utf8Prev(std::string_view t, std::size_t i)
{
    return i == 0 ? 0 : utf8Floor(t, i - 1);
}

// Number of characters in t[0, end).
inline int utf8Count(std::string_view t, std::size_t end)
{
    int n = 0;
    for (std::size_t i = 0; i < end && i < t.size(); i += static_cast<std::size_t>(utf8Length(t, i)))
        ++n;
    return n;
}

// The code point of the character at byte i (a lone byte gives its Latin-1 value).
inline char32_t utf8Decode(std::string_view t, std::size_t i)
{
    const int n = utf8Length(t, i);
    const auto b = [&](std::size_t k) { return static_cast<char32_t>(static_cast<unsigned char>(t[k])); };
    if (n == 1)
        return b(i);
    char32_t cp = b(i) & (n == 2 ? 0x1Fu : n == 3 ? 0x0Fu : 0x07u);
    for (int k = 1; k < n; ++k)
        cp = (cp << 6) | (b(i + static_cast<std::size_t>(k)) & 0x3Fu);
    return cp;
}

// Appends the UTF-8 bytes of cp.
inline void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        // Also a lone surrogate: its three bytes are not valid UTF-8, so the
        // editor keeps them as three bytes, and the UTF-16 writer knows them.
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace tessaly::memo
