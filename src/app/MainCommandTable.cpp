// The main menu and the Main Toolbar as data: every item with its menu,
// component name, caption, hint, shortcut, handler and enable rule, in menu
// order. TMainForm::createMenus and createToolbars make the widgets from
// these rows; nothing else names the items.
//
// To add an item: add a row where it goes in its menu, with a member handler
// of TMainForm (declared in MainForm.h), its hint, and `.enable =
// TEnableRule::document` when it needs an open document. Give it `.action`
// only when other code must reach the QAction itself.
#include "app/MainForm.h"

#include "memo/SyntaxMemo.h"
#include "memo/TextFormat.h"

namespace tessaly::app {

using R = TMenuRow;
constexpr TEnableRule doc = TEnableRule::document;

namespace {
constexpr int encoding(memo::TEncoding e) { return static_cast<int>(e); }
constexpr int lineEnd(memo::TLineEnd e) { return static_cast<int>(e); }
} // namespace

const std::vector<TMenuRow>& TMainForm::menuRows()
{
    static const std::vector<TMenuRow> rows = {
        // --- File -------------------------------------------------------------
        // Dropping the File menu down also sets the encoding and line-break
        // items by the active document.
        {.kind = R::Submenu, .menu = "", .name = "File1", .caption = "&File",
         .hint = "Opens, saves, prints and closes files", .run = &TMainForm::refreshTextFormatItems,
         .submenu = &TMainForm::fileMenu_},
        {.menu = "File1", .name = "New1", .caption = "&New...", .hint = "New File", .keys = "Ctrl+N",
         .run = &TMainForm::new1Click},
        {.menu = "File1", .name = "Open1", .caption = "&Open...", .hint = "Open an existing file", .keys = "Ctrl+O",
         .run = &TMainForm::openClick},
        {.kind = R::Submenu, .menu = "File1", .name = "Reopen1", .caption = "&Reopen",
         .hint = "Opens a recently used file", .fill = &TMainForm::fillReopenMenu},
        {.menu = "File1", .name = "Save", .caption = "&Save", .hint = "Save active file", .keys = "Ctrl+S",
         .run = &TMainForm::saveClick, .enable = doc, .action = &TMainForm::saveItem_},
        {.menu = "File1", .name = "SaveAs", .caption = "Save &As...", .hint = "Save current file under a new name",
         .run = &TMainForm::saveAsClick, .enable = doc, .action = &TMainForm::saveAsItem_},
        {.menu = "File1", .name = "SaveSelection1", .caption = "Save S&election...",
         .hint = "Saves current selection to a file", .run = &TMainForm::saveSelectionClick, .enable = doc},
        {.menu = "File1", .name = "SaveAll1", .caption = "Save A&ll...", .hint = "Saves all open files", .enable = doc,
         .hidden = true},
        {.kind = R::Separator, .menu = "File1"},
        // How the active document's file is read and written; enabled by
        // refreshTextFormatItems. Item names end in the keys of
        // memo::encodingKey and memo::lineEndKey.
        {.kind = R::Submenu, .menu = "File1", .name = "ReopenWithEncoding1", .caption = "Reopen with Enco&ding",
         .hint = "Reads the file again in another encoding"},
        {.menu = "ReopenWithEncoding1", .name = "ReopenEncoding_utf-8", .caption = "UTF-&8",
         .hint = "Reads the file again as UTF-8", .runWith = &TMainForm::reopenWithEncodingClick,
         .data = encoding(memo::TEncoding::utf8)},
        {.menu = "ReopenWithEncoding1", .name = "ReopenEncoding_utf-8-bom", .caption = "UTF-8 with &BOM",
         .hint = "Reads the file again as UTF-8 with BOM", .runWith = &TMainForm::reopenWithEncodingClick,
         .data = encoding(memo::TEncoding::utf8Bom)},
        {.menu = "ReopenWithEncoding1", .name = "ReopenEncoding_utf-16le", .caption = "UTF-16 &LE",
         .hint = "Reads the file again as UTF-16 LE", .runWith = &TMainForm::reopenWithEncodingClick,
         .data = encoding(memo::TEncoding::utf16LE)},
        {.menu = "ReopenWithEncoding1", .name = "ReopenEncoding_utf-16be", .caption = "UTF-16 B&E",
         .hint = "Reads the file again as UTF-16 BE", .runWith = &TMainForm::reopenWithEncodingClick,
         .data = encoding(memo::TEncoding::utf16BE)},
        {.menu = "ReopenWithEncoding1", .name = "ReopenEncoding_windows-1252", .caption = "&Windows-1252 / Latin-1",
         .hint = "Reads the file again as Windows-1252", .runWith = &TMainForm::reopenWithEncodingClick,
         .data = encoding(memo::TEncoding::windows1252)},
        {.kind = R::Submenu, .menu = "File1", .name = "SaveWithEncoding1", .caption = "Save &with Encoding",
         .hint = "Saves the document in another encoding"},
        {.menu = "SaveWithEncoding1", .name = "SaveEncoding_utf-8", .caption = "UTF-&8",
         .hint = "Saves the document as UTF-8", .runWith = &TMainForm::saveWithEncodingClick,
         .data = encoding(memo::TEncoding::utf8), .checkable = true},
        {.menu = "SaveWithEncoding1", .name = "SaveEncoding_utf-8-bom", .caption = "UTF-8 with &BOM",
         .hint = "Saves the document as UTF-8 with BOM", .runWith = &TMainForm::saveWithEncodingClick,
         .data = encoding(memo::TEncoding::utf8Bom), .checkable = true},
        {.menu = "SaveWithEncoding1", .name = "SaveEncoding_utf-16le", .caption = "UTF-16 &LE",
         .hint = "Saves the document as UTF-16 LE", .runWith = &TMainForm::saveWithEncodingClick,
         .data = encoding(memo::TEncoding::utf16LE), .checkable = true},
        {.menu = "SaveWithEncoding1", .name = "SaveEncoding_utf-16be", .caption = "UTF-16 B&E",
         .hint = "Saves the document as UTF-16 BE", .runWith = &TMainForm::saveWithEncodingClick,
         .data = encoding(memo::TEncoding::utf16BE), .checkable = true},
        {.menu = "SaveWithEncoding1", .name = "SaveEncoding_windows-1252", .caption = "&Windows-1252 / Latin-1",
         .hint = "Saves the document as Windows-1252", .runWith = &TMainForm::saveWithEncodingClick,
         .data = encoding(memo::TEncoding::windows1252), .checkable = true},
        {.kind = R::Submenu, .menu = "File1", .name = "LineBreaks1", .caption = "Line &Breaks",
         .hint = "The line breaks the document is saved with"},
        {.menu = "LineBreaks1", .name = "LineBreaks_crlf", .caption = "CR LF (&Windows)",
         .hint = "Saves the document with CR LF line breaks", .runWith = &TMainForm::lineBreaksClick,
         .data = lineEnd(memo::TLineEnd::crlf), .checkable = true, .exclusive = true},
        {.menu = "LineBreaks1", .name = "LineBreaks_lf", .caption = "LF (&Unix)",
         .hint = "Saves the document with LF line breaks", .runWith = &TMainForm::lineBreaksClick,
         .data = lineEnd(memo::TLineEnd::lf), .checkable = true, .exclusive = true},
        {.menu = "LineBreaks1", .name = "LineBreaks_cr", .caption = "CR (classic &Mac)",
         .hint = "Saves the document with CR line breaks", .runWith = &TMainForm::lineBreaksClick,
         .data = lineEnd(memo::TLineEnd::cr), .checkable = true, .exclusive = true},
        {.kind = R::Separator, .menu = "File1"},
        {.menu = "File1", .name = "Close1", .caption = "Close", .hint = "Closes the active window", .keys = "Ctrl+W",
         .run = &TMainForm::close1Click, .enable = doc, .action = &TMainForm::closeItem_},
        {.menu = "File1", .name = "CloseAll1", .caption = "Close &All", .hint = "Closes all open windows",
         .run = &TMainForm::closeAll1Click, .enable = doc},
        {.kind = R::Separator, .menu = "File1"},
        {.menu = "File1", .name = "Print1", .caption = "&Print", .hint = "Prints the active document", .keys = "Ctrl+P",
         .run = &TMainForm::printClick, .enable = doc},
        {.menu = "File1", .name = "PrinterSetup1", .caption = "Printer Setup",
         .hint = "Change printer and printing options", .run = &TMainForm::printerSetupClick, .enable = doc},
        {.kind = R::Separator, .menu = "File1", .hidden = true},
        {.menu = "File1", .name = "UpdateTessaly1", .caption = "&Update Tessaly",
         .hint = "Looks for a newer version of Tessaly", .hidden = true},
        {.kind = R::Separator, .menu = "File1"},
        {.menu = "File1", .name = "Exit1", .caption = "&Exit", .hint = "Exits the application",
         .run = &TMainForm::exit1Click},

        // --- Edit -------------------------------------------------------------
        {.kind = R::Submenu, .menu = "", .name = "Edit1", .caption = "&Edit",
         .hint = "Edits and searches the active document", .submenu = &TMainForm::editMenu_},
        {.menu = "Edit1", .name = "Undo1", .caption = "Undo", .hint = "Undo the last action", .keys = "Ctrl+Z",
         .code = &memo::TSyntaxMemo::undo, .enable = doc},
        {.menu = "Edit1", .name = "Redo1", .caption = "Redo", .hint = "Redo the last action", .keys = "Shift+Ctrl+Z",
         .code = &memo::TSyntaxMemo::redo, .enable = doc},
        {.kind = R::Separator, .menu = "Edit1"},
        {.menu = "Edit1", .name = "Cut1", .caption = "Cut", .hint = "Cuts selected text to clipboard", .keys = "Ctrl+X",
         .code = &memo::TSyntaxMemo::cutToClipboard, .enable = doc},
        {.menu = "Edit1", .name = "Copy1", .caption = "Copy", .hint = "Copies selected text to clipboard",
         .keys = "Ctrl+C", .code = &memo::TSyntaxMemo::copyToClipboard, .enable = doc},
        {.menu = "Edit1", .name = "Paste1", .caption = "Paste", .hint = "Paste clipboard contents into current document",
         .keys = "Ctrl+V", .code = &memo::TSyntaxMemo::pasteFromClipboard, .enable = doc},
        // The insertion commands add "Standard HTML Tags" here.
        {.kind = R::Submenu, .menu = "Edit1", .name = "PasteSpecial1", .caption = "Paste Special",
         .hint = "Pastes prepared text into current document", .enable = doc,
         .submenu = &TMainForm::pasteSpecialMenu_},
        {.menu = "Edit1", .name = "Delete1", .caption = "Delete", .hint = "Deletes selected text", .keys = "Shift+Del",
         .code = &memo::TSyntaxMemo::clearSelection, .enable = doc},
        {.kind = R::Separator, .menu = "Edit1"},
        {.menu = "Edit1", .name = "SelectAll1", .caption = "Select All", .hint = "Selects the entire document ",
         .keys = "Ctrl+A", .code = &memo::TSyntaxMemo::selectAll, .enable = doc},
        {.kind = R::Separator, .menu = "Edit1"},
        {.menu = "Edit1", .name = "Find1", .caption = "Find", .hint = "Finds a specific text string", .keys = "Ctrl+F",
         .run = &TMainForm::find1Click, .enable = doc},
        {.menu = "Edit1", .name = "FindNExt1", .caption = "Find Next", .hint = "Finds the next matching text string",
         .keys = "F3", .run = &TMainForm::findNext1Click, .enable = doc},
        {.menu = "Edit1", .name = "Replace1", .caption = "Replace", .hint = "Replaces specific text with different text",
         .keys = "Ctrl+R", .run = &TMainForm::replace1Click, .enable = doc},
        {.menu = "Edit1", .name = "UseRegularExpressions1", .caption = "Use Regular Expressions",
         .hint = "Use Regular Expressions", .hidden = true, .checkable = true, .checked = true,
         .action = &TMainForm::regExpItem_},
        {.kind = R::Separator, .menu = "Edit1"},
        {.kind = R::Submenu, .menu = "Edit1", .name = "SetBookmark1", .caption = "Set Bookmark",
         .hint = "Set Bookmarks...", .enable = doc},
        {.kind = R::Submenu, .menu = "Edit1", .name = "FindBookmark1", .caption = "Find Bookmark",
         .hint = "Find Bookmarks...", .enable = doc},
#define TESSALY_BOOKMARK_ROWS(n)                                                                                   \
    {.menu = "SetBookmark1", .name = "SetBookmark" #n, .caption = "Boookmark &" #n,                               \
     .hint = "Sets bookmark " #n " at the current line", .runWith = &TMainForm::setBookmarkClick, .data = n},  \
        {.menu = "FindBookmark1", .name = "FindBookmark" #n, .caption = "Boookmark &" #n,                         \
         .hint = "Moves to bookmark " #n, .runWith = &TMainForm::findBookmarkClick, .data = n}
        TESSALY_BOOKMARK_ROWS(0), TESSALY_BOOKMARK_ROWS(1), TESSALY_BOOKMARK_ROWS(2), TESSALY_BOOKMARK_ROWS(3),
        TESSALY_BOOKMARK_ROWS(4), TESSALY_BOOKMARK_ROWS(5), TESSALY_BOOKMARK_ROWS(6), TESSALY_BOOKMARK_ROWS(7),
        TESSALY_BOOKMARK_ROWS(8), TESSALY_BOOKMARK_ROWS(9),
#undef TESSALY_BOOKMARK_ROWS
        // The Format submenu stays hidden; its items still answer their shortcuts.
        {.kind = R::Submenu, .menu = "Edit1", .name = "Format1", .caption = "Format",
         .hint = "Changes the selected text", .enable = doc, .hidden = true},
        {.menu = "Format1", .name = "ConvertSelectiontoUpperCase1", .caption = "Convert Selection to Upper Case",
         .hint = "Converts selected text to upper case",
         .keys = "Shift+Ctrl+Alt+U", .run = &TMainForm::upperCase1Click},
        {.menu = "Format1", .name = "ConvertSelectiontoLowerCase1", .caption = "Convert Selection to Lower Case",
         .hint = "Converts selected text to lower case",
         .keys = "Shift+Ctrl+Alt+L", .run = &TMainForm::lowerCase1Click},
        {.menu = "Format1", .name = "SelectTag1", .caption = "Select Tag", .hint = "Selects the tag at the cursor",
         .run = &TMainForm::selectTag1Click},
        {.menu = "Format1", .name = "Replace3", .caption = "Replace \"\\\" with \"/\"",
         .hint = "Replaces back slashes with slashes"},
        {.menu = "Format1", .name = "Replacewith1", .caption = "Replace \"/\" with \"\\\"",
         .hint = "Replaces slashes with back slashes"},
        {.kind = R::Separator, .menu = "Edit1"},
        {.menu = "Edit1", .name = "Properties1", .caption = "Properties",
         .hint = "Changes the editor options of the current language", .run = &TMainForm::properties1Click,
         .enable = doc},

        // --- View -------------------------------------------------------------
        {.kind = R::Submenu, .menu = "", .name = "View1", .caption = "&View",
         .hint = "Shows or hides toolbars, panels and the preview", .run = &TMainForm::syncToolbarChecks,
         .submenu = &TMainForm::viewMenu_},
        {.menu = "View1", .name = "ExternalPreview1", .caption = "Toggle Edit/Preview",
         .hint = "Toggles between Edit and Preview mode", .keys = "F9", .run = &TMainForm::externalPreview1Click,
         .enable = doc},
        {.menu = "View1", .name = "LivePreview1", .caption = "&Live Preview",
         .hint = "Shows the page beside the text while you type", .toggle = &TMainForm::livePreview1Click,
         .checkable = true, .action = &TMainForm::livePreviewItem_},
        {.kind = R::Submenu, .menu = "View1", .name = "SyntaxHighlighting1", .caption = "Language",
         .hint = "Selects the language of the active document", .enable = doc,
         .submenu = &TMainForm::languageMenu_},
        {.menu = "SyntaxHighlighting1", .name = "High1", .caption = "JavaScript",
         .hint = "Selects JavaScript as current language", .runWith = &TMainForm::languageClick, .data = 2,
         .checkable = true, .checked = true, .exclusive = true},
        {.menu = "SyntaxHighlighting1", .name = "High2", .caption = "VB Script",
         .hint = "Selects VB as current language", .runWith = &TMainForm::languageClick, .data = 3, .checkable = true,
         .exclusive = true},
        {.menu = "SyntaxHighlighting1", .name = "High3", .caption = "HTML", .hint = "Selects HTML as current language",
         .runWith = &TMainForm::languageClick, .data = 1, .checkable = true, .exclusive = true},
        {.menu = "SyntaxHighlighting1", .name = "High4", .caption = "Plain Text",
         .hint = "Selects Plain Text as current language", .runWith = &TMainForm::languageClick, .data = 4,
         .checkable = true, .exclusive = true},
        // The insertion commands add their hidden item "QAD" (a single quote) to Language.
        {.kind = R::Separator, .menu = "View1"},
        {.menu = "View1", .name = "MT", .caption = "Main Toolbar", .hint = "Shows or hides the Main Toolbar",
         .toggle = &TMainForm::mainToolbarClick, .checkable = true, .checked = true,
         .action = &TMainForm::mainToolbarItem_},
        {.menu = "View1", .name = "ST", .caption = "Scripting Toolbar", .hint = "Shows or hides the Script Toolbar",
         .toggle = &TMainForm::scriptToolbarClick, .checkable = true, .checked = true,
         .action = &TMainForm::scriptToolbarItem_},
        {.menu = "View1", .name = "HT", .caption = "HTML Toolbar", .hint = "Shows or hides the HTML Toolbar",
         .toggle = &TMainForm::htmlToolbarClick, .checkable = true, .checked = true,
         .action = &TMainForm::htmlToolbarItem_},
        {.menu = "View1", .name = "JavaScriptPanel1", .caption = "Script Panel",
         .hint = "Shows or hides the Script Panel", .toggle = &TMainForm::setScriptPanelShown, .checkable = true,
         .checked = true, .action = &TMainForm::scriptPanelItem_},

        // --- HTML and Script: filled by the insertion commands, which also
        // bring the items' names and enable them.
        {.kind = R::Submenu, .menu = "", .name = "Forms1", .caption = "&HTML",
         .hint = "Inserts HTML tags and form elements", .run = &TMainForm::forms1Click,
         .submenu = &TMainForm::htmlMenu_},
        {.kind = R::Submenu, .menu = "", .name = "Script1", .caption = "&Script",
         .hint = "Inserts script blocks and statements", .run = &TMainForm::script1Click,
         .submenu = &TMainForm::scriptMenu_},

        // --- Window -----------------------------------------------------------
        {.kind = R::Submenu, .menu = "", .name = "Window1", .caption = "&Window",
         .hint = "Arranges the open windows and switches between them", .run = &TMainForm::fillWindowList,
         .submenu = &TMainForm::windowMenu_},
        {.menu = "Window1", .name = "Tile1", .caption = "&Tile", .hint = "Tiles all open windows",
         .run = &TMainForm::tileClick, .enable = doc},
        {.menu = "Window1", .name = "Cascade1", .caption = "&Cascade", .hint = "Cascades all open windows",
         .run = &TMainForm::cascadeClick, .enable = doc},
        {.menu = "Window1", .name = "ArrangeIcons1", .caption = "&Arrange Icons",
         .hint = "Arranges the icons of minimized windows", .run = &TMainForm::arrangeIconsClick,
         .enable = doc},
        {.menu = "Window1", .name = "MinimizeAll1", .caption = "&Minimize All                       ",
         .hint = "Minimizes all open windows",
         .keys = "Shift+Ctrl+M", .run = &TMainForm::minimizeAllClick, .enable = doc},
        // Ctrl+Right and Ctrl+Left stay word moves while the text has the
        // focus; the keys of tabbed editors reach the next and previous
        // document from anywhere.
        {.menu = "Window1", .name = "Next1", .caption = "&Next...", .hint = "Activates the next window",
         .keys = "Ctrl+Right; Ctrl+Tab; Ctrl+PgDown",
         .run = &TMainForm::nextClick, .enable = doc},
        {.menu = "Window1", .name = "Previous1", .caption = "&Previous...", .hint = "Activates the previous window",
         .keys = "Ctrl+Left; Ctrl+Shift+Backtab; Ctrl+Shift+Tab; Ctrl+PgUp", .run = &TMainForm::previousClick,
         .enable = doc},
        // A menu of tools that has no commands; kept hidden.
        {.kind = R::Submenu, .menu = "", .name = "Toolnook1", .caption = "&Toolnook", .hint = "Tools", .hidden = true},

        // --- Help -------------------------------------------------------------
        {.kind = R::Submenu, .menu = "", .name = "Help1", .caption = "&Help", .hint = "Help and program information",
         .submenu = &TMainForm::helpMenu_},
        {.menu = "Help1", .name = "HelpContents1", .caption = "Help Contents",
         .hint = "Display the help contents screen", .keys = "F1", .run = &TMainForm::helpContentsClick},
        {.kind = R::Submenu, .menu = "Help1", .name = "UsefulLinks1", .caption = "Internet Links",
         .hint = "Opens useful Web sites in default browser", .enable = doc},
        {.menu = "UsefulLinks1", .name = "OrvaneSoftware1", .caption = "Orvane Software",
         .hint = "Opens the Orvane Software Web site in default browser", .link = "http://www.orvane.com/"},
        {.kind = R::Separator, .menu = "UsefulLinks1"},
        {.menu = "UsefulLinks1", .name = "NetscapesJavaScriptHandbook1", .caption = "Netscape JavaScript Handbook",
         .hint = "Opens the Netscape JavaScript Handbook in default browser",
         .link = "http://developer.netscape.com/docs/manuals/communicator/jsguide/"},
        {.menu = "UsefulLinks1", .name = "MicrosoftScriptionTecnologies1", .caption = "Microsoft Scripting Technologies",
         .hint = "Opens the Microsoft Scriptiong Tecnologies Web site in default browser",
         .link = "http://msdn.microsoft.com/scripting/"},
        {.kind = R::Separator, .menu = "UsefulLinks1"},
        {.menu = "UsefulLinks1", .name = "Yahoo1", .caption = "Yahoo",
         .hint = "Opens the Yahoo search site in default browser", .link = "http://www.yahoo.com/"},
        {.menu = "UsefulLinks1", .name = "Altavista1", .caption = "Altavista",
         .hint = "Opens the Altavista search site in default browser", .link = "http://www.altavista.com/"},
        {.menu = "UsefulLinks1", .name = "WebCrawler1", .caption = "Web Crawler",
         .hint = "Opens the Web Crawler search site in default browser", .link = "http://www.webcrawler.com/"},
        {.kind = R::Separator, .menu = "UsefulLinks1"},
        {.menu = "UsefulLinks1", .name = "LinkExchange1", .caption = "Link Exchange",
         .hint = "Opens the Link Exchange Web site in default browser",
         .link = "http://www.linkexchange.com/"},
        {.kind = R::Separator, .menu = "UsefulLinks1"},
        {.menu = "UsefulLinks1", .name = "SiteInspector1", .caption = "Site Inspector",
         .hint = "Opens the Site Inspector Web site in default browser",
         .link = "http://www.siteinspector.com/"},
        {.menu = "UsefulLinks1", .name = "WebSiteGarage1", .caption = "Web Site Garage",
         .hint = "Opens the Web Site Garage Web site in default browser",
         .link = "http://www.websitegarage.com/"},
        {.kind = R::Separator, .menu = "UsefulLinks1"},
        {.menu = "UsefulLinks1", .name = "InterNIC1", .caption = "InterNIC",
         .hint = "Opens the InterNIC Web site in default browser", .link = "http://www.internic.net/"},
        {.kind = R::Separator, .menu = "Help1"},
        {.menu = "Help1", .name = "Glossary1", .caption = "&Glossary", .hint = "Shows the glossary", .hidden = true},
        {.menu = "Help1", .name = "KeyboardMap1", .caption = "Keyboard Map", .hint = "Shows the keyboard map",
         .hidden = true},
        {.menu = "Help1", .name = "Year2000Compilance1", .caption = "Year 2000 Compilance",
         .hint = "Shows the year 2000 compliance statement", .hidden = true},
        {.menu = "Help1", .name = "AboutTessaly1", .caption = "&About Tessaly", .hint = "Show program information",
         .run = &TMainForm::aboutClick},
    };
    return rows;
}

const std::vector<TToolButtonRow>& TMainForm::toolButtonRows()
{
    static const std::vector<TToolButtonRow> rows = {
        {.name = "NewButton", .icon = "document-new", .hint = "New (Ctrl+N)", .item = "New1", .needsDocument = false},
        {.name = "OpenButton", .icon = "document-open", .hint = "Open (Ctrl+O)", .item = "Open1",
         .needsDocument = false},
        {.name = "SaveButton", .icon = "document-save", .hint = "Save (Ctrl+S)", .item = "Save",
         .action = &TMainForm::saveButton_},
        {.name = "PrintButton", .icon = "document-print", .hint = "Print (Ctrl + P)", .item = "Print1",
         .separatorBefore = true},
        {.name = "CutButton", .icon = "edit-cut", .hint = "Cut (Ctrl+X)", .item = "Cut1", .separatorBefore = true},
        {.name = "CopyButton", .icon = "edit-copy", .hint = "Copy (Ctrl+C)", .item = "Copy1"},
        {.name = "PasteButton", .icon = "edit-paste", .hint = "Paste (Ctrl+V)", .item = "Paste1"},
        {.name = "UndoButton", .icon = "edit-undo", .hint = "Undo (Ctrl+Z)", .item = "Undo1", .separatorBefore = true},
        {.name = "RedoButton", .icon = "edit-redo", .hint = "Redo (Shift+Ctrl+Z)", .item = "Redo1"},
        {.name = "FindButton", .icon = "edit-find", .hint = "Find (Ctrl+F)", .item = "Find1", .separatorBefore = true},
        // This button finds the next match; its hint names Replace all the same.
        {.name = "FindNextButton", .icon = "edit-find-replace", .hint = "Replace (Ctrl+R)", .item = "FindNExt1"},
        {.name = "ToolbarButton9716", .icon = "tessaly-preview", .hint = "Toggle Edit/Preview (F9)",
         .item = "ExternalPreview1", .separatorBefore = true},
        {.name = "HelpButton", .icon = "help-contents", .hint = "Help Contents (F1)", .item = "HelpContents1",
         .needsDocument = false},
    };
    return rows;
}

} // namespace tessaly::app
