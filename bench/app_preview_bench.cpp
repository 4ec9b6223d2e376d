// The preview's speed: the first F9 of a run (the web engine starts) on the
// ten-line template, and each later F9 on a 100 KB page, both until the
// engine reports the page loaded. Start-up itself is not touched by the
// engine, which starts with the first preview.
#include "app/BrowserPage.h"
#include "app/Editor.h"
#include "app/MainForm.h"
#include "app/PreviewHTML.h"
#include "memo/SyntaxMemo.h"
#include "platform/ScriptedDialogs.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <unistd.h>

using namespace tessaly;

namespace {

// Runs the event loop until the window's browser has finished its load.
void waitLoaded(app::TEditor& e)
{
    app::TPreviewHTML& brows = e.browserPage().brows();
    QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired()) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        if (brows.started() && !brows.busy() && !brows.locationURL().isEmpty())
            return;
    }
}

std::string page100k()
{
    std::string s = "<HTML>\r\n<HEAD><TITLE>Big</TITLE></HEAD>\r\n<BODY>\r\n";
    int n = 0;
    while (s.size() < 100 * 1024)
        s += "<P>Paragraph " + std::to_string(n++) + " with <B>bold</B> and <A HREF=\"x.html\">a link</A>.</P>\r\n";
    return s + "</BODY>\r\n</HTML>";
}

struct Session {
    QTemporaryDir dir;
    std::unique_ptr<app::TMainForm> form;
    Session()
    {
        qputenv("TESSALY_CONFIG_DIR", dir.filePath(QStringLiteral("config")).toUtf8());
        qputenv("TESSALY_PROGRAM_DIR", dir.filePath(QStringLiteral("program")).toUtf8());
        form = std::make_unique<app::TMainForm>(std::make_unique<platform::TScriptedDialogs>());
        form->show();
    }
};

Session* session = nullptr;

void BM_FirstPreview(benchmark::State& state)
{
    for (auto _ : state) {
        app::TEditor* e = session->form->newClick();
        QElapsedTimer t;
        t.start();
        e->togglePreview();
        waitLoaded(*e);
        state.SetIterationTime(static_cast<double>(t.nsecsElapsed()) / 1e9);
        e->togglePreview();
    }
}
// Only the first run of the process starts the engine.
BENCHMARK(BM_FirstPreview)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_LaterPreview100K(benchmark::State& state)
{
    app::TEditor* e = session->form->newClick();
    e->memo().lines().setText(page100k());
    e->togglePreview();
    waitLoaded(*e);
    for (auto _ : state) {
        e->togglePreview();
        QElapsedTimer t;
        t.start();
        e->togglePreview();
        waitLoaded(*e);
        state.SetIterationTime(static_cast<double>(t.nsecsElapsed()) / 1e9);
    }
}
BENCHMARK(BM_LaterPreview100K)->Iterations(10)->Repetitions(3)->UseManualTime()->Unit(benchmark::kMillisecond);

// Start-up to a shown main window; the engine is not part of it.
void BM_StartUp(benchmark::State& state)
{
    for (auto _ : state) {
        QTemporaryDir dir;
        qputenv("TESSALY_CONFIG_DIR", dir.filePath(QStringLiteral("config")).toUtf8());
        app::TMainForm form(std::make_unique<platform::TScriptedDialogs>());
        form.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(form.isVisible());
    }
}
BENCHMARK(BM_StartUp)->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication a(argc, argv);
    benchmark::Initialize(&argc, argv);
    Session s;
    session = &s;
    benchmark::RunSpecifiedBenchmarks();
    session = nullptr;
    return 0;
}
