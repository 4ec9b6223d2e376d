// What a recovery snapshot costs the thread that takes it, on a 200 MiB
// page: the copy of the whole text at once (what a snapshot in one go
// stalls the event loop for) and the copy of one slice of the size the
// recovery keeper copies per event-loop turn. Reported as CPU time of the
// copying thread beside the wall clock, since the machine may be shared.
#include "BenchCorpus.h"

#include "memo/SyntaxMemo.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace tb = tessaly::bench;
using tessaly::memo::TSyntaxMemo;
using tessaly::memo::TTextOffset;
using Clock = std::chrono::steady_clock;

namespace {

constexpr std::int64_t kSliceBytes = std::int64_t{2} << 20; // as TRecoveryKeeper::kSliceBytes

TSyntaxMemo* bigMemo()
{
    static std::unique_ptr<TSyntaxMemo> memo = [] {
        auto m = std::make_unique<TSyntaxMemo>();
        const auto corpus = tb::bigCorpus(200);
        if (!corpus.empty())
            m->loadFromFile(corpus);
        return m;
    }();
    return memo->textLength() > 0 ? memo.get() : nullptr;
}

// Copies [start, end) piece by piece into out, as the document window does.
void copyRange(const TSyntaxMemo& memo, std::int64_t start, std::int64_t end, std::string& out)
{
    memo.store().pieces(TTextOffset(start), TTextOffset(end), [&](std::string_view p) { out.append(p); });
}

void report(benchmark::State& state, double cpu, double wall)
{
    state.counters["cpu_ms"] = cpu * 1e3;
    state.counters["wall_ms"] = wall * 1e3;
}

void BM_SnapshotWhole(benchmark::State& state)
{
    TSyntaxMemo* memo = bigMemo();
    if (!memo) {
        state.SkipWithError("corpus missing");
        return;
    }
    double cpu = 0, wall = 0;
    for (auto _ : state) {
        const double c0 = tb::threadCpuSeconds();
        const auto t0 = Clock::now();
        std::string text = memo->textRange(0, memo->textLength());
        cpu += tb::threadCpuSeconds() - c0;
        wall += std::chrono::duration<double>(Clock::now() - t0).count();
        benchmark::DoNotOptimize(text.data());
    }
    report(state, cpu / static_cast<double>(state.iterations()), wall / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_SnapshotWhole)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_SnapshotSlice(benchmark::State& state)
{
    TSyntaxMemo* memo = bigMemo();
    if (!memo) {
        state.SkipWithError("corpus missing");
        return;
    }
    // Every pass copies into fresh memory, as each snapshot does: the first
    // touch of its pages is part of the cost.
    std::string text;
    std::int64_t at = memo->textLength();
    double cpu = 0, wall = 0;
    for (auto _ : state) {
        if (at >= memo->textLength()) {
            at = 0;
            text = std::string();
            text.reserve(static_cast<std::size_t>(memo->textLength()));
        }
        const std::int64_t end = std::min(at + kSliceBytes, memo->textLength());
        const double c0 = tb::threadCpuSeconds();
        const auto t0 = Clock::now();
        copyRange(*memo, at, end, text);
        cpu += tb::threadCpuSeconds() - c0;
        wall += std::chrono::duration<double>(Clock::now() - t0).count();
        at = end;
    }
    report(state, cpu / static_cast<double>(state.iterations()), wall / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_SnapshotSlice)->Unit(benchmark::kMillisecond)->Iterations(100);

} // namespace

BENCHMARK_MAIN();
