#include "memo/TextCursor.h"

#include <algorithm>

namespace tessaly::memo {

TTextCursor::TTextCursor(TCharStream& stream)
    : stream_(stream), blocks_(dynamic_cast<const TCharBlocks*>(&stream)), size_(stream.size())
{
}

unsigned char TTextCursor::slowAt(std::int64_t offset)
{
    if (offset < 0 || offset >= size_)
        return 0;
    if (!swapToPrevious(offset)) {
        // Reading moved before the window: the scan most likely runs backward.
        load(offset, offset >= base_);
    }
    return static_cast<unsigned char>(window_[static_cast<std::size_t>(offset - base_)]);
}

std::string_view TTextCursor::forwardRun(std::int64_t offset)
{
    if (offset < 0 || offset >= size_)
        return {};
    if (!inWindow(offset) && !swapToPrevious(offset))
        load(offset, true);
    return window_.substr(static_cast<std::size_t>(offset - base_));
}

std::string_view TTextCursor::backwardRun(std::int64_t offset)
{
    if (offset <= 0 || offset > size_)
        return {};
    if (!inWindow(offset - 1) && !swapToPrevious(offset - 1))
        load(offset - 1, false);
    return window_.substr(0, static_cast<std::size_t>(offset - base_));
}

bool TTextCursor::swapToPrevious(std::int64_t offset)
{
    const std::uint64_t rel = static_cast<std::uint64_t>(offset - previousBase_);
    if (rel >= previous_.size())
        return false;
    std::swap(base_, previousBase_);
    std::swap(window_, previous_);
    return true;
}

void TTextCursor::load(std::int64_t offset, bool ahead)
{
    if (blocks_) {
        const TCharBlock block = blocks_->blockAt(offset);
        if (!block.text.empty() && block.start <= offset
            && offset < block.start + static_cast<std::int64_t>(block.text.size())) {
            // Keep the block left behind: matches and skips that straddle a
            // block border read on both sides of it.
            previousBase_ = base_;
            previous_ = window_;
            base_ = block.start;
            window_ = block.text;
            return;
        }
    }
    // No block access: copy a window through the cursor. The window starts
    // small, since a short search should not read far ahead, and doubles
    // with every reload while the scan goes on. There is one buffer, so no
    // previous window is kept.
    previous_ = {};
    const std::int64_t want = copyLength_;
    copyLength_ = std::min(copyLength_ * 2, copySize);
    std::int64_t start = ahead ? offset : offset - want + 1;
    start = std::clamp<std::int64_t>(start, 0, std::max<std::int64_t>(0, size_ - want));
    const std::int64_t count = std::min(want, size_ - start);
    stream_.setPosition(start);
    for (std::int64_t i = 0; i < count; ++i) {
        copy_[static_cast<std::size_t>(i)] = static_cast<char>(stream_.current());
        stream_.advance();
    }
    base_ = start;
    window_ = std::string_view(copy_.data(), static_cast<std::size_t>(count));
}

} // namespace tessaly::memo
