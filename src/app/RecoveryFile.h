#pragma once

#include "memo/TextFormat.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tessaly::app {

// One modified document as a recovery file keeps it, so that a crash, a
// killed process or a logout loses nothing: the text as the editor holds it
// (a line break is one CR), the document's name (empty for an untitled
// one), its language and caret, its encoding and line-break style, when it was written, and the process that
// wrote it (a file of a process still running is not an orphan).
struct TRecoveryRecord {
    std::string name;
    int language = 2;
    std::int64_t caret = 0;
    std::int64_t savedAt = 0; // seconds since the epoch
    std::int64_t pid = 0;
    std::string text;
    // How the document's file is written; files of older versions have none
    // and restore as UTF-8 with CR LF.
    memo::TTextFormat format;
    std::filesystem::path file; // where it was read from
};

// $XDG_STATE_HOME/tessaly/recovery/, else ~/.local/state/tessaly/recovery/.
std::filesystem::path recoveryFolder();

// The file's bytes: a header of key=value lines, an empty line, the text.
std::string encodeRecovery(const TRecoveryRecord& r);
// Nothing when the bytes are not a complete recovery file.
std::optional<TRecoveryRecord> decodeRecovery(const std::string& bytes);

// Writes the bytes to a temporary file in the same folder, flushes it to
// disk and renames it over the target, so a reader never sees half a file.
bool writeRecoveryFile(const std::filesystem::path& target, const std::string& bytes);

// The recovery files in folder left by processes that are no longer running,
// oldest first. Unreadable or damaged files are left out (and left alone).
std::vector<TRecoveryRecord> orphanRecoveryFiles(const std::filesystem::path& folder);

} // namespace tessaly::app
