// Each top-level menu enables its document items as it drops down: exactly
// when at least one document window is open. Between two openings the
// states stay as they are (apart from the Save rules of the documents).
// TMenuEnabling says what to set; here it is applied to the items.
#include "app/MainForm.h"

#include "insert/dialogs/InsertCommands.h"

#include "app/ScriptPanel.h"

#include <QMenu>
#include <QSplitter>
#include <QToolBar>

namespace tessaly::app {

TMenuState TMainForm::menuState() const { return {!editors().isEmpty(), saveItem_->isEnabled()}; }

void TMainForm::applyItemStates(const std::vector<TItemState>& states)
{
    for (const TItemState& s : states) {
        const QByteArray name = QByteArray::fromStdString(s.name);
        // Rows are found by their row; the insertion items by their name.
        QAction* a = s.submenu ? menuActions_.value(name) : rowActions_.value(name);
        if (!a && !s.submenu)
            a = item(QString::fromStdString(s.name));
        if (a)
            a->setEnabled(s.enabled);
    }
}

void TMainForm::enableDocumentRows(const char* menu)
{
    applyItemStates(TMenuEnabling(menuRows()).documentRows(menu, menuState()));
}

void TMainForm::refreshDocumentItems()
{
    applyItemStates(TMenuEnabling(menuRows()).everything(menuState()));
    if (insertCommands_)
        insertCommands_->updateDocumentActions();
}

void TMainForm::forms1Click() { applyItemStates(TMenuEnabling::insertionItems(TMenuEnabling::kFormItems, menuState())); }

void TMainForm::script1Click()
{
    applyItemStates(TMenuEnabling::insertionItems(TMenuEnabling::kScriptItems, menuState()));
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
