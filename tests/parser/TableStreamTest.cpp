#include "ScriptTestSupport.h"

#include "parser/ParserForm.h"
#include "parser/StreamIO.h"
#include "parser/TableDump.h"
#include "parser/TableStream.h"

#include <fstream>
#include <random>
#include <sstream>

namespace tessaly::parser::test {
namespace {

std::string sampleStream(TSM_ParserTables& t)
{
    std::ifstream in(std::filesystem::path(TESSALY_SOURCE_DIR) / "tests/parser/data/sample.syn", std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    compileScript(s.str(), {}, t);
    return writeTableStream(t);
}

// Reading either succeeds or fails with ETableStream; the tables are empty
// after a failure.
bool readsCleanly(const std::string& data)
{
    TSM_ParserTables t;
    try {
        readTableStream(data, t);
        return true;
    } catch (const ETableStream&) {
        EXPECT_TRUE(t.keywords.keywords().empty());
        EXPECT_FALSE(t.defaultStart.hasEntries());
        return false;
    }
}

TEST(TableStream, EveryTruncationIsAnError)
{
    TSM_ParserTables t;
    const std::string data = sampleStream(t);
    // Every cut inside the settings, then a sample of the rest.
    for (std::size_t n = 0; n < data.size(); n += n < 1200 ? 1 : 7)
        ASSERT_FALSE(readsCleanly(data.substr(0, n))) << n;
    for (std::size_t n = data.size() - 200; n < data.size(); ++n)
        ASSERT_FALSE(readsCleanly(data.substr(0, n))) << n;
    EXPECT_TRUE(readsCleanly(data));
    EXPECT_FALSE(readsCleanly(data + '\0')); // bytes after the tables
}

TEST(TableStream, RandomDamageNeverCrashes)
{
    TSM_ParserTables t;
    const std::string data = sampleStream(t);
    std::mt19937 rng(11);
    for (int i = 0; i < 1000; ++i) {
        std::string d = data;
        const int flips = 1 + static_cast<int>(rng() % 4);
        for (int f = 0; f < flips; ++f)
            d[rng() % d.size()] = static_cast<char>(rng());
        readsCleanly(d);
    }
}

// A count or length field that promises more than the data holds is refused
// before anything is allocated for it.
TEST(TableStream, HugeCountsAndLengthsAreRefused)
{
    TSM_ParserTables t;
    const std::string data = sampleStream(t);
    auto patched = [&](std::size_t at, std::int32_t v) {
        std::string d = data;
        for (int i = 0; i < 4; ++i)
            d[at + static_cast<std::size_t>(i)] = static_cast<char>(static_cast<std::uint32_t>(v) >> (8 * i));
        return d;
    };
    // The example text's length is the first field; the style count follows
    // the three strings and eleven integers.
    EXPECT_FALSE(readsCleanly(patched(0, 0x7FFFFFFF)));
    EXPECT_FALSE(readsCleanly(patched(0, -1)));
    const std::size_t afterStrings = 4 + t.settings.exampleText.size() + 4 + t.settings.languageName.size() + 4 +
                                     t.settings.wrapOverride.size();
    const std::size_t styleCount = afterStrings + 11 * 4;
    EXPECT_FALSE(readsCleanly(patched(styleCount, 257)));
    EXPECT_FALSE(readsCleanly(patched(styleCount, 200)));
}

TEST(TableStream, EmptyTablesRoundTrip)
{
    TSM_ParserTables empty;
    const std::string data = writeTableStream(empty);
    TSM_ParserTables back;
    readTableStream(data, back);
    EXPECT_EQ(writeTableStream(back), data);
    EXPECT_EQ(dumpTables(back), dumpTables(empty));
}

TEST(ParserForm, OtherVersionLeavesTheParserEmpty)
{
    TSM_ParserTables t;
    sampleStream(t);
    std::string form = writeParserForm(t);
    form[0] = 48;
    TSM_ParserTables back;
    compileScript("%%words 'x' '' 1", {}, back);
    try {
        readParserForm(form, back, "HTML");
        FAIL();
    } catch (const EParserVersion& e) {
        EXPECT_EQ(std::string(e.what()),
                  "HTML: DFM file saved by different version of TSyntaxMemoParser.\n\rRecompile script to update "
                  "DFM file.\n\rExpected version was 49 read version was 48");
        EXPECT_EQ(e.version(), 48);
    }
    EXPECT_TRUE(back.keywords.keywords().empty());
}

TEST(ParserForm, DamagedFormsAreErrorsNamingTheComponent)
{
    TSM_ParserTables t;
    const std::string stream = sampleStream(t);
    const std::string form = writeParserForm(t);
    auto fails = [](const std::string& f) {
        TSM_ParserTables back;
        try {
            readParserForm(f, back, "JavaScript");
        } catch (const EParserForm& e) {
            EXPECT_EQ(std::string(e.what()).rfind("JavaScript: ", 0), 0u) << e.what();
            return true;
        }
        return false;
    };
    for (std::size_t n = 0; n < form.size(); n += 1 + n / 8)
        EXPECT_TRUE(fails(form.substr(0, n))) << n;
    std::string wrongLength = form;
    wrongLength[2] = static_cast<char>(wrongLength[2] + 1);
    EXPECT_TRUE(fails(wrongLength));
    std::string hugeLength = form;
    hugeLength[5] = 0x7F;
    EXPECT_TRUE(fails(hugeLength));
    std::string badMagic = form;
    badMagic[6] = 'X';
    EXPECT_TRUE(fails(badMagic));
    std::mt19937 rng(5);
    for (int i = 0; i < 500; ++i) {
        std::string d = form;
        d[6 + rng() % (d.size() - 6)] = static_cast<char>(rng());
        TSM_ParserTables back;
        try {
            readParserForm(d, back);
        } catch (const EParserForm&) {
        }
    }
}

} // namespace
} // namespace tessaly::parser::test
