#include "parser/compress/LzhufMatchFinder.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace tessaly::parser::lzhuf {

namespace {

// Index of the first byte in 1..kLookAhead-1 where the keys at a and b
// differ, or kLookAhead when they agree on all of them.
unsigned firstDifference(const unsigned char* a, const unsigned char* b)
{
    unsigned i = 1;
    if constexpr (std::endian::native == std::endian::little) {
        for (; i < kLookAhead; i += 8) {
            std::uint64_t x;
            std::uint64_t y;
            std::memcpy(&x, a + i, 8);
            std::memcpy(&y, b + i, 8);
            if (x != y)
                return std::min(kLookAhead, i + unsigned(std::countr_zero(x ^ y)) / 8);
        }
        return kLookAhead;
    }
    while (i < kLookAhead && a[i] == b[i])
        ++i;
    return i;
}

} // namespace

// Node indices: 0..kRingSize-1 are window positions, kNil is "none", and
// kRingSize + 1 + c is the root of the tree of keys starting with byte c
// (its children hang on the right link only).
MatchFinder::MatchFinder()
{
    left_.fill(kNil);
    right_.fill(kNil);
    parent_.fill(kNil);
}

void MatchFinder::insert(unsigned r)
{
    const unsigned char* key = &text[r];
    unsigned p = kRingSize + 1 + key[0];
    int cmp = 1;
    right_[r] = left_[r] = kNil;
    matchLength = 0;
    for (;;) {
        if (cmp >= 0) {
            if (right_[p] == kNil) {
                right_[p] = static_cast<std::uint16_t>(r);
                parent_[r] = static_cast<std::uint16_t>(p);
                return;
            }
            p = right_[p];
        } else {
            if (left_[p] == kNil) {
                left_[p] = static_cast<std::uint16_t>(r);
                parent_[r] = static_cast<std::uint16_t>(p);
                return;
            }
            p = left_[p];
        }
        const unsigned i = firstDifference(key, &text[p]);
        if (i < kLookAhead)
            cmp = int(key[i]) - int(text[p + i]);
        if (i > kThreshold) {
            const unsigned position = ((r - p) & (kRingSize - 1)) - 1;
            if (i > matchLength) {
                matchPosition = position;
                matchLength = i;
                if (matchLength >= kLookAhead)
                    break;
            } else if (i == matchLength && position < matchPosition) {
                matchPosition = position;
            }
        }
    }
    // Equal key: r takes p's place in the tree.
    parent_[r] = parent_[p];
    left_[r] = left_[p];
    right_[r] = right_[p];
    parent_[left_[p]] = static_cast<std::uint16_t>(r);
    parent_[right_[p]] = static_cast<std::uint16_t>(r);
    if (right_[parent_[p]] == p)
        right_[parent_[p]] = static_cast<std::uint16_t>(r);
    else
        left_[parent_[p]] = static_cast<std::uint16_t>(r);
    parent_[p] = kNil;
}

void MatchFinder::remove(unsigned p)
{
    if (parent_[p] == kNil)
        return;
    unsigned q;
    if (right_[p] == kNil) {
        q = left_[p];
    } else if (left_[p] == kNil) {
        q = right_[p];
    } else {
        // Replace p by its in-order predecessor q.
        q = left_[p];
        if (right_[q] != kNil) {
            do {
                q = right_[q];
            } while (right_[q] != kNil);
            right_[parent_[q]] = left_[q];
            parent_[left_[q]] = parent_[q];
            left_[q] = left_[p];
            parent_[left_[p]] = static_cast<std::uint16_t>(q);
        }
        right_[q] = right_[p];
        parent_[right_[p]] = static_cast<std::uint16_t>(q);
    }
    parent_[q] = parent_[p];
    if (right_[parent_[p]] == p)
        right_[parent_[p]] = static_cast<std::uint16_t>(q);
    else
        left_[parent_[p]] = static_cast<std::uint16_t>(q);
    parent_[p] = kNil;
}

} // namespace tessaly::parser::lzhuf
