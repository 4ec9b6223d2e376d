#pragma once

#include "memo/Bookmarks.h"
#include "memo/CustomBookmarks.h"
#include "memo/MemoErrors.h"
#include "memo/HighlightDriver.h"
#include "memo/Highlighter.h"
#include "memo/MemoHost.h"
#include "memo/MemoProgress.h"
#include "memo/Options.h"
#include "memo/SearchSession.h"
#include "memo/SyntaxMemoStrings.h"
#include "memo/TabStops.h"
#include "memo/TextFormat.h"
#include "memo/TextStore.h"
#include "memo/Typing.h"
#include "memo/UndoStack.h"
#include "memo/Units.h"
#include "memo/WidestLine.h"
#include "memo/WordWrap.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::memo {

class TREParser;
class TFileLoader;

enum class TSaveFormat { sfTEXT, sfRTF, sfHTML, sfUNIX };

// Clipboard formats that copying writes.
struct TSM_ClipFormats {
    bool smTEXT = true;
    bool smRTF = true;
};

// Change kinds gathered between two notifications.
enum TChangeKind : std::uint32_t {
    ckSelection = 1,
    ckText = 2,
    ckSize = 4,
    ckFont = 8,
    ckOptions = 64,
    ckCommand = 128,
};

// Source-type flags of a paste or drop, which OnDataDrop may change.
enum TDropSource : std::uint32_t {
    dsText = 1,
    dsHtml = 2,
    dsHtmlFragment = 4, // keep only the marked fragment of HTML
    dsHtmlFirstTag = 8, // drop what stands before the first tag
};

// Where the caret is shown: the line of its record and its display column.
struct TCaretPos {
    TDisplayColumn column;
    TLineNumber line{1};
    // The column as the status bar counts it, from 1.
    int columnNumber() const { return column.value() + 1; }
};

// What OnTokenSeen is told about.
enum class TTokenSeen { passBegin, token, passEnd };

// The editor engine: line store, caret and selection, editing, typing,
// loading and saving, undo and redo, and change notifications. It needs no
// window: a view, a clipboard and a message sink can be attached, and tests
// use it bare.
//
// Offsets count a line break as one character (the store keeps single CR);
// selText, selLength and saved text use CR LF.
class TSyntaxMemo {
public:
    TSyntaxMemo();
    ~TSyntaxMemo();
    TSyntaxMemo(const TSyntaxMemo&) = delete;
    TSyntaxMemo& operator=(const TSyntaxMemo&) = delete;

    static constexpr const char* kVersion = "2.00.02";

    // --- attachments ---------------------------------------------------
    void setView(TMemoView* view) { view_ = view ? view : &noView_; }
    void setMessages(TMemoMessages* m) { messages_ = m ? m : &noMessages_; }
    // Asked during long searches whether to go on (MemoProgress.h).
    void setProgress(TMemoProgress* p) { progress_ = p ? p : &noProgress_; }
    void setClipboard(TMemoClipboard* c) { clipboard_ = c ? c : &ownClipboard_; }
    TMemoClipboard& clipboard() { return *clipboard_; }

    // --- text and selection --------------------------------------------
    const TTextStore& store() const { return store_; }
    std::int64_t textLength() const { return store_.length().value(); }
    std::int64_t anchor() const { return anchor_; }
    std::int64_t caret() const { return caret_; }

    std::int64_t selStart() const;
    void setSelStart(std::int64_t offset);
    std::int64_t selLength() const;
    void setSelLength(std::int64_t count);
    std::string selText() const;
    void setSelText(std::string_view text);
    // Copies the selected text (CR LF form) into buf, at most size characters; returns the count.
    int getSelTextBuf(char* buf, int size);
    std::int64_t getTextLen() const;
    void selectAll();
    void clearSelection();
    void clear();
    // Where one piece of a wrapped (or overlong) line ends, the next piece
    // begins at the same offset. A caret there is shown at the start of the
    // next piece unless it came there as the end of the earlier one: by End,
    // a click past the piece's end, a vertical move to a column past it, or
    // text typed up to it.
    enum class TCaretAffinity { nextPiece, pieceEnd };
    // Sets anchor and caret; an anchor of -1 selects all. Quiet means no
    // notification, no scrolling and no repaint. pieceEnd counts only where
    // the caret stands at a piece boundary.
    void setSelection(std::int64_t anchor, std::int64_t caret, bool quiet = false,
                      TCaretAffinity affinity = TCaretAffinity::nextPiece);
    // True while the caret is shown at the end of a piece rather than at the
    // start of the piece that continues it.
    bool caretAtPieceEnd() const { return caretAtPieceEnd_; }
    // The record the caret is shown in, and its column there.
    TRecordIndex caretRecord() const;
    int caretColumn() const { return static_cast<int>(caret_ - store_.recordStart(caretRecord()).value()); }
    // True when offset is where a piece ends and the record continuing it begins.
    bool isPieceBoundary(std::int64_t offset) const;
    // The text of [start, end) in the store's form.
    std::string textRange(std::int64_t start, std::int64_t end) const
    {
        return store_.text(TTextOffset(start), TTextOffset(end));
    }
    // The whole text in CR LF form.
    std::string text() const;

    // --- clipboard -----------------------------------------------------
    void cutToClipboard();
    void copyToClipboard();
    void pasteFromClipboard();
    bool canPaste() const;
    TSM_ClipFormats clipCopyFormats() const { return clipFormats_; }
    void setClipCopyFormats(TSM_ClipFormats f) { clipFormats_ = f; }

    // --- undo ------------------------------------------------------------
    void undo();
    void redo();
    bool canUndo() const { return undo_.canUndo(); }
    bool canRedo() const { return undo_.canRedo(); }
    void clearUndo() { undo_.clearUndo(); }
    TUndoStack& undoStack() { return undo_; }
    bool modified() const { return canUndo(); }
    void setModified(bool value);
    // Brackets the replacements of one user action as one undo step.
    void openUndoGroup(std::int32_t id) { undo_.openGroup(id, anchor_, caret_); }
    void closeUndoGroup(std::int32_t id) { undo_.closeGroup(id, anchor_, caret_); }

    // --- files -----------------------------------------------------------
    void loadFromStream(std::istream& in);
    // Reads the file in its own encoding and line-break style (or in the
    // forced encoding) and remembers them as the text format; a file that
    // cannot come back unchanged (binary data) is refused with EFOpenError
    // and the text is left as it was.
    void loadFromFile(const std::filesystem::path& file, std::optional<TEncoding> forced = std::nullopt);
    void saveToStream(std::ostream& out);
    void saveToFile(const std::filesystem::path& file);
    // The name remembered as the print title by the last load or save.
    const std::string& printTitle() const { return printTitle_; }
    void setPrintTitle(std::string title) { printTitle_ = std::move(title); }
    // How plain-text saves write the text: encoding and line-break style.
    // Set by loading a file; a new document has UTF-8 and CR LF.
    const TTextFormat& textFormat() const { return textFormat_; }
    void setTextFormat(const TTextFormat& f) { textFormat_ = f; }
    TSaveFormat saveFormat() const { return saveFormat_; }
    void setSaveFormat(TSaveFormat f) { saveFormat_ = f; }
    // Replace the built-in RTF writer of the clipboard and the writer of the
    // styled save formats (RTF, HTML) when set.
    std::function<std::string(TSyntaxMemo&)> rtfWriter;
    std::function<void(TSyntaxMemo&, std::ostream&, TSaveFormat)> styledWriter;

    // --- lines, marks, colours, scrolling -------------------------------
    TSyntaxMemoStrings& lines() { return lines_; }
    TCaretPos getCaretPos() const;
    // A line's own colours (1-based line; none clears it): they win over
    // the view's and the tokens' colours and travel with the line.
    void setLineBackColor(TLineNumber line, std::optional<TColor> color);
    void setLineTextColor(TLineNumber line, std::optional<TColor> color);
    // Marks 1..16 of a line; out of range does nothing.
    void setMark(int mark, TLineNumber line);
    void clearMark(int mark, TLineNumber line);
    bool hasMark(int mark, TLineNumber line) const;
    std::int64_t topLine() const { return topLine_; }
    void setTopLine(std::int64_t line);
    int leftColumn() const { return leftColumn_; }
    void setLeftColumn(int column);
    void scrollCaret();

    // The display column that vertical caret moves aim at.
    int preferredColumn() const;
    void setPreferredColumn(int column) { preferredColumn_ = column; }

    // Display column of column col of record rec (tabs expanded).
    int displayColumn(TRecordIndex rec, int col) const;
    // Column of record rec that stands at display column dcol (or its end).
    int columnAtDisplay(TRecordIndex rec, int dcol) const;
    // Display columns of the widest record (tabs expanded, wide characters
    // two columns), what horizontal scrolling has to reach.
    int widestLineColumns() const;
    // The kept width of the widest record (its bookkeeping, for checks).
    const TWidestLine& widestLine() const { return widest_; }
    TWidestLine& widestLine() { return widest_; }

    // --- typing ------------------------------------------------------------
    // Types one character from the keyboard (one undo step).
    void typeChar(unsigned char c);
    // Types one character given as its bytes (a UTF-8 sequence goes in as one
    // undo step; overwrite mode replaces the whole character at the caret).
    void typeCharacter(std::string_view bytes);
    // Inserts the fill from display column a to b like typed text.
    void insertFill(int from, int to);
    bool insertMode() const { return typing_.insertMode(); }
    void setInsertMode(bool on) { typing_.setInsertMode(on); }
    // Overwrite mode, the keys that type, auto-indent and smart tab.
    const TTyping& typing() const { return typing_; }
    // Selects the word at offset with the word classes; returns false when there is none.
    bool selectWordAt(std::int64_t offset);
    bool charIsInWord(unsigned char c) const;
    bool charStartsWord(unsigned char c) const;
    std::function<bool(unsigned char)> fn_CharIsInWord;
    std::function<bool(unsigned char)> fn_CharStartsWord;

    // --- properties --------------------------------------------------------
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool v)
    {
        readOnly_ = v;
        readOnlyByLoad_ = false;
    }
    bool wantTab() const { return typing_.wantTab(); }
    void setWantTab(bool v) { typing_.setWantTab(v); }
    bool wantReturns() const { return typing_.wantReturns(); }
    void setWantReturns(bool v) { typing_.setWantReturns(v); }
    bool hideSelection() const { return hideSelection_; }
    void setHideSelection(bool v) { hideSelection_ = v; }
    TSyntaxMemoOptions options() const { return options_; }
    void setOptions(TSyntaxMemoOptions o);
    bool hasOption(TSyntaxMemoOption o) const { return options_.has(o); }
    int tabDefault() const { return tabs_.tabDefault(); }
    void setTabDefault(int width) { tabs_.setTabDefault(width); }
    std::string tabColumns() const { return tabs_.tabColumns(); }
    void setTabColumns(std::string_view text) { tabs_.setTabColumns(text); }
    const TTabStops& tabStops() const { return tabs_; }
    int indentStep() const { return typing_.indentStep(); }
    void setIndentStep(int step) { typing_.setIndentStep(step); }
    int wrapAtColumn() const { return wrap_.atColumn(); }
    // Word wrap (SyntaxMemoWrap.cpp): setting these reflows when smoWordWrap is on.
    void setWrapAtColumn(int column);
    const std::string& wrapOverride() const { return wrap_.overrideChars(); }
    void setWrapOverride(std::string chars);
    // Cuts every line again: at the wrap width with smoWordWrap, else only
    // overlong lines. The view calls it when its width in columns changes.
    void reflow();
    // The column at which word wrap cuts lines: WrapAtColumn, or the visible
    // columns when that is 0.
    int wrapWidth() const;
    // The wrap column and override characters, and how lines are cut now.
    const TWordWrap& wordWrap() const { return wrap_; }
    TWordWrap::TRule wrapRule() const;
    std::string version() const { return kVersion; }

    // --- search -----------------------------------------------------------
    // Searches from the selection with the search flags; a match is
    // selected and its start returned, -1 when there is none.
    std::int64_t findText(TSearchFlags flags, std::string_view text);
    // Repeats the last search: 1 found, 0 not found or nothing searched yet.
    int findNext();
    // Replaces the next match (after confirm, when given, says yes).
    bool replaceNext(TSearchFlags flags, std::string_view text, std::string_view replacement,
                     const std::function<bool(const std::string& found, const std::string& with)>& confirm = {});
    // Replaces every match from the selection to the end as one undo step;
    // returns the number replaced.
    int replaceAll(TSearchFlags flags, std::string_view text, std::string_view replacement);
    // A search from the Find or Replace dialog: when the selection starts at
    // the last match, the search starts one character further in its
    // direction; a match of length 0 counts as not found.
    bool findFromDialog(TSearchFlags flags, std::string_view text);
    // A dialog opened: no match is the last one any more.
    void forgetLastMatch() { search_.forgetLastMatch(); }
    std::int64_t lastMatchStart() const { return search_.lastMatch(); }
    // Sets the text and flags that findNext repeats.
    void setLastSearch(TSearchFlags flags, std::string_view text) { search_.remember(flags, text); }
    const std::string& lastSearchText() const { return search_.text(); }
    TSearchFlags lastSearchFlags() const { return search_.flags(); }
    // The finder and the last search's text, flags and match.
    const TSearchSession& searchSession() const { return search_; }
    // Replaces the not-found message when set.
    std::function<void(TSyntaxMemo&, const std::string&)> onSearchFail;
    // The regular-expression engine of the searches: its recorded positions
    // after a match, its error after a failed compile.
    TREParser& searchRegex();

    // --- highlighting ----------------------------------------------------
    static constexpr int kParserSlots = 6;
    // Parser slots 1..6; the active one (0 = none) colours the text.
    void setParser(int slot, THighlighter* parser);
    THighlighter* parser(int slot) const
    {
        return slot >= 1 && slot <= kParserSlots ? parsers_[static_cast<std::size_t>(slot - 1)] : nullptr;
    }
    int activeParser() const { return activeParser_; }
    // Switching re-highlights the whole text.
    void setActiveParser(int slot);
    THighlighter* highlighter() const;
    // Scans the whole text again now.
    void highlightAll();
    // The active parser's settings changed: its values are dropped and the
    // text is highlighted again.
    void refreshActiveParser();
    // Opens the active parser's options for this editor; with no active
    // parser shows "No active parser". True when the settings changed.
    bool editProperties();
    // --- bookmarks (SyntaxMemoBookmarks.cpp) --------------------------------
    // Puts bookmark n (0..9) on a line, or takes it off when it is there
    // already. line -1 means the caret's line and column; otherwise both are
    // 1-based. Throws ESyntaxMemo "Bookmark index range error" for n outside 0..9.
    void setBookmark(int n, std::int64_t line, int column);
    // Puts the caret at bookmark n; nothing when it is not set.
    void gotoBookmark(int n);
    // 1-based line that carries bookmark n, 0 when none does.
    std::int64_t bookmarkLine(int n) const;
    // Stored 1-based column of bookmark n, 0 when it was never set.
    int bookmarkColumn(int n) const;
    TCustomBookmarks& customBookmarks() { return customBookmarks_; }
    // The numbered bookmarks and marks of the lines.
    const TBookmarks& bookmarks() const { return bookmarks_; }
    std::function<void(TSyntaxMemo&, int index)> onBookmarkSet;
    std::function<void(TSyntaxMemo&, const std::string& name)> onCustomBookmarkFree;

    // --- key commands (SyntaxMemoCommands.cpp) ------------------------------
    // Runs editor command code (0..44, TKeyCommand); extend keeps the anchor
    // of caret moves (Shift was down). Other codes do nothing.
    void executeCommand(int code, bool extend = false);
    // Start of the word before offset, and of the word after it.
    std::int64_t wordBefore(std::int64_t offset) const;
    std::int64_t wordAfter(std::int64_t offset) const;
    // Called before a command that a key was bound to runs.
    std::function<void(TSyntaxMemo&, int code)> onCommandRecognised;
    // Replaces the nameLength characters before the caret by body as one undo
    // step: with indent, lines after the first start at the name's column;
    // with caretMarker, the first "|" is removed and the caret put there.
    void expandMacro(std::size_t nameLength, std::string_view body, bool indent, bool caretMarker);

    // --- notifications ---------------------------------------------------
    std::function<void(TSyntaxMemo&)> onChange;
    std::function<void(TSyntaxMemo&, std::int64_t start, std::int64_t extent)> onTextChange;
    std::function<void(TSyntaxMemo&, std::uint32_t& sources)> onDataDrop;
    // Called now and then during a highlighting pass, and at its end, with
    // the number of the first record the pass has not yet stored: the
    // records before it, back to where the pass began, hold their final
    // values. A pass of highlightAll begins at the first record.
    std::function<void(std::int64_t records)> onHighlightProgress;
    // Told the begin and end of each highlighting pass (start, length and
    // value 0) and every token as its value is assigned (its start offset,
    // length and value; a long token cut at a record's end is told in its
    // pieces). Unset, the scan pays nothing for it.
    std::function<void(TSyntaxMemo&, TTokenSeen what, std::int64_t start, std::int64_t length,
                       std::uint8_t value)>
        onTokenSeen;

    // --- highlighting in the background ---------------------------------
    // A document of at least bytes characters (0: none) is highlighted in
    // a pass after loading or a change of parser: the visible records at
    // once, the rest through highlightSlice, called from the event loop.
    // Edits during the pass are highlighted as usual up to where the pass
    // stands; the pass does the rest.
    void setBackgroundHighlight(std::int64_t bytes) { highlight_.setBackgroundFrom(bytes); }
    std::int64_t backgroundHighlight() const { return highlight_.backgroundFrom(); }
    // True while a pass has records left.
    bool highlightPending() const { return highlight_.pending(); }
    // The offset up to which the pass has stored values (the text length
    // when no pass runs).
    std::int64_t highlightedTo() const { return highlight_.highlightedTo(); }
    // Goes on with the work left in the background (the rest of a file
    // being loaded, the widest line, the pass) for about budget; true while
    // any is left.
    bool highlightSlice(std::chrono::nanoseconds budget);
    // Ends the pass (and any loading): exports, printing and styled copies
    // need every value.
    void finishHighlight();
    // Called when work in the background (the rest of a file being read, a
    // pass) begins and when all of it ends, and once more, running, when
    // the reading ends while a pass goes on.
    std::function<void(TSyntaxMemo&, bool running)> onHighlightPass;

    // --- big files shown before they are all read -------------------------
    // A file of more than firstPart bytes (0: none) is shown as soon as that
    // much of it is read; the rest is read in slices through highlightSlice
    // while the user reads, scrolls and types. The whole file is checked
    // first, so its encoding and any refusal are known before it is shown.
    void setLoadInSlices(std::int64_t firstPart) { loadFirstPart_ = firstPart; }
    std::int64_t loadInSlices() const { return loadFirstPart_; }
    // True while the file last loaded is still being read.
    bool loadPending() const { return loader_ != nullptr; }
    // Reads the rest of the file at once. Saving, searching, selecting all,
    // going to the end and anything else that needs the whole text call it.
    void finishLoading();
    // Characters given to the parser so far (a test hook for the cost of edits).
    std::int64_t scannedCharacters() const { return highlight_.scanned(); }
    // The resume points, the background pass and the scan count.
    const THighlightDriver& highlightDriver() const { return highlight_; }
    // Redraw switch: off suppresses painting and notification; on repaints and notifies.
    bool redraw() const { return redraw_; }
    void setRedraw(bool on);
    // Records a change kind and notifies.
    void changed(std::uint32_t kinds);
    // Runs the notifier now.
    void notify();
    // First record changed since the last notification, -1 when none.
    std::int64_t firstChangedRecord() const { return firstChanged_; }
    // The change kinds (ck...) being notified; valid inside onChange.
    std::uint32_t changeKinds() const { return changeKinds_; }

    // --- editing primitives used by commands ----------------------------
    // Replaces the selection with text as one undo step; no notification.
    void replaceSelection(std::string_view text);
    // As replaceSelection, recorded as a stream transaction (paste, drop).
    void insertStream(std::string_view text);
    // HTML from a paste or drop cut by the fragment and first-tag flags of sources.
    static std::string filterHtml(std::string html, std::uint32_t sources);

private:
    friend class TSyntaxMemoStrings;
    friend class THighlightDriver;

    void deleteRange(std::int64_t start, std::int64_t end);
    void insertAtCaret(std::string_view normalised);
    void replaceCore(std::string_view text, std::int32_t transType);
    // Records first..last (by their numbers after the change) changed;
    // when records were added or removed everything below moved as well.
    void markChanged(std::int64_t first, std::int64_t last = -1);
    // Asks the view to paint what the changes since the last call touched.
    void repaintChanged();
    void markDecoration(std::int64_t a, std::int64_t b);
    void textChanged(std::int64_t start, std::int64_t extent);
    void replaySelect(std::int64_t anchor, std::int64_t caret) { setSelection(anchor, caret, true); }
    void replayFailed();
    void beginReplay(bool& wasRedraw);
    void finishReplay(bool wasRedraw);
    void smartTab();
    // Ends a typed edit: one notification, the caret in view.
    void finishTyping();
    void loadNormalised(std::istream& in);
    // Replaces the text with what fill puts into the store, then resets the
    // view, the undo history and the highlight.
    void loadWith(const std::function<void()>& fill);
    void writeText(std::ostream& out);
    // Reads pieces of the file being loaded until deadline or its end.
    void loadSlice(std::chrono::steady_clock::time_point deadline);
    // Text was appended to the store from offset oldLength on: it is
    // wrapped, measured, highlighted and shown like an insertion at the
    // end, but not as an edit (no undo step, no text-change hook).
    void appended(std::int64_t oldLength);
    // Tells onHighlightPass when the work in the background begins or ends
    // (tellAgain: also when it goes on, but as other work).
    void backgroundChanged(bool tellAgain = false);
    void rehighlight();
    // Starts a background pass when the document is big enough.
    bool startPass();
    // What record widths depend on besides the text, and how far one tab
    // advances at most.
    struct TWidthRule {
        std::string layout;
        int tabFactor = 1;
    };
    TWidthRule widthRule() const;
    int recordWidth(TRecordIndex rec) const;
    void searchFailed(std::string_view text);
    bool patternFailed();
    std::optional<TTextMatch> findFrom(std::int64_t from, TSearchFlags flags);
    // The next match from the selection for the Find and Replace dialogs;
    // no match or an empty one is reported as not found.
    std::optional<TTextMatch> dialogMatch(TSearchFlags flags);
    void activeParserChanged();

    // Bookmarks, marks and colours of a line, carried to another record when
    // an edit would otherwise leave them on the wrong line.
    using TLineMarks = TBookmarks::TLineMarks;
    TLineMarks lineMarksOf(std::int64_t rec) const;
    void putLineMarks(std::int64_t rec, const TLineMarks& lm);
    // Changes the own colours of a line of the text and repaints it.
    void setLineColours(TLineNumber line, const std::function<void(TLineColours&)>& change);
    void carryLineMarks(std::int64_t from, std::int64_t to);
    void moveCaretCommand(std::int64_t offset, bool extend, TCaretAffinity affinity = TCaretAffinity::nextPiece);
    void moveLinesCommand(std::int64_t lines, bool extend, bool scrollPage);
    void deleteCharCommand(bool forward);
    void indentBlock(bool unindent);
    void finishCommand(std::uint32_t kinds);
    unsigned char charAt(std::int64_t offset) const;
    void reflowRange(std::int64_t from, std::int64_t to);

    TTextStore store_;
    TUndoStack undo_;
    TSyntaxMemoStrings lines_;
    std::int64_t anchor_ = 0;
    std::int64_t caret_ = 0;
    // The caret at a piece boundary is shown at the end of the earlier piece.
    bool caretAtPieceEnd_ = false;
    // -1: the caret's own display column, computed when asked for.
    int preferredColumn_ = -1;
    std::int64_t topLine_ = 0;
    int leftColumn_ = 0;
    std::uint32_t changeKinds_ = 0;
    std::int64_t firstChanged_ = -1;
    // The records to paint again, gathered between notifications apart from
    // the re-scan's own bookkeeping; -1 when none.
    std::int64_t dirtyFirst_ = -1;
    std::int64_t dirtyLast_ = -1;
    bool recordsMoved_ = false;
    std::int64_t paintedRecordCount_ = 1;
    // Resume points, the background pass and the scan count.
    THighlightDriver highlight_{*this, store_};
    // What onHighlightPass was last told.
    bool backgroundRunning_ = false;
    // The file being read in slices, null when none is.
    std::unique_ptr<TFileLoader> loader_;
    // Where the text read in slices begins: the text-change hook hears of
    // it all at once, when the file is in.
    std::int64_t slicedFrom_ = 0;
    std::int64_t loadFirstPart_ = 0;
    bool redraw_ = true;
    int paintLock_ = 0;
    bool replaying_ = false;
    bool readOnly_ = false;
    // Read-only because the file changed while it was read: the next text
    // loaded makes the document editable again.
    bool readOnlyByLoad_ = false;
    bool hideSelection_ = true;
    // Highlighting and column tracking are on until the options say otherwise.
    TSyntaxMemoOptions options_{TSyntaxMemoOption::smoSyntaxHighlight, TSyntaxMemoOption::smoColumnTrack};
    TTabStops tabs_;
    TWordWrap wrap_{store_, tabs_};
    TTyping typing_{store_, tabs_};
    // The widest record's width, kept across edits (asked on every change).
    mutable TWidestLine widest_{store_};
    TSaveFormat saveFormat_ = TSaveFormat::sfTEXT;
    TTextFormat textFormat_;
    TSM_ClipFormats clipFormats_;
    std::string printTitle_;
    TBookmarks bookmarks_{store_};
    TCustomBookmarks customBookmarks_;

    TSearchSession search_;

    std::array<THighlighter*, kParserSlots> parsers_{};
    int activeParser_ = 0;

    TMemoView noView_;
    TMemoMessages noMessages_;
    TMemoryClipboard ownClipboard_;
    TMemoView* view_ = &noView_;
    TMemoMessages* messages_ = &noMessages_;
    TMemoClipboard* clipboard_ = &ownClipboard_;
    TMemoProgress noProgress_;
    TMemoProgress* progress_ = &noProgress_;
};

} // namespace tessaly::memo
