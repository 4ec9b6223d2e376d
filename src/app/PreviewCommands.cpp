#include "app/PreviewCommands.h"

#include "app/PreviewDocument.h"
#include "platform/IniFile.h"

#include <QAction>

namespace tessaly::app {

namespace {
constexpr const char* kSection = "View";
constexpr const char* kKey = "Live Preview";
} // namespace

TPreviewCommands::TPreviewCommands(Host& host, QAction& livePreviewItem)
    : host_(host)
    , item_(livePreviewItem)
{
}

void TPreviewCommands::togglePreview()
{
    if (TPreviewDocument* d = host_.activePreviewDocument())
        d->togglePreview();
}

void TPreviewCommands::showLink(const QString& address)
{
    if (TPreviewDocument* d = host_.activePreviewDocument())
        d->showAddress(address);
}

void TPreviewCommands::setLivePreview(bool on)
{
    livePreview_ = on;
    item_.setChecked(on);
    for (TPreviewDocument* d : host_.previewDocuments())
        d->setLivePreview(on);
}

void TPreviewCommands::documentOpened(TPreviewDocument& document) { document.setLivePreview(livePreview_); }

void TPreviewCommands::load(const platform::TIniFile& ini)
{
    if (ini.readString(kSection, kKey, "false") == "true")
        setLivePreview(true);
}

void TPreviewCommands::save(platform::TIniFile& ini) const
{
    ini.writeString(kSection, kKey, livePreview_ ? "true" : "false");
}

QString TPreviewCommands::check() const
{
    if (item_.isChecked() != livePreview_)
        return QStringLiteral("the Live Preview item does not show the switch");
    for (const TPreviewDocument* d : host_.previewDocuments())
        if (d->livePreview() != livePreview_)
            return QStringLiteral("a document does not follow the Live Preview switch");
    return {};
}

} // namespace tessaly::app
