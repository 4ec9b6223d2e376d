#include "parser/KeyStore.h"

namespace tessaly::parser {

std::int32_t TKeyStore::findIn(std::int32_t first, std::uint16_t key) const
{
    for (std::int32_t n = first; n != kNone; n = nodes_[static_cast<std::size_t>(n)].sibling)
        if (nodes_[static_cast<std::size_t>(n)].shortcut == key)
            return n;
    return kNone;
}

std::int32_t TKeyStore::anyCommand(std::int32_t i) const
{
    const Node& n = nodes_[static_cast<std::size_t>(i)];
    if (n.command >= 0)
        return n.command;
    for (std::int32_t c = n.child; c != kNone; c = nodes_[static_cast<std::size_t>(c)].sibling)
        if (nodes_[static_cast<std::size_t>(c)].command >= 0)
            return nodes_[static_cast<std::size_t>(c)].command;
    return -1;
}

std::int32_t TKeyStore::findClash(const TKeyBinding& b) const
{
    const std::int32_t top = findIn(first_, b.first);
    if (top == kNone)
        return -1;
    const Node& t = nodes_[static_cast<std::size_t>(top)];
    if (b.second == 0) // a single key where the key is bound or starts a pair
        return t.hasCommand ? anyCommand(top) : -1;
    if (t.command >= 0) // a pair whose first key is bound alone
        return t.command;
    const std::int32_t sub = findIn(t.child, b.second);
    return sub == kNone ? -1 : nodes_[static_cast<std::size_t>(sub)].command;
}

std::int32_t TKeyStore::append(std::int32_t parent, std::uint16_t key)
{
    Node fresh;
    fresh.shortcut = key;
    fresh.parent = parent;
    const auto index = static_cast<std::int32_t>(nodes_.size());
    std::int32_t* link = parent == kNone ? &first_ : &nodes_[static_cast<std::size_t>(parent)].child;
    std::int32_t last = kNone;
    for (std::int32_t n = *link; n != kNone; n = nodes_[static_cast<std::size_t>(n)].sibling)
        last = n;
    nodes_.push_back(fresh);
    if (last != kNone)
        nodes_[static_cast<std::size_t>(last)].sibling = index;
    else if (parent == kNone)
        first_ = index;
    else
        nodes_[static_cast<std::size_t>(parent)].child = index;
    return index;
}

void TKeyStore::insert(const TKeyBinding& b)
{
    std::int32_t top = findIn(first_, b.first);
    if (top == kNone)
        top = append(kNone, b.first);
    nodes_[static_cast<std::size_t>(top)].hasCommand = true;
    if (b.second == 0) {
        nodes_[static_cast<std::size_t>(top)].command = b.command;
        return;
    }
    const std::int32_t sub = append(top, b.second);
    nodes_[static_cast<std::size_t>(sub)].hasCommand = true;
    nodes_[static_cast<std::size_t>(sub)].command = b.command;
}

std::vector<TKeyBinding> TKeyStore::bindings() const
{
    std::vector<TKeyBinding> out;
    for (std::int32_t t = first_; t != kNone; t = nodes_[static_cast<std::size_t>(t)].sibling) {
        const Node& n = nodes_[static_cast<std::size_t>(t)];
        if (n.command >= 0)
            out.push_back({n.shortcut, 0, n.command});
        for (std::int32_t c = n.child; c != kNone; c = nodes_[static_cast<std::size_t>(c)].sibling)
            out.push_back({n.shortcut, nodes_[static_cast<std::size_t>(c)].shortcut,
                           nodes_[static_cast<std::size_t>(c)].command});
    }
    return out;
}

bool TKeyStore::findKeys(std::int32_t command, std::size_t n, TKeyBinding& out) const
{
    for (const auto& b : bindings())
        if (b.command == command && n-- == 0) {
            out = b;
            return true;
        }
    return false;
}

TKeyStore::Press TKeyStore::press(std::uint16_t key)
{
    Press result;
    const std::int32_t node = started_ == kNone
                                  ? findIn(first_, key)
                                  : findIn(nodes_[static_cast<std::size_t>(started_)].child,
                                           static_cast<std::uint16_t>(key & 0xFF));
    started_ = kNone;
    if (node == kNone)
        return result;
    const Node& n = nodes_[static_cast<std::size_t>(node)];
    result.taken = true;
    if (n.command >= 0) {
        result.command = n.command;
    } else if (n.child != kNone) {
        result.waiting = true;
        started_ = node;
    }
    return result;
}

void TKeyStore::removeCommand(std::int32_t command)
{
    // Rebuild without the command: the store is small and this keeps the
    // tree free of dead nodes.
    auto all = bindings();
    clear();
    for (const auto& b : all)
        if (b.command != command)
            insert(b);
}

} // namespace tessaly::parser
