// The preview's handlers of the main window: TPreviewCommands does the
// work on the document windows the main window hands it.
#include "app/MainForm.h"

#include "app/Editor.h"

namespace tessaly::app {

TPreviewDocument* TMainForm::activePreviewDocument() const { return activeEditor(); }

QList<TPreviewDocument*> TMainForm::previewDocuments() const
{
    QList<TPreviewDocument*> out;
    for (TEditor* e : editors())
        out.append(e);
    return out;
}

void TMainForm::externalPreview1Click() { preview_->togglePreview(); }

void TMainForm::internetLinkClick(const QString& address) { preview_->showLink(address); }

void TMainForm::livePreview1Click(bool on) { preview_->setLivePreview(on); }

} // namespace tessaly::app
