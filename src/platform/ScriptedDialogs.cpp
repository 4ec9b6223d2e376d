#include "platform/ScriptedDialogs.h"

namespace tessaly::platform {

namespace {

template <class T>
bool take(std::deque<T>& queue, T& out)
{
    if (queue.empty())
        return false;
    out = std::move(queue.front());
    queue.pop_front();
    return true;
}

} // namespace

TMsgAnswer TScriptedDialogs::showMessage(const std::string& text, TMsgKind kind, unsigned buttons)
{
    messages.push_back({text, kind, buttons});
    TMsgAnswer a{};
    if (take(answers, a))
        return a;
    ++unexpected;
    return (buttons & btnCancel) || !(buttons & btnOk) ? TMsgAnswer::cancel : TMsgAnswer::ok;
}

std::optional<std::filesystem::path> TScriptedDialogs::openFile(const TFileDialogRequest& request)
{
    fileRequests.push_back(request);
    std::optional<std::filesystem::path> f;
    if (!take(openFiles, f))
        ++unexpected;
    return f;
}

std::optional<std::filesystem::path> TScriptedDialogs::saveFile(const TFileDialogRequest& request)
{
    fileRequests.push_back(request);
    std::optional<std::filesystem::path> f;
    if (!take(saveFiles, f))
        ++unexpected;
    return f;
}

bool TScriptedDialogs::printerSetup()
{
    bool ok = false;
    if (!take(printerSetups, ok))
        ++unexpected;
    return ok;
}

std::optional<TRgb> TScriptedDialogs::chooseColor(TRgb)
{
    std::optional<TRgb> c;
    if (!take(colors, c))
        ++unexpected;
    return c;
}

std::optional<TFontChoice> TScriptedDialogs::chooseFont(const TFontChoice&)
{
    std::optional<TFontChoice> f;
    if (!take(fonts, f))
        ++unexpected;
    return f;
}

bool TScriptedDialogs::shellOpen(const std::filesystem::path& file, const std::filesystem::path&)
{
    shellOpened.push_back(file);
    return shellSucceeds;
}

} // namespace tessaly::platform
