// Cut, copy and paste through the attached clipboard.
#include "memo/SyntaxMemo.h"

#include "memo/StyledExport.h"

#include <algorithm>
#include <new>

namespace tessaly::memo {

void TSyntaxMemo::copyToClipboard()
{
    const std::string text = clipFormats_.smTEXT ? selText() : std::string();
    std::string rtf;
    // Styled text needs the values of every selected record.
    if (clipFormats_.smRTF && std::max(anchor_, caret_) > highlightedTo())
        finishHighlight();
    if (clipFormats_.smRTF)
        rtf = rtfWriter ? rtfWriter(*this) : writeRtf(*this, selStart(), std::max(anchor_, caret_));
    clipboard_->setContents(text, rtf, {});
}

void TSyntaxMemo::cutToClipboard()
{
    // Without a selection there is nothing to cut; the clipboard keeps
    // what it holds.
    if (readOnly_ || anchor_ == caret_)
        return;
    openUndoGroup(ugCut);
    copyToClipboard();
    replaceSelection({});
    closeUndoGroup(ugCut);
    changeKinds_ |= ckText | ckSelection | ckCommand;
    scrollCaret();
    notify();
    view_->repaintAll();
}

bool TSyntaxMemo::canPaste() const
{
    return clipboard_->hasText();
}

std::string TSyntaxMemo::filterHtml(std::string html, std::uint32_t sources)
{
    if (sources & dsHtmlFragment) {
        const std::size_t lt = html.find('<');
        html.erase(0, lt == std::string::npos ? html.size() : lt);
        static const std::string kStart = "<!--StartFragment-->";
        static const std::string kEnd = "<!--EndFragment-->";
        const std::size_t a = html.find(kStart);
        const std::size_t b = html.find(kEnd);
        if (a != std::string::npos && b != std::string::npos && b >= a + kStart.size())
            html = html.substr(a + kStart.size(), b - a - kStart.size());
    } else if (sources & dsHtmlFirstTag) {
        const std::size_t lt = html.find('<');
        html.erase(0, lt == std::string::npos ? html.size() : lt);
    }
    return html;
}

void TSyntaxMemo::pasteFromClipboard()
{
    if (readOnly_)
        return;
    std::uint32_t sources = 0;
    if (clipboard_->hasHtml())
        sources = dsHtml;
    else if (clipboard_->hasText())
        sources = dsText;
    else
        return;
    if (onDataDrop)
        onDataDrop(*this, sources);
    std::string data;
    try {
        if (sources & dsHtml)
            data = filterHtml(clipboard_->html(), sources);
        else if (sources & dsText)
            data = clipboard_->text();
        else
            return;
    } catch (const std::bad_alloc&) {
        throw ESyntaxMemo("Cannot alloc memory for buffer!!");
    }
    const bool wasRedraw = redraw_;
    redraw_ = false;
    openUndoGroup(ugPaste);
    insertStream(data);
    closeUndoGroup(ugPaste);
    redraw_ = wasRedraw;
    changeKinds_ |= ckText | ckSelection | ckCommand;
    scrollCaret();
    notify();
    view_->repaintAll();
}

} // namespace tessaly::memo
