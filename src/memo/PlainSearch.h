#pragma once

#include "memo/CharStream.h"
#include "memo/SkipTables.h"
#include "memo/WordClasses.h"

#include <cstdint>
#include <string_view>

namespace tessaly::memo {

struct TSearchOptions {
    bool matchCase = false;
    bool wholeWord = false;
    bool upward = false;
};

// Plain-text search over a TCharStream: downward a fast scan for the
// pattern's rarest byte, upward Boyer-Moore-Horspool.
// Downward it finds the first match that starts at or after `from`; upward
// the last match that starts at or before `from`. Without match case,
// letters a-z and A-Z are alike. With whole words a match counts only when
// the characters on either side of it (where there are any) belong to no
// word class.
class TPlainSearch {
public:
    // Start offset of the match, or -1.
    std::int64_t find(TCharStream& stream, std::string_view text, std::int64_t from, TSearchOptions options);

    void setWordClasses(TWordClasses classes) { words_ = classes; }
    const TWordClasses& wordClasses() const { return words_; }
    const TSkipTables& tables() const { return tables_; }

private:
    TSkipTables tables_;
    TWordClasses words_ = defaultWordClasses();
};

} // namespace tessaly::memo
