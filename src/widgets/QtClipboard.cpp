#include "widgets/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace tessaly::widgets {

namespace {

const QMimeData* data()
{
    return QGuiApplication::clipboard()->mimeData();
}

} // namespace

bool QtClipboard::hasText() const
{
    const QMimeData* d = data();
    return d && d->hasText();
}

std::string QtClipboard::text() const
{
    return QGuiApplication::clipboard()->text().toStdString();
}

bool QtClipboard::hasHtml() const
{
    const QMimeData* d = data();
    return d && d->hasHtml();
}

std::string QtClipboard::html() const
{
    const QMimeData* d = data();
    return d ? d->html().toStdString() : std::string();
}

void QtClipboard::setContents(const std::string& text, const std::string& rtf, const std::string& html)
{
    auto* mime = new QMimeData;
    mime->setText(QString::fromStdString(text));
    if (!rtf.empty())
        mime->setData(QStringLiteral("text/rtf"), QByteArray::fromStdString(rtf));
    if (!html.empty())
        mime->setHtml(QString::fromStdString(html));
    QGuiApplication::clipboard()->setMimeData(mime);
}

} // namespace tessaly::widgets
