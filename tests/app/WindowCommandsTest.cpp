// The Window menu's commands on a document area of plain windows, with a
// fake main window that says which of them are documents.
#include "app/WindowCommands.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QtTest>

using tessaly::app::TWindowCommands;

namespace {

class FakeHost final : public TWindowCommands::Host {
public:
    QMdiArea* area = nullptr;
    QList<QMdiSubWindow*> documents;
    QList<QMdiSubWindow*> documentWindows() const override { return documents; }
    QMdiSubWindow* activeDocumentWindow() const override
    {
        QMdiSubWindow* w = area->currentSubWindow();
        return documents.contains(w) ? w : nullptr;
    }
};

// A document area in a shown window, the Window menu with its own items,
// and the commands.
struct Fixture {
    QWidget top;
    QMdiArea* area = new QMdiArea(&top);
    QMenu menu;
    FakeHost host;
    TWindowCommands commands{host, *area, menu};

    Fixture()
    {
        top.resize(800, 600);
        area->resize(800, 600);
        menu.addAction(QStringLiteral("&Tile"));
        menu.addAction(QStringLiteral("&Cascade"));
        host.area = area;
        top.show();
    }

    QMdiSubWindow* add(const QString& caption, bool document = true)
    {
        auto* w = area->addSubWindow(new QLabel(caption));
        w->setWindowTitle(caption);
        w->resize(200, 150);
        w->show();
        if (document)
            host.documents.append(w);
        return w;
    }

    QStringList listTexts() const
    {
        QStringList out;
        for (QAction* a : commands.windowListItems())
            if (!a->isSeparator())
                out << a->text();
        return out;
    }
};

} // namespace

class WindowCommandsTest : public QObject {
    Q_OBJECT

private slots:
    // The list names every document, numbered for the first nine, with the
    // active one checked; it is made anew each time, below the menu's own
    // items, and is gone with the last document.
    void theWindowListNamesTheDocuments()
    {
        Fixture f;
        f.commands.fillWindowList();
        QVERIFY(f.commands.windowListItems().isEmpty());
        QCOMPARE(f.menu.actions().size(), 2);

        QStringList expected;
        QList<QMdiSubWindow*> windows;
        for (int i = 1; i <= 11; ++i) {
            const QString caption = i == 3 ? QStringLiteral("Save & Go.html") : QStringLiteral("page%1.html").arg(i);
            windows << f.add(caption);
            QString shown = caption;
            shown.replace(QStringLiteral("&"), QStringLiteral("&&"));
            expected << (i < 10 ? QStringLiteral("&%1 %2").arg(i).arg(shown) : shown);
        }
        f.add(QStringLiteral("not a document"), false);
        f.area->setActiveSubWindow(windows[4]);
        for (int round = 0; round < 2; ++round) {
            f.commands.fillWindowList();
            QCOMPARE(f.listTexts(), expected);
            QCOMPARE(f.menu.actions().size(), 2 + 1 + 11);
            QCOMPARE(f.commands.check(), QString());
        }
        for (QAction* a : f.commands.windowListItems())
            QCOMPARE(a->isChecked(), a->text().startsWith(QStringLiteral("&5 ")));

        f.host.documents.clear();
        f.commands.fillWindowList();
        QVERIFY(f.commands.windowListItems().isEmpty());
        QCOMPARE(f.menu.actions().size(), 2);
        QCOMPARE(f.commands.check(), QString());
    }

    // Choosing an item restores a minimised window and activates it; the
    // item of a window that has gone since does nothing.
    void choosingAnItemBringsItsWindowBack()
    {
        Fixture f;
        QMdiSubWindow* a = f.add(QStringLiteral("a"));
        QMdiSubWindow* b = f.add(QStringLiteral("b"));
        QPointer<QMdiSubWindow> c = f.add(QStringLiteral("c"));
        a->showMinimized();
        f.area->setActiveSubWindow(b);
        f.commands.fillWindowList();
        QList<QAction*> items = f.commands.windowListItems();
        items[1]->trigger();
        QVERIFY(!a->isMinimized());
        QCOMPARE(f.area->currentSubWindow(), a);

        f.host.documents.removeOne(c);
        delete c;
        items[3]->trigger();
        QCOMPARE(f.area->currentSubWindow(), a);
    }

    // Minimize All minimises every window; Arrange Icons then lines them up
    // inside the area without overlaps; Next and Previous go round them.
    void arrangingAndMovingBetweenWindows()
    {
        Fixture f;
        QList<QMdiSubWindow*> windows;
        for (int i = 0; i < 12; ++i)
            windows << f.add(QStringLiteral("w%1").arg(i));
        f.commands.minimizeAll();
        for (QMdiSubWindow* w : windows)
            QVERIFY(w->isMinimized());
        f.commands.arrangeIcons();
        const QRect inside = f.area->viewport()->rect();
        for (int i = 0; i < windows.size(); ++i) {
            const QRect g = windows[i]->geometry();
            QVERIFY2(inside.contains(g), qPrintable(QStringLiteral("w%1 leaves the area").arg(i)));
            for (int j = 0; j < i; ++j)
                QVERIFY2(!g.intersects(windows[j]->geometry()), qPrintable(QStringLiteral("w%1 on w%2").arg(i).arg(j)));
        }
        QVERIFY(windows.first()->geometry().bottom() == inside.bottom());

        for (QMdiSubWindow* w : windows)
            w->showNormal();
        f.area->setActiveSubWindow(windows[0]);
        f.commands.next();
        QVERIFY(f.area->currentSubWindow() != windows[0]);
        f.commands.previous();
        QCOMPARE(f.area->currentSubWindow(), windows[0]);
        f.commands.tile();
        f.commands.cascade();
        QCOMPARE(f.area->subWindowList().size(), 12);
    }
};

QTEST_MAIN(WindowCommandsTest)
#include "WindowCommandsTest.moc"
