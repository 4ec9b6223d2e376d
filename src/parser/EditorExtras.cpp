#include "parser/EditorExtras.h"

#include "parser/CompilerMessages.h"
#include "parser/MacroStreams.h"
#include "parser/StyleString.h"

namespace tessaly::parser {

namespace {

constexpr const char* kPrefix = "Kelvar6:";

std::int32_t bitsOf(const TSM_Settings::MacroSwitches& m)
{
    return (m.swallow ? 1 : 0) | (m.indent ? 2 : 0) | (m.caretMarker ? 4 : 0) | (m.showList ? 8 : 0);
}

TSM_Settings::MacroSwitches switchesOf(TableReader& r, const char* what)
{
    const std::int32_t bits = r.integer(what);
    if (bits < 0 || bits > 15)
        r.fail("switch bits out of range");
    return {(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0, (bits & 8) != 0};
}

} // namespace

std::string makeEditorExtras(const TSM_Settings& s)
{
    TableWriter w;
    w.shortString(kPrefix);
    w.integer(kEditorExtrasVersion);
    writeAutoReplace(w, s.autoReplace);
    w.integer(bitsOf(s.autoReplaceSwitches()));
    writeCodeTemplates(w, s.templates);
    w.integer(bitsOf(s.templateSwitches()));
    w.longString(s.printTitle);
    w.integer(s.rightMargin);
    return w.take();
}

void applyEditorExtras(const std::string& bytes, TSM_Settings& target)
{
    TSM_Settings s = target;
    try {
        TableReader r(bytes);
        if (r.shortString("editor extras prefix") != kPrefix)
            r.fail("no editor extras prefix");
        const std::int32_t version = r.integer("editor extras version");
        if (version < 1)
            r.fail("unknown editor extras version");
        s.autoReplace = readAutoReplace(r);
        s.setAutoReplaceSwitches(switchesOf(r, "auto-replace switches"));
        s.templates = readCodeTemplates(r);
        s.setTemplateSwitches(switchesOf(r, "template switches"));
        s.printTitle = r.longString("print title");
        s.rightMargin = r.integer("right margin");
        if (s.rightMargin < 0)
            r.fail("negative right margin");
        // Fields of a later version follow; this one has nothing more.
        if (version == kEditorExtrasVersion && r.remaining() != 0)
            r.fail("bytes after the editor extras");
    } catch (const ETableStream&) {
        throw EInvalidRegistryData(compilerMessageText(msgInvalidRegistryData));
    }
    target = std::move(s);
}

} // namespace tessaly::parser
