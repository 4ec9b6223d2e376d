#include "app/TextFormatCommands.h"

#include "app/Editor.h"
#include "app/MainForm.h"
#include "memo/SyntaxMemo.h"
#include "platform/Dialogs.h"

#include <QAction>
#include <QMenu>

namespace tessaly::app {

TTextFormatCommands::TTextFormatCommands(TMainForm& form)
    : QObject(&form)
    , form_(form)
{
}

void TTextFormatCommands::refresh()
{
    TEditor* e = form_.activeEditor();
    QAction* reopen = form_.item(QStringLiteral("ReopenWithEncoding1"));
    QAction* save = form_.item(QStringLiteral("SaveWithEncoding1"));
    QAction* lineBreaks = form_.item(QStringLiteral("LineBreaks1"));
    reopen->setEnabled(e && !e->untitled());
    save->setEnabled(e != nullptr);
    lineBreaks->setEnabled(e != nullptr);
    if (!e)
        return;
    const memo::TTextFormat& f = e->textFormat();
    for (QAction* a : save->menu()->actions())
        a->setChecked(a->objectName().endsWith(QString::fromLatin1(memo::encodingKey(f.encoding))));
    for (QAction* a : lineBreaks->menu()->actions())
        a->setChecked(!f.mixedLineEnds && a->objectName().endsWith(QString::fromLatin1(memo::lineEndKey(f.lineEnd))));
}

void TTextFormatCommands::reopenWithEncoding(memo::TEncoding encoding)
{
    TEditor* e = form_.activeEditor();
    if (!e || e->untitled())
        return;
    if (e->modified()) {
        const QString text = QString::fromLatin1(kReopenText)
                                 .replace(QStringLiteral("%s"), e->caption())
                                 .replace(QStringLiteral("%e"), QString::fromLatin1(memo::encodingName(encoding)));
        if (form_.dialogs().showMessage(text.toStdString(), platform::TMsgKind::confirmation,
                                        platform::btnYes | platform::btnNo)
            != platform::TMsgAnswer::yes)
            return;
    }
    try {
        e->loadFromFile(e->path(), encoding);
        e->setLoadFailed(false);
    } catch (const std::exception& error) {
        // The text is left as it was.
        form_.dialogs().showMessage(error.what(), platform::TMsgKind::error, platform::btnOk);
    }
}

void TTextFormatCommands::saveWithEncoding(memo::TEncoding encoding)
{
    TEditor* e = form_.activeEditor();
    if (!e)
        return;
    const memo::TEncoding old = e->textFormat().encoding;
    e->setEncoding(encoding);
    // A save that fails (a character the encoding cannot hold, a cancelled
    // name) leaves the document in its old encoding.
    if (!form_.saveDocument(*e))
        e->setEncoding(old);
}

void TTextFormatCommands::setLineBreaks(memo::TLineEnd lineEnd)
{
    if (TEditor* e = form_.activeEditor())
        e->setLineEnd(lineEnd);
}

} // namespace tessaly::app
