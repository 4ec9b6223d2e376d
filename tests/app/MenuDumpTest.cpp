// Every menu and toolbar of the main window written out as text (names,
// captions, hints, shortcuts, icons and the enabled, visible and checked
// states) in the states a user meets: at start, with a document after each
// menu has dropped down, and after the last document closed. The text is
// compared with menus.golden beside this file, so a change to any caption,
// hint, shortcut, order or enable rule shows up as a diff. Run with
// TESSALY_WRITE_MENU_DUMP=1 to rewrite the file after an intended change.
#include "ShellTestSupport.h"

#include <QFile>
#include <QMenuBar>
#include <QToolBar>

using namespace shelltest;

namespace {

QString flags(const QAction* a)
{
    QString f;
    f += a->isEnabled() ? QLatin1Char('E') : QLatin1Char('-');
    f += a->isVisible() ? QLatin1Char('V') : QLatin1Char('-');
    if (a->isCheckable())
        f += a->isChecked() ? QStringLiteral("[x]") : QStringLiteral("[ ]");
    return f;
}

void dumpAction(QString& out, const QAction* a, int depth)
{
    const QString indent(depth * 2, QLatin1Char(' '));
    if (a->isSeparator()) {
        out += indent + QStringLiteral("---- ") + flags(a) + QLatin1Char('\n');
        return;
    }
    QStringList keys;
    for (const QKeySequence& k : a->shortcuts())
        keys << k.toString(QKeySequence::PortableText);
    out += indent + a->objectName() + QStringLiteral(" \"") + a->text() + QStringLiteral("\" hint=\"")
        + a->statusTip() + QStringLiteral("\" tip=\"") + a->toolTip() + QStringLiteral("\" keys=")
        + keys.join(QLatin1Char(';')) + QStringLiteral(" icon=") + a->icon().name() + QLatin1Char(' ') + flags(a)
        + QLatin1Char('\n');
    if (QMenu* sub = a->menu())
        for (const QAction* c : sub->actions())
            dumpAction(out, c, depth + 1);
}

QString dump(TMainForm& form)
{
    QString out;
    for (const QAction* a : form.menuBar()->actions())
        dumpAction(out, a, 0);
    for (const QToolBar* bar : form.findChildren<QToolBar*>()) {
        out += QStringLiteral("toolbar ") + bar->objectName() + QLatin1Char('\n');
        for (const QAction* a : bar->actions())
            dumpAction(out, a, 1);
    }
    return out;
}

void dropAll(Shell& s)
{
    for (QAction* a : s.form->menuBar()->actions())
        if (a->menu())
            s.dropDown(a->menu());
}

} // namespace

class MenuDumpTest : public QObject {
    Q_OBJECT
private slots:
    void menusAndToolbarsAreAsBefore()
    {
        Shell s;
        s.start();
        QString text = QStringLiteral("== at start\n") + dump(*s.form);
        dropAll(s);
        text += QStringLiteral("== at start, menus dropped down\n") + dump(*s.form);
        TEditor* e = s.form->newClick();
        QVERIFY(e);
        text += QStringLiteral("== one document\n") + dump(*s.form);
        dropAll(s);
        text += QStringLiteral("== one document, menus dropped down\n") + dump(*s.form);
        s.dialogs->answers.push_back(TMsgAnswer::no);
        s.form->closeAllClick();
        text += QStringLiteral("== after the last document closed\n") + dump(*s.form);
        dropAll(s);
        text += QStringLiteral("== after, menus dropped down\n") + dump(*s.form);

        const QString golden = QStringLiteral(TESSALY_SOURCE_DIR "/tests/app/menus.golden");
        if (qEnvironmentVariableIsSet("TESSALY_WRITE_MENU_DUMP")) {
            QFile f(golden);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(text.toUtf8());
            return;
        }
        QFile f(golden);
        QVERIFY2(f.open(QIODevice::ReadOnly), "menus.golden is missing");
        const QStringList want = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
        const QStringList got = text.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < std::max(want.size(), got.size()); ++i)
            QCOMPARE(got.value(i), want.value(i));
    }
};

QTEST_MAIN(MenuDumpTest)
#include "MenuDumpTest.moc"
