// Typing: one character at a time with overwrite mode, auto-indent, smart tab
// and fill; and word selection with the word classes.
#include "memo/SyntaxMemo.h"

#include "memo/WordClasses.h"

#include <algorithm>

namespace tessaly::memo {

void TSyntaxMemo::finishTyping()
{
    changeKinds_ |= ckText | ckSelection;
    scrollCaret();
    notify();
    view_->caretMoved();
}

void TSyntaxMemo::typeChar(unsigned char c)
{
    if (readOnly_)
        return;
    const TTyping::TKey key = typing_.classify(c, options_);
    if (key.action == TTyping::TKeyAction::ignore)
        return;
    if (key.action == TTyping::TKeyAction::smartTab) {
        smartTab();
        return;
    }

    undo_.openGroup(ugTyping, anchor_, caret_);
    // Overwrite replaces one byte here; typeCharacter widens it to the
    // whole character.
    if (anchor_ == caret_ && typing_.overwriteLength(caret_) > 0)
        setSelection(caret_, caret_ + 1, true);

    int indent = 0;
    bool walkUp = false;
    const bool autoIndent = key.character == '\r' && hasOption(TSyntaxMemoOption::smoAutoIndent);
    const std::int64_t enterRec = autoIndent ? store_.recordOf(TTextOffset(std::min(anchor_, caret_))).value() : 0;
    if (autoIndent) {
        bool textAtZero = false;
        const int col
            = static_cast<int>(std::min(anchor_, caret_) - store_.recordStart(TRecordIndex(enterRec)).value());
        indent = typing_.leadingIndent(enterRec, col, textAtZero);
        walkUp = indent == 0 && !textAtZero;
    }
    replaceSelection(std::string_view(&key.character, 1));
    if (autoIndent) {
        // An empty line takes the indent of the nearest line above with text.
        if (walkUp)
            indent = typing_.indentAbove(enterRec);
        insertFill(0, indent);
    }
    undo_.closeGroup(ugTyping, anchor_, caret_);
    finishTyping();
}

void TSyntaxMemo::insertFill(int from, int to)
{
    if (to <= from)
        return;
    replaceSelection(typing_.fill(from, to, options_));
}

void TSyntaxMemo::smartTab()
{
    const TRecordIndex record = store_.recordOf(TTextOffset(caret_));
    const std::int64_t rec = record.value();
    const int col = displayColumn(record, static_cast<int>(caret_ - store_.recordStart(record).value()));
    const int target = typing_.tabTarget(rec, col, options_);
    undo_.openGroup(ugTyping, anchor_, caret_);
    if (anchor_ != caret_)
        setSelection(caret_, caret_, true);
    insertFill(col, target);
    undo_.closeGroup(ugTyping, anchor_, caret_);
    finishTyping();
}

bool TSyntaxMemo::charIsInWord(unsigned char c) const
{
    return fn_CharIsInWord ? fn_CharIsInWord(c) : defaultCharIsInWord(c);
}

bool TSyntaxMemo::charStartsWord(unsigned char c) const
{
    return fn_CharStartsWord ? fn_CharStartsWord(c) : defaultCharStartsWord(c);
}

bool TSyntaxMemo::selectWordAt(std::int64_t offset)
{
    const std::int64_t len = store_.length().value();
    offset = std::clamp<std::int64_t>(offset, 0, len);
    const std::int64_t rec = store_.recordOf(TTextOffset(offset)).value();
    const std::int64_t recStart = store_.recordStart(TRecordIndex(rec)).value();
    const std::string_view t = store_.recordText(TRecordIndex(rec));
    auto at = [&](std::int64_t o) { return static_cast<unsigned char>(t[static_cast<std::size_t>(o - recStart)]); };
    const std::int64_t recEnd = recStart + static_cast<std::int64_t>(t.size());

    std::int64_t start = offset;
    while (start > recStart && charIsInWord(at(start - 1)))
        --start;
    if (start == offset && !(offset < recEnd && charIsInWord(at(offset)))) {
        // Not touching a word: take the next word to the right.
        while (start < recEnd && !charIsInWord(at(start)))
            ++start;
        if (start >= recEnd)
            return false;
    }
    std::int64_t end = start;
    if (end < recEnd && charStartsWord(at(end)))
        ++end;
    while (end < recEnd && charIsInWord(at(end)))
        ++end;
    if (end == start)
        return false;
    setSelection(start, end);
    return true;
}

} // namespace tessaly::memo
