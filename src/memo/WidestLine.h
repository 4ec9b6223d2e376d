#pragma once

#include "memo/TextStore.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

namespace tessaly::memo {

// The display width of the widest record, which horizontal scrolling has to
// reach. Measuring every record of a big document takes tens of
// milliseconds, too long for every key, so the width is kept and an edit
// has only the records it touched measured again: text typed into a record
// can only widen the widest record. Other edits (text removed, a line
// broken, lines wrapped again) may narrow it: a
// document of up to fullMeasureUpTo() records is then measured again in
// full, a bigger one keeps the width it had (the scroll range may stay a
// little long, it never comes out short) until the whole text, the tabs or
// the wrapping change.
class TWidestLine {
public:
    // The display width of record rec.
    using Measure = std::function<int(TRecordIndex)>;

    explicit TWidestLine(const TTextStore& store) : store_(store) {}

    // Forgets the width: the next question measures every record.
    void forget();
    // The text changed at start by extent characters (negative: removed; 0:
    // the text was emptied); wrapped says lines are cut by word wrap.
    void textChanged(TTextOffset start, std::int64_t extent, bool wrapped);
    // The widest record's width. layout names what the widths depend on
    // besides the text (tabs, wrapping): a new one forgets the width. A
    // record is measured only when its bytes, times tabFactor when it holds
    // a tab, could beat the widest so far.
    int widest(const std::string& layout, const Measure& measure, int tabFactor);

    // Measures every record in slices (measureSlice) instead of at the next
    // question: loading a big document then shows its first page sooner.
    // Until the last slice, widest() answers no less than bound (the
    // longest record's bytes: no record without a tab is wider) and no less
    // than what was measured.
    void measureInBackground(const std::string& layout, int bound);
    // True while that measure is unfinished.
    bool measuring() const { return cursor_ >= 0; }
    // Measures records until the deadline; false once every record is.
    bool measureSlice(const Measure& measure, int tabFactor, std::chrono::steady_clock::time_point deadline);

    std::int64_t fullMeasureUpTo() const { return fullUpTo_; }
    void setFullMeasureUpTo(std::int64_t records) { fullUpTo_ = records; }

    // Empty when the kept width is right: that of a full measure, or no
    // less after a narrowing edit let stand. Else what is wrong.
    std::string check(const Measure& measure, int tabFactor) const;

private:
    // The widest of records first..last, no less than best.
    int measureRecords(TRecordIndex first, TRecordIndex last, int best, const Measure& measure, int tabFactor) const;

    const TTextStore& store_;
    int widest_ = -1; // -1: not known
    // The offsets [lo_, hi_] the edits since the last question touched, -1
    // when none did.
    std::int64_t lo_ = -1;
    std::int64_t hi_ = -1;
    bool narrowed_ = false;
    // The record count when last told or asked.
    std::int64_t records_ = 0;
    std::string layout_;
    std::int64_t fullUpTo_ = 1 << 16;
    // The next record a background measure takes, -1 when none runs; its
    // provisional answer.
    std::int64_t cursor_ = -1;
    int bound_ = 0;
};

} // namespace tessaly::memo
