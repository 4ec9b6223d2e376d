#include "app/DocumentPrinter.h"

#include "memo/SyntaxMemo.h"
#include "memo/Utf8.h"
#include "widgets/QtColor.h"

#include <QColor>
#include <QDate>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

namespace tessaly::app {

using memo::TSyntaxMemoOption;

namespace {

// One printed line: the document line it belongs to (from 1) and its text;
// continuation lines of a wrapped line carry no number.
struct PrintLine {
    qint64 number;
    QString text;
    int line;  // index into the document's lines
    int start; // first character of the line printed here
};

} // namespace

TPrintOptions printOptionsOf(const memo::TSyntaxMemo& memo, const QString& fallbackTitle, const QFont& font)
{
    TPrintOptions o;
    o.wrap = memo.hasOption(TSyntaxMemoOption::smoPrintWrap);
    o.lineNumbers = memo.hasOption(TSyntaxMemoOption::smoPrintLineNos);
    o.fileName = memo.hasOption(TSyntaxMemoOption::smoPrintFilename);
    o.date = memo.hasOption(TSyntaxMemoOption::smoPrintDate);
    o.pageNumbers = memo.hasOption(TSyntaxMemoOption::smoPrintPageNos);
    o.title = memo.printTitle().empty() ? fallbackTitle : QString::fromStdString(memo.printTitle());
    o.font = font;
    o.tabWidth = std::max(1, memo.tabDefault());
    return o;
}

QStringList printLines(const memo::TSyntaxMemo& memo, int tabWidth)
{
    QStringList out;
    auto& lines = const_cast<memo::TSyntaxMemo&>(memo).lines();
    const std::int64_t count = std::max<std::int64_t>(1, lines.count());
    for (std::int64_t i = 0; i < count; ++i) {
        const QString raw = QString::fromUtf8(lines.strings(i));
        QString line;
        for (const QChar c : raw) {
            if (c == QLatin1Char('\t'))
                line += QString(tabWidth - line.size() % tabWidth, QLatin1Char(' '));
            else
                line += c;
        }
        out.append(line);
    }
    return out;
}

QList<QByteArray> printValues(const memo::TSyntaxMemo& memo, int tabWidth)
{
    QList<QByteArray> out;
    const memo::TTextStore& store = memo.store();
    const memo::TRecordIndex count(std::max<std::int64_t>(1, const_cast<memo::TSyntaxMemo&>(memo).lines().count()));
    for (memo::TRecordIndex i(0); i < count && i < store.recordCount(); ++i) {
        std::string_view text = store.recordText(i);
        if (!text.empty() && text.back() == '\r')
            text.remove_suffix(1);
        const std::string_view values = store.recordTokens(i);
        QByteArray line;
        if (!values.empty()) {
            // One value per printed character: a UTF-8 sequence is one
            // character, a tab as many as the spaces it prints as.
            for (std::size_t b = 0; b < text.size();) {
                const int len = memo::utf8Length(text, b);
                const char v = values[b];
                if (text[b] == '\t')
                    line.append(QByteArray(tabWidth - static_cast<int>(line.size()) % tabWidth, v));
                else
                    line.append(v);
                b += static_cast<std::size_t>(len);
            }
        }
        out.append(line);
    }
    return out;
}

int printDocument(const QStringList& lines, QPagedPaintDevice& device, const TPrintOptions& options,
                  const QList<QByteArray>& values)
{
    QPainter p(&device);
    if (!p.isActive())
        return 0;
    QFont font = options.font;
    if (font.pointSizeF() <= 0)
        font.setPointSize(10);
    p.setFont(font);
    const QFontMetricsF fm(font, &device);
    const QRectF page = QRectF(device.pageLayout().paintRectPixels(device.logicalDpiX())).translated(
        -device.pageLayout().paintRectPixels(device.logicalDpiX()).topLeft());
    const qreal lineHeight = fm.lineSpacing();
    const qreal charWidth = std::max<qreal>(1.0, fm.horizontalAdvance(QLatin1Char('M')));

    const bool header = options.fileName || options.date;
    const qreal top = header ? 2 * lineHeight : 0;
    const qreal bottom = options.pageNumbers ? page.height() - 2 * lineHeight : page.height();
    const int linesPerPage = std::max(1, static_cast<int>((bottom - top) / lineHeight));

    const QString widest = QString::number(lines.size());
    const qreal numberWidth = options.lineNumbers ? (widest.size() + 2) * charWidth : 0;
    const int columns = std::max(1, static_cast<int>((page.width() - numberWidth) / charWidth));

    std::vector<PrintLine> printed;
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (!options.wrap || line.size() <= columns) {
            printed.push_back({i + 1, line, i, 0});
            continue;
        }
        for (int at = 0; at < line.size(); at += columns)
            printed.push_back({at == 0 ? i + 1 : 0, line.mid(at, columns), i, at});
    }
    const int pages = std::max<int>(1, static_cast<int>((printed.size() + linesPerPage - 1) / linesPerPage));
    const QString date = QDate::currentDate().toString(Qt::ISODate);

    for (int pg = 0; pg < pages; ++pg) {
        if (pg > 0)
            device.newPage();
        p.setPen(Qt::black);
        if (header) {
            const QRectF band(0, 0, page.width(), lineHeight);
            if (options.fileName)
                p.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, options.title);
            if (options.date)
                p.drawText(band, Qt::AlignRight | Qt::AlignVCenter, date);
            p.drawLine(QPointF(0, 1.5 * lineHeight), QPointF(page.width(), 1.5 * lineHeight));
        }
        if (options.pageNumbers)
            p.drawText(QRectF(0, page.height() - lineHeight, page.width(), lineHeight), Qt::AlignCenter,
                       QStringLiteral("Page %1 of %2").arg(pg + 1).arg(pages));
        p.save();
        p.setClipRect(QRectF(0, top, page.width(), bottom - top));
        const std::size_t first = static_cast<std::size_t>(pg) * static_cast<std::size_t>(linesPerPage);
        for (std::size_t k = first; k < printed.size() && k < first + static_cast<std::size_t>(linesPerPage); ++k) {
            const qreal y = top + static_cast<qreal>(k - first) * lineHeight + fm.ascent();
            if (options.lineNumbers && printed[k].number > 0) {
                const QString n = QString::number(printed[k].number);
                p.drawText(QPointF(numberWidth - (n.size() + 1) * charWidth, y), n);
            }
            const PrintLine& pl = printed[k];
            const bool styled = options.style && pl.line < values.size()
                && values[pl.line].size() >= pl.start + pl.text.size();
            if (!styled) {
                p.drawText(QPointF(numberWidth, y), pl.text);
                continue;
            }
            // Runs of equal token values, each in its style.
            const QByteArray& v = values[pl.line];
            for (int a = 0; a < pl.text.size();) {
                int b = a + 1;
                while (b < pl.text.size() && v[pl.start + b] == v[pl.start + a])
                    ++b;
                const memo::TTokenStyle st = options.style(static_cast<std::uint8_t>(v[pl.start + a]));
                QFont f = font;
                f.setBold(st.bold);
                f.setItalic(st.italic);
                f.setUnderline(st.underline);
                p.setFont(f);
                p.setPen(widgets::toQColor(st.foreground));
                p.drawText(QPointF(numberWidth + a * charWidth, y), pl.text.mid(a, b - a));
                a = b;
            }
            p.setFont(font);
            p.setPen(Qt::black);
        }
        p.restore();
    }
    return pages;
}

} // namespace tessaly::app
