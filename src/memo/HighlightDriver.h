#pragma once

#include "memo/ResumePoints.h"
#include "memo/TextStore.h"

#include <chrono>
#include <cstdint>
#include <string>

namespace tessaly::memo {

class TSyntaxMemo;
class THighlighter;
class TMemoView;

// Re-highlighting: after an edit the text is scanned again from the nearest
// place where the parser can restart, and the scan stops as soon as a record
// comes out with the token values it already had. A big document is
// highlighted in a background pass: the visible records at once, the rest in
// slices from the event loop.
//
// This part owns the scanner states of the records' resume points, where the
// background pass stands and how many characters were scanned. The editor
// decides when to scan (after a notification, on load, on a change of
// parser) and hands over the active parser and the view to repaint; the
// editor's hooks (onTokenSeen, onHighlightProgress, onHighlightPass) are
// told as the scan goes.
class THighlightDriver {
public:
    THighlightDriver(TSyntaxMemo& memo, TTextStore& store) : memo_(memo), store_(store) {}
    THighlightDriver(const THighlightDriver&) = delete;
    THighlightDriver& operator=(const THighlightDriver&) = delete;

    // Documents of at least this many characters (0: none) get a pass.
    std::int64_t backgroundFrom() const { return backgroundFrom_; }
    void setBackgroundFrom(std::int64_t bytes) { backgroundFrom_ = bytes; }
    // True while a pass has records left.
    bool pending() const { return passFrom_ >= 0; }
    // The offset up to which the pass has stored values (the text length
    // when no pass runs).
    std::int64_t highlightedTo() const { return passFrom_ >= 0 ? passFrom_ : store_.length().value(); }
    // Characters given to the parser so far.
    std::int64_t scanned() const { return scanned_; }

    // Every stored value is about to go (a new text or parser): forgets the
    // resume states and ends any pass.
    void reset();
    // Sets where the pass stands, -1 to end it; the editor hears when a pass
    // begins or ends.
    void setPassFrom(std::int64_t offset);
    // True when a pass should highlight the document with h.
    bool passWanted(const THighlighter* h) const;
    // Begins a pass: scans the records up to visibleEnd now and leaves the
    // rest to slice.
    void startPass(THighlighter& h, TMemoView& view, std::int64_t visibleEnd);
    // Goes on with the pass for about budget; true while records are left.
    bool slice(THighlighter* h, TMemoView& view, std::chrono::nanoseconds budget);
    // Scans again from record changed after an edit, up to where the pass
    // stands when one runs.
    void rehighlight(THighlighter& h, TMemoView& view, std::int64_t changed);
    // Text was appended from record from on (that record took more text,
    // the rest is new): when a pass is wanted, it stands no further than
    // that record, and one begins if none runs. False when no pass is
    // wanted: the records are then scanned as after any edit.
    bool appended(const THighlighter* h, TRecordIndex from);
    // The text changed at start by extent characters (0: emptied): the pass
    // stands where it did in the text.
    void textChanged(std::int64_t start, std::int64_t extent);

    // Empty when the part is consistent, else what is wrong: the pass stands
    // within the text, and every resume point of a record with values names
    // a state of the table.
    std::string check() const;

private:
    // Scans from the nearest resume point before record changed until the
    // values are back in step, record stopAt is reached (-1: none) or the
    // clock passes deadline; returns the first record left without final
    // values, -1 when none is.
    std::int64_t scanRecords(THighlighter& h, TMemoView& view, std::int64_t changed, std::int64_t stopAt,
                             std::chrono::steady_clock::time_point deadline);

    TSyntaxMemo& memo_;
    TTextStore& store_;
    // The scanner states of the records' resume points.
    TResumePoints resumeStates_;
    // Start of the first record the background pass has not reached, -1
    // when no pass runs.
    std::int64_t passFrom_ = -1;
    std::int64_t backgroundFrom_ = 0;
    std::int64_t scanned_ = 0;
};

} // namespace tessaly::memo
