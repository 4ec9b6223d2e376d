#include "app/TextFormatCommands.h"

#include "platform/Dialogs.h"

#include <QAction>
#include <QMenu>

namespace tessaly::app {

TTextFormatCommands::TTextFormatCommands(Host& host, const TItems& items, QObject* parent)
    : QObject(parent)
    , host_(host)
    , items_(items)
{
}

void TTextFormatCommands::refresh()
{
    TFormatDocument* e = host_.formatDocument();
    QAction* reopen = items_.reopen;
    QAction* save = items_.save;
    QAction* lineBreaks = items_.lineBreaks;
    reopen->setEnabled(e && !e->untitled());
    save->setEnabled(e != nullptr);
    lineBreaks->setEnabled(e != nullptr);
    if (!e)
        return;
    const memo::TTextFormat& f = e->textFormat();
    // The key is the whole of the name after its "_": "crlf" ends in "lf".
    const auto keyOf = [](const QAction* a) { return a->objectName().section(QLatin1Char('_'), -1); };
    for (QAction* a : save->menu()->actions())
        a->setChecked(keyOf(a) == QLatin1String(memo::encodingKey(f.encoding)));
    for (QAction* a : lineBreaks->menu()->actions())
        a->setChecked(!f.mixedLineEnds && keyOf(a) == QLatin1String(memo::lineEndKey(f.lineEnd)));
}

void TTextFormatCommands::reopenWithEncoding(memo::TEncoding encoding)
{
    TFormatDocument* e = host_.formatDocument();
    if (!e || e->untitled())
        return;
    if (e->modified()) {
        const QString text = QString::fromLatin1(kReopenText)
                                 .replace(QStringLiteral("%s"), e->caption())
                                 .replace(QStringLiteral("%e"), QString::fromLatin1(memo::encodingName(encoding)));
        if (host_.formatDialogs().showMessage(text.toStdString(), platform::TMsgKind::confirmation,
                                        platform::btnYes | platform::btnNo)
            != platform::TMsgAnswer::yes)
            return;
    }
    try {
        e->loadFromFile(e->path(), encoding);
        e->setLoadFailed(false);
    } catch (const std::exception& error) {
        // The text is left as it was.
        host_.formatDialogs().showMessage(error.what(), platform::TMsgKind::error, platform::btnOk);
    }
}

void TTextFormatCommands::saveWithEncoding(memo::TEncoding encoding)
{
    TFormatDocument* e = host_.formatDocument();
    if (!e)
        return;
    const memo::TEncoding old = e->textFormat().encoding;
    e->setEncoding(encoding);
    // A save that fails (a character the encoding cannot hold, a cancelled
    // name) leaves the document in its old encoding.
    if (!host_.saveFormatDocument())
        e->setEncoding(old);
}

void TTextFormatCommands::setLineBreaks(memo::TLineEnd lineEnd)
{
    if (TFormatDocument* e = host_.formatDocument())
        e->setLineEnd(lineEnd);
}

} // namespace tessaly::app
