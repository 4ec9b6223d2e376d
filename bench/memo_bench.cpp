// Editor engine timings on a large page file.
#include "BenchCorpus.h"

#include "memo/SyntaxMemo.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <malloc.h>
#include <fstream>
#include <string>
#include <random>
#include <sstream>

using tessaly::memo::TSyntaxMemo;
namespace tb = tessaly::bench;

namespace {

std::filesystem::path corpus()
{
    static const std::filesystem::path p = tb::bigCorpus(20);
    return p;
}

TSyntaxMemo& loadedMemo()
{
    static TSyntaxMemo memo;
    static bool done = false;
    if (!done) {
        memo.loadFromFile(corpus());
        done = true;
    }
    return memo;
}

void BM_LoadFromFile(benchmark::State& state)
{
    if (corpus().empty()) {
        state.SkipWithError("corpus missing");
        return;
    }
    const double size = static_cast<double>(std::filesystem::file_size(corpus()));
    for (auto _ : state) {
        state.PauseTiming();
        auto memo = std::make_unique<TSyntaxMemo>();
        const tb::Memory base = tb::memoryNow();
        tb::resetPeak();
        state.ResumeTiming();
        memo->loadFromFile(corpus());
        state.PauseTiming();
        // Memory is measured on the first load only: later loads reuse the
        // pages that the allocator kept from the one before.
        static tb::Memory base0, after0;
        if (base0.resident == 0) {
            base0 = base;
            after0 = tb::memoryNow();
        }
        state.counters["resident_x"] = static_cast<double>(after0.resident - base0.resident) / size;
        state.counters["peak_x"] = static_cast<double>(after0.peak - base0.resident) / size;
        memo.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(size) * state.iterations());
}
BENCHMARK(BM_LoadFromFile)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_SelStartThenSelText100(benchmark::State& state)
{
    TSyntaxMemo& m = loadedMemo();
    std::mt19937_64 rng(1);
    const std::int64_t len = m.textLength() - 200;
    for (auto _ : state) {
        const std::int64_t at = static_cast<std::int64_t>(rng() % static_cast<std::uint64_t>(len));
        m.setSelStart(at);
        m.setSelLength(100);
        benchmark::DoNotOptimize(m.selText());
    }
}
BENCHMARK(BM_SelStartThenSelText100);

void BM_TypeCharAtRandomPlace(benchmark::State& state)
{
    TSyntaxMemo& m = loadedMemo();
    std::mt19937_64 rng(2);
    for (auto _ : state) {
        const std::int64_t at = static_cast<std::int64_t>(rng() % static_cast<std::uint64_t>(m.textLength()));
        m.setSelStart(at);
        const auto t0 = std::chrono::steady_clock::now();
        m.typeChar('q');
        const auto t1 = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
    }
    m.clearUndo();
}
BENCHMARK(BM_TypeCharAtRandomPlace)->UseManualTime();

void BM_UndoLastOf100000Edits(benchmark::State& state)
{
    TSyntaxMemo& m = loadedMemo();
    m.clearUndo();
    std::mt19937_64 rng(3);
    const std::size_t before = ::mallinfo2().uordblks;
    for (int i = 0; i < 100000; ++i) {
        m.setSelStart(static_cast<std::int64_t>(rng() % static_cast<std::uint64_t>(m.textLength())));
        m.typeChar('u');
    }
    const std::size_t after = ::mallinfo2().uordblks;
    state.counters["history_accounted_MB"] = static_cast<double>(m.undoStack().totalSize()) / 1048576.0;
    state.counters["history_heap_MB"] = (static_cast<double>(after) - static_cast<double>(before)) / 1048576.0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        m.undo();
        const auto t1 = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
        m.redo();
    }
    m.clearUndo();
}
BENCHMARK(BM_UndoLastOf100000Edits)->UseManualTime();

void BM_SaveToFile(benchmark::State& state)
{
    TSyntaxMemo& m = loadedMemo();
    const auto out = std::filesystem::temp_directory_path() / "tessaly-bench-save.html";
    for (auto _ : state)
        m.saveToFile(out);
    state.SetBytesProcessed(static_cast<std::int64_t>(std::filesystem::file_size(out)) * state.iterations());
    std::filesystem::remove(out);
}
BENCHMARK(BM_SaveToFile)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

BENCHMARK_MAIN();
