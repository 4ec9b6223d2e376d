#include "memo/REReplace.h"

#include <algorithm>

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

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isOctal(char c) { return c >= '0' && c <= '7'; }

void appendSlice(std::string& out, TCharStream& text, std::int64_t from, std::int64_t to)
{
    from = std::max<std::int64_t>(from, 0);
    to = std::min(to, text.size());
    if (from >= to)
        return;
    text.setPosition(from);
    for (std::int64_t i = from; i < to; ++i) {
        out.push_back(static_cast<char>(text.current()));
        text.advance();
    }
}

} // namespace

std::string expandReplacement(std::string_view replacement, const std::array<std::int64_t, 256>& positions,
                              TCharStream& text)
{
    const std::int64_t origin = text.position();
    std::string out;
    std::size_t i = 0;
    const std::size_t n = replacement.size();
    auto peek = [&](std::size_t at) { return at < n ? replacement[at] : '\0'; };

    while (i < n) {
        const char c = replacement[i++];
        if (c == '%') {
            if (i >= n)
                break;
            if (isDigit(replacement[i]) && replacement[i] != '0') {
                // Up to three digits, as long as the number stays within 255.
                int value = replacement[i++] - '0';
                while (i < n && isDigit(replacement[i]) && value * 10 + (replacement[i] - '0') <= 255)
                    value = value * 10 + (replacement[i++] - '0');
                appendSlice(out, text, positions[static_cast<std::size_t>(value - 1)],
                            positions[static_cast<std::size_t>(value)]);
            } else {
                out.push_back(replacement[i++]);
            }
            continue;
        }
        if (c != '\\') {
            out.push_back(c);
            continue;
        }
        if (i >= n)
            break;
        const char e = replacement[i++];
        switch (e) {
        case 'n': case 'N': out.push_back('\r'); continue;
        case 'r': case 'R': out.push_back('\n'); continue;
        case 't': case 'T': out.push_back('\t'); continue;
        case 's': case 'S': out.push_back(' '); continue;
        case 'b': case 'B': out.push_back('\b'); continue;
        case 'f': case 'F': out.push_back('\f'); continue;
        case 'x': case 'X': {
            int value = hexDigit(peek(i));
            if (value < 0) {
                out.push_back(e);
                continue;
            }
            ++i;
            if (hexDigit(peek(i)) >= 0)
                value = value * 16 + hexDigit(replacement[i++]);
            out.push_back(static_cast<char>(value));
            continue;
        }
        default:
            break;
        }
        if (isOctal(e)) {
            int value = e - '0';
            for (int k = 0; k < 2 && isOctal(peek(i)); ++k)
                value = value * 8 + (replacement[i++] - '0');
            if (value > 255)
                break;
            out.push_back(static_cast<char>(value));
            continue;
        }
        out.push_back(e);
    }
    text.setPosition(origin);
    return out;
}

} // namespace tessaly::memo
