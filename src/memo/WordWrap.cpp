#include "memo/WordWrap.h"

#include "memo/CharWidth.h"
#include "memo/Normalise.h"
#include "memo/Utf8.h"

#include <algorithm>

namespace tessaly::memo {

bool TWordWrap::setAtColumn(int column)
{
    column = std::max(0, column);
    if (column == atColumn_)
        return false;
    atColumn_ = column;
    return true;
}

int TWordWrap::width(int visibleColumns) const
{
    const int w = atColumn_ > 0 ? atColumn_ : visibleColumns;
    return std::clamp(w, 1, kMaxRecordLength);
}

std::vector<std::size_t> TWordWrap::pieces(std::string_view line, const TRule& rule) const
{
    std::vector<std::size_t> pieces;
    std::size_t body = line.size();
    if (body > 0 && line[body - 1] == kCR)
        --body;
    bool wrap = rule.wordWrap;
    if (wrap && rule.useOverride && body > 0 && override_.find(line[0]) != std::string::npos)
        wrap = false;
    const int width = wrap ? rule.width : kMaxRecordLength;
    std::size_t p = 0;
    while (p < body) {
        // Take characters while they fit in the width (and the record limit).
        std::size_t i = p;
        std::size_t afterBlank = 0;
        int col = 0;
        while (i < body) {
            const char c = line[i];
            const int next = c == '\t' ? tabs_.nextStop(col) : col + cellsAt(line, i);
            const std::size_t len =
                static_cast<unsigned char>(c) < 0x80 ? 1 : static_cast<std::size_t>(utf8Length(line, i));
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

std::int64_t TWordWrap::lineEnd(std::int64_t first) const
{
    std::int64_t last = first;
    const std::int64_t count = store_.recordCount().value();
    while (last + 1 < count && (store_.meta(TRecordIndex(last + 1)).bookmarks & kContinuationBit))
        ++last;
    return last;
}

void TWordWrap::gatherLine(std::int64_t first, std::int64_t last, std::string& line,
                           std::vector<std::size_t>& pieces) const
{
    for (std::int64_t r = first; r <= last; ++r) {
        const std::string_view t = store_.recordText(TRecordIndex(r));
        line.append(t);
        pieces.push_back(t.size());
    }
}

std::int64_t TWordWrap::reflowLine(std::int64_t first, const TRule& rule,
                                   const std::function<void(std::int64_t, std::int64_t)>& changed)
{
    const std::int64_t last = lineEnd(first);
    const std::int64_t count = store_.recordCount().value();
    std::string line;
    std::vector<std::size_t> now;
    gatherLine(first, last, line, now);
    const std::vector<std::size_t> want = pieces(line, rule);
    if (want == now || line.empty())
        return last + 1;
    const std::int64_t made = store_.replaceRecords(TRecordIndex(first), TRecordIndex(last), line, want);
    changed(first, first + made - 1);
    // The empty record that ends a document after a final line break is not a piece.
    const bool endRecord = last == count - 1 && !line.empty() && line.back() == kCR;
    return first + made - (endRecord ? 1 : 0);
}

void TWordWrap::reflowRange(std::int64_t from, std::int64_t to, const TRule& rule,
                            const std::function<void(std::int64_t, std::int64_t)>& changed)
{
    std::int64_t rec = store_.recordOf(TTextOffset(std::min(from, to))).value();
    while (rec > 0 && (store_.meta(TRecordIndex(rec)).bookmarks & kContinuationBit))
        --rec;
    const std::int64_t end = std::max(from, to);
    while (rec < store_.recordCount().value() && store_.recordStart(TRecordIndex(rec)).value() <= end) {
        const std::int64_t next = reflowLine(rec, rule, changed);
        if (next <= rec)
            break;
        rec = next;
    }
}

std::string TWordWrap::check(const TRule& rule) const
{
    const std::int64_t count = store_.recordCount().value();
    for (std::int64_t first = 0; first < count;) {
        const std::int64_t last = lineEnd(first);
        std::string line;
        std::vector<std::size_t> now;
        gatherLine(first, last, line, now);
        // The empty record after a final line break stands for no line.
        if (!line.empty() && pieces(line, rule) != now)
            return "the line at record " + std::to_string(first) + " is not cut as the wrap rule says";
        first = last + 1;
    }
    return {};
}

} // namespace tessaly::memo
