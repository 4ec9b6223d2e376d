// The replacement primitive behind every change of the text: delete the
// selected range, insert the new text, record both as one undo transaction.
#include "memo/SyntaxMemo.h"

#include "memo/Normalise.h"

#include <algorithm>

namespace tessaly::memo {

void TSyntaxMemo::replaceSelection(std::string_view text)
{
    replaceCore(text, kTransText);
}

void TSyntaxMemo::insertStream(std::string_view text)
{
    replaceCore(text, kTransStream);
}

void TSyntaxMemo::replaceCore(std::string_view text, std::int32_t transType)
{
    // A single character is stored as it is, but for LF, which becomes CR;
    // longer texts are normalised to the store's form. Recorded texts are in
    // the store's form already and are replayed byte for byte.
    std::string norm;
    if (replaying_)
        norm.assign(text);
    else if (text.size() == 1)
        norm.assign(1, text[0] == kLF ? kCR : text[0]);
    else
        normaliseInto(text, norm);

    if (norm.empty() && anchor_ == caret_)
        return;
    undo_.openGroup(ugReplaceSel, anchor_, caret_);
    const std::int64_t start = std::min(anchor_, caret_);
    const std::int64_t end = std::max(anchor_, caret_);
    bool began = false;
    if (!undo_.transactionRunning() && !replaying_ && undo_.recording()) {
        undo_.beginTransaction(transType, norm, anchor_, caret_,
                               start == end ? std::string() : store_.text(TTextOffset(start), TTextOffset(end)));
        began = true;
    }
    deleteRange(start, end);
    anchor_ = caret_ = std::min(start, store_.length().value());
    insertAtCaret(norm);
    anchor_ = caret_;
    if (hasOption(TSyntaxMemoOption::smoWordWrap))
        reflowRange(start, caret_);
    // The caret stays next to what was put in: when that filled a piece up
    // to its end, the caret is shown there, not at the next piece's start.
    caretAtPieceEnd_ = !norm.empty() && isPieceBoundary(caret_);
    preferredColumn_ = -1;
    if (began)
        undo_.endTransaction(transType, anchor_, caret_);
    undo_.closeGroup(ugReplaceSel, anchor_, caret_);
}

void TSyntaxMemo::deleteRange(std::int64_t start, std::int64_t end)
{
    start = std::clamp<std::int64_t>(start, 0, store_.length().value());
    end = std::clamp<std::int64_t>(end, start, store_.length().value());
    if (start == end)
        return;
    const std::int64_t r0 = store_.recordOf(TTextOffset(start)).value();
    const std::int64_t r1 = store_.recordOf(TTextOffset(end)).value();
    const std::int64_t s0 = store_.recordStart(TRecordIndex(r0)).value();
    const std::int64_t s1 = store_.recordStart(TRecordIndex(r1)).value();
    std::string joined(store_.recordText(TRecordIndex(r0)).substr(0, static_cast<std::size_t>(start - s0)));
    const std::string_view t1 = store_.recordText(TRecordIndex(r1));
    const std::size_t cut1 = static_cast<std::size_t>(end - s1);
    if (cut1 < t1.size())
        joined.append(t1.substr(cut1));
    // Whole lines deleted in front of a line leave that line intact: it keeps
    // its own bookmarks and marks rather than those of the first deleted line.
    const bool keepsLast = start == s0 && end == s1 && r1 > r0;
    const TLineMarks lastMarks = keepsLast ? lineMarksOf(r1) : TLineMarks{};
    store_.replaceRecords(TRecordIndex(r0), TRecordIndex(r1), joined);
    if (keepsLast)
        putLineMarks(r0, lastMarks);
    markChanged(r0);
    if (store_.length().value() == 0) {
        anchor_ = caret_ = 0;
        topLine_ = 0;
        textChanged(0, 0);
        return;
    }
    if (topLine_ >= store_.recordCount().value())
        topLine_ = store_.recordCount().value() - 1;
    textChanged(start, -(end - start));
}

void TSyntaxMemo::insertAtCaret(std::string_view norm)
{
    if (norm.empty())
        return;
    const std::int64_t before = caret_;
    const std::int64_t rec = store_.recordOf(TTextOffset(caret_)).value();
    const int col = static_cast<int>(caret_ - store_.recordStart(TRecordIndex(rec)).value());
    const std::string_view t = store_.recordText(TRecordIndex(rec));
    if (norm.size() == 1 && norm[0] != kCR && t.size() < static_cast<std::size_t>(kMaxRecordLength)) {
        // A character inside a record changes that record in place.
        store_.insertCharInPlace(TRecordIndex(rec), col, norm[0]);
    } else {
        std::string joined;
        joined.reserve(t.size() + norm.size());
        joined.append(t.substr(0, static_cast<std::size_t>(col)));
        joined.append(norm);
        joined.append(t.substr(static_cast<std::size_t>(col)));
        store_.replaceRecords(TRecordIndex(rec), TRecordIndex(rec), joined);
        // Whole lines inserted in front of a line push it down together with
        // its bookmarks and marks.
        if (col == 0 && norm.back() == kCR && !t.empty())
            carryLineMarks(rec, store_.recordOf(TTextOffset(before + static_cast<std::int64_t>(norm.size()))).value());
    }
    caret_ += static_cast<std::int64_t>(norm.size());
    markChanged(rec, store_.recordOf(TTextOffset(caret_)).value());
    textChanged(before, static_cast<std::int64_t>(norm.size()));
}

} // namespace tessaly::memo
