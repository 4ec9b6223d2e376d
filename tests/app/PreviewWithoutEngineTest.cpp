// The preview when the web view module cannot be loaded: the Browser page
// and the live pane stay empty, the status bar says why, and the document
// and the commands around it go on as before.
#include "ShellTestSupport.h"

#include "app/BrowserPage.h"
#include "app/LivePreview.h"
#include "app/PreviewFiles.h"
#include "app/PreviewHTML.h"
#include "app/WebViewModule.h"

#include <QStatusBar>

using namespace shelltest;

class PreviewWithoutEngineTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // Read at the first preview of the run.
        qputenv("TESSALY_WEBVIEW_MODULE", QByteArray("/nonexistent/libtessaly_webview.so"));
    }

    void aModuleThatCannotLoadSaysWhy()
    {
        QTemporaryDir dir;
        const QString notALibrary = dir.filePath(QStringLiteral("libbroken.so"));
        writeFile(notALibrary, "not a library");
        tessaly::app::TWebViewModule module({notALibrary, dir.filePath(QStringLiteral("missing.so"))});
        QWidget parent;
        QCOMPARE(module.create(&parent), nullptr);
        QVERIFY(module.tried());
        QVERIFY(module.error().contains(QStringLiteral("libbroken.so")));
        QVERIFY(module.error().contains(QStringLiteral("missing.so")));
        // Asked again, it neither crashes nor makes anything.
        QCOMPARE(module.create(&parent), nullptr);
        QVERIFY(parent.children().isEmpty());
    }

    void previewFailsQuietlyAndTheDocumentIsUntouched()
    {
        Shell s;
        s.start();
        TEditor* e = s.form->newClick();
        Shell::touch(e);
        const std::string text = e->memo().text();
        e->togglePreview();
        QVERIFY(e->showsBrowser());
        tessaly::app::TPreviewHTML& brows = e->browserPage().brows();
        QVERIFY(!brows.started());
        QVERIFY(brows.locationURL().isEmpty());
        QVERIFY(s.form->statusBar()->currentMessage().startsWith(QStringLiteral("The web view could not be started")));
        // The preview file is still written, and every navigation is a no-op.
        QCOMPARE(readFile(s.programPath(QStringLiteral("~preview.html"))), std::string(tessaly::app::kUtf8Bom) + text);
        e->browserPage().urls().setEditText(QStringLiteral("http://example.invalid/"));
        QTest::keyClick(&e->browserPage().urls(), Qt::Key_Return);
        e->browserPage().backClick();
        e->browserPage().stopClick();
        QVariant answer(1);
        brows.runScript(QStringLiteral("1"), [&](const QVariant& v) { answer = v; });
        QVERIFY(!answer.isValid());

        e->togglePreview();
        QVERIFY(!e->showsBrowser());
        QCOMPARE(e->memo().text(), text);
        QVERIFY(e->modified());

        // The live pane shows its tool row above an empty page.
        s.item("LivePreview1")->trigger();
        QVERIFY(e->livePreview());
        QVERIFY(!e->livePane().brows().started());
        QTest::keyClicks(&e->code(), QStringLiteral("ab"));
        QTRY_COMPARE(e->livePane().refreshes(), 2);
        QVERIFY(e->livePane().nav().isVisible());
        s.dialogs->answers.push_back(TMsgAnswer::no);
        QVERIFY(e->close());
    }
};

QTEST_MAIN(PreviewWithoutEngineTest)
#include "PreviewWithoutEngineTest.moc"
