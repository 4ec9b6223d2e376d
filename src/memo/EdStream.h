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
// It walks records one at a time, so sequential reads cost O(1) each. The
// stream is valid while the text does not change.
class TEdStream final : public TCharStream, public TCharBlocks {
public:
    enum class Origin { fromStart, fromCurrent, fromEnd };

    explicit TEdStream(const TSyntaxMemo& memo, std::int64_t offset = 0);
    explicit TEdStream(const TTextStore& store, std::int64_t offset = 0);

    std::int64_t size() const override { return size_; }
    std::int64_t position() const override { return pos_; }
    void setPosition(std::int64_t offset) override;
    unsigned char current() const override
    {
        const std::int64_t col = pos_ - recStart_;
        return col < static_cast<std::int64_t>(text_.size()) ? static_cast<unsigned char>(text_[static_cast<std::size_t>(col)]) : 0;
    }
    // Moving inside the current record is inline; crossing into the next
    // record takes the slow path.
    void advance() override
    {
        if (pos_ + 1 < recStart_ + static_cast<std::int64_t>(text_.size())) {
            ++pos_;
            return;
        }
        advanceSlow();
    }
    void stepBack() override;

    // The stored block of records around offset, for scanners that read
    // plain memory.
    TCharBlock blockAt(std::int64_t offset) const override;

    // Record of the current position and the column in it.
    std::int64_t record() const { return rec_; }
    int column() const { return static_cast<int>(pos_ - recStart_); }

    // Copies up to count characters across records; returns how many.
    std::size_t read(char* buf, std::size_t count);
    std::int64_t seek(std::int64_t offset, Origin origin);
    // The stream is read-only: always throws EStreamError.
    void write(const char* buf, std::size_t count);

private:
    void attach(std::int64_t rec);
    void advanceSlow();

    const TTextStore& store_;
    std::int64_t size_;
    std::int64_t pos_ = 0;
    std::int64_t rec_ = 0;
    std::int64_t recStart_ = 0;
    std::string_view text_;
};

} // namespace tessaly::memo
