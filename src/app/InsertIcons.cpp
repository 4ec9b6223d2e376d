#include "app/InsertIcons.h"

#include "app/Icons.h"

#include <QAction>

namespace tessaly::app {

namespace {

struct CommandIcon {
    const char* command;
    const char* icon;
};

constexpr CommandIcon kIcons[] = {
    {"Bold1", "format-text-bold"},
    {"Italic1", "format-text-italic"},
    {"Underline1", "format-text-underline"},
    {"Heading", "tessaly-heading"},
    {"Center1", "format-justify-center"},
    {"Paragraph1", "tessaly-paragraph"},
    {"RowBreak1", "tessaly-row-break"},
    {"NoBreakSpace1", "tessaly-no-break-space"},
    {"Link1", "tessaly-link"},
    {"Forms2", "tessaly-form"},
    {"Edit2", "tessaly-text-box"},
    {"Textarea1", "tessaly-text-area"},
    {"Checkbox1", "tessaly-check-box"},
    {"RadioButton2", "tessaly-radio-button"},
    {"Dropdownlist1", "tessaly-select"},
    {"Button1", "tessaly-button"},
    {"ScriptBlock", "tessaly-script-block"},
    {"FunctionBlock1", "tessaly-function-block"},
    {"CommentBlock1", "tessaly-comment"},
    {"CustomObject1", "tessaly-object"},
    {"ShortCut1", "tessaly-servlet"},
    {"DocumentWrite1", "tessaly-document-write"},
    {"Messagedialog1", "tessaly-message-dialog"},
    {"ASPServerVariable1", "tessaly-asp-server-variable"},
    {"ASPInclude1", "tessaly-asp-include"},
    {"ASPTag1", "tessaly-asp-tag"},
    {"ASKOutput1", "tessaly-asp-output"},
    {"ASPif1", "tessaly-asp-if"},
    {"ASPelse1", "tessaly-asp-else"},
    {"ASPend1", "tessaly-asp-end"},
};

} // namespace

QString insertIconName(const QString& command)
{
    for (const CommandIcon& c : kIcons)
        if (command == QLatin1String(c.command))
            return QString::fromLatin1(c.icon);
    return {};
}

void applyInsertIcons(QObject& owner)
{
    for (const CommandIcon& c : kIcons)
        if (auto* a = owner.findChild<QAction*>(QString::fromLatin1(c.command)))
            a->setIcon(themeIcon(QString::fromLatin1(c.icon)));
}

} // namespace tessaly::app
