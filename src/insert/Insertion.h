#pragma once

#include "insert/Snippet.h"

#include <string_view>

namespace tessaly::memo {
class TSyntaxMemo;
}

namespace tessaly::insert {

// The two ways snippets reach a document. Each is one undo step, leaves the
// caret just after the written text with nothing selected, and does nothing
// when there is no editor or the editor is read-only.

// Replaces the selection with text (at the caret when nothing is selected).
void insertText(memo::TSyntaxMemo* editor, std::string_view text);

// Writes before + the selected text + after in place of the selection.
void wrapText(memo::TSyntaxMemo* editor, std::string_view before, std::string_view after);

// Writes a snippet by its kind.
void writeSnippet(memo::TSyntaxMemo* editor, const TSnippet& snippet);

// Inserts the pieces one after the other as a single undo step.
void insertPieces(memo::TSyntaxMemo* editor, const TPieces& pieces);

} // namespace tessaly::insert
