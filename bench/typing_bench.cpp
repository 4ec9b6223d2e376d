// The cost of one typed character with its re-highlight on the 20 MiB page
// file, for each language, on the file as it is and on a copy with every
// line break taken out (one 20 MB line); and a big file opened with the
// background pass: time to the first page, the longest slice, throughput.
#include "BenchCorpus.h"

#include "memo/HighlightSliceBudget.h"
#include "memo/SyntaxMemo.h"
#include "parser/BuiltinDefinitions.h"
#include "parser/runtime/SyntaxMemoParser.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <vector>

namespace tb = tessaly::bench;
using tessaly::memo::TSyntaxMemo;
using tessaly::parser::BuiltinLanguage;
using tessaly::parser::TSyntaxMemoParser;
using Clock = std::chrono::steady_clock;

namespace {

const std::string& corpusText(bool oneLine)
{
    static std::string lines, line;
    std::string& s = oneLine ? line : lines;
    if (s.empty()) {
        const auto file = tb::bigCorpus(20);
        if (file.empty())
            return s;
        std::ifstream in(file, std::ios::binary);
        std::ostringstream all;
        all << in.rdbuf();
        s = all.str();
        if (oneLine)
            s.erase(std::remove_if(s.begin(), s.end(), [](char c) { return c == '\r' || c == '\n'; }), s.end());
    }
    return s;
}

void loadParser(TSyntaxMemoParser& p, BuiltinLanguage language)
{
    if (language == BuiltinLanguage::PlainText)
        p.compile(std::string(tessaly::parser::plainTextScript()));
    else
        p.setParser(tessaly::parser::builtinParserForm(language));
}

// Arguments: language (0..3), one line (0/1), at the end (0/1).
void BM_TypeChar(benchmark::State& state)
{
    const BuiltinLanguage language = static_cast<BuiltinLanguage>(state.range(0));
    const std::string& text = corpusText(state.range(1) != 0);
    if (text.empty()) {
        state.SkipWithError("corpus missing");
        return;
    }
    TSyntaxMemoParser parser;
    loadParser(parser, language);
    TSyntaxMemo memo;
    memo.setParser(1, &parser);
    memo.setActiveParser(1);
    std::istringstream in(text);
    memo.loadFromStream(in);
    const bool atEnd = state.range(2) != 0;
    std::mt19937_64 rng(4);
    std::vector<double> times, cpu;
    const std::int64_t scanned0 = memo.scannedCharacters();
    for (auto _ : state) {
        memo.setSelStart(atEnd ? memo.textLength()
                               : static_cast<std::int64_t>(rng() % static_cast<std::uint64_t>(memo.textLength())));
        const auto t0 = Clock::now();
        const double c0 = tb::threadCpuSeconds();
        memo.typeChar('q');
        cpu.push_back(tb::threadCpuSeconds() - c0);
        const double s = std::chrono::duration<double>(Clock::now() - t0).count();
        times.push_back(s);
        state.SetIterationTime(s);
    }
    std::sort(times.begin(), times.end());
    std::sort(cpu.begin(), cpu.end());
    if (!times.empty()) {
        state.counters["p50_us"] = times[times.size() / 2] * 1e6;
        state.counters["p99_us"] = times[times.size() * 99 / 100] * 1e6;
        // Thread CPU time: what a busy machine's waits leave out.
        state.counters["p50_cpu_us"] = cpu[cpu.size() / 2] * 1e6;
        state.counters["p99_cpu_us"] = cpu[cpu.size() * 99 / 100] * 1e6;
        state.counters["scanned_per_key"] = static_cast<double>(memo.scannedCharacters() - scanned0)
            / static_cast<double>(times.size());
    }
}
BENCHMARK(BM_TypeChar)
    ->ArgsProduct({{static_cast<int>(BuiltinLanguage::HTML), static_cast<int>(BuiltinLanguage::JavaScript),
                    static_cast<int>(BuiltinLanguage::VBScript), static_cast<int>(BuiltinLanguage::PlainText)},
                   {0, 1},
                   {0, 1}})
    ->UseManualTime()
    ->Iterations(2000);

// Open with the background pass: the first page at once, then slices of the
// editor's own budget.
// Argument: the size of the page file in MiB (made once by make-big.sh).
// The editor's settings: a file is shown once 2 MB of it are read, and
// the rest is read in slices before the pass goes on. open_ms is the open
// up to the first page's values (the check of the whole file included);
// read_rest_ms the time the slices take to read the rest; longest_slice_ms
// the longest time the event loop would wait for a slice, reading or
// highlighting; pass_MBps the speed of the pass after the reading (each also
// as thread CPU time, *_cpu, which a busy machine inflates less);
// peak_x_file the peak resident memory the editor added in the first open,
// as a multiple of the file.
void BM_OpenWithBackgroundPass(benchmark::State& state)
{
    const auto file = tb::bigCorpus(static_cast<int>(state.range(0)));
    if (file.empty()) {
        state.SkipWithError("corpus missing");
        return;
    }
    const double size = static_cast<double>(std::filesystem::file_size(file));
    TSyntaxMemoParser parser;
    loadParser(parser, BuiltinLanguage::HTML);
    std::vector<double> open, openCpu, rest, restCpu, longest, longestCpu, longestRead, pass, passCpu;
    double peak = -1;
    for (auto _ : state) {
        const tb::Memory base = tb::memoryNow();
        tb::resetPeak();
        auto memo = std::make_unique<TSyntaxMemo>();
        memo->setBackgroundHighlight(1 << 20);
        memo->setLoadInSlices(2 << 20);
        memo->setParser(1, &parser);
        memo->setActiveParser(1);
        const auto t0 = Clock::now();
        const double c0 = tb::threadCpuSeconds();
        memo->loadFromFile(file);
        const auto t1 = Clock::now();
        const double c1 = tb::threadCpuSeconds();
        double slice = 0, sliceCpu = 0, readSlice = 0;
        // When the reading ends and the pass alone goes on.
        auto t2 = t1;
        double c2 = c1;
        bool reading = memo->loadPending();
        while (true) {
            const auto s0 = Clock::now();
            const double sc = tb::threadCpuSeconds();
            const bool more = memo->highlightSlice(tessaly::memo::kHighlightSliceBudget);
            slice = std::max(slice, std::chrono::duration<double>(Clock::now() - s0).count());
            if (reading)
                readSlice = std::max(readSlice, std::chrono::duration<double>(Clock::now() - s0).count());
            sliceCpu = std::max(sliceCpu, tb::threadCpuSeconds() - sc);
            if (reading && !memo->loadPending()) {
                reading = false;
                t2 = Clock::now();
                c2 = tb::threadCpuSeconds();
            }
            if (!more)
                break;
        }
        const double seconds = std::chrono::duration<double>(Clock::now() - t2).count();
        open.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
        openCpu.push_back((c1 - c0) * 1e3);
        rest.push_back(std::chrono::duration<double, std::milli>(t2 - t1).count());
        restCpu.push_back((c2 - c1) * 1e3);
        longest.push_back(slice * 1e3);
        longestRead.push_back(readSlice * 1e3);
        longestCpu.push_back(sliceCpu * 1e3);
        pass.push_back(size / seconds / 1e6);
        passCpu.push_back(size / (tb::threadCpuSeconds() - c2) / 1e6);
        if (peak < 0)
            peak = static_cast<double>(tb::memoryNow().peak - base.resident) / size;
        memo.reset();
    }
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v.empty() ? 0.0 : v[v.size() / 2];
    };
    state.counters["open_ms"] = median(open);
    state.counters["open_cpu_ms"] = median(openCpu);
    state.counters["read_rest_ms"] = median(rest);
    state.counters["read_rest_cpu_ms"] = median(restCpu);
    state.counters["longest_slice_ms"] = median(longest);
    state.counters["longest_slice_cpu_ms"] = median(longestCpu);
    state.counters["longest_read_slice_ms"] = median(longestRead);
    state.counters["pass_MBps"] = median(pass);
    state.counters["pass_cpu_MBps"] = median(passCpu);
    state.counters["peak_x_file"] = peak;
}
BENCHMARK(BM_OpenWithBackgroundPass)->Arg(20)->Arg(200)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
