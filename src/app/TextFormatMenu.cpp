#include "app/TextFormatMenu.h"

#include "app/Editor.h"
#include "app/MainForm.h"
#include "memo/SyntaxMemo.h"
#include "platform/Dialogs.h"

#include <QActionGroup>
#include <QMenu>

namespace tessaly::app {

namespace {

using memo::TEncoding;
using memo::TLineEnd;

struct EncodingItem {
    TEncoding encoding;
    const char* caption;
};

constexpr EncodingItem kEncodingItems[] = {
    {TEncoding::utf8, "UTF-&8"},
    {TEncoding::utf8Bom, "UTF-8 with &BOM"},
    {TEncoding::utf16LE, "UTF-16 &LE"},
    {TEncoding::utf16BE, "UTF-16 B&E"},
    {TEncoding::windows1252, "&Windows-1252 / Latin-1"},
};

struct LineEndItem {
    TLineEnd lineEnd;
    const char* caption;
};

constexpr LineEndItem kLineEndItems[] = {
    {TLineEnd::crlf, "CR LF (&Windows)"},
    {TLineEnd::lf, "LF (&Unix)"},
    {TLineEnd::cr, "CR (classic &Mac)"},
};

QAction* addNamed(QMenu* menu, QObject* owner, const QString& name, const char* caption, const QString& hint)
{
    auto* a = new QAction(QString::fromLatin1(caption), owner);
    a->setObjectName(name);
    a->setStatusTip(hint);
    menu->addAction(a);
    return a;
}

} // namespace

TTextFormatMenu::TTextFormatMenu(TMainForm& form)
    : QObject(&form)
    , form_(form)
{
}

void TTextFormatMenu::addMenu(QMenu* fileMenu, QAction* before)
{
    reopen_ = new QMenu(QStringLiteral("Reopen with Enco&ding"), fileMenu);
    reopen_->menuAction()->setObjectName(QStringLiteral("ReopenWithEncoding1"));
    reopen_->menuAction()->setStatusTip(QStringLiteral("Reads the file again in another encoding"));
    save_ = new QMenu(QStringLiteral("Save &with Encoding"), fileMenu);
    save_->menuAction()->setObjectName(QStringLiteral("SaveWithEncoding1"));
    save_->menuAction()->setStatusTip(QStringLiteral("Saves the document in another encoding"));
    lineBreaks_ = new QMenu(QStringLiteral("Line &Breaks"), fileMenu);
    lineBreaks_->menuAction()->setObjectName(QStringLiteral("LineBreaks1"));
    lineBreaks_->menuAction()->setStatusTip(QStringLiteral("The line breaks the document is saved with"));

    // The actions belong to the main window, so that its item lookup finds them.
    QObject* owner = &form_;
    for (const EncodingItem& e : kEncodingItems) {
        const QString key = QString::fromLatin1(memo::encodingKey(e.encoding));
        const QString name = QString::fromLatin1(memo::encodingName(e.encoding));
        connect(addNamed(reopen_, owner, QStringLiteral("ReopenEncoding_") + key, e.caption,
                         QStringLiteral("Reads the file again as ") + name),
                &QAction::triggered, this, [this, enc = e.encoding] { reopenWithEncoding(enc); });
        QAction* s = addNamed(save_, owner, QStringLiteral("SaveEncoding_") + key, e.caption,
                              QStringLiteral("Saves the document as ") + name);
        s->setCheckable(true);
        connect(s, &QAction::triggered, this, [this, enc = e.encoding] { saveWithEncoding(enc); });
    }
    auto* group = new QActionGroup(lineBreaks_);
    for (const LineEndItem& l : kLineEndItems) {
        QAction* a = addNamed(lineBreaks_, owner, QStringLiteral("LineBreaks_") + QString::fromLatin1(memo::lineEndKey(l.lineEnd)),
                              l.caption,
                              QStringLiteral("Saves the document with %1 line breaks")
                                  .arg(QString::fromLatin1(memo::lineEndName(l.lineEnd))));
        a->setCheckable(true);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, le = l.lineEnd] { setLineBreaks(le); });
    }
    fileMenu->insertMenu(before, reopen_);
    fileMenu->insertMenu(before, save_);
    fileMenu->insertMenu(before, lineBreaks_);
    fileMenu->insertSeparator(before);
    connect(fileMenu, &QMenu::aboutToShow, this, &TTextFormatMenu::refresh);
    refresh();
}

void TTextFormatMenu::refresh()
{
    TEditor* e = form_.activeEditor();
    reopen_->menuAction()->setEnabled(e && !e->untitled());
    save_->menuAction()->setEnabled(e != nullptr);
    lineBreaks_->menuAction()->setEnabled(e != nullptr);
    if (!e)
        return;
    const memo::TTextFormat& f = e->textFormat();
    for (QAction* a : save_->actions())
        a->setChecked(a->objectName().endsWith(QString::fromLatin1(memo::encodingKey(f.encoding))));
    for (QAction* a : lineBreaks_->actions())
        a->setChecked(!f.mixedLineEnds && a->objectName().endsWith(QString::fromLatin1(memo::lineEndKey(f.lineEnd))));
}

void TTextFormatMenu::reopenWithEncoding(memo::TEncoding encoding)
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

void TTextFormatMenu::saveWithEncoding(memo::TEncoding encoding)
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

void TTextFormatMenu::setLineBreaks(memo::TLineEnd lineEnd)
{
    if (TEditor* e = form_.activeEditor())
        e->setLineEnd(lineEnd);
}

} // namespace tessaly::app
