// The Help menu's own commands: the help file and the about box.
#include "app/MainForm.h"

#include "app/AboutBox.h"

namespace tessaly::app {

void TMainForm::helpContentsClick()
{
    const std::filesystem::path help = programFolder_ + "help.chm";
    if (!dialogs_->shellOpen(help, programFolder_))
        dialogs_->showMessage("Tessaly was unable to open the Help File.\rIf the problem persists, contact Orvane Software",
                             platform::TMsgKind::error, platform::btnOk);
}

void TMainForm::aboutClick()
{
    showModal(*aboutBox_);
}

} // namespace tessaly::app
