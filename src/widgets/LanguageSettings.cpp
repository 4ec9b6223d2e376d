#include "widgets/LanguageSettings.h"

#include "memo/MemoErrors.h"
#include "memo/TokenStyle.h"
#include "parser/runtime/SyntaxMemoParser.h"
#include "widgets/QtColor.h"
#include "widgets/SyntaxMemoView.h"

#include <QApplication>
#include <QFont>
#include <QPalette>

namespace tessaly::widgets {

namespace {

void applyStyles(TSyntaxMemoView& view, const parser::TSyntaxMemoParser& p)
{
    for (int v = 0; v < 256; ++v)
        view.setTokenStyle(static_cast<std::uint8_t>(v), p.tokenStyle(static_cast<std::uint8_t>(v)));
    // The page takes the colours of the default style: its text colour
    // always, its background when the style brings its own.
    const memo::TTokenStyle page = p.defaultStyle();
    QPalette pal = view.palette();
    pal.setColor(QPalette::Base, page.ownColours ? toQColor(page.background)
                                                 : QApplication::palette(&view).color(QPalette::Base));
    pal.setColor(QPalette::Text, toQColor(page.foreground));
    view.setPalette(pal);
}

void applyKeys(TSyntaxMemoView& view, const parser::TSM_Settings& s, std::vector<std::string>& errors)
{
    memo::TKeyMap keys;
    try {
        for (const parser::TKeyBinding& b : s.keys.store().bindings())
            keys.add(b.first, b.second, b.command, [&s](int c) { return s.keys.nameOf(c); });
        view.keyMap() = keys;
    } catch (const memo::EAmbigiousKeyPair& e) {
        errors.emplace_back(e.what());
    }
}

void applyMacros(TSyntaxMemoView& view, const parser::TSM_Settings& s)
{
    // The view's recognisers take the language's lists; the handlers the
    // view's owner set stay.
    memo::TCodeTemplates& t = view.codeTemplates();
    auto onTemplate = std::move(t.onTemplateEvent);
    t = s.templates;
    t.onTemplateEvent = std::move(onTemplate);

    memo::TAutoReplace& a = view.autoReplace();
    auto onReplace = std::move(a.onAutoReplace);
    a = s.autoReplace;
    a.onAutoReplace = std::move(onReplace);
}

} // namespace

std::vector<std::string> applyLanguageSettings(TSyntaxMemoView& view, const parser::TSyntaxMemoParser& parser)
{
    const parser::TSM_Settings& s = parser.tables().settings;
    std::vector<std::string> errors;
    memo::TSyntaxMemo& m = view.memo();
    m.setOptions(memo::TSyntaxMemoOptions::fromSettingsMask(static_cast<std::uint32_t>(s.options)));
    if (s.tabDefault > 0)
        m.setTabDefault(s.tabDefault);
    m.setTabColumns(s.tabColumnsText());
    m.setIndentStep(s.indentStep);
    m.setWrapOverride(s.wrapOverride);
    m.setWrapAtColumn(s.wordWrapColumn);
    // A document without a title of its own (a new one, or one whose file
    // name is not its title) prints under its language's title.
    if (m.printTitle().empty())
        m.setPrintTitle(s.printTitle);

    if (!s.fontName.empty() && s.fontSize > 0) {
        QFont font(QString::fromStdString(s.fontName));
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
        font.setPointSize(s.fontSize);
        view.setFont(font);
    }
    view.setGutter(s.gutterWidth);
    view.setGutterColor(toQColor(s.gutterColour));
    view.setMargin(s.marginWidth);
    view.setRightMargin(s.rightMargin);
    view.setSelTextColor(toQColor(s.selTextColour));
    view.setSelTextBack(toQColor(s.selTextBack));
    applyStyles(view, parser);
    applyKeys(view, s, errors);
    applyMacros(view, s);
    view.viewport()->update();
    return errors;
}

} // namespace tessaly::widgets
