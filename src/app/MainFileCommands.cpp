// The File menu's document commands: New, Open, Save, Save As, Save
// Selection, Close and Close All.
#include "app/MainForm.h"

#include "app/DocumentHistory.h"
#include "app/Editor.h"
#include "app/LanguageByName.h"
#include "app/MDITab.h"
#include "app/WindowPlacement.h"
#include "memo/SyntaxMemo.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLayout>
#include <QMdiArea>
#include <QTimer>

namespace tessaly::app {

using platform::btnCancel;
using platform::btnNo;
using platform::btnYes;
using platform::TMsgAnswer;
using platform::TMsgKind;

namespace {

QString fileNameOnly(const std::filesystem::path& path)
{
    return QString::fromStdString(path.filename().string());
}

} // namespace

platform::TFileDialogRequest TMainForm::fileDialogRequest() const
{
    platform::TFileDialogRequest r;
    r.filters = {{"HTML Files (*.html,*.htm)", "*.html;*.htm"},
                 {"Java Files (*.java,*.jav)", "*.java;*.jav"},
                 {"Active Server Pages (*.asp)", "*.asp"},
                 {"All Files (*.*)", "*.*"}};
    r.filterIndex = 0;
    return r;
}

TEditor* TMainForm::newClick()
{
    // A new window follows a maximised active one, as in tabbed editors.
    const TEditor* previous = activeEditor();
    const bool maximised = previous && previous->isMaximized();
    auto* editor = new TEditor(*this);
    // The document window's creation step, before it is first activated:
    // the document buttons and the tab bar.
    setDocumentButtonsEnabled(true);
    tabParent_->show();
    mdiArea_->addSubWindow(editor);
    const int index = editors().size() - 1;
    if (maximised) {
        editor->showMaximized();
    } else {
        editor->setGeometry(placeNewWindow(mdiArea_->viewport()->rect(), index, editor->minimumSizeHint()));
        editor->show();
    }
    mdiArea_->setActiveSubWindow(editor);
    mdiTab_->addForm(editor);
    if (editors().size() == 1)
        refreshDocumentItems();
    if (!maximised)
        fitNewWindow(editor, index);
    return editor;
}

void TMainForm::fitNewWindow(TEditor* editor, int index)
{
    // The tab bar may just have appeared or taken another row: the area has
    // its final size once the layouts ran. Before the main window is first
    // laid out (a file named at start) it may change once more, so the
    // window is placed again when the events in hand are done, unless the
    // user has moved or resized it by then.
    if (QLayout* l = layout())
        l->activate();
    if (QLayout* l = mdiArea_->parentWidget()->layout())
        l->activate();
    const QRect place = placeNewWindow(mdiArea_->viewport()->rect(), index, editor->minimumSizeHint());
    editor->setGeometry(place);
    QTimer::singleShot(0, editor, [this, editor, index, place] {
        if (editor->geometry() == place && !editor->isMaximized() && !editor->isMinimized())
            editor->setGeometry(placeNewWindow(mdiArea_->viewport()->rect(), index, editor->minimumSizeHint()));
    });
}

void TMainForm::openClick()
{
    platform::TFileDialogRequest r = fileDialogRequest();
    r.title = "Open";
    if (const auto file = dialogs_->openFile(r))
        openFile(*file);
}

TEditor* TMainForm::openFile(const std::filesystem::path& file)
{
    TEditor* editor = newClick();
    editor->setCaption(QString::fromStdString(file.string()));
    mdiTab_->setTabCaption(mdiTab_->indexOf(editor), fileNameOnly(file));
    try {
        editor->loadFromFile(file);
        history_->noteFile(file);
    } catch (const std::exception& error) {
        // The window stays, with the path as its caption, as after any failed load.
        fileError(error);
    }
    // An HTML page opens as HTML, a script as its language; other names keep
    // the default of a new document.
    if (const int language = languageForFile(file))
        languageClick(language);
    // The preview of the opened file comes with the Browser page.
    return editor;
}

bool TMainForm::saveDocument(TEditor& editor)
{
    std::filesystem::path target = editor.path();
    if (editor.untitled()) {
        platform::TFileDialogRequest r = fileDialogRequest();
        r.title = "Save As";
        r.defaultExt = "html";
        r.initialName = "Untitled.html";
        r.overwritePrompt = true;
        const auto file = dialogs_->saveFile(r);
        if (!file)
            return false;
        target = *file;
    }
    try {
        editor.saveToFile(target);
    } catch (const std::exception& error) {
        fileError(error);
        return false;
    }
    history_->noteFile(target);
    if (editor.untitled()) {
        editor.setCaption(QString::fromStdString(target.string()));
        mdiTab_->setTabCaption(mdiTab_->indexOf(&editor), fileNameOnly(target));
    }
    item(QStringLiteral("SaveButton"))->setEnabled(false);
    item(QStringLiteral("Save"))->setEnabled(false);
    return true;
}

void TMainForm::saveClick()
{
    if (TEditor* e = activeEditor())
        saveDocument(*e);
}

void TMainForm::saveAsClick()
{
    TEditor* e = activeEditor();
    if (!e)
        return;
    platform::TFileDialogRequest r = fileDialogRequest();
    r.title = "Save As";
    r.defaultExt = "html";
    r.initialName = e->untitled() ? std::string("Untitled.html") : e->path().filename().string();
    r.overwritePrompt = true;
    if (const auto file = dialogs_->saveFile(r)) {
        try {
            e->saveToFile(*file);
            history_->noteFile(*file);
            // The name changes only once the file is written.
            e->setCaption(QString::fromStdString(file->string()));
            mdiTab_->setTabCaption(mdiTab_->indexOf(e), fileNameOnly(*file));
        } catch (const std::exception& error) {
            // The document is still modified: Save stays at hand.
            fileError(error);
            return;
        }
    }
    item(QStringLiteral("SaveButton"))->setEnabled(false);
    item(QStringLiteral("Save"))->setEnabled(false);
}

void TMainForm::saveSelectionClick()
{
    // What is saved is the clipboard's text at this moment, through a scratch buffer.
    memo::TSyntaxMemo stream;
    stream.lines().setText(QGuiApplication::clipboard()->text().toStdString());
    platform::TFileDialogRequest r = fileDialogRequest();
    r.title = "Save Selection";
    r.defaultExt = "html";
    r.overwritePrompt = true;
    if (const auto file = dialogs_->saveFile(r)) {
        try {
            stream.saveToFile(*file);
        } catch (const std::exception& error) {
            fileError(error);
        }
    }
}

void TMainForm::close1Click()
{
    if (TEditor* e = activeEditor())
        e->close();
}

bool TMainForm::closeAllClick()
{
    const QList<TEditor*> docs = editors();
    for (auto it = docs.rbegin(); it != docs.rend(); ++it)
        if (!(*it)->close())
            return false; // a Cancel: the others stay open, nothing changes
    lastDocumentClosed();
    return true;
}

bool TMainForm::editorCloseQuery(TEditor& editor)
{
    if (!editor.modified())
        return true;
    const std::string text = "Save changes to " + editor.caption().toStdString() + "?";
    switch (dialogs_->showMessage(text, TMsgKind::confirmation, btnYes | btnNo | btnCancel)) {
    case TMsgAnswer::yes:
        // A cancelled name dialog or a failed save keeps the document open.
        return saveDocument(editor);
    case TMsgAnswer::no:
        return true;
    default:
        return false;
    }
}

} // namespace tessaly::app
