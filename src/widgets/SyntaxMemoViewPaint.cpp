// Painting: only the records that the update region covers, each from its
// text, token values and line colours, with the gutter at the left.
#include "widgets/SyntaxMemoView.h"

#include "memo/CharWidth.h"
#include "memo/TokenStyle.h"
#include "memo/Utf8.h"
#include "widgets/GutterGlyphs.h"
#include "widgets/QtColor.h"

#include <QPaintEvent>
#include <QPainter>

namespace tessaly::widgets {

namespace {

int highestBit(unsigned word)
{
    int n = -1;
    while (word) {
        word >>= 1;
        ++n;
    }
    return n;
}

// The character shown for the byte or UTF-8 sequence at byte i of t.
QString shownCharacter(std::string_view t, std::size_t i)
{
    const char32_t cp = memo::utf8Decode(t, i);
    if (cp >= 0x80 && cp < 0xA0)
        return QString(QChar(0xFFFD)); // a lone byte whose Latin-1 character is a control
    return QString::fromUcs4(&cp, 1);
}

} // namespace

void TSyntaxMemoView::paintEvent(QPaintEvent* event)
{
    QPainter p(viewport());
    p.setFont(font());
    const QRect area = event->rect();
    const QPalette pal = palette();
    const memo::TTextStore& store = memo_.store();
    const int lh = lineHeight_;
    const int width = viewport()->width();
    const bool hideSel = memo_.hideSelection() && !hasFocus() && !keepSelectionVisible_;
    const std::int64_t selA = hideSel ? 0 : std::min(memo_.anchor(), memo_.caret());
    const std::int64_t selB = hideSel ? 0 : std::max(memo_.anchor(), memo_.caret());
    const std::int64_t top = memo_.topLine();
    paintedTop_ = top;
    paintedLeft_ = memo_.leftColumn();
    const std::int64_t first = top + std::max(0, area.top()) / lh;
    const std::int64_t last = std::min<std::int64_t>(store.recordCount().value() - 1, top + area.bottom() / lh);
    const bool gutter = showGutter();

    for (std::int64_t rec = first; rec <= last; ++rec) {
        const int y = static_cast<int>(rec - top) * lh;
        paintRecord(p, rec, y, selA, selB);
        if (gutter)
            paintGutter(p, rec, y);
    }
    // Below the text.
    const int below = static_cast<int>(last - top + 1) * lh;
    if (below <= area.bottom()) {
        if (gutter)
            p.fillRect(0, below, gutter_, area.bottom() - below + 1, gutterColor_);
        p.fillRect(gutter ? gutter_ : 0, below, width, area.bottom() - below + 1, pal.base());
    }

    // The right margin and the wrap column.
    const int left = textLeft();
    p.setClipRect(QRect(left, area.top(), width - left, area.height()));
    auto columnLine = [&](int column, const QPen& pen) {
        const int x = left + (column - memo_.leftColumn()) * charWidth_;
        if (x >= left && x < width) {
            p.setPen(pen);
            p.drawLine(x, area.top(), x, area.bottom());
        }
    };
    if (memo_.hasOption(memo::TSyntaxMemoOption::smoShowRMargin) && rightMargin_ > 0)
        columnLine(rightMargin_, QPen(QColor(0xC0, 0xC0, 0xC0)));
    if (memo_.hasOption(memo::TSyntaxMemoOption::smoShowWrapColumn) && memo_.wrapAtColumn() > 0)
        columnLine(memo_.wrapAtColumn(), QPen(QColor(0x80, 0x80, 0xC0), 1, Qt::DashLine));

    // The caret: a bar, or in overwrite mode a bar under the character or a block over it.
    if (hasFocus() && caretShown_) {
        const QPoint c = caretPoint();
        if (c.x() >= left && area.intersects(QRect(c.x() - 1, c.y(), charWidth_ + 2, lh))) {
            if (memo_.insertMode()) {
                p.fillRect(c.x(), c.y(), 2, lh, pal.text());
            } else if (memo_.hasOption(memo::TSyntaxMemoOption::smoBlockOverwriteCursor)) {
                // The cell in the text colour with its character in the background colour.
                p.fillRect(c.x(), c.y(), charWidth_, lh, pal.text());
                const std::string_view t = store.recordText(memo_.caretRecord());
                const auto col = static_cast<std::size_t>(memo_.caretColumn());
                if (col < t.size() && t[col] != '\t' && t[col] != '\r') {
                    p.setPen(pal.base().color());
                    p.setFont(font());
                    p.drawText(c.x(), c.y() + ascent_, shownCharacter(t, col));
                }
            } else {
                p.fillRect(c.x(), c.y() + lh - 3, charWidth_, 3, pal.text());
            }
        }
    }
    // Where dragged text would drop.
    if (dropCaret_ >= 0) {
        const QPoint d = pointOf(dropCaret_);
        p.fillRect(d.x(), d.y(), 2, lh, QBrush(pal.text().color(), Qt::Dense4Pattern));
    }
    lastCaretRect_ = caretRect();
}

void TSyntaxMemoView::paintGutter(QPainter& p, std::int64_t rec, int y)
{
    const int lh = lineHeight_;
    p.fillRect(0, y, gutter_, lh, gutterColor_);
    const memo::TRecordMeta& m = memo_.store().meta(memo::TRecordIndex(rec));
    unsigned word = m.bookmarks;
    if (!memo_.hasOption(memo::TSyntaxMemoOption::smoShowWrapGlyph))
        word &= ~unsigned{memo::kContinuationBit};
    const int glyphH = std::min(16, lh);
    const int glyphY = y + std::max(0, (lh - 16) / 2);
    p.save();
    p.setClipRect(0, y, gutter_, lh);
    if (word != 0) {
        const int index = highestBit(word);
        if (index == 12)
            drawWrapGlyph(p, QRect(1, glyphY, 15, glyphH));
        else
            drawBookmarkGlyph(p, QRect(1, glyphY, 15, glyphH), index);
    }
    if (m.marks != 0)
        drawMarkGlyph(p, QRect(17, glyphY, 15, glyphH), highestBit(m.marks));
    p.restore();
}

void TSyntaxMemoView::paintRecord(QPainter& p, std::int64_t rec, int y, std::int64_t selA, std::int64_t selB)
{
    const memo::TTextStore& store = memo_.store();
    const memo::TLineColours own = store.colours(memo::TRecordIndex(rec));
    const QPalette pal = palette();
    const int lh = lineHeight_;
    const int cw = charWidth_;
    const int left = textLeft();
    const int firstCol = memo_.leftColumn();
    const int lastCol = firstCol + visibleColumns() + 1;
    const int gutterW = showGutter() ? gutter_ : 0;

    const QColor back = own.back ? toQColor(*own.back) : pal.base().color();
    p.fillRect(gutterW, y, viewport()->width() - gutterW, lh, back);
    const QColor ink = pal.text().color();
    const bool lineInk = own.text.has_value();
    const QColor lineColor = lineInk ? toQColor(*own.text) : ink;

    const std::string_view t = store.recordText(memo::TRecordIndex(rec));
    const std::string_view tokens = store.recordTokens(memo::TRecordIndex(rec));
    const std::int64_t start = store.recordStart(memo::TRecordIndex(rec)).value();
    p.save();
    p.setClipRect(left, y, viewport()->width() - left, lh);

    // Sets pen and font for text of token value v; the selection and the
    // line's own text colour win over the token's colour.
    auto useStyle = [&](bool selected, std::uint8_t v) {
        const memo::TTokenStyle& st = styles_[v];
        const QColor& own = inks_[v].foreground;
        p.setPen(selected ? selTextColor_ : lineInk ? lineColor : own.isValid() ? own : ink);
        p.setFont(fonts_[static_cast<std::size_t>((st.bold ? 1 : 0) | (st.italic ? 2 : 0) | (st.underline ? 4 : 0))]);
    };

    // Runs of plain ASCII with the same selection state and token value are drawn as one string.
    QString run;
    int runCol = 0;
    bool runSelected = false;
    std::uint8_t runValue = 0;
    auto flush = [&] {
        if (run.isEmpty())
            return;
        useStyle(runSelected, runValue);
        p.drawText(left + (runCol - firstCol) * cw, y + ascent_, run);
        run.clear();
    };
    int dcol = 0;
    for (std::size_t i = 0; i < t.size() && dcol <= lastCol;) {
        const char c = t[i];
        const unsigned char u = static_cast<unsigned char>(c);
        const std::size_t len = u < 0x80 ? 1 : static_cast<std::size_t>(memo::utf8Length(t, i));
        // Zero-width characters after this one (combining marks, variation
        // selectors) sit in its cells and are drawn with it.
        std::size_t end = i + len;
        while (end < t.size() && static_cast<unsigned char>(t[end]) >= 0x80 && memo::cellsAt(t, end) == 0)
            end += static_cast<std::size_t>(memo::utf8Length(t, end));
        const bool cluster = u >= 0x80 || end > i + len;
        const int next = c == '\t' ? memo_.tabStops().nextStop(dcol) : dcol + memo::cellsAt(t, i);
        const std::int64_t off = start + static_cast<std::int64_t>(i);
        const bool selected = off >= selA && off < selB;
        const std::uint8_t value = i < tokens.size() ? static_cast<std::uint8_t>(tokens[i]) : 0;
        if (next > firstCol || (next == dcol && dcol >= firstCol)) {
            const int x = left + (dcol - firstCol) * cw;
            if (selected)
                p.fillRect(x, y, (next - dcol) * cw, lh, selTextBack_);
            else if (inks_[value].background.isValid() && !own.back)
                p.fillRect(x, y, (next - dcol) * cw, lh, inks_[value].background);
            if (c == '\t' || c == '\r' || cluster || selected != runSelected || value != runValue)
                flush();
            if (cluster) {
                useStyle(selected, value);
                QString shown;
                for (std::size_t k = i; k < end; k += static_cast<std::size_t>(memo::utf8Length(t, k)))
                    shown += shownCharacter(t, k);
                p.drawText(x, y + ascent_, shown);
            } else if (c != '\t' && c != '\r') {
                if (run.isEmpty()) {
                    runCol = dcol;
                    runSelected = selected;
                    runValue = value;
                }
                run += QLatin1Char(c);
            }
        }
        dcol = next;
        i = end;
    }
    flush();
    p.restore();
}

} // namespace tessaly::widgets
