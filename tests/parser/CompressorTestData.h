#pragma once

// Inputs shared by the compressor tests: files from the shared test data,
// corpus text and seeded random bytes.
#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace tessaly::parser::testdata {

inline std::string sharedPath(const std::string& relative)
{
    return std::string(TESSALY_SHARED_DIR) + "/" + relative;
}

inline std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Up to `size` bytes of corpus pages, in a fixed order; empty when the corpus
// is missing.
inline std::string corpusBytes(std::size_t size)
{
    namespace fs = std::filesystem;
    const fs::path root = sharedPath("corpus/html");
    std::error_code ec;
    if (!fs::is_directory(root, ec))
        return {};
    std::vector<fs::path> files;
    for (const auto& e : fs::recursive_directory_iterator(root, ec))
        if (e.is_regular_file() && (e.path().extension() == ".html" || e.path().extension() == ".htm"))
            files.push_back(e.path());
    std::sort(files.begin(), files.end());
    std::string out;
    for (const auto& f : files) {
        if (out.size() >= size)
            break;
        out += readFile(f.string());
    }
    out.resize(std::min(out.size(), size));
    return out;
}

inline std::string randomBytes(std::size_t size, unsigned seed, unsigned alphabet = 256)
{
    std::mt19937 rng(seed);
    std::string out(size, '\0');
    for (auto& c : out)
        c = static_cast<char>(rng() % alphabet);
    return out;
}

} // namespace tessaly::parser::testdata
