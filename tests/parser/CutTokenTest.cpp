// A scan that stops at arbitrary places, its state saved and taken up by
// another parser, gives the values of one straight scan, even where a long
// token (a comment running to the end of a line with no line break) is cut
// in the middle; and typing inside such a token re-scans about a record.
#include "BuiltinTestSupport.h"

#include <random>
#include <sstream>

namespace tessaly::parser::test {
namespace {

// Markup and script with the line breaks taken out: a line comment runs to
// the end of the text, block comments and strings run over many pieces.
std::string oneLine(std::size_t size, const char* opening)
{
    std::string s = opening;
    while (s.size() < size)
        s += "var a=b+1;if(a<2){f(\"s\",'t');}/* c ** / */<b>x</b> <!-- n --> http://x.org/ '' rem x ";
    return s;
}

// The same without quotes: a string or a line comment opened at the start
// runs to the end of the text, over runs of "-" that do not close it.
std::string quoteless(std::size_t size, const char* opening)
{
    std::string s = opening;
    while (s.size() < size)
        s += "var a=b+1;if(a<2){f(x);} -- b --- c -> <b>x</b> http://x.org/ rem x ";
    return s;
}

// Scans text in pieces ending at random places; between pieces the state
// goes through saveState into a fresh parser, as the editor resumes a scan.
std::string scanInPieces(BuiltinLanguage language, const std::string& text, unsigned seed, int& pieces)
{
    std::mt19937 rng(seed);
    memo::TSyntaxMemo editor;
    memo::TStringStream s(text);
    std::string values, state;
    // Two parsers take turns, so no state survives in a parser between pieces.
    auto p = builtinParser(language);
    auto other = builtinParser(language);
    p->resumeAt(0);
    std::int64_t pos = 0;
    const std::int64_t total = static_cast<std::int64_t>(text.size());
    while (pos < total) {
        const std::int64_t until = pos + 1 + static_cast<std::int64_t>(rng() % 700);
        pos = p->scanTo(editor, s, until, values);
        ++pieces;
        if (pos < total && p->saveState(state)) {
            std::swap(p, other);
            p->resumeAt(0);
            p->restoreState(state);
            s.setPosition(pos);
        }
    }
    return values;
}

TEST(CutToken, ScansInPiecesEqualAStraightScan)
{
    for (const BuiltinLanguage language : {BuiltinLanguage::HTML, BuiltinLanguage::JavaScript,
                                           BuiltinLanguage::VBScript, BuiltinLanguage::PlainText}) {
        for (const char* opening : {"", "x // ", "/* ", "<!-- ", "<script>//", "<script>/*"}) {
            const std::string text = oneLine(60'000, opening);
            auto straight = builtinParser(language);
            const TScan whole = scanText(*straight, text);
            int pieces = 0;
            const std::string values = scanInPieces(language, text, 3, pieces);
            EXPECT_EQ(values, std::string(whole.values.begin(), whole.values.end()))
                << "language " << static_cast<int>(language) << " opening \"" << opening << '"';
            // A comment over the whole text stops each scan where it was asked to.
            if (language == BuiltinLanguage::JavaScript && opening == std::string_view("x // ")) {
                EXPECT_GT(pieces, 100);
            }
        }
    }
}

// Strings and line comments read by the scanner's own handlers are cut and
// taken up again as well.
TEST(CutToken, HandlerTokensScannedInPiecesEqualAStraightScan)
{
    for (const BuiltinLanguage language : {BuiltinLanguage::HTML, BuiltinLanguage::JavaScript,
                                           BuiltinLanguage::VBScript}) {
        for (const char* opening : {"<p title=\"", "<p title='", "<script>x // ", "<script>s = \"", "<script>s = '",
                                    "x // ", "s = \"", "s = '", "<script>x //--", "x // -"}) {
            const std::string text = quoteless(30'000, opening);
            auto straight = builtinParser(language);
            const TScan whole = scanText(*straight, text);
            for (unsigned seed : {3u, 4u}) {
                int pieces = 0;
                const std::string values = scanInPieces(language, text, seed, pieces);
                ASSERT_EQ(values, std::string(whole.values.begin(), whole.values.end()))
                    << "language " << static_cast<int>(language) << " opening \"" << opening << "\" seed " << seed;
            }
        }
    }
}

// A comment that runs from near the start of one long line to its end:
// every key typed inside it re-scans a record or two, and the values stay
// those of a straight scan, also after keys that end the comment.
TEST(BoundedScan, TypingInsideACommentOverALongLineScansLittle)
{
    for (const char* opening : {"var q; // ", "var q; /* "}) {
        auto p = builtinParser(BuiltinLanguage::JavaScript);
        memo::TSyntaxMemo m;
        m.setParser(1, p.get());
        m.setActiveParser(1);
        std::istringstream in(oneLine(1'000'000, opening));
        m.loadFromStream(in);
        std::mt19937 rng(5);
        for (int i = 0; i < 30; ++i) {
            const std::int64_t at = 20 + static_cast<std::int64_t>(rng() % static_cast<unsigned>(m.textLength() - 20));
            m.setSelStart(at);
            const std::int64_t before = m.scannedCharacters();
            m.typeChar(i % 2 ? 'q' : ' ');
            EXPECT_LT(m.scannedCharacters() - before, 3 * memo::kMaxRecordLength) << opening << "typing at " << at;
        }
        auto straight = builtinParser(BuiltinLanguage::JavaScript);
        std::string kept;
        for (const auto& r : editorValues(m))
            kept += r;
        const TScan whole = scanText(*straight, m.textRange(0, m.textLength()));
        ASSERT_EQ(kept, std::string(whole.values.begin(), whole.values.end())) << opening;
        // Ending the comment far from its start changes the rest of the line.
        m.setSelStart(m.textLength() / 2);
        m.typeChar('*');
        m.typeChar('/');
        m.typeChar('\r');
        kept.clear();
        for (const auto& r : editorValues(m))
            kept += r;
        const TScan after = scanText(*straight, m.textRange(0, m.textLength()));
        EXPECT_EQ(kept, std::string(after.values.begin(), after.values.end())) << opening;
    }
}

// A string or a script's line comment over a long line of a page: keys
// typed inside re-scan a record or two, also while every token is told to
// a listener, and the values stay those of a straight scan.
TEST(BoundedScan, TypingInsideAStringOverALongLineScansLittle)
{
    struct Case {
        const char* opening;
        bool listening;
    };
    for (const auto& [opening, listening] : {Case{"<p title=\"", false}, Case{"<p title='", false},
                                             Case{"<script>x // ", false}, Case{"<script>s = '", false},
                                             Case{"<script>x // ", true}, Case{"<p title=\"", true}}) {
        auto p = builtinParser(BuiltinLanguage::HTML);
        memo::TSyntaxMemo m;
        int told = 0;
        if (listening)
            m.onTokenSeen = [&told](memo::TSyntaxMemo&, memo::TTokenSeen, std::int64_t, std::int64_t, std::uint8_t) {
                ++told;
            };
        m.setParser(1, p.get());
        m.setActiveParser(1);
        std::istringstream in(quoteless(400'000, opening));
        m.loadFromStream(in);
        std::mt19937 rng(6);
        for (int i = 0; i < 20; ++i) {
            const std::int64_t at = 20 + static_cast<std::int64_t>(rng() % static_cast<unsigned>(m.textLength() - 20));
            m.setSelStart(at);
            const std::int64_t before = m.scannedCharacters();
            m.typeChar(i % 2 ? 'q' : '-');
            EXPECT_LT(m.scannedCharacters() - before, 3 * memo::kMaxRecordLength) << opening << "typing at " << at;
        }
        auto straight = builtinParser(BuiltinLanguage::HTML);
        std::string kept;
        for (const auto& r : editorValues(m))
            kept += r;
        const TScan whole = scanText(*straight, m.textRange(0, m.textLength()));
        ASSERT_EQ(kept, std::string(whole.values.begin(), whole.values.end())) << opening;
        EXPECT_EQ(told > 0, listening);
    }
}

} // namespace
} // namespace tessaly::parser::test
