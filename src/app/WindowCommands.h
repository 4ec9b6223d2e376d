#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace tessaly::app {

// The Window menu: arranging the document windows of the document area,
// moving between them, and the list of open windows at the end of the menu,
// made again each time the menu drops down.
class TWindowCommands : public QObject {
    Q_OBJECT
public:
    // What the commands need of the main window.
    class Host {
    public:
        // The open documents in the area's order, and the active one (null
        // when none); windows on their way out are not among them.
        virtual QList<QMdiSubWindow*> documentWindows() const = 0;
        virtual QMdiSubWindow* activeDocumentWindow() const = 0;

    protected:
        ~Host() = default;
    };

    // menu: the Window menu, whose own items stay above the list.
    TWindowCommands(Host& host, QMdiArea& area, QMenu& menu, QObject* parent = nullptr);

    void tile();
    void cascade();
    // Minimised windows line up along the bottom of the area, left to right,
    // wrapping upwards when a row is full.
    void arrangeIcons();
    void next();
    void previous();
    void minimizeAll();
    // Makes the list: a separator, then one checkable item per document
    // ("&1 caption" for the first nine), the active one checked. Choosing
    // an item restores a minimised window and activates it.
    void fillWindowList();

    // The separator and items of the list as the menu holds them.
    const QList<QAction*>& windowListItems() const { return listItems_; }

    // Empty when the state holds together, else what is wrong: the list's
    // items are the last actions of the menu, in order, and there is no
    // list without a separator before it.
    QString check() const;

private:
    Host& host_;
    QMdiArea& area_;
    QMenu& menu_;
    QList<QAction*> listItems_;
};

} // namespace tessaly::app
