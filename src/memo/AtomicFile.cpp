#include "memo/AtomicFile.h"

#include "memo/MemoErrors.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <ostream>
#include <streambuf>
#include <sys/stat.h>
#include <unistd.h>

namespace tessaly::memo {

namespace fs = std::filesystem;

namespace {

// A stream buffer over a file descriptor that remembers the first write error.
class FdBuf : public std::streambuf {
public:
    explicit FdBuf(int fd) : fd_(fd) { setp(buf_, buf_ + sizeof buf_); }
    bool failed() const { return failed_; }
    int error() const { return errno_; }
    bool flushAll() { return sync() == 0; }

protected:
    int_type overflow(int_type ch) override
    {
        if (sync() != 0)
            return traits_type::eof();
        if (!traits_type::eq_int_type(ch, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(ch);
            pbump(1);
        }
        return traits_type::not_eof(ch);
    }
    int sync() override
    {
        const char* p = pbase();
        while (p < pptr()) {
            const ssize_t n = ::write(fd_, p, static_cast<std::size_t>(pptr() - p));
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                failed_ = true;
                errno_ = errno;
                return -1;
            }
            p += n;
        }
        setp(buf_, buf_ + sizeof buf_);
        return 0;
    }

private:
    int fd_;
    char buf_[1 << 16];
    bool failed_ = false;
    int errno_ = 0;
};

fs::path resolveTarget(const fs::path& file)
{
    fs::path p = file;
    std::error_code ec;
    for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(p, ec)); ++hops) {
        const fs::path link = fs::read_symlink(p, ec);
        if (ec)
            break;
        p = link.is_absolute() ? link : p.parent_path() / link;
    }
    return p;
}

[[noreturn]] void fail(const fs::path& file, const std::string& why)
{
    throw EFCreateError("Cannot create file \"" + file.string() + "\". " + why);
}

} // namespace

void writeFileAtomically(const fs::path& file, const std::function<void(std::ostream&)>& write)
{
    const fs::path target = resolveTarget(file);
    // The rename below needs only the folder's write permission, so it would
    // replace a file the user may not write. Ask as the user (the effective
    // ids) whether the file itself may be written before anything is made.
    if (::faccessat(AT_FDCWD, target.c_str(), F_OK, AT_EACCESS) == 0
        && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
        const int why = errno;
        throw EFWriteDenied("Cannot create file \"" + file.string() + "\". " + std::strerror(why));
    }
    fs::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    std::string tmpl = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0)
        fail(file, std::strerror(errno));
    const fs::path tmp = tmpl;

    struct stat st {};
    mode_t mode = 0;
    if (::stat(target.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }

    std::string error;
    try {
        FdBuf buf(fd);
        std::ostream out(&buf);
        write(out);
        out.flush();
        if (buf.failed() || !buf.flushAll() || !out)
            error = std::strerror(buf.error() ? buf.error() : EIO);
        else if (::fchmod(fd, mode) != 0 || ::fsync(fd) != 0)
            error = std::strerror(errno);
    } catch (const std::exception& e) {
        error = e.what();
    }
    if (::close(fd) != 0 && error.empty())
        error = std::strerror(errno);
    if (error.empty() && ::rename(tmp.c_str(), target.c_str()) != 0)
        error = std::strerror(errno);
    if (!error.empty()) {
        ::unlink(tmp.c_str());
        fail(file, error);
    }
}

} // namespace tessaly::memo
