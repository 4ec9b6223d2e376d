#include "platform/AtomicWrite.h"

#include <cerrno>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <ostream>
#include <streambuf>
#include <sys/stat.h>
#include <unistd.h>

namespace tessaly::platform {

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

// Follows a chain of symbolic links to the file that is to be replaced.
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

AtomicWriteResult failure(WriteOutcome outcome, std::string why)
{
    return AtomicWriteResult{outcome, std::move(why)};
}

} // namespace

AtomicWriteResult writeFileAtomically(
    const fs::path& file, const std::function<void(std::ostream&)>& write, AtomicWriteOptions options)
{
    const fs::path target = resolveTarget(file);
    // Ask as the user (the effective ids) whether the file itself may be
    // written before anything is made.
    if (options.refuseReadOnly && ::faccessat(AT_FDCWD, target.c_str(), F_OK, AT_EACCESS) == 0
        && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        return failure(WriteOutcome::denied, std::strerror(errno));
    fs::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    if (options.createFolder) {
        std::error_code ec;
        fs::create_directories(folder, ec);
    }
    std::string tmpl = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0)
        return failure(WriteOutcome::failed, std::strerror(errno));
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
        return failure(WriteOutcome::failed, std::move(error));
    }
    return {};
}

bool writeFileAtomically(const fs::path& file, std::string_view data)
{
    AtomicWriteOptions options;
    options.createFolder = true;
    return static_cast<bool>(writeFileAtomically(
        file, [data](std::ostream& out) { out.write(data.data(), static_cast<std::streamsize>(data.size())); },
        options));
}

} // namespace tessaly::platform
