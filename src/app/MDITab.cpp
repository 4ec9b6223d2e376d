#include "app/MDITab.h"

#include <QEvent>
#include <QHelpEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMouseEvent>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QToolTip>

namespace tessaly::app {

TMDITab::TMDITab(QWidget* owner, QWidget* parent) : QWidget(parent)
{
    auto* form = qobject_cast<QMainWindow*>(owner);
    if (!form)
        throw EMDITab("MDITab can be put only on Form.");
    area_ = form->findChild<QMdiArea*>();
    if (!area_)
        throw EMDITab("MDITab can be put only on MDIForm.");
    for (const TMDITab* other : form->findChildren<TMDITab*>())
        if (other != this)
            throw EMDITab("Only one MDITab can be put on MDIForm.");
    if (!parent)
        setParent(form);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

TMDITab::~TMDITab()
{
    // Windows that outlive the tab bar get their own handlers back.
    for (Tab& t : tabs_) {
        if (t.window) {
            t.window->onActivate = t.oldActivate;
            t.window->onClose = t.oldClose;
        }
    }
}

void TMDITab::addForm(TMDIChild* window)
{
    if (!window || indexOf(window) >= 0)
        return;
    Tab tab;
    tab.caption = window->windowTitle();
    tab.window = window;
    tab.oldActivate = window->onActivate;
    tab.oldClose = window->onClose;
    window->onActivate = [this](TMDIChild& w) { windowActivated(w); };
    window->onClose = [this](TMDIChild& w, TCloseAction& a) { windowClosing(w, a); };
    tabs_.push_back(std::move(tab));
    current_ = count() - 1;
    tabsChanged();
    tabChange();
}

void TMDITab::setTabCaption(int index, const QString& text)
{
    if (index < 0 || index >= count())
        return;
    tabs_[static_cast<std::size_t>(index)].caption = text;
    tabsChanged();
}

QString TMDITab::tabCaption(int index) const
{
    return index >= 0 && index < count() ? tabs_[static_cast<std::size_t>(index)].caption : QString();
}

TMDIChild* TMDITab::window(int index) const
{
    return index >= 0 && index < count() ? tabs_[static_cast<std::size_t>(index)].window.data() : nullptr;
}

int TMDITab::indexOf(const TMDIChild* window) const
{
    for (int i = 0; i < count(); ++i)
        if (tabs_[static_cast<std::size_t>(i)].window == window)
            return i;
    return -1;
}

void TMDITab::setTabIndex(int index)
{
    if (index < 0 || index >= count())
        return;
    current_ = index;
    update();
    tabChange();
}

void TMDITab::tabChange()
{
    if (TMDIChild* w = window(current_)) {
        if (w->isMinimized())
            w->showNormal();
        area_->setActiveSubWindow(w);
        w->raise();
        w->takeFocus();
        if (showOnChange)
            show();
    }
    emit tabChanged(current_);
}

void TMDITab::windowActivated(TMDIChild& window)
{
    const int i = indexOf(&window);
    if (i < 0)
        return;
    const auto old = tabs_[static_cast<std::size_t>(i)].oldActivate;
    if (i != current_) {
        // The window is active already; restoring it here would undo a
        // minimise that made the area activate it.
        current_ = i;
        update();
        if (showOnChange)
            show();
        emit tabChanged(current_);
    }
    if (old)
        old(window);
}

void TMDITab::windowClosing(TMDIChild& window, TCloseAction& action)
{
    int i = indexOf(&window);
    if (i < 0)
        return;
    if (const auto old = tabs_[static_cast<std::size_t>(i)].oldClose)
        old(window, action);
    i = indexOf(&window); // the handler may have changed the tabs
    if (action == TCloseAction::free && i >= 0)
        removeTab(i);
}

void TMDITab::removeTab(int index)
{
    Tab& t = tabs_[static_cast<std::size_t>(index)];
    if (t.window) {
        t.window->onActivate = t.oldActivate;
        t.window->onClose = t.oldClose;
    }
    tabs_.erase(tabs_.begin() + index);
    if (current_ >= count())
        current_ = count() - 1;
    tabsChanged();
}

void TMDITab::tabsChanged()
{
    updateGeometry();
    update();
}

QSize TMDITab::tabSize(const QString& caption) const
{
    QStyleOptionTab opt;
    opt.initFrom(this);
    opt.text = caption;
    opt.shape = QTabBar::RoundedNorth;
    // Measured as the style's own tab bar measures its tabs.
    const int hframe = style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &opt, this);
    const int vframe = style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &opt, this);
    const QFontMetrics fm = fontMetrics();
    const QSize content(fm.size(Qt::TextShowMnemonic, caption).width() + hframe, fm.height() + vframe);
    return style()->sizeFromContents(QStyle::CT_TabBarTab, &opt, content, this);
}

std::vector<QRect> TMDITab::layoutTabs(int width, int* rows) const
{
    std::vector<QRect> rects;
    int x = 0;
    int y = 0;
    int rowHeight = 0;
    int used = count() > 0 ? 1 : 0;
    for (const Tab& t : tabs_) {
        QSize s = tabSize(t.caption);
        s.setWidth(std::min(s.width(), std::max(width, 1)));
        if (x > 0 && x + s.width() > width) {
            x = 0;
            y += rowHeight;
            rowHeight = 0;
            ++used;
        }
        rects.emplace_back(QPoint(x, y), s);
        x += s.width();
        rowHeight = std::max(rowHeight, s.height());
    }
    if (rows)
        *rows = used;
    return rects;
}

int TMDITab::rowCount() const
{
    int rows = 0;
    layoutTabs(width(), &rows);
    return rows;
}

int TMDITab::heightForWidth(int width) const
{
    const auto rects = layoutTabs(width);
    int h = 22;
    for (const QRect& r : rects)
        h = std::max(h, r.bottom() + 1);
    return h;
}

QSize TMDITab::sizeHint() const
{
    return {200, heightForWidth(width() > 0 ? width() : 200)};
}

QSize TMDITab::minimumSizeHint() const
{
    return {50, heightForWidth(width() > 0 ? width() : 200)};
}

int TMDITab::tabAt(QPoint pos) const
{
    const auto rects = layoutTabs(width());
    for (std::size_t i = 0; i < rects.size(); ++i)
        if (rects[i].contains(pos))
            return static_cast<int>(i);
    return -1;
}

void TMDITab::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    const auto rects = layoutTabs(width());
    for (std::size_t i = 0; i < rects.size(); ++i) {
        QStyleOptionTab opt;
        opt.initFrom(this);
        opt.rect = rects[i];
        opt.text = tabs_[i].caption;
        opt.shape = QTabBar::RoundedNorth;
        if (static_cast<int>(i) == current_)
            opt.state |= QStyle::State_Selected;
        p.drawControl(QStyle::CE_TabBarTab, opt);
    }
}

void TMDITab::mousePressEvent(QMouseEvent* event)
{
    const int i = tabAt(event->position().toPoint());
    if (i >= 0 && event->button() == Qt::LeftButton)
        setTabIndex(i);
}

void TMDITab::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (heightForWidth(width()) != height())
        updateGeometry();
}

bool TMDITab::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        // The hint of a tab is its window's caption: the full path.
        auto* help = static_cast<QHelpEvent*>(event);
        const int i = tabAt(help->pos());
        if (TMDIChild* w = window(i))
            QToolTip::showText(help->globalPos(), w->windowTitle(), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

} // namespace tessaly::app
