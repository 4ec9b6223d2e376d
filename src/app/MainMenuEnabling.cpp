// Each top-level menu enables its document items as it drops down: exactly
// when at least one document window is open. Between two openings the
// states stay as they are (apart from the Save rules of the documents).
#include "app/MainForm.h"

#include "insert/dialogs/InsertCommands.h"

#include "app/ScriptPanel.h"

#include <QMenu>
#include <QSplitter>
#include <QToolBar>

namespace tessaly::app {

void TMainForm::enableItems(const QStringList& names)
{
    const bool any = !editors().isEmpty();
    for (const QString& name : names)
        if (QAction* a = item(name))
            a->setEnabled(any);
}

void TMainForm::enableDocumentRows(const char* menu)
{
    const bool any = !editors().isEmpty();
    const QString name = QString::fromLatin1(menu);
    for (const TMenuRow& row : menuRows()) {
        if (row.enable != TEnableRule::document || (menu && name != QLatin1String(row.menu)))
            continue;
        const auto& actions = row.kind == TMenuRow::Submenu ? menuActions_ : rowActions_;
        if (QAction* a = actions.value(row.name))
            a->setEnabled(any);
    }
}

void TMainForm::refreshDocumentItems()
{
    // Run as the first document opens and the last one closes, so that the
    // shortcuts of document items work (or rest) before a menu is next
    // opened. Save keeps its own rules.
    const bool saveEnabled = saveItem_->isEnabled();
    enableDocumentRows(nullptr);
    forms1Click();
    script1Click();
    saveItem_->setEnabled(saveEnabled);
    if (insertCommands_)
        insertCommands_->updateDocumentActions();
}

void TMainForm::forms1Click()
{
    enableItems({QStringLiteral("Bold1"), QStringLiteral("Italic1"), QStringLiteral("Underline1"),
                 QStringLiteral("Headings1"), QStringLiteral("Center1"), QStringLiteral("Paragraph1"),
                 QStringLiteral("RowBreak1"), QStringLiteral("NoBreakSpace1"), QStringLiteral("Link1"),
                 QStringLiteral("InsertStandardTags1"), QStringLiteral("Form1"), QStringLiteral("Forms2"),
                 QStringLiteral("Edit2"), QStringLiteral("Textarea1"), QStringLiteral("Checkbox1"),
                 QStringLiteral("RadioButton2"), QStringLiteral("Dropdownlist1"), QStringLiteral("Button1"),
                 QStringLiteral("QuickColor1")});
}

void TMainForm::script1Click()
{
    enableItems({QStringLiteral("ScriptBlock"), QStringLiteral("NoScriptBlock1"), QStringLiteral("FunctionBlock1"),
                 QStringLiteral("CommentBlock1"), QStringLiteral("CustomObject1"), QStringLiteral("ShortCut1"),
                 QStringLiteral("JavaScript1"), QStringLiteral("ASP1"), QStringLiteral("ScriptWizardMenu")});
}

void TMainForm::syncToolbarChecks()
{
    // A toolbar hidden by other means (its area's context menu) shows up unchecked.
    mainToolbarItem_->setChecked(!mainToolbar_->isHidden());
    scriptToolbarItem_->setChecked(!scriptToolbar_->isHidden());
    htmlToolbarItem_->setChecked(!htmlToolbar_->isHidden());
}

void TMainForm::setToolbarShown(QToolBar* bar, QAction* switchItem, bool shown)
{
    switchItem->setChecked(shown);
    bar->setVisible(shown);
}

void TMainForm::mainToolbarClick(bool shown) { setToolbarShown(mainToolbar_, mainToolbarItem_, shown); }

void TMainForm::scriptToolbarClick(bool shown) { setToolbarShown(scriptToolbar_, scriptToolbarItem_, shown); }

void TMainForm::htmlToolbarClick(bool shown) { setToolbarShown(htmlToolbar_, htmlToolbarItem_, shown); }

void TMainForm::setScriptPanelShown(bool shown)
{
    scriptPanelItem_->setChecked(shown);
    scriptPanel_->setVisible(shown);
    splitIt_->handle(1)->setCursor(shown ? Qt::SplitHCursor : Qt::ArrowCursor);
}

} // namespace tessaly::app
