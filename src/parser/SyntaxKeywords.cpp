#include "parser/SyntaxKeywords.h"

namespace tessaly::parser {

std::int32_t TSyntaxKeywords::childOf(std::int32_t i, std::uint8_t c) const
{
    for (std::int32_t n = nodes_[static_cast<std::size_t>(i)].child; n != kNone;
         n = nodes_[static_cast<std::size_t>(n)].sibling)
        if (nodes_[static_cast<std::size_t>(n)].ch == c)
            return n;
    return kNone;
}

std::int32_t TSyntaxKeywords::findOrAddChild(std::int32_t parent, std::uint8_t c)
{
    const std::int32_t first = parent == kNone ? root_[c] : nodes_[static_cast<std::size_t>(parent)].child;
    std::int32_t last = kNone;
    for (std::int32_t n = first; n != kNone; n = nodes_[static_cast<std::size_t>(n)].sibling) {
        if (nodes_[static_cast<std::size_t>(n)].ch == c)
            return n;
        last = n;
    }
    Node fresh;
    fresh.ch = c;
    const auto index = static_cast<std::int32_t>(nodes_.size());
    nodes_.push_back(fresh);
    if (last != kNone)
        nodes_[static_cast<std::size_t>(last)].sibling = index;
    else if (parent == kNone)
        root_[c] = index;
    else
        nodes_[static_cast<std::size_t>(parent)].child = index;
    return index;
}

void TSyntaxKeywords::add(const std::string& keyword, const TKeywordEntry& entry)
{
    if (keyword.empty())
        throw EKeywords("Duplicate keyword - ''");
    std::string text = keyword;
    for (auto& ch : text)
        ch = static_cast<char>(fold(static_cast<std::uint8_t>(ch)));

    // Check for a duplicate before touching the trie, so a refused keyword
    // leaves the table as it was.
    std::int32_t n = root_[static_cast<std::uint8_t>(text[0])];
    for (std::size_t i = 1; n != kNone && i < text.size(); ++i)
        n = childOf(n, static_cast<std::uint8_t>(text[i]));
    if (n != kNone)
        for (std::int32_t e = nodes_[static_cast<std::size_t>(n)].firstEntry; e != kNone;
             e = entries_[static_cast<std::size_t>(e)].nextEntry)
            if (entries_[static_cast<std::size_t>(e)].value.states.intersects(entry.states))
                throw EKeywords("Duplicate keyword - '" + keyword + "'");

    std::int32_t cur = kNone;
    for (char ch : text) {
        cur = findOrAddChild(cur, static_cast<std::uint8_t>(ch));
        nodes_[static_cast<std::size_t>(cur)].states |= entry.states;
    }
    // Entries keep the order of adding: append to the node's chain.
    const auto ei = static_cast<std::int32_t>(entries_.size());
    entries_.push_back({entry, kNone});
    std::int32_t* link = &nodes_[static_cast<std::size_t>(cur)].firstEntry;
    while (*link != kNone)
        link = &entries_[static_cast<std::size_t>(*link)].nextEntry;
    *link = ei;
    list_.push_back({text, entry});
}

} // namespace tessaly::parser
