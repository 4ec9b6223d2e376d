// The preview's commands of the main window: Toggle Edit/Preview, View >
// Live Preview and the Internet Links of the Help menu (their addresses are
// in the menu rows).
#include "app/MainForm.h"

#include "app/BrowserPage.h"
#include "app/Editor.h"

#include <QMenu>

namespace tessaly::app {

void TMainForm::externalPreview1Click()
{
    if (TEditor* e = activeEditor())
        e->togglePreview();
}

void TMainForm::internetLinkClick(const QString& address)
{
    TEditor* e = activeEditor();
    if (!e)
        return;
    e->showBrowser();
    e->browserPage().showAddress(address);
}

void TMainForm::livePreview1Click(bool on)
{
    livePreview_ = on;
    livePreviewItem_->setChecked(on);
    for (TEditor* e : editors())
        e->setLivePreview(on);
}

} // namespace tessaly::app
