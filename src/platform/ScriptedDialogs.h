#pragma once

#include "platform/Dialogs.h"

#include <deque>

namespace tessaly::platform {

// A TDialogs for tests: every dialog takes the next scripted answer from its
// queue and records what it was asked. An empty queue answers as a user who
// closes the dialog would (Cancel, or OK when there is no Cancel; no file; no
// colour) and counts the call as unexpected.
class TScriptedDialogs final : public TDialogs {
public:
    struct Message {
        std::string text;
        TMsgKind kind;
        unsigned buttons;
    };

    // Scripts.
    std::deque<TMsgAnswer> answers;
    std::deque<std::optional<std::filesystem::path>> openFiles;
    std::deque<std::optional<std::filesystem::path>> saveFiles;
    std::deque<bool> printerSetups;
    std::deque<std::optional<TRgb>> colors;
    std::deque<std::optional<TFontChoice>> fonts;
    bool hasPrinter = false;
    bool shellSucceeds = true;

    // Records.
    std::vector<Message> messages;
    std::vector<TFileDialogRequest> fileRequests;
    std::vector<std::filesystem::path> shellOpened;
    int unexpected = 0;

    TMsgAnswer showMessage(const std::string& text, TMsgKind kind, unsigned buttons) override;
    std::optional<std::filesystem::path> openFile(const TFileDialogRequest& request) override;
    std::optional<std::filesystem::path> saveFile(const TFileDialogRequest& request) override;
    bool printerSetup() override;
    bool printerInstalled() override { return hasPrinter; }
    std::optional<TRgb> chooseColor(TRgb initial) override;
    std::optional<TFontChoice> chooseFont(const TFontChoice& initial) override;
    bool shellOpen(const std::filesystem::path& file, const std::filesystem::path& workingFolder) override;
};

} // namespace tessaly::platform
