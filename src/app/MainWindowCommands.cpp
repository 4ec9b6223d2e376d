// The Window menu's handlers: TWindowCommands does the work; the main
// window tells it which windows are documents.
#include "app/MainForm.h"

#include "app/Editor.h"

namespace tessaly::app {

QList<QMdiSubWindow*> TMainForm::documentWindows() const
{
    QList<QMdiSubWindow*> out;
    for (TEditor* e : editors())
        out.append(e);
    return out;
}

QMdiSubWindow* TMainForm::activeDocumentWindow() const { return activeEditor(); }

void TMainForm::tileClick() { windows_->tile(); }

void TMainForm::cascadeClick() { windows_->cascade(); }

void TMainForm::arrangeIconsClick() { windows_->arrangeIcons(); }

void TMainForm::nextClick() { windows_->next(); }

void TMainForm::previousClick() { windows_->previous(); }

void TMainForm::minimizeAllClick() { windows_->minimizeAll(); }

void TMainForm::fillWindowList() { windows_->fillWindowList(); }

} // namespace tessaly::app
