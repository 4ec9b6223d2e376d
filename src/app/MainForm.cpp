#include "app/MainForm.h"

#include "app/DocumentHistory.h"
#include "app/RecoveryKeeper.h"
#include "app/TextFormatCommands.h"

#include "insert/dialogs/InsertCommands.h"

#include <QMenu>

#include "app/AboutBox.h"
#include "app/Editor.h"
#include "app/LanguageStore.h"
#include "app/InsertIcons.h"
#include "app/MDITab.h"
#include "app/QtDialogs.h"
#include "app/ScriptPanel.h"
#include "app/StatusPanels.h"
#include "library/ScriptHost.h"
#include "app/WindowPlacement.h"
#include "platform/IniFile.h"
#include "platform/ProgramFolder.h"

#include <QCloseEvent>
#include <QDialog>
#include <QGuiApplication>
#include <QMdiArea>
#include <QScreen>
#include <QSplitter>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace tessaly::app {

TMainForm::TMainForm(std::unique_ptr<platform::TDialogs> dialogs, QWidget* parent)
    : QMainWindow(parent)
    , dialogs_(std::move(dialogs))
    , print_(std::make_unique<TPrintCommands>(static_cast<TPrintCommands::Host&>(*this)))
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral(" Tessaly"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/tessaly.svg")));
    if (!dialogs_)
        dialogs_ = std::make_unique<TQtDialogs>(this, &print_->printer());
    modalRunner = [](QDialog& dialog) { return dialog.exec(); };
    search_ = std::make_unique<TSearchCommands>(static_cast<TSearchCommands::Host&>(*this), *dialogs_);
    files_ = std::make_unique<TFileCommands>(static_cast<TFileCommands::Host&>(*this));
    resize(660, 486);
    setAcceptDrops(true);

    programFolder_ = platform::programFolder();
    createAreas();
    // The menus ask the history for the recent files as they are made.
    history_ = new TDocumentHistory(*this, this);
    createMenus();
    textFormat_ = new TTextFormatCommands(
        *this, {item(QStringLiteral("ReopenWithEncoding1")), item(QStringLiteral("SaveWithEncoding1")), item(QStringLiteral("LineBreaks1"))},
        this);
    windows_ = new TWindowCommands(*this, *mdiArea_, *windowMenu_, this);
    preview_ = std::make_unique<TPreviewCommands>(static_cast<TPreviewCommands::Host&>(*this), *livePreviewItem_);
    textFormat_->refresh();
    recovery_ = new TRecoveryKeeper(*this, this);
    createToolbars();
    aboutBox_ = new TAboutBox(this);
    // The insertion commands and their dialogs, created once.
    insertCommands_ = new insert::TInsertCommands(
        [this]() -> memo::TSyntaxMemo* {
            TEditor* e = activeEditor();
            return e ? &e->memo() : nullptr;
        },
        [this] { return insert::languageFromParserNumber(currentLanguage()); }, this);
    insertCommands_->fillHtmlMenu(htmlMenu());
    insertCommands_->fillScriptMenu(scriptMenu());
    insertCommands_->fillPasteSpecialMenu(pasteSpecialMenu());
    insertCommands_->fillHtmlToolbar(htmlToolbar());
    insertCommands_->fillScriptToolbar(scriptToolbar());
    languageMenu()->addAction(insertCommands_->qadAction());
    applyInsertIcons(*this);

    createScriptLibrary();

    applySettings(platform::TIniFile(platform::settingsFile()));

    saveButton_->setEnabled(false);
    saveItem_->setEnabled(false);
    setDocumentButtonsEnabled(false);

    connect(mdiArea_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* w) {
        if (auto* child = qobject_cast<TMDIChild*>(w)) {
            child->activated();
            focusActiveEditor();
        }
    });
}

TMainForm::~TMainForm()
{
    // Document windows go first: their handlers call back into this window.
    for (TEditor* e : editors())
        delete e;
}

void TMainForm::createAreas()
{
    mdiArea_ = new QMdiArea;
    mdiArea_->setObjectName(QStringLiteral("ClientArea"));
    mdiArea_->setViewMode(QMdiArea::SubWindowView);
    mdiArea_->setBackground(palette().brush(QPalette::Dark));
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    keepWindowsInside(*mdiArea_);

    auto* right = new QWidget;
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->setSpacing(0);
    rightLayout->addWidget(mdiArea_, 1);

    splitIt_ = new QSplitter(Qt::Horizontal);
    splitIt_->setObjectName(QStringLiteral("SplitIt"));
    splitIt_->setHandleWidth(3);
    splitIt_->setChildrenCollapsible(false);
    scriptPanel_ = new TScriptPanel;
    connect(scriptPanel_, &TScriptPanel::closeClicked, this, [this] {
        scriptPanelItem_->setChecked(false);
        setScriptPanelShown(false);
    });
    splitIt_->addWidget(scriptPanel_);
    splitIt_->addWidget(right);
    splitIt_->setStretchFactor(0, 0);
    splitIt_->setStretchFactor(1, 1);
    splitIt_->handle(1)->setCursor(Qt::SplitHCursor);
    connect(splitIt_, &QSplitter::splitterMoved, this, [this] { scriptPanel_->setPanelWidth(splitIt_->sizes().value(0)); });
    setCentralWidget(splitIt_);

    // The tab bar needs the document area in place, so it comes after it.
    tabParent_ = new QFrame;
    tabParent_->setObjectName(QStringLiteral("TabParent"));
    static_cast<QFrame*>(tabParent_)->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* tabLayout = new QVBoxLayout(tabParent_);
    tabLayout->setContentsMargins(1, 1, 1, 1);
    mdiTab_ = new TMDITab(this, tabParent_);
    mdiTab_->setObjectName(QStringLiteral("MDITab"));
    tabLayout->addWidget(mdiTab_);
    rightLayout->addWidget(tabParent_);
    tabParent_->hide();

    statusBar_ = new TStatusPanels({{200, Qt::AlignLeft},
                                    {100, Qt::AlignHCenter},
                                    {70, Qt::AlignLeft},
                                    {50, Qt::AlignLeft, false}},
                                   this);
    statusBar_->setObjectName(QStringLiteral("StatusBar"));
    statusBar_->setText(0, QStringLiteral("For Help, press F1"));
    setStatusBar(statusBar_);
}

QAction* TMainForm::item(const QString& name) const
{
    return findChild<QAction*>(name);
}

TEditor* TMainForm::activeEditor() const
{
    // The current child, also while the application itself is not active.
    auto* e = qobject_cast<TEditor*>(mdiArea_->currentSubWindow());
    return e && !e->isClosing() ? e : nullptr;
}

QList<TEditor*> TMainForm::editors() const
{
    QList<TEditor*> out;
    for (QMdiSubWindow* w : mdiArea_->subWindowList())
        if (auto* e = qobject_cast<TEditor*>(w); e && !e->isClosing())
            out.append(e);
    return out;
}

void TMainForm::focusActiveEditor()
{
    if (TEditor* e = activeEditor())
        e->focusText();
    QTimer::singleShot(0, this, [this] {
        if (TEditor* e = activeEditor())
            e->focusText();
    });
}

bool TMainForm::event(QEvent* event)
{
    // The window comes back to the front (after a dialog, or from another
    // program): typing goes to the document again, unless the user was
    // working in the Script Panel.
    if (event->type() == QEvent::WindowActivate) {
        QWidget* f = focusWidget();
        if (!f || !scriptPanel_->isAncestorOf(f))
            if (TEditor* e = activeEditor())
                e->focusText();
    }
    // Hints of menu items and buttons go to the first status panel.
    if (event->type() == QEvent::StatusTip) {
        statusBar_->setText(0, static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (shownOnce_)
        return;
    shownOnce_ = true;
    splitIt_->setSizes({scriptPanel_->panelWidth(), std::max(100, width() - scriptPanel_->panelWidth())});
    // Saved edges are kept when they lie on a screen; otherwise (the first
    // run, or a screen that has gone) the window is centred.
    QScreen* onScreen = positionSaved_ ? QGuiApplication::screenAt(frameGeometry().topLeft()) : nullptr;
    if (!onScreen && !isMaximized()) {
        const QRect avail = (screen() ? screen() : QGuiApplication::primaryScreen())->availableGeometry();
        QRect frame = frameGeometry();
        frame.moveCenter(avail.center());
        move(frame.topLeft());
    }
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    // Every document is asked first; only when none cancels do they close.
    const QList<TEditor*> docs = editors();
    for (TEditor* e : docs) {
        if (!editorCloseQuery(*e)) {
            event->ignore();
            return;
        }
    }
    history_->captureSession();
    for (TEditor* e : docs) {
        e->setCloseQueried(true);
        e->close();
    }
    try {
        platform::TIniFile ini(platform::settingsFile());
        writeSettings(ini);
    } catch (const std::exception& error) {
        dialogs_->showMessage(error.what(), platform::TMsgKind::error, platform::btnOk);
    }
    event->accept();
}

void TMainForm::fileError(const std::exception& error)
{
    dialogs_->showMessage(error.what(), platform::TMsgKind::error, platform::btnOk);
}

} // namespace tessaly::app
