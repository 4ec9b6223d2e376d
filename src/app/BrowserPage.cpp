#include "app/BrowserPage.h"

#include "app/Editor.h"
#include "app/MainForm.h"
#include "app/PreviewFiles.h"
#include "app/PreviewHTML.h"
#include "memo/SyntaxMemo.h"

#include <QActionGroup>
#include <QEvent>
#include <QMenu>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace tessaly::app {

TBrowserPage::TBrowserPage(TEditor& editor, TMainForm& owner, QWidget* parent)
    : QWidget(parent), editor_(editor), owner_(owner)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    // The web view sits in a holder without layout, so a fixed browser size
    // is clipped by the page instead of growing the window.
    holder_ = new QWidget(this);
    holder_->installEventFilter(this);
    brows_ = new TPreviewHTML(holder_);
    brows_->setObjectName(QStringLiteral("Brows"));

    toolbar3_ = new TBrowserNav(*brows_, owner_, 184, this);
    toolbar3_->setObjectName(QStringLiteral("Toolbar3"));
    // A page that starts loading comes to the front. The end of a load
    // leaves the pages alone: a user who went back to the Editor page
    // meanwhile keeps typing there.
    toolbar3_->onBusy = [this](bool busy) {
        if (busy)
            editor_.showBrowser();
    };
    layout->addWidget(toolbar3_);
    layout->addWidget(holder_, 1);

    QStyle* st = style();
    QToolButton* size = toolbar3_->addToolButton("ToolbarButton9736", 120, 30, st->standardIcon(QStyle::SP_TitleBarMaxButton),
                                                 QStringLiteral("Browser Size"));
    browsSize_ = new QMenu(this);
    browsSize_->setObjectName(QStringLiteral("BrowsSize"));
    sizes_ = new QActionGroup(this);
    sizes_->setExclusive(true);
    const struct {
        const char* name;
        const char* caption;
    } items[] = {{"N6404801", "640 x 480"}, {"N800x6001", "800 x 600"}, {"FittoScreen1", "Fit to Screen         "}};
    for (int i = 0; i < 3; ++i) {
        if (i == 2)
            browsSize_->addSeparator()->setObjectName(QStringLiteral("N31"));
        QAction* a = browsSize_->addAction(QString::fromLatin1(items[i].caption));
        a->setObjectName(QString::fromLatin1(items[i].name));
        a->setCheckable(true);
        a->setChecked(i == 2);
        sizes_->addAction(a);
        connect(a, &QAction::triggered, this, [this, i] { setBrowserSize(i); });
    }
    size->setMenu(browsSize_);
    size->setPopupMode(QToolButton::InstantPopup);

    connect(toolbar3_->addToolButton("ToolbarButton974", 152, 25, st->standardIcon(QStyle::SP_DesktopIcon),
                                     QStringLiteral("Preview in Default Browser")),
            &QToolButton::clicked, this, &TBrowserPage::defaultBrowserClick);
}

bool TBrowserPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched == holder_)
        layoutBrows();
    return QWidget::eventFilter(watched, event);
}

void TBrowserPage::layoutBrows()
{
    static constexpr QSize fixed[] = {{640, 480}, {800, 600}};
    if (sizeChoice_ == 2)
        brows_->setGeometry(holder_->rect());
    else
        brows_->setGeometry(QRect(QPoint(0, 0), fixed[sizeChoice_]));
}

void TBrowserPage::setBrowserSize(int choice)
{
    if (choice < 0 || choice > 2)
        return;
    sizeChoice_ = choice;
    sizes_->actions().at(choice)->setChecked(true);
    layoutBrows();
}

void TBrowserPage::pageEntered()
{
    toolbar3_->setRecordFlag(true);
    const std::string folder = owner_.programFolder();
    const std::filesystem::path file = folder + kPreviewFile;
    editor_.memo().finishLoading();
    const std::string text = editor_.memo().text();
    writePreviewFile(file, text);
    brows_->navigateContent(QByteArray::fromStdString(text),
                            previewAddress(editor_.untitled(), editor_.path(), folder),
                            QString::fromStdString(file.string()));
}

void TBrowserPage::showAddress(const QString& address)
{
    brows_->navigate(address);
    toolbar3_->urls().setEditText(address);
}

void TBrowserPage::defaultBrowserClick()
{
    const std::string folder = owner_.programFolder();
    const std::filesystem::path file = folder + kExternalPreviewFile;
    editor_.memo().finishLoading();
    writePreviewFile(file, editor_.memo().text());
    if (!owner_.dialogs().shellOpen(file, folder))
        owner_.dialogs().showMessage("Tessaly was unable to launch your Default Browser, please try again.\r"
                                     "If the problem persists, contact Orvane Software",
                                     platform::TMsgKind::error, platform::btnOk);
}

} // namespace tessaly::app
