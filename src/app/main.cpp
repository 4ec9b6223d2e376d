// Tessaly: program entry. The splash shows while the main window is built;
// files named on the command line open as by Open, in that order.
#include "app/Application.h"
#include "app/DocumentHistory.h"
#include "app/MainForm.h"
#include "app/Splash.h"

#include <filesystem>
#include <memory>

int main(int argc, char** argv)
{
    tessaly::app::TApplication app(argc, argv);
    auto splash = std::make_unique<tessaly::app::TSplashScreen>();
    splash->showNow();
    QApplication::setApplicationName(QStringLiteral("Orvane Tessaly"));
    QApplication::setOrganizationName(QStringLiteral("Orvane"));

    tessaly::app::TMainForm form;
    splash.reset();
    // The main window creates its about box; the insertion dialogs are
    // created here, once, when the insertion commands are added to the form.

    form.show();
    // The documents of the last run first, then the files named here.
    form.history().restoreSession();
    const QStringList args = QApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i)
        form.openFile(std::filesystem::absolute(args[i].toStdString()));
    return app.exec();
}
