#pragma once

#include "memo/TokenStyle.h"

#include <QByteArray>
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

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
    // The style of a token value; unset prints everything in black.
    std::function<memo::TTokenStyle(std::uint8_t)> style;
};

// The options an editor prints with: its print options and its print title
// (the file name; fallbackTitle for a document that has none yet).
TPrintOptions printOptionsOf(const memo::TSyntaxMemo& memo, const QString& fallbackTitle, const QFont& font);

// The document's lines, as printed (tabs expanded).
QStringList printLines(const memo::TSyntaxMemo& memo, int tabWidth);
// The token value of every printed character of printLines, line by line
// (empty lines of values where the editor holds none).
QList<QByteArray> printValues(const memo::TSyntaxMemo& memo, int tabWidth);

// Prints the lines on the device, page after page, each run of characters in
// the style of its token value when values and options.style are given;
// returns the page count, 0 when the device could not be opened.
int printDocument(const QStringList& lines, QPagedPaintDevice& device, const TPrintOptions& options,
                  const QList<QByteArray>& values = {});

} // namespace tessaly::app
