#include "InsertTestUtil.h"

#include "insert/FormSnippets.h"
#include "insert/Insertion.h"

#include <gtest/gtest.h>

namespace tessaly::insert {
namespace {

TEST(FormSnippets, FormWrapsTheSelectionOrStandsEmpty)
{
    const TSnippet get = formBlock("f1", TFormMethod::Get);
    EXPECT_EQ(get.apply("abc"), "<FORM NAME=\"f1\" METHOD=\"GET\">\rabc\r</FORM>");
    EXPECT_EQ(get.apply(""), "<FORM NAME=\"f1\" METHOD=\"GET\">\r\r</FORM>");
    EXPECT_EQ(formBlock("", TFormMethod::Post).apply(""), "<FORM NAME=\"\" METHOD=\"POST\">\r\r</FORM>");

    memo::TSyntaxMemo m;
    test::prepare(m, "xabcx", 1, 4);
    writeSnippet(&m, get);
    EXPECT_EQ(test::storeText(m), "x<FORM NAME=\"f1\" METHOD=\"GET\">\rabc\r</FORM>x");
    EXPECT_EQ(m.caret(), m.textLength() - 1);
}

TEST(FormSnippets, TextFieldWritesEveryAttributeEvenEmpty)
{
    EXPECT_EQ(textField("", "", "0", "0", false), "<INPUT TYPE=\"text\" NAME=\"\" VALUE=\"\" SIZE=\"0\" MAXLENGTH=\"0\">");
    EXPECT_EQ(textField("pw", "v", "10", "", true),
              "<INPUT TYPE=\"password\" NAME=\"pw\" VALUE=\"v\" SIZE=\"10\" MAXLENGTH=\"\">");
    // Typed text is copied as it stands, quotes and ampersands included.
    EXPECT_EQ(textField("a\"b", "&<", "", "", false),
              "<INPUT TYPE=\"text\" NAME=\"a\"b\" VALUE=\"&<\" SIZE=\"\" MAXLENGTH=\"\">");
}

TEST(FormSnippets, TextAreaKeepsTheDefaultTextsOwnLineEnds)
{
    EXPECT_EQ(textArea("t", "3", "40", "line1\r\nline2", false),
              "<TEXTAREA NAME=\"t\" ROWS=\"3\" COLS=\"40\" WRAP=\"off\">\rline1\r\nline2\r</TEXTAREA>");
    EXPECT_EQ(textArea("", "0", "0", "", true), "<TEXTAREA NAME=\"\" ROWS=\"0\" COLS=\"0\" WRAP=\"physical\">\r\r</TEXTAREA>");

    // In the document the CR LF of the default text becomes one line break like the others.
    memo::TSyntaxMemo m;
    insertText(&m, textArea("t", "3", "40", "a\r\nb", true));
    EXPECT_EQ(test::storeText(m), "<TEXTAREA NAME=\"t\" ROWS=\"3\" COLS=\"40\" WRAP=\"physical\">\ra\rb\r</TEXTAREA>");
}

TEST(FormSnippets, RadioAndCheckBoxDifferOnlyInType)
{
    EXPECT_EQ(choiceInput(TChoiceKind::Radio, "r", "1", checkedFragment(true), "One"),
              "<INPUT TYPE=\"radio\" NAME=\"r\" VALUE=\"1\" CHECKED>One");
    EXPECT_EQ(choiceInput(TChoiceKind::Radio, "r", "1", checkedFragment(false), "One"),
              "<INPUT TYPE=\"radio\" NAME=\"r\" VALUE=\"1\">One");
    EXPECT_EQ(choiceInput(TChoiceKind::CheckBox, "c", "", checkedFragment(true), ""),
              "<INPUT TYPE=\"checkbox\" NAME=\"c\" VALUE=\"\" CHECKED>");
}

std::string joined(const TPieces& pieces)
{
    std::string s;
    for (const auto& p : pieces)
        s += p;
    return s;
}

TEST(FormSnippets, SelectStopsAtTheFirstEmptyLine)
{
    EXPECT_EQ(joined(selectList("s", "", {"a", "b", "", "c"})),
              "<SELECT NAME=\"s\">\r<OPTION>a\r<OPTION>b\r</SELECT>\r");
    // No items at all still gives one empty option; so does an empty first line.
    EXPECT_EQ(joined(selectList("s", "", {})), "<SELECT NAME=\"s\">\r<OPTION>\r</SELECT>\r");
    EXPECT_EQ(joined(selectList("s", "", {"", "x"})), "<SELECT NAME=\"s\">\r<OPTION>\r<OPTION>x\r</SELECT>\r");
    EXPECT_EQ(selectList("s", multipleFragment(true), {"a"}).front(), "<SELECT NAME=\"s\" MULTIPLE>\r");
    EXPECT_EQ(multipleFragment(false), "");
    // Each piece is one Insert: opening, one per option, closing.
    EXPECT_EQ(selectList("s", "", {"a", "b"}).size(), 4u);
}

TEST(FormSnippets, SplitLinesAcceptsEveryLineEnd)
{
    EXPECT_EQ(splitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines(""), (std::vector<std::string>{""}));
    EXPECT_EQ(splitLines("a\n\nb\n"), (std::vector<std::string>{"a", "", "b", ""}));
}

TEST(FormSnippets, ResetButtonsIgnoreTheOnClickFragment)
{
    const std::string onClick = onClickFragment("go()");
    EXPECT_EQ(onClick, " onClick=\"go()\"");
    EXPECT_EQ(onClickFragment(""), "");
    EXPECT_EQ(buttonInput(TButtonType::Submit, "b", "Send", onClick),
              "<INPUT TYPE=\"submit\" NAME=\"b\" VALUE=\"Send\" onClick=\"go()\">");
    EXPECT_EQ(buttonInput(TButtonType::Reset, "b", "Clear", onClick), "<INPUT TYPE=\"reset\" NAME=\"b\" VALUE=\"Clear\">");
    EXPECT_EQ(buttonInput(TButtonType::Submit, "", "", ""), "<INPUT TYPE=\"submit\" NAME=\"\" VALUE=\"\">");
}

} // namespace
} // namespace tessaly::insert
