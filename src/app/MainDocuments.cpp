// What the main window does for its document windows: the global Save
// state, the language items, activation and the last window closing.
#include "app/MainForm.h"

#include "app/Editor.h"
#include "app/MDITab.h"
#include "app/RecoveryDialog.h"
#include "app/RecoveryKeeper.h"
#include "app/StatusPanels.h"
#include "memo/SyntaxMemo.h"

#include <QActionGroup>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenu>

namespace tessaly::app {

namespace {

QString languageText(int parser)
{
    switch (parser) {
    case 1: return QStringLiteral("HTML");
    case 2: return QStringLiteral("Java Script");
    case 3: return QStringLiteral("VB Script");
    default: return QStringLiteral("No Highlighting");
    }
}

} // namespace

QAction* TMainForm::languageItem(int parser) const
{
    // The Language items carry their language number; anything else is plain text.
    if (parser < 1 || parser > 4)
        parser = 4;
    for (QAction* a : languageMenu_->actions())
        if (a->isCheckable() && a->data().toInt() == parser)
            return a;
    return nullptr;
}

void TMainForm::codeChanged(TEditor& editor)
{
    recovery_->documentChanged(editor);
    // The Save commands are global: a change in any document enables them.
    // A window on its way out (its editor still reports as it goes) no
    // longer counts: Save must not come back on once no document is open.
    if (!editors().contains(&editor))
        return;
    saveButton_->setEnabled(true);
    saveItem_->setEnabled(true);
    saveAsItem_->setEnabled(true);
}

void TMainForm::editorActivated(TEditor& editor)
{
    languageItem(editor.activeParser())->trigger();
    saveButton_->setEnabled(editor.modified());
}

void TMainForm::languageClick(int parser)
{
    if (parser < 1 || parser > 4)
        return;
    languageItem(parser)->setChecked(true);
    if (TEditor* e = activeEditor()) {
        e->setActiveParser(parser);
        e->statusBar().setText(2, languageText(parser));
    }
}

int TMainForm::currentLanguage() const
{
    for (int parser = 1; parser <= 4; ++parser)
        if (languageItem(parser)->isChecked())
            return parser;
    return 2;
}

void TMainForm::editorClosed(TEditor& editor)
{
    recovery_->documentClosed(editor);
    // The closing window no longer counts among the documents.
    if (editors().isEmpty())
        lastDocumentClosed();
}

std::vector<TSessionDocument> TMainForm::sessionDocuments(int& active) const
{
    std::vector<TSessionDocument> out;
    active = -1;
    const TEditor* current = activeEditor();
    for (TEditor* e : editors()) {
        if (e->untitled())
            continue;
        if (e == current)
            active = static_cast<int>(out.size());
        out.push_back({e->path().string(), e->activeParser(), e->memo().selStart()});
    }
    return out;
}

QMdiSubWindow* TMainForm::openSessionDocument(const TSessionDocument& document)
{
    TEditor* e = openFile(document.file);
    if (!e)
        return nullptr;
    e->setActiveParser(document.language);
    memo::TSyntaxMemo& m = e->memo();
    // A caret past what is read of a big file waits for the rest.
    m.setSelection(document.caret, document.caret);
    return e;
}

void TMainForm::activateSessionDocument(QMdiSubWindow* window) { mdiArea_->setActiveSubWindow(window); }

QList<TRecoverableDocument*> TMainForm::recoverableDocuments() const
{
    QList<TRecoverableDocument*> out;
    for (TEditor* e : editors())
        out.append(e);
    return out;
}

int TMainForm::chooseRecovered(const std::vector<TRecoveryRecord>& found, std::vector<bool>& chosen)
{
    TRecoveryDialog dialog(found, this);
    const int result = showModal(dialog);
    chosen = dialog.chosen();
    return result;
}

TRecoverableDocument& TMainForm::openRecovered(const TRecoveryRecord& record)
{
    TEditor* e = newClick();
    if (!record.name.empty()) {
        e->setCaption(QString::fromStdString(record.name));
        mdiTab_->setTabCaption(mdiTab_->indexOf(e), QFileInfo(QString::fromStdString(record.name)).fileName());
    }
    e->setActiveParser(record.language);
    memo::TSyntaxMemo& m = e->memo();
    // Typed in as one edit, so the document is modified and Undo empties it.
    m.setSelection(0, m.textLength());
    m.setSelText(record.text);
    const std::int64_t at = std::min<std::int64_t>(record.caret, m.textLength());
    m.setSelection(at, at);
    e->setTextFormat(record.format);
    return *e;
}

void TMainForm::lastDocumentClosed()
{
    saveItem_->setEnabled(false);
    setDocumentButtonsEnabled(false);
    tabParent_->hide();
    refreshDocumentItems();
}

} // namespace tessaly::app
