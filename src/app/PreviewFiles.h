#pragma once

#include <QUrl>

#include <filesystem>
#include <string>
#include <string_view>

namespace tessaly::app {

// The two preview files, both in the program folder, overwritten without
// asking and never deleted.
inline constexpr const char* kPreviewFile = "~preview.html";
inline constexpr const char* kExternalPreviewFile = "~extprev.html";

// Written first in a preview file, so browsers read it as UTF-8.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Writes a preview file with the document's text as it stands (CR LF line
// breaks, UTF-8 after a byte order mark). Throws the editor's file error
// naming the file when it cannot be written.
void writePreviewFile(const std::filesystem::path& file, std::string_view text);

// The address a preview of a document stands for, against which its relative
// links and images resolve: the document's own file once it has one, else the
// preview file in the program folder.
QUrl previewAddress(bool untitled, const std::filesystem::path& document, const std::string& programFolder);

} // namespace tessaly::app
