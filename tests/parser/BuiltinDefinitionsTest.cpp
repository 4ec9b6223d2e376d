// The built-in definitions on small texts: how the web page definition moves
// between page text, tags and its two script languages, and what the
// JavaScript and plain text definitions give.
#include "BuiltinTestSupport.h"

#include <algorithm>
#include <cctype>

namespace tessaly::parser::test {
namespace {

// Page text comes in runs of this value.
constexpr int kPage = 4;

// Lines of the texts below end in CR, as the editor stores them.
std::string lines(std::string text)
{
    for (char& c : text)
        if (c == '\n')
            c = '\r';
    return text;
}

std::string upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

TScan web(const std::string& text)
{
    static auto p = builtinParser(BuiltinLanguage::HTML);
    return scanText(*p, lines(text));
}

TScan javascript(const std::string& text)
{
    static auto p = builtinParser(BuiltinLanguage::JavaScript);
    return scanText(*p, lines(text));
}

TEST(BuiltinWeb, ScriptWithoutAttributesIsJavaScript)
{
    const TScan s = web("<p>var</p><script>\nvar x = alert(1.5) + 'a' + \"b\";\n/* note */ y = 0x1F;\n</script>var");
    EXPECT_EQ(s.at("<script"), 9);
    EXPECT_EQ(s.at(">", 2), 22) << "the script tag's end";
    EXPECT_EQ(s.at("var"), kPage) << "page text before the script";
    EXPECT_EQ(s.at("var", 1), 30);
    EXPECT_EQ(s.at("x"), 41);
    EXPECT_EQ(s.at("="), 38);
    EXPECT_EQ(s.at("alert"), 39);
    EXPECT_EQ(s.at("1.5"), 37);
    EXPECT_EQ(s.at("'a'"), 35);
    EXPECT_EQ(s.at("\"b\""), 34);
    EXPECT_EQ(s.at("/* note */"), 31);
    EXPECT_EQ(s.at("0x1F"), 40);
    EXPECT_EQ(s.at("</script"), 10);
    EXPECT_EQ(s.at("var", 2), kPage) << "page text again after the closing tag";
}

TEST(BuiltinWeb, VBScriptLanguageAttributeLeavesJavaScriptWordsUncoloured)
{
    const TScan s = web("<script language=\"vbscript\">\nDim x ' note\nx = MsgBox(\"a\") & 12\n"
                        "var alert while\nrem done\n</script>");
    EXPECT_EQ(s.at("language"), 60);
    EXPECT_EQ(s.at("\"vbscript\""), 62);
    EXPECT_EQ(s.at("Dim"), 52);
    EXPECT_EQ(s.at("x"), 56);
    EXPECT_EQ(s.at("' note"), 53);
    EXPECT_EQ(s.at("MsgBox"), 50);
    EXPECT_EQ(s.at("\"a\""), 55);
    EXPECT_EQ(s.at("&"), 54);
    EXPECT_EQ(s.at("12"), 57);
    EXPECT_EQ(s.at("var"), 56) << "a JavaScript word is a plain VBScript identifier";
    EXPECT_EQ(s.at("alert"), 56);
    EXPECT_EQ(s.at("while"), 52) << "a word of both languages has its VBScript value";
    EXPECT_EQ(s.at("rem done"), 53);
    EXPECT_EQ(s.at("</script"), 10);

    const TScan js = web("<script language=javascript>var</script><SCRIPT LANGUAGE=\"JavaScript1.1\">var</SCRIPT>");
    EXPECT_EQ(js.at("javascript"), 61);
    EXPECT_EQ(js.at("var"), 30);
    EXPECT_EQ(js.at("\"JavaScript1.1\""), 61);
    EXPECT_EQ(js.at("var", 1), 30);
}

TEST(BuiltinWeb, EntitiesAreSpecialInPageTextOnly)
{
    const TScan s = web("a&nbsp;b &COPY; <td title=\"x&nbsp;y\">&lt;");
    EXPECT_EQ(s.at("&nbsp;"), 16);
    EXPECT_EQ(s.at("&COPY;"), 16) << "entities are found in any case";
    EXPECT_EQ(s.at("\"x&nbsp;y\""), 2) << "inside a tag the entity is part of the value";
    EXPECT_EQ(s.at("&lt;"), 16);
    EXPECT_EQ(s.at("&nbsp"), 16);
    EXPECT_EQ(web("&nbspx").values.front(), 0) << "an entity needs its semicolon";
}

// The character entities a page may use, as an HTML author knows them.
const std::vector<std::string> kEntities = {
    "&szlig;", "&aacute;", "&agrave;", "&acirc;",  "&atilde;", "&aring;", "&auml;",   "&aelig;",
    "&ccedil;", "&copy;",  "&eacute;", "&egrave;", "&ecirc;",  "&eth;",   "&euml;",   "&gt;",
    "&iacute;", "&igrave;", "&icirc;", "&iuml;",   "&lt;",     "&nbsp;",  "&ntilde;", "&oacute;",
    "&ograve;", "&ocirc;", "&otilde;", "&ouml;",   "&oslash;", "&reg;",   "&thorn;",  "&trade;",
    "&uacute;", "&ugrave;", "&ucirc;", "&uuml;",   "&yacute;", "&yuml;"};

TEST(BuiltinWeb, TheSpecialCharactersAreTheKnownEntities)
{
    auto html = builtinParser(BuiltinLanguage::HTML);
    std::vector<std::string> special;
    for (const auto& k : html->tables().keywords.keywords())
        if (k.entry.token == 16)
            special.push_back(k.keyword);
    std::vector<std::string> known = kEntities;
    std::sort(known.begin(), known.end());
    std::sort(special.begin(), special.end());
    EXPECT_EQ(special, known) << "every entity has one entry, none a second one for inside a tag";
}

// Every entity, in either case, is a special character in page text (at the
// start, between tags, after a closing tag, after a script and after a page
// comment) and plain attribute text inside a tag (as an unquoted value, as
// a bare word among attributes, inside the script tag and in a closing tag).
TEST(BuiltinWeb, EntitiesInsideATagAreNotSpecialCharacters)
{
    for (const std::string& lower : kEntities) {
        for (const std::string& e : {lower, upper(lower)}) {
            SCOPED_TRACE(e);
            const std::string page = e + "<p title=" + e + ">a" + e + "b\n<td class=x " + e + " y=1>" + e
                + "</td " + e + ">" + e + "<script language=" + e + ">var</script>" + e + "<!-- c -->" + e;
            const TScan s = web(page);
            // Occurrences in order: page, tag, page, tag, page, closing tag,
            // page, script tag, page after the script, page after the comment.
            const std::vector<bool> inTag = {false, true, false, true, false, true, false, true, false, false};
            std::size_t pos = 0;
            for (std::size_t i = 0; i < inTag.size(); ++i) {
                pos = s.text.find(e, i == 0 ? 0 : pos + 1);
                ASSERT_NE(pos, std::string::npos);
                if (inTag[i])
                    EXPECT_NE(s.values[pos], 16) << "occurrence " << i << " is inside a tag";
                else
                    EXPECT_EQ(s.at(e, static_cast<int>(i)), 16) << "occurrence " << i << " is page text";
            }
            EXPECT_EQ(s.values[s.text.find(" y=1") + 1], 20) << "the tag goes on after the entity";
            EXPECT_EQ(s.at("var"), 30) << "the script tag still opens a script";
        }
    }
}

TEST(BuiltinWeb, TagNamesOnlyAfterTheirOpener)
{
    const TScan s = web("<body> body <scripts a=1>var</scripts> <BODY bgcolor=red width=\"5\"><!DOCTYPE html>");
    EXPECT_EQ(s.at("<"), 6);
    EXPECT_EQ(s.at("body"), 21);
    EXPECT_EQ(s.at(" body "), kPage) << "a tag name in page text is plain text";
    EXPECT_EQ(s.at("scripts"), 17) << "a name that merely begins with script is no script tag";
    EXPECT_EQ(s.at("a"), 20);
    EXPECT_EQ(s.at("1"), 1);
    EXPECT_EQ(s.at("var"), kPage) << "no JavaScript after <scripts>";
    EXPECT_EQ(s.at("</"), 7);
    EXPECT_EQ(s.at("scripts", 1), 17);
    EXPECT_EQ(s.at("BODY"), 21);
    EXPECT_EQ(s.at("bgcolor"), 20);
    EXPECT_EQ(s.at("width"), 5);
    EXPECT_EQ(s.at("\"5\""), 2);
    EXPECT_EQ(s.at("<!"), 6);
    EXPECT_EQ(s.at("DOCTYPE"), 21);
    EXPECT_EQ(s.at(">"), 8);
}

TEST(BuiltinWeb, TheScriptTagHasValuesOfItsOwn)
{
    // Its attributes look like those of other tags, with values that tell
    // the editor they belong to the script tag.
    const TScan s = web("<script src=\"a.js\" defer width=5 x=http://h/a.js>var</script><p src=\"a.js\" defer width=5>");
    EXPECT_EQ(s.at("src"), 23);
    EXPECT_EQ(s.at("\"a.js\""), 26);
    EXPECT_EQ(s.at("defer"), 23);
    EXPECT_EQ(s.at("width"), 5);
    EXPECT_EQ(s.at("5"), 25);
    EXPECT_EQ(s.at("http://h/a.js"), 18);
    EXPECT_EQ(s.at(">"), 22);
    EXPECT_EQ(s.at("var"), 30);
    EXPECT_EQ(s.at("src", 1), 20);
    EXPECT_EQ(s.at("\"a.js\"", 1), 2);
    EXPECT_EQ(s.at("defer", 1), 20);
    EXPECT_EQ(s.at("5", 1), 1);
}

TEST(BuiltinWeb, CommentsOfThePageAndOfItsScripts)
{
    const TScan s = web("<!-- a\n<b> -->x<script>\n<!-- hide\nf(); // done -->\n</script>y");
    EXPECT_EQ(s.at("<!-- a\r<b> -->"), 11) << "a page comment runs over lines to its end";
    EXPECT_EQ(s.at("x"), kPage);
    EXPECT_EQ(s.at("<!-- hide"), 63);
    EXPECT_EQ(s.at("f"), 41);
    EXPECT_EQ(s.at("// done "), 33) << "a line comment stops before -->";
    EXPECT_EQ(s.at("-->", 1), 13);
    EXPECT_EQ(s.at("</script"), 10);
    EXPECT_EQ(s.at("y"), kPage);

    const TScan vb = web("<script language=\"vbscript\"><!-- old\nx</script>");
    EXPECT_EQ(vb.at("<!-- old"), 64);
    EXPECT_EQ(vb.at("x"), 56);
}

TEST(BuiltinWeb, FunctionIsAWordInAnyCaseInThePagesScripts)
{
    const TScan s = web("<script>function Function FUNCTION functions</script>");
    EXPECT_EQ(s.at("function"), 30);
    EXPECT_EQ(s.at("Function"), 30);
    EXPECT_EQ(s.at("FUNCTION"), 30);
    EXPECT_EQ(s.at("functions"), 41) << "a word followed by a letter is an identifier";

    const TScan js = javascript("function Function FUNCTION");
    EXPECT_EQ(js.at("function"), 40);
    EXPECT_EQ(js.at("Function"), 7);
    EXPECT_EQ(js.at("FUNCTION"), 7);
}

TEST(BuiltinWeb, AddressesAndMail)
{
    const TScan s = web("see http://host.org/a?b=1. or mailto:me@host.org. or mailto:nobody, <a href=ftp://x/y>");
    EXPECT_EQ(s.at("http://host.org/a?b=1"), 18);
    EXPECT_EQ(s.at(". or"), kPage) << "a full stop after an address is not part of it";
    EXPECT_EQ(s.at("mailto:me@host.org"), 19);
    EXPECT_EQ(s.at(". or", 1), kPage);
    const std::size_t nobody = s.text.find("mailto:nobody");
    for (std::size_t i = nobody; i < nobody + 13; ++i)
        EXPECT_NE(s.values[i], 19) << "without an @ there is no address";
    EXPECT_EQ(s.at("ftp://x/y"), 18) << "addresses are found in tags too";
}

TEST(BuiltinWeb, ScanningRestartsInTheStatesOfTheTokenBefore)
{
    auto p = builtinParser(BuiltinLanguage::HTML);
    auto first = [&p](std::uint8_t before, const std::string& text) {
        memo::TStringStream s(text);
        p->resumeAt(before);
        std::int64_t len = 0;
        return p->nextToken(s, len);
    };
    EXPECT_EQ(first(41, "var"), 30) << "after a JavaScript identifier";
    EXPECT_EQ(first(31, "<"), 38);
    EXPECT_EQ(first(56, "Dim"), 52) << "after a VBScript identifier";
    EXPECT_EQ(first(57, "<"), 54);
    EXPECT_EQ(first(6, "<"), 6) << "after a tag start: page text";
    EXPECT_EQ(first(0, "&gt;"), 16);
    EXPECT_EQ(first(kPage, "<"), 6) << "after page text";
    EXPECT_EQ(first(14, "href"), 5) << "after white space in a tag: its attributes";
    EXPECT_EQ(first(20, ">"), 8);
    for (std::uint8_t v : {1, 2, kPage, 6, 14, 15, 20, 31, 34, 35, 37, 41, 55, 56, 57})
        EXPECT_TRUE(p->isAnchor(v)) << int(v);
}

// Every state left behind by broken markup in page text is dropped at the
// next tag start, so the text after it colours the same whatever came before.
TEST(BuiltinWeb, ATagStartLeavesWhatCameBeforeBehind)
{
    const std::string tail = "<a href=\"x\">language &nbsp; var</a>";
    const TScan clean = web(tail);
    for (const std::string head : {"<a href=x ", "<script>f(); // x -->\n", "<", "<<", "<p align=\"left\"\n"}) {
        const TScan s = web(head + tail);
        const std::vector<std::uint8_t> after(s.values.end() - static_cast<std::ptrdiff_t>(tail.size()), s.values.end());
        EXPECT_EQ(after, clean.values) << head;
    }
}

TEST(BuiltinWeb, TheTwoColouringsShareTheirTables)
{
    auto html = builtinParser(BuiltinLanguage::HTML);
    auto vb = builtinParser(BuiltinLanguage::VBScript);
    const auto& a = html->tables();
    const auto& b = vb->tables();
    EXPECT_EQ(a.settings.languageName, "HTML");
    EXPECT_EQ(b.settings.languageName, "HTML");
    EXPECT_EQ(a.keywords.keywords().size(), 548u);
    EXPECT_EQ(a.keywords.keywords().size(), b.keywords.keywords().size());
    EXPECT_EQ(a.settings.styleOf, b.settings.styleOf);
    EXPECT_EQ(a.settings.editableStyles, b.settings.editableStyles);
    EXPECT_EQ(a.anchor.bits, b.anchor.bits);
    EXPECT_EQ(a.settings.exampleText, b.settings.exampleText);
    const std::string page = a.settings.exampleText;
    EXPECT_EQ(page.rfind("<!-- Syntax Highlighting -->", 0), 0u);
    EXPECT_EQ(scanText(*html, page).values, scanText(*vb, page).values);
    // Strings: dark blue in one, red in the other.
    EXPECT_EQ(a.settings.styles[2]->foreground, memo::TColor::fromStored(0x7F0000));
    EXPECT_EQ(b.settings.styles[2]->foreground, memo::TColor::fromStored(0x0000FF));
    EXPECT_TRUE(a.settings.styles[18]->hotspot);
}

TEST(BuiltinJavaScript, ValuesFollowTheOrderOfTheLists)
{
    const TScan s = javascript("abstract with abs writeln synchroniz UTC a,b.c(d)[e] x>>>=1 "
                               "/* c */ // d\n\"s\" 's' 0x1f 12 iffy");
    EXPECT_EQ(s.at("abstract"), 20);
    EXPECT_EQ(s.at("with"), 72);
    EXPECT_EQ(s.at("abs", 1), 130);
    EXPECT_EQ(s.at("writeln"), 209);
    EXPECT_EQ(s.at("synchroniz"), 62);
    EXPECT_EQ(s.at("UTC"), 207);
    EXPECT_EQ(s.at(","), 80);
    EXPECT_EQ(s.at("."), 122);
    EXPECT_EQ(s.at("("), 117);
    EXPECT_EQ(s.at(")"), 119) << "the operators skip the value 118";
    EXPECT_EQ(s.at("["), 120);
    EXPECT_EQ(s.at(">>>="), 89);
    EXPECT_EQ(s.at("/* c */"), 3);
    EXPECT_EQ(s.at("// d"), 4);
    EXPECT_EQ(s.at("\"s\""), 5);
    EXPECT_EQ(s.at("'s'"), 6);
    EXPECT_EQ(s.at("0x1f"), 11);
    EXPECT_EQ(s.at("12"), 8);
    EXPECT_EQ(s.at("iffy"), 7);

    auto p = builtinParser(BuiltinLanguage::JavaScript);
    EXPECT_EQ(p->tables().keywords.keywords().size(), 178u);
    EXPECT_EQ(p->tables().settings.languageName, "JavaScript");
    EXPECT_EQ(p->tables().settings.styleOf[130], 10);
    EXPECT_EQ(p->tables().settings.exampleText.rfind("/* Javascript syntax highlighting */", 0), 0u);
}

TEST(BuiltinPlainText, OneStyleAndNoTokens)
{
    auto p = builtinParser(BuiltinLanguage::PlainText);
    EXPECT_TRUE(builtinParserForm(BuiltinLanguage::PlainText).empty());
    const TScan s = scanText(*p, "<script>var x</script>&nbsp;");
    EXPECT_EQ(s.values, std::vector<std::uint8_t>(s.text.size(), 0));
    EXPECT_EQ(p->tables().settings.exampleText, "Plain text");
    ASSERT_EQ(p->tables().settings.editableStyles.size(), 1u);
    EXPECT_EQ(p->tables().settings.editableStyles[0].name, "Default");
}

TEST(BuiltinDefinitions, CommonSettings)
{
    for (BuiltinLanguage l : {BuiltinLanguage::HTML, BuiltinLanguage::JavaScript, BuiltinLanguage::VBScript,
                              BuiltinLanguage::PlainText}) {
        const auto parser = builtinParser(l); // kept alive: s refers into it
        const TSM_Settings& s = parser->tables().settings;
        EXPECT_EQ(s.options, 67099632);
        EXPECT_EQ(s.gutterWidth, 34);
        EXPECT_EQ(s.indentStep, 1);
        EXPECT_EQ(s.tabDefault, 4);
        EXPECT_EQ(s.fontName, "Courier New");
        EXPECT_EQ(s.fontSize, 10);
        EXPECT_EQ(s.wrapOverride, ">|:");
        EXPECT_EQ(s.selTextColour, memo::TColor::fromStored(0xFFFFFF));
        EXPECT_EQ(s.selTextBack, memo::TColor::fromStored(0x800000));
        EXPECT_EQ(s.gutterColour, memo::TColor::fromStored(0x8000000F));
        ASSERT_TRUE(s.styles[0]);
        EXPECT_EQ(s.styles[0]->background, memo::TColor::fromStored(0xFFFFFF));
    }
}

} // namespace
} // namespace tessaly::parser::test
