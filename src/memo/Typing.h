#pragma once

#include "memo/Options.h"
#include "memo/TabStops.h"
#include "memo/TextStore.h"

#include <cstdint>
#include <string>

namespace tessaly::memo {

// The rules of typing: which keys type what, overwrite mode, the indent a
// new line gets after Enter (auto-indent), where Tab goes (smart tab) and
// the fill of tabs and blanks that reaches a column. It reads the store and
// the tab stops and says what to type; the editor types it as one undo step
// and tells the view.
class TTyping {
public:
    TTyping(const TTextStore& store, const TTabStops& tabs) : store_(store), tabs_(tabs) {}

    // Insert mode, else overwrite mode: a typed character replaces the one
    // at the caret.
    bool insertMode() const { return insertMode_; }
    void setInsertMode(bool on) { insertMode_ = on; }
    // Tab types (else the key is left to the window); Return types a line
    // break and Ctrl+Enter (LF) does not, else the other way round.
    bool wantTab() const { return wantTab_; }
    void setWantTab(bool on) { wantTab_ = on; }
    bool wantReturns() const { return wantReturns_; }
    void setWantReturns(bool on) { wantReturns_ = on; }
    // Blanks a block indent adds or takes away, 1..19; other values are
    // ignored.
    int indentStep() const { return indentStep_; }
    void setIndentStep(int step);

    // What a key typed as character c does.
    enum class TKeyAction { ignore, type, smartTab };
    struct TKey {
        TKeyAction action = TKeyAction::ignore;
        char character = 0; // what is typed for TKeyAction::type
    };
    TKey classify(unsigned char c, TSyntaxMemoOptions options) const;
    // True when Tab goes to a column (the next stop or under the next word
    // of the line above) rather than typing a tab.
    static bool tabGoesToColumn(TSyntaxMemoOptions options);

    // Bytes of the character at offset that a character typed there
    // replaces: 0 in insert mode, at a line break or at the end of the text.
    std::int64_t overwriteLength(std::int64_t offset) const;

    // The display column of the blanks that start record rec, counting only
    // its first upToCol bytes; hasTextAtZero tells whether the record starts
    // with text (not a blank, not its end).
    int leadingIndent(std::int64_t rec, int upToCol, bool& hasTextAtZero) const;
    // The indent of the nearest record at or above rec that has text, 0 when
    // none has within a bounded look-back.
    int indentAbove(std::int64_t rec) const;
    // Where Tab at display column col of record rec goes: the next tab stop,
    // or with tab-to-column the column after the next word of the first line
    // above that reaches past col.
    int tabTarget(std::int64_t rec, int col, TSyntaxMemoOptions options) const;
    // Tabs and blanks that fill from display column from to column to:
    // blanks only unless tabs are in use with smart fill.
    std::string fill(int from, int to, TSyntaxMemoOptions options) const;

    // Empty when the state holds together, else what is wrong.
    std::string check() const;

private:
    int displayColumn(std::int64_t rec, int col) const;

    const TTextStore& store_;
    const TTabStops& tabs_;
    bool insertMode_ = true;
    bool wantTab_ = true;
    bool wantReturns_ = true;
    int indentStep_ = 2;
};

} // namespace tessaly::memo
