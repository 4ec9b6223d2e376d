#pragma once

#include <filesystem>
#include <functional>
#include <iosfwd>

namespace tessaly::memo {

// Writes a file through the atomic writer of the platform layer
// (platform/AtomicWrite.h) so that a failure never leaves it half written: the
// content goes to a temporary file in the target's folder, is flushed to disk,
// takes the target's permissions and is renamed over the target. A symlink is
// followed, so the link stays and its target is replaced. On failure the
// temporary file is removed, the old file is untouched, and EFCreateError is
// thrown naming the file. An existing file that the user may not write is
// never replaced: EFWriteDenied is thrown before anything is written.
void writeFileAtomically(const std::filesystem::path& file, const std::function<void(std::ostream&)>& write);

} // namespace tessaly::memo
