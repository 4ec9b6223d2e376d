#include "memo/MacroKeywords.h"

#include "memo/SyntaxMemo.h"

#include <cctype>

namespace tessaly::memo {

std::string TMacroKeywords::asciiLower(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

int TMacroKeywords::longestEndingAt(const TSyntaxMemo& memo, std::int64_t offset,
                                    const std::vector<std::string_view>& names)
{
    // Names do not cross line breaks, so the record of the offset is enough.
    const TTextStore& store = memo.store();
    const std::int64_t rec = store.recordOf(TTextOffset(offset)).value();
    const std::string_view before
        = store.recordText(TRecordIndex(rec))
              .substr(0, static_cast<std::size_t>(offset - store.recordStart(TRecordIndex(rec)).value()));
    int best = -1;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string_view n = names[i];
        if (n.empty() || n.size() > before.size() || before.substr(before.size() - n.size()) != n)
            continue;
        if (best < 0 || n.size() > names[static_cast<std::size_t>(best)].size())
            best = static_cast<int>(i);
    }
    return best;
}

} // namespace tessaly::memo
