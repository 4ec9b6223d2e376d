// The preview's commands of the main window: Toggle Edit/Preview, View >
// Live Preview and the Internet Links of the Help menu.
#include "app/MainForm.h"

#include "app/BrowserPage.h"
#include "app/Editor.h"

#include <QMenu>

namespace tessaly::app {

namespace {

struct Link {
    const char* item;
    const char* address;
};

// The address behind each item of Help > Internet Links.
constexpr Link kLinks[] = {
    {"OrvaneSoftware1", "http://www.orvane.com/"},
    {"NetscapesJavaScriptHandbook1", "http://developer.netscape.com/docs/manuals/communicator/jsguide/"},
    {"MicrosoftScriptionTecnologies1", "http://msdn.microsoft.com/scripting/"},
    {"Yahoo1", "http://www.yahoo.com/"},
    {"Altavista1", "http://www.altavista.com/"},
    {"WebCrawler1", "http://www.webcrawler.com/"},
    {"LinkExchange1", "http://www.linkexchange.com/"},
    {"SiteInspector1", "http://www.siteinspector.com/"},
    {"WebSiteGarage1", "http://www.websitegarage.com/"},
    {"InterNIC1", "http://www.internic.net/"},
};

} // namespace

void TMainForm::createPreviewCommands()
{
    connectItem("ExternalPreview1", &TMainForm::externalPreview1Click);

    // View > Live Preview, under Toggle Edit/Preview; off at start.
    auto* live = new QAction(QStringLiteral("&Live Preview"), this);
    live->setObjectName(QStringLiteral("LivePreview1"));
    live->setStatusTip(QStringLiteral("Shows the page beside the text while you type"));
    live->setCheckable(true);
    viewMenu_->insertAction(item(QStringLiteral("SyntaxHighlighting1")), live);
    connect(live, &QAction::triggered, this, &TMainForm::livePreview1Click);

    for (const Link& link : kLinks) {
        QAction* a = item(QString::fromLatin1(link.item));
        const QString address = QString::fromLatin1(link.address);
        a->setData(address);
        connect(a, &QAction::triggered, this, [this, address] { internetLinkClick(address); });
    }
}

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
    item(QStringLiteral("LivePreview1"))->setChecked(on);
    for (TEditor* e : editors())
        e->setLivePreview(on);
}

} // namespace tessaly::app
