#pragma once

#include "library/ScriptFiles.h"

#include <QObject>

#include <string>
#include <vector>

class QAction;
class QToolBar;
class QTreeWidgetItem;
class QWidget;

namespace tessaly::widgets {
class THtmlViewer;
}

namespace tessaly::library {

class TAddCustScript;
class TScriptHost;
class TScriptListView;

// The Script Panel's library: the tool row with "Add Custom Script" and
// "Remove Script", the list of scripts and the description view, over the
// library's files in the program folder.
//
// Clicking an entry shows its description; double-clicking it (or dragging
// it onto the main window) opens its file in a new document window; the add
// dialog appends entries and Remove (the button or Delete in the list) takes
// them out after a confirmation. The list file, the settings file and the
// description page follow every change at once.
class TScriptLibrary : public QObject {
    Q_OBJECT
public:
    // The tool row and the list go into listArea, the description view into
    // descriptionArea; both need a box layout.
    TScriptLibrary(TScriptHost& host, std::filesystem::path programFolder, QWidget* listArea, QWidget* descriptionArea,
                   QObject* parent = nullptr);
    ~TScriptLibrary() override;

    const TScriptFiles& files() const { return files_; }
    TScriptListView* treeView1() const { return treeView1_; }
    widgets::THtmlViewer* prevy() const { return prevy_; }
    TAddCustScript& addDialog() const { return *addDialog_; }
    QAction* addScriptAction() const { return addScript_; }
    QAction* removeScriptAction() const { return removeScript_; }
    QToolBar* toolRow() const { return toolRow_; }

    // The names of the entries from the top.
    std::vector<std::string> names() const;

    // Fills the list from the list file (start-up).
    void load();

    // The handlers of the panel's controls.
    void treeView1Click();
    void treeView1DblClick();
    // Shows the add dialog; file, when given, is put into "Filename".
    void addScriptClick(const QString& file = {});
    void removeScriptClick();

private:
    QTreeWidgetItem* addEntry(const std::string& name, const std::string& kind);
    void addScript(const TScriptEntry& entry);
    void selectionChanged();
    void showPage(const std::filesystem::path& page);
    void reportError(const std::exception& error);

    TScriptHost& host_;
    TScriptFiles files_;
    QToolBar* toolRow_ = nullptr;
    QAction* addScript_ = nullptr;
    QAction* removeScript_ = nullptr;
    TScriptListView* treeView1_ = nullptr;
    widgets::THtmlViewer* prevy_ = nullptr;
    TAddCustScript* addDialog_ = nullptr;
};

} // namespace tessaly::library
