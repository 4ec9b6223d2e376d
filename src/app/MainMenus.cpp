// The main menu: every item with its component name, caption, hint and
// shortcut. Hidden items exist so that their names and shortcuts are there
// for the commands that use them.
#include "app/MainForm.h"

#include <QActionGroup>
#include <QMenuBar>

namespace tessaly::app {

QAction* TMainForm::addItem(QMenu* menu, const char* name, const QString& caption, const QString& hint,
                            const QKeySequence& shortcut)
{
    auto* a = new QAction(caption, this);
    a->setObjectName(QString::fromLatin1(name));
    a->setStatusTip(hint);
    a->setShortcut(shortcut);
    menu->addAction(a);
    return a;
}

void TMainForm::connectItem(const char* name, void (TMainForm::*handler)())
{
    connect(item(QString::fromLatin1(name)), &QAction::triggered, this, handler);
}

void TMainForm::createMenus()
{
    createFileMenu();
    createEditMenu();
    createViewMenu();
    createInsertionMenus();
    createWindowMenu();
    createHelpMenu();
}

void TMainForm::createFileMenu()
{
    fileMenu_ = menuBar()->addMenu(QStringLiteral("&File"));
    fileMenu_->menuAction()->setObjectName(QStringLiteral("File1"));
    QMenu* m = fileMenu_;
    addItem(m, "New1", QStringLiteral("&New..."), QStringLiteral("New File"), QKeySequence(Qt::CTRL | Qt::Key_N));
    addItem(m, "Open1", QStringLiteral("&Open..."), QStringLiteral("Open an existing file"),
            QKeySequence(Qt::CTRL | Qt::Key_O));
    addItem(m, "Save", QStringLiteral("&Save"), QStringLiteral("Save active file"), QKeySequence(Qt::CTRL | Qt::Key_S));
    addItem(m, "SaveAs", QStringLiteral("Save &As..."), QStringLiteral("Save current file under a new name"));
    addItem(m, "SaveSelection1", QStringLiteral("Save S&election..."), QStringLiteral("Saves current selection to a file"));
    addItem(m, "SaveAll1", QStringLiteral("Save A&ll..."))->setVisible(false);
    m->addSeparator();
    addItem(m, "Close1", QStringLiteral("Close"), QStringLiteral("Closes the active window"),
            QKeySequence(Qt::CTRL | Qt::Key_W));
    addItem(m, "CloseAll1", QStringLiteral("Close &All"), QStringLiteral("Closes all open windows"));
    m->addSeparator();
    addItem(m, "Print1", QStringLiteral("&Print"), QStringLiteral("Prints the active document"),
            QKeySequence(Qt::CTRL | Qt::Key_P));
    addItem(m, "PrinterSetup1", QStringLiteral("Printer Setup"), QStringLiteral("Change printer and printing options"));
    m->addSeparator()->setVisible(false);
    addItem(m, "UpdateTessaly1", QStringLiteral("&Update Tessaly"))->setVisible(false);
    m->addSeparator();
    addItem(m, "Exit1", QStringLiteral("&Exit"), QStringLiteral("Exits the application"));

    connect(item(QStringLiteral("New1")), &QAction::triggered, this, [this] { newClick(); });
    connectItem("Open1", &TMainForm::openClick);
    connectItem("Save", &TMainForm::saveClick);
    connectItem("SaveAs", &TMainForm::saveAsClick);
    connectItem("SaveSelection1", &TMainForm::saveSelectionClick);
    connectItem("Close1", &TMainForm::close1Click);
    connect(item(QStringLiteral("CloseAll1")), &QAction::triggered, this, [this] { closeAllClick(); });
    connectItem("Print1", &TMainForm::printClick);
    connectItem("PrinterSetup1", &TMainForm::printerSetupClick);
    connect(item(QStringLiteral("Exit1")), &QAction::triggered, this, &QWidget::close);
    connect(fileMenu_, &QMenu::aboutToShow, this, &TMainForm::file1Click);
}

void TMainForm::createEditMenu()
{
    editMenu_ = menuBar()->addMenu(QStringLiteral("&Edit"));
    editMenu_->menuAction()->setObjectName(QStringLiteral("Edit1"));
    QMenu* m = editMenu_;
    addItem(m, "Undo1", QStringLiteral("Undo"), QStringLiteral("Undo the last action"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    addItem(m, "Redo1", QStringLiteral("Redo"), QStringLiteral("Redo the last action"),
            QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_Z));
    m->addSeparator();
    addItem(m, "Cut1", QStringLiteral("Cut"), QStringLiteral("Cuts selected text to clipboard"),
            QKeySequence(Qt::CTRL | Qt::Key_X));
    addItem(m, "Copy1", QStringLiteral("Copy"), QStringLiteral("Copies selected text to clipboard"),
            QKeySequence(Qt::CTRL | Qt::Key_C));
    addItem(m, "Paste1", QStringLiteral("Paste"), QStringLiteral("Paste clipboard contents into current document"),
            QKeySequence(Qt::CTRL | Qt::Key_V));
    // The insertion commands add "Standard HTML Tags" here.
    pasteSpecialMenu_ = m->addMenu(QStringLiteral("Paste Special"));
    pasteSpecialMenu_->menuAction()->setObjectName(QStringLiteral("PasteSpecial1"));
    addItem(m, "Delete1", QStringLiteral("Delete"), QStringLiteral("Deletes selected text"),
            QKeySequence(Qt::SHIFT | Qt::Key_Delete));
    m->addSeparator();
    addItem(m, "SelectAll1", QStringLiteral("Select All"), QStringLiteral("Selects the entire document "),
            QKeySequence(Qt::CTRL | Qt::Key_A));
    m->addSeparator();
    addItem(m, "Find1", QStringLiteral("Find"), QStringLiteral("Finds a specific text string"),
            QKeySequence(Qt::CTRL | Qt::Key_F));
    addItem(m, "FindNExt1", QStringLiteral("Find Next"), QStringLiteral("Finds the next matching text string"),
            QKeySequence(Qt::Key_F3));
    addItem(m, "Replace1", QStringLiteral("Replace"), QStringLiteral("Replaces specific text with different text"),
            QKeySequence(Qt::CTRL | Qt::Key_R));
    QAction* regex = addItem(m, "UseRegularExpressions1", QStringLiteral("Use Regular Expressions"),
                             QStringLiteral("Use Regular Expressions"));
    regex->setCheckable(true);
    regex->setChecked(true);
    regex->setVisible(false);
    m->addSeparator();
    QMenu* set = m->addMenu(QStringLiteral("Set Bookmark"));
    set->menuAction()->setObjectName(QStringLiteral("SetBookmark1"));
    set->menuAction()->setStatusTip(QStringLiteral("Set Bookmarks..."));
    QMenu* find = m->addMenu(QStringLiteral("Find Bookmark"));
    find->menuAction()->setObjectName(QStringLiteral("FindBookmark1"));
    find->menuAction()->setStatusTip(QStringLiteral("Find Bookmarks..."));
    for (int n = 0; n <= 9; ++n) {
        const QString caption = QStringLiteral("Boookmark &%1").arg(n);
        addItem(set, QStringLiteral("SetBookmark%1").arg(n).toLatin1().constData(), caption)->setData(n);
        addItem(find, QStringLiteral("FindBookmark%1").arg(n).toLatin1().constData(), caption)->setData(n);
    }
    // The Format submenu stays hidden; its items still answer their shortcuts.
    QMenu* format = m->addMenu(QStringLiteral("Format"));
    format->menuAction()->setObjectName(QStringLiteral("Format1"));
    format->menuAction()->setVisible(false);
    addItem(format, "ConvertSelectiontoUpperCase1", QStringLiteral("Convert Selection to Upper Case"), {},
            QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::ALT | Qt::Key_U));
    addItem(format, "ConvertSelectiontoLowerCase1", QStringLiteral("Convert Selection to Lower Case"), {},
            QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::ALT | Qt::Key_L));
    addItem(format, "SelectTag1", QStringLiteral("Select Tag"));
    addItem(format, "Replace3", QStringLiteral("Replace \"\\\" with \"/\""));
    addItem(format, "Replacewith1", QStringLiteral("Replace \"/\" with \"\\\""));
    addActions(format->actions());
    m->addSeparator();
    addItem(m, "Properties1", QStringLiteral("Properties"));

    connect(editMenu_, &QMenu::aboutToShow, this, &TMainForm::edit1Click);
}

void TMainForm::createViewMenu()
{
    viewMenu_ = menuBar()->addMenu(QStringLiteral("&View"));
    viewMenu_->menuAction()->setObjectName(QStringLiteral("View1"));
    QMenu* m = viewMenu_;
    addItem(m, "ExternalPreview1", QStringLiteral("Toggle Edit/Preview"),
            QStringLiteral("Toggles between Edit and Preview mode"), QKeySequence(Qt::Key_F9));
    languageMenu_ = m->addMenu(QStringLiteral("Language"));
    languageMenu_->menuAction()->setObjectName(QStringLiteral("SyntaxHighlighting1"));
    auto* group = new QActionGroup(this);
    struct Lang {
        const char* name;
        const char* caption;
        const char* hint;
        int parser;
    };
    const Lang langs[] = {
        {"High1", "JavaScript", "Selects JavaScript as current language", 2},
        {"High2", "VB Script", "Selects VB as current language", 3},
        {"High3", "HTML", "Selects HTML as current language", 1},
        {"High4", "Plain Text", "Selects Plain Text as current language", 4},
    };
    for (const Lang& l : langs) {
        QAction* a = addItem(languageMenu_, l.name, QString::fromLatin1(l.caption), QString::fromLatin1(l.hint));
        a->setCheckable(true);
        a->setData(l.parser);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, p = l.parser] { languageClick(p); });
    }
    item(QStringLiteral("High1"))->setChecked(true);
    // The insertion commands add their hidden item "QAD" (a single quote) here.
    m->addSeparator();
    struct Switch {
        const char* name;
        const char* caption;
        const char* hint;
    };
    const Switch switches[] = {
        {"MT", "Main Toolbar", "Shows or hides the Main Toolbar"},
        {"ST", "Scripting Toolbar", "Shows or hides the Script Toolbar"},
        {"HT", "HTML Toolbar", "Shows or hides the HTML Toolbar"},
        {"JavaScriptPanel1", "Script Panel", "Shows or hides the Script Panel"},
    };
    for (const Switch& s : switches) {
        QAction* a = addItem(m, s.name, QString::fromLatin1(s.caption), QString::fromLatin1(s.hint));
        a->setCheckable(true);
        a->setChecked(true);
    }
    connect(item(QStringLiteral("MT")), &QAction::triggered, this, [this](bool on) { setToolbarShown(mainToolbar_, "MT", on); });
    connect(item(QStringLiteral("ST")), &QAction::triggered, this, [this](bool on) { setToolbarShown(scriptToolbar_, "ST", on); });
    connect(item(QStringLiteral("HT")), &QAction::triggered, this, [this](bool on) { setToolbarShown(htmlToolbar_, "HT", on); });
    connect(item(QStringLiteral("JavaScriptPanel1")), &QAction::triggered, this, &TMainForm::setScriptPanelShown);
    connect(viewMenu_, &QMenu::aboutToShow, this, &TMainForm::view1Click);
}

void TMainForm::createInsertionMenus()
{
    // Filled by the insertion commands, which also bring the items' names.
    htmlMenu_ = menuBar()->addMenu(QStringLiteral("&HTML"));
    htmlMenu_->menuAction()->setObjectName(QStringLiteral("Forms1"));
    connect(htmlMenu_, &QMenu::aboutToShow, this, &TMainForm::forms1Click);
    scriptMenu_ = menuBar()->addMenu(QStringLiteral("&Script"));
    scriptMenu_->menuAction()->setObjectName(QStringLiteral("Script1"));
    connect(scriptMenu_, &QMenu::aboutToShow, this, &TMainForm::script1Click);
}

void TMainForm::createWindowMenu()
{
    windowMenu_ = menuBar()->addMenu(QStringLiteral("&Window"));
    windowMenu_->menuAction()->setObjectName(QStringLiteral("Window1"));
    QMenu* m = windowMenu_;
    addItem(m, "Tile1", QStringLiteral("&Tile"));
    addItem(m, "Cascade1", QStringLiteral("&Cascade"));
    addItem(m, "ArrangeIcons1", QStringLiteral("&Arrange Icons"));
    addItem(m, "MinimizeAll1", QStringLiteral("&Minimize All                       "), {},
            QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_M));
    addItem(m, "Next1", QStringLiteral("&Next..."), {}, QKeySequence(Qt::CTRL | Qt::Key_Right));
    addItem(m, "Previous1", QStringLiteral("&Previous..."), {}, QKeySequence(Qt::CTRL | Qt::Key_Left));
    // Ctrl+Right and Ctrl+Left stay word moves while the text has the focus;
    // the keys of tabbed editors reach the next and previous document from
    // anywhere.
    item(QStringLiteral("Next1"))->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Right), QKeySequence(Qt::CTRL | Qt::Key_Tab),
                                                 QKeySequence(Qt::CTRL | Qt::Key_PageDown)});
    item(QStringLiteral("Previous1"))->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Left),
                                                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                                                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                                                     QKeySequence(Qt::CTRL | Qt::Key_PageUp)});
    connectItem("Tile1", &TMainForm::tileClick);
    connectItem("Cascade1", &TMainForm::cascadeClick);
    connectItem("ArrangeIcons1", &TMainForm::arrangeIconsClick);
    connectItem("MinimizeAll1", &TMainForm::minimizeAllClick);
    connectItem("Next1", &TMainForm::nextClick);
    connectItem("Previous1", &TMainForm::previousClick);
    connect(windowMenu_, &QMenu::aboutToShow, this, &TMainForm::window1Click);

    // A menu of tools that has no commands; kept hidden.
    QMenu* toolnook = menuBar()->addMenu(QStringLiteral("&Toolnook"));
    toolnook->menuAction()->setObjectName(QStringLiteral("Toolnook1"));
    toolnook->menuAction()->setVisible(false);
}

void TMainForm::createHelpMenu()
{
    helpMenu_ = menuBar()->addMenu(QStringLiteral("&Help"));
    helpMenu_->menuAction()->setObjectName(QStringLiteral("Help1"));
    QMenu* m = helpMenu_;
    addItem(m, "HelpContents1", QStringLiteral("Help Contents"), QStringLiteral("Display the help contents screen"),
            QKeySequence(Qt::Key_F1));
    QMenu* links = m->addMenu(QStringLiteral("Internet Links"));
    links->menuAction()->setObjectName(QStringLiteral("UsefulLinks1"));
    addItem(links, "OrvaneSoftware1", QStringLiteral("Orvane Software"));
    links->addSeparator();
    addItem(links, "NetscapesJavaScriptHandbook1", QStringLiteral("Netscape JavaScript Handbook"),
            QStringLiteral("Opens the Netscape JavaScript Handbook in default browser"));
    addItem(links, "MicrosoftScriptionTecnologies1", QStringLiteral("Microsoft Scripting Technologies"),
            QStringLiteral("Opens the Microsoft Scriptiong Tecnologies Web site in default browser"));
    links->addSeparator();
    addItem(links, "Yahoo1", QStringLiteral("Yahoo"));
    addItem(links, "Altavista1", QStringLiteral("Altavista"));
    addItem(links, "WebCrawler1", QStringLiteral("Web Crawler"));
    links->addSeparator();
    addItem(links, "LinkExchange1", QStringLiteral("Link Exchange"));
    links->addSeparator();
    addItem(links, "SiteInspector1", QStringLiteral("Site Inspector"));
    addItem(links, "WebSiteGarage1", QStringLiteral("Web Site Garage"));
    links->addSeparator();
    addItem(links, "InterNIC1", QStringLiteral("InterNIC"));
    m->addSeparator();
    addItem(m, "Glossary1", QStringLiteral("&Glossary"))->setVisible(false);
    addItem(m, "KeyboardMap1", QStringLiteral("Keyboard Map"))->setVisible(false);
    addItem(m, "Year2000Compilance1", QStringLiteral("Year 2000 Compilance"))->setVisible(false);
    addItem(m, "AboutTessaly1", QStringLiteral("&About Tessaly"), QStringLiteral("Show program information"));
    connectItem("HelpContents1", &TMainForm::helpContentsClick);
    connectItem("AboutTessaly1", &TMainForm::aboutClick);
    connect(helpMenu_, &QMenu::aboutToShow, this, &TMainForm::about1Click);
}

} // namespace tessaly::app
