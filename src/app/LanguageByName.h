#pragma once

#include <filesystem>

namespace tessaly::app {

// The language a file opens with, by its extension (case does not matter):
// 1 HTML, 2 JavaScript, 3 VBScript, 4 plain text; 0 when the name says
// nothing and the document keeps the default language.
int languageForFile(const std::filesystem::path& file);

} // namespace tessaly::app
