// Compiling a definition script of realistic size, and reading its stored
// form back (what every parser does at program start).
#include "parser/ParserForm.h"
#include "parser/compiler/ScriptCompiler.h"
#include "parser/TableStream.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace tessaly::parser;

// A web-page-like definition: twelve states, 600 keywords spread over them,
// per-state start tables, effects, styles and a context set per script value.
std::string realisticScript()
{
    std::string s = "%%language\r\n name = 'Bench'\r\n case = __insensitive\r\n startstate = 0\r\n"
                    " anchor = [6 30 31 50 51]\r\n contextstates = (30 [1 5], 31 [1 5], 50 [1 6], 51 [1 6])\r\n"
                    " editablestyles = ('Default', 0, 'Keyword', 1, 'Comment', 2)\r\n%%words\r\n";
    const char* stems[] = {"alpha", "beta", "gamma", "delta", "epsilon", "zeta", "eta", "theta", "iota", "kappa"};
    int n = 0;
    for (int state = 0; state < 12; ++state)
        for (int i = 0; i < 50; ++i, ++n) {
            const std::string word = std::string(stems[i % 10]) + std::to_string(i / 10) + "s" + std::to_string(state);
            s += " '" + word + "' '[^a-z0-9_]' " + std::to_string(20 + (n % 200)) + " [" + std::to_string(state) +
                 "]\r\n";
        }
    s += " '<!--' '' 11 [0]\r\n '/*' '' 12 [5]\r\n '//' '' 13 [5]\r\n";
    s += "%%tokens\r\n 11 ? '' endswith * '-->'\r\n 12 ? '' endswith * '*/'\r\n 13 ? '[^\\n]' endswith '\\n'\r\n"
         " 3 match '[0-9]' (__STD_NUMBER)\r\n 4 match '[a-zA-Z_]' (__STD_IDENTIFIER)\r\n"
         " 5 match '\"' (__STD_HTML_STRING)\r\n";
    for (int state = 1; state < 12; ++state) {
        s += "%%tokens\r\n forstate " + std::to_string(state) + "\r\n";
        s += " 3 match '[0-9]' (__STD_NUMBER_OR_FP)\r\n 4 match '[a-zA-Z_]' (__STD_IDENTIFIER)\r\n";
        s += " 5 match '\"' (__STD_C_STRING)\r\n 6 match '\\'' (__STD_C_STRING_SQ)\r\n";
        s += " 7 match '[<>=!]' '[=]' endswith '[^=]'\r\n";
    }
    s += "%%states\r\n";
    for (int v = 20; v < 220; ++v)
        s += " " + std::to_string(v) + " = [" + std::to_string(v % 12) + " 0] + [" + std::to_string((v + 1) % 12) +
             "] - [" + std::to_string((v + 2) % 12) + "]\r\n";
    s += "%%map\r\n [20 21 22 23 24 25] = 1\r\n [11 12 13] = 2\r\n";
    s += "%%effects\r\n 0 = ([], clBlack, clWhite)\r\n 1 = ([fsBold], clNavy, clWhite, [*])\r\n"
         " 2 = ([fsItalic], clGray, clWhite, [*])\r\n";
    return s;
}

const std::string& script()
{
    static const std::string s = realisticScript();
    return s;
}

void BM_CompileScript(benchmark::State& state)
{
    for (auto _ : state) {
        TSM_ParserTables t;
        compileScript(script(), {}, t);
        benchmark::DoNotOptimize(t.keywords.keywords().size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * script().size()));
}
BENCHMARK(BM_CompileScript)->Unit(benchmark::kMillisecond);

void BM_ReadStoredForm(benchmark::State& state)
{
    TSM_ParserTables t;
    compileScript(script(), {}, t);
    const std::string form = writeParserForm(t);
    state.counters["form_bytes"] = static_cast<double>(form.size());
    state.counters["stream_bytes"] = static_cast<double>(writeTableStream(t).size());
    for (auto _ : state) {
        TSM_ParserTables back;
        readParserForm(form, back);
        benchmark::DoNotOptimize(back.keywords.keywords().size());
    }
}
BENCHMARK(BM_ReadStoredForm)->Unit(benchmark::kMillisecond);

void BM_ReadTableStream(benchmark::State& state)
{
    TSM_ParserTables t;
    compileScript(script(), {}, t);
    const std::string stream = writeTableStream(t);
    for (auto _ : state) {
        TSM_ParserTables back;
        readTableStream(stream, back);
        benchmark::DoNotOptimize(back.keywords.keywords().size());
    }
}
BENCHMARK(BM_ReadTableStream)->Unit(benchmark::kMillisecond);

void BM_WriteStoredForm(benchmark::State& state)
{
    TSM_ParserTables t;
    compileScript(script(), {}, t);
    for (auto _ : state)
        benchmark::DoNotOptimize(writeParserForm(t).size());
}
BENCHMARK(BM_WriteStoredForm)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
