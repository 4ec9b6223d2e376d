#include "insert/dialogs/InsertCommands.h"

#include "insert/Insertion.h"
#include "insert/ScriptSnippets.h"
#include "insert/dialogs/ASPVarForm.h"
#include "insert/dialogs/ButtonForm.h"
#include "insert/dialogs/CustomObjectForm.h"
#include "insert/dialogs/FormWindow.h"
#include "insert/dialogs/FunctionBlock.h"
#include "insert/dialogs/HTMLColorDialog.h"
#include "insert/dialogs/LinkForm.h"
#include "insert/dialogs/MessageBoxForm.h"
#include "insert/dialogs/RadioCheckForm.h"
#include "insert/dialogs/SelectForm.h"
#include "insert/dialogs/ServletForm.h"
#include "insert/dialogs/TextAreaForm.h"
#include "insert/dialogs/TextBoxForm.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace tessaly::insert {

namespace {

QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Enter is the Return key on the main block and Enter on the keypad; a
// shortcut written with Return answers both.
QList<QKeySequence> shortcutsOf(std::string_view text)
{
    if (text.empty())
        return {};
    const QKeySequence main(qs(text));
    QList<QKeySequence> keys{main};
    if (text.ends_with("Return"))
        keys << QKeySequence(qs(text.substr(0, text.size() - 6)) + QStringLiteral("Enter"));
    return keys;
}

} // namespace

TInsertCommands::TInsertCommands(EditorAccess editor, LanguageAccess language, QWidget* parent)
    : QObject(parent), editor_(std::move(editor)), language_(std::move(language)), parent_(parent)
{
    // The dialogs are created once, in the order the application creates its
    // dialogs, and live as long as their parent window.
    servlet_ = new TServletForm(editor_, parent);
    functionBlock_ = new TFunctionBlock(editor_, parent);
    messageBox_ = new TMessageBoxForm(editor_, parent);
    form_ = new TFormWindow(editor_, parent);
    button_ = new TButtonForm(editor_, parent);
    customObject_ = new TCustomObjectForm(editor_, parent);
    textBox_ = new TTextBoxForm(editor_, parent);
    textArea_ = new TTextAreaForm(editor_, parent);
    radioCheck_ = new TRadioCheckForm(editor_, parent);
    select_ = new TSelectForm(editor_, parent);
    link_ = new TLinkForm(editor_, parent);
    aspVar_ = new TASPVarForm(editor_, parent);
    colorPicker_ = new THTMLColorDialog(parent);

    runColorPicker = [](THTMLColorDialog& dialog) { return dialog.exec() == QDialog::Accepted; };
    showModal = [](QDialog& dialog) { dialog.open(); };

    createActions();
    setDocumentActionsEnabled(false);
}

TInsertCommands::~TInsertCommands()
{
    // With a parent window the dialogs and the popup go with it; without one
    // they are ours to free.
    if (parent_)
        return;
    const QList<QWidget*> owned = {servlet_, functionBlock_, messageBox_, form_, button_, customObject_, textBox_,
                                   textArea_, radioCheck_, select_, link_, aspVar_, colorPicker_, headings_};
    qDeleteAll(owned);
}

void TInsertCommands::createActions()
{
    for (const TInsertCommand& command : insertCommands()) {
        auto* a = new QAction(qs(command.caption), this);
        a->setObjectName(qs(command.name));
        a->setShortcuts(shortcutsOf(command.shortcut));
        a->setStatusTip(qs(command.hint));
        // Menu-only commands keep their caption as the tooltip.
        if (command.toolbar != TCommandToolbar::None)
            a->setToolTip(qs(command.hint));
        connect(a, &QAction::triggered, this, [this, &command] { run(command); });
        actions_.insert(a->objectName(), a);
        documentActions_ << a;
    }

    qad_ = new QAction(QStringLiteral("'"), this);
    qad_->setObjectName(QStringLiteral("QAD"));
    qad_->setVisible(false);

    headings_ = new QMenu(parent_);
    headings_->setObjectName(QStringLiteral("Headings"));
    addItems(headings_, TCommandMenu::Headings);
    auto* heading = new QAction(QStringLiteral("Heading"), this);
    heading->setObjectName(QStringLiteral("Heading"));
    heading->setStatusTip(QStringLiteral("Heading"));
    heading->setMenu(headings_);
    actions_.insert(heading->objectName(), heading);
    documentActions_ << heading;
}

QAction* TInsertCommands::action(const QString& name) const
{
    return actions_.value(name, nullptr);
}

void TInsertCommands::addItems(QMenu* menu, TCommandMenu which)
{
    for (const TInsertCommand& command : insertCommands())
        if (command.menu == which)
            menu->addAction(actions_.value(qs(command.name)));
}

QMenu* TInsertCommands::addSubmenu(QMenu* menu, TCommandMenu which, QAction* before)
{
    for (const TSubmenu& sub : insertSubmenus()) {
        if (sub.menu != which)
            continue;
        auto* child = new QMenu(qs(sub.caption), menu);
        child->setObjectName(qs(sub.name));
        child->menuAction()->setObjectName(qs(sub.name));
        child->menuAction()->setStatusTip(qs(sub.hint));
        addItems(child, which);
        menu->insertMenu(before, child);
        documentActions_ << child->menuAction();
        actions_.insert(qs(sub.name), child->menuAction());
        return child;
    }
    return nullptr;
}

void TInsertCommands::fillHtmlMenu(QMenu* menu)
{
    addItems(menu, TCommandMenu::HTML);
    // Headings stand between Underline and Center; Forms come last.
    addSubmenu(menu, TCommandMenu::Headings, action(QStringLiteral("Center1")));
    addSubmenu(menu, TCommandMenu::Forms);
    connect(menu, &QMenu::aboutToShow, this, &TInsertCommands::updateDocumentActions);
    updateDocumentActions();
}

void TInsertCommands::fillScriptMenu(QMenu* menu)
{
    addItems(menu, TCommandMenu::Script);
    addSubmenu(menu, TCommandMenu::JavaScript);
    addSubmenu(menu, TCommandMenu::ASP);
    connect(menu, &QMenu::aboutToShow, this, &TInsertCommands::updateDocumentActions);
    updateDocumentActions();
}

void TInsertCommands::fillPasteSpecialMenu(QMenu* menu)
{
    addItems(menu, TCommandMenu::PasteSpecial);
    connect(menu, &QMenu::aboutToShow, this, &TInsertCommands::updateDocumentActions);
}

void TInsertCommands::addButtons(QToolBar* toolbar, TCommandToolbar which)
{
    for (const TInsertCommand& command : insertCommands()) {
        if (command.toolbar != which)
            continue;
        toolbar->addAction(actions_.value(qs(command.name)));
        if (command.name == "Underline1") {
            QAction* heading = action(QStringLiteral("Heading"));
            toolbar->addAction(heading);
            headingButton_ = qobject_cast<QToolButton*>(toolbar->widgetForAction(heading));
            if (headingButton_) {
                headingButton_->setObjectName(QStringLiteral("Heading"));
                headingButton_->setPopupMode(QToolButton::InstantPopup);
            }
        }
    }
}

void TInsertCommands::fillHtmlToolbar(QToolBar* toolbar)
{
    addButtons(toolbar, TCommandToolbar::HTML);
}

void TInsertCommands::fillScriptToolbar(QToolBar* toolbar)
{
    addButtons(toolbar, TCommandToolbar::Script);
}

void TInsertCommands::updateDocumentActions()
{
    setDocumentActionsEnabled(editor_ && editor_() != nullptr);
}

void TInsertCommands::setDocumentActionsEnabled(bool on)
{
    for (QAction* a : std::as_const(documentActions_))
        a->setEnabled(on);
}

void TInsertCommands::openDialog(QDialog* dialog, const QString& caption)
{
    if (!caption.isEmpty())
        dialog->setWindowTitle(caption);
    if (showModal)
        showModal(*dialog);
}

void TInsertCommands::quickColor()
{
    if (runColorPicker && runColorPicker(*colorPicker_))
        insertText(editor_(), colorPicker_->htmlColor().toStdString());
}

void TInsertCommands::run(const TInsertCommand& command)
{
    // Every command looks for the active document when it runs and does
    // nothing without one.
    memo::TSyntaxMemo* editor = editor_ ? editor_() : nullptr;
    if (!editor)
        return;
    const TLanguage language = language_ ? language_() : TLanguage::JavaScript;
    switch (command.action) {
    case TCommandAction::Wrap:
    case TCommandAction::Insert:
        writeSnippet(editor, fixedSnippet(command));
        break;
    case TCommandAction::ScriptBlock:
        writeSnippet(editor, scriptBlock(language));
        break;
    case TCommandAction::CommentBlock:
        if (const auto snippet = commentBlock(language, qad_->text().toStdString()))
            writeSnippet(editor, *snippet);
        break;
    case TCommandAction::QuickColor:
        quickColor();
        break;
    case TCommandAction::FormDialog:
        openDialog(form_);
        break;
    case TCommandAction::TextBoxDialog:
        openDialog(textBox_);
        break;
    case TCommandAction::TextAreaDialog:
        openDialog(textArea_);
        break;
    case TCommandAction::CheckBoxDialog:
        openDialog(radioCheck_, QString::fromLatin1(TRadioCheckForm::kCheckBoxCaption));
        break;
    case TCommandAction::RadioButtonDialog:
        openDialog(radioCheck_, QString::fromLatin1(TRadioCheckForm::kRadioCaption));
        break;
    case TCommandAction::SelectDialog:
        openDialog(select_);
        break;
    case TCommandAction::ButtonDialog:
        openDialog(button_);
        break;
    case TCommandAction::LinkDialog:
        openDialog(link_, QString::fromLatin1(TLinkForm::kLinkCaption));
        break;
    case TCommandAction::ServletDialog:
        openDialog(servlet_);
        break;
    case TCommandAction::CustomObjectDialog:
        openDialog(customObject_);
        break;
    case TCommandAction::FunctionBlockDialog:
        openDialog(functionBlock_);
        break;
    case TCommandAction::AspVariableDialog:
        openDialog(aspVar_);
        break;
    case TCommandAction::MessageDialog:
        // The message dialog stays open beside the documents.
        messageBox_->show();
        messageBox_->raise();
        messageBox_->activateWindow();
        break;
    }
}

} // namespace tessaly::insert
