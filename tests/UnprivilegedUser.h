#pragma once

// Runs a stretch of a test with the rights of an ordinary user. Root may
// write any file, so a test that checks what happens to a file the user may
// not write would prove nothing as root: there the effective user and group
// become "nobody" (65534) for the helper's lifetime and are restored after.
// The real ids stay root, which is what allows the way back. As any other
// user the test already has ordinary rights and nothing changes.
#include <sys/types.h>
#include <unistd.h>

#include <stdexcept>

namespace tessaly::test {

class TUnprivilegedUser {
public:
    static constexpr uid_t kNobody = 65534;

    TUnprivilegedUser()
    {
        if (::geteuid() != 0)
            return;
        if (::setegid(kNobody) != 0 || ::seteuid(kNobody) != 0)
            throw std::runtime_error("cannot take the rights of user nobody");
        switched_ = true;
    }
    ~TUnprivilegedUser()
    {
        if (switched_) {
            [[maybe_unused]] const int u = ::seteuid(0);
            [[maybe_unused]] const int g = ::setegid(0);
        }
    }
    TUnprivilegedUser(const TUnprivilegedUser&) = delete;
    TUnprivilegedUser& operator=(const TUnprivilegedUser&) = delete;

    // The ids under which files the user owns are made: the running user's,
    // or nobody's when the test runs as root.
    static uid_t uid() { return ::geteuid() == 0 ? kNobody : ::geteuid(); }
    static gid_t gid() { return ::getegid() == 0 ? kNobody : ::getegid(); }

private:
    bool switched_ = false;
};

} // namespace tessaly::test
