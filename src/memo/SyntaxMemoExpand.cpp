// Expansion of a code template or an auto-replace text in place of the name
// typed before the caret.
#include "memo/SyntaxMemo.h"

#include "memo/Normalise.h"

#include <algorithm>

namespace tessaly::memo {

void TSyntaxMemo::expandMacro(std::size_t nameLength, std::string_view body, bool indent, bool caretMarker)
{
    if (readOnly_)
        return;
    const std::int64_t start = std::max<std::int64_t>(0, caret_ - static_cast<std::int64_t>(nameLength));
    openUndoGroup(ugTemplate);
    setSelection(start, caret_, true);
    std::string text;
    if (indent) {
        // Each following line starts at the column where the name began.
        const TRecordIndex rec = store_.recordOf(TTextOffset(start));
        const int column = displayColumn(rec, static_cast<int>(start - store_.recordStart(rec).value()));
        const std::string pad(static_cast<std::size_t>(column), ' ');
        for (std::size_t i = 0; i < body.size(); ++i) {
            text += body[i];
            if (body[i] == '\r' && i + 1 < body.size() && body[i + 1] == '\n')
                text += body[++i];
            if (body[i] == '\r' || body[i] == '\n')
                text += pad;
        }
    } else {
        text.assign(body);
    }
    std::string norm = normalise(text);
    std::int64_t marker = -1;
    if (caretMarker) {
        const std::size_t bar = norm.find('|');
        if (bar != std::string::npos) {
            norm.erase(bar, 1);
            marker = static_cast<std::int64_t>(bar);
        }
    }
    replaceSelection(norm);
    if (marker >= 0)
        setSelection(start + marker, start + marker, true);
    closeUndoGroup(ugTemplate);
    changeKinds_ |= ckText | ckSelection | ckCommand;
    scrollCaret();
    notify();
    view_->repaintAll();
}

} // namespace tessaly::memo
