#include "InsertTestUtil.h"

#include "insert/HtmlColor.h"
#include "insert/Insertion.h"
#include "insert/LinkSnippet.h"
#include "insert/ScriptSnippets.h"

#include <gtest/gtest.h>

namespace tessaly::insert {
namespace {

TEST(ScriptSnippets, ScriptBlockFollowsTheLanguage)
{
    EXPECT_EQ(scriptBlock(TLanguage::VBScript).apply(""), "<SCRIPT LANGUAGE=\"VBScript\">\r<!--\r\r\r-->\r</SCRIPT>");
    const std::string js = "<SCRIPT LANGUAGE=\"JavaScript\">\r<!--\rx=1\r\r-->\r</SCRIPT>";
    EXPECT_EQ(scriptBlock(TLanguage::JavaScript).apply("x=1"), js);
    EXPECT_EQ(scriptBlock(TLanguage::HTML).apply("x=1"), js);
    EXPECT_EQ(scriptBlock(TLanguage::PlainText).apply("x=1"), js);
}

TEST(ScriptSnippets, CommentBlockFollowsTheLanguage)
{
    EXPECT_EQ(commentBlock(TLanguage::JavaScript)->apply("abc"), "/*abc*/");
    EXPECT_EQ(commentBlock(TLanguage::HTML)->apply("abc"), "<!--abc-->");
    EXPECT_FALSE(commentBlock(TLanguage::PlainText).has_value());

    // VBScript replaces the selection with the comment mark.
    memo::TSyntaxMemo m;
    test::prepare(m, "xabcx", 1, 4);
    writeSnippet(&m, *commentBlock(TLanguage::VBScript));
    EXPECT_EQ(test::storeText(m), "x'x");
    EXPECT_EQ(m.caret(), 2);
}

TEST(ScriptSnippets, ServletWrapsTheSelection)
{
    const TSnippet s = servletBlock("n", "c.class", "http://h/");
    const std::string open = "<SERVLET NAME=\"n\" CODE=\"c.class\" CODEBASE=\"http://h/\">\r";
    EXPECT_EQ(s.apply("abc"), open + "abc\r</SERVLET>");
    EXPECT_EQ(s.apply(""), open + "\r</SERVLET>");
}

TEST(ScriptSnippets, CustomObjectAndFunctionBlock)
{
    EXPECT_EQ(customObject("Car"), "// Car object constructor\rfunction Car() {\r}");
    EXPECT_EQ(functionBlock("f", false, "ignored"), TPieces{"function f()\r\r{\r\r\r}"});
    // With a description the brace is one line break away instead of two.
    const std::string dashes(47, '-');
    EXPECT_EQ(functionBlock("f", true, "does f"),
              (TPieces{"/* " + dashes + "\rdoes f\r" + dashes + " */\r", "function f()\r{\r\r\r}"}));

    memo::TSyntaxMemo m;
    insertPieces(&m, functionBlock("g", true, ""));
    EXPECT_EQ(test::storeText(m), "/* " + dashes + "\r\r" + dashes + " */\rfunction g()\r{\r\r\r}");
    m.undo();
    EXPECT_EQ(test::storeText(m), "");
}

TEST(ScriptSnippets, MessageDialogs)
{
    EXPECT_EQ(messageDialog(TMessageType::Prompt, "Name?", "x"), "prompt(\"Name?\", \"x\")");
    EXPECT_EQ(messageDialog(TMessageType::Alert, "Hi", "x"), "alert(\"Hi\")");
    EXPECT_EQ(messageDialog(TMessageType::Confirm, "Sure?", "x"), "confirm(\"Sure?\")");
    EXPECT_EQ(messageDialog(TMessageType::Prompt, "", ""), "prompt(\"\", \"\")");
}

TEST(ScriptSnippets, AspServerVariables)
{
    EXPECT_EQ(aspServerVariable("QUERY_STRING"), "<% Request.ServerVariables(\"QUERY_STRING\") %>");
    const auto& names = aspServerVariables();
    ASSERT_EQ(names.size(), 20u);
    EXPECT_EQ(names.front(), "ALL_HTTP");
    EXPECT_EQ(names[8], "QUERY_STRING");
    EXPECT_EQ(names.back(), "SERVER_SOFTWARE");
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
}

TEST(LinkSnippet, TargetAndMouseOverFragments)
{
    EXPECT_EQ(hyperlink("a.html", "", "", "A"), "<A HREF=\"a.html\">A</A>");
    EXPECT_EQ(hyperlink("a.html", targetFragment("_top"), "", "A"), "<A HREF=\"a.html\" TARGET=\"_top\" >A</A>");
    EXPECT_EQ(targetFragment(""), "");
    EXPECT_EQ(mouseOverFragment(""), "");
    EXPECT_EQ(hyperlink("a.html", targetFragment("_top"), mouseOverFragment("Go"), "A"),
              "<A HREF=\"a.html\" TARGET=\"_top\"  onMouseOver=\"self.status='Go'; return true\" "
              "onMouseOut=\"' '\" >A</A>");
}

// Every double quote that opens an attribute value in the link closes
// again before the tag ends, so the description stays text.
TEST(LinkSnippet, MouseOverAttributesAreClosed)
{
    const std::string a = hyperlink("u", "", mouseOverFragment("Hello there"), "desc");
    const auto close = a.find('>');
    ASSERT_NE(close, std::string::npos);
    EXPECT_EQ(std::count(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(close), '"') % 2, 0);
    EXPECT_EQ(std::count(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(close), '\'') % 2, 0);
    EXPECT_EQ(a.substr(close), ">desc</A>");
}

TEST(HtmlColor, RedComesFirstInSixUpperCaseDigits)
{
    using memo::TColor;
    EXPECT_EQ(htmlColor(TColor::fromRgb(255, 0, 0)), "#FF0000");
    EXPECT_EQ(htmlColor(TColor::fromRgb(1, 2, 3)), "#010203");
    EXPECT_EQ(htmlColor(TColor::fromRgb(0, 0, 0)), "#000000");
    EXPECT_EQ(htmlColor(TColor::fromRgb(0xab, 0xcd, 0xef)), "#ABCDEF");
    EXPECT_EQ(htmlColor(TColor::fromStored(0x00FF0000u)), "#0000FF") << "the stored form keeps blue highest";
    EXPECT_EQ(htmlColor(TColor::none()), "");
    EXPECT_EQ(htmlColor(TColor::defaultColor()), "");
}

} // namespace
} // namespace tessaly::insert
