#pragma once

#include "memo/KeyMap.h"
#include "memo/AutoReplace.h"
#include "memo/CodeTemplates.h"
#include "memo/SyntaxMemo.h"
#include "memo/TokenStyle.h"
#include "widgets/QtClipboard.h"
#include "widgets/SearchProgress.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QTimer>

#include <array>

class QMimeData;

namespace tessaly::widgets {

class TTemplateList;

// The editor on screen: shows one TSyntaxMemo, paints only the visible
// records, and turns keys, mouse and drops into engine operations.
//
// Layout of the viewport from the left: the gutter (bookmark and mark
// glyphs, when smoShowGutter is set), the margin, then the text. The text is
// laid out on a grid of character cells: a tab reaches the next tab stop, a
// valid UTF-8 sequence takes one cell, any other byte shows as its Latin-1
// character. Colours given as numbers are 0xRRGGBB.
class TSyntaxMemoView : public QAbstractScrollArea, private memo::TMemoView, private memo::TMemoMessages {
    Q_OBJECT
public:
    explicit TSyntaxMemoView(QWidget* parent = nullptr);
    ~TSyntaxMemoView() override;

    memo::TSyntaxMemo& memo() { return memo_; }
    const memo::TSyntaxMemo& memo() const { return memo_; }

    // Offset of the character boundary nearest to a point of the viewport.
    // A point past the end of a piece that the next line continues gives the
    // piece's end, and atPieceEnd (when given) says so.
    std::int64_t offsetAt(QPoint pos, bool* atPieceEnd = nullptr) const;
    // Top-left corner of the cell of an offset, in viewport coordinates; an
    // offset at a piece boundary is on the next piece's line unless atPieceEnd.
    QPoint pointOf(std::int64_t offset, bool atPieceEnd = false) const;
    // Top-left corner of the caret where it is drawn.
    QPoint caretPoint() const { return pointOf(memo_.caret(), memo_.caretAtPieceEnd()); }

    // While a search dialog is open the match stays on show although the
    // editor has lost the focus to the dialog.
    void setKeepSelectionVisible(bool on);
    bool keepSelectionVisible() const { return keepSelectionVisible_; }
    // The lines of the selection that are in view, in global coordinates;
    // empty when nothing is selected or the selection is out of view.
    QRect selectionArea() const;

    // --- appearance ------------------------------------------------------
    int gutter() const { return gutter_; }
    void setGutter(int pixels);
    QColor gutterColor() const { return gutterColor_; }
    void setGutterColor(const QColor& c);
    int margin() const { return margin_; }
    void setMargin(int pixels);
    int rightMargin() const { return rightMargin_; }
    void setRightMargin(int column);
    QColor selTextColor() const { return selTextColor_; }
    void setSelTextColor(const QColor& c);
    QColor selTextBack() const { return selTextBack_; }
    void setSelTextBack(const QColor& c);
    int lineHeight() const { return lineHeight_; }
    int charWidth() const { return charWidth_; }
    // x of the first text column (right of the gutter and the margin).
    int textLeft() const;
    // The style of a token value (0 is text outside any token); records
    // without token values are drawn in the default style. Until a value has
    // a style its text takes the page's colours; the style's background is
    // drawn only when it brings its own colours (ownColours).
    void setTokenStyle(std::uint8_t value, const memo::TTokenStyle& style);
    const memo::TTokenStyle& tokenStyle(std::uint8_t value) const { return styles_[value]; }

    // --- keyboard --------------------------------------------------------
    memo::TKeyMap& keyMap() { return keyMap_; }
    memo::TCodeTemplates& codeTemplates() { return templates_; }
    memo::TAutoReplace& autoReplace() { return autoReplace_; }
    // The template list box while it is open, else null.
    TTemplateList* templateList() const;

    // --- drag and drop ---------------------------------------------------
    // Drops text at offset as one undo step; with move, the selection it
    // came from is removed in the same step.
    void dropText(const std::string& text, std::int64_t offset, bool move);

signals:
    // The text, the selection or the options changed (the engine's OnChange).
    void changed();
    // The left button went down in the gutter; line is 1-based.
    void gutterClick(qint64 line);
    // A key command is about to run.
    void commandRecognised(int code);
    // Files were dropped from a file manager (with smoProcessDroppedFiles).
    void filesDropped(const QStringList& files, QPoint at);
    void bookmarkSet(int index);
    // A background highlighting pass of a big document began or ended.
    void highlightPassChanged(bool running);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    bool focusNextPrevChild(bool next) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // memo::TMemoView
    int visibleLines() const override;
    int visibleColumns() const override;
    void repaintAll() override;
    void repaintRecords(std::int64_t first, std::int64_t last) override;
    void scrolled() override;
    void caretMoved() override;
    // memo::TMemoMessages
    void beep() override;

    void engineChanged();
    void measureFont();
    void updateScrollBars();
    // Word wrap at the window's width follows size and font changes.
    void rewrapForWidth();
    void updateLines(std::int64_t first, std::int64_t last);
    QRect caretRect() const;
    bool showGutter() const;
    void paintGutter(QPainter& p, std::int64_t rec, int y);
    void paintRecord(QPainter& p, std::int64_t rec, int y, std::int64_t selA, std::int64_t selB);
    bool typeKey(QKeyEvent* event);
    void runCommand(int code, bool extend);
    void openTemplateList();
    void closeTemplateList(int chosen);
    void autoScrollStep();
    void startTextDrag();
    bool acceptsDrop(const QMimeData* mime) const;

    memo::TSyntaxMemo memo_;
    QtClipboard clipboard_;
    TSearchProgress searchProgress_;
    memo::TKeyMap keyMap_ = memo::TKeyMap::defaults();
    memo::TCodeTemplates templates_;
    memo::TAutoReplace autoReplace_;
    TTemplateList* templateList_ = nullptr;

    int gutter_ = 34;
    QColor gutterColor_;
    int margin_ = 2;
    int rightMargin_ = 80;
    QColor selTextColor_ = Qt::white;
    QColor selTextBack_ = QColor(0x00, 0x00, 0x80);
    std::array<memo::TTokenStyle, 256> styles_{};
    // The colours of each token value as painted; invalid ones leave the
    // page's text colour and background.
    struct Ink {
        QColor foreground;
        QColor background;
    };
    std::array<Ink, 256> inks_{};
    std::array<QFont, 8> fonts_; // by bold | italic << 1 | underline << 2
    int wrapColumns_ = -1;
    int lineHeight_ = 16;
    int charWidth_ = 8;
    int ascent_ = 12;

    bool syncingScrollBars_ = false;
    bool keepSelectionVisible_ = false;
    QRect lastCaretRect_;
    // First line and column of what is on screen, for scrolling by moving pixels.
    std::int64_t paintedTop_ = 0;
    int paintedLeft_ = 0;
    // Mouse: a drag that selects, and the timer that scrolls while it is past an edge.
    bool selecting_ = false;
    bool maybeDragging_ = false;
    QPoint pressPos_;
    QPoint lastMousePos_;
    QTimer autoScroll_;
    // Runs the background highlighting pass in slices from the event loop.
    QTimer highlightSlices_;
    // The caret blinks at the platform's rate while the view has the focus
    // and shows steadily again after every key, click or caret move.
    QTimer blink_;
    bool caretShown_ = true;
    void restartBlink();
    std::int64_t dropCaret_ = -1;
};

} // namespace tessaly::widgets
