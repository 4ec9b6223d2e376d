#include "app/SearchCommands.h"

#include "memo/SyntaxMemo.h"
#include "platform/Dialogs.h"
#include "widgets/SearchDialogs.h"
#include "widgets/SyntaxMemoView.h"

#include <utility>

namespace tessaly::app {

TSearchCommands::TSearchCommands(Host& host, platform::TDialogs& dialogs)
    : host_(host)
    , dialogs_(dialogs)
{
}

void TSearchCommands::remember(std::string text, memo::TSearchFlags flags)
{
    // Flags with no text would never be used: Find Next then asks the
    // document again.
    rememberedFlags_ = text.empty() ? memo::TSearchFlags() : flags.without(memo::TSearchFlags::AtOnce);
    rememberedText_ = std::move(text);
}

void TSearchCommands::find()
{
    widgets::TSyntaxMemoView* view = host_.searchView();
    if (!view)
        return;
    const memo::TSearchFlags regExp = host_.regExpChecked() ? memo::TSearchFlags::RegExp : memo::TSearchFlags();
    widgets::openSearchDialog(*view, widgets::TSearchDialog::Mode::find, regExp);
    remember(view->memo().lastSearchText(), view->memo().lastSearchFlags());
}

void TSearchCommands::replace()
{
    widgets::TSyntaxMemoView* view = host_.searchView();
    if (!view)
        return;
    const memo::TSearchFlags regExp = host_.regExpChecked() ? memo::TSearchFlags::RegExp : memo::TSearchFlags();
    widgets::openSearchDialog(*view, widgets::TSearchDialog::Mode::replace, regExp);
}

void TSearchCommands::findNext()
{
    widgets::TSyntaxMemoView* view = host_.searchView();
    if (!view)
        return;
    memo::TSyntaxMemo& m = view->memo();
    if (rememberedText_.empty())
        remember(m.lastSearchText(), m.lastSearchFlags());
    if (rememberedText_.empty())
        return;
    m.setLastSearch(rememberedFlags_ | memo::TSearchFlags::AtOnce, rememberedText_);
    // One message for one failed search: the editor's own report is held
    // back while ours says it.
    auto held = std::exchange(m.onSearchFail, [](memo::TSyntaxMemo&, const std::string&) {});
    const int found = m.findNext();
    m.onSearchFail = std::move(held);
    if (!found)
        dialogs_.showMessage("\"" + rememberedText_ + "\" not found.", platform::TMsgKind::plain, platform::btnOk);
}

std::string TSearchCommands::check() const
{
    if (rememberedFlags_.has(memo::TSearchFlags::AtOnce))
        return "the remembered flags hold \"at once\"";
    if (rememberedText_.empty() && rememberedFlags_)
        return "flags are remembered without a text";
    return {};
}

} // namespace tessaly::app
