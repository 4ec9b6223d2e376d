#pragma once

#include "parser/compress/LzhufBits.h"

#include <array>
#include <cstdint>

namespace tessaly::parser::lzhuf {

inline constexpr unsigned kRingSize = 4096;   // N: the sliding window
inline constexpr unsigned kLookAhead = 60;    // F: longest match
inline constexpr unsigned kThreshold = 2;     // matches longer than this are coded
inline constexpr unsigned kSymbols = 256 - kThreshold + kLookAhead; // 314

// Adaptive Huffman code over the 314 symbols (literals 0..255, then match
// lengths 3..60). Nodes are kept in a table ordered by frequency, the leaves
// first; every internal node's children sit at son[n] and son[n] + 1, so a
// code bit selects between the two. Encoder and decoder update the tree after
// every symbol in the same way, and halve all counts when the root's count
// reaches kMaxFreq.
class Tree {
public:
    Tree();

    void encode(unsigned symbol, BitWriter& out);
    unsigned decode(BitReader& in);

    // Length of the symbol's current code in bits (for tests).
    unsigned codeLength(unsigned symbol) const;

private:
    static constexpr unsigned kNodes = 2 * kSymbols - 1; // T = 627
    static constexpr unsigned kRoot = kNodes - 1;
    static constexpr unsigned kMaxFreq = 0x8000;

    void update(unsigned symbol);
    void rebuild();

    // freq[kNodes] is a sentinel larger than any count.
    std::array<std::uint32_t, kNodes + 1> freq_{};
    // parent of node n in prnt[n]; parent of leaf s in prnt[s + kNodes].
    std::array<std::uint16_t, kNodes + kSymbols> prnt_{};
    // son of an internal node, or kNodes + symbol for a leaf.
    std::array<std::uint16_t, kNodes> son_{};
};

} // namespace tessaly::parser::lzhuf
