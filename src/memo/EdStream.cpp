#include "memo/EdStream.h"

#include "memo/MemoErrors.h"
#include "memo/SyntaxMemo.h"

#include <algorithm>

namespace tessaly::memo {

TEdStream::TEdStream(const TSyntaxMemo& memo, std::int64_t offset)
    : TEdStream(memo.store(), offset)
{
}

TEdStream::TEdStream(const TTextStore& store, std::int64_t offset)
    : store_(store)
    , size_(store.length().value())
{
    setPosition(offset);
}

void TEdStream::attach(std::int64_t offset)
{
    const auto [start, text] = store_.blockAt(TTextOffset(offset));
    start_ = start.value();
    text_ = text;
}

void TEdStream::setPositionSlow(std::int64_t offset)
{
    pos_ = std::clamp<std::int64_t>(offset, 0, size_);
    if (pos_ < start_ || pos_ >= start_ + static_cast<std::int64_t>(text_.size())) {
        if (pos_ < size_) {
            attach(pos_);
        } else {
            start_ = size_;
            text_ = {};
        }
    }
}

void TEdStream::advanceSlow()
{
    if (pos_ >= size_)
        return;
    ++pos_;
    if (pos_ - start_ >= static_cast<std::int64_t>(text_.size())) {
        if (pos_ < size_) {
            attach(pos_);
        } else {
            start_ = size_;
            text_ = {};
        }
    }
}

void TEdStream::stepBack()
{
    if (pos_ <= 0)
        return;
    --pos_;
    if (pos_ < start_)
        attach(pos_);
}

std::size_t TEdStream::read(char* buf, std::size_t count)
{
    std::size_t done = 0;
    while (done < count && pos_ < size_) {
        const std::size_t col = static_cast<std::size_t>(pos_ - start_);
        const std::size_t n = std::min(count - done, text_.size() - col);
        std::copy_n(text_.data() + col, n, buf + done);
        done += n;
        if (n == 0)
            break;
        setPosition(pos_ + static_cast<std::int64_t>(n));
    }
    return done;
}

std::int64_t TEdStream::seek(std::int64_t offset, Origin origin)
{
    const std::int64_t base = origin == Origin::fromStart ? 0 : origin == Origin::fromCurrent ? pos_ : size_;
    setPosition(base + offset);
    return pos_;
}

TCharBlock TEdStream::blockAt(std::int64_t offset) const
{
    if (offset >= size_)
        return {};
    const auto [start, text] = store_.blockAt(TTextOffset(offset));
    return {start.value(), text};
}

void TEdStream::write(const char*, std::size_t)
{
    throw EStreamError("Cannot write to a read-only stream");
}

} // namespace tessaly::memo
