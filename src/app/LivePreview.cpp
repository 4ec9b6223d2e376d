#include "app/LivePreview.h"

#include "app/PreviewHTML.h"

#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

namespace tessaly::app {

TLivePreview::TLivePreview(std::function<Content()> content, QWidget* parent)
    : QWidget(parent), content_(std::move(content))
{
    setObjectName(QStringLiteral("LivePreview"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    brows_ = new TPreviewHTML(this);
    brows_->setObjectName(QStringLiteral("LiveBrows"));
    layout->addWidget(brows_);
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
    if (QWebEngineView* view = brows_->view()) {
        scroll_ = view->page()->scrollPosition();
        restore_ = true;
    }
    const Content c = content_();
    brows_->navigateContent(QByteArray::fromStdString(c.text), c.base, c.fallbackFile);
    ++refreshes_;
}

void TLivePreview::restoreScroll(bool ok)
{
    QWebEngineView* view = brows_->view();
    if (!ok || !restore_ || !view)
        return;
    restore_ = false;
    view->page()->runJavaScript(
        QStringLiteral("window.scrollTo(%1, %2);").arg(scroll_.x()).arg(scroll_.y()),
        QWebEngineScript::ApplicationWorld);
}

} // namespace tessaly::app
