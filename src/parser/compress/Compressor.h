#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>
#include <utility>

namespace tessaly::parser {

// Packs bytes into a compressed container and unpacks it again:
//
//   offset 0  4 bytes  method magic, "WRZL" (block method) or "!HZL" (LZHUF)
//   offset 4  4 bytes  uncompressed length, little-endian
//   offset 8  rest     block method: blocks, each a 2-byte little-endian
//                      length L and L bytes, ending with the first block that
//                      decodes to fewer than 32768 bytes; LZHUF: one bit stream
//
// The source and destination are streams or files; the file names, when set,
// take precedence. Compression reads from the input's current position to its
// end. Decompression detects the method from the magic; a block container is
// read exactly to its end, an LZHUF container to the end of the input.
// Failures raise ECompressorException; with files, a failed run closes and
// deletes the output file.
class TCompressor {
public:
    enum class Method { lzhuf = 0, block = 1, sample = 2 };
    static constexpr int kDefaultThreshold = 40;

    Method method() const { return method_; }
    void setMethod(Method method) { method_ = method; }
    // With Method::sample: the block method is used when sampled pieces code
    // to less than this percentage of their size.
    int threshold() const { return threshold_; }
    void setThreshold(int percent) { threshold_ = percent; }

    void setInputStream(std::istream* stream) { input_ = stream; }
    void setOutputStream(std::ostream* stream) { output_ = stream; }
    void setInputFile(std::string path) { inputFile_ = std::move(path); }
    void setOutputFile(std::string path) { outputFile_ = std::move(path); }

    void compress();
    void decompress();

    // The method Method::sample picks for `data` (lzhuf or block).
    static Method adviseMethod(std::string_view data, int threshold = kDefaultThreshold);
    // The same for the rest of a seekable stream, whose position is restored.
    static Method adviseMethod(std::istream& in, int threshold = kDefaultThreshold);

    // In-memory forms: compressBytes returns a whole container;
    // decompressBytes accepts one (trailing bytes after a block container are
    // ignored, and `consumed`, when given, receives the container's size).
    static std::string compressBytes(std::string_view data, Method method = Method::block);
    static std::string decompressBytes(std::string_view container, std::size_t* consumed = nullptr);

private:
    // Runs one direction over the configured streams or files.
    void run(bool compressing) const;

    Method method_ = Method::block;
    int threshold_ = kDefaultThreshold;
    std::istream* input_ = nullptr;
    std::ostream* output_ = nullptr;
    std::string inputFile_;
    std::string outputFile_;
};

} // namespace tessaly::parser
