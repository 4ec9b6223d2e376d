// Searches over an editor's store (through TEdStream and its blocks) find
// what the same searches find in the plain text.
#include "MemoTestUtil.h"

#include "memo/EdStream.h"
#include "memo/SearchFlags.h"
#include "memo/TextFinder.h"

#include <random>

namespace tessaly::memo::test {
namespace {

std::vector<std::int64_t> allStarts(TCharStream& s, std::string_view text, TSearchFlags flags)
{
    TTextFinder f;
    std::vector<std::int64_t> out;
    std::int64_t from = 0;
    while (auto m = f.find(s, text, flags, from)) {
        out.push_back(m->start);
        from = m->start + 1;
    }
    return out;
}

TEST(SearchEditor, EditorStreamAgreesWithThePlainText)
{
    std::mt19937 rng(5);
    TSyntaxMemo m;
    std::string text;
    for (int i = 0; i < 3000; ++i) {
        const int k = static_cast<int>(rng() % 6);
        text += k == 0 ? "\r\n" : k == 1 ? "<div>" : k == 2 ? "abc " : k == 3 ? "Div" : k == 4 ? "\t" : "x";
    }
    text += std::string(5000, 'y') + "<div>";
    m.setSelText(text);
    const std::string stored = storeText(m);
    for (const auto& [pattern, flags] : std::vector<std::pair<std::string, TSearchFlags>>{
             {"<div>", {}}, {"div", {}}, {"DIV", {}}, {"<[a-z]+>", TSearchFlags::RegExp}, {"c\r", {}}}) {
        TEdStream es(m);
        TStringStream ss(stored);
        EXPECT_EQ(allStarts(es, pattern, flags), allStarts(ss, pattern, flags)) << pattern;
    }
}

} // namespace
} // namespace tessaly::memo::test
