#pragma once

#include "memo/CharStream.h"

#include <cstdint>
#include <string_view>

namespace tessaly::memo {

// A contiguous run of stored text and the offset of its first character.
struct TCharBlock {
    std::int64_t start = 0;
    std::string_view text;
};

// Optional second face of a TCharStream: direct, copy-free access to the
// contiguous piece of text (a line record, a whole string) that holds an
// offset. Scanners ask for it with dynamic_cast and fall back to reading
// character by character when a stream does not offer it, so the search
// loops run over plain memory wherever the store allows it.
class TCharBlocks {
public:
    virtual ~TCharBlocks() = default;
    // The block that holds offset (0 <= offset < size()); an empty block
    // for offsets outside the text.
    virtual TCharBlock blockAt(std::int64_t offset) const = 0;
};

// A string stream that also hands out its text as a single block. For
// callers (and benchmarks) that already hold the whole text in memory.
class TStringBlockStream final : public TStringStream, public TCharBlocks {
public:
    explicit TStringBlockStream(std::string_view text) : TStringStream(text), text_(text) {}

    TCharBlock blockAt(std::int64_t offset) const override
    {
        if (offset < 0 || offset >= size())
            return {};
        return {0, text_};
    }

private:
    std::string_view text_;
};

} // namespace tessaly::memo
