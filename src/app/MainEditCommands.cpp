// The Edit commands that hand their work straight to the active document's
// editor, and Properties. Search, bookmarks and the Format items are
// connected by the search commands.
#include "app/MainForm.h"

#include "app/Editor.h"
#include "widgets/SyntaxMemoView.h"

namespace tessaly::app {

void TMainForm::connectEditCommands()
{
    const auto onCode = [this](const char* name, void (memo::TSyntaxMemo::*op)()) {
        connect(item(QString::fromLatin1(name)), &QAction::triggered, this, [this, op] {
            if (TEditor* e = activeEditor()) {
                (e->memo().*op)();
                e->code().viewport()->update();
            }
        });
    };
    onCode("Undo1", &memo::TSyntaxMemo::undo);
    onCode("Redo1", &memo::TSyntaxMemo::redo);
    onCode("Cut1", &memo::TSyntaxMemo::cutToClipboard);
    onCode("Copy1", &memo::TSyntaxMemo::copyToClipboard);
    onCode("Paste1", &memo::TSyntaxMemo::pasteFromClipboard);
    onCode("Delete1", &memo::TSyntaxMemo::clearSelection);
    onCode("SelectAll1", &memo::TSyntaxMemo::selectAll);
    connect(item(QStringLiteral("Properties1")), &QAction::triggered, this, [this] {
        if (TEditor* e = activeEditor())
            e->editProperties();
    });
}

} // namespace tessaly::app
