// Print and Printer Setup: TPrintCommands does the work on the active
// document the main window hands it.
#include "app/MainForm.h"

#include "app/Editor.h"
#include "widgets/SyntaxMemoView.h"

namespace tessaly::app {

std::optional<TPrintCommands::TSource> TMainForm::printSource()
{
    TEditor* e = activeEditor();
    if (!e)
        return std::nullopt;
    const std::string stem = e->untitled() ? std::string("Untitled") : e->path().stem().string();
    return TPrintCommands::TSource{&e->memo(), e->caption(), e->code().font(), stem};
}

void TMainForm::printClick() { print_->print(); }

void TMainForm::printerSetupClick() { print_->printerSetup(); }

} // namespace tessaly::app
