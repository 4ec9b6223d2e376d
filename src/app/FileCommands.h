#pragma once

#include "app/FileDocument.h"
#include "platform/Dialogs.h"

#include <filesystem>
#include <optional>
#include <string>

namespace tessaly::app {

// The File menu's commands that go through a file dialog or write a file:
// Open, Save, Save As, Save Selection, and the question before a modified
// document closes. The file dialogs start in the active document's folder,
// else in the folder last chosen in any of them, which this part keeps.
class TFileCommands {
public:
    static constexpr const char* kOtherNameText = "\n\nSave the document under another name?";

    // What the commands need of the main window.
    class Host {
    public:
        // The active document; null when none is open.
        virtual TFileDocument* activeFileDocument() = 0;
        virtual platform::TDialogs& fileDialogs() = 0;
        // Opens a file into a new document window.
        virtual void openDocumentFile(const std::filesystem::path& file) = 0;
        // A document was written to file; renamed: it now has that name.
        virtual void documentSaved(TFileDocument& document, const std::filesystem::path& file, bool renamed) = 0;
        // The global Save command and button.
        virtual void setSaveEnabled(bool enabled) = 0;
        // The clipboard's text, for Save Selection.
        virtual std::string clipboardText() const = 0;

    protected:
        ~Host() = default;
    };

    explicit TFileCommands(Host& host);

    void open();
    // Saves the active document by the Save rule.
    void save();
    void saveAs();
    // Writes the clipboard's text to a file chosen in a save dialog.
    void saveSelection();

    // The Save rule: a document that needs a name asks for one; a file that
    // may not be written offers another name. False when cancelled or failed.
    bool saveDocument(TFileDocument& document);
    // Asked before a document closes: true when it may close (saved, or its
    // changes given up), false on Cancel or a failed save.
    bool closeQuery(TFileDocument& document);

    // The open dialog of Open; the chosen file, or nothing on cancel.
    std::optional<std::filesystem::path> askOpenFile();

    // The folder a file dialog starts in, and the memory of the last one.
    std::filesystem::path dialogFolder();
    void rememberFolder(const std::optional<std::filesystem::path>& chosen);
    const std::filesystem::path& lastFolder() const { return lastFolder_; }

private:
    platform::TFileDialogRequest dialogRequest(const char* title);
    std::optional<std::filesystem::path> askSaveName(const TFileDocument& document);
    void fileError(const std::exception& error);

    Host& host_;
    std::filesystem::path lastFolder_;
};

} // namespace tessaly::app
