// The File menu's document commands. New, Close and Close All make and
// close document windows here; Open, Save, Save As and Save Selection
// belong to TFileCommands, and this window names and notes what it saves.
#include "app/MainForm.h"

#include "app/BrowserPage.h"
#include "app/DocumentHistory.h"
#include "app/Editor.h"
#include "app/LanguageByName.h"
#include "app/MDITab.h"
#include "app/PreviewHTML.h"
#include "app/RecoveryKeeper.h"
#include "app/WindowPlacement.h"
#include "memo/SyntaxMemo.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLayout>
#include <QMdiArea>
#include <QTimer>

namespace tessaly::app {

namespace {

QString fileNameOnly(const std::filesystem::path& path)
{
    return QString::fromStdString(path.filename().string());
}

} // namespace

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

std::optional<std::filesystem::path> TMainForm::askOpenFile() { return files_->askOpenFile(); }

void TMainForm::openClick() { files_->open(); }

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

bool TMainForm::saveDocument(TEditor& editor) { return files_->saveDocument(editor); }

void TMainForm::saveClick() { files_->save(); }

void TMainForm::saveAsClick() { files_->saveAs(); }

void TMainForm::saveSelectionClick() { files_->saveSelection(); }

TFileDocument* TMainForm::activeFileDocument() { return activeEditor(); }

void TMainForm::documentSaved(TFileDocument& document, const std::filesystem::path& file, bool renamed)
{
    // The File commands' documents are this window's document windows.
    auto& editor = dynamic_cast<TEditor&>(document);
    history_->noteFile(file);
    recovery_->documentChanged(editor);
    if (renamed) {
        editor.setCaption(QString::fromStdString(file.string()));
        mdiTab_->setTabCaption(mdiTab_->indexOf(&editor), fileNameOnly(file));
        editor.setLoadFailed(false);
    }
}

void TMainForm::setSaveEnabled(bool enabled)
{
    saveButton_->setEnabled(enabled);
    saveItem_->setEnabled(enabled);
}

std::string TMainForm::clipboardText() const { return QGuiApplication::clipboard()->text().toStdString(); }

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

bool TMainForm::editorCloseQuery(TEditor& editor) { return files_->closeQuery(editor); }

} // namespace tessaly::app
