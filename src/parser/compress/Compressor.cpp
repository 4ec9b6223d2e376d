#include "parser/compress/Compressor.h"

#include "parser/compress/CompressorException.h"
#include "parser/compress/CompressorStreams.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <new>
#include <sstream>

namespace tessaly::parser {

namespace msg = compressor_messages;

// With an output file, any failure closes and deletes it before the
// exception goes on.
void TCompressor::run(bool compressing) const
{
    std::ifstream inFile;
    std::istream* in = input_;
    if (!inputFile_.empty()) {
        inFile.open(inputFile_, std::ios::binary);
        if (!inFile)
            throw ECompressorException(msg::kOpenInputFile + inputFile_);
        in = &inFile;
    } else if (in == nullptr || !*in) {
        throw ECompressorException(msg::kInitInputStream);
    }

    std::ofstream outFile;
    std::ostream* out = output_;
    if (!outputFile_.empty()) {
        // Opening the output truncates it: refuse to do that to the input.
        std::error_code ec;
        if (!inputFile_.empty() && std::filesystem::equivalent(inputFile_, outputFile_, ec))
            throw ECompressorException(msg::kOpenOutputFile + outputFile_);
        outFile.open(outputFile_, std::ios::binary | std::ios::trunc);
        if (!outFile)
            throw ECompressorException(msg::kOpenOutputFile + outputFile_);
        out = &outFile;
    } else if (out == nullptr || !*out) {
        throw ECompressorException(msg::kInitOutputStream);
    }

    container::Channel io{*in, *out,
        inputFile_.empty() ? std::string(msg::kReadStream) : msg::kReadFile + inputFile_,
        outputFile_.empty() ? std::string(msg::kWriteStream) : msg::kWriteFile + outputFile_};
    try {
        try {
            if (compressing) {
                const Method method = method_ == Method::sample ? adviseMethod(*in, threshold_) : method_;
                container::compress(io, method);
            } else {
                container::decompress(io);
            }
        } catch (const std::bad_alloc&) {
            throw ECompressorException(msg::kNoMemory);
        }
        if (!outputFile_.empty()) {
            outFile.close();
            if (!outFile)
                throw ECompressorException(io.writeError);
        } else {
            out->flush();
            if (!*out)
                throw ECompressorException(io.writeError);
        }
    } catch (...) {
        if (!outputFile_.empty()) {
            outFile.close();
            std::remove(outputFile_.c_str());
        }
        throw;
    }
}

void TCompressor::compress()
{
    run(true);
}

void TCompressor::decompress()
{
    run(false);
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
