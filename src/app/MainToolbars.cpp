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

QAction* TMainForm::addForwardButton(QToolBar* bar, const char* name, const QString& icon, const QString& hint,
                                     const char* menuItem)
{
    QAction* button = addButton(bar, name, icon, hint);
    QAction* target = item(QString::fromLatin1(menuItem));
    // Runs whatever is connected to the menu item, also while the item
    // itself is disabled: the two have their own enabled states.
    connect(button, &QAction::triggered, target, [target] { emit target->triggered(target->isChecked()); });
    return button;
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

    QToolBar* b = mainToolbar_;
    addForwardButton(b, "NewButton", QStringLiteral("document-new"), QStringLiteral("New (Ctrl+N)"), "New1");
    addForwardButton(b, "OpenButton", QStringLiteral("document-open"), QStringLiteral("Open (Ctrl+O)"), "Open1");
    addForwardButton(b, "SaveButton", QStringLiteral("document-save"), QStringLiteral("Save (Ctrl+S)"), "Save");
    b->addSeparator();
    addForwardButton(b, "PrintButton", QStringLiteral("document-print"), QStringLiteral("Print (Ctrl + P)"), "Print1");
    b->addSeparator();
    addForwardButton(b, "CutButton", QStringLiteral("edit-cut"), QStringLiteral("Cut (Ctrl+X)"), "Cut1");
    addForwardButton(b, "CopyButton", QStringLiteral("edit-copy"), QStringLiteral("Copy (Ctrl+C)"), "Copy1");
    addForwardButton(b, "PasteButton", QStringLiteral("edit-paste"), QStringLiteral("Paste (Ctrl+V)"), "Paste1");
    b->addSeparator();
    addForwardButton(b, "UndoButton", QStringLiteral("edit-undo"), QStringLiteral("Undo (Ctrl+Z)"), "Undo1");
    addForwardButton(b, "RedoButton", QStringLiteral("edit-redo"), QStringLiteral("Redo (Shift+Ctrl+Z)"), "Redo1");
    b->addSeparator();
    addForwardButton(b, "FindButton", QStringLiteral("edit-find"), QStringLiteral("Find (Ctrl+F)"), "Find1");
    // This button finds the next match; its hint names Replace all the same.
    addForwardButton(b, "FindNextButton", QStringLiteral("edit-find-replace"), QStringLiteral("Replace (Ctrl+R)"),
                     "FindNExt1");
    b->addSeparator();
    addForwardButton(b, "ToolbarButton9716", QStringLiteral("tessaly-preview"),
                     QStringLiteral("Toggle Edit/Preview (F9)"), "ExternalPreview1");
    addForwardButton(b, "HelpButton", QStringLiteral("help-contents"), QStringLiteral("Help Contents (F1)"),
                     "HelpContents1");
    connectEditCommands();
    connectSearchCommands();
}

void TMainForm::setDocumentButtonsEnabled(bool enabled)
{
    static const char* const mainButtons[] = {"SaveButton", "PrintButton", "CutButton", "CopyButton",
                                              "PasteButton", "FindButton", "FindNextButton", "UndoButton",
                                              "RedoButton", "ToolbarButton9716"};
    for (const char* name : mainButtons)
        item(QString::fromLatin1(name))->setEnabled(enabled);
    for (QToolBar* bar : {scriptToolbar_, htmlToolbar_})
        for (QAction* a : bar->actions())
            if (!a->isSeparator())
                a->setEnabled(enabled);
}

} // namespace tessaly::app
