#include "parser/Escapes.h"

namespace tessaly::parser {

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

int readEscape(std::string_view text, std::size_t& pos)
{
    const char c = text[pos++];
    switch (c) {
    case 'b': return 8;
    case 'e': return 27;
    case 'n': return 13;
    case 'r': return 10;
    case 's': return ' ';
    case 't': return '\t';
    case 'x': {
        int v = 0, digits = 0;
        while (digits < 2 && pos < text.size() && hexValue(text[pos]) >= 0) {
            v = v * 16 + hexValue(text[pos++]);
            ++digits;
        }
        return digits ? v : 'x';
    }
    default:
        break;
    }
    if (c >= '0' && c <= '7') {
        int v = c - '0', digits = 1;
        while (digits < 3 && pos < text.size() && text[pos] >= '0' && text[pos] <= '7') {
            v = v * 8 + (text[pos++] - '0');
            ++digits;
        }
        return v & 0xFF;
    }
    return static_cast<unsigned char>(c);
}

} // namespace tessaly::parser
