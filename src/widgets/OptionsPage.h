#pragma once

#include <QWidget>

namespace tessaly::parser {
struct TSM_Settings;
}
namespace tessaly::platform {
class TDialogs;
}

namespace tessaly::widgets {

// A page of Editor Options. Pages edit the dialog's copy of the settings as
// the user works; the copy reaches the editor only when the dialog is
// confirmed.
class TOptionsPage : public QWidget {
    Q_OBJECT
public:
    TOptionsPage(parser::TSM_Settings& settings, platform::TDialogs& dialogs, QWidget* parent = nullptr)
        : QWidget(parent), settings_(settings), dialogs_(dialogs)
    {
    }

    // The page's fields may still signal while they are destroyed, after
    // the page itself has gone: cut them off first.
    ~TOptionsPage() override
    {
        for (QObject* child : findChildren<QObject*>())
            child->disconnect(this);
    }

    // The settings were replaced from elsewhere: show them again.
    virtual void reload() = 0;
    // Whether what the page holds can be applied; shows why not otherwise.
    virtual bool validate() { return true; }

signals:
    // The page changed the settings.
    void changed();

protected:
    parser::TSM_Settings& settings_;
    platform::TDialogs& dialogs_;
};

} // namespace tessaly::widgets
