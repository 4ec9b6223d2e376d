#include "app/FileCommands.h"

#include "memo/MemoErrors.h"
#include "memo/SyntaxMemo.h"

#include <QString>

namespace tessaly::app {

using platform::btnCancel;
using platform::btnNo;
using platform::btnYes;
using platform::TMsgAnswer;
using platform::TMsgKind;

TFileCommands::TFileCommands(Host& host)
    : host_(host)
{
}

std::filesystem::path TFileCommands::dialogFolder()
{
    if (const TFileDocument* d = host_.activeFileDocument(); d && !d->untitled() && d->path().has_parent_path())
        return d->path().parent_path();
    return lastFolder_;
}

void TFileCommands::rememberFolder(const std::optional<std::filesystem::path>& chosen)
{
    if (chosen && chosen->has_parent_path())
        lastFolder_ = chosen->parent_path();
}

platform::TFileDialogRequest TFileCommands::dialogRequest(const char* title)
{
    platform::TFileDialogRequest r;
    r.title = title;
    r.filters = {{"HTML Files (*.html,*.htm)", "*.html;*.htm"},
                 {"Java Files (*.java,*.jav)", "*.java;*.jav"},
                 {"Active Server Pages (*.asp)", "*.asp"},
                 {"All Files (*.*)", "*.*"}};
    r.filterIndex = 0;
    r.initialFolder = dialogFolder();
    return r;
}

std::optional<std::filesystem::path> TFileCommands::askOpenFile()
{
    const auto file = host_.fileDialogs().openFile(dialogRequest("Open"));
    rememberFolder(file);
    return file;
}

void TFileCommands::open()
{
    if (const auto file = askOpenFile())
        host_.openDocumentFile(*file);
}

std::optional<std::filesystem::path> TFileCommands::askSaveName(const TFileDocument& document)
{
    platform::TFileDialogRequest r = dialogRequest("Save As");
    r.defaultExt = "html";
    r.initialName = document.untitled() ? std::string("Untitled.html") : document.path().filename().string();
    r.overwritePrompt = true;
    auto file = host_.fileDialogs().saveFile(r);
    rememberFolder(file);
    return file;
}

void TFileCommands::fileError(const std::exception& error)
{
    host_.fileDialogs().showMessage(error.what(), TMsgKind::error, platform::btnOk);
}

bool TFileCommands::saveDocument(TFileDocument& document)
{
    std::filesystem::path target = document.path();
    bool rename = document.needsName();
    if (rename) {
        const auto file = askSaveName(document);
        if (!file)
            return false;
        target = *file;
    }
    for (;;) {
        try {
            document.saveToFile(target);
            break;
        } catch (const memo::EFWriteDenied& denied) {
            // The file on disk is left alone; the user may keep the work
            // under another name.
            const std::string text = std::string(denied.what()) + kOtherNameText;
            if (host_.fileDialogs().showMessage(text, TMsgKind::error, btnYes | btnNo) != TMsgAnswer::yes)
                return false;
            const auto file = askSaveName(document);
            if (!file)
                return false;
            target = *file;
            rename = true;
        } catch (const std::exception& error) {
            fileError(error);
            return false;
        }
    }
    host_.documentSaved(document, target, rename);
    host_.setSaveEnabled(false);
    return true;
}

void TFileCommands::save()
{
    if (TFileDocument* d = host_.activeFileDocument())
        saveDocument(*d);
}

void TFileCommands::saveAs()
{
    TFileDocument* d = host_.activeFileDocument();
    if (!d)
        return;
    const auto file = askSaveName(*d);
    if (!file)
        return; // cancelled: the document keeps its name, state and Save
    try {
        d->saveToFile(*file);
    } catch (const std::exception& error) {
        // The document is still modified and keeps its name: Save stays
        // at hand.
        fileError(error);
        return;
    }
    host_.documentSaved(*d, *file, true);
    host_.setSaveEnabled(false);
}

void TFileCommands::saveSelection()
{
    // What is saved is the clipboard's text at this moment, through a scratch buffer.
    memo::TSyntaxMemo stream;
    stream.lines().setText(host_.clipboardText());
    platform::TFileDialogRequest r = dialogRequest("Save Selection");
    r.defaultExt = "html";
    r.overwritePrompt = true;
    const auto chosen = host_.fileDialogs().saveFile(r);
    rememberFolder(chosen);
    if (const auto& file = chosen) {
        try {
            stream.saveToFile(*file);
        } catch (const std::exception& error) {
            fileError(error);
        }
    }
}

bool TFileCommands::closeQuery(TFileDocument& document)
{
    if (!document.modified())
        return true;
    const std::string text = "Save changes to " + document.caption().toStdString() + "?";
    switch (host_.fileDialogs().showMessage(text, TMsgKind::confirmation, btnYes | btnNo | btnCancel)) {
    case TMsgAnswer::yes:
        // A cancelled name dialog or a failed save keeps the document open.
        return saveDocument(document);
    case TMsgAnswer::no:
        return true;
    default:
        return false;
    }
}

} // namespace tessaly::app
