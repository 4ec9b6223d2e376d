// Fuzz target for the regular-expression engine and the plain search.
// Input: one option byte, then the pattern up to the first 0 byte, then the
// text. Checks that nothing reads outside its buffers (the sanitizers), that
// every match lies inside the text with recorded positions in order, and
// that each match attempt stays within a small step budget.
#include "memo/CharBlocks.h"
#include "memo/PlainSearch.h"
#include "memo/REParser.h"
#include "memo/REProgramCheck.h"
#include "memo/REReplace.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace tessaly::memo;

namespace {

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
    re.setStepLimit(100000);
    if (re.compile(pattern)) {
        check(isWellFormedProgram(re.program()));
        TStringStream plain(text);
        TStringBlockStream blocks(text);
        TCharStream& stream = (options & 1) ? static_cast<TCharStream&>(blocks) : plain;
        stream.setPosition(options & 2 ? textSize : options >> 4);
        if (re.match(stream, !(options & 4))) {
            checkMatch(re, textSize);
            const std::string replaced = expandReplacement(pattern, re.positions(), stream);
            (void)replaced;
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
