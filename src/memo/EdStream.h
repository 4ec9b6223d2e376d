#pragma once

#include "memo/CharBlocks.h"
#include "memo/CharStream.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tessaly::memo {

class TSyntaxMemo;
class TTextStore;

// A read-only character stream over an editor's line store, for scanners
// (it also hands out the store's blocks of records, so searches run over
// plain memory).
// It walks the store's blocks (a few kilobytes of contiguous text each), so
// sequential reads cost O(1) and stay inline. The stream is valid while the
// text does not change.
class TEdStream final : public TCharStream, public TCharBlocks {
public:
    enum class Origin { fromStart, fromCurrent, fromEnd };

    explicit TEdStream(const TSyntaxMemo& memo, std::int64_t offset = 0);
    explicit TEdStream(const TTextStore& store, std::int64_t offset = 0);

    std::int64_t size() const override { return size_; }
    std::int64_t position() const override { return pos_; }
    // Hides the base version, which goes through two virtual calls.
    bool atEnd() const { return pos_ >= size_; }
    // Moves within the current block inline; elsewhere looks the block up.
    void setPosition(std::int64_t offset) override
    {
        if (offset >= start_ && offset < start_ + static_cast<std::int64_t>(text_.size())) {
            pos_ = offset;
            return;
        }
        setPositionSlow(offset);
    }
    unsigned char current() const override
    {
        const std::int64_t col = pos_ - start_;
        return col < static_cast<std::int64_t>(text_.size()) ? static_cast<unsigned char>(text_[static_cast<std::size_t>(col)]) : 0;
    }
    // Moving inside the current block is inline; crossing into the next
    // block takes the slow path.
    void advance() override
    {
        if (pos_ + 1 < start_ + static_cast<std::int64_t>(text_.size())) {
            ++pos_;
            return;
        }
        advanceSlow();
    }
    void stepBack() override;

    // Moves on while accept(current character) holds, or to the end of the
    // text. The loop runs over the block's memory.
    template <class F>
    void advanceWhile(F accept)
    {
        advanceWhileBefore(size_, accept);
    }

    // The same, stopping at limit at the latest: a scanner that works to a
    // record's end reads no further.
    template <class F>
    void advanceWhileBefore(std::int64_t limit, F accept)
    {
        if (limit > size_)
            limit = size_;
        while (pos_ < limit) {
            const char* const first = text_.data();
            const std::int64_t blockEnd = start_ + static_cast<std::int64_t>(text_.size());
            const char* const end = first + ((limit < blockEnd ? limit : blockEnd) - start_);
            const char* p = first + (pos_ - start_);
            while (p < end && accept(static_cast<unsigned char>(*p)))
                ++p;
            pos_ = start_ + (p - first);
            if (p < end)
                return;
            if (pos_ == blockEnd) {
                // The whole rest of the block was accepted: stand in the
                // block that holds the position and go on there.
                --pos_;
                advanceSlow();
            }
        }
    }

    // The stored block of records around offset, for scanners that read
    // plain memory.
    TCharBlock blockAt(std::int64_t offset) const override;

    // Copies up to count characters across blocks; returns how many.
    std::size_t read(char* buf, std::size_t count);
    std::int64_t seek(std::int64_t offset, Origin origin);
    // The stream is read-only: always throws EStreamError.
    void write(const char* buf, std::size_t count);

private:
    void attach(std::int64_t offset);
    void setPositionSlow(std::int64_t offset);
    void advanceSlow();

    const TTextStore& store_;
    std::int64_t size_;
    std::int64_t pos_ = 0;
    std::int64_t start_ = 0; // offset of the block's first character
    std::string_view text_;  // the block holding pos_ (empty at the end)
};

} // namespace tessaly::memo
