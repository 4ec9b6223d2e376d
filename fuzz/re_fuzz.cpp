// Fuzz target for the regular-expression engine and the plain search.
// Input: one option byte, then the pattern up to the first 0 byte, then the
// text (run with -max_len=65536 so texts reach 64 KiB). Checks that nothing
// reads outside its buffers (the sanitizers), that every match lies inside
// the text with recorded positions in order, that a search with the
// editor's own budget ends within a second of CPU time, and, on short texts, that the
// search's shortcuts agree with trying every start position.
#include "memo/CharBlocks.h"
#include "memo/PlainSearch.h"
#include "memo/regex/REParser.h"
#include "memo/regex/REProgramCheck.h"
#include "memo/regex/REReplace.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <time.h>

using namespace tessaly::memo;

namespace {

// The editor's budget ends a search within a second of CPU time in a normal
// build. The sanitizers and coverage counters of this build make the engine
// about 25 times slower (the nine-group seed: 0.09 s plain, 2.2 s here), so
// the bound is scaled; a search without an overall bound still runs far past it.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TESSALY_FUZZ_INSTRUMENTED 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define TESSALY_FUZZ_INSTRUMENTED 1
#endif
#ifdef TESSALY_FUZZ_INSTRUMENTED
constexpr double kSearchSecondsLimit = 30.0;
#else
constexpr double kSearchSecondsLimit = 1.0;
#endif

// CPU time of this thread: a loaded machine must not turn into a finding.
double threadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void checkMatch(TREParser& re, std::int64_t size)
{
    const std::int64_t start = re.matchStart();
    const std::int64_t end = re.matchEnd();
    check(start >= 0 && start <= end && end <= size);
    for (int i = 1; i < TREParser::positionCount; ++i)
        check(re.positions()[static_cast<std::size_t>(i)] >= re.positions()[static_cast<std::size_t>(i - 1)]);
    for (int n = 1; n <= 9; ++n)
        check(re.groupStart(n) <= size && re.groupEnd(n) <= size);
}

// The start where a single attempt first (forward) or last (backward)
// matches, or -1; -2 when an attempt fails with an error.
std::int64_t everyStart(TREParser& re, const std::string& text, std::int64_t from, bool forward)
{
    TStringStream stream(text);
    const auto size = static_cast<std::int64_t>(text.size());
    const std::int64_t first = forward ? from : (from >= size ? size - 1 : from);
    for (std::int64_t p = first; forward ? p <= size : p >= 0; p += forward ? 1 : -1) {
        stream.setPosition(p);
        if (re.matchHere(stream))
            return p;
        if (re.errorId() != TREError::NoError)
            return -2;
    }
    return -1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::uint8_t options = data[0];
    const char* rest = reinterpret_cast<const char*>(data + 1);
    const std::size_t restSize = size - 1;
    const void* zero = std::memchr(rest, 0, restSize);
    const std::size_t patternSize = zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - rest) : restSize;
    const std::string pattern(rest, patternSize);
    const std::string text = patternSize < restSize ? std::string(rest + patternSize + 1, restSize - patternSize - 1)
                                                    : std::string();
    const auto textSize = static_cast<std::int64_t>(text.size());

    TREParser re;
    if (re.compile(pattern)) {
        check(isWellFormedProgram(re.program()));
        TStringStream plain(text);
        TStringBlockStream blocks(text);
        TCharStream& stream = (options & 1) ? static_cast<TCharStream&>(blocks) : plain;
        const std::int64_t from = options & 2 ? textSize : std::min<std::int64_t>(options >> 4, textSize);
        const bool forward = !(options & 4);
        stream.setPosition(from);
        const double started = threadSeconds();
        const bool found = re.match(stream, forward);
        check(threadSeconds() - started < kSearchSecondsLimit);
        const TREError error = re.errorId();
        const std::int64_t start = found ? re.matchStart() : -1;
        if (found) {
            checkMatch(re, textSize);
            const std::string replaced = expandReplacement(pattern, re.positions(), stream);
            (void)replaced;
        }
        if (textSize <= 256 && error == TREError::NoError) {
            const std::int64_t expected = everyStart(re, text, from, forward);
            check(expected == -2 || expected == start);
        }
    } else {
        check(re.errorPosition() >= 1 && re.errorPosition() <= static_cast<int>(pattern.size()) + 1);
    }

    TPlainSearch search;
    TStringStream plain(text);
    const std::int64_t at =
        search.find(plain, pattern, options >> 3, {(options & 1) != 0, (options & 2) != 0, (options & 4) != 0});
    check(at == -1 || (at >= 0 && at + static_cast<std::int64_t>(pattern.size()) <= textSize));
    return 0;
}
