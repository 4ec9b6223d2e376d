#pragma once

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

namespace tessaly::platform {

// How an atomic write ended.
enum class WriteOutcome {
    written, // the new contents are in place
    denied,  // an existing file the user may not write: nothing was made
    failed,  // some step failed: the old file is whole, the temporary removed
};

struct AtomicWriteResult {
    WriteOutcome outcome = WriteOutcome::written;
    std::string error; // why it failed (the system's text), empty when written
    explicit operator bool() const { return outcome == WriteOutcome::written; }
};

struct AtomicWriteOptions {
    // Make the target's folder (and its parents) when it is missing.
    bool createFolder = false;
    // Refuse to replace an existing file the user may not write. The rename
    // needs only the folder's write permission, so without this a read-only
    // file would be replaced.
    bool refuseReadOnly = false;
};

// Replaces the file's contents with what write puts into the stream: the
// bytes go to a temporary file in the target's folder, which is flushed to
// disk, takes the target's permission bits (or the umask's for a new file)
// and is renamed over the target, so readers see the old contents or the new
// ones, never a mix. A symbolic link stays a link: the file it points at is
// replaced. An exception thrown by write, or a failed stream, fails the write
// with the exception's text or the system's error. Uses only the standard
// library and POSIX, so the engine can link it without a display.
AtomicWriteResult writeFileAtomically(const std::filesystem::path& file,
    const std::function<void(std::ostream&)>& write, AtomicWriteOptions options = {});

// The same for a block of bytes, making the folder when missing. Returns
// false (and leaves the old file whole) when any step fails.
bool writeFileAtomically(const std::filesystem::path& file, std::string_view data);

} // namespace tessaly::platform
