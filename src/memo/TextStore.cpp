#include "memo/TextStore.h"

#include "memo/Normalise.h"

#include <algorithm>
#include <atomic>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tessaly::memo {

namespace {

// A block is split when it grows past these; the pieces are filled to the
// target so that later insertions have room.
constexpr std::size_t kBlockMaxRecords = 64;
constexpr std::size_t kBlockMaxBytes = 8192;
constexpr std::size_t kBlockTargetRecords = 48;
constexpr std::size_t kBlockTargetBytes = 4096;
// Room left in a block's text and values when they are made: a character
// typed into a block then goes in place instead of moving the whole block
// to fresh memory, which costs more than the rest of a keystroke.
constexpr std::size_t kBlockSlack = 64;

// The length of the record that starts at s, at most limit bytes: up to and
// with its CR, or limit when there is none. tab is set when the record holds
// a tab. One pass over the bytes finds both.
std::size_t recordEnd(const char* s, std::size_t limit, bool& tab)
{
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8(kCR);
    const __m128i tb = _mm_set1_epi8('\t');
    for (; i + 16 <= limit; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
        const unsigned crs = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, cr)));
        const unsigned tabs = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, tb)));
        if (crs) {
            const unsigned at = static_cast<unsigned>(__builtin_ctz(crs));
            if (tabs & ((1u << at) - 1))
                tab = true;
            return i + at + 1;
        }
        if (tabs)
            tab = true;
    }
#endif
    for (; i < limit; ++i) {
        if (s[i] == kCR)
            return i + 1;
        if (s[i] == '\t')
            tab = true;
    }
    return limit;
}

// Cuts text into records front to back. Where each CR and tab stands is
// found for 64 bytes at once, so a record costs a bit search: far fewer
// mispredicted branches than a scan of each record on its own.
class TRecordCutter {
public:
    TRecordCutter(const char* s, std::size_t n) : s_(s), n_(n) { load(0); }

    // The length of the next record (there must be text left): up to and
    // with its CR, at most kMaxRecordLength bytes. tab is set when the
    // record holds a tab.
    std::size_t next(bool& tab)
    {
        while (true) {
            const unsigned from = pos_ > window_ ? static_cast<unsigned>(pos_ - window_) : 0;
            if (crs_) {
                const unsigned k = static_cast<unsigned>(__builtin_ctzll(crs_));
                const std::size_t end = window_ + k + 1;
                if (end - pos_ > kMaxRecordLength)
                    return longRecord(tab);
                crs_ &= crs_ - 1;
                tab = tabsBefore_ || (((tabs_ >> from) << from) & ((std::uint64_t(1) << k) - 1)) != 0;
                return take(end);
            }
            // The rest of the window belongs to the record at pos_.
            if (from < 64 && (tabs_ >> from))
                tabsBefore_ = true;
            if (window_ + 64 >= n_) {
                if (n_ - pos_ > kMaxRecordLength)
                    return longRecord(tab);
                tab = tabsBefore_;
                return take(n_);
            }
            if (window_ + 64 - pos_ >= kMaxRecordLength)
                return longRecord(tab);
            load(window_ + 64);
        }
    }

private:
    std::size_t take(std::size_t end)
    {
        const std::size_t len = end - pos_;
        pos_ = end;
        tabsBefore_ = false;
        return len;
    }
    // A record cut at the longest length, or one ending just after: found
    // by a plain scan, after which the window starts at the next record.
    std::size_t longRecord(bool& tab)
    {
        const std::size_t len = recordEnd(s_ + pos_, std::min<std::size_t>(n_ - pos_, kMaxRecordLength), tab);
        take(pos_ + len);
        load(pos_);
        return len;
    }
    // The CR and tab bits of the 64 bytes from w (none past the text).
    void load(std::size_t w)
    {
        window_ = w;
        crs_ = tabs_ = 0;
        std::size_t i = 0;
#if defined(__SSE2__)
        const __m128i cr = _mm_set1_epi8(kCR);
        const __m128i tb = _mm_set1_epi8('\t');
        for (; i < 64 && w + i + 16 <= n_; i += 16) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s_ + w + i));
            crs_ |= std::uint64_t(static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, cr)))) << i;
            tabs_ |= std::uint64_t(static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, tb)))) << i;
        }
#endif
        for (; i < 64 && w + i < n_; ++i) {
            crs_ |= std::uint64_t(s_[w + i] == kCR) << i;
            tabs_ |= std::uint64_t(s_[w + i] == '\t') << i;
        }
    }

    const char* s_;
    std::size_t n_;
    std::size_t pos_ = 0;    // where the next record starts
    std::size_t window_ = 0; // the 64 bytes the bits stand for
    std::uint64_t crs_ = 0;  // the window's CRs not yet taken
    std::uint64_t tabs_ = 0;
    bool tabsBefore_ = false; // a tab between pos_ and the window
};

std::uint16_t contentFlags(std::string_view text)
{
    std::uint16_t f = kRecDecoration | kRecContentChanged;
    if (std::memchr(text.data(), '\t', text.size()))
        f |= kRecHasTab;
    return f;
}

} // namespace

std::uint64_t TTextStore::nextVersion()
{
    // Shared by every store (fresh ones may be filled on a worker thread).
    static std::atomic<std::uint64_t> last{0};
    return last.fetch_add(1, std::memory_order_relaxed) + 1;
}

TTextStore::TTextStore()
{
    clear();
}

void TTextStore::clear()
{
    blocks_.clear();
    blocks_.emplace_back();
    TRecordMeta m;
    m.flags = kRecDecoration | kRecContentChanged;
    blocks_.back().recs.push_back(m);
    length_ = 0;
    records_ = 1;
    longest_ = 0;
    cache_.rec = -1;
    structureChanged();
}

void TTextStore::rebuildIndex() const
{
    std::vector<std::int64_t> lens(blocks_.size());
    std::vector<std::int64_t> recs(blocks_.size());
    for (std::size_t i = 0; i < blocks_.size(); ++i) {
        lens[i] = static_cast<std::int64_t>(blocks_[i].text.size());
        recs[i] = static_cast<std::int64_t>(blocks_[i].recs.size());
    }
    lenIndex_.assign(lens);
    recIndex_.assign(recs);
    indexDirty_ = false;
}

std::size_t TTextStore::offsetInBlock(const Block& b, std::size_t index) const
{
    std::size_t off = 0;
    for (std::size_t i = 0; i < index; ++i)
        off += b.recs[i].length;
    return off;
}

TTextStore::Loc TTextStore::locate(TRecordIndex rec) const
{
    return cached(rec.value()).loc;
}

void TTextStore::fillCache(std::int64_t rec, Loc loc, std::int64_t start, std::size_t inBlock) const
{
    cache_.rec = rec;
    cache_.loc = loc;
    cache_.start = start;
    cache_.inBlock = inBlock;
    cache_.version = version_;
}

const TTextStore::Cache& TTextStore::cached(std::int64_t rec) const
{
    if (rec < 0)
        rec = 0;
    if (rec >= records_)
        rec = records_ - 1;
    if (cache_.version == version_ && cache_.rec >= 0) {
        if (cache_.rec == rec)
            return cache_;
        // The record after the cached one, in the same block: walks through
        // the text (painting, export, highlighting) need no index search.
        if (rec == cache_.rec + 1 && cache_.loc.index + 1 < blocks_[cache_.loc.block].recs.size()) {
            const std::uint16_t len = blocks_[cache_.loc.block].recs[cache_.loc.index].length;
            fillCache(rec, {cache_.loc.block, cache_.loc.index + 1}, cache_.start + len, cache_.inBlock + len);
            return cache_;
        }
    }
    ensureIndex();
    std::int64_t before = 0;
    const std::size_t b = recIndex_.find(rec, before);
    const Loc loc{b, static_cast<std::size_t>(rec - before)};
    const std::size_t inBlock = offsetInBlock(blocks_[b], loc.index);
    fillCache(rec, loc, lenIndex_.prefix(b) + static_cast<std::int64_t>(inBlock), inBlock);
    return cache_;
}

TTextOffset TTextStore::recordStart(TRecordIndex rec) const
{
    if (rec.value() >= records_)
        return TTextOffset(length_);
    return TTextOffset(cached(rec.value()).start);
}

TRecordIndex TTextStore::recordOf(TTextOffset at) const
{
    std::int64_t offset = at.value();
    if (offset >= length_)
        return TRecordIndex(records_ - 1);
    if (offset < 0)
        offset = 0;
    if (cache_.version == version_ && cache_.rec >= 0 && offset >= cache_.start) {
        // Near the last record looked up: walk on inside its block.
        const Block& blk = blocks_[cache_.loc.block];
        std::size_t i = cache_.loc.index;
        std::int64_t start = cache_.start;
        std::size_t inBlock = cache_.inBlock;
        for (int steps = 0; steps < 8 && i < blk.recs.size(); ++steps) {
            if (offset < start + blk.recs[i].length) {
                if (i != cache_.loc.index)
                    fillCache(cache_.rec + static_cast<std::int64_t>(i - cache_.loc.index), {cache_.loc.block, i}, start,
                              inBlock);
                return TRecordIndex(cache_.rec);
            }
            start += blk.recs[i].length;
            inBlock += blk.recs[i].length;
            ++i;
        }
    }
    ensureIndex();
    std::int64_t before = 0;
    const std::size_t b = lenIndex_.find(offset, before);
    const Block& blk = blocks_[b];
    std::int64_t rest = offset - before;
    std::size_t i = 0;
    std::size_t inBlock = 0;
    while (i + 1 < blk.recs.size() && rest >= blk.recs[i].length) {
        rest -= blk.recs[i].length;
        inBlock += blk.recs[i].length;
        ++i;
    }
    const std::int64_t rec = recIndex_.prefix(b) + static_cast<std::int64_t>(i);
    fillCache(rec, {b, i}, before + static_cast<std::int64_t>(inBlock), inBlock);
    return TRecordIndex(rec);
}

std::string_view TTextStore::recordText(TRecordIndex rec) const
{
    const Cache& c = cached(rec.value());
    const Block& b = blocks_[c.loc.block];
    return std::string_view(b.text).substr(c.inBlock, b.recs[c.loc.index].length);
}

std::string_view TTextStore::recordTokens(TRecordIndex rec) const
{
    const Cache& c = cached(rec.value());
    const Block& b = blocks_[c.loc.block];
    if (!(b.recs[c.loc.index].flags & kRecHasTokens) || b.tokens.empty())
        return {};
    return std::string_view(b.tokens).substr(c.inBlock, b.recs[c.loc.index].length);
}

void TTextStore::setRecordTokens(TRecordIndex rec, std::string_view values)
{
    const Cache& c = cached(rec.value());
    Block& b = blocks_[c.loc.block];
    TRecordMeta& m = b.recs[c.loc.index];
    if (b.tokens.size() != b.text.size()) {
        b.tokens.reserve(b.text.size() + kBlockSlack);
        b.tokens.assign(b.text.size(), '\0');
    }
    const std::size_t off = c.inBlock;
    const std::size_t n = std::min<std::size_t>(values.size(), m.length);
    std::memcpy(b.tokens.data() + off, values.data(), n);
    std::memset(b.tokens.data() + off + n, 0, m.length - n);
    m.flags |= kRecHasTokens;
}

TTextStore::RecordReader::RecordReader(const TTextStore& store, TRecordIndex rec)
    : store_(store)
{
    const Cache& c = store.cached(rec.value());
    rec_ = c.rec;
    loc_ = c.loc;
    inBlock_ = c.inBlock;
}

void TTextStore::RecordWalker::setTokens(std::string_view values)
{
    Block& b = writable_.blocks_[loc_.block];
    TRecordMeta& m = b.recs[loc_.index];
    if (b.tokens.size() != b.text.size()) {
        b.tokens.reserve(b.text.size() + kBlockSlack);
        b.tokens.assign(b.text.size(), '\0');
    }
    const std::size_t n = std::min<std::size_t>(values.size(), m.length);
    std::memcpy(b.tokens.data() + inBlock_, values.data(), n);
    if (n < m.length)
        std::memset(b.tokens.data() + inBlock_ + n, 0, m.length - n);
    m.flags |= kRecHasTokens;
}

void TTextStore::RecordReader::nextBlock()
{
    // Blocks are never empty of records; skip any that are, to be safe.
    do {
        ++loc_.block;
    } while (store_.blocks_[loc_.block].recs.empty());
    loc_.index = 0;
    inBlock_ = 0;
}

void TTextStore::dropRecordTokens(TRecordIndex rec)
{
    meta(rec).flags &= static_cast<std::uint16_t>(~kRecHasTokens);
}

void TTextStore::dropAllTokens()
{
    for (Block& b : blocks_) {
        b.tokens.clear();
        b.tokens.shrink_to_fit();
        for (TRecordMeta& m : b.recs)
            m.flags &= static_cast<std::uint16_t>(~kRecHasTokens);
    }
}

const TRecordMeta& TTextStore::meta(TRecordIndex rec) const
{
    const Loc l = locate(rec);
    return blocks_[l.block].recs[l.index];
}

TRecordMeta& TTextStore::meta(TRecordIndex rec)
{
    const Loc l = locate(rec);
    return blocks_[l.block].recs[l.index];
}

TLineColours TTextStore::colours(TRecordIndex rec) const
{
    const Loc l = locate(rec);
    return blocks_[l.block].colours.at(l.index);
}

void TTextStore::setColours(TRecordIndex rec, const TLineColours& colours)
{
    const Loc l = locate(rec);
    Block& b = blocks_[l.block];
    b.colours.set(l.index, b.recs.size(), colours);
}

std::string TTextStore::text(TTextOffset start, TTextOffset end) const
{
    std::string out;
    if (end > start)
        out.reserve(
            static_cast<std::size_t>(std::min(end.value(), length_) - std::max<std::int64_t>(start.value(), 0)));
    pieces(start, end, [&](std::string_view p) { out.append(p); });
    return out;
}

std::int64_t TTextStore::crLfLength(TTextOffset start, TTextOffset end) const
{
    std::int64_t total = 0;
    pieces(start, end, [&](std::string_view p) {
        total += static_cast<std::int64_t>(p.size()) + std::count(p.begin(), p.end(), kCR);
    });
    return total;
}

void TTextStore::cut(std::string_view text, bool endOfDocument, std::vector<TRecordMeta>& out)
{
    std::size_t pos = 0;
    const std::size_t n = text.size();
    while (pos < n) {
        std::size_t limit = std::min(n, pos + kMaxRecordLength);
        const void* cr = std::memchr(text.data() + pos, kCR, limit - pos);
        std::size_t end = cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - text.data()) + 1 : limit;
        TRecordMeta m;
        m.length = static_cast<std::uint16_t>(end - pos);
        m.flags = contentFlags(text.substr(pos, end - pos));
        if (!out.empty() && text[pos - 1] != kCR)
            m.bookmarks = kContinuationBit;
        out.push_back(m);
        pos = end;
    }
    // The last record of the document never ends in CR.
    if (endOfDocument && (n == 0 || text.back() == kCR)) {
        TRecordMeta m;
        m.flags = kRecDecoration | kRecContentChanged;
        out.push_back(m);
    }
}

void TTextStore::cutInto(std::string_view text, const std::vector<std::size_t>& lengths, bool endOfDocument,
                         std::vector<TRecordMeta>& out)
{
    std::size_t pos = 0;
    for (std::size_t len : lengths) {
        len = std::min(len, text.size() - pos);
        if (len == 0)
            continue;
        TRecordMeta m;
        m.length = static_cast<std::uint16_t>(len);
        m.flags = contentFlags(text.substr(pos, len));
        if (!out.empty() && text[pos - 1] != kCR)
            m.bookmarks = kContinuationBit;
        out.push_back(m);
        pos += len;
    }
    if (endOfDocument && (text.empty() || text.back() == kCR)) {
        TRecordMeta m;
        m.flags = kRecDecoration | kRecContentChanged;
        out.push_back(m);
    }
}

std::int64_t TTextStore::replaceRecords(TRecordIndex first, TRecordIndex last, std::string_view text,
                                        const std::vector<std::size_t>& pieceLengths)
{
    pieceLengths_ = &pieceLengths;
    struct Reset {
        const std::vector<std::size_t>*& p;
        ~Reset() { p = nullptr; }
    } reset{pieceLengths_};
    return replaceRecords(first, last, text);
}

std::int64_t TTextStore::replaceRecords(TRecordIndex first, TRecordIndex last, std::string_view text)
{
    const bool endOfDocument = last.value() >= records_ - 1;
    const Loc l0 = locate(first);
    const Loc l1 = locate(last);
    const TRecordMeta kept = blocks_[l0.block].recs[l0.index];
    const TLineColours keptColours = blocks_[l0.block].colours.at(l0.index);

    std::vector<TRecordMeta> fresh;
    if (pieceLengths_)
        cutInto(text, *pieceLengths_, endOfDocument, fresh);
    else
        cut(text, endOfDocument, fresh);
    if (!fresh.empty()) {
        TRecordMeta& m = fresh.front();
        m.bookmarks = kept.bookmarks;
        m.marks = kept.marks;
    }

    std::int64_t removedLen = 0;
    int removedLongest = 0;
    Block& b0 = blocks_[l0.block];
    const std::size_t off0 = offsetInBlock(b0, l0.index);
    const bool sameBlock = l0.block == l1.block;
    const std::size_t stop = sameBlock ? l1.index + 1 : b0.recs.size();
    std::size_t end0 = off0;
    for (std::size_t i = l0.index; i < stop; ++i) {
        end0 += b0.recs[i].length;
        removedLongest = std::max<int>(removedLongest, b0.recs[i].length);
    }
    removedLen += static_cast<std::int64_t>(end0 - off0);

    const std::int64_t lenBefore = length_;
    if (sameBlock) {
        b0.text.replace(off0, end0 - off0, text);
        if (!b0.tokens.empty())
            b0.tokens.replace(off0, end0 - off0, text.size(), '\0');
        b0.recs.erase(b0.recs.begin() + static_cast<std::ptrdiff_t>(l0.index),
                      b0.recs.begin() + static_cast<std::ptrdiff_t>(l1.index + 1));
        b0.recs.insert(b0.recs.begin() + static_cast<std::ptrdiff_t>(l0.index), fresh.begin(), fresh.end());
        b0.colours.erase(l0.index, l1.index + 1);
        b0.colours.insert(l0.index, fresh.size());
    } else {
        // Tail of the first block, whole blocks between, head of the last block.
        for (std::size_t bi = l0.block + 1; bi < l1.block; ++bi) {
            removedLen += static_cast<std::int64_t>(blocks_[bi].text.size());
            for (const TRecordMeta& m : blocks_[bi].recs)
                removedLongest = std::max<int>(removedLongest, m.length);
        }
        Block& b1 = blocks_[l1.block];
        std::size_t end1 = 0;
        for (std::size_t i = 0; i <= l1.index; ++i) {
            end1 += b1.recs[i].length;
            removedLongest = std::max<int>(removedLongest, b1.recs[i].length);
        }
        removedLen += static_cast<std::int64_t>(end1);
        b1.text.erase(0, end1);
        if (!b1.tokens.empty())
            b1.tokens.erase(0, end1);
        b1.recs.erase(b1.recs.begin(), b1.recs.begin() + static_cast<std::ptrdiff_t>(l1.index + 1));
        b1.colours.erase(0, l1.index + 1);

        b0.text.replace(off0, std::string::npos, text);
        if (!b0.tokens.empty())
            b0.tokens.replace(off0, std::string::npos, text.size(), '\0');
        b0.colours.erase(l0.index, b0.recs.size());
        b0.colours.insert(l0.index, fresh.size());
        b0.recs.erase(b0.recs.begin() + static_cast<std::ptrdiff_t>(l0.index), b0.recs.end());
        b0.recs.insert(b0.recs.end(), fresh.begin(), fresh.end());

        const bool lastEmpty = b1.recs.empty();
        blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(l0.block + 1),
                      blocks_.begin() + static_cast<std::ptrdiff_t>(lastEmpty ? l1.block + 1 : l1.block));
        structureChanged();
    }

    if (!fresh.empty())
        b0.colours.set(l0.index, b0.recs.size(), keptColours);

    mutated();
    const std::int64_t removedRecs = last - first + 1;
    length_ += static_cast<std::int64_t>(text.size()) - removedLen;
    records_ += static_cast<std::int64_t>(fresh.size()) - removedRecs;

    if (longest_ >= 0 && removedLongest < longest_) {
        for (const TRecordMeta& m : fresh)
            longest_ = std::max<int>(longest_, m.length);
    } else {
        longest_ = -1;
    }

    if (b0.recs.empty()) {
        blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(l0.block));
        structureChanged();
        if (blocks_.empty())
            clear();
    } else if (!indexDirty_) {
        lenIndex_.add(l0.block, length_ - lenBefore);
        recIndex_.add(l0.block, static_cast<std::int64_t>(fresh.size()) - removedRecs);
    }
    if (l0.block < blocks_.size())
        splitIfLarge(l0.block);
    return static_cast<std::int64_t>(fresh.size());
}

void TTextStore::splitIfLarge(std::size_t block)
{
    Block& b = blocks_[block];
    if (b.recs.size() <= kBlockMaxRecords && b.text.size() <= kBlockMaxBytes)
        return;
    std::vector<Block> pieces;
    std::size_t rec = 0;
    std::size_t off = 0;
    while (rec < b.recs.size()) {
        Block p;
        std::size_t bytes = 0;
        std::size_t first = rec;
        while (rec < b.recs.size() && rec - first < kBlockTargetRecords
               && (rec == first || bytes + b.recs[rec].length <= kBlockTargetBytes)) {
            bytes += b.recs[rec].length;
            ++rec;
        }
        p.text.assign(b.text, off, bytes);
        if (!b.tokens.empty())
            p.tokens.assign(b.tokens, off, bytes);
        p.recs.assign(b.recs.begin() + static_cast<std::ptrdiff_t>(first),
                      b.recs.begin() + static_cast<std::ptrdiff_t>(rec));
        p.colours = b.colours.slice(first, rec);
        off += bytes;
        pieces.push_back(std::move(p));
    }
    blocks_[block] = std::move(pieces.front());
    blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(block + 1),
                   std::make_move_iterator(pieces.begin() + 1), std::make_move_iterator(pieces.end()));
    structureChanged();
}

void TTextStore::insertCharInPlace(TRecordIndex rec, int col, char c)
{
    const Cache at = cached(rec.value());
    const Loc l = at.loc;
    Block& b = blocks_[l.block];
    TRecordMeta& m = b.recs[l.index];
    const std::size_t off = at.inBlock + static_cast<std::size_t>(col);
    b.text.insert(b.text.begin() + static_cast<std::ptrdiff_t>(off), c);
    if (!b.tokens.empty())
        b.tokens.insert(b.tokens.begin() + static_cast<std::ptrdiff_t>(off), '\0');
    ++m.length;
    m.flags = static_cast<std::uint16_t>((m.flags & ~kRecHasTokens) | kRecDecoration | kRecContentChanged);
    if (c == '\t')
        m.flags |= kRecHasTab;
    ++length_;
    if (longest_ >= 0)
        longest_ = std::max<int>(longest_, m.length);
    if (!indexDirty_)
        lenIndex_.add(l.block, 1);
    // Records after this one moved by one; this one stays where it was.
    mutated();
    fillCache(at.rec, l, at.start, at.inBlock);
    splitIfLarge(l.block);
}

void TTextStore::append(std::string_view text)
{
    if (text.empty())
        return;
    const std::size_t n = text.size();
    Block* cur = &blocks_.back();
    // The blocks before the last stay as they are: an index in step is kept
    // in step (the last block grows, new ones follow) instead of being
    // built again over every block at the next look-up.
    const std::size_t lastBlock = blocks_.size() - 1;
    const auto lastText = static_cast<std::int64_t>(cur->text.size());
    const auto lastRecs = static_cast<std::int64_t>(cur->recs.size());

    // The last record (never ended by CR) takes the text up to its end in
    // place: its meta, bookmarks, marks and colours stay where they are.
    TRecordMeta& open = cur->recs.back();
    bool tab = (open.flags & kRecHasTab) != 0;
    const std::size_t head
        = recordEnd(text.data(), std::min<std::size_t>(n, kMaxRecordLength - open.length), tab);
    const std::size_t openOff = cur->text.size() - open.length;
    cur->text.append(text.data(), head);
    if (!cur->tokens.empty()) {
        cur->tokens.resize(openOff);
        cur->tokens.resize(cur->text.size(), '\0');
    }
    open.length = static_cast<std::uint16_t>(open.length + head);
    open.flags = static_cast<std::uint16_t>(kRecDecoration | kRecContentChanged | (tab ? kRecHasTab : 0));
    open.endState = TRecordMeta{}.endState;
    open.resume = TRecordMeta{}.resume;
    int longest = open.length;
    std::int64_t made = 0;

    // The rest is cut into records straight into blocks: a block takes
    // records until it holds the target number or its text reaches the
    // target size (the last one may pass it by less than a record's
    // longest length); its records are one contiguous run of text. When
    // the text ends in CR the document gets its empty last record.
    bool afterCr = head > 0 && text[head - 1] == kCR;
    bool emptyLast = afterCr && head == n;
    std::size_t pos = head;
    TRecordCutter cutter(text.data() + head, n - head);
    TRecordMeta cut[kBlockTargetRecords];
    while (pos < n || emptyLast) {
        if (cur->recs.size() >= kBlockTargetRecords || cur->text.size() >= kBlockTargetBytes) {
            blocks_.emplace_back();
            cur = &blocks_.back();
        }
        const std::size_t room = kBlockTargetRecords - cur->recs.size();
        const std::size_t byteRoom = kBlockTargetBytes - cur->text.size();
        std::size_t count = 0;
        std::size_t at = pos;
        while (count < room && at - pos < byteRoom) {
            TRecordMeta& m = cut[count++];
            m = TRecordMeta{};
            if (at == n) {
                // Only the empty last record is left.
                m.flags = kRecDecoration | kRecContentChanged;
                emptyLast = false;
                break;
            }
            bool hasTab = false;
            const std::size_t len = cutter.next(hasTab);
            m.length = static_cast<std::uint16_t>(len);
            m.flags = static_cast<std::uint16_t>(kRecDecoration | kRecContentChanged | (hasTab ? kRecHasTab : 0));
            if (!afterCr)
                m.bookmarks = kContinuationBit;
            longest = std::max<int>(longest, m.length);
            at += len;
            afterCr = text[at - 1] == kCR;
            if (at == n) {
                emptyLast = afterCr;
                if (!emptyLast)
                    break;
            }
        }
        const std::size_t bytes = at - pos;
        if (cur->text.empty())
            cur->text.reserve(bytes + kBlockSlack);
        cur->text.append(text.data() + pos, bytes);
        if (!cur->tokens.empty())
            cur->tokens.resize(cur->text.size(), '\0');
        cur->colours.insert(cur->recs.size(), count);
        cur->recs.insert(cur->recs.end(), cut, cut + count);
        made += static_cast<std::int64_t>(count);
        pos = at;
    }
    length_ += static_cast<std::int64_t>(n);
    records_ += made;
    if (longest_ >= 0)
        longest_ = std::max(longest_, longest);
    if (indexDirty_) {
        structureChanged();
        return;
    }
    lenIndex_.add(lastBlock, static_cast<std::int64_t>(blocks_[lastBlock].text.size()) - lastText);
    recIndex_.add(lastBlock, static_cast<std::int64_t>(blocks_[lastBlock].recs.size()) - lastRecs);
    for (std::size_t b = lastBlock + 1; b < blocks_.size(); ++b) {
        lenIndex_.push(static_cast<std::int64_t>(blocks_[b].text.size()));
        recIndex_.push(static_cast<std::int64_t>(blocks_[b].recs.size()));
    }
    mutated();
}

std::pair<TTextOffset, std::string_view> TTextStore::blockAt(TTextOffset offset) const
{
    if (offset.value() < 0 || offset.value() >= length_)
        return {TTextOffset(0), {}};
    ensureIndex();
    std::int64_t before = 0;
    const std::size_t b = lenIndex_.find(offset.value(), before);
    return {TTextOffset(before), blocks_[b].text};
}

void TTextStore::pieces(TTextOffset from, TTextOffset to, const std::function<void(std::string_view)>& f) const
{
    const std::int64_t start = std::clamp<std::int64_t>(from.value(), 0, length_);
    const std::int64_t end = std::clamp<std::int64_t>(to.value(), start, length_);
    if (start == end)
        return;
    ensureIndex();
    std::int64_t before = 0;
    std::size_t b = lenIndex_.find(start, before);
    std::size_t off = static_cast<std::size_t>(start - before);
    std::int64_t need = end - start;
    while (need > 0 && b < blocks_.size()) {
        const std::string& t = blocks_[b].text;
        const std::size_t n = std::min<std::size_t>(t.size() - off, static_cast<std::size_t>(need));
        f(std::string_view(t).substr(off, n));
        need -= static_cast<std::int64_t>(n);
        off = 0;
        ++b;
    }
}

int TTextStore::longestRecord() const
{
    if (longest_ < 0) {
        int l = 0;
        for (const Block& b : blocks_)
            for (const TRecordMeta& m : b.recs)
                l = std::max<int>(l, m.length);
        longest_ = l;
    }
    return longest_;
}

std::string TTextStore::check() const
{
    std::int64_t len = 0;
    std::int64_t recs = 0;
    bool prevEndsCR = true;
    bool first = true;
    if (blocks_.empty())
        return "no blocks";
    // The records up to and including each block.
    std::vector<std::int64_t> recsThrough;
    recsThrough.reserve(blocks_.size());
    for (std::size_t bi = 0; bi < blocks_.size(); ++bi) {
        const Block& b = blocks_[bi];
        if (b.recs.empty())
            return "empty block " + std::to_string(bi);
        std::size_t off = 0;
        for (const TRecordMeta& m : b.recs) {
            if (m.length > kMaxRecordLength)
                return "record " + std::to_string(recs) + " longer than the limit";
            if (off + m.length > b.text.size())
                return "record " + std::to_string(recs) + " runs past its block";
            const bool cont = (m.bookmarks & kContinuationBit) != 0;
            if (!first && cont == prevEndsCR)
                return "record " + std::to_string(recs) + " continuation bit disagrees with the record before";
            if (first && cont)
                return "first record carries the continuation bit";
            const bool endsCR = m.length > 0 && b.text[off + m.length - 1] == kCR;
            if (m.length > 0 && std::memchr(b.text.data() + off, kCR, m.length - 1))
                return "record " + std::to_string(recs) + " holds a CR before its end";
            if (m.length == 0 && !(bi + 1 == blocks_.size() && &m == &b.recs.back()))
                return "empty record " + std::to_string(recs) + " that is not the last";
            prevEndsCR = endsCR;
            first = false;
            off += m.length;
            ++recs;
        }
        if (off != b.text.size())
            return "block " + std::to_string(bi) + " text length disagrees with its records";
        if (!b.tokens.empty() && b.tokens.size() != b.text.size())
            return "block " + std::to_string(bi) + " token values out of step";
        if (b.colours.held() && b.colours.size() != b.recs.size())
            return "block " + std::to_string(bi) + " line colours out of step";
        len += static_cast<std::int64_t>(off);
        recsThrough.push_back(recs);
    }
    // An index in step gives every block's start and first record.
    if (!indexDirty_) {
        if (lenIndex_.size() != blocks_.size() || recIndex_.size() != blocks_.size())
            return "the index has " + std::to_string(lenIndex_.size()) + " blocks, the store "
                + std::to_string(blocks_.size());
        std::int64_t start = 0;
        for (std::size_t bi = 0; bi < blocks_.size(); ++bi) {
            const std::int64_t recsBefore = recsThrough[bi] - static_cast<std::int64_t>(blocks_[bi].recs.size());
            if (lenIndex_.prefix(bi) != start || recIndex_.prefix(bi) != recsBefore)
                return "the index is out of step at block " + std::to_string(bi);
            start += static_cast<std::int64_t>(blocks_[bi].text.size());
        }
    }
    if (prevEndsCR)
        return "last record ends in CR";
    if (len != length_)
        return "length " + std::to_string(length_) + " but records hold " + std::to_string(len);
    if (recs != records_)
        return "record count " + std::to_string(records_) + " but there are " + std::to_string(recs);
    return {};
}

} // namespace tessaly::memo
