// The main menu, made from the rows of MainCommandTable.cpp. Hidden items
// exist so that their names and shortcuts are there for the commands that
// use them.
#include "app/MainForm.h"

#include "app/DocumentHistory.h"
#include "app/Editor.h"
#include "app/TextFormatCommands.h"
#include "widgets/SyntaxMemoView.h"

#include <QActionGroup>
#include <QHash>
#include <QMenuBar>

namespace tessaly::app {

namespace {

QList<QKeySequence> shortcutsOf(const char* keys)
{
    if (!*keys)
        return {};
    return QKeySequence::listFromString(QString::fromLatin1(keys), QKeySequence::PortableText);
}

} // namespace

void TMainForm::connectRow(QAction* a, const TMenuRow& row)
{
    if (row.run)
        connect(a, &QAction::triggered, this, [this, run = row.run] { (this->*run)(); });
    else if (row.runWith)
        connect(a, &QAction::triggered, this, [this, run = row.runWith, data = row.data] { (this->*run)(data); });
    else if (row.toggle)
        connect(a, &QAction::triggered, this, row.toggle);
    else if (row.code)
        connect(a, &QAction::triggered, this, [this, op = row.code] {
            if (TEditor* e = activeEditor()) {
                (e->memo().*op)();
                e->code().viewport()->update();
            }
        });
    else if (row.link) {
        const QString address = QString::fromLatin1(row.link);
        a->setData(address);
        connect(a, &QAction::triggered, this, [this, address] { internetLinkClick(address); });
    }
}

void TMainForm::createMenus()
{
    QHash<QByteArray, QMenu*> menus;
    QHash<QByteArray, QActionGroup*> groups;
    for (const TMenuRow& row : menuRows()) {
        QMenu* parent = *row.menu ? menus.value(row.menu) : nullptr;
        switch (row.kind) {
        case TMenuRow::Separator:
            parent->addSeparator()->setVisible(!row.hidden);
            break;
        case TMenuRow::Submenu: {
            QMenu* m = parent ? parent->addMenu(QString::fromLatin1(row.caption))
                              : menuBar()->addMenu(QString::fromLatin1(row.caption));
            QAction* a = m->menuAction();
            a->setObjectName(QString::fromLatin1(row.name));
            if (*row.hint)
                a->setStatusTip(QString::fromLatin1(row.hint));
            a->setVisible(!row.hidden);
            menus.insert(row.name, m);
            menuActions_.insert(row.name, a);
            if (row.submenu)
                this->*row.submenu = m;
            if (!parent)
                connect(m, &QMenu::aboutToShow, this, [this, name = row.name, run = row.run] {
                    enableDocumentRows(name);
                    if (run)
                        (this->*run)();
                });
            if (row.fill) {
                (this->*row.fill)(m);
                connect(m, &QMenu::aboutToShow, this, [this, m, fill = row.fill] { (this->*fill)(m); });
            }
            break;
        }
        case TMenuRow::Item: {
            auto* a = new QAction(QString::fromLatin1(row.caption), this);
            a->setObjectName(QString::fromLatin1(row.name));
            a->setStatusTip(QString::fromLatin1(row.hint));
            a->setShortcuts(shortcutsOf(row.keys));
            a->setCheckable(row.checkable);
            a->setChecked(row.checked);
            a->setVisible(!row.hidden);
            if (row.exclusive) {
                QActionGroup*& group = groups[row.menu];
                if (!group)
                    group = new QActionGroup(this);
                group->addAction(a);
            }
            if (row.runWith)
                a->setData(row.data);
            parent->addAction(a);
            // The items of a hidden submenu answer their shortcuts from the window.
            if (!parent->menuAction()->isVisible())
                addAction(a);
            if (row.action)
                this->*row.action = a;
            rowActions_.insert(row.name, a);
            connectRow(a, row);
            break;
        }
        }
    }
}

void TMainForm::new1Click() { newClick(); }

void TMainForm::closeAll1Click() { closeAllClick(); }

void TMainForm::exit1Click() { close(); }

void TMainForm::properties1Click()
{
    if (TEditor* e = activeEditor())
        e->editProperties();
}

void TMainForm::reopenWithEncodingClick(int encoding)
{
    textFormat_->reopenWithEncoding(static_cast<memo::TEncoding>(encoding));
}

void TMainForm::saveWithEncodingClick(int encoding)
{
    textFormat_->saveWithEncoding(static_cast<memo::TEncoding>(encoding));
}

void TMainForm::lineBreaksClick(int lineEnd) { textFormat_->setLineBreaks(static_cast<memo::TLineEnd>(lineEnd)); }

void TMainForm::refreshTextFormatItems() { textFormat_->refresh(); }

TFormatDocument* TMainForm::formatDocument() { return activeEditor(); }

bool TMainForm::saveFormatDocument()
{
    TEditor* e = activeEditor();
    return e && saveDocument(*e);
}

void TMainForm::fillReopenMenu(QMenu* menu) { history_->fillMenu(menu); }

} // namespace tessaly::app
