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

const char* languageItem(int parser)
{
    switch (parser) {
    case 1: return "High3";
    case 2: return "High1";
    case 3: return "High2";
    default: return "High4";
    }
}

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

void TMainForm::codeChanged(TEditor& editor)
{
    recovery_->documentChanged(editor);
    // The Save commands are global: a change in any document enables them.
    item(QStringLiteral("SaveButton"))->setEnabled(true);
    item(QStringLiteral("Save"))->setEnabled(true);
    item(QStringLiteral("SaveAs"))->setEnabled(true);
}

void TMainForm::editorActivated(TEditor& editor)
{
    item(QString::fromLatin1(languageItem(editor.activeParser())))->trigger();
    item(QStringLiteral("SaveButton"))->setEnabled(editor.modified());
}

void TMainForm::languageClick(int parser)
{
    if (parser < 1 || parser > 4)
        return;
    item(QString::fromLatin1(languageItem(parser)))->setChecked(true);
    if (TEditor* e = activeEditor()) {
        e->setActiveParser(parser);
        e->statusBar().setText(2, languageText(parser));
    }
}

int TMainForm::currentLanguage() const
{
    for (int parser = 1; parser <= 4; ++parser)
        if (item(QString::fromLatin1(languageItem(parser)))->isChecked())
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
    item(QStringLiteral("Save"))->setEnabled(false);
    setDocumentButtonsEnabled(false);
    tabParent_->hide();
    refreshDocumentItems();
}

} // namespace tessaly::app
