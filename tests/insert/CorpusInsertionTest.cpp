#include "InsertTestUtil.h"

#include "insert/CommandTable.h"
#include "insert/Insertion.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace tessaly::insert {
namespace {

// Runs many fixed commands at random selections of a real page and compares
// the document after each with a plain-string model; then undoes them all,
// one Undo per command, back to the page as loaded.
TEST(CorpusInsertion, RandomCommandsMatchAPlainStringModel)
{
    const std::filesystem::path page =
        std::filesystem::path(TESSALY_SHARED_DIR) / "corpus/asp/VisualAcademy__ClassicAsp/src/ASP/Mail/Default.asp";
    if (!std::filesystem::exists(page))
        GTEST_SKIP() << "corpus page missing: " << page;

    memo::TSyntaxMemo m;
    m.loadFromFile(page);
    const std::string original = test::storeText(m);
    ASSERT_FALSE(original.empty());

    std::vector<const TInsertCommand*> fixed;
    for (const TInsertCommand& c : insertCommands())
        if (c.action == TCommandAction::Wrap || c.action == TCommandAction::Insert)
            fixed.push_back(&c);

    std::mt19937 rng(7);
    std::string model = original;
    const int rounds = 300;
    for (int i = 0; i < rounds; ++i) {
        const TInsertCommand& c = *fixed[rng() % fixed.size()];
        const auto n = static_cast<std::int64_t>(model.size());
        std::int64_t a = static_cast<std::int64_t>(rng() % static_cast<std::uint64_t>(n + 1));
        std::int64_t b = (rng() % 3 == 0) ? a : static_cast<std::int64_t>(rng() % static_cast<std::uint64_t>(n + 1));
        m.setSelection(a, b);
        const auto lo = static_cast<std::size_t>(std::min(a, b));
        const auto hi = static_cast<std::size_t>(std::max(a, b));
        const TSnippet snippet = fixedSnippet(c);
        const std::string written = snippet.apply(model.substr(lo, hi - lo));
        writeSnippet(&m, snippet);
        model = model.substr(0, lo) + written + model.substr(hi);
        ASSERT_EQ(test::storeText(m), model) << "round " << i << " " << c.name;
        ASSERT_EQ(m.caret(), static_cast<std::int64_t>(lo + written.size())) << c.name;
        ASSERT_EQ(m.selLength(), 0);
    }
    for (int i = 0; i < rounds; ++i)
        m.undo();
    EXPECT_EQ(test::storeText(m), original);
    EXPECT_FALSE(m.canUndo());
}

} // namespace
} // namespace tessaly::insert
