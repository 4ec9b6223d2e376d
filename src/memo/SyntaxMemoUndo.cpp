// Undo and redo: replay the recorded transactions of whole groups backwards
// or forwards. Replaying never records anything; a history that does not have
// the recorded shape is cleared (with a beep) rather than half replayed on.
#include "memo/SyntaxMemo.h"

#include <algorithm>

namespace tessaly::memo {

namespace {

const TUndoItem& expect(const TUndoItem& item, std::int32_t kind)
{
    if (item.kind != kind)
        throw ESyntaxMemo("Bad do/undo stack state");
    return item;
}

void expectMarker(const TUndoItem& item, std::int64_t id)
{
    if (item.kind != TUndoItem::kMarker || item.data != id)
        throw ESyntaxMemo("Bad do/undo stack state");
}

std::string_view textOf(const TUndoItem& item)
{
    return item.text ? std::string_view(*item.text) : std::string_view();
}

std::int32_t newTextKind(std::int64_t type)
{
    if (type == kTransText)
        return TUndoItem::kText;
    if (type == kTransStream)
        return TUndoItem::kStream;
    throw ESyntaxMemo("Bad do/undo stack state");
}

} // namespace

void TSyntaxMemo::replayFailed()
{
    undo_.clearUndo();
    messages_->beep();
}

void TSyntaxMemo::beginReplay(bool& wasRedraw)
{
    wasRedraw = redraw_;
    redraw_ = false;
    undo_.setRecording(false);
    replaying_ = true;
}

void TSyntaxMemo::finishReplay(bool wasRedraw)
{
    undo_.setRecording(true);
    replaying_ = false;
    scrollCaret();
    redraw_ = wasRedraw;
    changeKinds_ |= ckText | ckSelection;
    notify();
    view_->repaintAll();
}

void TSyntaxMemo::undo()
{
    if (!canUndo())
        return;
    bool wasRedraw = true;
    beginReplay(wasRedraw);
    try {
        bool more = false;
        do {
            const TUndoItem& m = expect(undo_.stepBack(), TUndoItem::kMarker);
            const std::int64_t id = m.data;
            if (m.value == TUndoItem::kTransaction) {
                const TUndoItem& after = expect(undo_.stepBack(), TUndoItem::kSelection);
                expect(undo_.stepBack(), newTextKind(id));
                const TUndoItem& oldText = expect(undo_.stepBack(), TUndoItem::kText);
                const TUndoItem& before = expect(undo_.stepBack(), TUndoItem::kSelection);
                expectMarker(undo_.stepBack(), id);
                const std::int64_t from = std::min(before.data, before.data2);
                const std::int64_t to = id == kTransText ? std::max(after.data, after.data2) : after.data2;
                replaySelect(from, to);
                replaceSelection(textOf(oldText));
                replaySelect(before.data, before.data2);
            } else if (m.value == TUndoItem::kGroupClose) {
                expect(undo_.stepBack(), TUndoItem::kSelection);
                expectMarker(undo_.stepBack(), id);
                more = true;
            } else if (m.value == TUndoItem::kGroupOpen) {
                const TUndoItem& sel = expect(undo_.stepBack(), TUndoItem::kSelection);
                expectMarker(undo_.stepBack(), id);
                replaySelect(sel.data, sel.data2);
                more = false;
            } else {
                throw ESyntaxMemo("Bad do/undo stack state");
            }
            // A size limit may have trimmed the start of the oldest group:
            // what is recorded of it is undone, and the history ends there.
        } while (more && undo_.canUndo());
    } catch (const std::exception&) {
        replayFailed();
    }
    finishReplay(wasRedraw);
}

void TSyntaxMemo::redo()
{
    if (!canRedo())
        return;
    bool wasRedraw = true;
    beginReplay(wasRedraw);
    try {
        bool more = false;
        do {
            const TUndoItem& m = expect(undo_.stepForward(), TUndoItem::kMarker);
            const std::int64_t id = m.data;
            if (m.value == TUndoItem::kTransaction) {
                const TUndoItem& before = expect(undo_.stepForward(), TUndoItem::kSelection);
                expect(undo_.stepForward(), TUndoItem::kText);
                const TUndoItem& newText = expect(undo_.stepForward(), newTextKind(id));
                const TUndoItem& after = expect(undo_.stepForward(), TUndoItem::kSelection);
                expectMarker(undo_.stepForward(), id);
                replaySelect(before.data, before.data2);
                replaceSelection(textOf(newText));
                replaySelect(after.data, after.data2);
            } else if (m.value == TUndoItem::kGroupOpen) {
                expect(undo_.stepForward(), TUndoItem::kSelection);
                expectMarker(undo_.stepForward(), id);
                more = true;
            } else if (m.value == TUndoItem::kGroupClose) {
                const TUndoItem& sel = expect(undo_.stepForward(), TUndoItem::kSelection);
                expectMarker(undo_.stepForward(), id);
                replaySelect(sel.data, sel.data2);
                more = false;
            } else {
                throw ESyntaxMemo("Bad do/undo stack state");
            }
        } while (more);
    } catch (const std::exception&) {
        replayFailed();
    }
    finishReplay(wasRedraw);
}

} // namespace tessaly::memo
