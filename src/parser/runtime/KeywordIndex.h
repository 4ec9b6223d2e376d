#pragma once

#include "parser/runtime/StateFilter.h"
#include "parser/SyntaxKeywords.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tessaly::parser {

// A compact copy of a keyword trie for scanning. Nodes are laid out breadth
// first, so the children of a node are consecutive and a child is found by
// reading their characters from one byte array; state sets are numbers of a
// TStateFilter and, when the filter packs them, words kept in the nodes.
// Rebuilt whenever the keyword table changes.
class TKeywordIndex {
public:
    static constexpr std::int32_t kNone = -1;

    struct Node {
        std::uint64_t packed = 0; // the states, packed by the filter
        std::int32_t firstChild = 0;
        std::int32_t childCount = 0;
        std::int32_t firstEntry = kNone;
        TStateFilter::Id states = 0;
    };
    struct Entry {
        std::uint64_t packed = 0;
        std::int32_t next = kNone;
        TStateFilter::Id states = 0;
        std::uint16_t follow = 0;
        std::uint8_t token = 0;
    };

    void build(const TSyntaxKeywords& keywords);
    // The filter of the trie's state sets.
    const TStateFilter& filter() const { return filter_; }

    std::uint8_t fold(std::uint8_t c) const { return fold_[c]; }
    // The node of a first character (not yet folded), or kNone.
    std::int32_t root(std::uint8_t c) const { return root_[c]; }
    const Node& node(std::int32_t i) const { return nodes_[static_cast<std::size_t>(i)]; }
    const Entry& entry(std::int32_t i) const { return entries_[static_cast<std::size_t>(i)]; }
    // Child of node i with character c (already folded), or kNone.
    std::int32_t child(std::int32_t i, std::uint8_t c) const
    {
        const Node& n = nodes_[static_cast<std::size_t>(i)];
        const std::uint8_t* chars = chars_.data();
        for (std::int32_t k = n.firstChild, end = n.firstChild + n.childCount; k < end; ++k)
            if (chars[k] == c)
                return k;
        return kNone;
    }

private:
    std::array<std::uint8_t, 256> fold_{};
    std::array<std::int32_t, 256> root_{};
    std::vector<Node> nodes_;
    std::vector<std::uint8_t> chars_; // the character of each node
    std::vector<Entry> entries_;
    TStateFilter filter_;
};

} // namespace tessaly::parser
