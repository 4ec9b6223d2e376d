// Feeds arbitrary text to the definition-script compiler: it must either
// compile or fail with ECompileError, never crash, hang or leak. A compiled
// result must also survive the stored-form round trip. #include names resolve
// in a small folder made at start: files that define macros, include each
// other or themselves, an empty file and a folder.
#include "parser/ParserForm.h"
#include "parser/compiler/ScriptCompiler.h"
#include "parser/TableStream.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::filesystem::path includeFolder;

void write(const std::filesystem::path& file, const std::string& text)
{
    std::ofstream(file, std::ios::binary) << text;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    namespace fs = std::filesystem;
    includeFolder = fs::temp_directory_path() / "tessaly-fuzz-include";
    fs::create_directories(includeFolder / "sub");
    fs::create_directories(includeFolder / "dir.inc");
    write(includeFolder / "a.inc", "#define A 1\r\n#define B A + A\r\n#define C B B\r\n");
    write(includeFolder / "b.inc", "#include \"a.inc\"\r\n#ifdef A\r\n#define D C\r\n#endif\r\n");
    write(includeFolder / "self.inc", "#include \"self.inc\"\r\n");
    write(includeFolder / "empty.inc", "");
    write(includeFolder / "words.inc", "%%words\r\n'if' 'then' 2\r\n");
    write(includeFolder / "sub" / "c.inc", "#include <../a.inc>\r\n#define E 'x'\r\n");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tessaly::parser;
    const std::string script(reinterpret_cast<const char*>(data), size);
    TSM_ParserTables tables;
    try {
        compileScript(script, includeFolder, tables);
    } catch (const ECompileError&) {
        return 0;
    }
    const std::string stream = writeTableStream(tables);
    TSM_ParserTables back;
    readTableStream(stream, back);
    if (writeTableStream(back) != stream)
        std::abort();
    return 0;
}
