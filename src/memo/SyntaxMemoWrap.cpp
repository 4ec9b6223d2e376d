// Word wrap: a logical line (a record and the records that continue it) is
// cut into pieces no wider than the wrap width, after the last blank that
// fits when there is one. Only the last piece ends in CR; the others carry the
// continuation bit. Without word wrap only overlong lines are cut.
#include "memo/SyntaxMemo.h"

#include "memo/CharWidth.h"

#include "memo/Normalise.h"
#include "memo/Utf8.h"

#include <algorithm>

namespace tessaly::memo {

int TSyntaxMemo::wrapWidth() const
{
    const int w = wrapAtColumn_ > 0 ? wrapAtColumn_ : view_->visibleColumns();
    return std::clamp(w, 1, kMaxRecordLength);
}

void TSyntaxMemo::setWrapAtColumn(int column)
{
    column = std::max(0, column);
    if (column == wrapAtColumn_)
        return;
    wrapAtColumn_ = column;
    if (hasOption(TSyntaxMemoOption::smoWordWrap))
        reflow();
}

void TSyntaxMemo::setWrapOverride(std::string chars)
{
    wrapOverride_ = std::move(chars);
    if (hasOption(TSyntaxMemoOption::smoWordWrap) && hasOption(TSyntaxMemoOption::smoWrapOverride))
        reflow();
}

std::vector<std::size_t> TSyntaxMemo::wrapPieces(std::string_view line) const
{
    std::vector<std::size_t> pieces;
    std::size_t body = line.size();
    if (body > 0 && line[body - 1] == kCR)
        --body;
    bool wrap = hasOption(TSyntaxMemoOption::smoWordWrap);
    if (wrap && hasOption(TSyntaxMemoOption::smoWrapOverride) && body > 0
        && wrapOverride_.find(line[0]) != std::string::npos)
        wrap = false;
    const int width = wrap ? wrapWidth() : kMaxRecordLength;
    std::size_t p = 0;
    while (p < body) {
        // Take characters while they fit in the width (and the record limit).
        std::size_t i = p;
        std::size_t afterBlank = 0;
        int col = 0;
        while (i < body) {
            const char c = line[i];
            const int next = c == '\t' ? tabs_.nextStop(col) : col + cellsAt(line, i);
            const std::size_t len = static_cast<unsigned char>(c) < 0x80 ? 1 : static_cast<std::size_t>(utf8Length(line, i));
            if ((next > width && i > p) || i + len - p > static_cast<std::size_t>(kMaxRecordLength))
                break;
            col = next;
            i += len;
            if (wrap && (c == ' ' || c == '\t'))
                afterBlank = i;
        }
        if (i < body && wrap && afterBlank > p)
            i = afterBlank;
        // The last piece takes the line break when it still fits the record limit.
        if (i >= body && line.size() - p <= static_cast<std::size_t>(kMaxRecordLength))
            i = line.size();
        pieces.push_back(i - p);
        p = i;
    }
    if (pieces.empty())
        pieces.push_back(line.size());
    else if (p < line.size())
        pieces.push_back(line.size() - p);
    return pieces;
}

std::int64_t TSyntaxMemo::reflowLine(std::int64_t first)
{
    std::int64_t last = first;
    const std::int64_t count = store_.recordCount();
    while (last + 1 < count && (store_.meta(last + 1).bookmarks & kContinuationBit))
        ++last;
    std::string line;
    std::vector<std::size_t> now;
    for (std::int64_t r = first; r <= last; ++r) {
        const std::string_view t = store_.recordText(r);
        line.append(t);
        now.push_back(t.size());
    }
    const std::vector<std::size_t> want = wrapPieces(line);
    if (want == now || line.empty())
        return last + 1;
    const std::int64_t made = store_.replaceRecords(first, last, line, want);
    markChanged(first, first + made - 1);
    // The empty record that ends a document after a final line break is not a piece.
    const bool endRecord = last == count - 1 && !line.empty() && line.back() == kCR;
    return first + made - (endRecord ? 1 : 0);
}

void TSyntaxMemo::reflowRange(std::int64_t from, std::int64_t to)
{
    std::int64_t rec = store_.recordOf(std::min(from, to));
    while (rec > 0 && (store_.meta(rec).bookmarks & kContinuationBit))
        --rec;
    const std::int64_t end = std::max(from, to);
    while (rec < store_.recordCount() && store_.recordStart(rec) <= end) {
        const std::int64_t next = reflowLine(rec);
        if (next <= rec)
            break;
        rec = next;
    }
    topLine_ = std::min(topLine_, store_.recordCount() - 1);
}

void TSyntaxMemo::reflow()
{
    reflowRange(0, store_.length());
    changeKinds_ |= ckSize;
    scrollCaret();
    notify();
    view_->repaintAll();
}

} // namespace tessaly::memo
