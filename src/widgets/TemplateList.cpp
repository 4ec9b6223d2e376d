#include "widgets/TemplateList.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace tessaly::widgets {

namespace {

constexpr int kNameRole = Qt::UserRole;
constexpr int kDescriptionRole = Qt::UserRole + 1;

// Draws an entry as its name in bold, then its description.
class TemplateDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        p->fillRect(option.rect, selected ? option.palette.highlight() : option.palette.base());
        p->setPen(selected ? option.palette.highlightedText().color() : option.palette.text().color());
        QFont bold = option.font;
        bold.setBold(true);
        const QRect r = option.rect.adjusted(3, 0, -3, 0);
        p->setFont(bold);
        const QString name = index.data(kNameRole).toString();
        p->drawText(r, Qt::AlignVCenter | Qt::AlignLeft, name);
        const int nameWidth = QFontMetrics(bold).horizontalAdvance(name) + 12;
        p->setFont(option.font);
        p->drawText(r.adjusted(nameWidth, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                    index.data(kDescriptionRole).toString());
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QFont bold = option.font;
        bold.setBold(true);
        const int w = QFontMetrics(bold).horizontalAdvance(index.data(kNameRole).toString()) + 12
            + option.fontMetrics.horizontalAdvance(index.data(kDescriptionRole).toString()) + 6;
        return {w, option.fontMetrics.height() + 2};
    }
};

} // namespace

TTemplateList::TTemplateList(QWidget* parent)
    : QListWidget(parent)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(8);
    setFont(f);
    setItemDelegate(new TemplateDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { emit chosen(row(item)); });
}

void TTemplateList::fill(const std::vector<memo::TCodeTemplate>& items)
{
    clear();
    for (const auto& t : items) {
        auto* item = new QListWidgetItem(this);
        item->setData(kNameRole, QString::fromStdString(t.name));
        item->setData(kDescriptionRole, QString::fromStdString(t.description));
    }
}

QSize TTemplateList::sizeHint() const
{
    int w = 120;
    for (int i = 0; i < count(); ++i)
        w = std::max(w, sizeHintForRow(i) >= 0 ? sizeHintForIndex(model()->index(i, 0)).width() : 0);
    const int rows = std::min(count(), 8);
    return {std::min(w + 2 * frameWidth() + 20, 480), rows * std::max(1, sizeHintForRow(0)) + 2 * frameWidth()};
}

void TTemplateList::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit chosen(currentRow());
        return;
    case Qt::Key_Escape:
        emit cancelled();
        return;
    default:
        QListWidget::keyPressEvent(event);
    }
}

void TTemplateList::focusOutEvent(QFocusEvent* event)
{
    QListWidget::focusOutEvent(event);
    if (isVisible())
        emit cancelled();
}

} // namespace tessaly::widgets
