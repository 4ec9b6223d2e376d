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
    , size_(store.length())
{
    setPosition(offset);
}

void TEdStream::attach(std::int64_t rec)
{
    rec_ = rec;
    recStart_ = store_.recordStart(rec);
    text_ = store_.recordText(rec);
}

void TEdStream::setPosition(std::int64_t offset)
{
    pos_ = std::clamp<std::int64_t>(offset, 0, size_);
    // Scanners mostly move within the record they are in: no look-up then.
    if (!text_.data() || pos_ < recStart_ || pos_ >= recStart_ + static_cast<std::int64_t>(text_.size()))
        attach(store_.recordOf(pos_));
}

void TEdStream::advanceSlow()
{
    if (pos_ >= size_)
        return;
    ++pos_;
    if (pos_ - recStart_ >= static_cast<std::int64_t>(text_.size()) && rec_ + 1 < store_.recordCount()) {
        recStart_ += static_cast<std::int64_t>(text_.size());
        ++rec_;
        text_ = store_.recordText(rec_);
    }
}

void TEdStream::stepBack()
{
    if (pos_ <= 0)
        return;
    --pos_;
    while (pos_ < recStart_ && rec_ > 0) {
        --rec_;
        text_ = store_.recordText(rec_);
        recStart_ -= static_cast<std::int64_t>(text_.size());
    }
}

std::size_t TEdStream::read(char* buf, std::size_t count)
{
    std::size_t done = 0;
    while (done < count && pos_ < size_) {
        const std::size_t col = static_cast<std::size_t>(pos_ - recStart_);
        const std::size_t n = std::min(count - done, text_.size() - col);
        std::copy_n(text_.data() + col, n, buf + done);
        done += n;
        pos_ += static_cast<std::int64_t>(n);
        if (pos_ - recStart_ >= static_cast<std::int64_t>(text_.size()) && rec_ + 1 < store_.recordCount()) {
            recStart_ += static_cast<std::int64_t>(text_.size());
            ++rec_;
            text_ = store_.recordText(rec_);
        }
        if (n == 0)
            break;
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
    const auto [start, text] = store_.blockAt(offset);
    return {start, text};
}

void TEdStream::write(const char*, std::size_t)
{
    throw EStreamError("Cannot write to a read-only stream");
}

} // namespace tessaly::memo
