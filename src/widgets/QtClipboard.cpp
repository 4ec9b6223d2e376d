#include "widgets/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "memo/Utf8.h"

namespace tessaly::widgets {

namespace {

const QMimeData* data()
{
    return QGuiApplication::clipboard()->mimeData();
}

} // namespace

QString textToQString(std::string_view bytes)
{
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (std::size_t i = 0; i < bytes.size();) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            out += QLatin1Char(static_cast<char>(c));
            ++i;
            continue;
        }
        const char32_t cp = memo::utf8Decode(bytes, i);
        out += QString::fromUcs4(&cp, 1);
        i += static_cast<std::size_t>(memo::utf8Length(bytes, i));
    }
    return out;
}

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
    mime->setText(textToQString(text));
    if (!rtf.empty())
        mime->setData(QStringLiteral("text/rtf"), QByteArray::fromStdString(rtf));
    if (!html.empty())
        mime->setHtml(textToQString(html));
    QGuiApplication::clipboard()->setMimeData(mime);
}

} // namespace tessaly::widgets
