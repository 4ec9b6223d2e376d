// Compression and decompression speed of both methods on 2 MiB of corpus
// pages, beside gzip -1 / gzip -d on the same bytes (run as a separate
// process, so the gzip figures include one process start per iteration;
// all figures are wall-clock time for that reason).
//
// Input: /tmp/corpus-2mb.html when present (make-big.sh 2 /tmp/corpus-2mb.html),
// else the corpus pages concatenated up to 2 MiB. Skips when neither exists.
#include "parser/compress/Compressor.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using tessaly::parser::TCompressor;

namespace {

constexpr std::size_t kSize = 2 * 1024 * 1024;

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

const std::string& corpus()
{
    static const std::string data = [] {
        namespace fs = std::filesystem;
        std::error_code ec;
        if (fs::exists("/tmp/corpus-2mb.html", ec))
            return readFile("/tmp/corpus-2mb.html");
        std::vector<fs::path> files;
        const fs::path root = std::string(TESSALY_SHARED_DIR) + "/corpus";
        for (const auto& e : fs::recursive_directory_iterator(root, ec))
            if (e.is_regular_file() && e.path().extension() != ".md" && e.path().extension() != ".sh")
                files.push_back(e.path());
        std::sort(files.begin(), files.end());
        std::string out;
        for (std::size_t i = 0; !files.empty() && out.size() < kSize; ++i)
            out += readFile(files[i % files.size()]);
        out.resize(std::min(out.size(), kSize));
        return out;
    }();
    return data;
}

bool haveCorpus(benchmark::State& state)
{
    if (corpus().empty()) {
        state.SkipWithError("corpus missing");
        return false;
    }
    return true;
}

void compress(benchmark::State& state, TCompressor::Method method)
{
    if (!haveCorpus(state))
        return;
    std::size_t packed = 0;
    for (auto _ : state) {
        const std::string c = TCompressor::compressBytes(corpus(), method);
        packed = c.size();
        benchmark::DoNotOptimize(c.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(corpus().size()));
    state.counters["ratio_pct"] = 100.0 * double(packed) / double(corpus().size());
}

void decompress(benchmark::State& state, TCompressor::Method method)
{
    if (!haveCorpus(state))
        return;
    const std::string c = TCompressor::compressBytes(corpus(), method);
    for (auto _ : state) {
        const std::string d = TCompressor::decompressBytes(c);
        benchmark::DoNotOptimize(d.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(corpus().size()));
}

void BM_BlockCompress(benchmark::State& s) { compress(s, TCompressor::Method::block); }
void BM_BlockDecompress(benchmark::State& s) { decompress(s, TCompressor::Method::block); }
void BM_LzhufCompress(benchmark::State& s) { compress(s, TCompressor::Method::lzhuf); }
void BM_LzhufDecompress(benchmark::State& s) { decompress(s, TCompressor::Method::lzhuf); }

// gzip on the same bytes, through a temporary file.
void gzip(benchmark::State& state, bool decompress)
{
    if (!haveCorpus(state))
        return;
    if (std::system("gzip --version > /dev/null 2>&1") != 0) {
        state.SkipWithError("gzip not found");
        return;
    }
    const auto dir = std::filesystem::temp_directory_path();
    const std::string plain = (dir / "tessaly-bench-corpus").string();
    std::ofstream(plain, std::ios::binary) << corpus();
    if (std::system(("gzip -1 -c " + plain + " > " + plain + ".gz").c_str()) != 0) {
        state.SkipWithError("gzip failed");
        return;
    }
    const std::string command =
        decompress ? "gzip -d -c " + plain + ".gz > /dev/null" : "gzip -1 -c " + plain + " > /dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("gzip failed");
            break;
        }
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(corpus().size()));
    state.counters["ratio_pct"] = 100.0 * double(std::filesystem::file_size(plain + ".gz")) / double(corpus().size());
    std::filesystem::remove(plain);
    std::filesystem::remove(plain + ".gz");
}

void BM_Gzip1Compress(benchmark::State& s) { gzip(s, false); }
void BM_GzipDecompress(benchmark::State& s) { gzip(s, true); }

} // namespace

BENCHMARK(BM_BlockCompress)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BlockDecompress)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LzhufCompress)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LzhufDecompress)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Gzip1Compress)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_GzipDecompress)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
