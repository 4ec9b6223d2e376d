#include "app/BrowserPage.h"

#include "app/Editor.h"
#include "app/MainForm.h"
#include "app/PreviewFiles.h"
#include "app/PreviewHTML.h"
#include "memo/SyntaxMemo.h"

#include <QActionGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace tessaly::app {

namespace {

constexpr int kToolRowHeight = 29;
// The address box ends this far before the tool row's right edge.
constexpr int kUrlsMargin = 235;
constexpr int kUrlsLeft = 232;

} // namespace

TURLBox::TURLBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, qOverload<int>(&QComboBox::activated), this, [this] { emit chosen(); });
}

void TURLBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit enterPressed();
        return;
    }
    QComboBox::keyPressEvent(event);
}

TBrowserPage::TBrowserPage(TEditor& editor, TMainForm& owner, QWidget* parent)
    : QWidget(parent), editor_(editor), owner_(owner)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    toolbar3_ = new QWidget(this);
    toolbar3_->setObjectName(QStringLiteral("Toolbar3"));
    toolbar3_->setFixedHeight(kToolRowHeight);
    toolbar3_->installEventFilter(this);
    layout->addWidget(toolbar3_);

    QStyle* st = style();
    connect(addToolButton("ToolbarButton973", 6, st->standardIcon(QStyle::SP_DialogOpenButton),
                          QStringLiteral("Open in Browser")),
            &QToolButton::clicked, this, &TBrowserPage::openInBrowserClick);
    QToolButton* back = addToolButton("Back", 32, st->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("Step Back..."));
    back->setEnabled(false);
    connect(back, &QToolButton::clicked, this, &TBrowserPage::backClick);
    QToolButton* forward =
        addToolButton("Forward_btn", 56, st->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("Step Forward..."));
    forward->setEnabled(false);
    connect(forward, &QToolButton::clicked, this, &TBrowserPage::forwardClick);
    QToolButton* stop =
        addToolButton("StopBtn", 88, st->standardIcon(QStyle::SP_BrowserStop), QStringLiteral("Stop Loading..."));
    stop->setEnabled(false);
    connect(stop, &QToolButton::clicked, this, &TBrowserPage::stopClick);

    QToolButton* size =
        addToolButton("ToolbarButton9736", 120, st->standardIcon(QStyle::SP_TitleBarMaxButton), QStringLiteral("Browser Size"));
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

    connect(addToolButton("ToolbarButton974", 152, st->standardIcon(QStyle::SP_DesktopIcon),
                          QStringLiteral("Preview in Default Browser")),
            &QToolButton::clicked, this, &TBrowserPage::defaultBrowserClick);

    label1_ = new QLabel(QStringLiteral("Address"), toolbar3_);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->move(184, 7);
    urls_ = new TURLBox(toolbar3_);
    urls_->setObjectName(QStringLiteral("URLs"));
    urls_->setGeometry(kUrlsLeft, 3, 249, 23);
    connect(urls_, &TURLBox::enterPressed, this, &TBrowserPage::urlsEnter);
    connect(urls_, &TURLBox::chosen, this, &TBrowserPage::urlsChoose);

    // The web view sits in a holder without layout, so a fixed browser size
    // is clipped by the page instead of growing the window.
    holder_ = new QWidget(this);
    holder_->installEventFilter(this);
    layout->addWidget(holder_, 1);
    brows_ = new TPreviewHTML(holder_);
    brows_->setObjectName(QStringLiteral("Brows"));
    brows_->onStatusBusyChange = [this](bool busy) { statusBusyChange(busy); };
    brows_->onAfterNavigate = [this] { afterNavigate(); };
}

QToolButton* TBrowserPage::addToolButton(const char* name, int left, const QIcon& icon, const QString& hint)
{
    auto* b = new QToolButton(toolbar3_);
    b->setObjectName(QString::fromLatin1(name));
    b->setIcon(icon);
    b->setToolTip(hint);
    b->setStatusTip(hint);
    b->setAutoRaise(true);
    b->setGeometry(left, 2, left == 120 ? 30 : 25, 25);
    return b;
}

QToolButton* TBrowserPage::button(const char* name) const
{
    return toolbar3_->findChild<QToolButton*>(QString::fromLatin1(name));
}

bool TBrowserPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        if (watched == toolbar3_)
            urls_->resize(std::max(0, toolbar3_->width() - kUrlsMargin), urls_->height());
        else if (watched == holder_)
            layoutBrows();
    }
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
    recordFlag_ = true;
    const std::string folder = owner_.programFolder();
    const std::filesystem::path file = folder + kPreviewFile;
    const std::string text = editor_.memo().text();
    writePreviewFile(file, text);
    brows_->navigateContent(QByteArray::fromStdString(text),
                            previewAddress(editor_.untitled(), editor_.path(), folder),
                            QString::fromStdString(file.string()));
}

void TBrowserPage::showAddress(const QString& address)
{
    brows_->navigate(address);
    urls_->setEditText(address);
}

void TBrowserPage::statusBusyChange(bool busy)
{
    editor_.showBrowser();
    if (busy)
        brows_->setCursor(Qt::BusyCursor);
    else
        brows_->unsetCursor();
    button("StopBtn")->setEnabled(busy);
}

void TBrowserPage::afterNavigate()
{
    const QString address = brows_->locationURL();
    if (recordFlag_) {
        recordFlag_ = false;
        const int at = urls_->findText(address, Qt::MatchFixedString);
        if (at < 0) {
            ++backCount_;
            urls_->insertItem(0, address);
        } else if (at > 0) {
            urls_->removeItem(at);
            urls_->insertItem(0, address);
        }
    }
    urls_->setCurrentIndex(-1);
    urls_->setEditText(address);
    if (backCount_ > 1)
        button("Back")->setEnabled(true);
}

void TBrowserPage::backClick()
{
    recordFlag_ = false;
    brows_->goBack();
    --backCount_;
    ++forwardCount_;
    button("Forward_btn")->setEnabled(true);
    if (backCount_ == 1)
        button("Back")->setEnabled(false);
}

void TBrowserPage::forwardClick()
{
    recordFlag_ = false;
    brows_->goForward();
    ++backCount_;
    --forwardCount_;
    button("Back")->setEnabled(true);
    if (forwardCount_ == 0)
        button("Forward_btn")->setEnabled(false);
}

void TBrowserPage::stopClick()
{
    brows_->stop();
}

void TBrowserPage::urlsEnter()
{
    recordFlag_ = true;
    brows_->navigate(urls_->currentText());
}

void TBrowserPage::urlsChoose()
{
    brows_->navigate(urls_->currentText());
}

void TBrowserPage::openInBrowserClick()
{
    if (const auto file = owner_.askOpenFile())
        brows_->navigate(QString::fromStdString(file->string()));
}

void TBrowserPage::defaultBrowserClick()
{
    const std::string folder = owner_.programFolder();
    const std::filesystem::path file = folder + kExternalPreviewFile;
    writePreviewFile(file, editor_.memo().text());
    if (!owner_.dialogs().shellOpen(file, folder))
        owner_.dialogs().showMessage("Tessaly was unable to launch your Default Browser, please try again.\r"
                                     "If the problem persists, contact Orvane Software",
                                     platform::TMsgKind::error, platform::btnOk);
}

} // namespace tessaly::app
