#include "widgets/GutterGlyphs.h"

#include <QPainter>
#include <QPainterPath>

namespace tessaly::widgets {

namespace {

QFont glyphFont(const QPainter& p, int pixels)
{
    QFont f = p.font();
    f.setPixelSize(pixels);
    f.setBold(true);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

} // namespace

void drawBookmarkGlyph(QPainter& p, const QRect& cell, int index)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(cell).adjusted(1, 1.5, -1, -1.5);
    QPainterPath tab;
    tab.addRoundedRect(r, 2.5, 2.5);
    p.fillPath(tab, QColor(0x1F, 0x5F, 0xBF));
    p.setPen(QPen(QColor(0x10, 0x30, 0x70), 1));
    p.drawPath(tab);
    if (index >= 0 && index <= 9) {
        p.setFont(glyphFont(p, 11));
        p.setPen(Qt::white);
        p.drawText(r, Qt::AlignCenter, QString::number(index));
    }
    p.restore();
}

void drawMarkGlyph(QPainter& p, const QRect& cell, int index)
{
    static const QColor colours[] = {
        {0xD0, 0x30, 0x30}, {0x30, 0x90, 0x30}, {0xC0, 0x80, 0x00}, {0x80, 0x30, 0xB0},
        {0x00, 0x80, 0xA0}, {0xA0, 0x50, 0x20}, {0x50, 0x50, 0x50}, {0xC0, 0x30, 0x80},
    };
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(cell).adjusted(0.5, 1, -0.5, -1);
    const QColor c = colours[static_cast<unsigned>(index) % 8];
    p.setBrush(c);
    p.setPen(QPen(c.darker(150), 1));
    p.drawEllipse(r);
    p.setFont(glyphFont(p, index >= 9 ? 8 : 10));
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, QString::number(index + 1));
    p.restore();
}

void drawWrapGlyph(QPainter& p, const QRect& cell)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(QColor(0x40, 0x40, 0x40), 1.4);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    const qreal l = cell.left() + 3, r = cell.right() - 2, t = cell.top() + 3, b = cell.bottom() - 3;
    // A line that comes down the right side and turns back to the left.
    QPainterPath hook;
    hook.moveTo(r, t);
    hook.lineTo(r, b - 2);
    hook.quadTo(r, b, r - 2, b);
    hook.lineTo(l, b);
    p.drawPath(hook);
    QPainterPath head;
    head.moveTo(l + 4, b - 3.5);
    head.lineTo(l, b);
    head.lineTo(l + 4, b + 3.5);
    p.drawPath(head);
    p.restore();
}

} // namespace tessaly::widgets
