// The main window's keys in a real settings file in a temporary folder.
#include "app/WindowSettings.h"
#include "platform/IniFile.h"

#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <sstream>

using tessaly::app::TWindowSettings;
using tessaly::platform::TIniFile;
using TShow = TWindowSettings::TShow;

namespace {

std::string fileText(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void writeText(const std::filesystem::path& file, const std::string& text)
{
    std::ofstream(file, std::ios::binary) << text;
}

void save(const TWindowSettings& s, const std::filesystem::path& file)
{
    TIniFile ini(file);
    ini.beginUpdate();
    s.write(ini);
    ini.endUpdate();
    ini.updateFile();
}

TWindowSettings load(const std::filesystem::path& file)
{
    TWindowSettings s;
    s.read(TIniFile(file));
    return s;
}

} // namespace

class WindowSettingsTest : public QObject {
    Q_OBJECT

private slots:
    // No file: the defaults, and the window is to be centred.
    void aMissingFileGivesTheDefaults()
    {
        QTemporaryDir dir;
        const TWindowSettings s = load(dir.filePath(QStringLiteral("none.ini")).toStdString());
        QCOMPARE(s, TWindowSettings());
        QVERIFY(!s.positionSaved);
    }

    // A normal window: every key, in this order and spelling, and back.
    void aNormalWindowRoundTripsWithItsKeysInOrder()
    {
        QTemporaryDir dir;
        const std::filesystem::path file = dir.filePath(QStringLiteral("t.ini")).toStdString();
        TWindowSettings s;
        s.left = -12;
        s.top = 40;
        s.width = 800;
        s.height = 611;
        s.panelWidth = 250;
        s.descriptionHeight = 90;
        s.views = {true, false, true, false};
        save(s, file);
        QCOMPARE(fileText(file), std::string("[Form]\n"
                                             "MainForm=Normal\n"
                                             "SP_Width=250\n"
                                             "SP_Height=90\n"
                                             "\n"
                                             "[Position]\n"
                                             "Left=-12\n"
                                             "Top=40\n"
                                             "Width=800\n"
                                             "Height=611\n"
                                             "\n"
                                             "[View]\n"
                                             "Main Toolbar=true\n"
                                             "JavaScript Toolbar=false\n"
                                             "HTML Toolbar=true\n"
                                             "Script Panel=false\n"));
        TWindowSettings expected = s;
        expected.positionSaved = true;
        QCOMPARE(load(file), expected);
    }

    // Maximised: the state only, the last normal place stays in the file.
    // Minimised: neither state nor place is written.
    void maximisedAndMinimisedKeepTheLastNormalPlace()
    {
        QTemporaryDir dir;
        const std::filesystem::path file = dir.filePath(QStringLiteral("t.ini")).toStdString();
        TWindowSettings normal;
        normal.left = 5;
        normal.top = 6;
        normal.width = 700;
        normal.height = 500;
        save(normal, file);

        TWindowSettings big = normal;
        big.show = TShow::maximized;
        big.left = 0;
        big.width = 1920;
        save(big, file);
        TWindowSettings back = load(file);
        QVERIFY(back.show == TShow::maximized);
        QCOMPARE(back.left, 5);
        QCOMPARE(back.width, 700);

        TWindowSettings small = normal;
        small.show = TShow::minimized;
        small.left = -32000;
        small.panelWidth = 321;
        save(small, file);
        back = load(file);
        QVERIFY(back.show == TShow::maximized);
        QCOMPARE(back.left, 5);
        QCOMPARE(back.panelWidth, 321);
    }

    // Hand-edited files: a view value other than true or false is left
    // unset; a place without its left edge counts as not saved.
    void oddValuesAreLeftUnset()
    {
        QTemporaryDir dir;
        const std::filesystem::path file = dir.filePath(QStringLiteral("t.ini")).toStdString();
        writeText(file, "[View]\nMain Toolbar=TRUE\nHTML Toolbar=false\nScript Panel=\n"
                        "[Position]\nTop=80\nWidth=x\n[Form]\nMainForm=Minimized\n");
        const TWindowSettings s = load(file);
        QVERIFY(!s.views[TWindowSettings::mainToolbar]);
        QCOMPARE(s.views[TWindowSettings::scriptToolbar], std::optional(true));
        QCOMPARE(s.views[TWindowSettings::htmlToolbar], std::optional(false));
        QVERIFY(!s.views[TWindowSettings::scriptPanel]);
        QVERIFY(!s.positionSaved);
        QCOMPARE(s.top, 80);
        QCOMPARE(s.width, 697);
        QVERIFY(s.show == TShow::normal);

        // Unset switches are not written: the file keeps what it had.
        TWindowSettings w;
        w.views = {std::nullopt, false, std::nullopt, true};
        save(w, file);
        const TIniFile ini(file);
        QCOMPARE(ini.readString("View", "Main Toolbar", ""), std::string("TRUE"));
        QCOMPARE(ini.readString("View", "JavaScript Toolbar", ""), std::string("false"));
        QCOMPARE(ini.readString("View", "Script Panel", ""), std::string("true"));
    }
};

QTEST_MAIN(WindowSettingsTest)
#include "WindowSettingsTest.moc"
