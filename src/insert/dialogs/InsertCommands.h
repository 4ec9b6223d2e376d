#pragma once

#include "insert/CommandTable.h"
#include "insert/Language.h"
#include "insert/dialogs/SnippetDialog.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QMenu;
class QToolBar;
class QToolButton;

namespace tessaly::insert {

class TASPVarForm;
class TButtonForm;
class TCustomObjectForm;
class TFormWindow;
class TFunctionBlock;
class THTMLColorDialog;
class TLinkForm;
class TMessageBoxForm;
class TRadioCheckForm;
class TSelectForm;
class TServletForm;
class TTextAreaForm;
class TTextBoxForm;

// The markup and script insertion commands of the main window: one QAction
// per command (menu item and toolbar button share it), the Heading drop-down,
// the hidden comment-mark item, the colour chooser and the snippet dialogs,
// which are created once, here, and reused.
//
// The owner fills its HTML, Script and Edit > Paste Special menus and the two
// toolbars from it, and tells it when documents come and go.
class TInsertCommands : public QObject {
    Q_OBJECT
public:
    using LanguageAccess = std::function<TLanguage()>;

    TInsertCommands(EditorAccess editor, LanguageAccess language, QWidget* parent);
    ~TInsertCommands() override;

    // Menus: items in order, with the Headings, Forms, JavaScript and ASP
    // submenus. Opening a filled menu enables its items only while a
    // document is open.
    void fillHtmlMenu(QMenu* menu);
    void fillScriptMenu(QMenu* menu);
    void fillPasteSpecialMenu(QMenu* menu);
    // Toolbars: the buttons with their hints; the HTML toolbar holds the
    // Heading drop-down.
    void fillHtmlToolbar(QToolBar* toolbar);
    void fillScriptToolbar(QToolBar* toolbar);

    // The action of a component name ("Bold1", "ScriptBlock", ...), or nullptr.
    QAction* action(const QString& name) const;
    // The hidden item of View > Language whose caption, a single quote, is
    // what Comment Block writes in a VBScript document.
    QAction* qadAction() const { return qad_; }
    QToolButton* headingButton() const { return headingButton_; }
    QMenu* headingsMenu() const { return headings_; }

    // Enables the document commands when a document is open, disables them
    // otherwise (they start disabled).
    void updateDocumentActions();
    void setDocumentActionsEnabled(bool on);

    // Runs a command now (what its menu item and button do).
    void run(const TInsertCommand& command);

    // Shows the colour chooser and returns true when the user picks a
    // colour. Replaceable so tests can script the choice.
    std::function<bool(THTMLColorDialog&)> runColorPicker;
    // Shows a snippet dialog modally. Replaceable; by default the dialog is
    // opened window-modal without a nested event loop.
    std::function<void(QDialog&)> showModal;

    THTMLColorDialog* colorPicker() const { return colorPicker_; }
    TServletForm* servletForm() const { return servlet_; }
    TFunctionBlock* functionBlock() const { return functionBlock_; }
    TMessageBoxForm* messageBoxForm() const { return messageBox_; }
    TFormWindow* formWindow() const { return form_; }
    TButtonForm* buttonForm() const { return button_; }
    TCustomObjectForm* customObjectForm() const { return customObject_; }
    TTextBoxForm* textBoxForm() const { return textBox_; }
    TTextAreaForm* textAreaForm() const { return textArea_; }
    TRadioCheckForm* radioCheckForm() const { return radioCheck_; }
    TSelectForm* selectForm() const { return select_; }
    TLinkForm* linkForm() const { return link_; }
    TASPVarForm* aspVarForm() const { return aspVar_; }

private:
    void createActions();
    void addItems(QMenu* menu, TCommandMenu which);
    // Adds a submenu with its items before the given action (at the end when null).
    QMenu* addSubmenu(QMenu* menu, TCommandMenu which, QAction* before = nullptr);
    void addButtons(QToolBar* toolbar, TCommandToolbar which);
    void quickColor();
    void openDialog(QDialog* dialog, const QString& caption = QString());

    EditorAccess editor_;
    LanguageAccess language_;
    QWidget* parent_;
    QHash<QString, QAction*> actions_;
    QList<QAction*> documentActions_;
    QAction* qad_ = nullptr;
    QMenu* headings_ = nullptr;
    QToolButton* headingButton_ = nullptr;

    THTMLColorDialog* colorPicker_ = nullptr;
    TServletForm* servlet_ = nullptr;
    TFunctionBlock* functionBlock_ = nullptr;
    TMessageBoxForm* messageBox_ = nullptr;
    TFormWindow* form_ = nullptr;
    TButtonForm* button_ = nullptr;
    TCustomObjectForm* customObject_ = nullptr;
    TTextBoxForm* textBox_ = nullptr;
    TTextAreaForm* textArea_ = nullptr;
    TRadioCheckForm* radioCheck_ = nullptr;
    TSelectForm* select_ = nullptr;
    TLinkForm* link_ = nullptr;
    TASPVarForm* aspVar_ = nullptr;
};

} // namespace tessaly::insert
