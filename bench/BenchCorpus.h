#pragma once

// The large page file that benchmarks load: built once with the corpus's
// make-big.sh and kept in the temporary folder.
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>

namespace tessaly::bench {

inline std::filesystem::path bigCorpus(int megabytes)
{
    namespace fs = std::filesystem;
    const fs::path file = fs::temp_directory_path() / ("tessaly-corpus-" + std::to_string(megabytes) + "mb.html");
    if (!fs::exists(file)) {
        const std::string cmd = "bash '" TESSALY_SHARED_DIR "/corpus/make-big.sh' " + std::to_string(megabytes) + " '"
            + file.string() + "' >/dev/null";
        if (std::system(cmd.c_str()) != 0)
            return {};
    }
    return file;
}

// Resident and peak resident memory of this process in bytes.
struct Memory {
    long resident = 0;
    long peak = 0;
};
inline Memory memoryNow()
{
    Memory m;
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            m.resident = std::stol(line.substr(6)) * 1024;
        else if (line.rfind("VmHWM:", 0) == 0)
            m.peak = std::stol(line.substr(6)) * 1024;
    }
    return m;
}

// CPU time this thread has used, in seconds: on a shared machine a better
// measure of work than the wall clock, which counts waiting for a core.
inline double threadCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Resets the peak to the current resident size.
inline void resetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

} // namespace tessaly::bench
