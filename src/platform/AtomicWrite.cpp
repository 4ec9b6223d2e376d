#include "platform/AtomicWrite.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace tessaly::platform {

namespace fs = std::filesystem;

bool writeFileAtomically(const fs::path& link, std::string_view data)
{
    std::error_code ec;
    // A symbolic link stays a link: the file it points at is replaced.
    fs::path file = link;
    if (fs::is_symlink(fs::symlink_status(link, ec))) {
        const fs::path target = fs::weakly_canonical(link, ec);
        if (!ec)
            file = target;
    }
    fs::path folder = file.parent_path();
    if (folder.empty())
        folder = ".";
    fs::create_directories(folder, ec);

    std::string tmpl = (folder / ("." + file.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0)
        return false;

    mode_t mode = 0;
    struct stat st {};
    if (::stat(file.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }

    bool ok = true;
    const char* p = data.data();
    std::size_t left = data.size();
    while (ok && left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ok = false;
        } else {
            p += n;
            left -= static_cast<std::size_t>(n);
        }
    }
    ok = ok && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(tmpl.c_str(), file.c_str()) == 0;
    if (!ok)
        ::unlink(tmpl.c_str());
    return ok;
}

} // namespace tessaly::platform
