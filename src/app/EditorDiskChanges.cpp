// What a document window does when its file changes on disk behind its back:
// an unmodified document follows the file; a modified one asks before its
// changes are thrown away; a deleted file leaves the document modified so
// that closing it asks to save.
#include "app/Editor.h"

#include "app/MainForm.h"
#include "memo/SyntaxMemo.h"
#include "platform/Dialogs.h"

namespace tessaly::app {

void TEditor::diskChanged()
{
    if (untitled())
        return;
    if (!modified()) {
        reloadKeepingPlace();
        return;
    }
    const QString text = QString::fromLatin1(kChangedOnDiskText)
                             .replace(QStringLiteral("%s"), caption());
    const auto answer = owner_.dialogs().showMessage(text.toStdString(), platform::TMsgKind::confirmation,
                                                     platform::btnYes | platform::btnNo);
    if (answer == platform::TMsgAnswer::yes)
        reloadKeepingPlace();
    // No: the text stays as it is, still modified, and a save writes it over
    // the other program's version.
}

void TEditor::diskDeleted()
{
    if (untitled())
        return;
    goneFromDisk_ = true;
    codeChange();
}

void TEditor::reloadKeepingPlace()
{
    memo::TSyntaxMemo& m = memo();
    const std::int64_t caret = m.selStart();
    const std::int64_t top = m.topLine();
    try {
        loadFromFile(path(), chosenEncoding_);
    } catch (const std::exception& error) {
        owner_.dialogs().showMessage(error.what(), platform::TMsgKind::error, platform::btnOk);
        return;
    }
    // A caret past what is read of a big file waits for the rest.
    m.setSelection(caret, caret);
    m.setTopLine(top);
}

} // namespace tessaly::app
