// The three toolbars. The Main Toolbar's buttons run the handlers of their
// menu items; the Scripting and HTML toolbars are filled by the insertion
// commands.
#include "app/MainForm.h"

#include "app/Icons.h"

#include <QToolBar>

namespace tessaly::app {

namespace {

QToolBar* makeToolbar(QWidget* parent, const char* name, const QString& caption)
{
    auto* bar = new QToolBar(caption, parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setMovable(true);
    bar->setFloatable(true);
    bar->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
    bar->setIconSize(QSize(16, 16));
    return bar;
}

} // namespace

QAction* TMainForm::addButton(QToolBar* bar, const char* name, const QString& icon, const QString& hint)
{
    auto* a = new QAction(themeIcon(icon), hint, this);
    a->setObjectName(QString::fromLatin1(name));
    a->setToolTip(hint);
    a->setStatusTip(hint);
    bar->addAction(a);
    return a;
}

void TMainForm::createToolbars()
{
    installIconTheme();
    mainToolbar_ = makeToolbar(this, "MainToolbar", QStringLiteral("Main Toolbar"));
    scriptToolbar_ = makeToolbar(this, "ScriptToolbar", QStringLiteral("Scripting Toolbar"));
    htmlToolbar_ = makeToolbar(this, "HTMLToolbar", QStringLiteral("HTML Toolbar"));
    addToolBar(Qt::TopToolBarArea, mainToolbar_);
    addToolBarBreak(Qt::TopToolBarArea);
    addToolBar(Qt::TopToolBarArea, scriptToolbar_);
    addToolBar(Qt::BottomToolBarArea, htmlToolbar_);

    for (const TToolButtonRow& row : toolButtonRows()) {
        if (row.separatorBefore)
            mainToolbar_->addSeparator();
        QAction* button = addButton(mainToolbar_, row.name, QString::fromLatin1(row.icon), QString::fromLatin1(row.hint));
        QAction* target = rowActions_.value(row.item);
        // Runs whatever is connected to the menu item, also while the item
        // itself is disabled: the two have their own enabled states.
        connect(button, &QAction::triggered, target, [target] { emit target->triggered(target->isChecked()); });
        if (row.needsDocument)
            documentButtons_ << button;
        if (row.action)
            this->*row.action = button;
    }
}

void TMainForm::setDocumentButtonsEnabled(bool enabled)
{
    for (QAction* a : std::as_const(documentButtons_))
        a->setEnabled(enabled);
    for (QToolBar* bar : {scriptToolbar_, htmlToolbar_})
        for (QAction* a : bar->actions())
            if (!a->isSeparator())
                a->setEnabled(enabled);
}

} // namespace tessaly::app
