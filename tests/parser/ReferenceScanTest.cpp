// The runtime against the plain reference scanner: every built-in language,
// every corpus page and random texts made of page pieces and stray bytes must
// get the same value for every character, as the editor stores them after
// loading (which runs the editor's own stream and record loop) and as a
// straight scan of a string gives them.
#include "BuiltinTestSupport.h"
#include "ReferenceScanner.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace tessaly::parser::test {
namespace {

namespace fs = std::filesystem;

const BuiltinLanguage kLanguages[] = {BuiltinLanguage::HTML, BuiltinLanguage::JavaScript, BuiltinLanguage::VBScript,
                                      BuiltinLanguage::PlainText};

std::vector<std::string> corpusTexts()
{
    std::vector<std::string> out;
    const fs::path corpus = fs::path(TESSALY_SHARED_DIR) / "corpus";
    if (!fs::exists(corpus))
        return out;
    std::vector<fs::path> files;
    for (const auto& e : fs::recursive_directory_iterator(corpus)) {
        std::string ext = e.path().extension().string();
        std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
        if (e.is_regular_file() && (ext == ".asp" || ext == ".htm" || ext == ".html"))
            files.push_back(e.path());
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& f : files) {
        std::ifstream in(f, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        out.push_back(s.str());
    }
    return out;
}

// The values the editor keeps for text, and the text in the editor's form.
std::pair<std::string, std::string> editorScan(TSyntaxMemoParser& p, const std::string& text)
{
    memo::TSyntaxMemo m;
    m.setParser(1, &p);
    m.setActiveParser(1);
    std::istringstream in(text);
    m.loadFromStream(in);
    std::string values;
    for (const std::string& r : editorValues(m))
        values += r;
    return {m.store().text(memo::TTextOffset(0), memo::TTextOffset(m.textLength())), values};
}

std::string straightScan(TSyntaxMemoParser& p, const std::string& text)
{
    const TScan scan = scanText(p, text);
    return std::string(scan.values.begin(), scan.values.end());
}

// The first difference of two value strings, for a readable failure.
std::string firstDifference(const std::string& text, const std::string& a, const std::string& b)
{
    const auto mismatch = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    const std::size_t at = static_cast<std::size_t>(mismatch.first - a.begin());
    const std::size_t from = at >= 40 ? at - 40 : 0;
    return "at " + std::to_string(at) + " of " + std::to_string(a.size()) + "/" + std::to_string(b.size()) + " near \""
        + text.substr(from, 80) + "\"";
}

TEST(ReferenceScan, CorpusPagesGetTheReferenceValues)
{
    const auto texts = corpusTexts();
    if (texts.empty())
        GTEST_SKIP() << "no corpus";
    for (const BuiltinLanguage language : kLanguages) {
        auto parser = builtinParser(language);
        TReferenceScanner reference(parser->tables());
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const auto [text, values] = editorScan(*parser, texts[i]);
            const std::string expected = reference.scan(text);
            ASSERT_EQ(values, expected) << "language " << static_cast<int>(language) << " page " << i << ' '
                                        << firstDifference(text, values, expected);
            ASSERT_EQ(straightScan(*parser, text), expected) << "straight scan, page " << i;
        }
    }
}

TEST(ReferenceScan, RandomPieceTextsGetTheReferenceValues)
{
    const auto texts = corpusTexts();
    if (texts.empty())
        GTEST_SKIP() << "no corpus";
    std::mt19937 rng(2026);
    for (const BuiltinLanguage language : kLanguages) {
        auto parser = builtinParser(language);
        TReferenceScanner reference(parser->tables());
        for (int round = 0; round < 60; ++round) {
            // Pieces of pages cut anywhere, long lines and stray bytes.
            std::string text;
            const int pieces = 1 + static_cast<int>(rng() % 12);
            for (int k = 0; k < pieces; ++k) {
                const std::string& page = texts[rng() % texts.size()];
                const std::size_t from = rng() % page.size();
                text += page.substr(from, rng() % 3000);
                switch (rng() % 4) {
                case 0:
                    text += static_cast<char>(rng() % 256);
                    break;
                case 1:
                    text += std::string(rng() % 5000, static_cast<char>("a< \"'\n-/"[rng() % 8]));
                    break;
                default:
                    break;
                }
            }
            const auto [stored, values] = editorScan(*parser, text);
            const std::string expected = reference.scan(stored);
            ASSERT_EQ(values, expected) << "language " << static_cast<int>(language) << " round " << round << ' '
                                        << firstDifference(stored, values, expected);
        }
    }
}

} // namespace
} // namespace tessaly::parser::test
