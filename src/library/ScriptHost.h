#pragma once

#include <filesystem>

class QDialog;

namespace tessaly::platform {
class TDialogs;
}

namespace tessaly::library {

// What the script library needs of the window it lives in.
class TScriptHost {
public:
    virtual ~TScriptHost() = default;
    // Where messages and file dialogs go.
    virtual platform::TDialogs& dialogs() = 0;
    // Runs one of the library's modal dialogs; returns its result code.
    virtual int showModal(QDialog& dialog) = 0;
    // Opens a script file in a new document window; a file that cannot be
    // read is reported there and leaves the new window empty.
    virtual void openScript(const std::filesystem::path& file) = 0;
};

} // namespace tessaly::library
