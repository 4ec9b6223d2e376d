#include "app/RecoveryFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

namespace tessaly::app {

namespace {

constexpr const char* kMagic = "TESSALY-RECOVERY 1";

bool processRunning(std::int64_t pid)
{
    if (pid <= 0)
        return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

} // namespace

std::filesystem::path recoveryFolder()
{
    if (const char* state = std::getenv("XDG_STATE_HOME"); state && *state)
        return std::filesystem::path(state) / "tessaly" / "recovery";
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::filesystem::path(home) / ".local" / "state" / "tessaly" / "recovery";
    return std::filesystem::temp_directory_path() / "tessaly-recovery";
}

std::string encodeRecovery(const TRecoveryRecord& r)
{
    std::string name = r.name;
    std::replace(name.begin(), name.end(), '\n', ' ');
    std::ostringstream out;
    out << kMagic << '\n'
        << "name=" << name << '\n'
        << "language=" << r.language << '\n'
        << "caret=" << r.caret << '\n'
        << "time=" << r.savedAt << '\n'
        << "pid=" << r.pid << '\n'
        << "encoding=" << memo::encodingKey(r.format.encoding) << '\n'
        << "lineend=" << memo::lineEndKey(r.format.lineEnd) << '\n'
        << "mixed=" << (r.format.mixedLineEnds ? 1 : 0) << '\n'
        << "controls=" << (r.format.controlPictures ? 1 : 0) << '\n'
        << "length=" << r.text.size() << "\n\n";
    std::string bytes = out.str();
    bytes += r.text;
    return bytes;
}

std::optional<TRecoveryRecord> decodeRecovery(const std::string& bytes)
{
    const std::string magic = std::string(kMagic) + '\n';
    if (bytes.compare(0, magic.size(), magic) != 0)
        return std::nullopt;
    const std::size_t end = bytes.find("\n\n", magic.size() - 1);
    if (end == std::string::npos)
        return std::nullopt;
    TRecoveryRecord r;
    std::int64_t length = -1;
    std::istringstream header(bytes.substr(magic.size(), end - magic.size()));
    std::string line;
    try {
        while (std::getline(header, line)) {
            const std::size_t eq = line.find('=');
            if (eq == std::string::npos)
                return std::nullopt;
            const std::string key = line.substr(0, eq);
            const std::string value = line.substr(eq + 1);
            if (key == "name")
                r.name = value;
            else if (key == "language")
                r.language = std::stoi(value);
            else if (key == "caret")
                r.caret = std::stoll(value);
            else if (key == "time")
                r.savedAt = std::stoll(value);
            else if (key == "pid")
                r.pid = std::stoll(value);
            else if (key == "length")
                length = std::stoll(value);
            else if (key == "encoding")
                r.format.encoding = memo::encodingFromKey(value).value_or(memo::TEncoding::utf8);
            else if (key == "lineend")
                r.format.lineEnd = memo::lineEndFromKey(value).value_or(memo::TLineEnd::crlf);
            else if (key == "mixed")
                r.format.mixedLineEnds = value == "1";
            else if (key == "controls")
                r.format.controlPictures = value == "1";
        }
    } catch (const std::exception&) {
        return std::nullopt;
    }
    const std::size_t textStart = end + 2;
    if (length < 0 || bytes.size() - textStart != static_cast<std::size_t>(length))
        return std::nullopt;
    if (r.language < 1 || r.language > 4)
        r.language = 2;
    r.caret = std::clamp<std::int64_t>(r.caret, 0, length);
    r.text = bytes.substr(textStart);
    return r;
}

bool writeRecoveryFile(const std::filesystem::path& target, const std::string& bytes)
{
    std::error_code ec;
    std::filesystem::create_directories(target.parent_path(), ec);
    const std::string temp = target.string() + ".part";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    std::size_t done = 0;
    bool ok = true;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (!ok || std::rename(temp.c_str(), target.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

std::vector<TRecoveryRecord> orphanRecoveryFiles(const std::filesystem::path& folder)
{
    std::vector<TRecoveryRecord> found;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        if (!entry.is_regular_file(ec) || entry.path().extension() != ".recovery")
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        auto r = decodeRecovery(bytes.str());
        if (!r || processRunning(r->pid))
            continue;
        r->file = entry.path();
        found.push_back(std::move(*r));
    }
    std::sort(found.begin(), found.end(),
              [](const TRecoveryRecord& a, const TRecoveryRecord& b) { return a.savedAt < b.savedAt; });
    return found;
}

} // namespace tessaly::app
