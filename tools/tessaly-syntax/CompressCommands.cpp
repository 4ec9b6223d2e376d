#include "CompressCommands.h"

#include "parser/compress/Compressor.h"
#include "parser/compress/CompressorException.h"

#include <exception>
#include <iostream>
#include <optional>

namespace tessaly::tools {

namespace {

using parser::TCompressor;

std::optional<TCompressor::Method> methodNamed(const std::string& name)
{
    if (name == "block")
        return TCompressor::Method::block;
    if (name == "lzhuf")
        return TCompressor::Method::lzhuf;
    if (name == "auto")
        return TCompressor::Method::sample;
    return std::nullopt;
}

// Runs the compressor over two files; a failure names the input file and
// gives the compressor's message (the output file is already removed).
int runOnFiles(bool compress, TCompressor::Method method, const std::string& in,
    const std::string& out)
{
    TCompressor compressor;
    compressor.setMethod(method);
    compressor.setInputFile(in);
    compressor.setOutputFile(out);
    try {
        if (compress)
            compressor.compress();
        else
            compressor.decompress();
    } catch (const std::exception& e) {
        std::cerr << "tessaly-syntax: " << in << ": " << e.what() << '\n';
        return 1;
    }
    return 0;
}

int compressCommand(const std::vector<std::string>& args)
{
    TCompressor::Method method = TCompressor::Method::block;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::string value;
        if (arg == "--method" && i + 1 < args.size())
            value = args[++i];
        else if (arg.rfind("--method=", 0) == 0)
            value = arg.substr(9);
        else if (arg.rfind("--", 0) == 0) {
            std::cerr << "tessaly-syntax: compress: unknown option '" << arg << "'\n";
            return 1;
        } else {
            files.push_back(arg);
            continue;
        }
        const auto named = methodNamed(value);
        if (!named) {
            std::cerr << "tessaly-syntax: compress: unknown method '" << value
                      << "' (block, lzhuf or auto)\n";
            return 1;
        }
        method = *named;
    }
    if (files.size() != 2) {
        std::cerr << "tessaly-syntax: compress: expected IN and OUT\n";
        return 1;
    }
    return runOnFiles(true, method, files[0], files[1]);
}

int decompressCommand(const std::vector<std::string>& args)
{
    if (args.size() != 2) {
        std::cerr << "tessaly-syntax: decompress: expected IN and OUT\n";
        return 1;
    }
    return runOnFiles(false, TCompressor::Method::block, args[0], args[1]);
}

} // namespace

void addCompressCommands(std::vector<Command>& commands)
{
    commands.push_back({"compress", "[--method block|lzhuf|auto] IN OUT", compressCommand});
    commands.push_back({"decompress", "IN OUT", decompressCommand});
}

} // namespace tessaly::tools
