// Typing a character that may take several bytes (UTF-8 from the keyboard or
// an input method).
#include "memo/SyntaxMemo.h"

namespace tessaly::memo {

void TSyntaxMemo::typeCharacter(std::string_view bytes)
{
    if (bytes.empty() || readOnly_)
        return;
    // Overwrite mode replaces the character at the caret, all its bytes.
    const std::int64_t widen = anchor_ == caret_ ? typing_.overwriteLength(caret_) : 0;
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
    finishTyping();
}

} // namespace tessaly::memo
