// The Edit menu's bookmark and Format commands, and the main window's side
// of the search commands (TSearchCommands).
#include "app/MainForm.h"

#include "app/Editor.h"
#include "memo/SyntaxMemo.h"
#include "platform/Dialogs.h"
#include "widgets/SyntaxMemoView.h"

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

widgets::TSyntaxMemoView* TMainForm::searchView()
{
    TEditor* e = activeEditor();
    return e ? &e->code() : nullptr;
}

bool TMainForm::regExpChecked() const { return regExpItem_->isChecked(); }

void TMainForm::find1Click() { search_->find(); }

void TMainForm::replace1Click() { search_->replace(); }

void TMainForm::findNext1Click() { search_->findNext(); }

void TMainForm::setBookmarkClick(int n)
{
    if (TEditor* e = activeEditor()) {
        // The caret's own line and character column: the caret position
        // the status bar shows counts tabs expanded, which is not a column
        // of the text.
        e->memo().setBookmark(n, -1, 0);
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
