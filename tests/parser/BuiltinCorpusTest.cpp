// The web page definition on real pages: every page of the corpus is
// highlighted in an editor, and random edits re-highlighted incrementally
// must come out as a full re-highlight of the same text does.
#include "BuiltinTestSupport.h"

#include <unistd.h>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace tessaly::parser::test {
namespace {

namespace fs = std::filesystem;

const fs::path kCorpus = fs::path(TESSALY_SHARED_DIR) / "corpus";

std::string readFile(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<fs::path> corpusPages()
{
    std::vector<fs::path> out;
    if (!fs::exists(kCorpus))
        return out;
    for (const auto& e : fs::recursive_directory_iterator(kCorpus)) {
        if (!e.is_regular_file())
            continue;
        std::string ext = e.path().extension().string();
        std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
        if (ext == ".asp" || ext == ".htm" || ext == ".html")
            out.push_back(e.path());
    }
    std::sort(out.begin(), out.end());
    return out;
}

// An editor showing text with the given parser as its active one.
void load(memo::TSyntaxMemo& m, TSyntaxMemoParser& p, const std::string& text)
{
    m.setParser(1, &p);
    m.setActiveParser(1);
    std::istringstream in(text);
    m.loadFromStream(in);
}

TEST(BuiltinCorpus, EveryPageGetsAValueForEveryCharacter)
{
    const auto pages = corpusPages();
    if (pages.empty())
        GTEST_SKIP() << "no corpus at " << kCorpus;
    auto parser = builtinParser(BuiltinLanguage::HTML);
    for (const fs::path& page : pages) {
        memo::TSyntaxMemo m;
        load(m, *parser, readFile(page));
        const auto& store = m.store();
        for (std::int64_t r = 0; r < store.recordCount().value(); ++r) {
            const std::int64_t len = store.recordStart(memo::TRecordIndex(r + 1)).value()
                - store.recordStart(memo::TRecordIndex(r)).value();
            ASSERT_EQ(static_cast<std::int64_t>(store.recordTokens(memo::TRecordIndex(r)).size()), len)
                << page << " record " << r;
        }
    }
}

// Bytes 481048..501100 of make-big.sh's 2 MiB file: pages of classic ASP
// running into a page with a new doctype. Built once per run.
const std::string& aspSlice()
{
    static const std::string slice = [] {
        const fs::path script = kCorpus / "make-big.sh";
        // Per process: CTest runs the tests that use it side by side.
        const fs::path out = fs::temp_directory_path() / ("tessaly-builtin-big2-" + std::to_string(::getpid()) + ".html");
        if (!fs::exists(script))
            return std::string();
        const std::string command = "bash '" + script.string() + "' 2 '" + out.string() + "' >/dev/null";
        if (std::system(command.c_str()) != 0)
            return std::string();
        const std::string big = readFile(out);
        fs::remove(out);
        return big.size() >= 501100 ? big.substr(481047, 501100 - 481047) : std::string();
    }();
    return slice;
}

TEST(BuiltinCorpus, AspPagesRunningIntoADoctypeHighlightLikeAStraightScan)
{
    const std::string& slice = aspSlice();
    if (slice.empty())
        GTEST_SKIP() << "make-big.sh could not build the slice";
    auto editorParser = builtinParser(BuiltinLanguage::HTML);
    auto scanner = builtinParser(BuiltinLanguage::HTML);
    memo::TSyntaxMemo m;
    load(m, *editorParser, slice);
    const TScan whole = scanText(*scanner, m.textRange(0, m.textLength()));
    std::string kept;
    for (memo::TRecordIndex r(0); r < m.store().recordCount(); ++r)
        kept += m.store().recordTokens(r);
    EXPECT_EQ(kept, std::string(whole.values.begin(), whole.values.end()));
    EXPECT_NE(slice.find("<!doctype html>"), std::string::npos);
}

// Pieces that move the scanner between its states, and some plain text.
const char* const kPieces[] = {
    "<script>",        "</script>", "<script language=\"vbscript\">", "-->", "<!--", "//", "/*", "*/",
    "\"",              "'",         "<",                              ">",   "</",   "&nbsp;", "Function ",
    "language",        "=",         " javascript ",                   "\r\n", "x",   "<b>",   "0x1f",
    "mailto:a@b.org.", "http://",   "rem ",                           "<!",   "%>",  "<%",    "<scripts>",
};

// Random edits on a page: deletions, pieces above, and slices of the page
// itself moved elsewhere.
void differential(const std::string& name, const std::string& page, unsigned seed, int edits,
                  BuiltinLanguage language = BuiltinLanguage::HTML)
{
    auto parser = builtinParser(language);
    auto fresh = builtinParser(language);
    memo::TSyntaxMemo m;
    load(m, *parser, page);
    std::mt19937 rng(seed);
    auto below = [&rng](std::int64_t n) { return n <= 0 ? 0 : static_cast<std::int64_t>(rng() % static_cast<unsigned>(n)); };
    for (int step = 0; step < edits; ++step) {
        const std::int64_t len = m.textLength();
        const std::int64_t a = below(len + 1);
        std::int64_t b = a;
        std::string ins;
        switch (rng() % 4) {
        case 0: // delete a little
            b = std::min(len, a + 1 + below(12));
            break;
        case 1: // a piece
            ins = kPieces[rng() % std::size(kPieces)];
            break;
        case 2: { // a slice of the page
            const std::int64_t from = below(len);
            ins = m.textRange(from, std::min(len, from + 1 + below(80)));
            break;
        }
        default: // replace with a piece
            b = std::min(len, a + below(6));
            ins = kPieces[rng() % std::size(kPieces)];
            break;
        }
        m.setSelection(a, b);
        m.setSelText(ins);

        // The model: a straight scan of the whole text, which knows nothing
        // of records, resume points or tokens cut at record ends.
        std::string kept;
        for (const auto& r : editorValues(m))
            kept += r;
        const TScan whole = scanText(*fresh, m.textRange(0, m.textLength()));
        const std::string expected(whole.values.begin(), whole.values.end());
        ASSERT_EQ(kept.size(), expected.size()) << name << " step " << step;
        const auto at = std::mismatch(kept.begin(), kept.end(), expected.begin()).first - kept.begin();
        if (at == static_cast<std::ptrdiff_t>(kept.size()))
            continue;
        const std::int64_t rec = m.store().recordOf(memo::TTextOffset(at)).value();
        FAIL() << name << " step " << step << " first difference at " << at << " (record " << rec << ", column "
               << at - m.store().recordStart(memo::TRecordIndex(rec)).value() << ", edit at " << a << ")\nkept     "
               << ::testing::PrintToString(
                      kept.substr(static_cast<std::size_t>(std::max<std::ptrdiff_t>(0, at - 20)), 60))
               << "\nexpected "
               << ::testing::PrintToString(
                      expected.substr(static_cast<std::size_t>(std::max<std::ptrdiff_t>(0, at - 20)), 60))
               << "\ntext     "
               << ::testing::PrintToString(
                      m.textRange(std::max<std::int64_t>(0, at - 20), std::max<std::int64_t>(0, at - 20) + 60));
    }
}

TEST(BuiltinCorpus, IncrementalHighlightEqualsAFullOneAfterRandomEdits)
{
    const fs::path pages[] = {
        kCorpus / "asp/VisualAcademy__ClassicAsp/src/ASP/Mail/Default.asp",
        kCorpus / "asp/VisualAcademy__ClassicAsp/src/ASP3_Fundamental/ASP_Fundamental.Source/18.CDO/my_formmail.asp",
        kCorpus / "html/GoogleChrome__samples/webaudio-audiocontext-close/index.html",
        kCorpus / "html/mdn__learning-area/javascript/oojs/tasks/json/json1.html",
    };
    // TESSALY_DIFF_SEED and TESSALY_DIFF_EDITS run other and longer series.
    const char* seedText = std::getenv("TESSALY_DIFF_SEED");
    const char* editsText = std::getenv("TESSALY_DIFF_EDITS");
    unsigned seed = seedText ? static_cast<unsigned>(std::atoi(seedText)) : 1;
    const int edits = editsText ? std::atoi(editsText) : 120;
    for (const fs::path& page : pages) {
        if (!fs::exists(page))
            GTEST_SKIP() << "missing corpus page " << page;
        differential(page.filename().string(), readFile(page), seed++, edits);
    }
    if (!aspSlice().empty())
        differential("make-big slice", aspSlice(), seed++, edits / 2);
    // The other definitions on a page full of script.
    differential("JavaScript", readFile(pages[2]), seed++, edits / 2, BuiltinLanguage::JavaScript);
    differential("VBScript", readFile(pages[0]), seed++, edits / 2, BuiltinLanguage::VBScript);
    differential("plain text", readFile(pages[1]), seed++, edits / 2, BuiltinLanguage::PlainText);
}

// Pages with every line break taken out: one line cut into many records,
// where tokens run across the cuts and resume points fall inside records.
// An edit cuts the line into records other than a fresh load does, so the
// values are compared character by character.
TEST(BuiltinCorpus, IncrementalHighlightOfOneLongLineEqualsAFullOne)
{
    const auto pages = corpusPages();
    if (pages.size() < 4)
        GTEST_SKIP() << "no corpus at " << kCorpus;
    std::string line;
    for (std::size_t i = 0; line.size() < 40000 && i < pages.size(); i += 1 + pages.size() / 12) {
        std::string page = readFile(pages[i]);
        page.erase(std::remove_if(page.begin(), page.end(), [](char c) { return c == '\r' || c == '\n'; }), page.end());
        line += page;
    }
    const char* seedText = std::getenv("TESSALY_DIFF_SEED");
    unsigned seed = seedText ? static_cast<unsigned>(std::atoi(seedText)) : 11;
    for (const BuiltinLanguage language : {BuiltinLanguage::HTML, BuiltinLanguage::JavaScript,
                                           BuiltinLanguage::VBScript, BuiltinLanguage::PlainText}) {
        differential("one line, language " + std::to_string(static_cast<int>(language)), line, seed++, 40, language);
        if (HasFatalFailure())
            return;
        // The editor's own full highlight of the line, against a straight
        // scan of the same text that knows nothing of records.
        auto editorParser = builtinParser(language);
        auto scanner = builtinParser(language);
        memo::TSyntaxMemo m;
        load(m, *editorParser, line);
        std::string kept;
        for (const auto& r : editorValues(m))
            kept += r;
        const TScan whole = scanText(*scanner, m.textRange(0, m.textLength()));
        ASSERT_EQ(kept, std::string(whole.values.begin(), whole.values.end())) << "language " << static_cast<int>(language);
    }
}

} // namespace
} // namespace tessaly::parser::test
