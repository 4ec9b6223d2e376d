#pragma once

#include "memo/Color.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

namespace tessaly::memo {

// The colours a line may carry of its own: a background and a text colour,
// each absent unless set (absent is not black: the view's colours show).
struct TLineColours {
    std::optional<TColor> back;
    std::optional<TColor> text;

    bool empty() const { return !back && !text; }
    friend bool operator==(const TLineColours&, const TLineColours&) = default;
};

// The line colours of the records of one store block. Almost no record has
// any, so nothing is held until a record of the block gets one; from then
// on there is one entry per record of the block, kept in step with the
// block's records by the same insertions and erasures.
class TBlockColours {
public:
    TBlockColours() = default;
    TBlockColours(TBlockColours&&) noexcept = default;
    TBlockColours& operator=(TBlockColours&&) noexcept = default;
    TBlockColours(const TBlockColours& other)
        : entries_(other.entries_ ? std::make_unique<std::vector<TLineColours>>(*other.entries_) : nullptr)
    { }
    TBlockColours& operator=(const TBlockColours& other)
    {
        if (this != &other)
            *this = TBlockColours(other);
        return *this;
    }

    // True once some record of the block has had a colour.
    bool held() const { return entries_ != nullptr; }
    // Entries held: 0, or the block's record count.
    std::size_t size() const { return entries_ ? entries_->size() : 0; }

    // The colours of record i of the block.
    TLineColours at(std::size_t i) const { return entries_ ? (*entries_)[i] : TLineColours{}; }
    // Sets the colours of record i of a block of `records` records.
    void set(std::size_t i, std::size_t records, const TLineColours& colours)
    {
        if (!entries_) {
            if (colours.empty())
                return;
            entries_ = std::make_unique<std::vector<TLineColours>>(records);
        }
        (*entries_)[i] = colours;
    }

    // n records without colours inserted before record i.
    void insert(std::size_t i, std::size_t n)
    {
        if (entries_)
            entries_->insert(entries_->begin() + static_cast<std::ptrdiff_t>(i), n, TLineColours{});
    }
    // Records [first, last) removed.
    void erase(std::size_t first, std::size_t last)
    {
        if (entries_)
            entries_->erase(entries_->begin() + static_cast<std::ptrdiff_t>(first),
                            entries_->begin() + static_cast<std::ptrdiff_t>(last));
    }
    // The colours of records [first, last), for a block cut out of this one.
    TBlockColours slice(std::size_t first, std::size_t last) const
    {
        TBlockColours out;
        if (entries_)
            out.entries_ = std::make_unique<std::vector<TLineColours>>(
                entries_->begin() + static_cast<std::ptrdiff_t>(first),
                entries_->begin() + static_cast<std::ptrdiff_t>(last));
        return out;
    }

private:
    std::unique_ptr<std::vector<TLineColours>> entries_;
};

} // namespace tessaly::memo
