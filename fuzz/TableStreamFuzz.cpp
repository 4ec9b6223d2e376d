// Feeds arbitrary bytes to the table-stream reader and to the stored-form
// reader: they must either read or fail with their exception, never crash or
// allocate beyond what the input can hold. What reads must write back to the
// same stream.
#include "parser/ParserForm.h"
#include "parser/StreamIO.h"
#include "parser/TableStream.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tessaly::parser;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    TSM_ParserTables tables;
    try {
        readTableStream(bytes, tables);
        TSM_ParserTables again;
        readTableStream(writeTableStream(tables), again);
        if (writeTableStream(again) != writeTableStream(tables))
            std::abort();
    } catch (const ETableStream&) {
    }
    try {
        readParserForm(bytes, tables);
    } catch (const EParserForm&) {
    } catch (const EParserVersion&) {
    }
    return 0;
}
