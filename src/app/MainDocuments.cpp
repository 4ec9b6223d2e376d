// What the main window does for its document windows: the global Save
// state, the language items, activation and the last window closing.
#include "app/MainForm.h"

#include "app/Editor.h"
#include "app/MDITab.h"
#include "app/RecoveryKeeper.h"
#include "app/StatusPanels.h"

#include <QActionGroup>
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

void TMainForm::lastDocumentClosed()
{
    saveItem_->setEnabled(false);
    setDocumentButtonsEnabled(false);
    tabParent_->hide();
    refreshDocumentItems();
}

} // namespace tessaly::app
