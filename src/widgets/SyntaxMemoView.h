#pragma once

#include "memo/SyntaxMemo.h"
#include "widgets/QtClipboard.h"

#include <QAbstractScrollArea>

namespace tessaly::widgets {

// The editor on screen: shows one TSyntaxMemo, paints only the visible
// records, and turns keys and mouse clicks into engine operations.
class TSyntaxMemoView : public QAbstractScrollArea, private memo::TMemoView, private memo::TMemoMessages {
    Q_OBJECT
public:
    explicit TSyntaxMemoView(QWidget* parent = nullptr);
    ~TSyntaxMemoView() override;

    memo::TSyntaxMemo& memo() { return memo_; }
    const memo::TSyntaxMemo& memo() const { return memo_; }

    // Offset of the character nearest to a point of the viewport.
    std::int64_t offsetAt(QPoint pos) const;

signals:
    // The text, the selection or the options changed (the engine's OnChange).
    void changed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    bool focusNextPrevChild(bool next) override;

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

    void updateScrollBars();
    void moveCaret(std::int64_t offset, bool extend);
    void moveVertically(std::int64_t lines, bool extend);
    int lineHeight() const;
    int charWidth() const;

    memo::TSyntaxMemo memo_;
    QtClipboard clipboard_;
    bool syncingScrollBars_ = false;
};

} // namespace tessaly::widgets
