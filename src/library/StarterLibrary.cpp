#include "library/StarterLibrary.h"

#include "library/ScriptFiles.h"
#include "platform/AtomicWrite.h"

#include <QFile>

#include <filesystem>

static void initStarterResources()
{
    Q_INIT_RESOURCE(library);
}

namespace tessaly::library {

namespace {

struct TStarterScript {
    const char* name;
    const char* kind;
    const char* file;
    const char* description;
};

// In the panel's order, from the top.
constexpr TStarterScript starterScripts[] = {
    {"Form Validation", "Java Script", "form-validation.html",
     "<B>Form Validation</B><BR>Checks a form before it is sent: the fields you list must be filled in, and a field "
     "named <I>email</I> must hold an address.<BR>Use: <TT>&lt;FORM onSubmit=\"return checkForm(this, ['name', "
     "'email'])\"&gt;</TT>"},
    {"Image Rollover", "Java Script", "image-rollover.html",
     "<B>Image Rollover</B><BR>Swaps a picture while the mouse is over it, and back when it leaves. Give the "
     "<TT>IMG</TT> a <TT>NAME</TT> and call <TT>rollOver</TT> and <TT>rollOut</TT> from the link around it."},
    {"Date Display", "Java Script", "date-display.html",
     "<B>Date Display</B><BR>Writes today's date where the script stands in the page, as in <I>Tuesday, 8 December "
     "2026</I>."},
    {"Cookies", "Java Script", "cookies.html",
     "<B>Cookies</B><BR>Three functions to keep small values between visits: <TT>setCookie</TT> (with a lifetime in "
     "days), <TT>getCookie</TT> and <TT>deleteCookie</TT>."},
    {"Welcome Box", "VB Script", "vb-welcome.html",
     "<B>Welcome Box</B><BR>Client-side VBScript: asks for the visitor's name when the page has loaded and greets "
     "them in a message box."},
    {"ASP Greeting", "VB Script", "asp-greeting.asp",
     "<B>ASP Greeting</B><BR>Server-side VBScript for an <TT>.asp</TT> page: greets the visitor by the time of day and "
     "counts the visits of the session."},
    {"Form Handler", "CGI Script", "form-handler.cgi",
     "<B>Form Handler</B><BR>A Perl CGI script that reads the fields of a form sent with <TT>METHOD=\"POST\"</TT> and "
     "shows them back in a page, ready to be turned into a handler that stores or mails them."},
};

} // namespace

bool installStarterLibrary(const TScriptFiles& files)
{
    std::error_code ec;
    if (std::filesystem::exists(files.listFile(), ec) || std::filesystem::exists(files.scriptsFolder(), ec))
        return false;
    initStarterResources();
    std::vector<std::string> names;
    for (const TStarterScript& s : starterScripts) {
        QFile in(QStringLiteral(":/library/scripts/%1").arg(QLatin1String(s.file)));
        if (!in.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = in.readAll();
        const std::filesystem::path target = files.scriptsFolder() / s.file;
        if (!platform::writeFileAtomically(target, std::string_view(text.constData(), std::size_t(text.size()))))
            throw EScriptFileError("Unable to write to " + target.string());
        files.writeScript({s.name, s.kind, s.description, target.string()});
        names.push_back(s.name);
    }
    files.writeNames(names);
    return true;
}

} // namespace tessaly::library
