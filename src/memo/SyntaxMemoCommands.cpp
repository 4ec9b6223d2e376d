// The numbered key commands: caret moves, clipboard, deletions, block indent,
// bookmarks, undo and redo.
#include "memo/SyntaxMemo.h"

#include "memo/KeyCommands.h"
#include "memo/Normalise.h"
#include "memo/Utf8.h"

#include <algorithm>
#include <vector>

namespace tessaly::memo {

namespace {

bool isBlank(unsigned char c)
{
    return c == ' ' || c == '\t' || c == static_cast<unsigned char>(kCR);
}

// Where End takes the caret on record rec: just before its CR, or, on a
// piece that the next record continues, the piece's end (shown there).
std::int64_t lineEnd(const TTextStore& store, std::int64_t rec, bool& pieceEnd)
{
    const std::string_view t = store.recordText(TRecordIndex(rec));
    const std::int64_t start = store.recordStart(TRecordIndex(rec)).value();
    pieceEnd = rec + 1 < store.recordCount().value() && (store.meta(TRecordIndex(rec + 1)).bookmarks & kContinuationBit)
        && !t.empty();
    return start + static_cast<std::int64_t>(t.size()) - (!t.empty() && t.back() == kCR ? 1 : 0);
}

// One character before and after offset. A multi-byte character at the end
// of a piece is stepped over whole from the start of the next piece.
std::int64_t characterBefore(const TTextStore& store, std::int64_t offset)
{
    if (offset <= 0)
        return 0;
    std::int64_t rec = store.recordOf(TTextOffset(offset)).value();
    if (offset == store.recordStart(TRecordIndex(rec)).value() && rec > 0)
        --rec;
    const std::string_view t = store.recordText(TRecordIndex(rec));
    const std::size_t col = static_cast<std::size_t>(offset - store.recordStart(TRecordIndex(rec)).value());
    if (col == 0 || col > t.size())
        return offset - 1;
    return offset - static_cast<std::int64_t>(col - utf8Prev(t, col));
}

std::int64_t characterAfter(const TTextStore& store, std::int64_t offset)
{
    if (offset >= store.length().value())
        return store.length().value();
    const std::int64_t rec = store.recordOf(TTextOffset(offset)).value();
    const std::string_view t = store.recordText(TRecordIndex(rec));
    const std::size_t col = static_cast<std::size_t>(offset - store.recordStart(TRecordIndex(rec)).value());
    return col < t.size() ? offset + utf8Length(t, col) : offset + 1;
}

} // namespace

unsigned char TSyntaxMemo::charAt(std::int64_t offset) const
{
    const std::int64_t rec = store_.recordOf(TTextOffset(offset)).value();
    const std::string_view t = store_.recordText(TRecordIndex(rec));
    const std::size_t col = static_cast<std::size_t>(offset - store_.recordStart(TRecordIndex(rec)).value());
    return col < t.size() ? static_cast<unsigned char>(t[col]) : 0;
}

std::int64_t TSyntaxMemo::wordBefore(std::int64_t offset) const
{
    std::int64_t p = std::clamp<std::int64_t>(offset, 0, store_.length().value());
    while (p > 0 && isBlank(charAt(p - 1)))
        --p;
    if (p > 0 && charIsInWord(charAt(p - 1))) {
        while (p > 0 && charIsInWord(charAt(p - 1)))
            --p;
    } else {
        // A run of other characters (punctuation) counts as a word of its own.
        while (p > 0 && !isBlank(charAt(p - 1)) && !charIsInWord(charAt(p - 1)))
            --p;
    }
    return p;
}

std::int64_t TSyntaxMemo::wordAfter(std::int64_t offset) const
{
    const std::int64_t len = store_.length().value();
    std::int64_t p = std::clamp<std::int64_t>(offset, 0, len);
    if (p < len && charIsInWord(charAt(p))) {
        while (p < len && charIsInWord(charAt(p)))
            ++p;
    } else {
        while (p < len && !isBlank(charAt(p)) && !charIsInWord(charAt(p)))
            ++p;
    }
    while (p < len && isBlank(charAt(p)))
        ++p;
    return p;
}

void TSyntaxMemo::finishCommand(std::uint32_t kinds)
{
    changeKinds_ |= kinds | ckCommand;
    scrollCaret();
    notify();
    view_->repaintAll();
}

void TSyntaxMemo::moveCaretCommand(std::int64_t offset, bool extend, TCaretAffinity affinity)
{
    changeKinds_ |= ckCommand;
    setSelection(extend ? anchor_ : offset, offset, false, affinity);
}

void TSyntaxMemo::moveLinesCommand(std::int64_t lines, bool extend, bool scrollPage)
{
    const int preferred = preferredColumn();
    const std::int64_t from = caretRecord().value();
    const std::int64_t last = store_.recordCount().value() - 1;
    const std::int64_t rec = std::clamp<std::int64_t>(from + lines, 0, last);
    if (scrollPage) {
        // A page move scrolls the text by the same number of lines, so the
        // caret keeps its place in the window.
        const std::int64_t maxTop = std::max<std::int64_t>(0, last - view_->visibleLines() + 1);
        const std::int64_t top = std::clamp<std::int64_t>(topLine_ + (rec - from), 0, std::max(maxTop, topLine_));
        if (top != topLine_) {
            topLine_ = top;
            view_->scrolled();
        }
    }
    // A column past the end of a piece lands on that piece's end, on this
    // line, not at the start of the next one.
    const int col = columnAtDisplay(TRecordIndex(rec), preferred);
    const bool pieceEnd = static_cast<std::size_t>(col) == store_.recordText(TRecordIndex(rec)).size() && col > 0
        && rec + 1 <= last && (store_.meta(TRecordIndex(rec + 1)).bookmarks & kContinuationBit);
    moveCaretCommand(store_.recordStart(TRecordIndex(rec)).value() + col, extend,
                     pieceEnd ? TCaretAffinity::pieceEnd : TCaretAffinity::nextPiece);
    // With column tracking the column aimed at survives short lines on the
    // way; without it each move starts from where the caret landed.
    if (options_.has(TSyntaxMemoOption::smoColumnTrack))
        preferredColumn_ = preferred;
}

void TSyntaxMemo::deleteCharCommand(bool forward)
{
    if (readOnly_)
        return;
    // Delete at the end of the text and Backspace at its start change
    // nothing: no undo step, no change event.
    if (anchor_ == caret_ && (forward ? caret_ >= store_.length().value() : caret_ <= 0))
        return;
    openUndoGroup(ugDeleteChar);
    // A UTF-8 sequence goes as one character, also across a piece boundary.
    if (anchor_ == caret_)
        setSelection(caret_, forward ? characterAfter(store_, caret_) : characterBefore(store_, caret_), true);
    if (anchor_ != caret_)
        replaceSelection({});
    closeUndoGroup(ugDeleteChar);
    finishCommand(ckText | ckSelection);
}

void TSyntaxMemo::indentBlock(bool unindent)
{
    if (readOnly_ || anchor_ == caret_)
        return;
    const std::int64_t a = anchor_, c = caret_;
    const std::int64_t start = std::min(a, c), end = std::max(a, c);
    const std::int64_t first = store_.recordOf(TTextOffset(start)).value();
    std::int64_t last = store_.recordOf(TTextOffset(end)).value();
    // A selection that ends at a line start does not take in that line.
    if (last > first && store_.recordStart(TRecordIndex(last)).value() == end)
        --last;
    const bool logical = hasOption(TSyntaxMemoOption::smoWordWrap);
    const std::int32_t group = unindent ? ugUnindent : ugIndent;
    openUndoGroup(group);
    // (line start, characters added or removed there), in the offsets from before.
    std::vector<std::pair<std::int64_t, std::int64_t>> edits;
    // From the last line up, so that the lines still to do keep their offsets
    // and records. Each line is one transaction of its own.
    for (std::int64_t r = last; r >= first; --r) {
        if (logical && r > first && (store_.meta(TRecordIndex(r)).bookmarks & kContinuationBit))
            continue;
        const std::int64_t ls = store_.recordStart(TRecordIndex(r)).value();
        if (!unindent) {
            setSelection(ls, ls, true);
            replaceSelection(std::string(static_cast<std::size_t>(typing_.indentStep()), ' '));
            edits.emplace_back(ls, typing_.indentStep());
            continue;
        }
        const std::string_view t = store_.recordText(TRecordIndex(r));
        std::size_t n = 0;
        while (n < t.size() && n < static_cast<std::size_t>(typing_.indentStep())
               && (t[n] == ' ' || t[n] == '\t' || static_cast<unsigned char>(t[n]) == 160))
            ++n;
        if (n == 0)
            continue;
        setSelection(ls, ls + static_cast<std::int64_t>(n), true);
        replaceSelection({});
        edits.emplace_back(ls, -static_cast<std::int64_t>(n));
    }
    // The selection keeps its characters: each end moves by what was added or
    // removed in front of it (a start at a line start takes in the new indent).
    auto moved = [&](std::int64_t o) {
        std::int64_t shift = 0;
        for (const auto& [ls, delta] : edits)
            if (ls < o)
                shift += delta > 0 ? delta : -std::min(-delta, o - ls);
        return o + shift;
    };
    // Un-indent where no line has leading blanks changes nothing.
    if (edits.empty()) {
        closeUndoGroup(group);
        return;
    }
    setSelection(moved(a), moved(c), true);
    closeUndoGroup(group);
    finishCommand(ckText | ckSelection);
}

void TSyntaxMemo::executeCommand(int code, bool extend)
{
    // The record the caret is shown in: at a piece boundary, Home and End
    // act on the piece the user sees the caret on.
    const std::int64_t rec = caretRecord().value();
    switch (code) {
    case kcCursorLeft:
        moveCaretCommand(characterBefore(store_, caret_), extend);
        break;
    case kcCursorRight:
        moveCaretCommand(characterAfter(store_, caret_), extend);
        break;
    case kcLineStart:
        moveCaretCommand(store_.recordStart(TRecordIndex(rec)).value(), extend);
        break;
    case kcLineEnd: {
        bool pieceEnd = false;
        const std::int64_t end = lineEnd(store_, rec, pieceEnd);
        moveCaretCommand(end, extend, pieceEnd ? TCaretAffinity::pieceEnd : TCaretAffinity::nextPiece);
        break;
    }
    case kcLineUp:
    case kcLineDown:
        moveLinesCommand(code == kcLineUp ? -1 : 1, extend, false);
        break;
    case kcPageUp:
    case kcPageDown: {
        const int page = std::max(1, view_->visibleLines());
        moveLinesCommand(code == kcPageUp ? -page : page, extend, true);
        break;
    }
    case kcWordBefore:
        moveCaretCommand(wordBefore(caret_), extend);
        break;
    case kcWordAfter:
        moveCaretCommand(wordAfter(caret_), extend);
        break;
    case kcDocumentStart:
        moveCaretCommand(0, extend);
        break;
    case kcDocumentEnd:
        finishLoading();
        moveCaretCommand(store_.length().value(), extend);
        break;
    case kcCut:
        cutToClipboard();
        break;
    case kcCopy:
        copyToClipboard();
        break;
    case kcPaste:
        pasteFromClipboard();
        break;
    case kcDeleteChar:
    case kcDeleteCharBefore:
        deleteCharCommand(code == kcDeleteChar);
        break;
    case kcIndentBlock:
    case kcUnindentBlock:
        indentBlock(code == kcUnindentBlock);
        break;
    case kcToggleInsert:
        typing_.setInsertMode(!typing_.insertMode());
        finishCommand(ckOptions);
        break;
    case kcDeleteLine:
        if (!readOnly_ && anchor_ == caret_) {
            const std::int64_t next = rec + 1 < store_.recordCount().value()
                ? store_.recordStart(TRecordIndex(rec + 1)).value()
                : store_.length().value();
            setSelection(store_.recordStart(TRecordIndex(rec)).value(), next, true);
            replaceSelection({});
            finishCommand(ckText | ckSelection);
        }
        break;
    case kcUndo:
        if (!readOnly_)
            undo();
        break;
    case kcRedo:
        if (!readOnly_)
            redo();
        break;
    case kcDeletePreviousWord: {
        if (readOnly_)
            break;
        const std::int64_t to = wordBefore(caret_);
        if (to == caret_)
            break;
        openUndoGroup(ugDeleteWord);
        const bool was = redraw_;
        redraw_ = false;
        setSelection(anchor_, to, true);
        deleteCharCommand(true);
        redraw_ = was;
        closeUndoGroup(ugDeleteWord);
        finishCommand(ckText | ckSelection);
        break;
    }
    default:
        if (code >= kcSetBookmark0 && code < kcSetBookmark0 + 10)
            setBookmark(code - kcSetBookmark0, -1, 0);
        else if (code >= kcGotoBookmark0 && code < kcGotoBookmark0 + 10)
            gotoBookmark(code - kcGotoBookmark0);
        break;
    }
}

} // namespace tessaly::memo
