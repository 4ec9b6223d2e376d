#include "MemoTestUtil.h"

#include "memo/AutoReplace.h"
#include "memo/CodeTemplates.h"

namespace tessaly::memo::test {
namespace {

TEST(CommandRecogniser, TemplateWithCaretMarkerAndIndent)
{
    TSyntaxMemo m;
    TCodeTemplates t;
    t.items.push_back({"fn", "function", "function (|)\r\n}"});
    t.items.push_back({"f", "short", "F"});
    typeText(m, "    fn");
    EXPECT_EQ(t.hotKeyPressed(m), TCodeTemplates::Outcome::Expanded) << "the longest name wins";
    EXPECT_EQ(storeText(m), "    function ()\r    }");
    EXPECT_EQ(m.caret(), 14) << "between the parentheses";
    m.undo();
    EXPECT_EQ(storeText(m), "    fn") << "one undo step";

    t.indent = false;
    t.caretMarker = false;
    t.onTemplateEvent = [](const std::string& name, std::string& body) { body = "<" + name + "|>\r\n"; };
    m.setSelStart(m.textLength());
    t.hotKeyPressed(m);
    EXPECT_EQ(storeText(m), "    <fn|>\r");
    EXPECT_EQ(m.caret(), m.textLength());
}

TEST(CommandRecogniser, TemplateListFragment)
{
    TSyntaxMemo m;
    TCodeTemplates t;
    t.items.push_back({"while", "loop", "while (|)"});
    t.items.push_back({"forin", "loop over keys", "for (| in )"});
    typeText(m, "x = FoR");
    EXPECT_EQ(t.hotKeyPressed(m), TCodeTemplates::Outcome::ListWanted);
    EXPECT_EQ(m.selText(), "FoR");
    const int pick = t.firstContaining(m.selText());
    EXPECT_EQ(pick, 1);
    t.expand(m, static_cast<std::size_t>(pick), m.selText().size());
    EXPECT_EQ(storeText(m), "x = for ( in )");
    EXPECT_EQ(m.caret(), 9);
}

TEST(CommandRecogniser, AutoReplaceWithAndWithoutAWordAfter)
{
    TSyntaxMemo m;
    TAutoReplace r;
    r.add({"teh", "the", ""});
    typeText(m, "a teh");
    EXPECT_FALSE(r.triggerTyped(m, ' ')) << "the trigger is typed after the replacement";
    m.typeChar(' ');
    EXPECT_EQ(storeText(m), "a the ");

    m.selectAll();
    m.setSelText("tehx");
    m.setSelStart(3);
    r.triggerTyped(m, ' ');
    EXPECT_EQ(storeText(m), "tehx") << "inside a word nothing is replaced";
    m.selectAll();
    m.setSelText("tehxteh");
    r.triggerTyped(m, '.');
    EXPECT_EQ(storeText(m), "tehxteh") << "after a word character the item is part of that word";

    bool asked = false;
    r.onAutoReplace = [&](const std::string& item, std::string& with, bool& can) {
        asked = item == "teh";
        with = "THE";
        can = true;
    };
    r.triggerTyped(m, ';');
    EXPECT_TRUE(asked);
    EXPECT_EQ(storeText(m), "tehxTHE");
    r.triggerTyped(m, 'q');
    EXPECT_EQ(storeText(m), "tehxTHE") << "q is not a trigger";
}

TEST(CommandRecogniser, TriggerTextParsing)
{
    TAutoReplace r;
    EXPECT_EQ(r.triggers(), std::string(";,:.=()[]\r\t "));
    r.setTriggerText("a\\n\\s\\t\\\\\\{Space}\\{F5}");
    EXPECT_EQ(r.triggers(), std::string("a\r \t\\ "));
    EXPECT_THROW(r.setTriggerText("\\{Nope}"), ESyntaxMemo);
    EXPECT_EQ(r.triggers(), std::string("a\r \t\\ ")) << "a bad text leaves the triggers as they were";
    EXPECT_THROW(r.setTriggerText("\\{Return"), ESyntaxMemo);
    for (const char* name : {"\\{F0}", "\\{F13}", "\\{Fx}", "\\{F}"})
        EXPECT_THROW(r.setTriggerText(name), ESyntaxMemo) << name;
    r.setTriggerText("\\{F1}\\{f12}\\{PageUp}");
    EXPECT_EQ(r.triggers(), "") << "keys that type nothing add no trigger";
}

} // namespace
} // namespace tessaly::memo::test
