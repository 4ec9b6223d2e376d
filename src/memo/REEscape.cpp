#include "memo/REEscape.h"

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

} // namespace

TREEscape readEscape(std::string_view text, std::size_t at)
{
    TREEscape e;
    const char c = text[at];
    e.next = at + 1;
    switch (c) {
    case 'n': case 'N': e.value = 13; return e;
    case 'r': case 'R': e.value = 10; return e;
    case 't': case 'T': e.value = 9; return e;
    case 's': case 'S': e.value = ' '; return e;
    case 'b': case 'B': e.value = 8; return e;
    case 'f': case 'F': e.value = 12; return e;
    case 'x': case 'X': {
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
    default:
        break;
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
