#include "memo/regex/REEscape.h"

namespace tessaly::memo {

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isOctal(char c) { return c >= '0' && c <= '7'; }

// The value of a letter escape of the set, or -1 when c is none.
int letterValue(char c, TEscapeLetters letters)
{
    if (letters == TEscapeLetters::definition) {
        switch (c) {
        case 'b': return 8;
        case 'e': return 27;
        case 'n': return 13;
        case 'r': return 10;
        case 's': return ' ';
        case 't': return '\t';
        default: return -1;
        }
    }
    switch (c) {
    case 'n': case 'N': return 13;
    case 'r': case 'R': return 10;
    case 't': case 'T': return 9;
    case 's': case 'S': return ' ';
    case 'b': case 'B': return 8;
    case 'f': case 'F': return 12;
    default: return -1;
    }
}

} // namespace

TREEscape readEscape(std::string_view text, std::size_t at, TEscapeLetters letters)
{
    TREEscape e;
    const char c = text[at];
    e.next = at + 1;
    if (const int v = letterValue(c, letters); v >= 0) {
        e.value = v;
        return e;
    }
    if (c == 'x' || (c == 'X' && letters == TEscapeLetters::pattern)) {
        const int first = e.next < text.size() ? hexDigit(text[e.next]) : -1;
        if (first < 0) {
            e.value = static_cast<unsigned char>(c);
            e.hexMissing = true;
            return e;
        }
        e.value = first;
        ++e.next;
        const int second = e.next < text.size() ? hexDigit(text[e.next]) : -1;
        if (second >= 0) {
            e.value = e.value * 16 + second;
            ++e.next;
        }
        return e;
    }
    if (isOctal(c)) {
        e.octal = true;
        e.value = c - '0';
        for (int i = 0; i < 2 && e.next < text.size() && isOctal(text[e.next]); ++i)
            e.value = e.value * 8 + (text[e.next++] - '0');
        return e;
    }
    e.value = static_cast<unsigned char>(c);
    return e;
}

} // namespace tessaly::memo
