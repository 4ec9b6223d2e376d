#pragma once

#include "memo/TextFormat.h"

#include <QObject>

class QAction;
class QMenu;

namespace tessaly::app {

class TMainForm;
class TEditor;

// File > Reopen with Encoding, Save with Encoding and Line Breaks: the
// commands that change how the active document's file is read and written.
// Items are named "ReopenEncoding_<key>", "SaveEncoding_<key>" and
// "LineBreaks_<key>" with the keys of encodingKey and lineEndKey.
class TTextFormatMenu : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kReopenText = "Reopen %s as %e and lose your changes?";

    explicit TTextFormatMenu(TMainForm& form);
    // Puts the three submenus into the File menu before the given item.
    void addMenu(QMenu* fileMenu, QAction* before);

    // The commands on the active document.
    void reopenWithEncoding(memo::TEncoding encoding);
    void saveWithEncoding(memo::TEncoding encoding);
    void setLineBreaks(memo::TLineEnd lineEnd);

private:
    void refresh();

    TMainForm& form_;
    QMenu* reopen_ = nullptr;
    QMenu* save_ = nullptr;
    QMenu* lineBreaks_ = nullptr;
};

} // namespace tessaly::app
