#include "parser/Compressor.h"

#include "parser/CompressorException.h"
#include "parser/CompressorStreams.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <new>
#include <sstream>

namespace tessaly::parser {

namespace {

namespace msg = compressor_messages;

enum class Direction { compress, decompress };

// Runs one direction over the configured streams or files. With an output
// file, any failure closes and deletes it before the exception goes on.
void run(Direction direction, TCompressor::Method method, int threshold,
    std::istream* inputStream, std::ostream* outputStream, const std::string& inputFile,
    const std::string& outputFile)
{
    std::ifstream inFile;
    std::istream* in = inputStream;
    if (!inputFile.empty()) {
        inFile.open(inputFile, std::ios::binary);
        if (!inFile)
            throw ECompressorException(msg::kOpenInputFile + inputFile);
        in = &inFile;
    } else if (in == nullptr || !*in) {
        throw ECompressorException(msg::kInitInputStream);
    }

    std::ofstream outFile;
    std::ostream* out = outputStream;
    if (!outputFile.empty()) {
        // Opening the output truncates it: refuse to do that to the input.
        std::error_code ec;
        if (!inputFile.empty() && std::filesystem::equivalent(inputFile, outputFile, ec))
            throw ECompressorException(msg::kOpenOutputFile + outputFile);
        outFile.open(outputFile, std::ios::binary | std::ios::trunc);
        if (!outFile)
            throw ECompressorException(msg::kOpenOutputFile + outputFile);
        out = &outFile;
    } else if (out == nullptr || !*out) {
        throw ECompressorException(msg::kInitOutputStream);
    }

    container::Channel io{*in, *out,
        inputFile.empty() ? std::string(msg::kReadStream) : msg::kReadFile + inputFile,
        outputFile.empty() ? std::string(msg::kWriteStream) : msg::kWriteFile + outputFile};
    try {
        try {
            if (direction == Direction::compress) {
                if (method == TCompressor::Method::sample)
                    method = TCompressor::adviseMethod(*in, threshold);
                container::compress(io, method);
            } else {
                container::decompress(io);
            }
        } catch (const std::bad_alloc&) {
            throw ECompressorException(msg::kNoMemory);
        }
        if (!outputFile.empty()) {
            outFile.close();
            if (!outFile)
                throw ECompressorException(io.writeError);
        } else {
            out->flush();
            if (!*out)
                throw ECompressorException(io.writeError);
        }
    } catch (...) {
        if (!outputFile.empty()) {
            outFile.close();
            std::remove(outputFile.c_str());
        }
        throw;
    }
}

} // namespace

void TCompressor::compress()
{
    run(Direction::compress, method_, threshold_, input_, output_, inputFile_, outputFile_);
}

void TCompressor::decompress()
{
    run(Direction::decompress, method_, threshold_, input_, output_, inputFile_, outputFile_);
}

std::string TCompressor::compressBytes(std::string_view data, Method method)
{
    std::istringstream in{std::string(data)};
    std::ostringstream out;
    TCompressor compressor;
    compressor.setMethod(method);
    compressor.setInputStream(&in);
    compressor.setOutputStream(&out);
    compressor.compress();
    return std::move(out).str();
}

std::string TCompressor::decompressBytes(std::string_view container, std::size_t* consumed)
{
    std::istringstream in{std::string(container)};
    std::ostringstream out;
    TCompressor compressor;
    compressor.setInputStream(&in);
    compressor.setOutputStream(&out);
    compressor.decompress();
    if (consumed != nullptr) {
        in.clear();
        const auto at = in.tellg();
        *consumed = at == std::istream::pos_type(-1) ? container.size() : static_cast<std::size_t>(at);
    }
    return std::move(out).str();
}

} // namespace tessaly::parser
