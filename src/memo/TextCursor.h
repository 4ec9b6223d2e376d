#pragma once

#include "memo/CharBlocks.h"
#include "memo/CharStream.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace tessaly::memo {

// Random access to the characters of a TCharStream for the search engines.
// It keeps a window of text (a block of the stream when the stream offers
// TCharBlocks, otherwise a small copy read through the cursor) so that the
// common case of reading near the last position costs one compare; with
// blocks it also keeps the block before, for reads across a border.
// Reading outside 0 .. size()-1 gives 0, a byte that never occurs in stored
// text.
class TTextCursor {
public:
    explicit TTextCursor(TCharStream& stream);

    std::int64_t size() const { return size_; }

    unsigned char at(std::int64_t offset)
    {
        const std::uint64_t rel = static_cast<std::uint64_t>(offset - base_);
        if (rel < window_.size())
            return static_cast<unsigned char>(window_[rel]);
        return slowAt(offset);
    }

    // The characters from offset to the end of the window that holds it
    // (never empty for 0 <= offset < size()).
    std::string_view forwardRun(std::int64_t offset);
    // The characters of the window that holds offset - 1, ending at offset
    // (never empty for 0 < offset <= size()).
    std::string_view backwardRun(std::int64_t offset);

    TCharStream& stream() { return stream_; }

private:
    unsigned char slowAt(std::int64_t offset);
    bool inWindow(std::int64_t offset) const
    {
        return static_cast<std::uint64_t>(offset - base_) < window_.size();
    }
    // Makes the previous window the current one when it holds offset.
    bool swapToPrevious(std::int64_t offset);
    // Makes the window hold offset; `ahead` places a copied window after the
    // offset rather than before it.
    void load(std::int64_t offset, bool ahead);

    static constexpr std::int64_t copySize = 4096;
    static constexpr std::int64_t firstCopySize = 64;

    TCharStream& stream_;
    const TCharBlocks* blocks_;
    std::int64_t size_;
    std::int64_t base_ = 0;
    std::string_view window_;
    std::int64_t previousBase_ = 0;
    std::string_view previous_;
    std::int64_t copyLength_ = firstCopySize;
    // Left uninitialised: only the part a load fills is ever read.
    std::array<char, copySize> copy_;
};

} // namespace tessaly::memo
