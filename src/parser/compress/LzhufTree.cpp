#include "parser/compress/LzhufTree.h"

#include <algorithm>

namespace tessaly::parser::lzhuf {

Tree::Tree()
{
    for (unsigned i = 0; i < kSymbols; ++i) {
        freq_[i] = 1;
        son_[i] = static_cast<std::uint16_t>(i + kNodes);
        prnt_[i + kNodes] = static_cast<std::uint16_t>(i);
    }
    for (unsigned i = 0, j = kSymbols; j <= kRoot; i += 2, ++j) {
        freq_[j] = freq_[i] + freq_[i + 1];
        son_[j] = static_cast<std::uint16_t>(i);
        prnt_[i] = prnt_[i + 1] = static_cast<std::uint16_t>(j);
    }
    freq_[kNodes] = 0xFFFF;
    prnt_[kRoot] = 0;
}

void Tree::encode(unsigned symbol, BitWriter& out)
{
    // Walk from the leaf up to the root collecting the branch bits (an
    // odd-numbered node is the second child), then write them root first.
    std::array<unsigned char, kNodes> path;
    unsigned depth = 0;
    unsigned node = prnt_[symbol + kNodes];
    do {
        path[depth++] = node & 1u;
        node = prnt_[node];
    } while (node != kRoot);
    while (depth > 0) {
        std::uint32_t chunk = 0;
        const unsigned take = std::min(depth, 16u);
        for (unsigned i = 0; i < take; ++i)
            chunk = (chunk << 1) | path[--depth];
        out.put(chunk, take);
    }
    update(symbol);
}

unsigned Tree::codeLength(unsigned symbol) const
{
    unsigned depth = 0;
    for (unsigned node = prnt_[symbol + kNodes]; node != kRoot; node = prnt_[node])
        ++depth;
    return depth + 1;
}

unsigned Tree::decode(BitReader& in)
{
    unsigned node = son_[kRoot];
    while (node < kNodes)
        node = son_[node + in.bit()];
    const unsigned symbol = node - kNodes;
    update(symbol);
    return symbol;
}

void Tree::rebuild()
{
    // Gather the leaves at the front with their counts halved (rounded up).
    unsigned j = 0;
    for (unsigned i = 0; i < kNodes; ++i) {
        if (son_[i] >= kNodes) {
            freq_[j] = (freq_[i] + 1) / 2;
            son_[j] = son_[i];
            ++j;
        }
    }
    // Join pairs into internal nodes, inserting each where it keeps the table
    // ordered by count (after existing nodes of equal count).
    for (unsigned i = 0, n = kSymbols; n < kNodes; i += 2, ++n) {
        const std::uint32_t f = freq_[i] + freq_[i + 1];
        unsigned k = n;
        while (f < freq_[k - 1])
            --k;
        std::copy_backward(freq_.begin() + k, freq_.begin() + n, freq_.begin() + n + 1);
        std::copy_backward(son_.begin() + k, son_.begin() + n, son_.begin() + n + 1);
        freq_[k] = f;
        son_[k] = static_cast<std::uint16_t>(i);
    }
    for (unsigned i = 0; i < kNodes; ++i) {
        const unsigned k = son_[i];
        if (k >= kNodes)
            prnt_[k] = static_cast<std::uint16_t>(i);
        else
            prnt_[k] = prnt_[k + 1] = static_cast<std::uint16_t>(i);
    }
}

void Tree::update(unsigned symbol)
{
    if (freq_[kRoot] == kMaxFreq)
        rebuild();
    unsigned c = prnt_[symbol + kNodes];
    do {
        const std::uint32_t k = ++freq_[c];
        // A node whose count now exceeds its right neighbours' trades places
        // with the last of them, keeping the table ordered by count.
        unsigned l = c + 1;
        if (k > freq_[l]) {
            while (k > freq_[++l]) {
            }
            --l;
            freq_[c] = freq_[l];
            freq_[l] = k;

            const unsigned i = son_[c];
            prnt_[i] = static_cast<std::uint16_t>(l);
            if (i < kNodes)
                prnt_[i + 1] = static_cast<std::uint16_t>(l);

            const unsigned j = son_[l];
            son_[l] = static_cast<std::uint16_t>(i);
            prnt_[j] = static_cast<std::uint16_t>(c);
            if (j < kNodes)
                prnt_[j + 1] = static_cast<std::uint16_t>(c);
            son_[c] = static_cast<std::uint16_t>(j);
            c = l;
        }
        c = prnt_[c];
    } while (c != 0);
}

} // namespace tessaly::parser::lzhuf
