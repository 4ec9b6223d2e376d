#include "insert/Insertion.h"

#include "memo/SyntaxMemo.h"
#include "memo/UndoItem.h"

#include <string>

namespace tessaly::insert {

namespace {

bool writable(const memo::TSyntaxMemo* editor)
{
    return editor && !editor->readOnly();
}

} // namespace

void insertText(memo::TSyntaxMemo* editor, std::string_view text)
{
    if (!writable(editor))
        return;
    editor->setSelText(text);
}

void wrapText(memo::TSyntaxMemo* editor, std::string_view before, std::string_view after)
{
    if (!writable(editor))
        return;
    std::string text(before);
    text += editor->selText();
    text += after;
    editor->setSelText(text);
}

void writeSnippet(memo::TSyntaxMemo* editor, const TSnippet& snippet)
{
    if (snippet.kind == TSnippet::Kind::Wrap)
        wrapText(editor, snippet.text, snippet.after);
    else
        insertText(editor, snippet.text);
}

void insertPieces(memo::TSyntaxMemo* editor, const TPieces& pieces)
{
    if (!writable(editor))
        return;
    // The template group is not the one each replacement opens, so the
    // replacements melt into it and one Undo takes back every piece.
    editor->openUndoGroup(memo::ugTemplate);
    for (const std::string& piece : pieces)
        editor->setSelText(piece);
    editor->closeUndoGroup(memo::ugTemplate);
}

} // namespace tessaly::insert
