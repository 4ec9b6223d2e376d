#pragma once

#include "app/DocumentHistory.h"
#include "app/FileCommands.h"
#include "app/MainCommandTable.h"
#include "app/MenuEnabling.h"
#include "app/PreviewCommands.h"
#include "app/RecoveryKeeper.h"
#include "app/PrintCommands.h"
#include "app/SearchCommands.h"
#include "app/TextFormatCommands.h"
#include "app/WindowCommands.h"
#include "app/WindowSettings.h"
#include "platform/Dialogs.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMainWindow>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QDialog;
class QMdiArea;
class QMenu;
class QPrinter;
class QSplitter;
class QToolBar;

namespace tessaly::platform {
class TIniFile;
}

namespace tessaly::insert {
class TInsertCommands;
}

namespace tessaly::library {
class TScriptHost;
class TScriptLibrary;
}

namespace tessaly::app {

class TAboutBox;
class TEditor;
class TLanguageStore;
class TMDITab;
class TScriptPanel;
class TStatusPanels;

// The main window: the frame of the document windows, with the menus, the
// three toolbars in two dock areas, the Script Panel at the left, the tab
// bar and the status bar. Its commands act on the active document, looked
// up when they run; with no document they do nothing.
//
// The menus and the Main Toolbar are made from tables of rows
// (MainCommandTable.cpp), each naming its member handler. Menu items and
// toolbar buttons are QActions named after their component, so tests and
// the commands of other parts can find them (item("Save")).
class TMainForm : public QMainWindow, private TSearchCommands::Host,
                  private TWindowCommands::Host,
                  private TPreviewCommands::Host,
                  private TPrintCommands::Host,
                  private TTextFormatCommands::Host,
                  private TDocumentHistory::Host,
                  private TRecoveryKeeper::Host,
                  private TFileCommands::Host {
    Q_OBJECT
public:
    // dialogs: where every dialog goes; the desktop's own when null.
    explicit TMainForm(std::unique_ptr<platform::TDialogs> dialogs = nullptr, QWidget* parent = nullptr);
    ~TMainForm() override;

    // --- areas ---------------------------------------------------------
    QToolBar* mainToolbar() const { return mainToolbar_; }
    // The insertion commands add their buttons to these two.
    QToolBar* scriptToolbar() const { return scriptToolbar_; }
    QToolBar* htmlToolbar() const { return htmlToolbar_; }
    TScriptPanel* scriptPanel() const { return scriptPanel_; }
    // The script library inside the Script Panel.
    library::TScriptLibrary* scriptLibrary() const { return scriptLibrary_; }
    QSplitter* splitIt() const { return splitIt_; }
    QWidget* tabParent() const { return tabParent_; }
    TMDITab* mdiTab() const { return mdiTab_; }
    QMdiArea* mdiArea() const { return mdiArea_; }
    TStatusPanels* panels() const { return statusBar_; }
    QPrinter& printer() { return print_->printer(); }
    platform::TDialogs& dialogs() { return *dialogs_; }
    TAboutBox& aboutBox() { return *aboutBox_; }
    // Where the languages' settings are kept between runs.
    TLanguageStore& languageStore();
    const std::string& programFolder() const { return programFolder_; }
    // File > Reopen and the documents reopened at start.
    TDocumentHistory& history() { return *history_; }
    // The recovery files of modified documents.
    TRecoveryKeeper& recovery() { return *recovery_; }

    // --- menus -----------------------------------------------------------
    QMenu* fileMenu() const { return fileMenu_; }
    QMenu* editMenu() const { return editMenu_; }
    QMenu* pasteSpecialMenu() const { return pasteSpecialMenu_; }
    QMenu* viewMenu() const { return viewMenu_; }
    QMenu* languageMenu() const { return languageMenu_; }
    // The insertion commands fill these two menus.
    QMenu* htmlMenu() const { return htmlMenu_; }
    QMenu* scriptMenu() const { return scriptMenu_; }
    QMenu* windowMenu() const { return windowMenu_; }
    QMenu* helpMenu() const { return helpMenu_; }
    // A menu item or toolbar button by its component name; null when none.
    QAction* item(const QString& name) const;
    // The rows the main menu and the Main Toolbar are made from, in order.
    static const std::vector<TMenuRow>& menuRows();
    static const std::vector<TToolButtonRow>& toolButtonRows();

    // --- documents -------------------------------------------------------
    TEditor* activeEditor() const;
    QList<TEditor*> editors() const;
    // Gives the active document's text the keyboard focus (when its
    // "Editor" page is in front), now and once more after the events in
    // hand, which may move the focus themselves. Every path that brings a
    // document to the user ends here.
    void focusActiveEditor();
    // The language number of the active document's checked Language item (1..4).
    int currentLanguage() const;

    // --- commands --------------------------------------------------------
    TEditor* newClick();
    void openClick();
    // Opens a file into a new document window, as Open does after its dialog.
    TEditor* openFile(const std::filesystem::path& file);
    void saveClick();
    void saveAsClick();
    void saveSelectionClick();
    void close1Click();
    // Closes every document; false when a close query was cancelled.
    bool closeAllClick();
    void printClick();
    void printerSetupClick();
    void languageClick(int parser);
    void tileClick();
    void cascadeClick();
    void arrangeIconsClick();
    void nextClick();
    void previousClick();
    void minimizeAllClick();
    void aboutClick();
    void helpContentsClick();
    // Toggle Edit/Preview on the active document.
    void externalPreview1Click();
    // An Internet Links item: the active document's Browser page shows address.
    void internetLinkClick(const QString& address);
    // View > Live Preview: the page beside the text in every document window.
    void livePreview1Click(bool on);
    bool livePreviewOn() const { return preview_->livePreviewOn(); }
    // The help file: help/index.html in the program folder, else beside the
    // program's installed data.
    std::filesystem::path helpFile() const;

    // Runs the open dialog of Open; the chosen file, or nothing on cancel.
    std::optional<std::filesystem::path> askOpenFile();

    // Saves a document by the Save rule (asks for a name when untitled);
    // false when the name dialog was cancelled or the save failed.
    bool saveDocument(TEditor& editor);

    // Runs one of our own modal dialogs; tests replace it so nothing waits
    // for a user. Returns the dialog's result code.
    std::function<int(QDialog&)> modalRunner;
    int showModal(QDialog& dialog) { return modalRunner(dialog); }

    // --- settings ----------------------------------------------------------
    void applySettings(const platform::TIniFile& ini);
    void writeSettings(platform::TIniFile& ini);

    // --- called by the document windows ------------------------------------
    void codeChanged(TEditor& editor);
    void editorActivated(TEditor& editor);
    bool editorCloseQuery(TEditor& editor);
    void editorClosed(TEditor& editor);

    // Enables or disables every toolbar button that needs a document.
    void setDocumentButtonsEnabled(bool enabled);

    // The parts that own the state of their commands.
    TSearchCommands& searchCommands() { return *search_; }
    TWindowCommands& windowCommands() { return *windows_; }
    TPreviewCommands& previewCommands() { return *preview_; }
    TPrintCommands& printCommands() { return *print_; }
    TFileCommands& fileCommands() { return *files_; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    insert::TInsertCommands* insertCommands_ = nullptr;
    TDocumentHistory* history_ = nullptr;
    TRecoveryKeeper* recovery_ = nullptr;
    TTextFormatCommands* textFormat_ = nullptr;
    void createAreas();
    void createScriptLibrary();
    void createMenus();
    void createToolbars();
    // Connects a menu item to the handler of its row.
    void connectRow(QAction* item, const TMenuRow& row);
    // The handlers of the menu rows that are not commands of their own above.
    void new1Click();
    void closeAll1Click();
    void exit1Click();
    void properties1Click();
    void find1Click();
    void replace1Click();
    void findNext1Click();
    void setBookmarkClick(int n);
    void findBookmarkClick(int n);
    void upperCase1Click();
    void lowerCase1Click();
    void selectTag1Click();
    void reopenWithEncodingClick(int encoding);
    void saveWithEncodingClick(int encoding);
    void lineBreaksClick(int lineEnd);
    void refreshTextFormatItems();
    void fillReopenMenu(QMenu* menu);
    void mainToolbarClick(bool shown);
    void scriptToolbarClick(bool shown);
    void htmlToolbarClick(bool shown);
    QAction* addButton(QToolBar* bar, const char* name, const QString& icon, const QString& hint);
    // The Language item of a language number.
    QAction* languageItem(int parser) const;

    // The menu-enabling rule, run as a menu drops down: the rows of the
    // menu (of every menu when null) that need a document.
    void enableDocumentRows(const char* menu);
    void refreshDocumentItems();
    TMenuState menuState() const;
    void applyItemStates(const std::vector<TItemState>& states);
    void forms1Click();
    void script1Click();
    void fillWindowList();
    void lastDocumentClosed();
    // Places a new document window wholly inside the document area.
    void fitNewWindow(TEditor* editor, int index);

    void setToolbarShown(QToolBar* bar, QAction* switchItem, bool shown);
    void setScriptPanelShown(bool shown);
    void syncToolbarChecks();
    void fileError(const std::exception& error);

    std::unique_ptr<platform::TDialogs> dialogs_;
    std::unique_ptr<TSearchCommands> search_;
    // TSearchCommands::Host
    widgets::TSyntaxMemoView* searchView() override;
    bool regExpChecked() const override;
    TWindowCommands* windows_ = nullptr;
    // TWindowCommands::Host
    QList<QMdiSubWindow*> documentWindows() const override;
    QMdiSubWindow* activeDocumentWindow() const override;
    std::unique_ptr<TPreviewCommands> preview_;
    // TPreviewCommands::Host
    TPreviewDocument* activePreviewDocument() const override;
    QList<TPreviewDocument*> previewDocuments() const override;
    std::unique_ptr<TPrintCommands> print_;
    // TPrintCommands::Host
    std::optional<TPrintCommands::TSource> printSource() override;
    platform::TDialogs& printDialogs() override { return *dialogs_; }
    std::filesystem::path fileDialogFolder() const override { return files_->dialogFolder(); }
    void rememberFileDialogFolder(const std::optional<std::filesystem::path>& chosen) override
    {
        files_->rememberFolder(chosen);
    }
    // TTextFormatCommands::Host
    TFormatDocument* formatDocument() override;
    bool saveFormatDocument() override;
    platform::TDialogs& formatDialogs() override { return *dialogs_; }
    // TDocumentHistory::Host
    platform::TDialogs& historyDialogs() override { return *dialogs_; }
    void openHistoryFile(const std::filesystem::path& file) override { openFile(file); }
    std::vector<TSessionDocument> sessionDocuments(int& active) const override;
    QMdiSubWindow* openSessionDocument(const TSessionDocument& document) override;
    void activateSessionDocument(QMdiSubWindow* window) override;
    // TRecoveryKeeper::Host
    QList<TRecoverableDocument*> recoverableDocuments() const override;
    int chooseRecovered(const std::vector<TRecoveryRecord>& found, std::vector<bool>& chosen) override;
    TRecoverableDocument& openRecovered(const TRecoveryRecord& record) override;
    std::unique_ptr<TFileCommands> files_;
    // TFileCommands::Host
    TFileDocument* activeFileDocument() override;
    platform::TDialogs& fileDialogs() override { return *dialogs_; }
    void openDocumentFile(const std::filesystem::path& file) override { openFile(file); }
    void documentSaved(TFileDocument& document, const std::filesystem::path& file, bool renamed) override;
    void setSaveEnabled(bool enabled) override;
    std::string clipboardText() const override;
    std::unique_ptr<TLanguageStore> languageStore_;
    std::string programFolder_;
    QToolBar* mainToolbar_ = nullptr;
    QToolBar* scriptToolbar_ = nullptr;
    QToolBar* htmlToolbar_ = nullptr;
    TScriptPanel* scriptPanel_ = nullptr;
    std::unique_ptr<library::TScriptHost> scriptHost_;
    library::TScriptLibrary* scriptLibrary_ = nullptr;
    QSplitter* splitIt_ = nullptr;
    QWidget* tabParent_ = nullptr;
    TMDITab* mdiTab_ = nullptr;
    QMdiArea* mdiArea_ = nullptr;
    TStatusPanels* statusBar_ = nullptr;
    TAboutBox* aboutBox_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QMenu* pasteSpecialMenu_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QMenu* languageMenu_ = nullptr;
    QMenu* htmlMenu_ = nullptr;
    QMenu* scriptMenu_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    // The items and the submenus' own actions of the menu rows by component
    // name (a submenu may share its name with an item: "SetBookmark1"), and
    // the actions other code reaches directly.
    QHash<QByteArray, QAction*> rowActions_;
    QHash<QByteArray, QAction*> menuActions_;
    QList<QAction*> documentButtons_;
    QAction* saveItem_ = nullptr;
    QAction* closeItem_ = nullptr;
    QAction* saveAsItem_ = nullptr;
    QAction* saveButton_ = nullptr;
    QAction* regExpItem_ = nullptr;
    QAction* livePreviewItem_ = nullptr;
    QAction* mainToolbarItem_ = nullptr;
    QAction* scriptToolbarItem_ = nullptr;
    QAction* htmlToolbarItem_ = nullptr;
    QAction* scriptPanelItem_ = nullptr;
    // The items and handlers of the View switches, in the settings' order.
    struct ViewSwitch {
        QAction* TMainForm::*item;
        void (TMainForm::*show)(bool);
    };
    static const ViewSwitch kViewSwitches[TWindowSettings::kViewCount];
    // The left and top edges came from the settings file.
    bool positionSaved_ = false;
    bool shownOnce_ = false;
};

} // namespace tessaly::app
