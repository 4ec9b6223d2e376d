// Tessaly: program entry. The splash shows while the main window is built;
// files named on the command line open as by Open, in that order.
#include "app/Application.h"
#include "app/DocumentHistory.h"
#include "app/MainForm.h"
#include "app/RecoveryKeeper.h"
#include "app/TerminationGuard.h"
#include "app/Splash.h"

#include <filesystem>
#include <memory>

int main(int argc, char** argv)
{
    // The web engine of the preview shares its graphics contexts with the
    // windows; this must be said before the application exists, although the
    // engine itself starts only when a preview is first shown.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
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
    // For measuring start-up: quit as soon as the window has been shown and
    // painted once.
    if (qEnvironmentVariableIsSet("TESSALY_QUIT_AFTER_SHOW")) {
        QCoreApplication::processEvents();
        return 0;
    }
    // Unsaved work a crashed or killed run left behind, then the documents
    // of the last run, then the files named here.
    form.recovery().offerRestore();
    form.history().restoreSession();
    // A logout or a kill writes every modified document's recovery file
    // before the program ends; the next start offers them back.
    auto writeAll = [&form] { form.recovery().writeAllNow(); };
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form, writeAll);
    tessaly::app::TTerminationGuard guard([writeAll] {
        writeAll();
        QApplication::exit(0);
    });
    const QStringList args = QApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i)
        form.openFile(std::filesystem::absolute(args[i].toStdString()));
    return app.exec();
}
