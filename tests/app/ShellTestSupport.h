#pragma once

// A main window under test: a temporary config folder, scripted dialogs,
// and a modal runner that never waits for a user.

#include "app/Editor.h"
#include "app/MDITab.h"
#include "app/MainForm.h"
#include "app/StatusPanels.h"
#include "memo/SyntaxMemo.h"
#include "platform/ScriptedDialogs.h"
#include "widgets/SyntaxMemoView.h"

#include <QAction>
#include <QDialog>
#include <QMdiArea>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <memory>
#include <sstream>

namespace shelltest {

using tessaly::app::TEditor;
using tessaly::app::TMainForm;
using tessaly::platform::TMsgAnswer;
using tessaly::platform::TScriptedDialogs;

inline std::string readFile(const QString& path)
{
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

inline void writeFile(const QString& path, const std::string& data)
{
    std::ofstream(path.toStdString(), std::ios::binary) << data;
}

class Shell {
public:
    Shell()
    {
        qputenv("TESSALY_CONFIG_DIR", dir.filePath(QStringLiteral("config")).toUtf8());
        qputenv("XDG_STATE_HOME", dir.filePath(QStringLiteral("state")).toUtf8());
    }

    // Starts a main window as the program does, reading the settings file.
    void start()
    {
        auto d = std::make_unique<TScriptedDialogs>();
        dialogs = d.get();
        form = std::make_unique<TMainForm>(std::move(d));
        form->modalRunner = [this](QDialog& dialog) {
            modalShown.append(dialog.windowTitle());
            return int(QDialog::Accepted);
        };
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    // Closes the main window as Exit does; true when it closed.
    bool exit()
    {
        const bool closed = form->close();
        if (closed) {
            form.reset();
            dialogs = nullptr;
        }
        return closed;
    }

    QString path(const QString& name) const { return dir.filePath(name); }
    QString iniPath() const { return dir.filePath(QStringLiteral("config/Tessaly.ini")); }
    QAction* item(const char* name) const { return form->item(QString::fromLatin1(name)); }
    // Opens a top-level menu as the user does, running its enabling rule.
    void dropDown(QMenu* menu) const { emit menu->aboutToShow(); }

    // Makes the document modified by typing a character at its start.
    static void touch(TEditor* e)
    {
        e->memo().setSelection(0, 0);
        QTest::keyClick(&e->code(), Qt::Key_X);
        QVERIFY(e->modified());
    }

    QTemporaryDir dir;
    TScriptedDialogs* dialogs = nullptr;
    std::unique_ptr<TMainForm> form;
    QStringList modalShown;
};

} // namespace shelltest
