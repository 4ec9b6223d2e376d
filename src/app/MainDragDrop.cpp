// Drags over the main window: every drag is welcome (script items dragged
// from the Script Panel show the drop cursor), and files dropped on the
// window open as by Open, in the order given.
#include "app/MainForm.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

namespace tessaly::app {

void TMainForm::dragEnterEvent(QDragEnterEvent* event)
{
    event->acceptProposedAction();
}

void TMainForm::dragMoveEvent(QDragMoveEvent* event)
{
    event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event)
{
    const QMimeData* data = event->mimeData();
    if (!data || !data->hasUrls())
        return;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            openFile(url.toLocalFile().toStdString());
    event->acceptProposedAction();
}

} // namespace tessaly::app
