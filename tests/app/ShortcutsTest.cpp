// One owner per key: every action of the main window and of its document
// windows whose shortcut can fire while a document's editor has the focus
// is listed, and no key sequence may belong to two of them (Qt would call
// the key ambiguous and run neither). The editor's own key map is not
// made of actions: it takes its keys before the shortcuts are looked up.
#include "ShellTestSupport.h"

#include <QMap>
#include <QMdiSubWindow>

using namespace shelltest;

namespace {

// Whether widget w puts a shortcut of the given context in force while
// focus has the focus. An action in a menu is in force where the menu's own
// entry is (as Qt's shortcut map decides it).
bool inScope(QWidget* w, Qt::ShortcutContext context, QWidget* focus, int depth = 0)
{
    if (!w || depth > 8)
        return false;
    if (auto* menu = qobject_cast<QMenu*>(w)) {
        const QList<QObject*> owners = menu->menuAction()->associatedObjects();
        bool any = false;
        for (QObject* o : owners)
            any = any || inScope(qobject_cast<QWidget*>(o), context, focus, depth + 1);
        return any;
    }
    switch (context) {
    case Qt::ApplicationShortcut:
        return true;
    case Qt::WindowShortcut:
        return w->window() == focus->window();
    case Qt::WidgetWithChildrenShortcut:
        return w == focus || w->isAncestorOf(focus);
    case Qt::WidgetShortcut:
        return w == focus;
    }
    return false;
}

QString describe(QAction* a)
{
    QStringList on;
    for (QObject* o : a->associatedObjects())
        on << QString::fromLatin1(o->metaObject()->className());
    return QStringLiteral("%1 \"%2\" on %3 (context %4)")
        .arg(a->objectName(), a->text(), on.join(QLatin1Char('/')))
        .arg(int(a->shortcutContext()));
}

} // namespace

class ShortcutsTest : public QObject {
    Q_OBJECT
private slots:
    void noKeyHasTwoOwners()
    {
        Shell s;
        s.start();
        s.form->newClick();
        s.form->newClick();
        for (TEditor* e : s.form->editors()) {
            s.form->mdiArea()->setActiveSubWindow(e);
            QWidget* focus = &e->code();
            QMap<QString, QStringList> owners;
            for (QAction* a : s.form->findChildren<QAction*>()) {
                if (a->shortcuts().isEmpty())
                    continue;
                bool active = false;
                for (QObject* o : a->associatedObjects())
                    active = active || inScope(qobject_cast<QWidget*>(o), a->shortcutContext(), focus);
                if (!active)
                    continue;
                for (const QKeySequence& k : a->shortcuts())
                    owners[k.toString()].append(describe(a));
            }
            QVERIFY(owners.contains(QStringLiteral("Ctrl+W")));
            QStringList clashes;
            for (auto it = owners.cbegin(); it != owners.cend(); ++it)
                if (it.value().size() > 1)
                    clashes << it.key() + QStringLiteral(": ") + it.value().join(QStringLiteral(", "));
            QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QLatin1Char('\n'))));
        }
    }

    // The key itself: Ctrl+W in the editor closes the active document only.
    void ctrlWClosesTheActiveDocument()
    {
        Shell s;
        s.start();
        TEditor* first = s.form->newClick();
        TEditor* second = s.form->newClick();
        QPointer<TEditor> gone = second;
        s.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.form.get()));
        second->code().setFocus();
        QTest::keyClick(&second->code(), Qt::Key_W, Qt::ControlModifier);
        QTRY_VERIFY(gone.isNull());
        QCOMPARE(s.form->editors().size(), 1);
        QCOMPARE(s.form->activeEditor(), first);
    }
};

QTEST_MAIN(ShortcutsTest)
#include "ShortcutsTest.moc"
