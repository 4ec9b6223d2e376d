#include "app/ScriptPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSplitter>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace tessaly::app {

namespace {

QWidget* titleBar(const QString& title, QToolButton* button)
{
    auto* bar = new QWidget;
    bar->setAutoFillBackground(true);
    bar->setBackgroundRole(QPalette::Dark);
    bar->setForegroundRole(QPalette::BrightText);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(4, 1, 1, 1);
    auto* label = new QLabel(title);
    label->setForegroundRole(QPalette::BrightText);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    layout->addWidget(label, 1);
    if (button)
        layout->addWidget(button);
    return bar;
}

} // namespace

TScriptPanel::TScriptPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ScriptPanel"));
    close_ = new QToolButton;
    close_->setObjectName(QStringLiteral("ScriptClose"));
    close_->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    close_->setAutoRaise(true);
    close_->setToolTip(QStringLiteral("Close the Script Panel"));
    close_->setStatusTip(QStringLiteral("Close the Script Panel"));
    connect(close_, &QToolButton::clicked, this, &TScriptPanel::closeClicked);

    auto* upper = new QWidget;
    auto* upperLayout = new QVBoxLayout(upper);
    upperLayout->setContentsMargins(0, 0, 0, 0);
    upperLayout->setSpacing(0);
    upperLayout->addWidget(titleBar(QStringLiteral("Script Panel"), close_));
    library_ = new QWidget;
    library_->setObjectName(QStringLiteral("ScriptLibrary"));
    library_->setLayout(new QVBoxLayout);
    library_->layout()->setContentsMargins(0, 0, 0, 0);
    upperLayout->addWidget(library_, 1);

    auto* lower = new QWidget;
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->setSpacing(0);
    lowerLayout->addWidget(titleBar(QStringLiteral("Description"), nullptr));
    description_ = new QWidget;
    description_->setObjectName(QStringLiteral("ScriptDescript"));
    description_->setLayout(new QVBoxLayout);
    description_->layout()->setContentsMargins(0, 0, 0, 0);
    lowerLayout->addWidget(description_, 1);

    split_ = new QSplitter(Qt::Vertical, this);
    split_->setChildrenCollapsible(false);
    split_->addWidget(upper);
    split_->addWidget(lower);
    split_->setStretchFactor(0, 1);
    split_->setStretchFactor(1, 0);
    connect(split_, &QSplitter::splitterMoved, this, [this] { descriptionHeight_ = split_->sizes().value(1); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(split_);
}

void TScriptPanel::setPanelWidth(int width)
{
    width_ = std::max(20, width);
    updateGeometry();
}

void TScriptPanel::setDescriptionHeight(int height)
{
    descriptionHeight_ = std::max(0, height);
    applySizes();
}

void TScriptPanel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    applySizes();
}

void TScriptPanel::applySizes()
{
    const int total = std::max(split_->height(), descriptionHeight_ + 50);
    split_->setSizes({total - descriptionHeight_, descriptionHeight_});
}

} // namespace tessaly::app
