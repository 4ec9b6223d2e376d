#include "parser/ParserForm.h"

#include "parser/compress/Compressor.h"
#include "parser/compress/CompressorException.h"
#include "parser/ParserFormat.h"
#include "parser/StreamIO.h"
#include "parser/TableStream.h"

namespace tessaly::parser {

namespace {

// Table streams of real definitions are about 100 KB; anything claiming more
// than this is corrupt and is refused before any memory is set aside.
constexpr std::uint32_t kMaxTableStream = 64u << 20;

std::uint32_t readU32(std::string_view s, std::size_t at)
{
    const auto* p = reinterpret_cast<const unsigned char*>(s.data() + at);
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

} // namespace

EParserVersion::EParserVersion(const std::string& component, int version)
    : std::runtime_error(component + ": DFM file saved by different version of TSyntaxMemoParser.\n\r"
                                     "Recompile script to update DFM file.\n\rExpected version was " +
                         std::to_string(kParserFormatVersion) + " read version was " + std::to_string(version)),
      version_(version)
{
}

std::string writeParserForm(const TSM_ParserTables& tables, const std::string& component)
{
    try {
        const std::string stream = writeTableStream(tables);
        TableWriter w;
        w.word(kParserFormatVersion);
        w.integer(static_cast<std::int32_t>(stream.size()));
        w.raw(TCompressor::compressBytes(stream, TCompressor::Method::block));
        return w.take();
    } catch (const std::exception& e) {
        throw EParserForm(component + ": " + e.what());
    }
}

void readParserForm(std::string_view form, TSM_ParserTables& tables, const std::string& component)
{
    tables.clear();
    if (form.size() >= 2) {
        const int version = static_cast<unsigned char>(form[0]) | (static_cast<unsigned char>(form[1]) << 8);
        if (version != kParserFormatVersion)
            throw EParserVersion(component, version);
    }
    try {
        if (form.size() < 6 + 8)
            throw ETableStream("Stored parser data cut short");
        const std::uint32_t length = readU32(form, 2);
        const std::string_view container = form.substr(6);
        if (length > kMaxTableStream || readU32(container, 4) != length)
            throw ETableStream("Stored parser data has an impossible length");
        const std::string stream = TCompressor::decompressBytes(container);
        if (stream.size() != length)
            throw ETableStream("Stored parser data has the wrong length");
        readTableStream(stream, tables);
    } catch (const std::exception& e) {
        tables.clear();
        throw EParserForm(component + ": " + e.what());
    }
}

void assignTables(const TSM_ParserTables& from, TSM_ParserTables& to)
{
    if (&from == &to)
        return;
    readParserForm(writeParserForm(from), to);
}

} // namespace tessaly::parser
