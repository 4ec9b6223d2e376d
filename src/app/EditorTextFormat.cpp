// The document's text format: the encoding and line-break style its file is
// written in, shown in the status bar's last panel ("UTF-8 · LF").
#include "app/Editor.h"

#include "app/MainForm.h"
#include "app/StatusPanels.h"
#include "memo/SyntaxMemo.h"

#include <QLabel>

namespace tessaly::app {

const memo::TTextFormat& TEditor::textFormat() const
{
    return memo().textFormat();
}

void TEditor::setLineEnd(memo::TLineEnd lineEnd)
{
    memo::TTextFormat f = textFormat();
    if (f.lineEnd == lineEnd && !f.mixedLineEnds)
        return;
    f.lineEnd = lineEnd;
    f.mixedLineEnds = false;
    memo().setTextFormat(f);
    // The file on disk still has the old breaks: saving is what applies it.
    formatChanged_ = true;
    showTextFormat();
    codeChange();
}

void TEditor::setEncoding(memo::TEncoding encoding)
{
    memo::TTextFormat f = textFormat();
    f.encoding = encoding;
    memo().setTextFormat(f);
    chosenEncoding_ = encoding;
    showTextFormat();
}

void TEditor::setTextFormat(const memo::TTextFormat& format)
{
    memo().setTextFormat(format);
    showTextFormat();
}

void TEditor::showTextFormat()
{
    const memo::TTextFormat& f = textFormat();
    QString text = QString::fromLatin1(memo::encodingName(f.encoding)) + QStringLiteral(" \u00B7 ")
        + QString::fromLatin1(memo::lineEndName(f.lineEnd));
    if (f.mixedLineEnds)
        text += QStringLiteral(" (mixed)");
    status_->setText(kFormatPanel, text);
    status_->panel(kFormatPanel)->setToolTip(
        f.mixedLineEnds ? QStringLiteral("The file has more than one kind of line break; saving writes them all as %1")
                              .arg(QString::fromLatin1(memo::lineEndName(f.lineEnd)))
                        : QStringLiteral("Encoding and line breaks the file is saved with"));
}

} // namespace tessaly::app
