#include "parser/runtime/KeywordIndex.h"

#include <utility>

namespace tessaly::parser {

void TKeywordIndex::build(const TSyntaxKeywords& keywords)
{
    TStateFilter& filter = filter_;
    filter.clear();
    using K = TSyntaxKeywords;
    nodes_.clear();
    chars_.clear();
    entries_.clear();
    for (int c = 0; c < 256; ++c)
        fold_[static_cast<std::size_t>(c)] = keywords.fold(static_cast<std::uint8_t>(c));

    // Breadth first: a node's children become consecutive new nodes.
    std::vector<std::pair<std::int32_t, std::int32_t>> queue; // (old node, new node)
    root_.fill(kNone);
    for (int c = 0; c < 256; ++c) {
        const std::int32_t old = keywords.rootOf(static_cast<std::uint8_t>(c));
        if (old == K::kNone || fold_[static_cast<std::size_t>(c)] != c)
            continue;
        root_[static_cast<std::size_t>(c)] = static_cast<std::int32_t>(nodes_.size());
        nodes_.emplace_back();
        chars_.push_back(static_cast<std::uint8_t>(c));
        queue.emplace_back(old, root_[static_cast<std::size_t>(c)]);
    }
    // A first character the table folds shares the node of its folded form.
    for (int c = 0; c < 256; ++c)
        root_[static_cast<std::size_t>(c)] = root_[fold_[static_cast<std::size_t>(c)]];

    // Copies a chain of entries, keeping its order; returns its new head.
    auto copyEntries = [&](std::int32_t first) -> std::int32_t {
        std::int32_t head = kNone;
        std::int32_t prev = kNone;
        for (std::int32_t e = first; e != K::kNone; e = keywords.entry(e).nextEntry) {
            const TKeywordEntry& v = keywords.entry(e).value;
            const auto fresh = static_cast<std::int32_t>(entries_.size());
            entries_.push_back({0, kNone, filter.intern(v.states), v.follow, v.token});
            if (prev == kNone)
                head = fresh;
            else
                entries_[static_cast<std::size_t>(prev)].next = fresh;
            prev = fresh;
        }
        return head;
    };
    for (std::size_t q = 0; q < queue.size(); ++q) {
        const auto [old, fresh] = queue[q];
        const K::Node& o = keywords.node(old);
        std::int32_t firstChild = static_cast<std::int32_t>(nodes_.size());
        std::int32_t count = 0;
        for (std::int32_t ch = o.child; ch != K::kNone; ch = keywords.node(ch).sibling) {
            const auto n = static_cast<std::int32_t>(nodes_.size());
            nodes_.emplace_back();
            chars_.push_back(keywords.node(ch).ch);
            queue.emplace_back(ch, n);
            ++count;
        }
        Node& n = nodes_[static_cast<std::size_t>(fresh)];
        n.firstChild = firstChild;
        n.childCount = count;
        n.states = filter.intern(o.states);
        n.firstEntry = copyEntries(o.firstEntry);
    }
    filter.seal();
    if (filter.packed()) {
        for (Node& n : nodes_)
            n.packed = filter.packedOf(n.states);
        for (Entry& e : entries_)
            e.packed = filter.packedOf(e.states);
    }
}

} // namespace tessaly::parser
