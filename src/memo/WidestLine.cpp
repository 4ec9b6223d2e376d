// The widest record's width, kept across edits.
#include "memo/WidestLine.h"

#include <algorithm>

namespace tessaly::memo {

void TWidestLine::forget()
{
    widest_ = -1;
    lo_ = hi_ = -1;
    narrowed_ = false;
    cursor_ = -1;
}

void TWidestLine::measureInBackground(const std::string& layout, int bound)
{
    forget();
    layout_ = layout;
    widest_ = 0;
    bound_ = bound;
    cursor_ = 0;
    records_ = store_.recordCount().value();
}

bool TWidestLine::measureSlice(const Measure& measure, int tabFactor, std::chrono::steady_clock::time_point deadline)
{
    if (cursor_ < 0)
        return false;
    const std::int64_t last = store_.recordCount().value() - 1;
    while (cursor_ <= last) {
        // The clock is read every few thousand records.
        const std::int64_t stop = std::min<std::int64_t>(last, cursor_ + 4095);
        widest_ = measureRecords(TRecordIndex(cursor_), TRecordIndex(stop), widest_, measure, tabFactor);
        cursor_ = stop + 1;
        if (std::chrono::steady_clock::now() >= deadline)
            break;
    }
    if (cursor_ <= last)
        return true;
    cursor_ = -1;
    return false;
}

void TWidestLine::textChanged(TTextOffset startAt, std::int64_t extent, bool wrapped)
{
    const std::int64_t start = startAt.value();
    if (widest_ < 0)
        return;
    if (extent == 0) {
        forget();
        return;
    }
    // Only text put into one record, which stays one record, cannot narrow
    // any: removed text, a line broken in two and lines cut again by the
    // wrapping all may.
    const std::int64_t end = start + std::max<std::int64_t>(extent, 0);
    const bool widensOnly = extent > 0 && !wrapped && store_.recordCount().value() == records_
        && store_.recordOf(startAt) == store_.recordOf(TTextOffset(end));
    records_ = store_.recordCount().value();
    if (!widensOnly && records_ <= fullUpTo_) {
        forget();
        return;
    }
    narrowed_ = narrowed_ || !widensOnly;
    // A background measure takes the records from the edit on again.
    if (cursor_ >= 0)
        cursor_ = std::min(cursor_, store_.recordOf(startAt).value());
    // The touched stretch, with what an earlier edit of the same batch
    // touched moved along by this one.
    if (lo_ < 0) {
        lo_ = start;
        hi_ = end;
        return;
    }
    if (start < hi_)
        hi_ = std::max(start, hi_ + extent);
    lo_ = std::min(lo_, start);
    hi_ = std::max(hi_, end);
}

int TWidestLine::measureRecords(TRecordIndex first, TRecordIndex last, int best, const Measure& measure,
                                int tabFactor) const
{
    TTextStore::RecordReader r(store_, first);
    while (true) {
        const TRecordMeta& m = r.meta();
        const int bound = (m.flags & kRecHasTab) ? m.length * tabFactor : m.length;
        if (bound > best)
            best = std::max(best, measure(r.record()));
        if (r.record() >= last || !r.next())
            break;
    }
    return best;
}

int TWidestLine::widest(const std::string& layout, const Measure& measure, int tabFactor)
{
    if (layout != layout_) {
        forget();
        layout_ = layout;
    }
    if (widest_ < 0) {
        widest_ = measureRecords(TRecordIndex(0), store_.recordCount() - 1, 0, measure, tabFactor);
        lo_ = hi_ = -1;
        records_ = store_.recordCount().value();
        return widest_;
    }
    if (lo_ >= 0) {
        const std::int64_t length = store_.length().value();
        TRecordIndex first = store_.recordOf(TTextOffset(std::clamp<std::int64_t>(lo_, 0, length)));
        TRecordIndex last = store_.recordOf(TTextOffset(std::clamp<std::int64_t>(hi_, 0, length)));
        // Wrapped lines are cut again as a whole: measure all of each.
        while (first > TRecordIndex(0) && (store_.meta(first).bookmarks & kContinuationBit))
            --first;
        while (last + 1 < store_.recordCount() && (store_.meta(last + 1).bookmarks & kContinuationBit))
            ++last;
        widest_ = measureRecords(first, last, widest_, measure, tabFactor);
        lo_ = hi_ = -1;
    }
    records_ = store_.recordCount().value();
    return cursor_ >= 0 ? std::max(widest_, bound_) : widest_;
}

std::string TWidestLine::check(const Measure& measure, int tabFactor) const
{
    if (widest_ < 0)
        return {};
    if (cursor_ >= 0)
        return cursor_ <= store_.recordCount().value() ? std::string() : "background measure past the last record";
    const int full = measureRecords(TRecordIndex(0), store_.recordCount() - 1, 0, measure, tabFactor);
    if (lo_ < 0 && (narrowed_ ? widest_ < full : widest_ != full))
        return "kept width " + std::to_string(widest_) + ", measured " + std::to_string(full);
    if (lo_ > hi_)
        return "touched stretch ends before it begins";
    return {};
}

} // namespace tessaly::memo
