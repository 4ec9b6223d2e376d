// Feeds arbitrary text to the definition-script compiler: it must either
// compile or fail with ECompileError, never crash, hang or leak. A compiled
// result must also survive the stored-form round trip.
#include "parser/ParserForm.h"
#include "parser/ScriptCompiler.h"
#include "parser/TableStream.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tessaly::parser;
    const std::string script(reinterpret_cast<const char*>(data), size);
    TSM_ParserTables tables;
    try {
        // No folder: #include finds nothing, so the fuzzer stays off the disk.
        compileScript(script, "/nonexistent-fuzz-folder", tables);
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
