#include "app/EditorMessages.h"

#include "platform/Dialogs.h"

#include <QApplication>

namespace tessaly::app {

void TEditorMessages::beep()
{
    QApplication::beep();
}

void TEditorMessages::error(const std::string& text)
{
    dialogs_.showMessage(text, platform::TMsgKind::error, platform::btnOk);
}

} // namespace tessaly::app
