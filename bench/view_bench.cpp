// The editor widget under the offscreen platform on the 20 MB page file:
// a full repaint of a 50 x 150 view, a typed character to the end of its
// repaint, and PageDown through the whole file.
#include "BenchCorpus.h"
#include "memo/KeyCommands.h"
#include "parser/BuiltinDefinitions.h"
#include "parser/runtime/SyntaxMemoParser.h"
#include "widgets/SyntaxMemoView.h"

#include <QApplication>
#include <QKeyEvent>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <memory>
#include <vector>

namespace {

using tessaly::widgets::TSyntaxMemoView;
using Clock = std::chrono::steady_clock;

double ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

// One view of 50 lines by 150 columns holding the big file, made once.
TSyntaxMemoView& bigView()
{
    static std::unique_ptr<TSyntaxMemoView> view;
    if (!view) {
        view = std::make_unique<TSyntaxMemoView>();
        view->memo().setOptions({tessaly::memo::TSyntaxMemoOption::smoShowGutter,
                                 tessaly::memo::TSyntaxMemoOption::smoShowRMargin});
        view->resize(800, 600);
        view->show();
        const QSize extra = view->size() - view->viewport()->size();
        view->resize(view->textLeft() + 150 * view->charWidth() + extra.width(), 50 * view->lineHeight() + extra.height());
        QApplication::processEvents();
        // Highlighted with the built-in HTML parser, in its styles.
        static tessaly::parser::TSyntaxMemoParser html;
        html.setParser(tessaly::parser::builtinParserForm(tessaly::parser::BuiltinLanguage::HTML));
        for (int v = 0; v < 256; ++v)
            view->setTokenStyle(static_cast<std::uint8_t>(v), html.tokenStyle(static_cast<std::uint8_t>(v)));
        view->memo().setParser(1, &html);
        view->memo().setActiveParser(1);
        std::ifstream in(tessaly::bench::bigCorpus(20), std::ios::binary);
        view->memo().loadFromStream(in);
        view->setFocus();
        QApplication::processEvents();
    }
    return *view;
}

void flush()
{
    QApplication::processEvents();
}

void report(benchmark::State& state, std::vector<double>& times)
{
    std::sort(times.begin(), times.end());
    if (times.empty())
        return;
    state.counters["median_ms"] = times[times.size() / 2];
    state.counters["max_ms"] = times.back();
    state.counters["steps"] = static_cast<double>(times.size());
    state.counters["over_16ms"] = static_cast<double>(times.end() - std::upper_bound(times.begin(), times.end(), 16.0));
}

void BM_FullRepaint50x150(benchmark::State& state)
{
    TSyntaxMemoView& view = bigView();
    view.memo().setTopLine(view.memo().store().recordCount().value() / 2);
    flush();
    std::vector<double> times;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        view.viewport()->repaint();
        times.push_back(ms(Clock::now() - t0));
    }
    report(state, times);
}
BENCHMARK(BM_FullRepaint50x150)->Unit(benchmark::kMillisecond);

void BM_TypedCharToRepaint(benchmark::State& state)
{
    TSyntaxMemoView& view = bigView();
    auto& memo = view.memo();
    const std::int64_t rec = memo.store().recordCount().value() / 3;
    memo.setSelStart(memo.store().recordStart(tessaly::memo::TRecordIndex(rec)).value() + 3);
    flush();
    std::vector<double> times;
    int typed = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(&view, &press);
        flush();
        times.push_back(ms(Clock::now() - t0));
        if (++typed == 200) {
            // Keep the line short: take the typed characters out again.
            state.PauseTiming();
            memo.setSelection(memo.caret() - typed, memo.caret(), true);
            memo.setSelText({});
            memo.clearUndo();
            flush();
            typed = 0;
            state.ResumeTiming();
        }
    }
    report(state, times);
}
BENCHMARK(BM_TypedCharToRepaint)->Unit(benchmark::kMillisecond);

void BM_PageDownThroughTheFile(benchmark::State& state)
{
    TSyntaxMemoView& view = bigView();
    auto& memo = view.memo();
    std::vector<double> times;
    for (auto _ : state) {
        memo.setSelStart(0);
        memo.setTopLine(0);
        flush();
        times.clear();
        const std::int64_t last = memo.store().recordCount().value() - 1;
        while (memo.store().recordOf(tessaly::memo::TTextOffset(memo.caret())).value() < last) {
            const auto t0 = Clock::now();
            QKeyEvent press(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
            QApplication::sendEvent(&view, &press);
            flush();
            times.push_back(ms(Clock::now() - t0));
        }
    }
    report(state, times);
}
BENCHMARK(BM_PageDownThroughTheFile)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
