#include "app/BrowserNav.h"

#include "app/MainForm.h"
#include "app/PreviewHTML.h"

#include <QKeyEvent>
#include <QLabel>
#include <QStyle>
#include <QToolButton>

namespace tessaly::app {

namespace {

constexpr int kRowHeight = 29;
// The address box starts this far right of the label and ends this far
// before the row's right edge.
constexpr int kLabelToUrls = 48;
constexpr int kUrlsRightMargin = 3;

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

TBrowserNav::TBrowserNav(TPreviewHTML& brows, TMainForm& owner, int addressLeft, QWidget* parent)
    : QWidget(parent), brows_(brows), owner_(owner)
{
    setFixedHeight(kRowHeight);
    QStyle* st = style();
    connect(addToolButton("ToolbarButton973", 6, 25, st->standardIcon(QStyle::SP_DialogOpenButton),
                          QStringLiteral("Open in Browser")),
            &QToolButton::clicked, this, &TBrowserNav::openInBrowserClick);
    QToolButton* back =
        addToolButton("Back", 32, 25, st->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("Step Back..."));
    back->setEnabled(false);
    connect(back, &QToolButton::clicked, this, &TBrowserNav::backClick);
    QToolButton* forward = addToolButton("Forward_btn", 56, 25, st->standardIcon(QStyle::SP_ArrowForward),
                                         QStringLiteral("Step Forward..."));
    forward->setEnabled(false);
    connect(forward, &QToolButton::clicked, this, &TBrowserNav::forwardClick);
    QToolButton* stop =
        addToolButton("StopBtn", 88, 25, st->standardIcon(QStyle::SP_BrowserStop), QStringLiteral("Stop Loading..."));
    stop->setEnabled(false);
    connect(stop, &QToolButton::clicked, this, &TBrowserNav::stopClick);

    label1_ = new QLabel(QStringLiteral("Address"), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->move(addressLeft, 7);
    urls_ = new TURLBox(this);
    urls_->setObjectName(QStringLiteral("URLs"));
    urls_->setGeometry(addressLeft + kLabelToUrls, 3, 249, 23);
    connect(urls_, &TURLBox::enterPressed, this, &TBrowserNav::urlsEnter);
    connect(urls_, &TURLBox::chosen, this, &TBrowserNav::urlsChoose);

    brows_.onStatusBusyChange = [this](bool busy) { statusBusyChange(busy); };
    brows_.onAfterNavigate = [this] { afterNavigate(); };
}

QToolButton* TBrowserNav::addToolButton(const char* name, int left, int width, const QIcon& icon, const QString& hint)
{
    auto* b = new QToolButton(this);
    b->setObjectName(QString::fromLatin1(name));
    b->setIcon(icon);
    b->setToolTip(hint);
    b->setStatusTip(hint);
    b->setAutoRaise(true);
    b->setGeometry(left, 2, width, 25);
    return b;
}

QToolButton* TBrowserNav::button(const char* name) const
{
    return findChild<QToolButton*>(QString::fromLatin1(name));
}

void TBrowserNav::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The address box fills the row up to its right edge.
    urls_->resize(std::max(0, width() - urls_->x() - kUrlsRightMargin), urls_->height());
}

void TBrowserNav::statusBusyChange(bool busy)
{
    if (onBusy)
        onBusy(busy);
    if (busy)
        brows_.setCursor(Qt::BusyCursor);
    else
        brows_.unsetCursor();
    button("StopBtn")->setEnabled(busy);
}

void TBrowserNav::afterNavigate()
{
    const QString address = brows_.locationURL();
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

void TBrowserNav::backClick()
{
    recordFlag_ = false;
    brows_.goBack();
    --backCount_;
    ++forwardCount_;
    button("Forward_btn")->setEnabled(true);
    if (backCount_ == 1)
        button("Back")->setEnabled(false);
}

void TBrowserNav::forwardClick()
{
    recordFlag_ = false;
    brows_.goForward();
    ++backCount_;
    --forwardCount_;
    button("Back")->setEnabled(true);
    if (forwardCount_ == 0)
        button("Forward_btn")->setEnabled(false);
}

void TBrowserNav::stopClick()
{
    brows_.stop();
}

void TBrowserNav::urlsEnter()
{
    recordFlag_ = true;
    brows_.navigate(urls_->currentText());
}

void TBrowserNav::urlsChoose()
{
    brows_.navigate(urls_->currentText());
}

void TBrowserNav::openInBrowserClick()
{
    if (const auto file = owner_.askOpenFile())
        brows_.navigate(QString::fromStdString(file->string()));
}

} // namespace tessaly::app
