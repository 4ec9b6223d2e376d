// Typing a character that may take several bytes (UTF-8 from the keyboard or
// an input method).
#include "memo/SyntaxMemo.h"

#include "memo/Normalise.h"
#include "memo/Utf8.h"

namespace tessaly::memo {

void TSyntaxMemo::typeCharacter(std::string_view bytes)
{
    if (bytes.empty() || readOnly_)
        return;
    // Overwrite mode replaces the character at the caret, all its bytes.
    std::int64_t widen = 0;
    if (!insertMode_ && anchor_ == caret_ && caret_ < store_.length()) {
        const std::int64_t rec = store_.recordOf(caret_);
        const std::string_view t = store_.recordText(rec);
        const std::size_t col = static_cast<std::size_t>(caret_ - store_.recordStart(rec));
        if (col < t.size() && t[col] != kCR)
            widen = utf8Length(t, col);
    }
    if (bytes.size() == 1 && (widen <= 1 || static_cast<unsigned char>(bytes[0]) < 32)) {
        typeChar(static_cast<unsigned char>(bytes[0]));
        return;
    }
    undo_.openGroup(ugTyping, anchor_, caret_);
    if (widen > 0)
        setSelection(caret_, caret_ + widen, true);
    if (bytes.size() == 1)
        typeChar(static_cast<unsigned char>(bytes[0])); // closes the group
    else
        replaceSelection(bytes);
    undo_.closeGroup(ugTyping, anchor_, caret_);
    changeKinds_ |= ckText | ckSelection;
    scrollCaret();
    notify();
    view_->caretMoved();
}

} // namespace tessaly::memo
