#pragma once

#include "app/MDIChild.h"

#include <QPointer>
#include <QWidget>

#include <stdexcept>
#include <vector>

class QMdiArea;

namespace tessaly::app {

// Raised when a tab bar is placed where it cannot work.
class EMDITab : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The tab bar of the document windows: one tab per window, in the order the
// windows were added, wrapping onto further rows when they do not fit. It
// keeps itself in step with the windows by hooking their activate and close
// handlers: activating a window selects its tab, freeing a window removes it,
// and choosing a tab activates (and if needed restores) its window.
class TMDITab : public QWidget {
    Q_OBJECT
public:
    // owner must be a main window holding a multiple-document area, and may
    // hold no other tab bar; otherwise EMDITab is raised.
    explicit TMDITab(QWidget* owner, QWidget* parent = nullptr);
    ~TMDITab() override;

    // Adds a tab for the window (nothing when it has one) and selects it.
    void addForm(TMDIChild* window);
    // Replaces a tab's caption; an index outside the tabs does nothing.
    void setTabCaption(int index, const QString& text);

    int count() const { return static_cast<int>(tabs_.size()); }
    int tabIndex() const { return current_; }
    // Selects a tab as a click on it does.
    void setTabIndex(int index);
    QString tabCaption(int index) const;
    TMDIChild* window(int index) const;
    int indexOf(const TMDIChild* window) const;
    // Number of rows the tabs take at the current width.
    int rowCount() const;

    // Whether choosing a tab makes the tab bar visible.
    bool showOnChange = true;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

signals:
    // A tab was chosen (by the user or by the tab bar itself).
    void tabChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    struct Tab {
        QString caption;
        QPointer<TMDIChild> window;
        TMDIChild::ActivateHandler oldActivate;
        TMDIChild::CloseHandler oldClose;
    };

    void tabChange();
    void windowActivated(TMDIChild& window);
    void windowClosing(TMDIChild& window, TCloseAction& action);
    void removeTab(int index);
    void tabsChanged();
    // Tab rectangles for a width; rows counts the rows used.
    std::vector<QRect> layoutTabs(int width, int* rows = nullptr) const;
    QSize tabSize(const QString& caption) const;
    int tabAt(QPoint pos) const;

    QMdiArea* area_ = nullptr;
    std::vector<Tab> tabs_;
    int current_ = -1;
};

} // namespace tessaly::app
