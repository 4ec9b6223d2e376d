#pragma once

class QPainter;
class QRect;

namespace tessaly::widgets {

// The pictures of the gutter, drawn as vectors so they stay sharp at any
// scale. Each fits a cell of 15 x 16 pixels placed at its rect.

// Glyphs 0..9 are the numbered bookmarks (a tab with the digit); 10, 11 and
// 13 are spare bits of the bookmark word, drawn as a plain tab.
void drawBookmarkGlyph(QPainter& p, const QRect& cell, int index);
// Marks 1..16 use glyphs 0..15: a coloured dot with the mark's number.
void drawMarkGlyph(QPainter& p, const QRect& cell, int index);
// The sign of a record that continues the line above.
void drawWrapGlyph(QPainter& p, const QRect& cell);

} // namespace tessaly::widgets
