// Searches real web pages through a stream cut into line records, the way
// the editor's store hands out its text, and checks the results against
// the same searches over one plain string.
#include "memo/CharBlocks.h"
#include "memo/LineBlockStream.h"
#include "memo/PlainSearch.h"
#include "memo/regex/REParser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace tessaly::memo;

namespace {

// About `limit` bytes of corpus pages, with every line break made one CR.
std::string corpusText(std::size_t limit)
{
    namespace fs = std::filesystem;
    std::vector<fs::path> pages;
    const fs::path root = fs::path(TESSALY_SHARED_DIR) / "corpus";
    if (!fs::exists(root))
        return {};
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file() && (entry.path().extension() == ".html" || entry.path().extension() == ".asp"))
            pages.push_back(entry.path());
    std::sort(pages.begin(), pages.end());
    std::string text;
    for (const fs::path& page : pages) {
        std::ifstream in(page, std::ios::binary);
        std::stringstream raw;
        raw << in.rdbuf();
        for (char c : raw.str())
            if (c != '\n' || text.empty() || text.back() != '\r')
                text.push_back(c == '\n' ? '\r' : c);
        if (text.size() > limit)
            break;
    }
    return text;
}

std::vector<std::int64_t> allMatches(TREParser& re, TCharStream& stream)
{
    std::vector<std::int64_t> starts;
    stream.setPosition(0);
    while (re.match(stream, true)) {
        starts.push_back(re.matchStart());
        const std::int64_t end = re.matchEnd();
        if (end >= stream.size())
            break;
        stream.setPosition(end > re.matchStart() ? end : end + 1);
    }
    EXPECT_EQ(re.errorId(), TREError::NoError) << re.errorText();
    return starts;
}

} // namespace

TEST(SearchCorpus, LineRecordsAndOneStringGiveTheSameMatches)
{
    const std::string text = corpusText(150000);
    if (text.empty())
        GTEST_SKIP() << "no corpus";
    TLineBlockStream lines(text);
    TStringStream whole(text);
    for (const char* pattern : {"<[a-z]+", "\\\"[^\\\"\\n]*\\\"", "(class|id)=", "^<", ">$", ">\\n *<", "</?(div|span)"}) {
        SCOPED_TRACE(pattern);
        TREParser re;
        ASSERT_TRUE(re.compile(pattern)) << re.errorText();
        const std::vector<std::int64_t> expected = allMatches(re, whole);
        EXPECT_GT(expected.size(), 5u);
        EXPECT_EQ(allMatches(re, lines), expected);
        // A backward search from a match start finds that match.
        for (std::size_t i = 0; i < expected.size(); i += 37) {
            lines.setPosition(expected[i]);
            ASSERT_TRUE(re.match(lines, false));
            EXPECT_EQ(re.matchStart(), expected[i]);
        }
    }
}

TEST(SearchCorpus, PlainSearchCountsLikeStringFind)
{
    const std::string text = corpusText(150000);
    if (text.empty())
        GTEST_SKIP() << "no corpus";
    TLineBlockStream lines(text);
    TPlainSearch search;
    for (const std::string word : {"div", "function", "</script>\r", "color:"}) {
        std::size_t expected = 0;
        for (std::size_t at = 0; (at = text.find(word, at)) != std::string::npos; ++at)
            ++expected;
        std::size_t down = 0;
        for (std::int64_t at = 0; (at = search.find(lines, word, at, {true, false, false})) >= 0; ++at)
            ++down;
        std::size_t up = 0;
        for (std::int64_t at = lines.size(); (at = search.find(lines, word, at, {true, false, true})) >= 0; --at)
            ++up;
        EXPECT_GT(expected, 0u) << word;
        EXPECT_EQ(down, expected) << word;
        EXPECT_EQ(up, expected) << word;
    }
}
