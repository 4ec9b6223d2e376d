// Re-highlighting: after an edit the text is scanned again from the nearest
// place where the parser can restart, and the scan stops as soon as a record
// comes out with the token values it already had.
#include "memo/SyntaxMemo.h"

#include "memo/EdStream.h"
#include "memo/HighlightRun.h"

namespace tessaly::memo {

void TSyntaxMemo::setParser(int slot, THighlighter* parser)
{
    if (slot < 1 || slot > kParserSlots)
        return;
    THighlighter*& p = parsers_[static_cast<std::size_t>(slot - 1)];
    if (p == parser)
        return;
    if (p && slot == activeParser_)
        p->detach(*this);
    p = parser;
    if (slot == activeParser_)
        activeParserChanged();
}

void TSyntaxMemo::setActiveParser(int slot)
{
    if (slot < 0 || slot > kParserSlots || slot == activeParser_)
        return;
    if (THighlighter* old = highlighter())
        old->detach(*this);
    activeParser_ = slot;
    activeParserChanged();
}

THighlighter* TSyntaxMemo::highlighter() const
{
    if (activeParser_ < 1)
        return nullptr;
    return parsers_[static_cast<std::size_t>(activeParser_ - 1)];
}

void TSyntaxMemo::activeParserChanged()
{
    if (THighlighter* h = highlighter())
        h->attach(*this);
    // Every stored value belongs to the old parser: scan everything again.
    store_.dropAllTokens();
    store_.meta(0).flags |= kRecForceHighlight;
    markChanged(0);
    changed(ckOptions);
    view_->repaintAll();
}

void TSyntaxMemo::refreshActiveParser()
{
    activeParserChanged();
}

bool TSyntaxMemo::editProperties()
{
    THighlighter* h = highlighter();
    if (!h) {
        messages_->error("No active parser");
        return false;
    }
    return h->editProperties(*this);
}

void TSyntaxMemo::highlightAll()
{
    store_.meta(0).flags |= kRecForceHighlight;
    markChanged(0);
    rehighlight();
}

void TSyntaxMemo::rehighlight()
{
    const std::int64_t changed = firstChanged_;
    firstChanged_ = -1;
    THighlighter* h = highlighter();
    if (!h || !h->usable() || changed < 0 || changed >= store_.recordCount())
        return;
    if (!options_.has(TSyntaxMemoOption::smoSyntaxHighlight))
        return;
    if (!(store_.meta(changed).flags & (kRecContentChanged | kRecForceHighlight)))
        return;
    if (onTokenSeen)
        onTokenSeen(*this, TTokenSeen::passBegin, 0, 0, 0);
    // Told once the pass ends, by whatever return.
    struct PassEnd {
        TSyntaxMemo& memo;
        ~PassEnd()
        {
            if (memo.onTokenSeen)
                memo.onTokenSeen(memo, TTokenSeen::passEnd, 0, 0, 0);
        }
    } passEnd{*this};

    // Restart point: walk back from the end of the record before the change
    // to the nearest character whose value is an anchor, then to the start
    // of that run of equal values.
    std::int64_t startRec = changed;
    int startCol = 0;
    std::uint8_t before = 0;
    for (std::int64_t r = changed - 1; r >= 0; --r) {
        const std::string_view vals = store_.recordTokens(r);
        if (vals.empty()) {
            startRec = r;
            startCol = 0;
            before = 0;
            continue;
        }
        int i = static_cast<int>(vals.size()) - 1;
        while (i >= 0 && !h->isAnchor(static_cast<std::uint8_t>(vals[static_cast<std::size_t>(i)])))
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
            const std::string_view prev = store_.recordTokens(r - 1);
            continues = !prev.empty() && prev.back() == run;
        }
        if (!continues)
            break;
    }
    if (startRec == 0 && startCol == 0)
        before = 0;

    h->resumeAt(before);
    TEdStream stream(store_, store_.recordStart(startRec) + startCol);
    std::int64_t rec = startRec;
    std::int64_t recStart = store_.recordStart(rec);
    std::string values(store_.recordTokens(rec).substr(0, static_cast<std::size_t>(startCol)));
    if (values.size() < static_cast<std::size_t>(startCol))
        values.resize(static_cast<std::size_t>(startCol), '\0');
    const std::int64_t total = store_.length();
    std::int64_t pos = recStart + startCol;
    // The end of the record being filled: until the scan passes it there is
    // nothing to store.
    std::int64_t recEnd = recStart + store_.meta(rec).length;

    TTextStore::RecordWalker walk(store_, rec);
    const std::int64_t count = store_.recordCount();

    // Records whose values changed and that are not yet repainted.
    std::int64_t repaintFirst = -1, repaintLast = -1;
    auto repaint = [&] {
        if (repaintFirst >= 0)
            view_->repaintRecords(repaintFirst, repaintLast);
        repaintFirst = repaintLast = -1;
    };
    // Completes every record that the scanned values cover; returns false
    // when the scan may stop.
    auto flush = [&]() -> bool {
        std::size_t used = 0;
        bool more = false;
        while (rec < count) {
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
            const std::uint32_t signature = h->stateSignature();
            // Equal values alone do not prove the scanner is back in step:
            // its state at the record's end must be the one stored too.
            const bool same = !old.empty() && old == fresh && m.endState == signature;
            walk.setTokens(fresh);
            m.endState = signature;
            m.flags = static_cast<std::uint16_t>((m.flags | kRecDecoration) & ~(kRecContentChanged | kRecForceHighlight));
            if (!same) {
                if (repaintFirst < 0 || rec != repaintLast + 1) {
                    repaint();
                    repaintFirst = rec;
                }
                repaintLast = rec;
            }
            used += static_cast<std::size_t>(len);
            const bool last = !walk.next();
            // The scan may stop once it is back in step, unless the next
            // record still waits for values of its own.
            const bool done = rec > changed && same && !forced && (last || !walk.tokens().empty())
                && !h->lookaheadPending();
            recStart += len;
            ++rec;
            if (onHighlightProgress && (done || last || rec % 2048 == 0))
                onHighlightProgress(rec);
            if (done || last)
                break;
            recEnd = recStart + walk.meta().length;
        }
        values.erase(0, used);
        if (!more)
            repaint();
        return more;
    };

    // Reporting every token takes a scan one token at a time; without a
    // listener the parser runs its own loop.
    auto scanReporting = [&]() {
        return scanTokensTo(
            stream, recEnd, values,
            [&](TEdStream& st, std::int64_t& length) {
                const std::int64_t start = st.position();
                const bool wasPending = h->lookaheadPending();
                const std::uint8_t value = h->nextToken(*this, st, length);
                // A token that starts a lookahead is scanned again: report it then.
                if (length > 0 && (wasPending || !h->lookaheadPending()))
                    onTokenSeen(*this, TTokenSeen::token, start, length, value);
                return value;
            },
            [h] { return h->lookaheadPending(); });
    };
    while (pos < total) {
        pos = onTokenSeen ? scanReporting() : h->scanTo(*this, stream, recEnd, values);
        if (!flush())
            return;
    }
    flush();
}

} // namespace tessaly::memo
