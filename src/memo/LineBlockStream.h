#pragma once

#include "memo/CharBlocks.h"
#include "memo/CharStream.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tessaly::memo {

// A string stream whose blocks are its lines (each ending in CR), as the
// editor's line records are: for tests and benchmarks of scanners that read
// blocks, over text the caller keeps alive.
class TLineBlockStream final : public TStringStream, public TCharBlocks {
public:
    explicit TLineBlockStream(std::string_view text) : TStringStream(text), text_(text)
    {
        starts_.push_back(0);
        for (std::size_t i = 0; i < text.size(); ++i)
            if (text[i] == '\r' && i + 1 < text.size())
                starts_.push_back(static_cast<std::int64_t>(i + 1));
    }

    TCharBlock blockAt(std::int64_t offset) const override
    {
        if (offset < 0 || offset >= size())
            return {};
        // Most requests ask for the line last given or the one after it.
        auto holds = [&](std::size_t line) {
            return line < starts_.size() && starts_[line] <= offset
                && (line + 1 == starts_.size() || offset < starts_[line + 1]);
        };
        std::size_t line = last_;
        if (!holds(line)) {
            if (holds(line + 1))
                ++line;
            else
                line = static_cast<std::size_t>(std::upper_bound(starts_.begin(), starts_.end(), offset)
                                                - starts_.begin() - 1);
        }
        last_ = line;
        const std::int64_t end = line + 1 == starts_.size() ? size() : starts_[line + 1];
        return {starts_[line], text_.substr(static_cast<std::size_t>(starts_[line]),
                                            static_cast<std::size_t>(end - starts_[line]))};
    }

private:
    std::string_view text_;
    std::vector<std::int64_t> starts_;
    mutable std::size_t last_ = 0;
};

} // namespace tessaly::memo
