// The four parsers of a document window and what the active one brings to
// its editor: highlighting, styles, options, keys, auto-replace and
// templates. The settings of a language are the user's to change through
// Editor Options; a change reaches every open document of that language.
#include "app/Editor.h"

#include "app/LanguageStore.h"
#include "app/MainForm.h"
#include "memo/SyntaxMemo.h"
#include "parser/BuiltinDefinitions.h"
#include "parser/runtime/SyntaxMemoParser.h"
#include "platform/Registry.h"
#include "widgets/LanguageSettings.h"
#include "widgets/OptionsDialog.h"
#include "widgets/SyntaxMemoView.h"

#include <algorithm>

namespace tessaly::app {

void TEditor::createParsers()
{
    using parser::BuiltinLanguage;
    static const BuiltinLanguage kStored[] = {BuiltinLanguage::HTML, BuiltinLanguage::JavaScript,
                                              BuiltinLanguage::VBScript};
    for (int i = 0; i < 4; ++i) {
        auto p = std::make_unique<parser::TSyntaxMemoParser>();
        if (i < 3)
            p->setParser(parser::builtinParserForm(kStored[i]));
        else
            p->compile(std::string(parser::plainTextScript()));
        owner_.languageStore().prepare(*p, i + 1);
        p->optionsDialog = [this](parser::TSyntaxMemoParser& parser, memo::TSyntaxMemo&) {
            return runOptionsDialog(parser);
        };
        memo().setParser(i + 1, p.get());
        parsers_[static_cast<std::size_t>(i)] = std::move(p);
    }
}

namespace {

// The settings a language comes with, before the user changed anything.
parser::TSM_Settings builtinSettings(int language)
{
    using parser::BuiltinLanguage;
    static const BuiltinLanguage kStored[] = {BuiltinLanguage::HTML, BuiltinLanguage::JavaScript,
                                              BuiltinLanguage::VBScript};
    parser::TSyntaxMemoParser p;
    if (language >= 1 && language <= 3)
        p.setParser(parser::builtinParserForm(kStored[language - 1]));
    else
        p.compile(std::string(parser::plainTextScript()));
    return p.tables().settings;
}

} // namespace

bool TEditor::runOptionsDialog(parser::TSyntaxMemoParser& parser)
{
    int language = 1;
    while (language < 4 && parsers_[static_cast<std::size_t>(language - 1)].get() != &parser)
        ++language;
    const parser::TSM_Settings builtin = builtinSettings(language);
    widgets::TOptionsDialog dialog(parser, owner_.dialogs(), this, &builtin);
    dialog.setPrintTitle(memo().printTitle());
    if (owner_.showModal(dialog) != QDialog::Accepted)
        return false;
    parser.tables().settings = dialog.settings();
    memo().setPrintTitle(dialog.printTitle());
    return true;
}

parser::TSyntaxMemoParser& TEditor::parserAt(int n)
{
    return *parsers_[static_cast<std::size_t>(std::clamp(n, 1, 4) - 1)];
}

void TEditor::editProperties()
{
    const int language = activeParser_;
    bool changed = false;
    try {
        changed = memo().editProperties();
    } catch (const platform::ERegistry& e) {
        // The settings are in force; only keeping them failed.
        changed = true;
        owner_.dialogs().showMessage(e.what(), platform::TMsgKind::error, platform::btnOk);
    }
    if (changed) {
        const parser::TSM_Settings& settings = parserAt(language).tables().settings;
        for (TEditor* e : owner_.editors())
            if (e != this)
                e->parserAt(language).setSettings(settings);
        for (TEditor* e : owner_.editors())
            if (e->activeParser() == language)
                e->applyParserSettings();
    }
    code_->viewport()->update();
}

void TEditor::applyParserSettings()
{
    const std::vector<std::string> errors = widgets::applyLanguageSettings(*code_, parserAt(activeParser_));
    for (const std::string& e : errors)
        owner_.dialogs().showMessage(e, platform::TMsgKind::error, platform::btnOk);
}

} // namespace tessaly::app
