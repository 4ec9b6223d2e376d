#include "app/LanguageStore.h"

#include "app/MainForm.h"
#include "parser/StyleString.h"
#include "parser/runtime/SyntaxMemoParser.h"
#include "platform/Dialogs.h"

#include <algorithm>

namespace tessaly::app {

namespace {

struct Language {
    const char* key;
    const char* component;
    const char* title;
};

const Language kLanguages[] = {
    {"Orvane\\HTML", "HTML", "HTML"},
    {"Orvane\\JavaScript", "JavaScript", "JavaScript"},
    {"Orvane\\VBScript", "VBScript", "VB Script"},
    {"Orvane\\Text", "Plain_Text", "Plain Text"},
};

const Language& languageOf(int n)
{
    return kLanguages[std::clamp(n, 1, 4) - 1];
}

} // namespace

TLanguageStore::TLanguageStore(platform::TDialogs& dialogs, std::filesystem::path file)
    : dialogs_(dialogs), registry_(std::move(file))
{
}

std::string TLanguageStore::keyOf(int language)
{
    return languageOf(language).key;
}

std::string TLanguageStore::componentOf(int language)
{
    return languageOf(language).component;
}

void TLanguageStore::prepare(parser::TSyntaxMemoParser& parser, int language)
{
    parser.registryPlace = {keyOf(language), true, componentOf(language)};
    parser.registry = &registry_;
    // Read into a copy: a record that is half sound must not leave half of
    // it applied.
    parser::TSM_Settings settings = parser.tables().settings;
    try {
        if (parser::loadFromRegistry(settings, parser.registryPlace, registry_))
            parser.setSettings(settings);
    } catch (const std::exception& e) {
        if (reported_.insert(std::clamp(language, 1, 4)).second)
            dialogs_.showMessage(std::string("The saved editor settings for ") + languageOf(language).title
                                     + " could not be read (" + e.what()
                                     + "). The built-in settings are used; the saved ones are kept until you "
                                       "confirm new settings in Editor Options.",
                                 platform::TMsgKind::warning, platform::btnOk);
    }
}

TLanguageStore& TMainForm::languageStore()
{
    if (!languageStore_)
        languageStore_ = std::make_unique<TLanguageStore>(*dialogs_);
    return *languageStore_;
}

} // namespace tessaly::app
