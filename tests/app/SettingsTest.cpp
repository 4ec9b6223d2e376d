// The main window at start and exit: the settings file, the areas, the
// hint line and the menu-enabling rule.
#include "ShellTestSupport.h"

#include "app/ScriptPanel.h"
#include "platform/IniFile.h"

#include <QScreen>
#include <QSplitter>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>

using namespace shelltest;
using tessaly::platform::TIniFile;

namespace {

TIniFile ini(const Shell& s)
{
    return TIniFile(s.iniPath().toStdString());
}

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void firstRunUsesTheDefaultsAndCentresTheWindow()
    {
        Shell s;
        s.start();
        TMainForm& f = *s.form;
        QCOMPARE(f.windowTitle(), QStringLiteral(" Tessaly"));
        QCOMPARE(f.size(), QSize(697, 536));
        QVERIFY(!f.isMaximized());
        const QRect screen = f.screen()->availableGeometry();
        QVERIFY(qAbs(f.frameGeometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(f.frameGeometry().center().y() - screen.center().y()) <= 1);
        QVERIFY(f.mainToolbar()->isVisible());
        QVERIFY(f.scriptToolbar()->isVisible());
        QVERIFY(f.htmlToolbar()->isVisible());
        QVERIFY(f.scriptPanel()->isVisible());
        QCOMPARE(f.scriptPanel()->width(), 200);
        QCOMPARE(f.splitIt()->handle(1)->cursor().shape(), Qt::SplitHCursor);
        QCOMPARE(f.panels()->text(0), QStringLiteral("For Help, press F1"));
        QVERIFY(!f.tabParent()->isVisible());
        QCOMPARE(f.mainToolbar()->windowTitle(), QStringLiteral("Main Toolbar"));
        QCOMPARE(f.scriptToolbar()->windowTitle(), QStringLiteral("Scripting Toolbar"));
        QCOMPARE(f.htmlToolbar()->windowTitle(), QStringLiteral("HTML Toolbar"));
        QVERIFY(!QFile::exists(s.iniPath()));

        QVERIFY(s.exit());
        const TIniFile written = ini(s);
        QCOMPARE(written.readString("Form", "MainForm", ""), std::string("Normal"));
        QCOMPARE(written.readInteger("Position", "Width", 0), 697);
        QCOMPARE(written.readInteger("Position", "Height", 0), 536);
        QCOMPARE(written.readInteger("Form", "SP_Width", 0), 200);
        QCOMPARE(written.readInteger("Form", "SP_Height", 0), 129);
        QCOMPARE(written.readString("View", "Script Panel", ""), std::string("true"));
        QCOMPARE(written.readSections(), (std::vector<std::string>{"Form", "Position", "View"}));
    }

    void aSavedPlaceAndSizeComeBack()
    {
        Shell s;
        s.start();
        s.form->move(40, 50);
        s.form->resize(640, 420);
        QVERIFY(s.exit());
        s.start();
        QCOMPARE(s.form->size(), QSize(640, 420));
        QCOMPARE(s.form->pos(), QPoint(40, 50));
    }

    void maximisedExitReopensMaximisedWithTheLastNormalSize()
    {
        Shell s;
        s.start();
        s.form->resize(600, 400);
        QVERIFY(s.exit());
        s.start();
        s.form->showMaximized();
        QTRY_VERIFY(s.form->isMaximized());
        QVERIFY(s.exit());
        QCOMPARE(ini(s).readString("Form", "MainForm", ""), std::string("Maximized"));
        QCOMPARE(ini(s).readInteger("Position", "Width", 0), 600);

        s.start();
        QVERIFY(s.form->isMaximized());
        s.form->showNormal();
        QTRY_COMPARE(s.form->size(), QSize(600, 400));
    }

    void minimisedExitKeepsTheOldState()
    {
        Shell s;
        s.start();
        s.form->resize(610, 410);
        QVERIFY(s.exit());
        s.start();
        s.form->resize(500, 300);
        s.form->showMinimized();
        QTRY_VERIFY(s.form->isMinimized());
        QVERIFY(s.exit());
        QCOMPARE(ini(s).readString("Form", "MainForm", ""), std::string("Normal"));
        QCOMPARE(ini(s).readInteger("Position", "Width", 0), 610);
        QCOMPARE(ini(s).readInteger("Position", "Height", 0), 410);
    }

    void hiddenToolbarAndPanelStayHidden()
    {
        Shell s;
        s.start();
        s.item("HT")->trigger();
        s.item("JavaScriptPanel1")->trigger();
        QVERIFY(!s.form->htmlToolbar()->isVisible());
        QVERIFY(!s.form->scriptPanel()->isVisible());
        QVERIFY(s.exit());
        QCOMPARE(ini(s).readString("View", "HTML Toolbar", ""), std::string("false"));
        QCOMPARE(ini(s).readString("View", "Main Toolbar", ""), std::string("true"));

        s.start();
        QVERIFY(!s.form->htmlToolbar()->isVisible());
        QVERIFY(!s.item("HT")->isChecked());
        QVERIFY(!s.form->scriptPanel()->isVisible());
        QVERIFY(!s.item("JavaScriptPanel1")->isChecked());
        QCOMPARE(s.form->splitIt()->handle(1)->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(s.form->mainToolbar()->isVisible());
        QVERIFY(s.item("MT")->isChecked());

        // Shown again, the panel has its old width back.
        s.item("JavaScriptPanel1")->trigger();
        QVERIFY(s.form->scriptPanel()->isVisible());
        QCOMPARE(s.form->splitIt()->handle(1)->cursor().shape(), Qt::SplitHCursor);
    }

    void theScriptPanelsCloseButtonUnchecksItsSwitch()
    {
        Shell s;
        s.start();
        s.form->scriptPanel()->closeButton()->click();
        QVERIFY(!s.form->scriptPanel()->isVisible());
        QVERIFY(!s.item("JavaScriptPanel1")->isChecked());
    }

    void aToolbarHiddenElsewhereShowsUncheckedInTheViewMenu()
    {
        Shell s;
        s.start();
        s.form->scriptToolbar()->hide();
        QVERIFY(s.item("ST")->isChecked());
        s.dropDown(s.form->viewMenu());
        QVERIFY(!s.item("ST")->isChecked());
    }

    void oddValuesLeaveTheDefinitionsState()
    {
        Shell s;
        QDir().mkpath(s.path(QStringLiteral("config")));
        writeFile(s.iniPath(), "; mine\n[View]\nMain Toolbar=no\nHTML Toolbar=FALSE\nScript Panel=false\n"
                               "[Form]\nSP_Width=250\nSP_Height=150\nMainForm=maximized\nUnknown=kept\n");
        s.start();
        QVERIFY(s.form->mainToolbar()->isVisible());
        QVERIFY(s.form->htmlToolbar()->isVisible());
        QVERIFY(!s.form->scriptPanel()->isVisible());
        QVERIFY(!s.form->isMaximized());
        QCOMPARE(s.form->scriptPanel()->descriptionHeight(), 150);
        QVERIFY(s.exit());
        QCOMPARE(ini(s).readInteger("Form", "SP_Height", 0), 150);
        const std::string text = readFile(s.iniPath());
        QVERIFY(text.find("; mine") != std::string::npos);
        QVERIFY(text.find("Unknown=kept") != std::string::npos);
        QCOMPARE(ini(s).readInteger("Form", "SP_Width", 0), 250);
        QCOMPARE(ini(s).readString("View", "Main Toolbar", ""), std::string("true"));
    }

    void menusEnableTheirDocumentItemsOnlyWithADocument()
    {
        Shell s;
        s.start();
        // The Set and Find Bookmark submenus share their names with the
        // items of bookmark 1: reach the submenus through their menus.
        const auto enabled = [&s](const char* name) {
            for (const QMenu* m : s.form->editMenu()->findChildren<QMenu*>())
                if (m->menuAction()->objectName() == QLatin1String(name))
                    return m->menuAction()->isEnabled();
            return s.item(name)->isEnabled();
        };
        s.dropDown(s.form->editMenu());
        s.dropDown(s.form->fileMenu());
        s.dropDown(s.form->windowMenu());
        s.dropDown(s.form->viewMenu());
        s.dropDown(s.form->helpMenu());
        for (const char* name : {"Find1", "Undo1", "SetBookmark1", "FindBookmark1", "SaveAs", "Close1", "Print1",
                                 "Tile1", "Next1", "ExternalPreview1", "SyntaxHighlighting1", "UsefulLinks1"})
            QVERIFY2(!enabled(name), name);
        for (const char* name : {"New1", "Open1", "Exit1", "HelpContents1", "AboutTessaly1", "MT"})
            QVERIFY2(s.item(name)->isEnabled(), name);

        // The first document enables the document items at once, so their
        // shortcuts work before a menu is next opened; Save keeps its rules.
        s.form->newClick();
        for (const char* name : {"Find1", "Undo1", "SetBookmark1", "Close1", "Tile1", "ExternalPreview1"})
            QVERIFY2(s.item(name)->isEnabled(), name);
        QVERIFY(!s.item("Save")->isEnabled());
        s.dropDown(s.form->editMenu());
        s.dropDown(s.form->fileMenu());
        for (const char* name : {"Find1", "Undo1", "SetBookmark1", "FindBookmark1", "SaveAs", "Close1", "Print1"})
            QVERIFY2(s.item(name)->isEnabled(), name);
        QVERIFY(s.item("Save")->isEnabled()); // the File menu re-enables Save

        s.form->close1Click();
        QTRY_COMPARE(s.form->editors().size(), 0);
        QVERIFY(!s.item("Undo1")->isEnabled());
        QVERIFY(!s.item("Save")->isEnabled());
    }

    void hintsGoToTheFirstStatusPanel()
    {
        Shell s;
        s.start();
        s.item("SaveAs")->showStatusText(s.form.get());
        QCOMPARE(s.form->panels()->text(0), QStringLiteral("Save current file under a new name"));
        QAction* button = s.item("SaveButton");
        QCOMPARE(button->toolTip(), QStringLiteral("Save (Ctrl+S)"));
        button->showStatusText(s.form->mainToolbar());
        QCOMPARE(s.form->panels()->text(0), QStringLiteral("Save (Ctrl+S)"));
        QCOMPARE(s.item("Save")->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        QCOMPARE(s.item("MinimizeAll1")->shortcut(), QKeySequence(QStringLiteral("Shift+Ctrl+M")));
        QCOMPARE(s.item("Next1")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Right")));
        QCOMPARE(s.item("ExternalPreview1")->shortcut(), QKeySequence(QStringLiteral("F9")));
        // The toolbar's icons come from the bundled theme, whatever the desktop has.
        QCOMPARE(QIcon::themeName(), QStringLiteral("tessaly"));
        for (const char* name : {"document-new", "document-save", "edit-undo", "help-contents", "tessaly-preview"})
            QVERIFY2(QIcon::hasThemeIcon(QString::fromLatin1(name)), name);
        QVERIFY(!button->icon().pixmap(16, 16).isNull());
    }
};

QTEST_MAIN(SettingsTest)
#include "SettingsTest.moc"
