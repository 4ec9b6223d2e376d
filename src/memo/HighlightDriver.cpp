// Re-highlighting: the scan from the nearest resume point, the background
// pass and their bookkeeping.
#include "memo/HighlightDriver.h"

#include "memo/EdStream.h"
#include "memo/HighlightRun.h"
#include "memo/SyntaxMemo.h"

#include <algorithm>

namespace tessaly::memo {

namespace {

// Characters a timed scan goes between two reads of the clock: some tens of
// microseconds of scanning.
constexpr std::int64_t kClockStride = 4096;

} // namespace

void THighlightDriver::reset()
{
    resumeStates_.clear();
    setPassFrom(-1);
}

void THighlightDriver::setPassFrom(std::int64_t offset)
{
    const bool was = passFrom_ >= 0;
    passFrom_ = offset;
    if (was != (offset >= 0))
        memo_.backgroundChanged();
}

bool THighlightDriver::passWanted(const THighlighter* h) const
{
    return backgroundFrom_ > 0 && store_.length().value() >= backgroundFrom_ && h && h->usable();
}

void THighlightDriver::startPass(THighlighter& h, TMemoView& view, std::int64_t visibleEnd)
{
    store_.meta(TRecordIndex(0)).flags &= static_cast<std::uint16_t>(~kRecForceHighlight);
    setPassFrom(0);
    // What the window shows first, the rest from the event loop.
    const std::int64_t stop = scanRecords(h, view, 0, visibleEnd, {});
    setPassFrom(stop < 0 ? -1 : store_.recordStart(TRecordIndex(stop)).value());
}

bool THighlightDriver::slice(THighlighter* h, TMemoView& view, std::chrono::nanoseconds budget)
{
    if (passFrom_ < 0)
        return false;
    if (!h || !h->usable()) {
        setPassFrom(-1);
        return false;
    }
    const std::int64_t from = store_.recordOf(TTextOffset(passFrom_)).value();
    const std::int64_t stop = scanRecords(*h, view, from, -1, std::chrono::steady_clock::now() + budget);
    setPassFrom(stop < 0 ? -1 : store_.recordStart(TRecordIndex(stop)).value());
    return passFrom_ >= 0;
}

void THighlightDriver::rehighlight(THighlighter& h, TMemoView& view, std::int64_t changed)
{
    if (memo_.onTokenSeen)
        memo_.onTokenSeen(memo_, TTokenSeen::passBegin, 0, 0, 0);
    // Told once the pass ends, by whatever return.
    struct PassEnd {
        TSyntaxMemo& memo;
        ~PassEnd()
        {
            if (memo.onTokenSeen)
                memo.onTokenSeen(memo, TTokenSeen::passEnd, 0, 0, 0);
        }
    } passEnd{memo_};
    if (passFrom_ < 0) {
        scanRecords(h, view, changed, -1, {});
        return;
    }
    // Beyond the pass there is nothing to keep in step: the pass gets there.
    const std::int64_t frontier = store_.recordOf(TTextOffset(passFrom_)).value();
    if (changed >= frontier)
        return;
    const std::int64_t stop = scanRecords(h, view, changed, frontier, {});
    if (stop >= 0 && store_.recordStart(TRecordIndex(stop)).value() > passFrom_)
        setPassFrom(store_.recordStart(TRecordIndex(stop)).value());
}

bool THighlightDriver::appended(const THighlighter* h, TRecordIndex from)
{
    if (!passWanted(h))
        return false;
    // The record that took more text lost its values: the pass scans it
    // again, and the new records after it.
    const std::int64_t start = store_.recordStart(from).value();
    if (passFrom_ < 0 || passFrom_ > start)
        setPassFrom(start);
    return true;
}

void THighlightDriver::textChanged(std::int64_t start, std::int64_t extent)
{
    // The background pass stands where it did in the text: edits in front
    // of it move it.
    if (passFrom_ >= 0 && extent == 0)
        setPassFrom(-1);
    else if (passFrom_ >= 0 && start < passFrom_)
        passFrom_ = extent > 0 ? passFrom_ + extent : std::max(start, passFrom_ + extent);
}

std::string THighlightDriver::check() const
{
    if (passFrom_ < -1 || passFrom_ > store_.length().value())
        return "the pass stands at " + std::to_string(passFrom_) + ", outside the text";
    if (scanned_ < 0)
        return "negative scan count";
    const std::int64_t count = store_.recordCount().value();
    for (std::int64_t r = 0; r < count; ++r) {
        const TRecordMeta& m = store_.meta(TRecordIndex(r));
        if ((m.flags & kRecHasTokens) && m.resume != TResumePoints::kNone
            && TResumePoints::stateOf(m.resume) >= resumeStates_.size())
            return "record " + std::to_string(r) + " resumes at an unknown state";
    }
    return {};
}

std::int64_t THighlightDriver::scanRecords(THighlighter& h, TMemoView& view, std::int64_t changed, std::int64_t stopAt,
                                          std::chrono::steady_clock::time_point deadline)
{
    using Clock = std::chrono::steady_clock;
    const bool timed = deadline != Clock::time_point{};
    std::int64_t startRec = 0;
    int startCol = 0;
    std::uint8_t before = 0;
    // The resume point the scan starts from, kept by its record.
    std::uint32_t startResume = TResumePoints::kNone;
    if (h.exactResume()) {
        // The nearest record before the change that holds values and a
        // resume point: the scan picks up the very state a scan from the
        // top had there. Records of one long token have none; any other
        // record usually has, so the walk is short.
        for (std::int64_t r = changed - 1; r >= 0; --r) {
            const TRecordMeta& m = store_.meta(TRecordIndex(r));
            if (!(m.flags & kRecHasTokens) || m.resume == TResumePoints::kNone)
                continue;
            const std::uint32_t id = TResumePoints::stateOf(m.resume);
            const int col = TResumePoints::columnOf(m.resume);
            if (id >= resumeStates_.size() || col >= m.length)
                continue;
            startRec = r;
            startCol = col;
            startResume = m.resume;
            break;
        }
        if (startResume == TResumePoints::kNone) {
            h.resumeAt(0);
            std::string top;
            if (h.saveState(top)) {
                const std::uint32_t id = resumeStates_.intern(top);
                if (id != TResumePoints::kNone)
                    startResume = TResumePoints::pack(id, 0);
            }
        } else
            h.restoreState(resumeStates_.state(TResumePoints::stateOf(startResume)));
    } else {
        // Restart point: walk back from the end of the record before the
        // change to the nearest character whose value is an anchor, then to
        // the start of that run of equal values.
        startRec = changed;
        for (std::int64_t r = changed - 1; r >= 0; --r) {
            const std::string_view vals = store_.recordTokens(TRecordIndex(r));
            if (vals.empty()) {
                startRec = r;
                startCol = 0;
                before = 0;
                continue;
            }
            int i = static_cast<int>(vals.size()) - 1;
            while (i >= 0 && !h.isAnchor(static_cast<std::uint8_t>(vals[static_cast<std::size_t>(i)])))
                --i;
            if (i < 0) {
                startRec = r;
                startCol = 0;
                before = 0;
                continue;
            }
            const char run = vals[static_cast<std::size_t>(i)];
            while (i > 0 && vals[static_cast<std::size_t>(i) - 1] == run)
                --i;
            startRec = r;
            startCol = i;
            before = static_cast<std::uint8_t>(run);
            if (i > 0 || r == 0)
                break;
            // The run reaches the start of the record: it may go on in the one before.
            bool continues = false;
            if (r > 0) {
                const std::string_view prev = store_.recordTokens(TRecordIndex(r - 1));
                continues = !prev.empty() && prev.back() == run;
            }
            if (!continues)
                break;
        }
        if (startRec == 0 && startCol == 0)
            before = 0;
        h.resumeAt(before);
    }

    TEdStream stream(store_, store_.recordStart(TRecordIndex(startRec)).value() + startCol);
    std::int64_t rec = startRec;
    std::int64_t recStart = store_.recordStart(TRecordIndex(rec)).value();
    std::string values(store_.recordTokens(TRecordIndex(rec)).substr(0, static_cast<std::size_t>(startCol)));
    if (values.size() < static_cast<std::size_t>(startCol))
        values.resize(static_cast<std::size_t>(startCol), '\0');
    const std::int64_t total = store_.length().value();
    std::int64_t pos = recStart + startCol;
    // The end of the record being filled: until the scan passes it there is
    // nothing to store.
    std::int64_t recEnd = recStart + store_.meta(TRecordIndex(rec)).length;

    TTextStore::RecordWalker walk(store_, TRecordIndex(rec));
    const std::int64_t count = store_.recordCount().value();

    // The resume point of the record being filled: where the scan stood
    // inside it at a token boundary, found when the record before was
    // stored.
    std::int64_t resumeRec = startRec;
    std::uint32_t resumeAt = startResume;
    std::string state;

    // Records whose values changed and that are not yet repainted.
    std::int64_t repaintFirst = -1, repaintLast = -1;
    auto repaint = [&] {
        if (repaintFirst >= 0)
            view.repaintRecords(repaintFirst, repaintLast);
        repaintFirst = repaintLast = -1;
    };
    auto markRepaint = [&](std::int64_t r) {
        if (repaintFirst < 0 || r != repaintLast + 1) {
            repaint();
            repaintFirst = r;
        }
        repaintLast = r;
    };
    // Completes every record that the scanned values cover; returns false
    // when the scan may stop.
    bool stopped = false;
    auto flush = [&]() -> bool {
        std::size_t used = 0;
        bool more = false;
        while (rec < count) {
            if (rec >= stopAt && stopAt >= 0 && rec > changed) {
                stopped = true;
                break;
            }
            TRecordMeta& m = walk.meta();
            const std::int64_t len = m.length;
            const std::int64_t have = static_cast<std::int64_t>(values.size() - used);
            if (have < len && recStart + len <= total) {
                more = true;
                break;
            }
            if (have < len)
                values.resize(used + static_cast<std::size_t>(len), '\0');
            const std::string_view fresh(values.data() + used, static_cast<std::size_t>(len));
            const bool forced = (m.flags & kRecForceHighlight) != 0;
            const std::string_view old = walk.tokens();
            const std::uint32_t signature = h.stateSignature();
            // Equal values alone do not prove the scanner is back in step:
            // its state at the record's end must be the one stored too.
            const bool same = !old.empty() && old == fresh && m.endState == signature;
            walk.setTokens(fresh);
            m.endState = signature;
            m.resume = rec == resumeRec ? resumeAt : TResumePoints::kNone;
            m.flags = static_cast<std::uint16_t>((m.flags | kRecDecoration) & ~(kRecContentChanged | kRecForceHighlight));
            if (!same)
                markRepaint(rec);
            used += static_cast<std::size_t>(len);
            const bool last = !walk.next();
            // The scan may stop once it is back in step, unless the next
            // record still waits for values of its own.
            bool done = rec > changed && same && !forced && (last || !walk.tokens().empty())
                && !h.lookaheadPending();
            if (!last && h.exactResume()) {
                // Equal signatures may have been taken at other places when
                // a token ran over the record's end. With exact states the
                // scan stops only where it stands, at its first token
                // boundary in the next record (or inside a long token cut at
                // the record's end), in the very state and at the very
                // column stored there as the record's resume point: from
                // there on the last scan went the same way, whatever values
                // the records scanned now got. So the scan may stop right
                // after the changed record, unless the next one changed too.
                // A token that runs over the record's end (a line break with
                // the next line's indentation) puts that place past column 0.
                const TRecordMeta& nm = walk.meta();
                done = rec >= changed && !forced && !walk.tokens().empty() && !h.lookaheadPending()
                    && !(nm.flags & (kRecContentChanged | kRecForceHighlight));
                const std::uint32_t next = nm.resume;
                const std::size_t have = values.size() - used;
                const std::string_view kept = walk.tokens();
                done = done && next != TResumePoints::kNone && TResumePoints::stateOf(next) < resumeStates_.size()
                    && have == static_cast<std::size_t>(TResumePoints::columnOf(next))
                    && have < static_cast<std::size_t>(nm.length) && kept.size() == static_cast<std::size_t>(nm.length)
                    && h.saveState(state) && state == resumeStates_.state(TResumePoints::stateOf(next));
                if (done && have > 0) {
                    // The next record takes the scanned values up to its
                    // resume point and keeps its own after it.
                    const std::string_view head(values.data() + used, have);
                    if (kept.substr(0, have) != head) {
                        std::string merged(head);
                        merged.append(kept.substr(have));
                        walk.setTokens(merged);
                        markRepaint(rec + 1);
                    }
                }
            }
            recStart += len;
            ++rec;
            if (memo_.onHighlightProgress && (done || last || rec % 2048 == 0))
                memo_.onHighlightProgress(rec);
            if (done || last)
                break;
            recEnd = recStart + walk.meta().length;
        }
        values.erase(0, used);
        if (more && rec != resumeRec) {
            // The scan stands at a token boundary inside the record now
            // being filled: a place to resume at later.
            resumeRec = rec;
            resumeAt = TResumePoints::kNone;
            if (pos - recStart < walk.meta().length && h.saveState(state)) {
                const std::uint32_t id = resumeStates_.intern(state);
                if (id != TResumePoints::kNone)
                    resumeAt = TResumePoints::pack(id, static_cast<int>(pos - recStart));
            }
        }
        if (!more || stopped)
            repaint();
        return more && !stopped;
    };

    // Reporting every token takes a scan one token at a time; without a
    // listener the parser runs its own loop.
    auto scanReporting = [&]() {
        return scanTokensTo(
            stream, recEnd, values,
            [&](TEdStream& st, std::int64_t& length) {
                const std::int64_t start = st.position();
                const bool wasPending = h.lookaheadPending();
                const std::uint8_t value = h.nextTokenUntil(memo_, st, recEnd, length);
                // A token that starts a lookahead is scanned again: report it then.
                if (length > 0 && (wasPending || !h.lookaheadPending()))
                    memo_.onTokenSeen(memo_, TTokenSeen::token, start, length, value);
                return value;
            },
            [&h] { return h.lookaheadPending(); });
    };
    // A timed scan reads the clock after every few thousand characters
    // rather than after every record (a clock read costs as much as
    // scanning a short record), and ends when the next stretch, expected to
    // take as long as the last one, would run past the deadline: so a slice
    // keeps within its budget instead of overrunning it by a stretch.
    std::int64_t sinceClock = 0;
    auto lastClock = timed ? Clock::now() : Clock::time_point{};
    while (pos < total) {
        const std::int64_t from = pos;
        pos = memo_.onTokenSeen ? scanReporting() : h.scanTo(memo_, stream, recEnd, values);
        scanned_ += pos - from;
        if (!flush())
            return stopped ? rec : -1;
        if (timed && (sinceClock += pos - from) >= kClockStride) {
            sinceClock = 0;
            const auto now = Clock::now();
            const auto stretch = now - lastClock;
            lastClock = now;
            if (now + stretch >= deadline) {
                repaint();
                return rec;
            }
        }
    }
    flush();
    return stopped ? rec : -1;
}

} // namespace tessaly::memo
