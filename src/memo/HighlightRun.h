#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

namespace tessaly::memo {

// The scanning loop of a re-highlight, shared by every parser: tokens are
// taken from the stream's position until the scan has passed `until` or the
// text ends, and each token's value is appended to values once per
// character. next(stream, length) consumes one token and returns its value;
// pending() says whether the parser looks ahead, in which case the token
// that started the lookahead is scanned again from its start (the parser
// restores its states at the token's end). Returns the position reached.
template <class S, class Next, class Pending>
std::int64_t scanTokensTo(S& stream, std::int64_t until, std::string& values, Next&& next, Pending&& pending)
{
    std::int64_t pos = stream.position();
    const std::int64_t total = stream.size();
    constexpr std::int64_t kBuffer = 1024;
    char buffer[kBuffer];
    std::int64_t filled = 0;
    while (pos < until && pos < total) {
        const std::int64_t tokenStart = pos;
        const bool wasPending = pending();
        std::int64_t length = 0;
        std::uint8_t value = next(stream, length);
        if (length <= 0) {
            // A parser that consumed nothing still moves the scan on.
            stream.setPosition(tokenStart + 1);
            length = 1;
            value = 0;
        }
        if (!wasPending && pending()) {
            stream.setPosition(tokenStart);
            continue;
        }
        // Values gather in a small local buffer that is appended in one go.
        // A token of up to 16 characters is stored as two 8-byte words of
        // its value (the buffer is emptied early enough to leave room for
        // them), so most tokens cost two stores and no loop.
        if (filled + std::max<std::int64_t>(length, 16) > kBuffer) {
            values.append(buffer, static_cast<std::size_t>(filled));
            filled = 0;
        }
        if (length > kBuffer) {
            values.append(static_cast<std::size_t>(length), static_cast<char>(value));
        } else if (length <= 16) {
            const std::uint64_t word = 0x0101010101010101ull * value;
            std::memcpy(buffer + filled, &word, 8);
            std::memcpy(buffer + filled + 8, &word, 8);
            filled += length;
        } else {
            std::memset(buffer + filled, value, static_cast<std::size_t>(length));
            filled += length;
        }
        pos = tokenStart + length;
        if (stream.position() != pos)
            stream.setPosition(pos);
    }
    values.append(buffer, static_cast<std::size_t>(filled));
    return pos;
}

} // namespace tessaly::memo
