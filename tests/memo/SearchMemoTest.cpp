// Find, find next and replace through the editor.
#include "MemoTestUtil.h"

#include "memo/SearchFlags.h"

#include <algorithm>

namespace tessaly::memo::test {
namespace {

class Messages : public TMemoMessages {
public:
    void error(const std::string& text) override { errors.push_back(text); }
    std::vector<std::string> errors;
};

constexpr TSearchFlags kAtOnce = TSearchFlags::AtOnce;

TEST(SearchMemo, FindAndFindNextWalkTheMatchesBothWays)
{
    TSyntaxMemo m;
    Messages msgs;
    m.setMessages(&msgs);
    m.setSelText("one Two\r\ntwo two");
    m.setSelStart(0);
    EXPECT_EQ(m.findText(kAtOnce, "two"), 4);
    EXPECT_EQ(m.selText(), "Two");
    EXPECT_EQ(m.findNext(), 1);
    EXPECT_EQ(m.selStart(), 8);
    EXPECT_EQ(m.findNext(), 1);
    EXPECT_EQ(m.selStart(), 12);
    EXPECT_EQ(m.findNext(), 0);
    ASSERT_EQ(msgs.errors.size(), 1u);
    EXPECT_EQ(msgs.errors[0], "Search string \"two\" not found.");

    // Upward, then again: each match once, never stuck on the selected one.
    m.setSelStart(m.textLength());
    EXPECT_EQ(m.findText(kAtOnce | TSearchFlags::Upward | TSearchFlags::MatchCase, "two"), 12);
    EXPECT_EQ(m.findNext(), 1);
    EXPECT_EQ(m.selStart(), 8);
    EXPECT_EQ(m.findNext(), 0) << "Two does not match with match case";
}

// The "^" under a bad pattern stands under the offending character also
// when characters of several bytes come before it: a pattern with "é" in
// place of "a" gets the same pointer line.
TEST(SearchMemo, PatternErrorPointsAtTheCharacter)
{
    auto pointer = [](const std::string& pattern) {
        TSyntaxMemo m;
        Messages msgs;
        m.setMessages(&msgs);
        m.setSelText("text");
        m.findText(kAtOnce | TSearchFlags::RegExp, pattern);
        EXPECT_EQ(msgs.errors.size(), 1u) << pattern;
        const std::string& e = msgs.errors.empty() ? std::string() : msgs.errors[0];
        return e.substr(e.rfind('\n') + 1);
    };
    for (const char* tail : {"b(c", "b[c"}) {
        const std::string plain = pointer(std::string("aa") + tail);
        EXPECT_EQ(plain.back(), '^');
        EXPECT_EQ(pointer(std::string("\xC3\xA9\xE4\xB8\xAD") + tail), plain) << tail;
    }
}

TEST(SearchMemo, WholeWordsAndTheFailHandler)
{
    TSyntaxMemo m;
    std::string failed;
    m.onSearchFail = [&](TSyntaxMemo&, const std::string& text) { failed = text; };
    m.setSelText("cat concat cat_ cat");
    m.setSelStart(1);
    EXPECT_EQ(m.findText(kAtOnce | TSearchFlags::WholeWord, "cat"), 16);
    EXPECT_EQ(m.findText(kAtOnce, "dog"), -1);
    EXPECT_EQ(failed, "dog");
    m.setSelStart(0);
    EXPECT_EQ(m.findText(kAtOnce, std::string(100, 'x')), -1);
    EXPECT_EQ(m.lastSearchText().size(), 79u) << "a plain search text is cut";
}

TEST(SearchMemo, RegularExpressionsSelectTheMatchAndReportBadPatterns)
{
    TSyntaxMemo m;
    Messages msgs;
    m.setMessages(&msgs);
    m.setSelText("<b>x</b> <i>");
    m.setSelStart(0);
    EXPECT_EQ(m.findText(kAtOnce | TSearchFlags::RegExp, "<[a-z]>"), 0);
    EXPECT_EQ(m.selText(), "<b>");
    EXPECT_EQ(m.findNext(), 1);
    EXPECT_EQ(m.selText(), "<i>");
    EXPECT_EQ(m.findText(kAtOnce | TSearchFlags::RegExp, "a(b"), -1);
    ASSERT_EQ(msgs.errors.size(), 1u);
    const std::string& box = msgs.errors[0];
    EXPECT_EQ(std::count(box.begin(), box.end(), '\n'), 2) << box;
    EXPECT_NE(box.find("\na(b\n"), std::string::npos) << box;
}

TEST(SearchMemo, ReplaceAllIsOneUndoStep)
{
    TSyntaxMemo m;
    m.setSelText("a.b.c.d.e.f");
    m.clearUndo();
    m.setSelStart(2);
    EXPECT_EQ(m.replaceAll({}, ".", "::"), 4);
    EXPECT_EQ(storeText(m), "a.b::c::d::e::f");
    m.undo();
    EXPECT_EQ(storeText(m), "a.b.c.d.e.f");
    EXPECT_FALSE(m.canUndo());

    m.setSelStart(0);
    EXPECT_EQ(m.replaceAll(TSearchFlags::RegExp, "[ace]", "X\\t"), 3);
    EXPECT_EQ(storeText(m), "X\t.b.X\t.d.X\t.f");
}

TEST(SearchMemo, ReplaceAsksBeforeEachReplacement)
{
    TSyntaxMemo m;
    m.setSelText("x1 x2 x3");
    m.setSelStart(0);
    std::vector<std::string> asked;
    auto no = [&](const std::string& f, const std::string& w) {
        asked.push_back(f + ">" + w);
        return false;
    };
    EXPECT_FALSE(m.replaceNext({}, "x", "y", no));
    EXPECT_EQ(storeText(m), "x1 x2 x3");
    EXPECT_EQ(asked, std::vector<std::string>{"x>y"});
    EXPECT_TRUE(m.replaceNext({}, "x", "y", [](const std::string&, const std::string&) { return true; }));
    EXPECT_EQ(storeText(m), "x1 y2 x3") << "the refused match is passed over";
    EXPECT_TRUE(m.replaceNext({}, "x", "y"));
    EXPECT_EQ(storeText(m), "x1 y2 y3");
}

} // namespace
} // namespace tessaly::memo::test
