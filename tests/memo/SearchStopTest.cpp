// Long searches and Replace All ask the window whether to go on, and stop
// without a trace when told to.
#include "MemoTestUtil.h"

#include "memo/SearchFlags.h"

namespace tessaly::memo::test {
namespace {

class Messages : public TMemoMessages {
public:
    void error(const std::string& text) override { errors.push_back(text); }
    std::vector<std::string> errors;
};

// Says "go on" a given number of times, then "stop".
class StopAfter : public TMemoProgress {
public:
    explicit StopAfter(int calls) : left_(calls) {}
    void begin() override { ++depth; }
    bool keepGoing() override
    {
        ++calls;
        EXPECT_GT(depth, 0) << "asked outside a search";
        return left_-- > 0;
    }
    void end() override { --depth; }

    int calls = 0;
    int depth = 0;

private:
    int left_;
};

std::string lines(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "a line with a few a\r";
    return text;
}

TEST(SearchStop, ReplaceAllStoppedAnywhereLeavesTheTextAsItWas)
{
    const std::string original = lines(200); // 600 matches of "a"
    TSyntaxMemo full;
    full.setSelText(original);
    full.setSelStart(0);
    ASSERT_EQ(full.replaceAll({}, "a", "bb"), 600);
    const std::string replaced = storeText(full);

    // Stopped while collecting the matches, or after some replacements: in
    // each case the text is the original and one undo step at most is left.
    for (const int stopAt : {0, 1, 300, 600, 601, 602, 900, 1200}) {
        TSyntaxMemo m;
        Messages msgs;
        m.setMessages(&msgs);
        m.setSelText(original);
        m.clearUndo();
        m.setSelection(0, 4);
        StopAfter progress(stopAt);
        m.setProgress(&progress);
        EXPECT_EQ(m.replaceAll({}, "a", "bb"), 0) << stopAt;
        EXPECT_EQ(storeText(m), original) << stopAt;
        EXPECT_FALSE(m.canUndo()) << stopAt;
        EXPECT_EQ(m.selStart(), 0) << stopAt;
        EXPECT_EQ(m.selLength(), 4) << stopAt;
        EXPECT_TRUE(msgs.errors.empty()) << stopAt;
        EXPECT_EQ(progress.depth, 0);
        EXPECT_TRUE(storeConsistent(m));
    }

    // Never stopped: the same result as without a progress sink.
    TSyntaxMemo m;
    m.setSelText(original);
    m.setSelStart(0);
    StopAfter never(1 << 30);
    m.setProgress(&never);
    EXPECT_EQ(m.replaceAll({}, "a", "bb"), 600);
    EXPECT_EQ(storeText(m), replaced);
    EXPECT_GE(never.calls, 1200);
}

TEST(SearchStop, LongPatternSearchStopsQuietly)
{
    // Every start of the line scans the rest of it: a search of many
    // millions of steps, asked about every million or so.
    TSyntaxMemo m;
    Messages msgs;
    m.setMessages(&msgs);
    m.setSelText(std::string(30000, 'a'));
    m.setSelStart(0);
    StopAfter progress(2);
    m.setProgress(&progress);
    EXPECT_EQ(m.findText(TSearchFlags::AtOnce | TSearchFlags::RegExp, "x?a*[bc]"), -1);
    EXPECT_EQ(progress.calls, 3);
    EXPECT_TRUE(msgs.errors.empty());
    EXPECT_EQ(m.selStart(), 0);
    EXPECT_EQ(m.selLength(), 0);

    // Not stopped, the same search ends with the engine's message.
    m.setProgress(nullptr);
    EXPECT_EQ(m.findText(TSearchFlags::AtOnce | TSearchFlags::RegExp, "x?a*[bc]"), -1);
    ASSERT_EQ(msgs.errors.size(), 1u);
    EXPECT_EQ(msgs.errors[0].substr(0, 22), "Expression too complex");
}

} // namespace
} // namespace tessaly::memo::test
