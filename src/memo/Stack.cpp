#include "memo/Stack.h"

#include "memo/MemoErrors.h"

namespace tessaly::memo {

void TStack::discard(Node& n)
{
    total_ -= kNodeSize + n.size;
    if (freeHandler)
        freeHandler(n.item);
}

void TStack::push(TUndoItem item)
{
    const std::int32_t size = item.accountedSize();
    total_ += kNodeSize + size;
    // A new action after undoing drops the redo history.
    while (static_cast<std::int64_t>(nodes_.size()) > cursor_ + 1) {
        discard(nodes_.back());
        nodes_.pop_back();
    }
    nodes_.push_back(Node{std::move(item), size});
    cursor_ = static_cast<std::int64_t>(nodes_.size()) - 1;
    ++position_;
}

const TUndoItem& TStack::stepBack()
{
    if (cursor_ < 0)
        throw ESyntaxMemo("Stack underflow");
    const TUndoItem& it = nodes_[static_cast<std::size_t>(cursor_)].item;
    --cursor_;
    --position_;
    return it;
}

const TUndoItem& TStack::stepForward()
{
    if (nodes_.empty() || cursorAtTop())
        throw ESyntaxMemo("Stack underflow");
    ++cursor_;
    ++position_;
    return nodes_[static_cast<std::size_t>(cursor_)].item;
}

TUndoItem TStack::pop()
{
    if (nodes_.empty())
        throw ESyntaxMemo("Stack underflow");
    Node n = std::move(nodes_.back());
    nodes_.pop_back();
    total_ -= kNodeSize + n.size;
    if (cursor_ >= static_cast<std::int64_t>(nodes_.size()))
        cursor_ = static_cast<std::int64_t>(nodes_.size()) - 1;
    --position_;
    return std::move(n.item);
}

void TStack::clear()
{
    while (!nodes_.empty()) {
        discard(nodes_.back());
        nodes_.pop_back();
    }
    cursor_ = -1;
    total_ = 0;
    position_ = 0;
}

void TStack::trimTo(std::int64_t limit)
{
    if (limit < 0)
        return;
    while (!nodes_.empty() && total_ > limit) {
        // The bottom node goes, then everything up to and including the next
        // marker, so that what stays begins with a whole record.
        bool first = true;
        bool markerRemoved = false;
        while (!nodes_.empty() && (first || !markerRemoved)) {
            if (!first)
                markerRemoved = nodes_.front().item.kind == TUndoItem::kMarker;
            first = false;
            discard(nodes_.front());
            nodes_.pop_front();
            if (cursor_ >= 0) {
                --cursor_;
                --position_;
            }
        }
    }
}

} // namespace tessaly::memo
