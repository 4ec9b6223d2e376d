// Searches built to backtrack for ever, over 1 MiB: each must end, with a
// match or with "Expression too complex", in well under a second. The
// counters tell how it ended (found, tooComplex) and how many steps it took.
#include "memo/CharBlocks.h"
#include "memo/regex/REParser.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace tessaly::memo;

namespace {

constexpr std::size_t kSize = std::size_t{1} << 20;

const std::string& lineOfA()
{
    static const std::string text(kSize, 'a');
    return text;
}

const std::string& eightyColumnLines()
{
    static const std::string text = [] {
        std::string t;
        while (t.size() < kSize)
            t += "the quick brown cat jumps over the lazy dog and keeps on running along the lin\r"; // no x
        return t;
    }();
    return text;
}

void searchOnce(benchmark::State& state, const std::string& pattern, const std::string& text, bool forward)
{
    TREParser re;
    if (!re.compile(pattern)) {
        state.SkipWithError(re.errorText().c_str());
        return;
    }
    TStringBlockStream stream(text);
    bool found = false;
    for (auto _ : state) {
        stream.setPosition(forward ? 0 : stream.size());
        found = re.match(stream, forward);
        benchmark::DoNotOptimize(found);
    }
    state.counters["found"] = found ? 1 : 0;
    state.counters["tooComplex"] = re.errorId() == TREError::TooComplex ? 1 : 0;
    state.counters["steps"] = static_cast<double>(re.steps());
}

std::string twentyOptional()
{
    std::string p;
    for (int i = 0; i < 20; ++i)
        p += "a?";
    return p + std::string(20, 'a') + "b";
}

void BM_StarThenMissingLiteral(benchmark::State& state) { searchOnce(state, "a*b", lineOfA(), true); }
void BM_StarThenMissingClass(benchmark::State& state) { searchOnce(state, "a*[bc]", lineOfA(), true); }
void BM_ThreeWildcardsOnLines(benchmark::State& state) { searchOnce(state, ".*.*.*x", eightyColumnLines(), true); }
void BM_ThreeWildcardsLiteralAtEnd(benchmark::State& state)
{
    static const std::string text = eightyColumnLines() + "x";
    searchOnce(state, ".*.*.*x", text, true);
}
void BM_TwentyOptional(benchmark::State& state) { searchOnce(state, twentyOptional(), lineOfA(), true); }
void BM_NineGroupsBackward(benchmark::State& state)
{
    searchOnce(state, "(a*)(a*)(a*)(a*)(a*)(a*)(a*)(a*)(a*)[bc]", lineOfA(), false);
}
void BM_NoShortcutForward(benchmark::State& state) { searchOnce(state, "x?a*[bc]", lineOfA(), true); }

} // namespace

BENCHMARK(BM_StarThenMissingLiteral)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StarThenMissingClass)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThreeWildcardsOnLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThreeWildcardsLiteralAtEnd)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TwentyOptional)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NineGroupsBackward)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NoShortcutForward)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
