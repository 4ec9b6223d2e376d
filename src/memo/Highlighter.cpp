#include "memo/Highlighter.h"

#include "memo/HighlightRun.h"

namespace tessaly::memo {

std::int64_t THighlighter::scanTo(TSyntaxMemo& editor, TCharStream& stream, std::int64_t until, std::string& values)
{
    return scanTokensTo(
        stream, until, values,
        [&](TCharStream& s, std::int64_t& length) { return nextToken(editor, s, length); },
        [&] { return lookaheadPending(); });
}

} // namespace tessaly::memo
