// Typing into a modified 20 MiB page while recovery files are written: the
// cost of each typed character (with its re-highlight) while a worker
// encodes and writes the recovery file from the last snapshot, as the
// recovery keeper does, and the cost of taking that snapshot on the typing
// thread. Snapshots are taken every 200 keys, far more often than the
// keeper's 2 s, so the worker is busy for most of the run. Argument 0 types
// without recovery writes, as the baseline on the same machine and load.
#include "BenchCorpus.h"

#include "app/RecoveryFile.h"
#include "memo/SyntaxMemo.h"
#include "parser/BuiltinDefinitions.h"
#include "parser/runtime/SyntaxMemoParser.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <fstream>
#include <memory>
#include <mutex>
#include <random>
#include <sstream>
#include <thread>
#include <vector>

#include <unistd.h>

namespace tb = tessaly::bench;
using tessaly::app::TRecoveryRecord;
using tessaly::memo::TSyntaxMemo;
using tessaly::parser::BuiltinLanguage;
using tessaly::parser::TSyntaxMemoParser;
using Clock = std::chrono::steady_clock;

namespace {

// One record at a time, newest wins: what the keeper's pool sees when a
// write is still running as the next snapshot comes.
class RecoveryWriter {
public:
    explicit RecoveryWriter(std::filesystem::path file)
        : file_(std::move(file))
        , worker_([this] { run(); })
    {
    }
    ~RecoveryWriter()
    {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        wake_.notify_one();
        worker_.join();
        std::error_code ec;
        std::filesystem::remove(file_, ec);
    }
    void post(std::shared_ptr<TRecoveryRecord> r)
    {
        {
            std::lock_guard lock(mutex_);
            next_ = std::move(r);
        }
        wake_.notify_one();
    }
    int written() const { return written_; }

private:
    void run()
    {
        for (;;) {
            std::shared_ptr<TRecoveryRecord> r;
            {
                std::unique_lock lock(mutex_);
                wake_.wait(lock, [this] { return stop_ || next_; });
                if (stop_)
                    return;
                r = std::move(next_);
            }
            tessaly::app::writeRecoveryFile(file_, tessaly::app::encodeRecovery(*r));
            ++written_;
        }
    }

    std::filesystem::path file_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::shared_ptr<TRecoveryRecord> next_;
    bool stop_ = false;
    std::atomic<int> written_{0};
    std::thread worker_;
};

void BM_TypeWhileRecoveryWrites(benchmark::State& state)
{
    const auto corpus = tb::bigCorpus(20);
    if (corpus.empty()) {
        state.SkipWithError("corpus missing");
        return;
    }
    TSyntaxMemoParser parser;
    parser.setParser(tessaly::parser::builtinParserForm(BuiltinLanguage::HTML));
    TSyntaxMemo memo;
    memo.setParser(1, &parser);
    memo.setActiveParser(1);
    memo.loadFromFile(corpus);
    const bool withRecovery = state.range(0) != 0;
    std::mt19937_64 rng(17);
    std::vector<double> keys;
    std::vector<double> snapshots;
    {
        RecoveryWriter writer(std::filesystem::temp_directory_path()
                              / ("tessaly-bench-" + std::to_string(::getpid()) + ".recovery"));
        int n = 0;
        for (auto _ : state) {
            memo.setSelStart(static_cast<std::int64_t>(rng() % static_cast<std::uint64_t>(memo.textLength())));
            const auto t0 = Clock::now();
            memo.typeChar('q');
            const double s = std::chrono::duration<double>(Clock::now() - t0).count();
            keys.push_back(s);
            state.SetIterationTime(s);
            if (withRecovery && ++n % 200 == 0) {
                const auto s0 = Clock::now();
                auto r = std::make_shared<TRecoveryRecord>();
                r->text = memo.textRange(0, memo.textLength());
                r->caret = memo.selStart();
                r->format = memo.textFormat();
                snapshots.push_back(std::chrono::duration<double>(Clock::now() - s0).count());
                writer.post(std::move(r));
            }
        }
        state.counters["recovery_writes"] = writer.written();
    }
    std::sort(keys.begin(), keys.end());
    std::sort(snapshots.begin(), snapshots.end());
    if (!keys.empty()) {
        state.counters["p50_us"] = keys[keys.size() / 2] * 1e6;
        state.counters["p99_us"] = keys[keys.size() * 99 / 100] * 1e6;
    }
    if (!snapshots.empty())
        state.counters["snapshot_ms"] = snapshots[snapshots.size() / 2] * 1e3;
}
BENCHMARK(BM_TypeWhileRecoveryWrites)->Arg(0)->Arg(1)->UseManualTime()->Iterations(4000);

} // namespace

BENCHMARK_MAIN();
