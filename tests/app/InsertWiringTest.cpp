// The insertion commands in the main window act on the active document.
#include "ShellTestSupport.h"

#include <QToolBar>

using namespace shelltest;

class InsertWiringTest : public QObject {
    Q_OBJECT
private slots:
    void htmlMenuWrapsTheSelectionOfTheActiveDocument()
    {
        Shell s;
        s.start();
        QVERIFY(!s.form->htmlMenu()->actions().isEmpty());
        QVERIFY(!s.form->htmlToolbar()->actions().isEmpty());
        s.form->newClick();
        TEditor* e = s.form->activeEditor();
        QVERIFY(e);
        e->memo().selectAll();
        e->memo().setSelText("word");
        e->memo().setSelection(0, 4);
        QAction* bold = s.item("Bold1");
        QVERIFY(bold);
        bold->trigger();
        QCOMPARE(QString::fromStdString(e->memo().text()), QStringLiteral("<B>word</B>"));
        e->memo().undo();
        QCOMPARE(QString::fromStdString(e->memo().text()), QStringLiteral("word"));
    }
};

QTEST_MAIN(InsertWiringTest)
#include "InsertWiringTest.moc"
