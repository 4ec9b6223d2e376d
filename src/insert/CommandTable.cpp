#include "insert/CommandTable.h"

#include <algorithm>

namespace tessaly::insert {

namespace {

using A = TCommandAction;
using M = TCommandMenu;
using T = TCommandToolbar;

const std::vector<TInsertCommand> kCommands = {
    {"Bold1", M::HTML, "&Bold", "Ctrl+B", T::HTML, "Bold (Ctrl+B)", A::Wrap, "<B>", "</B>"},
    {"Italic1", M::HTML, "&Italic", "Ctrl+I", T::HTML, "Italic (Ctrl+I)", A::Wrap, "<I>", "</I>"},
    {"Underline1", M::HTML, "&Underline", "Ctrl+U", T::HTML, "Underline (Ctrl+U)", A::Wrap, "<U>", "</U>"},
    {"Heading11", M::Headings, "Heading 1", "", T::None, "Makes the selection heading 1", A::Wrap, "<H1>", "</H1>"},
    {"Heading21", M::Headings, "Heading 2", "", T::None, "Makes the selection heading 2", A::Wrap, "<H2>", "</H2>"},
    {"Heading31", M::Headings, "Heading 3", "", T::None, "Makes the selection heading 3", A::Wrap, "<H3>", "</H3>"},
    {"Heading41", M::Headings, "Heading 4", "", T::None, "Makes the selection heading 4", A::Wrap, "<H4>", "</H4>"},
    {"Heading51", M::Headings, "Heading 5", "", T::None, "Makes the selection heading 5", A::Wrap, "<H5>", "</H5>"},
    {"Heading61", M::Headings, "Heading 6", "", T::None, "Makes the selection heading 6", A::Wrap, "<H6>", "</H6>"},
    {"Center1", M::HTML, "&Center", "", T::HTML, "Center...", A::Wrap, "<CENTER>", "</CENTER>"},
    {"Paragraph1", M::HTML, "&Paragraph", "Alt+Return", T::HTML, "Paragraph (Alt+Enter)", A::Insert, "<P>"},
    {"RowBreak1", M::HTML, "&Row Break", "Shift+Return", T::HTML, "Insert Row Break (Shift+Enter)", A::Insert,
     "<BR>"},
    {"NoBreakSpace1", M::HTML, "&No Break Space", "Ctrl+Shift+Space", T::HTML,
     "Insert No Break Space (Shift+Ctrl+Space)", A::Insert, "&nbsp;"},
    {"QuickColor1", M::HTML, "Quick Color", "Alt+C", T::None, "Inserts a color picked from a palette", A::QuickColor},
    {"Link1", M::HTML, "Hyperlink", "Ctrl+H", T::HTML, "Insert Link", A::LinkDialog},
    {"Forms2", M::Forms, "Form Item", "", T::HTML, "Form Item", A::FormDialog},
    {"Edit2", M::Forms, "Text Box", "", T::HTML, "Text Box", A::TextBoxDialog},
    {"Textarea1", M::Forms, "Text Area", "", T::HTML, "Text Area", A::TextAreaDialog},
    {"Checkbox1", M::Forms, "Check Box", "", T::HTML, "Check Box", A::CheckBoxDialog},
    {"RadioButton2", M::Forms, "Radio Button", "", T::HTML, "Radio Button", A::RadioButtonDialog},
    {"Dropdownlist1", M::Forms, "Select...", "", T::HTML, "Select...", A::SelectDialog},
    {"Button1", M::Forms, "Submit/Reset Button", "", T::HTML, "Button", A::ButtonDialog},
    {"InsertStandardTags1", M::PasteSpecial, "Standard HTML Tags", "", T::None,
     "Inserts the tags every HTML page has", A::Insert,
     "<HTML>\r<HEAD>\r   <TITLE>Document_Title_Goes_Here</TITLE>\r</HEAD>\r<BODY>\r\r\r</BODY>\r</HTML>"},
    {"ScriptBlock", M::Script, "Script Block", "F4", T::Script, "New Script Block", A::ScriptBlock},
    {"NoScriptBlock1", M::Script, "No Script Block", "F5", T::None,
     "Inserts text for browsers that run no scripts", A::Insert,
     "<NOSCRIPT>\r<!-- Add text here for non-Java/Vb script enabled browsers\r-->\r</NOSCRIPT>"},
    {"FunctionBlock1", M::Script, "Function Block", "F6", T::Script, "Function Block", A::FunctionBlockDialog},
    {"CommentBlock1", M::Script, "Comment Block", "F7", T::Script, "Comment", A::CommentBlock},
    {"CustomObject1", M::Script, "Custom Object", "F8", T::Script, "Custom Object", A::CustomObjectDialog},
    // F9 belongs to Toggle Edit/Preview, so this item shows no shortcut.
    {"ShortCut1", M::Script, "Insert Servlet", "", T::Script, "Insert Sevlet", A::ServletDialog},
    {"DocumentWrite1", M::JavaScript, "document.write()", "", T::Script, "document.write()", A::Wrap,
     "document.write(\"", "\")"},
    {"Messagedialog1", M::JavaScript, "Message dialog", "", T::Script, "Message Dialog", A::MessageDialog},
    {"IFstatement1", M::JavaScript, "\"if\" statement...", "", T::None,
     "Inserts an \"if\" statement", A::Insert, "if ( ) {\r}"},
    {"ELSEstatement1", M::JavaScript, "\"else\" statement...", "", T::None,
     "Inserts an \"if\" statement with an \"else\" part", A::Insert, "if ( ) {\r}\relse {\r}"},
    {"forloop1", M::JavaScript, "\"for\"  loop", "", T::None, "Inserts a \"for\" loop", A::Insert, "for ( ; ; ) {\r}"},
    {"whileloop1", M::JavaScript, "\"while\" loop", "", T::None,
     "Inserts a \"while\" loop", A::Insert, "while ( condition ) {\r}"},
    {"with1", M::JavaScript, "\"with\"", "", T::None,
     "Inserts a \"with\" statement", A::Insert, "with ( Object ) {\r}"},
    {"swich1", M::JavaScript, "\"switch\"", "", T::None, "Inserts a \"switch\" statement", A::Insert,
     "switch ( expression ) {\r    case label :\r       statement;\r       break;\r    case label :\r"
     "       statement;\r       break;\r    default :\r       statement;\r}"},
    {"ASPServerVariable1", M::ASP, "ASP Server Variable", "", T::Script, "ASP Server Variable",
     A::AspVariableDialog},
    {"ASPInclude1", M::ASP, "ASP Include", "", T::Script, "ASP Include", A::Wrap, "<!--#include file=\"", "\"-->"},
    {"ASPTag1", M::ASP, "ASP Tag", "", T::Script, "ASP Tag", A::Wrap, "<% ", " %>"},
    {"ASKOutput1", M::ASP, "ASP Output", "", T::Script, "ASP Output", A::Wrap, "<%= ", " %>"},
    {"ASPif1", M::ASP, "\"if\" statement", "", T::Script, "ASP \"if\" statement", A::Insert, "<% if %>"},
    {"ASPelse1", M::ASP, "\"else\" satement", "", T::Script, "ASP \"else\" statement", A::Insert, "<% else %>"},
    {"ASPend1", M::ASP, "\"end\" statement", "", T::Script, "ASP \"end\" statement", A::Insert, "<% end %>"},
};

const std::vector<TSubmenu> kSubmenus = {
    {"Headings1", M::Headings, "Headings", "Makes the selection a heading"},
    {"Form1", M::Forms, "Forms", "Inserts a form or one of its fields"},
    {"JavaScript1", M::JavaScript, "JavaScript", "Inserts JavaScript statements"},
    {"ASP1", M::ASP, "ASP (Active Server Pages)", "Inserts ASP tags and statements"},
};

} // namespace

const std::vector<TInsertCommand>& insertCommands()
{
    return kCommands;
}

const TInsertCommand* findInsertCommand(std::string_view name)
{
    const auto it = std::find_if(kCommands.begin(), kCommands.end(), [&](const auto& c) { return c.name == name; });
    return it == kCommands.end() ? nullptr : &*it;
}

const std::vector<TSubmenu>& insertSubmenus()
{
    return kSubmenus;
}

} // namespace tessaly::insert

#include "insert/Snippet.h"

namespace tessaly::insert {

TSnippet fixedSnippet(const TInsertCommand& command)
{
    if (command.action == TCommandAction::Wrap)
        return TSnippet::wrap(std::string(command.before), std::string(command.after));
    return TSnippet::insert(std::string(command.before));
}

} // namespace tessaly::insert
