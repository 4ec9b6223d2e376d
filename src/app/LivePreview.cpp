#include "app/LivePreview.h"

#include "app/BrowserNav.h"
#include "app/PreviewHTML.h"

#include <QVBoxLayout>

namespace tessaly::app {

namespace {

// The label's place in the row: right of Stop, as there is no size or
// default-browser button here.
constexpr int kAddressLeft = 120;

} // namespace

TLivePreview::TLivePreview(std::function<Content()> content, TMainForm& owner, QWidget* parent)
    : QWidget(parent), content_(std::move(content))
{
    setObjectName(QStringLiteral("LivePreview"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    brows_ = new TPreviewHTML(this);
    brows_->setObjectName(QStringLiteral("LiveBrows"));
    nav_ = new TBrowserNav(*brows_, owner, kAddressLeft, this);
    nav_->setObjectName(QStringLiteral("LiveToolbar"));
    layout->addWidget(nav_);
    layout->addWidget(brows_, 1);
    brows_->onLoadEnded = [this](bool ok) { restoreScroll(ok); };
    timer_.setSingleShot(true);
    timer_.setInterval(kDelayMs);
    connect(&timer_, &QTimer::timeout, this, &TLivePreview::refresh);
}

void TLivePreview::textChanged()
{
    if (isVisible())
        timer_.start();
}

void TLivePreview::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    refresh();
}

void TLivePreview::refresh()
{
    timer_.stop();
    // Where the reader is now, to be there again in the new page.
    if (brows_->started()) {
        scroll_ = brows_->scrollPosition();
        restore_ = true;
    }
    const Content c = content_();
    // The document's address goes into the address list (once).
    nav_->setRecordFlag(true);
    brows_->navigateContent(QByteArray::fromStdString(c.text), c.base, c.fallbackFile);
    ++refreshes_;
}

void TLivePreview::restoreScroll(bool ok)
{
    if (!ok || !restore_)
        return;
    restore_ = false;
    brows_->runScript(QStringLiteral("window.scrollTo(%1, %2);").arg(scroll_.x()).arg(scroll_.y()), nullptr);
}

} // namespace tessaly::app
