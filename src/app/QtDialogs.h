#pragma once

#include "platform/Dialogs.h"

class QPrinter;
class QWidget;

namespace tessaly::app {

// The desktop's dialogs, shown modally over a parent window.
class TQtDialogs final : public platform::TDialogs {
public:
    // printer: the current printer that Printer Setup changes.
    TQtDialogs(QWidget* parent, QPrinter* printer) : parent_(parent), printer_(printer) {}

    platform::TMsgAnswer showMessage(const std::string& text, platform::TMsgKind kind, unsigned buttons) override;
    std::optional<std::filesystem::path> openFile(const platform::TFileDialogRequest& request) override;
    std::optional<std::filesystem::path> saveFile(const platform::TFileDialogRequest& request) override;
    bool printerSetup() override;
    bool printerInstalled() override;
    std::optional<platform::TRgb> chooseColor(platform::TRgb initial) override;
    std::optional<platform::TFontChoice> chooseFont(const platform::TFontChoice& initial) override;
    bool shellOpen(const std::filesystem::path& file, const std::filesystem::path& workingFolder) override;

private:
    QWidget* parent_;
    QPrinter* printer_;
};

} // namespace tessaly::app
