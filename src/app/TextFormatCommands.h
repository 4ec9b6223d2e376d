#pragma once

#include "app/FormatDocument.h"

#include <QObject>

class QAction;

namespace tessaly::platform {
class TDialogs;
}

namespace tessaly::app {

// The commands of File > Reopen with Encoding, Save with Encoding and Line
// Breaks, which change how the active document's file is read and written.
// Their items are rows of the main menu's table, named
// "ReopenEncoding_<key>", "SaveEncoding_<key>" and "LineBreaks_<key>" with the
// keys of encodingKey and lineEndKey.
class TTextFormatCommands : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kReopenText = "Reopen %s as %e and lose your changes?";

    // What the commands need of the main window.
    class Host {
    public:
        // The active document; null when none is open.
        virtual TFormatDocument* formatDocument() = 0;
        // Saves the active document by the Save rule (a name is asked when it
        // has none); false when it was not saved.
        virtual bool saveFormatDocument() = 0;
        virtual platform::TDialogs& formatDialogs() = 0;

    protected:
        ~Host() = default;
    };

    // The File menu's items of the three submenus, whose own items carry
    // the keys.
    struct TItems {
        QAction* reopen = nullptr;
        QAction* save = nullptr;
        QAction* lineBreaks = nullptr;
    };

    TTextFormatCommands(Host& host, const TItems& items, QObject* parent = nullptr);

    // The commands on the active document.
    void reopenWithEncoding(memo::TEncoding encoding);
    void saveWithEncoding(memo::TEncoding encoding);
    void setLineBreaks(memo::TLineEnd lineEnd);

    // Enables the three submenus and checks the document's encoding and line
    // break; run as the File menu drops down.
    void refresh();

private:
    Host& host_;
    TItems items_;
};

} // namespace tessaly::app
