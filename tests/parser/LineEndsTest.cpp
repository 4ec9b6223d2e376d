// Definition scripts read the same whatever their line ends: CR LF as
// written on one system, LF as saved on Linux, CR alone.
#include "ScriptTestSupport.h"

#include "parser/TableDump.h"

#include <fstream>
#include <sstream>

namespace tessaly::parser::test {
namespace {

namespace fs = std::filesystem;

enum class Ends { crlf, lf, cr };

// The text with every line end (CR LF, CR or LF) written the given way.
std::string withEnds(const std::string& text, Ends ends)
{
    const char* eol = ends == Ends::crlf ? "\r\n" : ends == Ends::lf ? "\n" : "\r";
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            out += eol;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string readAll(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// The definition scripts of the program, copied with other line ends (the
// included files too), compile to the same tables.
TEST(ScriptLineEnds, BuiltinScriptsCompileToTheSameTables)
{
    const fs::path source = fs::path(TESSALY_SOURCE_DIR) / "data" / "syntax";
    int compared = 0;
    for (const auto& entry : fs::directory_iterator(source)) {
        if (entry.path().extension() != ".syn")
            continue;
        std::string reference;
        for (Ends ends : {Ends::crlf, Ends::lf, Ends::cr}) {
            const fs::path folder = freshFolder("line-ends-" + std::to_string(int(ends)));
            for (const auto& f : fs::directory_iterator(source))
                std::ofstream(folder / f.path().filename(), std::ios::binary) << withEnds(readAll(f.path()), ends);
            TSM_ParserTables tables;
            compileScript(readAll(folder / entry.path().filename()), folder, tables);
            const std::string dump = dumpTables(tables);
            if (ends == Ends::crlf)
                reference = dump;
            else
                EXPECT_EQ(dump, reference) << entry.path().filename() << " with line ends " << int(ends);
        }
        ++compared;
    }
    EXPECT_GE(compared, 3);
}

// What follows a // comment is read, and an error after it names its own
// line, with any of the three line ends.
TEST(ScriptLineEnds, CommentsEndAtEveryKindOfLineEnd)
{
    const std::string script = "// a comment\n%%language // another\n  name = 'x'\n\n  bogus = 1\n";
    for (Ends ends : {Ends::crlf, Ends::lf, Ends::cr}) {
        std::optional<ECompileError> e;
        TSM_ParserTables tables;
        try {
            compileScript(withEnds(script, ends), {}, tables);
        } catch (const ECompileError& error) {
            e = error;
        }
        ASSERT_TRUE(e.has_value()) << int(ends);
        EXPECT_EQ(e->line(), 5) << int(ends);
        EXPECT_EQ(e->column(), 3) << int(ends);
        TSM_ParserTables good;
        compileScript(withEnds("// a comment\n%%language // another\n  name = 'x'\n", ends), {}, good);
        EXPECT_EQ(good.settings.languageName, "x") << int(ends);
    }
}

// Mixed line ends in one file count one line each; the LF of a CR LF pair
// ends no second line.
TEST(ScriptLineEnds, MixedLineEndsCountOneLineEach)
{
    std::optional<ECompileError> e;
    try {
        TSM_ParserTables tables;
        compileScript("%%language\r\n\n\r  name = 5", {}, tables);
    } catch (const ECompileError& error) {
        e = error;
    }
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->line(), 4);
    EXPECT_EQ(e->column(), 10);
}

} // namespace
} // namespace tessaly::parser::test
