#pragma once

#include "parser/compress/LzhufTree.h"

#include <array>
#include <cstdint>

namespace tessaly::parser::lzhuf {

// Longest-match search over the ring buffer with one binary search tree per
// first byte: every window position is a node keyed by the kLookAhead bytes
// starting there. Inserting a position both finds its longest match (the
// nearest one among equally long matches) and, on a full-length match,
// replaces the older node, so the tree never holds two equal keys.
class MatchFinder {
public:
    static constexpr unsigned kNil = kRingSize;

    MatchFinder();

    // The ring buffer, with its first kLookAhead - 1 bytes repeated at the end
    // so keys never wrap, and 8 spare bytes so keys can be compared a word
    // at a time.
    std::array<unsigned char, kRingSize + kLookAhead - 1 + 8> text{};

    void insert(unsigned r);
    void remove(unsigned p);

    unsigned matchLength = 0;
    unsigned matchPosition = 0; // distance - 1

private:
    std::array<std::uint16_t, kRingSize + 257> left_{};
    std::array<std::uint16_t, kRingSize + 257> right_{};
    std::array<std::uint16_t, kRingSize + 257> parent_{};
};

} // namespace tessaly::parser::lzhuf
