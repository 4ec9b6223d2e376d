#include "memo/UndoStack.h"

#include "memo/MemoErrors.h"

namespace tessaly::memo {

TUndoStack::TUndoStack()
{
    freeHandler = [](TUndoItem& item) { item.text.reset(); };
}

void TUndoStack::openGroup(std::int32_t id, std::int64_t anchor, std::int64_t caret)
{
    if (!recording_ || groupOpen_)
        return;
    groupOpen_ = true;
    groupId_ = id;
    groupPushed_ = false;
    groupAnchor_ = anchor;
    groupCaret_ = caret;
}

void TUndoStack::closeGroup(std::int32_t id, std::int64_t anchor, std::int64_t caret)
{
    if (!recording_ || !groupOpen_ || groupId_ != id)
        return;
    if (groupPushed_) {
        push(TUndoItem::marker(id, TUndoItem::kGroupClose));
        push(TUndoItem::selection(anchor, caret));
        push(TUndoItem::marker(id, TUndoItem::kGroupClose));
    }
    groupOpen_ = false;
    groupPushed_ = false;
    groupId_ = 0;
}

void TUndoStack::beginTransaction(std::int32_t type, std::string_view newText, std::int64_t anchor,
                                  std::int64_t caret, std::string_view selected)
{
    if (!recording_)
        return;
    if (transType_ != 0) {
        clearUndo();
        throw ESyntaxMemo("Bad transaction log entry");
    }
    transType_ = type;
    transAnchor_ = anchor;
    transCaret_ = caret;
    transOld_ = selected.empty() ? nullptr : std::make_unique<std::string>(selected);
    transNew_ = std::make_unique<std::string>(newText);
}

void TUndoStack::endTransaction(std::int32_t type, std::int64_t anchor, std::int64_t caret)
{
    if (!recording_)
        return;
    if (transType_ != type) {
        clearUndo();
        throw ESyntaxMemo("Bad transaction log entry");
    }
    if (groupOpen_ && !groupPushed_) {
        push(TUndoItem::marker(groupId_, TUndoItem::kGroupOpen));
        push(TUndoItem::selection(groupAnchor_, groupCaret_));
        push(TUndoItem::marker(groupId_, TUndoItem::kGroupOpen));
        groupPushed_ = true;
    }
    push(TUndoItem::marker(type, TUndoItem::kTransaction));
    push(TUndoItem::selection(transAnchor_, transCaret_));
    push(TUndoItem::textItem(TUndoItem::kText, std::move(transOld_)));
    push(TUndoItem::textItem(type == kTransStream ? TUndoItem::kStream : TUndoItem::kText, std::move(transNew_)));
    push(TUndoItem::selection(anchor, caret));
    push(TUndoItem::marker(type, TUndoItem::kTransaction));
    transType_ = 0;
    trimTo(limit_);
}

void TUndoStack::recordTransaction(std::int64_t anchorBefore, std::int64_t caretBefore, std::string_view oldText,
                                   std::string_view newText, std::int64_t anchorAfter, std::int64_t caretAfter)
{
    beginTransaction(kTransText, newText, anchorBefore, caretBefore, oldText);
    endTransaction(kTransText, anchorAfter, caretAfter);
}

void TUndoStack::clearUndo()
{
    clear();
    groupOpen_ = false;
    groupPushed_ = false;
    groupId_ = 0;
    transType_ = 0;
    transOld_.reset();
    transNew_.reset();
}

} // namespace tessaly::memo
