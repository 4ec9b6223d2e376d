// Big documents: the cost of a key does not grow with the document, and a
// document highlighted in slices ends with the values of a full highlight,
// whatever was edited or exported while the slices ran.
#include "BigDocumentSupport.h"

#include "memo/StyledExport.h"

#include <random>
#include <sstream>

namespace tessaly::parser::test {
namespace {

TEST(BoundedScan, TypingAtTheEndOfABigPlainTextScansLittle)
{
    auto p = builtinParser(BuiltinLanguage::PlainText);
    memo::TSyntaxMemo m;
    std::string text;
    while (text.size() < 2'000'000)
        text += "plain words on a line, nothing else\r\n";
    load(m, *p, text);
    ASSERT_GE(m.scannedCharacters(), static_cast<std::int64_t>(text.size()) / 2) << "loading scans everything";
    for (const std::int64_t at : {m.textLength(), m.textLength() / 2, std::int64_t{5}}) {
        m.setSelStart(at);
        const std::int64_t before = m.scannedCharacters();
        m.typeChar('x');
        m.typeChar('\r');
        m.typeChar('y');
        EXPECT_LT(m.scannedCharacters() - before, 1000) << "typing at " << at;
    }
    EXPECT_EQ(allValues(m), fullValues(m, BuiltinLanguage::PlainText));
}

// Indented markup: the white space of a line break and the next line's
// indentation is one token, so the scan's first token boundary in a record
// lies past its start. Typing must still stop within a few lines.
TEST(BoundedScan, TypingInIndentedMarkupScansLittle)
{
    for (const BuiltinLanguage language : {BuiltinLanguage::HTML, BuiltinLanguage::JavaScript,
                                           BuiltinLanguage::VBScript}) {
        auto p = builtinParser(language);
        memo::TSyntaxMemo m;
        std::string text;
        while (text.size() < 400'000)
            text += "<table>\r\t\t<tr>\r\t\t\t<td align=\"center\">cell &nbsp;</td>\r\t\t</tr>\r\t</table>\r\t";
        load(m, *p, text);
        std::mt19937 rng(7);
        for (int i = 0; i < 40; ++i) {
            const std::int64_t at = static_cast<std::int64_t>(rng() % static_cast<unsigned>(m.textLength()));
            m.setSelStart(at);
            const std::int64_t before = m.scannedCharacters();
            m.typeChar(i % 3 == 0 ? ' ' : 'q');
            EXPECT_LT(m.scannedCharacters() - before, 2000) << "typing at " << at;
        }
        EXPECT_EQ(allValues(m), fullValues(m, language));
    }
}

TEST(BoundedScan, TypingInOneLongLineScansLittle)
{
    for (const BuiltinLanguage language : {BuiltinLanguage::HTML, BuiltinLanguage::JavaScript}) {
        auto p = builtinParser(language);
        memo::TSyntaxMemo m;
        std::string line;
        while (line.size() < 1'000'000)
            line += "var a=b+1;if(a<2){f(\"s\",'t');}/* c */<b>x</b>";
        load(m, *p, line);
        for (const std::int64_t at : {m.textLength(), m.textLength() / 3}) {
            m.setSelStart(at);
            const std::int64_t before = m.scannedCharacters();
            m.typeChar('q');
            EXPECT_LT(m.scannedCharacters() - before, 4 * memo::kMaxRecordLength) << "typing at " << at;
        }
        EXPECT_EQ(allValues(m), fullValues(m, language));
    }
}

TEST(BackgroundHighlight, SlicesEndWithTheValuesOfAFullHighlight)
{
    auto p = builtinParser(BuiltinLanguage::HTML);
    memo::TSyntaxMemo m;
    m.setBackgroundHighlight(10'000);
    int passes = 0;
    bool running = false;
    m.onHighlightPass = [&](memo::TSyntaxMemo&, bool on) {
        passes += on;
        running = on;
    };
    load(m, *p, page(2000));
    ASSERT_TRUE(m.highlightPending());
    EXPECT_TRUE(running);
    EXPECT_FALSE(m.store().recordTokens(memo::TRecordIndex(10)).empty()) << "the first page is highlighted at once";
    EXPECT_TRUE(m.store().recordTokens(m.store().recordCount() - 2).empty()) << "the rest waits";
    int slices = 0;
    while (m.highlightSlice(std::chrono::microseconds(200)))
        ++slices;
    EXPECT_GT(slices, 2);
    EXPECT_FALSE(running);
    EXPECT_EQ(passes, 1);
    EXPECT_EQ(allValues(m), fullValues(m, BuiltinLanguage::HTML));
}

TEST(BackgroundHighlight, SlicesWithNoTimeLeftStillMoveThePassOn)
{
    // A slice reads the clock only now and then: one given no time at all
    // still highlights a stretch, so the pass ends in a bounded number of
    // slices, each stopping at a record the next one resumes from.
    auto p = builtinParser(BuiltinLanguage::HTML);
    memo::TSyntaxMemo m;
    m.setBackgroundHighlight(10'000);
    load(m, *p, page(2000));
    ASSERT_TRUE(m.highlightPending());
    std::int64_t slices = 0;
    std::int64_t before = m.highlightedTo();
    while (m.highlightSlice(std::chrono::nanoseconds(0))) {
        ASSERT_GT(m.highlightedTo(), before);
        before = m.highlightedTo();
        ++slices;
    }
    EXPECT_GT(slices, 10);
    EXPECT_LT(slices, m.textLength() / 1000);
    EXPECT_EQ(allValues(m), fullValues(m, BuiltinLanguage::HTML));
    EXPECT_EQ(m.highlightDriver().check(), "");
}

TEST(BackgroundHighlight, EditsDuringThePassAreHighlightedCorrectly)
{
    std::mt19937 rng(5);
    const char* pieces[] = {"<script>", "</script>", "\"", "<!--", "-->", "\r\n", "x", "/*", "*/", "<%", "%>"};
    for (int round = 0; round < 6; ++round) {
        auto p = builtinParser(BuiltinLanguage::HTML);
        memo::TSyntaxMemo m;
        m.setBackgroundHighlight(10'000);
        load(m, *p, page(300));
        while (m.highlightPending()) {
            // Edits before, at and after where the pass stands.
            const std::int64_t len = m.textLength();
            const std::int64_t near = m.highlightedTo();
            std::int64_t a = 0;
            switch (rng() % 3) {
            case 0: a = static_cast<std::int64_t>(rng() % static_cast<unsigned>(std::max<std::int64_t>(near, 1))); break;
            case 1: a = std::min(len, near + static_cast<std::int64_t>(rng() % 40) - 20); break;
            default: a = static_cast<std::int64_t>(rng() % static_cast<unsigned>(len + 1)); break;
            }
            a = std::clamp<std::int64_t>(a, 0, len);
            m.setSelection(a, std::min(len, a + static_cast<std::int64_t>(rng() % 30)));
            m.setSelText(pieces[rng() % std::size(pieces)]);
            m.highlightSlice(std::chrono::microseconds(100 + rng() % 300));
            ASSERT_EQ(m.highlightDriver().check(), "") << "round " << round;
        }
        ASSERT_EQ(allValues(m), fullValues(m, BuiltinLanguage::HTML)) << "round " << round;
    }
}

int measuredWidest(const memo::TSyntaxMemo& m)
{
    int best = 0;
    for (memo::TRecordIndex r(0); r < m.store().recordCount(); ++r) {
        std::string_view t = m.store().recordText(r);
        if (!t.empty() && t.back() == '\r')
            t.remove_suffix(1);
        best = std::max(best, m.displayColumn(r, static_cast<int>(t.size())));
    }
    return best;
}

TEST(BackgroundHighlight, TheWidestLineIsMeasuredInThePass)
{
    std::mt19937 rng(8);
    for (int round = 0; round < 4; ++round) {
        auto p = builtinParser(BuiltinLanguage::HTML);
        memo::TSyntaxMemo m;
        m.setBackgroundHighlight(10'000);
        m.widestLine().setFullMeasureUpTo(100);
        // Wide characters make the longest line in bytes narrower than
        // the widest on screen.
        std::string text = page(300);
        text.insert(text.size() / 3, std::string(300, 'w') + "\r\n" + std::string(200, '\xC3') + "\r\n");
        for (int i = 0; i < 100; ++i)
            text.insert(text.size() / 2, "\xE4\xB8\xAD");
        load(m, *p, text);
        ASSERT_TRUE(m.widestLine().measuring());
        EXPECT_GE(m.widestLineColumns(), measuredWidest(m)) << "no tab: the longest line bounds every width";
        // Typing widens lines while the measure runs; odd rounds also
        // delete, which may leave the kept width a little long.
        bool narrowed = false;
        while (m.highlightPending()) {
            const std::int64_t a = static_cast<std::int64_t>(rng() % static_cast<unsigned>(m.textLength()));
            const bool cut = round % 2 && rng() % 2;
            m.setSelection(a, cut ? std::min(m.textLength(), a + 40) : a);
            m.setSelText(rng() % 3 ? std::string(static_cast<std::size_t>(rng() % 400), 'z') : std::string("\t\t"));
            narrowed = narrowed || cut;
            m.highlightSlice(std::chrono::nanoseconds(0));
            const auto width = [&](memo::TRecordIndex r) {
                std::string_view t = m.store().recordText(r);
                if (!t.empty() && t.back() == '\r')
                    t.remove_suffix(1);
                return m.displayColumn(r, static_cast<int>(t.size()));
            };
            ASSERT_EQ(m.widestLine().check(width, 8), "") << "round " << round;
        }
        EXPECT_FALSE(m.widestLine().measuring());
        if (narrowed)
            EXPECT_GE(m.widestLineColumns(), measuredWidest(m)) << "round " << round;
        else
            EXPECT_EQ(m.widestLineColumns(), measuredWidest(m)) << "round " << round;
    }
}

TEST(BackgroundHighlight, StyledOutputWaitsForThePass)
{
    auto p = builtinParser(BuiltinLanguage::HTML);
    auto q = builtinParser(BuiltinLanguage::HTML);
    memo::TSyntaxMemo m, full;
    m.setBackgroundHighlight(10'000);
    load(m, *p, page(500));
    load(full, *q, page(500));
    ASSERT_TRUE(m.highlightPending());

    // Saving as RTF finishes the pass first.
    m.setSaveFormat(memo::TSaveFormat::sfRTF);
    full.setSaveFormat(memo::TSaveFormat::sfRTF);
    std::ostringstream a, b;
    m.saveToStream(a);
    full.saveToStream(b);
    EXPECT_FALSE(m.highlightPending());
    EXPECT_EQ(a.str(), b.str());

    // So does copying the whole text with its styles.
    m.setBackgroundHighlight(10'000);
    m.setActiveParser(0);
    m.setActiveParser(1);
    ASSERT_TRUE(m.highlightPending());
    memo::TMemoryClipboard clip;
    m.setClipboard(&clip);
    m.selectAll();
    m.copyToClipboard();
    EXPECT_FALSE(m.highlightPending());
    EXPECT_EQ(clip.rtf(), memo::writeRtf(full, 0, full.textLength()));
}

} // namespace
} // namespace tessaly::parser::test
