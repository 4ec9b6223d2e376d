// The File menu's document commands: New, Open, Save, Save As, Save
// Selection, Close and Close All.
#include "app/MainForm.h"

#include "app/BrowserPage.h"
#include "app/DocumentHistory.h"
#include "app/Editor.h"
#include "app/LanguageByName.h"
#include "app/MDITab.h"
#include "app/PreviewHTML.h"
#include "app/RecoveryKeeper.h"
#include "app/WindowPlacement.h"
#include "memo/MemoErrors.h"
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
    r.initialFolder = dialogFolder();
    return r;
}

std::filesystem::path TMainForm::dialogFolder() const
{
    if (const TEditor* e = activeEditor(); e && !e->untitled() && e->path().has_parent_path())
        return e->path().parent_path();
    return lastFolder_;
}

void TMainForm::rememberFolder(const std::optional<std::filesystem::path>& chosen)
{
    if (chosen && chosen->has_parent_path())
        lastFolder_ = chosen->parent_path();
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
    preview_->documentOpened(*editor);
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

std::optional<std::filesystem::path> TMainForm::askOpenFile()
{
    platform::TFileDialogRequest r = fileDialogRequest();
    r.title = "Open";
    const auto file = dialogs_->openFile(r);
    rememberFolder(file);
    return file;
}

void TMainForm::openClick()
{
    if (const auto file = askOpenFile())
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
        // The window stays, with the path as its caption, as after any failed
        // load; but its text is empty, not the template, and it must not be
        // saved over the file it could not read without a name being chosen.
        editor->memo().lines().clear();
        editor->memo().setModified(false);
        editor->setLoadFailed(true);
        editor->codeChange();
        fileError(error);
    }
    // An HTML page opens as HTML, a script as its language; other names keep
    // the default of a new document.
    if (const int language = languageForFile(file))
        languageClick(language);
    // The window's browser shows the file too; its busy report brings the
    // Browser page to the front.
    editor->browserPage().brows().navigate(QString::fromStdString(file.string()));
    return editor;
}

std::optional<std::filesystem::path> TMainForm::askSaveName(const TEditor& editor)
{
    platform::TFileDialogRequest r = fileDialogRequest();
    r.title = "Save As";
    r.defaultExt = "html";
    r.initialName = editor.untitled() ? std::string("Untitled.html") : editor.path().filename().string();
    r.overwritePrompt = true;
    auto file = dialogs_->saveFile(r);
    rememberFolder(file);
    return file;
}

bool TMainForm::saveDocument(TEditor& editor)
{
    std::filesystem::path target = editor.path();
    bool rename = editor.needsName();
    if (rename) {
        const auto file = askSaveName(editor);
        if (!file)
            return false;
        target = *file;
    }
    for (;;) {
        try {
            editor.saveToFile(target);
            break;
        } catch (const memo::EFWriteDenied& denied) {
            // The file on disk is left alone; the user may keep the work
            // under another name.
            const std::string text = std::string(denied.what()) + "\n\nSave the document under another name?";
            if (dialogs_->showMessage(text, TMsgKind::error, btnYes | btnNo) != TMsgAnswer::yes)
                return false;
            const auto file = askSaveName(editor);
            if (!file)
                return false;
            target = *file;
            rename = true;
        } catch (const std::exception& error) {
            fileError(error);
            return false;
        }
    }
    history_->noteFile(target);
    recovery_->documentChanged(editor);
    if (rename) {
        editor.setCaption(QString::fromStdString(target.string()));
        mdiTab_->setTabCaption(mdiTab_->indexOf(&editor), fileNameOnly(target));
        editor.setLoadFailed(false);
    }
    saveButton_->setEnabled(false);
    saveItem_->setEnabled(false);
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
    if (const auto file = askSaveName(*e)) {
        try {
            e->saveToFile(*file);
            history_->noteFile(*file);
            recovery_->documentChanged(*e);
            // The name changes only once the file is written.
            e->setCaption(QString::fromStdString(file->string()));
            e->setLoadFailed(false);
            mdiTab_->setTabCaption(mdiTab_->indexOf(e), fileNameOnly(*file));
        } catch (const std::exception& error) {
            // The document is still modified: Save stays at hand.
            fileError(error);
            return;
        }
    }
    saveButton_->setEnabled(false);
    saveItem_->setEnabled(false);
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
    const auto chosen = dialogs_->saveFile(r);
    rememberFolder(chosen);
    if (const auto& file = chosen) {
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
