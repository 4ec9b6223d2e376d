// The preview's speed: the first F9 of a run (the web view module is loaded
// and the web engine starts) on the ten-line template, and each later F9 on a
// 100 KB page, both until the page has been loaded and drawn. The first one
// is split into its stages as counters: module loaded and view made (ms_view),
// load started (ms_started), page loaded (ms_loaded), page drawn (the total).
// Live typing: a keystroke with the live preview on, timed to the return of
// the key press (the refresh runs later, in the engine). Start-up itself is
// measured from outside by bench/startup.sh.
#include "app/BrowserPage.h"
#include "app/Editor.h"
#include "app/LivePreview.h"
#include "app/MainForm.h"
#include "app/PreviewHTML.h"
#include "memo/SyntaxMemo.h"
#include "platform/ScriptedDialogs.h"
#include "widgets/SyntaxMemoView.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

using namespace tessaly;

namespace {

// Runs the events in hand, waiting for the next if there are none. The
// waits of this file block instead of spinning, so the engine's processes
// get the processor; a timer ticking every 2 ms wakes them for their checks.
void pump()
{
    QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

// Processor time in ms used so far by this process and every process it
// started (the engine's helper processes), from /proc: on a loaded machine
// the wall-clock figures mostly measure waiting, this what the work costs.
double treeCpuMs()
{
    std::map<long, long> parentOf;
    std::map<long, double> ticks;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        const std::string name = entry.path().filename().string();
        if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        std::ifstream in(entry.path() / "stat");
        std::string line;
        if (!std::getline(in, line))
            continue;
        // Fields after the command's closing parenthesis: state ppid ... utime(12) stime(13).
        std::istringstream rest(line.substr(line.rfind(')') + 2));
        std::string field;
        std::vector<std::string> f;
        while (rest >> field)
            f.push_back(field);
        if (f.size() < 13)
            continue;
        const long pid = std::stol(name);
        parentOf[pid] = std::stol(f[1]);
        ticks[pid] = std::stod(f[11]) + std::stod(f[12]);
    }
    double total = 0;
    const long self = ::getpid();
    for (const auto& [pid, t] : ticks) {
        long p = pid;
        for (int depth = 0; depth < 16 && p > 1 && p != self; ++depth)
            p = parentOf.count(p) ? parentOf[p] : 0;
        if (p == self)
            total += t;
    }
    return total * 1000.0 / static_cast<double>(::sysconf(_SC_CLK_TCK));
}

// Counts the loads of a window's browser that have ended.
std::shared_ptr<int> countLoads(app::TPreviewHTML& brows)
{
    auto ends = std::make_shared<int>(0);
    brows.onLoadEnded = [ends](bool) { ++*ends; };
    return ends;
}

// Runs the event loop until the browser has ended more than `before` loads
// and is no longer busy.
void waitLoaded(app::TPreviewHTML& brows, const std::shared_ptr<int>& ends, int before)
{
    QDeadlineTimer deadline(60000);
    while (!(*ends > before && !brows.busy()) && !deadline.hasExpired())
        pump();
}

// Runs the event loop until the page has drawn a frame after its load: a
// script asks for two animation frames and marks when the second ran. The
// answers land in shared state, so one that comes late harms nothing.
void waitPainted(app::TPreviewHTML& brows)
{
    brows.runScript(QStringLiteral("window.tessalyPainted = false;"
                                   "requestAnimationFrame(() => requestAnimationFrame(() => {"
                                   " window.tessalyPainted = true; }));"),
                    nullptr);
    struct Poll {
        bool answered = false;
        bool painted = false;
    };
    QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired()) {
        auto poll = std::make_shared<Poll>();
        brows.runScript(QStringLiteral("window.tessalyPainted === true"), [poll](const QVariant& v) {
            poll->painted = v.toBool();
            poll->answered = true;
        });
        while (!poll->answered && !deadline.hasExpired())
            pump();
        if (poll->painted)
            return;
        // Asking again at once would keep the page busy answering.
        QElapsedTimer gap;
        gap.start();
        while (gap.elapsed() < 5)
            pump();
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
        app::TPreviewHTML& brows = e->browserPage().brows();
        const auto ends = countLoads(brows);
        const double cpu0 = treeCpuMs();
        QElapsedTimer t;
        t.start();
        e->togglePreview();
        const double view = static_cast<double>(t.nsecsElapsed()) / 1e6;
        while (!brows.busy() && *ends == 0 && t.elapsed() < 60000)
            pump();
        const double started = static_cast<double>(t.nsecsElapsed()) / 1e6;
        waitLoaded(brows, ends, 0);
        const double loaded = static_cast<double>(t.nsecsElapsed()) / 1e6;
        waitPainted(brows);
        state.SetIterationTime(static_cast<double>(t.nsecsElapsed()) / 1e9);
        state.counters["ms_view"] = view;
        state.counters["cpu_ms"] = treeCpuMs() - cpu0;
        state.counters["ms_started"] = started;
        state.counters["ms_loaded"] = loaded;
        e->togglePreview();
    }
}
// Only the first run of the process starts the engine.
BENCHMARK(BM_FirstPreview)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_LaterPreview100K(benchmark::State& state)
{
    app::TEditor* e = session->form->newClick();
    e->memo().lines().setText(page100k());
    app::TPreviewHTML& brows = e->browserPage().brows();
    const auto ends = countLoads(brows);
    e->togglePreview();
    waitLoaded(brows, ends, 0);
    double sync = 0;
    double loaded = 0;
    const double cpu0 = treeCpuMs();
    for (auto _ : state) {
        e->togglePreview();
        const int before = *ends;
        QElapsedTimer t;
        t.start();
        e->togglePreview();
        sync += static_cast<double>(t.nsecsElapsed()) / 1e6;
        waitLoaded(brows, ends, before);
        loaded += static_cast<double>(t.nsecsElapsed()) / 1e6;
        waitPainted(brows);
        state.SetIterationTime(static_cast<double>(t.nsecsElapsed()) / 1e9);
    }
    // Per F9: the program's own part (text, preview file, hand-over) and
    // the time to the end of the load.
    state.counters["ms_sync"] = benchmark::Counter(sync, benchmark::Counter::kAvgIterations);
    state.counters["ms_loaded"] = benchmark::Counter(loaded, benchmark::Counter::kAvgIterations);
    state.counters["cpu_ms"] = benchmark::Counter(treeCpuMs() - cpu0, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_LaterPreview100K)->Iterations(10)->Repetitions(3)->UseManualTime()->Unit(benchmark::kMillisecond);

// A keystroke in a 100 KB page with the live preview on, while the pane is
// busy loading: timed to the return of the key press. Every fifth key waits
// for the pause to pass, so refreshes run between the timed keys.
void BM_LiveKeystroke100K(benchmark::State& state)
{
    app::TEditor* e = session->form->newClick();
    e->memo().lines().setText(page100k());
    session->form->livePreview1Click(true);
    app::TPreviewHTML& live = e->livePane().brows();
    QDeadlineTimer deadline(60000);
    while (!(live.started() && !live.busy() && !live.locationURL().isEmpty()) && !deadline.hasExpired())
        pump();
    e->code().setFocus();
    int n = 0;
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QElapsedTimer t;
        t.start();
        QApplication::sendEvent(&e->code(), &press);
        state.SetIterationTime(static_cast<double>(t.nsecsElapsed()) / 1e9);
        if (++n % 5 == 0) {
            QElapsedTimer pause;
            pause.start();
            while (pause.elapsed() < app::TLivePreview::kDelayMs + 50)
                pump();
        } else {
            QApplication::processEvents();
        }
    }
    state.counters["refreshes"] = e->livePane().refreshes();
    session->form->livePreview1Click(false);
}
BENCHMARK(BM_LiveKeystroke100K)->Iterations(50)->Repetitions(3)->UseManualTime()->Unit(benchmark::kMillisecond);

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
    if (qEnvironmentVariableIsEmpty("TESSALY_WEBVIEW_MODULE"))
        qputenv("TESSALY_WEBVIEW_MODULE", TESSALY_WEBVIEW_MODULE);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication a(argc, argv);
    benchmark::Initialize(&argc, argv);
    // Wakes the blocking waits of pump() for their checks.
    QTimer tick;
    tick.start(2);
    Session s;
    session = &s;
    benchmark::RunSpecifiedBenchmarks();
    session = nullptr;
    return 0;
}
