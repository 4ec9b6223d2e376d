// The cost of one typed character with its re-highlight on the 20 MiB page
// file, for each language, on the file as it is and on a copy with every
// line break taken out (one 20 MB line); and a big file opened with the
// background pass: time to the first page, the longest slice, throughput.
#include "BenchCorpus.h"

#include "memo/SyntaxMemo.h"
#include "parser/BuiltinDefinitions.h"
#include "parser/SyntaxMemoParser.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
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
    std::vector<double> times;
    const std::int64_t scanned0 = memo.scannedCharacters();
    for (auto _ : state) {
        memo.setSelStart(atEnd ? memo.textLength()
                               : static_cast<std::int64_t>(rng() % static_cast<std::uint64_t>(memo.textLength())));
        const auto t0 = Clock::now();
        memo.typeChar('q');
        const double s = std::chrono::duration<double>(Clock::now() - t0).count();
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
BENCHMARK(BM_TypeChar)
    ->ArgsProduct({{static_cast<int>(BuiltinLanguage::HTML), static_cast<int>(BuiltinLanguage::JavaScript),
                    static_cast<int>(BuiltinLanguage::VBScript), static_cast<int>(BuiltinLanguage::PlainText)},
                   {0, 1},
                   {0, 1}})
    ->UseManualTime()
    ->Iterations(2000);

// Open with the background pass: the first page at once, then 8 ms slices.
void BM_OpenWithBackgroundPass(benchmark::State& state)
{
    const std::string& text = corpusText(false);
    if (text.empty()) {
        state.SkipWithError("corpus missing");
        return;
    }
    TSyntaxMemoParser parser;
    loadParser(parser, BuiltinLanguage::HTML);
    for (auto _ : state) {
        tb::resetPeak();
        TSyntaxMemo memo;
        memo.setBackgroundHighlight(1 << 20);
        memo.setParser(1, &parser);
        memo.setActiveParser(1);
        std::istringstream in(text);
        const auto t0 = Clock::now();
        memo.loadFromStream(in);
        const auto t1 = Clock::now();
        double longest = 0;
        while (true) {
            const auto s0 = Clock::now();
            const bool more = memo.highlightSlice(std::chrono::milliseconds(8));
            longest = std::max(longest, std::chrono::duration<double>(Clock::now() - s0).count());
            if (!more)
                break;
        }
        const double pass = std::chrono::duration<double>(Clock::now() - t1).count();
        state.counters["open_ms"] = std::chrono::duration<double, std::milli>(t1 - t0).count();
        state.counters["longest_slice_ms"] = longest * 1e3;
        state.counters["pass_MBps"] = static_cast<double>(text.size()) / pass / 1e6;
        state.counters["peak_x_file"] = static_cast<double>(tb::memoryNow().peak) / static_cast<double>(text.size());
    }
}
BENCHMARK(BM_OpenWithBackgroundPass)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
