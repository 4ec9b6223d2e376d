#include "parser/compress/Lzhuf.h"

#include "parser/compress/CompressorException.h"
#include "parser/compress/LzhufMatchFinder.h"
#include "parser/compress/LzhufPosition.h"
#include "parser/compress/LzhufTree.h"

#include <algorithm>
#include <array>
#include <memory>

namespace tessaly::parser {

using namespace lzhuf;

namespace {

constexpr unsigned kMask = kRingSize - 1;
constexpr unsigned kStart = kRingSize - kLookAhead; // first byte's ring position

} // namespace

std::string lzhufEncode(std::string_view data)
{
    std::string out;
    if (data.empty())
        return out;
    out.reserve(data.size() / 2 + 16);
    BitWriter bits(out);
    auto tree = std::make_unique<Tree>();
    auto finder = std::make_unique<MatchFinder>();
    auto& text = finder->text;

    const auto* in = reinterpret_cast<const unsigned char*>(data.data());
    const std::size_t size = data.size();
    std::size_t next = 0; // next input byte to enter the window

    // The window starts as spaces, which matches may refer to.
    unsigned s = 0;
    unsigned r = kStart;
    std::fill(text.begin(), text.begin() + r, ' ');
    unsigned len = 0;
    for (; len < kLookAhead && next < size; ++len)
        text[r + len] = in[next++];
    for (unsigned i = 1; i <= kLookAhead; ++i)
        finder->insert(r - i);
    finder->insert(r);

    do {
        unsigned matchLength = std::min(finder->matchLength, len);
        if (matchLength <= kThreshold) {
            matchLength = 1;
            tree->encode(text[r], bits);
        } else {
            tree->encode(255 - kThreshold + matchLength, bits);
            encodePosition(finder->matchPosition, bits);
        }
        unsigned i = 0;
        for (; i < matchLength && next < size; ++i) {
            finder->remove(s);
            const unsigned char c = in[next++];
            text[s] = c;
            if (s < kLookAhead - 1)
                text[s + kRingSize] = c;
            s = (s + 1) & kMask;
            r = (r + 1) & kMask;
            finder->insert(r);
        }
        for (; i < matchLength; ++i) {
            finder->remove(s);
            s = (s + 1) & kMask;
            r = (r + 1) & kMask;
            if (--len > 0)
                finder->insert(r);
        }
    } while (len > 0);
    bits.flush();
    return out;
}

std::string lzhufDecode(std::string_view stream, std::size_t length)
{
    std::string out;
    // Reserve for a typical ratio only; a stated length beyond what the
    // stream can produce must not cost memory up front.
    out.reserve(std::min(length, stream.size() * 4 + 4096));
    if (length == 0)
        return out;

    auto tree = std::make_unique<Tree>();
    std::array<unsigned char, kRingSize> ring;
    std::fill(ring.begin(), ring.begin() + kStart, ' ');
    std::fill(ring.begin() + kStart, ring.end(), 0);
    unsigned r = kStart;
    BitReader bits(stream);

    while (out.size() < length) {
        const unsigned symbol = tree->decode(bits);
        if (symbol < 256) {
            if (bits.overrun())
                throw ECompressorException(compressor_messages::kReadLzhuf);
            out.push_back(static_cast<char>(symbol));
            ring[r] = static_cast<unsigned char>(symbol);
            r = (r + 1) & kMask;
            continue;
        }
        const unsigned position = decodePosition(bits);
        if (bits.overrun())
            throw ECompressorException(compressor_messages::kReadLzhuf);
        const unsigned count = symbol - 255 + kThreshold;
        if (count > length - out.size())
            throw ECompressorException(compressor_messages::kLzhufSizeMismatch);
        unsigned from = (r - position - 1) & kMask;
        for (unsigned k = 0; k < count; ++k) {
            const unsigned char c = ring[from];
            from = (from + 1) & kMask;
            out.push_back(static_cast<char>(c));
            ring[r] = c;
            r = (r + 1) & kMask;
        }
    }
    return out;
}

} // namespace tessaly::parser
