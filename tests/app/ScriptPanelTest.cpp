// The Script Panel's library against a temporary program folder: loading,
// the add dialog, removal, the description page, opening scripts, the
// starter library and drops.
#include "ShellTestSupport.h"

#include "library/AddCustScript.h"
#include "library/ScriptLibrary.h"
#include "library/ScriptListView.h"
#include "platform/IniFile.h"
#include "widgets/HtmlViewer.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTreeWidget>

#include <filesystem>
#include <functional>

using namespace shelltest;
using tessaly::library::TAddCustScript;
using tessaly::library::TScriptLibrary;
using tessaly::platform::TIniFile;
using tessaly::platform::TMsgKind;

namespace {

const char* const removeQuestion = "Deleting this Script will remove it from the Script Panel permanently, continue?";

std::vector<std::string> names(const Shell& s)
{
    return s.form->scriptLibrary()->names();
}

using Names = std::vector<std::string>;

QTreeWidget* list(const Shell& s)
{
    return s.form->scriptLibrary()->treeView1();
}

bool removeEnabled(const Shell& s)
{
    return s.form->scriptLibrary()->removeScriptAction()->isEnabled();
}

// A program folder holding a library: the list file as given and a section
// per (name, kind, description, path).
struct Library {
    Shell& s;
    explicit Library(Shell& shell, const std::string& list)
        : s(shell)
    {
        QDir().mkpath(s.programPath(QStringLiteral("Scripts")));
        writeFile(s.programPath(QStringLiteral("scriptlist.scl")), list);
    }
    void script(const std::string& name, const std::string& kind, const std::string& description = {},
                const std::string& path = {})
    {
        TIniFile ini(settings().toStdString());
        ini.writeString(name, "Script Type", kind);
        ini.writeString(name, "Description", description);
        ini.writeString(name, "Path", path);
    }
    QString settings() const { return s.programPath(QStringLiteral("Scripts/scriptpref.cfg")); }
};

TIniFile settingsOf(const Shell& s)
{
    return TIniFile(s.programPath(QStringLiteral("Scripts/scriptpref.cfg")).toStdString());
}

// Makes the add dialog, when shown, fill its fields and press OK.
void scriptAdd(Shell& s, const QString& name, const QString& file, int kind, const QString& description = {})
{
    s.form->modalRunner = [=](QDialog& d) {
        auto& dialog = static_cast<TAddCustScript&>(d);
        dialog.edit1()->setText(name);
        dialog.edit2()->setText(file);
        dialog.scriptType()->setCurrentIndex(kind);
        dialog.memo1()->setPlainText(description);
        dialog.okClick();
        return dialog.result();
    };
}

void add(Shell& s, const QString& name, const QString& file = QStringLiteral("/tmp/x.html"), int kind = 0,
         const QString& description = {})
{
    scriptAdd(s, name, file, kind, description);
    s.form->scriptLibrary()->addScriptClick();
}

QTreeWidgetItem* entry(const Shell& s, const QString& name)
{
    const auto found = list(s)->findItems(name, Qt::MatchExactly, 0);
    return found.value(0);
}

// A real click on an entry, as the user makes it.
void click(const Shell& s, const QString& name)
{
    QTreeWidgetItem* item = entry(s, name);
    QVERIFY(item);
    const QRect r = list(s)->visualItemRect(item);
    QTest::mouseClick(list(s)->viewport(), Qt::LeftButton, {}, r.center());
}

void doubleClick(const Shell& s, const QString& name)
{
    QTreeWidgetItem* item = entry(s, name);
    QVERIFY(item);
    const QRect r = list(s)->visualItemRect(item);
    QTest::mouseClick(list(s)->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(list(s)->viewport(), Qt::LeftButton, {}, r.center());
}

void removeSelected(Shell& s, TMsgAnswer answer)
{
    s.dialogs->answers.push_back(answer);
    list(s)->setFocus();
    QTest::keyClick(list(s), Qt::Key_Delete);
}

} // namespace

class ScriptPanelTest : public QObject {
    Q_OBJECT
private slots:
    void thePanelShowsTheListLastLineFirstWithKindsAndIcons()
    {
        Shell s;
        Library lib(s, "A\r\nB\r\nC\r\nD\r\n");
        lib.script("A", "Java Script");
        lib.script("B", "java script"); // not a kind: letter case counts
        lib.script("C", "CGI Script");
        s.start();
        QCOMPARE(names(s), (Names{"D", "C", "B", "A"}));
        QCOMPARE(list(s)->topLevelItem(0)->text(1), QString()); // no section: empty type
        QCOMPARE(list(s)->topLevelItem(1)->text(1), QStringLiteral("CGI Script"));
        QCOMPARE(list(s)->topLevelItem(2)->text(1), QStringLiteral("java script"));
        QVERIFY(!list(s)->topLevelItem(1)->icon(0).isNull());
        QVERIFY(list(s)->topLevelItem(2)->icon(0).isNull());
        QVERIFY(!list(s)->topLevelItem(3)->icon(0).isNull());
        QCOMPARE(list(s)->headerItem()->text(0), QStringLiteral("Description"));
        QCOMPARE(list(s)->headerItem()->text(1), QStringLiteral("Type"));
        QVERIFY(!removeEnabled(s));
        QCOMPARE(s.dialogs->messages.size(), std::size_t(0));
    }

    void anEmptyOrUnreadableListGivesAnEmptyPanel()
    {
        for (const std::string& content : {std::string(), std::string("\r\nA\r\nB\r\n")}) {
            Shell s;
            Library lib(s, content);
            lib.script("A", "Other");
            s.start();
            QCOMPARE(names(s), Names{});
            QVERIFY(!removeEnabled(s));
        }
        // A list that cannot be read (a folder in its place): no message.
        Shell s;
        Library lib(s, "");
        QFile::remove(s.programPath(QStringLiteral("scriptlist.scl")));
        QDir().mkpath(s.programPath(QStringLiteral("scriptlist.scl")));
        s.start();
        QCOMPARE(names(s), Names{});
        QCOMPARE(s.dialogs->messages.size(), std::size_t(0));
    }

    void addingAppendsToThePanelAndTheListAndTheNextStartReverses()
    {
        Shell s;
        Library lib(s, "A\r\nB\r\nC\r\n");
        s.start();
        QVERIFY(!removeEnabled(s));
        add(s, QStringLiteral("D"), QStringLiteral("/scripts/d.html"), 1, QStringLiteral("line one\nline two"));
        QCOMPARE(names(s), (Names{"C", "B", "A", "D"}));
        QCOMPARE(list(s)->topLevelItem(3)->text(1), QStringLiteral("VB Script"));
        QVERIFY(removeEnabled(s));
        QCOMPARE(readFile(s.programPath(QStringLiteral("scriptlist.scl"))), std::string("A\r\nB\r\nC\r\nD\r\n"));
        const TIniFile ini = settingsOf(s);
        QCOMPARE(ini.readSection("D"), (Names{"Script Name", "Script Type", "Description", "Path"}));
        QCOMPARE(ini.readString("D", "Script Name", ""), std::string("D"));
        QCOMPARE(ini.readString("D", "Script Type", ""), std::string("VB Script"));
        QCOMPARE(ini.readString("D", "Description", ""), std::string("line one line two"));
        QCOMPARE(ini.readString("D", "Path", ""), std::string("/scripts/d.html"));
        // The dialog starts blank again, with the first kind.
        TAddCustScript& d = s.form->scriptLibrary()->addDialog();
        QVERIFY(d.edit1()->text().isEmpty() && d.edit2()->text().isEmpty() && d.memo1()->toPlainText().isEmpty());
        QCOMPARE(d.scriptType()->currentText(), QStringLiteral("Java Script"));
        QVERIFY(s.exit());
        s.start();
        QCOMPARE(names(s), (Names{"D", "C", "B", "A"}));
    }

    void theFirstScriptAddedToALibraryWithoutAListSurvivesARestart()
    {
        Shell s;
        QDir().mkpath(s.programPath(QStringLiteral("Scripts"))); // a library, but no list file
        s.start();
        QCOMPARE(names(s), Names{});
        add(s, QStringLiteral("First"));
        QVERIFY(s.exit());
        s.start();
        QCOMPARE(names(s), Names{"First"});
        QCOMPARE(s.dialogs->messages.size(), std::size_t(0));
    }

    void theDialogAsksForTheNameThenTheFileAndStaysOpen()
    {
        Shell s;
        Library lib(s, "");
        s.start();
        TAddCustScript& d = s.form->scriptLibrary()->addDialog();
        d.show();
        d.edit2()->setText(QStringLiteral("/x.html"));
        d.edit2()->setFocus();
        d.okClick();
        QCOMPARE(s.dialogs->messages.size(), std::size_t(1));
        QCOMPARE(s.dialogs->messages[0].text,
                 std::string("You need to enter a name for your Script (eg. Scrolling Banner)."));
        QCOMPARE(s.dialogs->messages[0].kind, TMsgKind::information);
        QCOMPARE(d.focusWidget(), static_cast<QWidget*>(d.edit1()));
        QVERIFY(d.isVisible());

        d.edit1()->setText(QStringLiteral("Banner"));
        d.edit2()->clear();
        d.okClick();
        QCOMPARE(s.dialogs->messages.size(), std::size_t(2));
        QCOMPARE(s.dialogs->messages[1].text,
                 std::string("You have to specify where your Script is located (eg. C:\\Scripts\\myscript.html)."));
        QCOMPARE(d.focusWidget(), static_cast<QWidget*>(d.edit2()));
        QVERIFY(d.isVisible());
        QCOMPARE(names(s), Names{});

        // Cancel empties the fields and closes; nothing is added.
        d.scriptType()->setCurrentIndex(2);
        d.cancelButton()->click();
        QVERIFY(!d.isVisible());
        QVERIFY(d.edit1()->text().isEmpty());
        QCOMPARE(d.scriptType()->currentIndex(), 0);
        QCOMPARE(names(s), Names{});
        QVERIFY(!QFile::exists(lib.settings()));
    }

    void browseFillsTheFileNameWithTheFourFilters()
    {
        Shell s;
        Library lib(s, "");
        s.start();
        TAddCustScript& d = s.form->scriptLibrary()->addDialog();
        s.dialogs->openFiles.push_back(std::filesystem::path("/home/me/banner.html"));
        d.browseClick();
        QCOMPARE(d.edit2()->text(), QStringLiteral("/home/me/banner.html"));
        QCOMPARE(s.dialogs->fileRequests.back().filters.size(), std::size_t(4));
        QCOMPARE(s.dialogs->fileRequests.back().filters[1].patterns, std::string("*.java;*.jav"));
        s.dialogs->openFiles.push_back(std::nullopt);
        d.browseClick();
        QCOMPARE(d.edit2()->text(), QStringLiteral("/home/me/banner.html"));
    }

    void aSecondEntryUnderAListedNameSharesTheNewerSection()
    {
        Shell s;
        Library lib(s, "A\r\n");
        lib.script("A", "Java Script", "old", "/old.html");
        s.start();
        add(s, QStringLiteral("A"), QStringLiteral("/new.asp"), 3, QStringLiteral("new"));
        QCOMPARE(names(s), (Names{"A", "A"}));
        const TIniFile ini = settingsOf(s);
        QCOMPARE(ini.readSections(), Names{"A"});
        QCOMPARE(ini.readString("A", "Path", ""), std::string("/new.asp"));
        QCOMPARE(ini.readString("A", "Description", ""), std::string("new"));
        QCOMPARE(readFile(s.programPath(QStringLiteral("scriptlist.scl"))), std::string("A\r\nA\r\n"));
    }

    void removalAsksFirstAndThenRewritesTheListAndTheSection()
    {
        Shell s;
        Library lib(s, "A\r\nB\r\nC\r\n");
        for (const char* n : {"A", "B", "C"})
            lib.script(n, "Other", n, "/x");
        s.start();
        click(s, QStringLiteral("B"));
        QVERIFY(removeEnabled(s));

        removeSelected(s, TMsgAnswer::no);
        QCOMPARE(s.dialogs->messages.back().text, std::string(removeQuestion));
        QCOMPARE(s.dialogs->messages.back().kind, TMsgKind::confirmation);
        QCOMPARE(s.dialogs->messages.back().buttons, unsigned(tessaly::platform::btnYes | tessaly::platform::btnNo));
        QCOMPARE(names(s), (Names{"C", "B", "A"}));
        QVERIFY(settingsOf(s).sectionExists("B"));
        QCOMPARE(readFile(s.programPath(QStringLiteral("scriptlist.scl"))), std::string("A\r\nB\r\nC\r\n"));

        s.form->scriptLibrary()->removeScriptAction()->trigger();
        s.dialogs->answers.push_back(TMsgAnswer::yes);
        s.form->scriptLibrary()->removeScriptAction()->trigger();
        QCOMPARE(names(s), (Names{"C", "A"}));
        QCOMPARE(settingsOf(s).readSections(), (Names{"A", "C"}));
        QCOMPARE(readFile(s.programPath(QStringLiteral("scriptlist.scl"))), std::string("A\r\nC\r\n"));
        QCOMPARE(readFile(s.programPath(QStringLiteral("Scripts/Description.html"))),
                 std::string("<HTML>\r\n</HTML>\r\n"));
        QVERIFY(s.form->scriptLibrary()->prevy()->toPlainText().isEmpty());
        QVERIFY(!removeEnabled(s));
        QVERIFY(list(s)->hasFocus());
        QCOMPARE(s.dialogs->unexpected, 1); // the first trigger, answered as a closed dialog: No
    }

    void removeWithoutASelectionDoesNothing()
    {
        Shell s;
        Library lib(s, "A\r\n");
        s.start();
        list(s)->setFocus();
        QTest::keyClick(list(s), Qt::Key_Delete);
        s.form->scriptLibrary()->removeScriptClick();
        QCOMPARE(s.dialogs->messages.size(), std::size_t(0));
        QCOMPARE(names(s), Names{"A"});
    }

    void removingTheLastEntryDisablesRemoveAndLeavesAnEmptyList()
    {
        Shell s;
        Library lib(s, "A\r\n");
        s.start();
        click(s, QStringLiteral("A"));
        removeSelected(s, TMsgAnswer::yes);
        QCOMPARE(names(s), Names{});
        QVERIFY(!removeEnabled(s));
        QCOMPARE(readFile(s.programPath(QStringLiteral("scriptlist.scl"))), std::string());
        QVERIFY(s.exit());
        s.start();
        QCOMPARE(names(s), Names{});
    }

    void aClickShowsTheDescriptionRenderedAndAFreshPageEachTime()
    {
        Shell s;
        Library lib(s, "A\r\nB\r\n");
        lib.script("A", "Java Script", "Rolls <B>over</B> &amp; back");
        lib.script("B", "Java Script", "Second page");
        s.start();
        click(s, QStringLiteral("A"));
        QCOMPARE(readFile(s.programPath(QStringLiteral("Scripts/Description.html"))),
                 std::string("<HTML>\r\n<FONT SIZE=\"-1\" FACE=\"Arial\">\r\nRolls <B>over</B> &amp; back\r\n"
                             "</FONT>\r\n</HTML>\r\n"));
        const auto* view = s.form->scriptLibrary()->prevy();
        QCOMPARE(view->toPlainText().trimmed(), QStringLiteral("Rolls over & back"));
        QVERIFY(view->toHtml().contains(QStringLiteral("Arial")));
        QVERIFY(!view->isUndoRedoEnabled() && !view->isBackwardAvailable());
        click(s, QStringLiteral("B"));
        QCOMPARE(view->toPlainText().trimmed(), QStringLiteral("Second page"));
        QVERIFY(!view->isBackwardAvailable());
    }

    void aDoubleClickOpensTheScriptInANewWindow()
    {
        Shell s;
        const QString script = s.path(QStringLiteral("banner.html"));
        writeFile(script, "<SCRIPT>\r\nscroll();\r\n</SCRIPT>\r\n");
        Library lib(s, "Missing\r\nBanner\r\n");
        lib.script("Banner", "Java Script", "", script.toStdString());
        lib.script("Missing", "Java Script", "", s.path(QStringLiteral("gone.html")).toStdString());
        s.start();
        doubleClick(s, QStringLiteral("Banner"));
        QCOMPARE(s.form->editors().size(), 1);
        TEditor* e = s.form->activeEditor();
        QCOMPARE(e->windowTitle(), script);
        QCOMPARE(QString::fromStdString(e->memo().text()), QStringLiteral("<SCRIPT>\r\nscroll();\r\n</SCRIPT>\r\n"));
        QCOMPARE(s.dialogs->messages.size(), std::size_t(0));

        // A file that cannot be read: the error shows, the window stays.
        doubleClick(s, QStringLiteral("Missing"));
        QCOMPARE(s.form->editors().size(), 2);
        QCOMPARE(s.dialogs->messages.size(), std::size_t(1));
        QCOMPARE(s.dialogs->messages[0].kind, TMsgKind::error);
        QCOMPARE(s.form->activeEditor()->caption(), s.path(QStringLiteral("gone.html")));
    }

    void aSettingsFileThatCannotBeWrittenIsReportedAndTheEntryStays()
    {
        Shell s;
        Library lib(s, "A\r\n");
        QDir().mkpath(lib.settings()); // a folder where the file should be
        s.start();
        add(s, QStringLiteral("B"));
        QCOMPARE(names(s), (Names{"A", "B"}));
        QCOMPARE(s.dialogs->messages.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(s.dialogs->messages[0].text),
                 QStringLiteral("Unable to write to ") + lib.settings());
        QCOMPARE(s.dialogs->messages[0].kind, TMsgKind::error);
    }

    void aListThatCannotBeWrittenIsReported()
    {
        Shell s;
        Library lib(s, "");
        QFile::remove(s.programPath(QStringLiteral("scriptlist.scl")));
        QDir().mkpath(s.programPath(QStringLiteral("scriptlist.scl")));
        s.start();
        add(s, QStringLiteral("B"));
        QCOMPARE(s.dialogs->messages.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(s.dialogs->messages[0].text).endsWith(QStringLiteral("scriptlist.scl")));
    }

    // Random adds and removals against two plain lists of names: the panel
    // (an add goes to its end) and the list file (an add is appended to it,
    // a removal rewrites it from the panel, last entry first). The next start
    // shows the file read backwards.
    void addsAndRemovalsAgreeWithAPlainModel()
    {
        Shell s;
        Library lib(s, "");
        s.start();
        Names panel;
        Names file;
        QRandomGenerator rng(1234);
        for (int step = 0; step < 40; ++step) {
            if (panel.empty() || rng.bounded(3) != 0) {
                const std::string name = "S" + std::to_string(rng.bounded(8));
                add(s, QString::fromStdString(name));
                panel.push_back(name);
                file.push_back(name);
            } else {
                const int row = int(rng.bounded(quint32(panel.size())));
                list(s)->setCurrentItem(list(s)->topLevelItem(row));
                removeSelected(s, TMsgAnswer::yes);
                panel.erase(panel.begin() + row);
                file.assign(panel.rbegin(), panel.rend());
            }
            QCOMPARE(names(s), panel);
            std::string text;
            for (const std::string& n : file)
                text += n + "\r\n";
            QCOMPARE(readFile(s.programPath(QStringLiteral("scriptlist.scl"))), text);
        }
        QVERIFY(s.exit());
        s.start();
        QCOMPARE(names(s), Names(file.rbegin(), file.rend()));
    }

    void theStarterLibraryComesOnceAndNeverOverALibrary()
    {
        Shell s;
        s.start();
        const Names starter = names(s);
        QVERIFY(starter.size() >= 6);
        for (const std::string& n : starter) {
            const TIniFile ini = settingsOf(s);
            QVERIFY(QFile::exists(QString::fromStdString(ini.readString(n, "Path", ""))));
            QVERIFY(!ini.readString(n, "Description", "").empty());
        }
        click(s, QString::fromStdString(starter[0]));
        QVERIFY(!s.form->scriptLibrary()->prevy()->toPlainText().trimmed().isEmpty());
        removeSelected(s, TMsgAnswer::yes);
        QVERIFY(s.exit());
        s.start();
        QCOMPARE(names(s), Names(starter.begin() + 1, starter.end()));

        // An emptied library stays empty.
        Shell other;
        QDir().mkpath(other.programPath(QStringLiteral("Scripts")));
        other.start();
        QCOMPARE(names(other), Names{});
        QVERIFY(!QFile::exists(other.programPath(QStringLiteral("scriptlist.scl"))));
    }

    void entriesDragAsTheirFilesAndDroppedFilesOpenTheAddDialog()
    {
        Shell s;
        Library lib(s, "A\r\n");
        const QString script = s.path(QStringLiteral("a.html"));
        writeFile(script, "<P>a</P>");
        lib.script("A", "Other", "", script.toStdString());
        s.start();
        std::unique_ptr<QMimeData> data(list(s)->model()->mimeData({list(s)->model()->index(0, 0)}));
        QVERIFY(data);
        QCOMPARE(data->urls().value(0).toLocalFile(), script);
        // Let go over the main window: the script opens as by a double-click.
        QDragEnterEvent enterWindow(QPoint(5, 5), Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(s.form.get(), &enterWindow);
        QDropEvent onWindow(QPointF(5, 5), Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(s.form.get(), &onWindow);
        QCOMPARE(s.form->editors().size(), 1);
        QCOMPARE(s.form->activeEditor()->caption(), script);
        QCOMPARE(QString::fromStdString(s.form->activeEditor()->memo().text()), QStringLiteral("<P>a</P>"));

        QString offered;
        s.form->modalRunner = [&](QDialog& d) {
            offered = static_cast<TAddCustScript&>(d).edit2()->text();
            d.reject();
            return int(QDialog::Rejected);
        };
        QMimeData files;
        files.setUrls({QUrl::fromLocalFile(QStringLiteral("/home/me/new.html"))});
        const QPoint at = list(s)->viewport()->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &files, Qt::LeftButton, {});
        QCoreApplication::sendEvent(list(s)->viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(at), Qt::CopyAction, &files, Qt::LeftButton, {});
        QCoreApplication::sendEvent(list(s)->viewport(), &drop);
        QTRY_COMPARE(offered, QStringLiteral("/home/me/new.html"));
        QCOMPARE(names(s), Names{"A"});
    }
};

QTEST_MAIN(ScriptPanelTest)
#include "ScriptPanelTest.moc"
