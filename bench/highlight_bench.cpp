// Highlighting the 20 MiB corpus page file with the built-in HTML parser:
// a full highlight, and typed characters with their re-highlight.
#include "BenchCorpus.h"

#include "memo/SyntaxMemo.h"
#include "parser/BuiltinDefinitions.h"
#include "parser/runtime/SyntaxMemoParser.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <random>
#include <vector>

namespace tb = tessaly::bench;
using tessaly::memo::TSyntaxMemo;
using tessaly::parser::BuiltinLanguage;
using tessaly::parser::TSyntaxMemoParser;

namespace {

// The 20 MiB page file; an empty path (and the benchmark skipped) without it.
std::filesystem::path corpusOrSkip(benchmark::State& state)
{
    auto file = tb::bigCorpus(20);
    if (file.empty())
        state.SkipWithError("corpus missing");
    return file;
}

// The built-in web page language, as the program loads it.
void loadHtml(TSyntaxMemoParser& parser)
{
    parser.setParser(tessaly::parser::builtinParserForm(BuiltinLanguage::HTML));
}

void BM_LoadAndHighlightHtml(benchmark::State& state)
{
    const auto file = corpusOrSkip(state);
    if (file.empty())
        return;
    const double size = static_cast<double>(std::filesystem::file_size(file));
    TSyntaxMemoParser parser;
    loadHtml(parser);
    static tb::Memory base0, after0;
    for (auto _ : state) {
        state.PauseTiming();
        auto memo = std::make_unique<TSyntaxMemo>();
        const tb::Memory base = tb::memoryNow();
        tb::resetPeak();
        memo->setParser(1, &parser);
        memo->setActiveParser(1);
        state.ResumeTiming();
        memo->loadFromFile(file); // loading highlights the whole text
        state.PauseTiming();
        if (base0.resident == 0) {
            base0 = base;
            after0 = tb::memoryNow();
        }
        memo.reset();
        state.ResumeTiming();
    }
    state.counters["peak_x"] = static_cast<double>(after0.peak - base0.resident) / size;
    state.counters["resident_x"] = static_cast<double>(after0.resident - base0.resident) / size;
    state.SetBytesProcessed(static_cast<std::int64_t>(size) * state.iterations());
}
BENCHMARK(BM_LoadAndHighlightHtml)->Unit(benchmark::kMillisecond)->Iterations(3);

// The full highlight alone: switching the parser off drops the loaded
// document's values, switching it on scans every record again.
void BM_FullHighlightHtml(benchmark::State& state)
{
    const auto file = corpusOrSkip(state);
    if (file.empty())
        return;
    TSyntaxMemoParser parser;
    loadHtml(parser);
    TSyntaxMemo memo;
    memo.loadFromFile(file);
    memo.setParser(1, &parser);
    for (auto _ : state) {
        state.PauseTiming();
        memo.setActiveParser(0);
        state.ResumeTiming();
        memo.setActiveParser(1);
    }
    state.SetBytesProcessed(memo.textLength() * state.iterations());
}
BENCHMARK(BM_FullHighlightHtml)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_TypeCharWithRehighlight(benchmark::State& state)
{
    const auto file = corpusOrSkip(state);
    if (file.empty())
        return;
    TSyntaxMemoParser parser;
    loadHtml(parser);
    TSyntaxMemo memo;
    memo.setParser(1, &parser);
    memo.setActiveParser(1);
    memo.loadFromFile(file);
    std::mt19937_64 rng(4);
    std::vector<double> times;
    const std::int64_t scanned0 = memo.scannedCharacters();
    for (auto _ : state) {
        memo.setSelStart(static_cast<std::int64_t>(rng() % static_cast<std::uint64_t>(memo.textLength())));
        const auto t0 = std::chrono::steady_clock::now();
        memo.typeChar('q');
        const auto t1 = std::chrono::steady_clock::now();
        const double s = std::chrono::duration<double>(t1 - t0).count();
        times.push_back(s);
        state.SetIterationTime(s);
    }
    std::sort(times.begin(), times.end());
    if (!times.empty()) {
        state.counters["p50_us"] = times[times.size() / 2] * 1e6;
        state.counters["p99_us"] = times[times.size() * 99 / 100] * 1e6;
        state.counters["scanned_per_key"] = static_cast<double>(memo.scannedCharacters() - scanned0)
            / static_cast<double>(times.size());
    }
}
BENCHMARK(BM_TypeCharWithRehighlight)->UseManualTime()->Iterations(20000);

} // namespace

BENCHMARK_MAIN();
