// Typing: one character at a time with overwrite mode, auto-indent, smart tab
// and fill; and word selection with the word classes.
#include "memo/SyntaxMemo.h"

#include "memo/Normalise.h"
#include "memo/WordClasses.h"

namespace tessaly::memo {

namespace {

// Auto-indent and smart tab look at most this many lines up, so that a key
// costs the same in a long run of empty or short lines as anywhere else.
constexpr std::int64_t kIndentLookBack = 1000;

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

void TSyntaxMemo::typeChar(unsigned char c)
{
    if (readOnly_)
        return;
    if (c == '\t') {
        if (!wantTab_)
            return;
        if ((hasOption(TSyntaxMemoOption::smoTabToColumn) && !hasOption(TSyntaxMemoOption::smoWordWrap))
            || !hasOption(TSyntaxMemoOption::smoUseTAB)) {
            smartTab();
            return;
        }
    } else if (c == '\r') {
        if (!wantReturns_)
            return;
    } else if (c == '\n') {
        if (wantReturns_)
            return;
        c = '\r';
    } else if (c < 32 || c == 127) {
        return;
    }

    undo_.openGroup(ugTyping, anchor_, caret_);
    if (!insertMode_ && anchor_ == caret_ && caret_ < store_.length()) {
        const std::int64_t rec = store_.recordOf(caret_);
        const std::string_view t = store_.recordText(rec);
        const std::size_t col = static_cast<std::size_t>(caret_ - store_.recordStart(rec));
        if (col < t.size() && t[col] != kCR)
            setSelection(caret_, caret_ + 1, true);
    }

    int indent = 0;
    bool walkUp = false;
    const bool autoIndent = c == '\r' && hasOption(TSyntaxMemoOption::smoAutoIndent);
    const std::int64_t enterRec = autoIndent ? store_.recordOf(std::min(anchor_, caret_)) : 0;
    if (autoIndent) {
        bool textAtZero = false;
        const int col = static_cast<int>(std::min(anchor_, caret_) - store_.recordStart(enterRec));
        indent = leadingIndent(enterRec, col, textAtZero);
        walkUp = indent == 0 && !textAtZero;
    }
    const char ch = static_cast<char>(c);
    replaceSelection(std::string_view(&ch, 1));
    if (autoIndent)
        autoIndentAfterEnter(indent, walkUp, enterRec);
    undo_.closeGroup(ugTyping, anchor_, caret_);
    changeKinds_ |= ckText | ckSelection;
    scrollCaret();
    notify();
    view_->caretMoved();
}

int TSyntaxMemo::leadingIndent(std::int64_t rec, int upToCol, bool& hasTextAtZero) const
{
    const std::string_view t = store_.recordText(rec);
    int i = 0;
    const int limit = std::min<int>(upToCol, static_cast<int>(t.size()));
    while (i < limit && isBlank(t[static_cast<std::size_t>(i)]))
        ++i;
    hasTextAtZero = !t.empty() && t[0] != kCR && !isBlank(t[0]);
    if (i == 0)
        return 0;
    return displayColumn(rec, i);
}

void TSyntaxMemo::autoIndentAfterEnter(int indent, bool walkUp, std::int64_t enterRec)
{
    if (indent == 0 && walkUp) {
        // The line was empty: take the indent of the nearest line above with text.
        for (std::int64_t r = enterRec; r >= 0 && r > enterRec - kIndentLookBack; --r) {
            const std::string_view t = store_.recordText(r);
            std::size_t i = 0;
            while (i < t.size() && isBlank(t[i]))
                ++i;
            if (i < t.size() && t[i] != kCR) {
                indent = displayColumn(r, static_cast<int>(i));
                break;
            }
        }
    }
    if (indent > 0)
        insertFill(0, indent);
}

void TSyntaxMemo::insertFill(int from, int to)
{
    if (to <= from)
        return;
    std::string fill;
    if (hasOption(TSyntaxMemoOption::smoUseTAB) && hasOption(TSyntaxMemoOption::smoSmartFill)) {
        int col = from;
        for (int next = tabs_.nextStop(col); next <= to; next = tabs_.nextStop(col)) {
            fill += '\t';
            col = next;
        }
        fill.append(static_cast<std::size_t>(to - col), ' ');
    } else {
        fill.assign(static_cast<std::size_t>(to - from), ' ');
    }
    replaceSelection(fill);
}

void TSyntaxMemo::smartTab()
{
    const std::int64_t rec = store_.recordOf(caret_);
    const int col = displayColumn(rec, static_cast<int>(caret_ - store_.recordStart(rec)));
    int target = tabs_.nextStop(col);
    if (hasOption(TSyntaxMemoOption::smoTabToColumn) && !hasOption(TSyntaxMemoOption::smoWordWrap)) {
        // The first line above that reaches past the caret column decides.
        for (std::int64_t r = rec - 1; r >= 0 && r >= rec - kIndentLookBack; --r) {
            const std::string_view t = store_.recordText(r);
            int end = static_cast<int>(t.size());
            if (end > 0 && t[static_cast<std::size_t>(end) - 1] == kCR)
                --end;
            if (displayColumn(r, end) <= col)
                continue;
            int i = columnAtDisplay(r, col);
            while (i < end && !isBlank(t[static_cast<std::size_t>(i)]))
                ++i;
            while (i < end && isBlank(t[static_cast<std::size_t>(i)]))
                ++i;
            target = displayColumn(r, i);
            break;
        }
    }
    undo_.openGroup(ugTyping, anchor_, caret_);
    if (anchor_ != caret_)
        setSelection(caret_, caret_, true);
    insertFill(col, target);
    undo_.closeGroup(ugTyping, anchor_, caret_);
    changeKinds_ |= ckText | ckSelection;
    scrollCaret();
    notify();
    view_->caretMoved();
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
    const std::int64_t len = store_.length();
    offset = std::clamp<std::int64_t>(offset, 0, len);
    const std::int64_t rec = store_.recordOf(offset);
    const std::int64_t recStart = store_.recordStart(rec);
    const std::string_view t = store_.recordText(rec);
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
