// The four parsers of a document window and what the active one brings to
// its editor: highlighting, styles, options and tab stops.
#include "app/Editor.h"

#include "memo/KeyMap.h"
#include "memo/SyntaxMemo.h"
#include "parser/BuiltinDefinitions.h"
#include "parser/SyntaxMemoParser.h"
#include "widgets/SyntaxMemoView.h"

#include <QColor>

#include <algorithm>

namespace tessaly::app {

namespace {

QColor colourOf(std::uint32_t windowsColour)
{
    const std::uint32_t c = memo::resolveColour(windowsColour);
    return QColor(memo::redOf(c), memo::greenOf(c), memo::blueOf(c));
}

} // namespace

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
        memo().setParser(i + 1, p.get());
        parsers_[static_cast<std::size_t>(i)] = std::move(p);
    }
}

parser::TSyntaxMemoParser& TEditor::parserAt(int n)
{
    return *parsers_[static_cast<std::size_t>(std::clamp(n, 1, 4) - 1)];
}

void TEditor::editProperties()
{
    if (memo().editProperties())
        applyParserSettings();
    code_->viewport()->update();
}

void TEditor::applyParserSettings()
{
    const parser::TSyntaxMemoParser& p = parserAt(activeParser_);
    const parser::TSM_Settings& s = p.tables().settings;
    memo::TSyntaxMemo& m = memo();
    m.setOptions(memo::TSyntaxMemoOptions::fromSettingsMask(static_cast<std::uint32_t>(s.options)));
    if (s.tabDefault > 0)
        m.setTabDefault(s.tabDefault);
    m.setIndentStep(s.indentStep);
    m.setWrapOverride(s.wrapOverride);
    // The language's key assignments drive the editor's keys.
    memo::TKeyMap keys;
    for (const parser::TKeyBinding& b : s.keys.store().bindings())
        keys.add(b.first, b.second, b.command);
    code_->keyMap() = keys;
    for (int v = 0; v < 256; ++v) {
        const memo::TTokenStyle t = p.tokenStyle(static_cast<std::uint8_t>(v));
        widgets::TTokenStyle style;
        style.foreground = colourOf(t.foreground);
        if (t.ownColours)
            style.background = colourOf(t.background);
        style.bold = t.bold;
        style.italic = t.italic;
        style.underline = t.underline;
        code_->setTokenStyle(static_cast<std::uint8_t>(v), style);
    }
}

} // namespace tessaly::app
