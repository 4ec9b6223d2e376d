// The Edit menu's search, bookmark and Format commands: Find and Replace
// open the editor's dialogs; Find Next repeats the remembered search with
// the shell's own not-found message.
#include "app/MainForm.h"

#include "app/Editor.h"
#include "memo/SearchFlags.h"
#include "memo/SyntaxMemo.h"
#include "platform/Dialogs.h"
#include "widgets/SearchDialogs.h"
#include "widgets/SyntaxMemoView.h"

#include <utility>

namespace tessaly::app {

namespace {

std::string asciiCase(std::string s, bool upper)
{
    for (char& c : s) {
        if (upper && c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
        else if (!upper && c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
    }
    return s;
}

} // namespace

memo::TSearchFlags TMainForm::regExpFlag() const
{
    return regExpItem_->isChecked() ? memo::TSearchFlags::RegExp : memo::TSearchFlags();
}

void TMainForm::find1Click()
{
    TEditor* e = activeEditor();
    if (!e)
        return;
    widgets::openSearchDialog(e->code(), widgets::TSearchDialog::Mode::find, regExpFlag());
    rememberedFlags_ = e->memo().lastSearchFlags();
    rememberedText_ = e->memo().lastSearchText();
}

void TMainForm::replace1Click()
{
    if (TEditor* e = activeEditor())
        widgets::openSearchDialog(e->code(), widgets::TSearchDialog::Mode::replace, regExpFlag());
}

void TMainForm::findNext1Click()
{
    TEditor* e = activeEditor();
    if (!e)
        return;
    memo::TSyntaxMemo& m = e->memo();
    if (rememberedText_.empty()) {
        rememberedText_ = m.lastSearchText();
        rememberedFlags_ = m.lastSearchFlags();
    }
    if (rememberedText_.empty())
        return;
    m.setLastSearch(rememberedFlags_ | memo::TSearchFlags::AtOnce, rememberedText_);
    // One message for one failed search: the editor's own report is held
    // back while the shell's message says it.
    auto held = std::exchange(m.onSearchFail, [](memo::TSyntaxMemo&, const std::string&) {});
    const int found = m.findNext();
    m.onSearchFail = std::move(held);
    if (!found)
        dialogs().showMessage("\"" + rememberedText_ + "\" not found.", platform::TMsgKind::plain, platform::btnOk);
}

void TMainForm::setBookmarkClick(int n)
{
    if (TEditor* e = activeEditor()) {
        const memo::TCaretPos pos = e->memo().getCaretPos();
        e->memo().setBookmark(n, pos.line.value(), pos.columnNumber());
        e->code().viewport()->update();
    }
}

void TMainForm::findBookmarkClick(int n)
{
    if (TEditor* e = activeEditor())
        e->memo().gotoBookmark(n);
}

void TMainForm::upperCase1Click()
{
    if (TEditor* e = activeEditor())
        e->memo().setSelText(asciiCase(e->memo().selText(), true));
}

void TMainForm::lowerCase1Click()
{
    if (TEditor* e = activeEditor())
        e->memo().setSelText(asciiCase(e->memo().selText(), false));
}

void TMainForm::selectTag1Click()
{
    TEditor* e = activeEditor();
    if (e && e->memo().anchor() == e->memo().caret())
        dialogs().showMessage("Cursor is not within a tag.", platform::TMsgKind::information, platform::btnOk);
}

} // namespace tessaly::app
