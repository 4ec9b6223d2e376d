// The script library in the Script Panel: created with the main window, it
// fills an empty library with the starter scripts and loads the list before
// the settings file is applied.
#include "app/MainForm.h"

#include "app/ScriptPanel.h"
#include "library/ScriptHost.h"
#include "library/ScriptLibrary.h"
#include "library/StarterLibrary.h"

namespace tessaly::app {

namespace {

// The library's requests, answered by the main window.
class TMainScriptHost final : public library::TScriptHost {
public:
    explicit TMainScriptHost(TMainForm& form)
        : form_(form)
    { }
    platform::TDialogs& dialogs() override { return form_.dialogs(); }
    int showModal(QDialog& dialog) override { return form_.showModal(dialog); }
    void openScript(const std::filesystem::path& file) override { form_.openFile(file); }

private:
    TMainForm& form_;
};

} // namespace

void TMainForm::createScriptLibrary()
{
    scriptHost_ = std::make_unique<TMainScriptHost>(*this);
    scriptLibrary_ = new library::TScriptLibrary(*scriptHost_, programFolder_, scriptPanel_->libraryArea(),
                                                 scriptPanel_->descriptionArea(), this);
    try {
        library::installStarterLibrary(scriptLibrary_->files());
    } catch (const std::exception& error) {
        fileError(error);
    }
    scriptLibrary_->load();
}

} // namespace tessaly::app
