#include "InsertTestUtil.h"

#include "insert/CommandTable.h"
#include "insert/Insertion.h"

#include <gtest/gtest.h>

#include <set>

namespace tessaly::insert {
namespace {

// Runs a fixed command on "xabcx" with "abc" selected.
std::string runOnSelection(std::string_view name)
{
    const TInsertCommand* c = findInsertCommand(name);
    EXPECT_NE(c, nullptr) << name;
    if (!c)
        return {};
    memo::TSyntaxMemo m;
    test::prepare(m, "xabcx", 1, 4);
    writeSnippet(&m, fixedSnippet(*c));
    EXPECT_EQ(m.selLength(), 0);
    EXPECT_EQ(m.caret(), m.textLength() - 1) << "caret after the written text";
    return test::storeText(m);
}

TEST(CommandTable, FixedCommandsWrapOrReplaceTheSelection)
{
    EXPECT_EQ(runOnSelection("Bold1"), "x<B>abc</B>x");
    EXPECT_EQ(runOnSelection("Heading41"), "x<H4>abc</H4>x");
    EXPECT_EQ(runOnSelection("Center1"), "x<CENTER>abc</CENTER>x");
    EXPECT_EQ(runOnSelection("DocumentWrite1"), "xdocument.write(\"abc\")x");
    EXPECT_EQ(runOnSelection("ASPInclude1"), "x<!--#include file=\"abc\"-->x");
    EXPECT_EQ(runOnSelection("ASKOutput1"), "x<%= abc %>x");
    EXPECT_EQ(runOnSelection("Paragraph1"), "x<P>x");
    EXPECT_EQ(runOnSelection("NoBreakSpace1"), "x&nbsp;x");
    EXPECT_EQ(runOnSelection("ASPelse1"), "x<% else %>x");
    EXPECT_EQ(runOnSelection("ELSEstatement1"), "xif ( ) {\r}\relse {\r}x");
}

TEST(CommandTable, MultiLineSnippetsUseSingleCarriageReturns)
{
    EXPECT_EQ(fixedSnippet(*findInsertCommand("InsertStandardTags1")).text,
              "<HTML>\r<HEAD>\r   <TITLE>Document_Title_Goes_Here</TITLE>\r</HEAD>\r<BODY>\r\r\r</BODY>\r</HTML>");
    EXPECT_EQ(fixedSnippet(*findInsertCommand("swich1")).text,
              "switch ( expression ) {\r    case label :\r       statement;\r       break;\r    case label :\r"
              "       statement;\r       break;\r    default :\r       statement;\r}");
    for (const TInsertCommand& c : insertCommands()) {
        EXPECT_EQ(c.before.find('\n'), std::string_view::npos) << c.name;
        EXPECT_EQ(c.after.find('\n'), std::string_view::npos) << c.name;
    }
}

TEST(CommandTable, NamesAndShortcutsAreUnique)
{
    std::set<std::string_view> names, shortcuts;
    for (const TInsertCommand& c : insertCommands()) {
        EXPECT_TRUE(names.insert(c.name).second) << c.name;
        if (!c.shortcut.empty()) {
            EXPECT_TRUE(shortcuts.insert(c.shortcut).second) << c.shortcut;
        }
        EXPECT_FALSE(c.hint.empty()) << c.name; // the status-bar hint of every item
        EXPECT_EQ(c.action == TCommandAction::Wrap, !c.after.empty()) << c.name;
    }
    // F9 stays with the preview toggle.
    EXPECT_EQ(shortcuts.count("F9"), 0u);
    EXPECT_EQ(findInsertCommand("ShortCut1")->hint, "Insert Sevlet");
    EXPECT_EQ(findInsertCommand("nothing"), nullptr);
}

} // namespace
} // namespace tessaly::insert
