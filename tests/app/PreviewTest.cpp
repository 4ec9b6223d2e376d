// The preview on the real web engine: the Browser page of a document window,
// its history counters, the preview files, the default browser, the help
// file, the web links and the live preview.
#include "ShellTestSupport.h"

#include "app/BrowserPage.h"
#include "app/LivePreview.h"
#include "app/PreviewHTML.h"
#include "platform/IniFile.h"

#include <QComboBox>
#include <QImage>
#include <QTabWidget>
#include <QToolButton>

#include <memory>

#include <unistd.h>

using namespace shelltest;
using tessaly::app::TBrowserPage;
using tessaly::platform::TIniFile;

namespace {

// Loading a page may take seconds on a busy machine, the first one longer.
constexpr int kLoad = 60000;

QString fileUrl(const QString& path)
{
    return QUrl::fromLocalFile(path).toString();
}

// The result of a script run in the page. The answer lands in shared state,
// so one that comes after the wait has given up harms nothing.
QVariant evaluate(tessaly::app::TPreviewHTML& brows, const QString& script)
{
    struct Answer {
        QVariant value;
        bool done = false;
    };
    auto answer = std::make_shared<Answer>();
    brows.runScript(script, [answer](const QVariant& v) {
        answer->value = v;
        answer->done = true;
    });
    QDeadlineTimer deadline(kLoad);
    while (!answer->done && !deadline.hasExpired())
        QTest::qWait(20);
    return answer->value;
}

// Whether the web engine's libraries are mapped into this process.
bool engineLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    return maps.readAll().contains("WebEngine");
}

} // namespace

class PreviewTest : public QObject {
    Q_OBJECT

    // Every test starts with a main window whose program folder is a
    // fresh temporary folder.
    struct Fixture {
        Shell s;
        QString program;
        Fixture()
        {
            program = s.path(QStringLiteral("program"));
            QDir().mkpath(program);
            qputenv("TESSALY_PROGRAM_DIR", program.toUtf8());
            s.start();
        }
        QString previewFile() const { return program + QStringLiteral("/~preview.html"); }
    };

    static void waitIdle(TBrowserPage& page)
    {
        QTRY_VERIFY_WITH_TIMEOUT(page.brows().started() && !page.brows().busy() &&
                                     !page.brows().locationURL().isEmpty(),
                                 kLoad);
    }

private slots:
    void theEngineWaitsForTheFirstPreview()
    {
        Fixture f;
        TEditor* e = f.s.form->newClick();
        const QString view = QStringLiteral("BrowsView");
        QVERIFY(f.s.form->findChildren<QWidget*>(view).isEmpty());
        QVERIFY(!e->browserPage().brows().started());
        // Neither the module nor the engine's libraries are in the process
        // yet (other test functions of this program run later).
        QVERIFY(!engineLoaded());
        e->togglePreview();
        QCOMPARE(f.s.form->findChildren<QWidget*>(view).size(), 1);
        QVERIFY(engineLoaded());
    }

    void f9ShowsTheTextAndLeavesTheDocumentAlone()
    {
        Fixture f;
        TEditor* e = f.s.form->newClick();
        Shell::touch(e);
        const std::string before = e->memo().text();
        const std::int64_t caret = e->memo().store().recordStart(tessaly::memo::TRecordIndex(2)).value() + 3;
        e->memo().setSelection(caret, caret);

        f.s.item("ExternalPreview1")->trigger();
        QVERIFY(e->showsBrowser());
        // The preview file holds the text as it stands, marked as UTF-8.
        QCOMPARE(readFile(f.previewFile()), "\xEF\xBB\xBF" + before);
        TBrowserPage& page = e->browserPage();
        QTRY_COMPARE_WITH_TIMEOUT(page.urls().currentText(), fileUrl(f.previewFile()), kLoad);
        waitIdle(page);
        QVERIFY(!page.button("StopBtn")->isEnabled());
        QCOMPARE(evaluate(page.brows(), QStringLiteral("document.title")).toString(),
                 QStringLiteral("Document_Title_Goes_Here"));

        // The preview costs neither the modified state nor the history.
        QVERIFY(e->modified());
        QCOMPARE(e->memo().text(), before);

        // The toolbar button runs the same command; back in the editor the
        // caret is where it was and the keys go to the text.
        f.s.form->activateWindow();
        f.s.item("ToolbarButton9716")->trigger();
        QVERIFY(!e->showsBrowser());
        QCOMPARE(e->memo().selStart(), caret);
        QTRY_VERIFY(e->code().hasFocus());
        QTest::keyClick(&e->code(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(e->memo().text(), before.substr(1));
    }

    void previewingTwiceListsTheAddressOnce()
    {
        Fixture f;
        TEditor* e = f.s.form->newClick();
        TBrowserPage& page = e->browserPage();
        for (int i = 0; i < 2; ++i) {
            e->togglePreview();
            waitIdle(page);
            e->togglePreview();
        }
        QCOMPARE(page.urls().count(), 1);
        QCOMPARE(page.backCount(), 1);
        QVERIFY(!page.button("Back")->isEnabled());
        QVERIFY(!page.button("Forward_btn")->isEnabled());
    }

    void typedAddressesStepBackAndForward()
    {
        Fixture f;
        const QString a = f.s.path(QStringLiteral("a.html"));
        const QString b = f.s.path(QStringLiteral("b.html"));
        writeFile(a, "<title>A</title>");
        writeFile(b, "<title>B</title>");
        TEditor* e = f.s.form->newClick();
        TBrowserPage& page = e->browserPage();
        e->togglePreview();
        waitIdle(page);
        for (const QString& target : {a, b}) {
            page.urls().setEditText(target);
            QTest::keyClick(&page.urls(), Qt::Key_Return);
            QTRY_COMPARE_WITH_TIMEOUT(page.urls().currentText(), fileUrl(target), kLoad);
            waitIdle(page);
        }
        QCOMPARE(page.urls().count(), 3);
        QCOMPARE(page.urls().itemText(0), fileUrl(b));
        QVERIFY(page.button("Back")->isEnabled());

        // Back steps through the engine's own history; the counters follow.
        page.button("Back")->click();
        QTRY_COMPARE_WITH_TIMEOUT(page.urls().currentText(), fileUrl(a), kLoad);
        QVERIFY(page.button("Back")->isEnabled());
        QVERIFY(page.button("Forward_btn")->isEnabled());
        waitIdle(page);
        page.button("Back")->click();
        QVERIFY(!page.button("Back")->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(page.urls().currentText(), fileUrl(f.previewFile()), kLoad);
        waitIdle(page);
        page.button("Forward_btn")->click();
        QVERIFY(page.button("Back")->isEnabled());
        QVERIFY(page.button("Forward_btn")->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(page.urls().currentText(), fileUrl(a), kLoad);
        waitIdle(page);
        page.button("Forward_btn")->click();
        QVERIFY(!page.button("Forward_btn")->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(page.urls().currentText(), fileUrl(b), kLoad);
        // Stepping records nothing new.
        QCOMPARE(page.urls().count(), 3);
    }

    void browserSizeFixesOrFillsTheView()
    {
        Fixture f;
        TEditor* e = f.s.form->newClick();
        e->showMaximized();
        TBrowserPage& page = e->browserPage();
        e->notebook().setCurrentIndex(1);
        QWidget* holder = page.brows().parentWidget();
        QCOMPARE(page.brows().size(), holder->size());
        QAction* fixed = page.browsSize().findChild<QAction*>(QStringLiteral("N800x6001"));
        QAction* fit = page.browsSize().findChild<QAction*>(QStringLiteral("FittoScreen1"));
        QVERIFY(fit->isChecked());
        fixed->trigger();
        QCOMPARE(page.brows().size(), QSize(800, 600));
        QVERIFY(fixed->isChecked() && !fit->isChecked());
        e->resize(e->size() + QSize(40, 30));
        QCOMPARE(page.brows().size(), QSize(800, 600));
        fit->trigger();
        QCOMPARE(page.brows().geometry(), holder->rect());
        QVERIFY(!fixed->isChecked());
        // The address box follows the width of the tool row.
        QWidget* row = page.findChild<QWidget*>(QStringLiteral("Toolbar3"));
        QCOMPARE(page.urls().width(), row->width() - 235);
    }

    void openedPageShowsRelativeImagesFromItsFolder()
    {
        Fixture f;
        const QString folder = f.s.path(QStringLiteral("site"));
        QDir().mkpath(folder);
        QImage image(7, 5, QImage::Format_RGB32);
        image.fill(Qt::blue);
        QVERIFY(image.save(folder + QStringLiteral("/dot.png")));
        const QString doc = folder + QStringLiteral("/page.html");
        writeFile(doc, "<HTML><BODY><IMG id=\"i\" SRC=\"dot.png\"></BODY></HTML>");

        // Opening navigates the window's browser; its busy report brings the
        // Browser page up, which previews the text with the page's own address.
        TEditor* e = f.s.form->openFile(doc.toStdString());
        TBrowserPage& page = e->browserPage();
        QTRY_VERIFY_WITH_TIMEOUT(e->showsBrowser(), kLoad);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(f.previewFile()), kLoad);
        QTRY_COMPARE_WITH_TIMEOUT(page.urls().currentText(), fileUrl(doc), kLoad);
        waitIdle(page);
        QTRY_COMPARE_WITH_TIMEOUT(
            evaluate(page.brows(), QStringLiteral("document.getElementById('i').naturalWidth")).toInt(), 7, kLoad);
        QVERIFY(!e->modified());
    }

    // Pages in any encoding the editor reads show their letters right in
    // the preview, whether it is handed to the engine directly or read from
    // the preview file; a page's own charset declaration does no harm.
    void pagesInAnyEncodingShowTheirLetters()
    {
        Fixture f;
        const QString folder = f.s.path(QStringLiteral("site"));
        QDir().mkpath(folder);
        const QString expected = QStringLiteral("Gr\u00fc\u00dfe \u00e0 \u20ac");
        struct Page {
            const char* name;
            std::string bytes;
        };
        const std::string latin1Body = "<P id=\"p\">Gr\xfc\xdf" "e \xe0 \x80</P></BODY></HTML>";
        const std::string utf8Body = "<P id=\"p\">Gr\xc3\xbc\xc3\x9f" "e \xc3\xa0 \xe2\x82\xac</P></BODY></HTML>";
        const Page pages[] = {
            {"plain1252.html", "<HTML><BODY>" + latin1Body},
            {"meta1252.html", "<HTML><HEAD><META charset=\"windows-1252\"></HEAD><BODY>" + latin1Body},
            {"plainutf8.html", "<HTML><BODY>" + utf8Body},
            {"metautf8.html", "<HTML><HEAD><META http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"
                              "</HEAD><BODY>" + utf8Body},
        };
        for (const Page& p : pages) {
            const QString doc = folder + QLatin1Char('/') + QLatin1String(p.name);
            writeFile(doc, p.bytes);
            TEditor* e = f.s.form->openFile(doc.toStdString());
            TBrowserPage& page = e->browserPage();
            QTRY_VERIFY_WITH_TIMEOUT(e->showsBrowser(), kLoad);
            QTRY_COMPARE_WITH_TIMEOUT(page.urls().currentText(), fileUrl(doc), kLoad);
            waitIdle(page);
            QTRY_COMPARE_WITH_TIMEOUT(
                evaluate(page.brows(), QStringLiteral("document.getElementById('p').textContent")).toString(),
                expected, kLoad);
            // The same text read back from the preview file, as large pages
            // and the default browser get it.
            page.brows().navigate(fileUrl(f.previewFile()));
            QTRY_COMPARE_WITH_TIMEOUT(page.brows().locationURL(), fileUrl(f.previewFile()), kLoad);
            waitIdle(page);
            QTRY_COMPARE_WITH_TIMEOUT(
                evaluate(page.brows(), QStringLiteral("document.getElementById('p').textContent")).toString(),
                expected, kLoad);
            // The user's file is left as it was.
            QCOMPARE(readFile(doc), p.bytes);
            e->close();
        }
    }

    void defaultBrowserWritesTheTextAndReportsFailure()
    {
        Fixture f;
        TEditor* e = f.s.form->newClick();
        Shell::touch(e);
        TBrowserPage& page = e->browserPage();
        const QString ext = f.program + QStringLiteral("/~extprev.html");

        page.button("ToolbarButton974")->click();
        QCOMPARE(readFile(ext), "\xEF\xBB\xBF" + e->memo().text());
        QCOMPARE(f.s.dialogs->shellOpened.back().string(), ext.toStdString());
        QVERIFY(f.s.dialogs->messages.empty());

        f.s.dialogs->shellSucceeds = false;
        page.button("ToolbarButton974")->click();
        QCOMPARE(f.s.dialogs->messages.size(), std::size_t(1));
        QCOMPARE(f.s.dialogs->messages.back().text,
                 std::string("Tessaly was unable to launch your Default Browser, please try again.\r"
                             "If the problem persists, contact Orvane Software"));
        QVERIFY(f.s.dialogs->messages.back().kind == tessaly::platform::TMsgKind::error);
        QVERIFY(e->modified());
        QVERIFY(!e->showsBrowser());
    }

    void helpContentsOpensTheManualOrSaysItIsMissing()
    {
        Fixture f;
        f.s.item("HelpContents1")->trigger();
        QCOMPARE(f.s.dialogs->messages.size(), std::size_t(1));
        QCOMPARE(f.s.dialogs->messages.back().text,
                 std::string("Tessaly was unable to open the Help File.\rIf the problem persists, contact Orvane Software"));
        QCOMPARE(f.s.form->editors().size(), 0);

        QDir().mkpath(f.program + QStringLiteral("/help"));
        const QString index = f.program + QStringLiteral("/help/index.html");
        writeFile(index, "<html></html>");
        f.s.item("HelpContents1")->trigger();
        QCOMPARE(f.s.dialogs->messages.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(f.s.dialogs->shellOpened.back().string()), index);
    }

    void internetLinksNeedADocumentAndLeaveTheTextAlone()
    {
        Fixture f;
        QAction* links = f.s.item("UsefulLinks1");
        f.s.dropDown(f.s.form->helpMenu());
        QVERIFY(!links->isEnabled());
        TEditor* e = f.s.form->newClick();
        Shell::touch(e);
        const std::string text = e->memo().text();
        f.s.dropDown(f.s.form->helpMenu());
        QVERIFY(links->isEnabled());

        QAction* yahoo = f.s.item("Yahoo1");
        yahoo->trigger();
        QVERIFY(e->showsBrowser());
        QCOMPARE(e->browserPage().urls().currentText(), yahoo->data().toString());
        QVERIFY(yahoo->data().toString().startsWith(QStringLiteral("http://")));
        QCOMPARE(e->memo().text(), text);
        QVERIFY(e->modified());
        e->browserPage().brows().stop();

        f.s.dialogs->answers.push_back(TMsgAnswer::no);
        QVERIFY(e->close());
        f.s.dropDown(f.s.form->helpMenu());
        QVERIFY(!links->isEnabled());
    }

    void livePreviewRefreshesOnceTypingPauses()
    {
        Fixture f;
        f.s.item("LivePreview1")->trigger();
        TEditor* e = f.s.form->newClick();
        QVERIFY(e->livePreview());
        tessaly::app::TLivePreview& live = e->livePane();
        QTRY_VERIFY_WITH_TIMEOUT(live.brows().started() && !live.brows().busy(), kLoad);
        // A long page, scrolled down by the reader.
        std::string body;
        for (int i = 0; i < 300; ++i)
            body += "<P>line " + std::to_string(i) + "</P>\r";
        e->memo().setSelection(e->memo().store().recordStart(tessaly::memo::TRecordIndex(5)).value(),
                               e->memo().store().recordStart(tessaly::memo::TRecordIndex(5)).value());
        e->memo().setSelText(body);
        QTRY_VERIFY_WITH_TIMEOUT(
            evaluate(live.brows(), QStringLiteral("document.body ? document.body.innerText : ''")).toString().contains("line 299"), kLoad);
        evaluate(live.brows(), QStringLiteral("window.scrollTo(0, 700); window.scrollY"));

        const int before = live.refreshes();
        QTest::keyClicks(&e->code(), QStringLiteral("<B>typed</B>"));
        // Each key restarts the pause; nothing is shown while typing goes on.
        QVERIFY(live.pending());
        QCOMPARE(live.refreshes(), before);
        QTRY_COMPARE_WITH_TIMEOUT(live.refreshes(), before + 1, kLoad);
        QTRY_VERIFY_WITH_TIMEOUT(
            evaluate(live.brows(), QStringLiteral("document.body ? document.body.innerText : ''")).toString().contains("typed"), kLoad);
        QTRY_COMPARE_WITH_TIMEOUT(evaluate(live.brows(), QStringLiteral("window.scrollY")).toInt(), 700, kLoad);
        QCOMPARE(live.refreshes(), before + 1);

        // A new window follows the setting; switching it off hides every pane.
        TEditor* second = f.s.form->newClick();
        QVERIFY(second->livePreview());
        f.s.item("LivePreview1")->trigger();
        QVERIFY(!e->livePreview() && !second->livePreview());
    }

    // The pane beside the text has its own tool row: another page can be
    // opened or typed in, Back returns to the document, Forward goes again.
    void livePaneFollowsLinksAndComesBack()
    {
        Fixture f;
        const QString other = f.s.path(QStringLiteral("other.html"));
        const QString third = f.s.path(QStringLiteral("third.html"));
        writeFile(other, "<title>Other</title>");
        writeFile(third, "<title>Third</title>");
        f.s.item("LivePreview1")->trigger();
        TEditor* e = f.s.form->newClick();
        tessaly::app::TLivePreview& live = e->livePane();
        tessaly::app::TBrowserNav& nav = live.nav();
        for (const char* name : {"ToolbarButton973", "Back", "Forward_btn", "StopBtn"})
            QVERIFY2(nav.button(name) && nav.button(name)->isVisible(), name);
        QVERIFY(nav.urls().isVisible());
        QVERIFY(!nav.button("Back")->isEnabled() && !nav.button("Forward_btn")->isEnabled());
        const QString document = fileUrl(f.previewFile());
        QTRY_COMPARE_WITH_TIMEOUT(nav.urls().currentText(), document, kLoad);
        QTRY_VERIFY_WITH_TIMEOUT(!live.brows().busy(), kLoad);
        QVERIFY(!e->showsBrowser());

        // Open in Browser asks for a file through the dialogs.
        f.s.dialogs->openFiles.push_back(other.toStdString());
        nav.button("ToolbarButton973")->click();
        QTRY_COMPARE_WITH_TIMEOUT(nav.urls().currentText(), fileUrl(other), kLoad);
        QTRY_VERIFY_WITH_TIMEOUT(!live.brows().busy(), kLoad);
        nav.urls().setEditText(third);
        QTest::keyClick(&nav.urls(), Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(nav.urls().currentText(), fileUrl(third), kLoad);
        QTRY_VERIFY_WITH_TIMEOUT(!live.brows().busy(), kLoad);
        QVERIFY(nav.button("Back")->isEnabled());
        QCOMPARE(nav.urls().count(), 2);

        nav.button("Back")->click();
        QTRY_COMPARE_WITH_TIMEOUT(nav.urls().currentText(), fileUrl(other), kLoad);
        QVERIFY(nav.button("Forward_btn")->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(!live.brows().busy(), kLoad);
        nav.button("Forward_btn")->click();
        QTRY_COMPARE_WITH_TIMEOUT(nav.urls().currentText(), fileUrl(third), kLoad);
        QVERIFY(!nav.button("Forward_btn")->isEnabled());
        // None of it touched the Browser page or the text's page.
        QVERIFY(!e->showsBrowser());
        QCOMPARE(e->browserPage().urls().count(), 0);

        // Typing shows the document again.
        QTest::keyClicks(&e->code(), QStringLiteral("x"));
        QTRY_COMPARE_WITH_TIMEOUT(nav.urls().currentText(), document, kLoad);
    }

    void livePreviewIsKeptAcrossRuns()
    {
        Fixture f;
        QVERIFY(!f.s.item("LivePreview1")->isChecked());
        f.s.item("LivePreview1")->trigger();
        QVERIFY(f.s.exit());
        QCOMPARE(TIniFile(f.s.iniPath().toStdString()).readString("View", "Live Preview", ""), std::string("true"));

        f.s.start();
        QVERIFY(f.s.item("LivePreview1")->isChecked());
        TEditor* e = f.s.form->newClick();
        QVERIFY(e->livePreview());
        f.s.item("LivePreview1")->trigger();
        QVERIFY(!e->livePreview());
        QVERIFY(f.s.exit());
        QCOMPARE(TIniFile(f.s.iniPath().toStdString()).readString("View", "Live Preview", ""), std::string("false"));
        f.s.start();
        QVERIFY(!f.s.item("LivePreview1")->isChecked());
    }
};

int main(int argc, char** argv)
{
    // Chromium refuses to run as root inside its sandbox.
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox");
    // The web view module, when not run by the test runner (which says where).
    if (qEnvironmentVariableIsEmpty("TESSALY_WEBVIEW_MODULE"))
        qputenv("TESSALY_WEBVIEW_MODULE", TESSALY_WEBVIEW_MODULE);
    QApplication app(argc, argv);
    PreviewTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "PreviewTest.moc"
