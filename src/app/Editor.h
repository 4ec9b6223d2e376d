#pragma once

#include "app/FileDocument.h"
#include "app/MDIChild.h"
#include "app/PreviewDocument.h"
#include "app/RecoverableDocument.h"

#include "memo/TextFormat.h"

#include <array>
#include <filesystem>
#include <memory>
#include <optional>

class QSplitter;
class QTabWidget;

namespace tessaly::memo {
class TSyntaxMemo;
class TMemoMessages;
}
namespace tessaly::widgets {
class TSyntaxMemoView;
}
namespace tessaly::parser {
class TSyntaxMemoParser;
}

namespace tessaly::app {

class TBrowserPage;
class TLivePreview;
class TMainForm;
class TStatusPanels;
class TDiskWatch;

// A document window: the editor control Code on the "Editor" page of a
// notebook, and a status bar with the caret position, the modified mark and
// the language. The caption is the document's name: "Untitled" until the
// document is first saved, then the file's full path.
class TEditor : public TMDIChild,
                public TPreviewDocument,
                public TFileDocument,
                public TRecoverableDocument {
    Q_OBJECT
public:
    static constexpr const char* kUntitled = "Untitled";
    static constexpr const char* kChangedOnDiskText =
        "The file %s was changed by another program. Reload it and lose your changes?";
    static constexpr const char* kDeletedOnDiskText = "Deleted on disk";

    explicit TEditor(TMainForm& owner);
    ~TEditor() override;

    widgets::TSyntaxMemoView& code() { return *code_; }
    memo::TSyntaxMemo& memo();
    const memo::TSyntaxMemo& memo() const;
    TStatusPanels& statusBar() { return *status_; }
    QTabWidget& notebook() { return *notebook_; }
    // The "Browser" page (page 1 of the notebook) and its web view.
    TBrowserPage& browserPage() { return *browserPage_; }
    bool showsBrowser() const;
    // Brings the "Browser" page to the front (the preview is written and
    // loaded when this leaves the "Editor" page).
    void showBrowser();
    // Toggle Edit/Preview: to the "Browser" page, or back to the "Editor"
    // page with the keyboard focus in the text.
    void togglePreview() override;
    // The "Browser" page in front, showing an address.
    void showAddress(const QString& address) override;
    // The page beside the text, refreshed as typing pauses.
    void setLivePreview(bool on) override;
    bool livePreview() const override;
    TLivePreview& livePane() { return *livePane_; }

    QString caption() const override { return windowTitle(); }
    void setCaption(const QString& caption);
    bool untitled() const override { return caption() == QLatin1String(kUntitled); }
    // Whether the first Save must ask for a name: an untitled document, or
    // one whose file could not be loaded (its empty text must never be
    // written over the file that is still on disk).
    bool needsName() const override { return untitled() || loadFailed_; }
    void setLoadFailed(bool failed) override { loadFailed_ = failed; }
    std::filesystem::path path() const override;
    bool modified() const override;
    TRecoveryRecord recoveryHeader() const override;
    std::int64_t textLength() const override;
    void appendText(std::int64_t start, std::int64_t end, std::string& out) const override;
    std::uint64_t textVersion() const override;
    bool textComplete() const override;
    void completeText() override;

    // The language in force: 1 HTML, 2 JavaScript, 3 VBScript, 4 plain text.
    int activeParser() const { return activeParser_; }
    void setActiveParser(int parser);
    // The four parsers HTML, JavaScript, VBScript and Plain_Text (1..4).
    parser::TSyntaxMemoParser& parserAt(int n);
    // The Properties command: the active parser's options for this
    // document; changed settings are applied at once.
    void editProperties();

    // Loads the file's lines (in its own encoding, or the forced one); the
    // document is then unmodified. A forced encoding is kept for reloads.
    void loadFromFile(const std::filesystem::path& file, std::optional<memo::TEncoding> forced = std::nullopt) override;
    // Saves the lines; throws the engine's file error on failure, when the
    // document stays modified.
    void saveToFile(const std::filesystem::path& file) override;

    // Gives the text the keyboard focus while the "Editor" page is in
    // front, so that typing goes in at once.
    void focusText();
    void takeFocus() override { focusText(); }

    // The encoding and line-break style the document is saved in, shown in
    // the status bar (EditorTextFormat.cpp). A new line-break style is a
    // change of the document: it counts as modified until saved.
    const memo::TTextFormat& textFormat() const override;
    void setLineEnd(memo::TLineEnd lineEnd) override;
    void setEncoding(memo::TEncoding encoding) override;
    // Takes a whole format as it is (a restored document), not a change.
    void setTextFormat(const memo::TTextFormat& format);
    static constexpr int kFormatPanel = 4;

    // Watches the document's file for changes by other programs.
    TDiskWatch& diskWatch() { return *diskWatch_; }

    // The editor's change notification: modified mark, Save commands, caret.
    void codeChange();
    // A click in the gutter toggles a silver highlight on the line (from 1).
    void codeGutterClick(std::int64_t line);

protected:
    bool closeQuery() override;
    // The area focuses the window itself on activation: pass it on.
    void focusInEvent(QFocusEvent* event) override;

private:
    void createParsers();
    // Shows Editor Options for one of this window's parsers; true when the
    // user confirmed (the parser then holds the new settings).
    bool runOptionsDialog(parser::TSyntaxMemoParser& parser);
    void applyParserSettings();
    void formActivate();
    void formClose(TCloseAction& action);
    // The file changed or vanished on disk (EditorDiskChanges.cpp).
    void diskChanged();
    void diskDeleted();
    // Loads the file again, keeping the caret and the top line where they can be.
    void reloadKeepingPlace();
    void notebookChanged(int page);
    void fitCaretPanel(int column);
    void showTextFormat();

    TMainForm& owner_;
    QSplitter* split_ = nullptr;
    QTabWidget* notebook_ = nullptr;
    TBrowserPage* browserPage_ = nullptr;
    TLivePreview* livePane_ = nullptr;
    int shownPage_ = 0;
    widgets::TSyntaxMemoView* code_ = nullptr;
    TStatusPanels* status_ = nullptr;
    int activeParser_ = 2;
    bool loadFailed_ = false;
    std::array<std::unique_ptr<parser::TSyntaxMemoParser>, 4> parsers_;
    std::unique_ptr<memo::TMemoMessages> messages_;
    TDiskWatch* diskWatch_ = nullptr;
    // The file was deleted on disk: the document counts as modified until saved.
    bool goneFromDisk_ = false;
    // The line-break style was changed and not yet saved.
    bool formatChanged_ = false;
    // The encoding the user picked (Reopen with Encoding, Save with
    // Encoding). A reload after another program changed the file reads it
    // in this encoding again instead of guessing anew, so that a later save
    // does not write the text in a different one.
    std::optional<memo::TEncoding> chosenEncoding_;
};

} // namespace tessaly::app
