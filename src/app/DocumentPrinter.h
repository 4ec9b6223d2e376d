#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;

namespace tessaly::memo {
class TSyntaxMemo;
}

namespace tessaly::app {

// How a document is laid out on paper.
struct TPrintOptions {
    bool wrap = true; // long lines continue on the next printed line
    bool lineNumbers = true;
    bool fileName = true; // the title in the header, at the left
    bool date = true; // today's date in the header, at the right
    bool pageNumbers = true; // "Page n of m" in the footer
    QString title;
    QFont font;
    int tabWidth = 4;
};

// The options an editor prints with: its print options and its print title
// (the file name; fallbackTitle for a document that has none yet).
TPrintOptions printOptionsOf(const memo::TSyntaxMemo& memo, const QString& fallbackTitle, const QFont& font);

// The document's lines, as printed (tabs expanded).
QStringList printLines(const memo::TSyntaxMemo& memo, int tabWidth);

// PRINT STYLES: the lines print in black; the highlighting styles join
// here (a style per character run) once the parser runtime provides them.
// Prints the lines on the device, page after page; returns the page count,
// 0 when the device could not be opened.
int printDocument(const QStringList& lines, QPagedPaintDevice& device, const TPrintOptions& options);

} // namespace tessaly::app
