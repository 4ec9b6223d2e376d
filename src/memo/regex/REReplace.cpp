#include "memo/regex/REReplace.h"

#include "memo/regex/REEscape.h"

#include <algorithm>

namespace tessaly::memo {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

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
        const TREEscape e = readEscape(replacement, i);
        if (e.octal && e.value > 255)
            break; // not a byte: the expansion ends here
        out.push_back(static_cast<char>(e.value));
        i = e.next;
    }
    text.setPosition(origin);
    return out;
}

} // namespace tessaly::memo
