// The Help menu's own commands: the manual and the about box.
#include "app/MainForm.h"

#include "app/AboutBox.h"
#include "platform/ProgramFolder.h"

#include <cstdlib>

namespace tessaly::app {

std::filesystem::path TMainForm::helpFile() const
{
    // The program folder first (a build tree, or a copy beside the program);
    // an installed program finds its manual beside its shared data.
    const std::filesystem::path local = std::filesystem::path(programFolder_) / "help" / "index.html";
    std::error_code ec;
    if (std::filesystem::exists(local, ec))
        return local;
    const std::filesystem::path exe = platform::executableFolder();
    if (!exe.empty() && !std::getenv("TESSALY_PROGRAM_DIR")) {
        const std::filesystem::path installed = exe.parent_path() / "share" / "tessaly" / "help" / "index.html";
        if (std::filesystem::exists(installed, ec))
            return installed;
    }
    return local;
}

void TMainForm::helpContentsClick()
{
    // A missing manual fails as the desktop would fail to open it.
    const std::filesystem::path help = helpFile();
    std::error_code ec;
    if (!std::filesystem::exists(help, ec) || !dialogs_->shellOpen(help, programFolder_))
        dialogs_->showMessage("Tessaly was unable to open the Help File.\rIf the problem persists, contact Orvane Software",
                             platform::TMsgKind::error, platform::btnOk);
}

void TMainForm::aboutClick()
{
    showModal(*aboutBox_);
}

} // namespace tessaly::app
