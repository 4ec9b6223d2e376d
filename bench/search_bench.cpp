// Plain search and regular-expression search over a few MB of real pages.
// The text comes from $TESSALY_BENCH_FILE, else /tmp/corpus-4mb.html (made by
// ../shared/corpus/make-big.sh 4 /tmp/corpus-4mb.html); without it the
// benchmarks are skipped.
#include "memo/CharBlocks.h"
#include "memo/EdStream.h"
#include "memo/LineBlockStream.h"
#include "memo/PlainSearch.h"
#include "memo/regex/REParser.h"
#include "memo/SearchFlags.h"
#include "memo/SyntaxMemo.h"
#include "memo/TextFinder.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace tessaly::memo;

namespace {

// The corpus in the store's form: every line break a single CR.
const std::string& corpus()
{
    static const std::string text = [] {
        const char* env = std::getenv("TESSALY_BENCH_FILE");
        std::ifstream in(env ? env : "/tmp/corpus-4mb.html", std::ios::binary);
        std::stringstream raw;
        raw << in.rdbuf();
        const std::string bytes = raw.str();
        std::string out;
        out.reserve(bytes.size());
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const char c = bytes[i];
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                continue;
            out.push_back(c == '\n' ? '\r' : c);
        }
        return out;
    }();
    return text;
}

bool haveCorpus(benchmark::State& state)
{
    if (!corpus().empty())
        return true;
    state.SkipWithError("no corpus file: run ../shared/corpus/make-big.sh 4 /tmp/corpus-4mb.html");
    return false;
}

template <class Stream>
void plainCount(benchmark::State& state, const char* word, TSearchOptions options)
{
    if (!haveCorpus(state))
        return;
    const std::string& text = corpus();
    TPlainSearch search;
    std::int64_t count = 0;
    Stream stream(text);
    for (auto _ : state) {
        count = 0;
        for (std::int64_t at = 0; (at = search.find(stream, word, at, options)) >= 0; ++at)
            ++count;
        benchmark::DoNotOptimize(count);
    }
    state.counters["matches"] = static_cast<double>(count);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
}

template <class Stream>
void regexCount(benchmark::State& state, const char* pattern)
{
    if (!haveCorpus(state))
        return;
    const std::string& text = corpus();
    TREParser re;
    if (!re.compile(pattern)) {
        state.SkipWithError(re.errorText().c_str());
        return;
    }
    std::int64_t count = 0;
    Stream stream(text);
    for (auto _ : state) {
        stream.setPosition(0);
        count = 0;
        while (re.match(stream, true)) {
            ++count;
            const std::int64_t end = re.matchEnd();
            stream.setPosition(end > re.matchStart() ? end : end + 1);
            if (re.matchStart() >= stream.size())
                break;
        }
        benchmark::DoNotOptimize(count);
    }
    state.counters["matches"] = static_cast<double>(count);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
}

void BM_PlainRareWord(benchmark::State& state) { plainCount<TStringBlockStream>(state, "Quetzalcoatl", {}); }
void BM_PlainRareWordCase(benchmark::State& state)
{
    plainCount<TStringBlockStream>(state, "Quetzalcoatl", {true, false, false});
}
void BM_PlainRareWordUpward(benchmark::State& state)
{
    if (!haveCorpus(state))
        return;
    const std::string& text = corpus();
    TPlainSearch search;
    for (auto _ : state) {
        TStringBlockStream stream(text);
        benchmark::DoNotOptimize(search.find(stream, "Quetzalcoatl", stream.size(), {false, false, true}));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
}
void BM_PlainCountDiv(benchmark::State& state) { plainCount<TStringBlockStream>(state, "div", {}); }
void BM_PlainCountDivWholeWord(benchmark::State& state)
{
    plainCount<TStringBlockStream>(state, "div", {false, true, false});
}
// A stream without block access: the search reads through copied windows.
void BM_PlainRareWordCharStream(benchmark::State& state) { plainCount<TStringStream>(state, "Quetzalcoatl", {}); }

// Through line records, as the editor's store will hand them out.
void BM_PlainRareWordLines(benchmark::State& state) { plainCount<TLineBlockStream>(state, "Quetzalcoatl", {}); }

void BM_RegexTags(benchmark::State& state) { regexCount<TStringBlockStream>(state, "<[a-z]+"); }
void BM_RegexRareLiteral(benchmark::State& state) { regexCount<TStringBlockStream>(state, "Quetzalcoatl"); }
void BM_RegexAttribute(benchmark::State& state)
{
    regexCount<TStringBlockStream>(state, "(class|id)=\\\"[^\\\"]*\\\"");
}
void BM_RegexTagsCharStream(benchmark::State& state) { regexCount<TStringStream>(state, "<[a-z]+"); }
void BM_RegexTagsLines(benchmark::State& state) { regexCount<TLineBlockStream>(state, "<[a-z]+"); }

// Through the editor's own store, counted as the command-line find counts:
// every match taken after the one before by the editor's finder.
void storeCount(benchmark::State& state, const char* pattern, int flags)
{
    if (!haveCorpus(state))
        return;
    static TSyntaxMemo memo;
    if (memo.textLength() == 0) {
        std::istringstream in(corpus());
        memo.loadFromStream(in);
    }
    TTextFinder finder;
    std::int64_t count = 0;
    for (auto _ : state) {
        TEdStream stream(memo.store());
        count = 0;
        for (std::int64_t at = 0; at <= memo.textLength();) {
            const auto match = finder.find(stream, pattern, flags, at);
            if (!match)
                break;
            ++count;
            at = match->end > match->start ? match->end : match->start + 1;
        }
        benchmark::DoNotOptimize(count);
    }
    state.counters["matches"] = static_cast<double>(count);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * memo.textLength());
}
void BM_StoreRareWord(benchmark::State& state) { storeCount(state, "Quetzalcoatl", 0); }
void BM_StoreRareWordCase(benchmark::State& state) { storeCount(state, "Quetzalcoatl", TSearchFlags::MatchCase); }
void BM_StoreCountDiv(benchmark::State& state) { storeCount(state, "div", 0); }
void BM_StoreRegexTags(benchmark::State& state) { storeCount(state, "<[a-z]+", TSearchFlags::RegExp); }

} // namespace

BENCHMARK(BM_StoreRareWord)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StoreRareWordCase)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StoreCountDiv)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StoreRegexTags)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainRareWord)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainRareWordCase)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainRareWordUpward)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainCountDiv)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainCountDivWholeWord)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainRareWordCharStream)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainRareWordLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RegexTags)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RegexRareLiteral)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RegexAttribute)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RegexTagsCharStream)->Unit(benchmark::kMillisecond);

BENCHMARK(BM_RegexTagsLines)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
