// The rows the main menu and the Main Toolbar are made from: every item a
// user can reach runs something, every row has a status-bar hint, names and
// shortcuts are unique, each row's menu exists before it, and every toolbar
// button has a hint and runs an existing item.
#include "ShellTestSupport.h"

#include "insert/CommandTable.h"

#include <QHash>
#include <QMenuBar>
#include <QSet>

#include <functional>

using namespace shelltest;
using tessaly::app::TMenuRow;
using tessaly::app::TToolButtonRow;

class MenuTableTest : public QObject {
    Q_OBJECT
private slots:
    void everyReachableItemHasAHandler()
    {
        QHash<QByteArray, bool> hiddenMenus; // submenu -> hidden itself or by an ancestor
        for (const TMenuRow& row : TMainForm::menuRows()) {
            const bool parentHidden = *row.menu && hiddenMenus.value(row.menu);
            if (row.kind == TMenuRow::Submenu)
                hiddenMenus.insert(row.name, row.hidden || parentHidden);
            if (row.kind != TMenuRow::Item || row.hidden || parentHidden)
                continue;
            const int handlers = (row.run ? 1 : 0) + (row.runWith ? 1 : 0) + (row.toggle ? 1 : 0)
                + (row.code ? 1 : 0) + (row.link ? 1 : 0);
            QVERIFY2(handlers == 1, row.name);
            QVERIFY2(*row.caption, row.name);
        }
    }

    // The rows of the main menu and of the insertion commands.
    void everyRowHasAHint()
    {
        for (const TMenuRow& row : TMainForm::menuRows())
            if (row.kind != TMenuRow::Separator)
                QVERIFY2(*row.hint, row.name);
        for (const tessaly::insert::TInsertCommand& c : tessaly::insert::insertCommands())
            QVERIFY2(!c.hint.empty(), std::string(c.name).c_str());
        for (const tessaly::insert::TSubmenu& sub : tessaly::insert::insertSubmenus())
            QVERIFY2(!sub.hint.empty(), std::string(sub.name).c_str());
    }

    // The made window agrees, items made outside the tables included: every
    // shown, named item of the menu bar has a status-bar hint. (Unnamed
    // entries are the recent files, whose caption is the whole path.)
    void everyShownItemHasAHint()
    {
        Shell s;
        s.start();
        s.form->newClick();
        int seen = 0;
        std::function<void(const QList<QAction*>&)> walk = [&](const QList<QAction*>& actions) {
            for (QAction* a : actions) {
                if (a->isSeparator() || !a->isVisible())
                    continue;
                if (!a->objectName().isEmpty()) {
                    ++seen;
                    QVERIFY2(!a->statusTip().isEmpty(), qPrintable(a->objectName()));
                }
                if (a->menu())
                    walk(a->menu()->actions());
            }
        };
        walk(s.form->menuBar()->actions());
        QVERIFY(seen > 100);
    }

    // The tables are the one source of the menu bar: every shown, named item
    // is a row of the main menu or an insertion command, or lies in a
    // submenu whose items a `fill` handler makes.
    void everyShownItemComesFromARow()
    {
        QSet<QString> rows;
        QSet<QString> filled;
        for (const TMenuRow& row : TMainForm::menuRows()) {
            rows.insert(QString::fromLatin1(row.name));
            if (row.fill)
                filled.insert(QString::fromLatin1(row.name));
        }
        for (const tessaly::insert::TInsertCommand& c : tessaly::insert::insertCommands())
            rows.insert(QString::fromLatin1(c.name.data(), static_cast<qsizetype>(c.name.size())));
        for (const tessaly::insert::TSubmenu& sub : tessaly::insert::insertSubmenus())
            rows.insert(QString::fromLatin1(sub.name.data(), static_cast<qsizetype>(sub.name.size())));
        Shell s;
        s.start();
        std::function<void(const QList<QAction*>&)> walk = [&](const QList<QAction*>& actions) {
            for (QAction* a : actions) {
                if (a->isSeparator() || !a->isVisible())
                    continue;
                QVERIFY2(rows.contains(a->objectName()), qPrintable(a->objectName()));
                if (a->menu() && !filled.contains(a->objectName()))
                    walk(a->menu()->actions());
            }
        };
        walk(s.form->menuBar()->actions());
    }

    // Items and submenus are named apart: the Set Bookmark submenu and the
    // item of bookmark 1 are both "SetBookmark1".
    void namesAreUniqueAndMenusComeFirst()
    {
        QSet<QByteArray> names;
        QSet<QByteArray> menus;
        for (const TMenuRow& row : TMainForm::menuRows()) {
            QVERIFY2(!*row.menu || menus.contains(row.menu), row.menu);
            if (row.kind == TMenuRow::Item) {
                QVERIFY2(!names.contains(row.name), row.name);
                names.insert(row.name);
            } else if (row.kind == TMenuRow::Submenu) {
                QVERIFY2(!menus.contains(row.name), row.name);
                menus.insert(row.name);
            }
        }
        for (const TToolButtonRow& b : TMainForm::toolButtonRows()) {
            QVERIFY2(!names.contains(b.name), b.name);
            names.insert(b.name);
        }
    }

    void noTwoRowsShareAShortcut()
    {
        QHash<QKeySequence, QByteArray> owner;
        for (const TMenuRow& row : TMainForm::menuRows()) {
            if (!*row.keys)
                continue;
            const auto keys = QKeySequence::listFromString(QString::fromLatin1(row.keys), QKeySequence::PortableText);
            QVERIFY2(!keys.isEmpty(), row.name);
            for (const QKeySequence& k : keys) {
                QVERIFY2(!k.isEmpty() && k.toString(QKeySequence::PortableText) != QLatin1String(""), row.name);
                QVERIFY2(!owner.contains(k), qPrintable(QString::fromLatin1(row.name) + QLatin1String(" and ")
                                                        + QString::fromLatin1(owner.value(k)) + QLatin1String(": ")
                                                        + k.toString()));
                owner.insert(k, row.name);
            }
        }
    }

    void toolbarButtonsHaveHintsAndRunItems()
    {
        QSet<QByteArray> items;
        for (const TMenuRow& row : TMainForm::menuRows())
            if (row.kind == TMenuRow::Item)
                items.insert(row.name);
        for (const TToolButtonRow& b : TMainForm::toolButtonRows()) {
            QVERIFY2(*b.hint, b.name);
            QVERIFY2(*b.icon, b.name);
            QVERIFY2(items.contains(b.item), b.name);
        }
    }

    // The rows come alive: every reachable item of a made window carries its
    // row's shortcut, and a toolbar button runs its item.
    void madeWindowFollowsTheRows()
    {
        Shell s;
        s.start();
        for (const TMenuRow& row : TMainForm::menuRows()) {
            if (row.kind != TMenuRow::Item)
                continue;
            QAction* a = s.item(row.name);
            QVERIFY2(a, row.name);
            QCOMPARE(a->text(), QString::fromLatin1(row.caption));
            const QList<QKeySequence> keys = *row.keys ? QKeySequence::listFromString(QString::fromLatin1(row.keys),
                                                                                       QKeySequence::PortableText)
                                                       : QList<QKeySequence>{};
            QCOMPARE(a->shortcuts(), keys);
        }
        QVERIFY(s.form->editors().isEmpty());
        s.item("NewButton")->trigger();
        QCOMPARE(s.form->editors().size(), 1);
    }
};

QTEST_MAIN(MenuTableTest)
#include "MenuTableTest.moc"
