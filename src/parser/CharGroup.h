#pragma once

#include "parser/StateSet.h"

#include <cstdint>
#include <vector>

namespace tessaly::parser {

// A set of character codes with a negation flag. A character belongs to the
// group when its bit is set, or, when negated, when its bit is clear. A group
// with no bit set is the "any" group: it accepts every character.
struct TSM_CharGroup {
    TStateSet set;
    bool negated = false;
    std::uint8_t lowest = 255; // lowest and highest code put into the set
    std::uint8_t highest = 0;

    void add(std::uint8_t c)
    {
        set.insert(c);
        if (c < lowest)
            lowest = c;
        if (c > highest)
            highest = c;
    }
    void addRange(std::uint8_t from, std::uint8_t to)
    {
        for (int c = from; c <= to; ++c)
            add(static_cast<std::uint8_t>(c));
    }
    bool isAny() const { return set.empty(); }
    bool accepts(std::uint8_t c) const { return isAny() || (set.contains(c) != negated); }
    // Equality of what the group accepts plus its stored form (set and flag).
    bool operator==(const TSM_CharGroup& o) const { return set == o.set && negated == o.negated; }
};

// Keeps each distinct group once; rules refer to groups by their 16-bit index.
// Index 0 is always the "any" group.
class TSM_CharGroupManager {
public:
    TSM_CharGroupManager();

    // Index of an equal group, adding it when it is new. Throws
    // std::length_error when 65536 distinct groups exist.
    std::uint16_t intern(const TSM_CharGroup& group);
    const TSM_CharGroup& at(std::uint16_t index) const { return groups_[index]; }
    std::size_t size() const { return groups_.size(); }
    static constexpr std::uint16_t kAny = 0;

private:
    std::vector<TSM_CharGroup> groups_;
};

} // namespace tessaly::parser
