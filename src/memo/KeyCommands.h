#pragma once

namespace tessaly::memo {

// The numbered editor commands that keys are bound to.
enum TKeyCommand : int {
    kcCursorLeft = 0,
    kcCursorRight = 1,
    kcLineStart = 2,
    kcLineEnd = 3,
    kcLineUp = 4,
    kcLineDown = 5,
    kcPageUp = 6,
    kcPageDown = 7,
    kcWordBefore = 8,
    kcWordAfter = 9,
    kcDocumentStart = 10,
    kcDocumentEnd = 11,
    kcCut = 12,
    kcCopy = 13,
    kcPaste = 14,
    kcDeleteChar = 15,
    kcDeleteCharBefore = 16,
    kcIndentBlock = 17,
    kcUnindentBlock = 18,
    kcToggleInsert = 19,
    kcSetBookmark0 = 20, // .. 29
    kcGotoBookmark0 = 30, // .. 39
    kcDeleteLine = 40,
    kcUndo = 41,
    kcRedo = 42,
    kcDeletePreviousWord = 43,
    kcNone = 44,
    kCommandCount = 45,
};

} // namespace tessaly::memo
