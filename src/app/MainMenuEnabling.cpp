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

void TMainForm::refreshDocumentItems()
{
    // Run as the first document opens and the last one closes, so that the
    // shortcuts of document items work (or rest) before a menu is next
    // opened. Save keeps its own rules.
    const QAction* save = item(QStringLiteral("Save"));
    const bool saveEnabled = save->isEnabled();
    file1Click();
    edit1Click();
    forms1Click();
    script1Click();
    enableItems({QStringLiteral("ExternalPreview1"), QStringLiteral("SyntaxHighlighting1"), QStringLiteral("Tile1"),
                 QStringLiteral("Cascade1"), QStringLiteral("ArrangeIcons1"), QStringLiteral("MinimizeAll1"),
                 QStringLiteral("Next1"), QStringLiteral("Previous1"), QStringLiteral("UsefulLinks1")});
    item(QStringLiteral("Save"))->setEnabled(saveEnabled);
    if (insertCommands_)
        insertCommands_->updateDocumentActions();
}

void TMainForm::file1Click()
{
    enableItems({QStringLiteral("Save"), QStringLiteral("SaveAs"), QStringLiteral("SaveSelection1"),
                 QStringLiteral("SaveAll1"), QStringLiteral("Close1"), QStringLiteral("CloseAll1"),
                 QStringLiteral("Print1"), QStringLiteral("PrinterSetup1")});
}

void TMainForm::edit1Click()
{
    enableItems({QStringLiteral("SelectAll1"), QStringLiteral("Properties1"), QStringLiteral("Find1"),
                 QStringLiteral("FindNExt1"), QStringLiteral("Replace1"), QStringLiteral("Undo1"),
                 QStringLiteral("Redo1"), QStringLiteral("Cut1"), QStringLiteral("Copy1"),
                 QStringLiteral("Paste1"), QStringLiteral("Delete1"), QStringLiteral("SetBookmark1"),
                 QStringLiteral("FindBookmark1"), QStringLiteral("PasteSpecial1"), QStringLiteral("Format1")});
}

void TMainForm::view1Click()
{
    enableItems({QStringLiteral("ExternalPreview1"), QStringLiteral("SyntaxHighlighting1")});
    syncToolbarChecks();
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

void TMainForm::window1Click()
{
    enableItems({QStringLiteral("Tile1"), QStringLiteral("Cascade1"), QStringLiteral("ArrangeIcons1"),
                 QStringLiteral("MinimizeAll1"), QStringLiteral("Next1"), QStringLiteral("Previous1")});
    fillWindowList();
}

void TMainForm::about1Click()
{
    enableItems({QStringLiteral("UsefulLinks1")});
}

void TMainForm::syncToolbarChecks()
{
    // A toolbar hidden by other means (its area's context menu) shows up unchecked.
    item(QStringLiteral("MT"))->setChecked(!mainToolbar_->isHidden());
    item(QStringLiteral("ST"))->setChecked(!scriptToolbar_->isHidden());
    item(QStringLiteral("HT"))->setChecked(!htmlToolbar_->isHidden());
}

void TMainForm::setToolbarShown(QToolBar* bar, const char* switchItem, bool shown)
{
    item(QString::fromLatin1(switchItem))->setChecked(shown);
    bar->setVisible(shown);
}

void TMainForm::setScriptPanelShown(bool shown)
{
    item(QStringLiteral("JavaScriptPanel1"))->setChecked(shown);
    scriptPanel_->setVisible(shown);
    splitIt_->handle(1)->setCursor(shown ? Qt::SplitHCursor : Qt::ArrowCursor);
}

} // namespace tessaly::app
