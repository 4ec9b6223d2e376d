#pragma once

#include <filesystem>
#include <string_view>

namespace tessaly::platform {

// Replaces the file's contents with data: the bytes go to a temporary file
// in the same folder, which is flushed to disk and renamed over the file, so
// readers see the old contents or the new ones, never a mix. The folder is
// created when missing; the file keeps its permission bits. Returns false
// (and leaves the old file whole) when any step fails.
bool writeFileAtomically(const std::filesystem::path& file, std::string_view data);

} // namespace tessaly::platform
