#pragma once

#include "memo/UndoItem.h"

#include <cstdint>
#include <deque>
#include <functional>

namespace tessaly::memo {

// A stack of undo items with a cursor that marks how far the history has been
// undone: items above the cursor are the redo history. The cursor is the
// newest item still in force; -1 means everything is undone.
class TStack {
public:
    TStack() = default;
    TStack(const TStack&) = delete;
    TStack& operator=(const TStack&) = delete;
    virtual ~TStack() = default;

    // Pushes an item, dropping the redo history above the cursor first.
    void push(TUndoItem item);
    // The cursor's item; the cursor moves one down. Throws "Stack underflow".
    const TUndoItem& stepBack();
    // Moves the cursor one up and returns its item. Throws "Stack underflow".
    const TUndoItem& stepForward();
    // Removes the top item. Throws "Stack underflow" when empty.
    TUndoItem pop();
    // Removes every item.
    void clear();
    // Removes items from the bottom until totalSize() <= limit, always ending
    // just after a marker so the history keeps whole records.
    void trimTo(std::int64_t limit);

    bool empty() const { return nodes_.empty(); }
    std::size_t count() const { return nodes_.size(); }
    std::int32_t positionCount() const { return position_; }
    bool cursorAtTop() const { return cursor_ + 1 == static_cast<std::int64_t>(nodes_.size()); }
    std::int64_t totalSize() const { return total_; }
    const TUndoItem& item(std::size_t i) const { return nodes_[i].item; }

    // Called with each item that the stack discards.
    std::function<void(TUndoItem&)> freeHandler;

protected:
    static constexpr std::int64_t kNodeSize = 16;

private:
    struct Node {
        TUndoItem item;
        std::int32_t size;
    };
    void discard(Node& n);

    std::deque<Node> nodes_;
    std::int64_t cursor_ = -1;
    std::int64_t total_ = 0;
    std::int32_t position_ = 0;
};

} // namespace tessaly::memo
