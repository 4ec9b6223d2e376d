#pragma once

#include "memo/TextFormat.h"

#include <QObject>

namespace tessaly::app {

class TMainForm;

// The commands of File > Reopen with Encoding, Save with Encoding and Line
// Breaks, which change how the active document's file is read and written.
// Their items are rows of the main menu's table, named
// "ReopenEncoding_<key>", "SaveEncoding_<key>" and "LineBreaks_<key>" with the
// keys of encodingKey and lineEndKey.
class TTextFormatCommands : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kReopenText = "Reopen %s as %e and lose your changes?";

    explicit TTextFormatCommands(TMainForm& form);

    // The commands on the active document.
    void reopenWithEncoding(memo::TEncoding encoding);
    void saveWithEncoding(memo::TEncoding encoding);
    void setLineBreaks(memo::TLineEnd lineEnd);

    // Enables the three submenus and checks the document's encoding and line
    // break; run as the File menu drops down.
    void refresh();

private:
    TMainForm& form_;
};

} // namespace tessaly::app
