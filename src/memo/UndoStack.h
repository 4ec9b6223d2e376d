#pragma once

#include "memo/Stack.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tessaly::memo {

// The editor's undo history: groups bracket the transactions of one user
// action; a transaction records one replacement of a range of text as six
// items (marker, selection before, old text, new text, selection after,
// marker).
class TUndoStack : public TStack {
public:
    TUndoStack();

    bool recording() const { return recording_; }
    void setRecording(bool on) { recording_ = on; }

    // Opens a group when none is open; inner groups melt into the outer one.
    // The group's items go on the stack with its first transaction, so a
    // group that changes nothing leaves no trace (no undo step, the redo
    // history intact).
    void openGroup(std::int32_t id, std::int64_t anchor, std::int64_t caret);
    // Closes the open group when its id matches.
    void closeGroup(std::int32_t id, std::int64_t anchor, std::int64_t caret);
    bool groupOpen() const { return groupOpen_; }
    std::int32_t groupId() const { return groupId_; }

    // Begins a transaction. selected is the text the replacement removes
    // (empty for an empty selection). Throws ESyntaxMemo "Bad transaction log
    // entry" when a transaction is running already.
    void beginTransaction(std::int32_t type, std::string_view newText, std::int64_t anchor, std::int64_t caret,
                          std::string_view selected);
    // Ends the running transaction of this type and records it. Throws
    // "Bad transaction log entry" when none of this type runs.
    void endTransaction(std::int32_t type, std::int64_t anchor, std::int64_t caret);
    bool transactionRunning() const { return transType_ != 0; }

    // Records a whole transaction at once (block indent and un-indent).
    void recordTransaction(std::int64_t anchorBefore, std::int64_t caretBefore, std::string_view oldText,
                           std::string_view newText, std::int64_t anchorAfter, std::int64_t caretAfter);

    // Clears the history and any open group or transaction.
    void clearUndo();

    bool canUndo() const { return positionCount() > 0; }
    bool canRedo() const { return !cursorAtTop(); }

    std::int64_t sizeLimit() const { return limit_; }
    void setSizeLimit(std::int64_t limit) { limit_ = limit; }

private:
    bool recording_ = true;
    bool groupOpen_ = false;
    std::int32_t groupId_ = 0;
    // The open group's opening items are on the stack.
    bool groupPushed_ = false;
    std::int64_t groupAnchor_ = 0;
    std::int64_t groupCaret_ = 0;
    std::int32_t transType_ = 0;
    std::int64_t transAnchor_ = 0;
    std::int64_t transCaret_ = 0;
    std::unique_ptr<std::string> transOld_;
    std::unique_ptr<std::string> transNew_;
    std::int64_t limit_ = -1;
};

} // namespace tessaly::memo
