#include "widgets/SearchDialogs.h"

#include "widgets/SyntaxMemoView.h"

namespace tessaly::widgets {

TSearchDialog* openSearchDialog(TSyntaxMemoView& view, TSearchDialog::Mode mode, memo::TSearchFlags flags)
{
    TSearchDialog* dialog = nullptr;
    for (TSearchDialog* d : view.findChildren<TSearchDialog*>(Qt::FindDirectChildrenOnly)) {
        if (d->mode() == mode && !dialog) {
            dialog = d;
        } else {
            d->close();
            delete d;
        }
    }
    if (!dialog)
        dialog = new TSearchDialog(view.memo(), mode, flags, &view);
    dialog->setWindowFlag(Qt::Dialog);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    return dialog;
}

} // namespace tessaly::widgets
