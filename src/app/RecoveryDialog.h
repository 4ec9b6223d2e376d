#pragma once

#include "app/RecoveryFile.h"

#include <QDialog>

#include <vector>

class QListWidget;

namespace tessaly::app {

// "Recover Documents": the documents a run that did not end normally left
// unsaved, each with its name and time, all checked. Restore (the default
// button) brings the checked ones back and drops the rest; Discard All
// drops them all (result kDiscard); closing the dialog keeps the files for
// the next start.
class TRecoveryDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDiscard = 2;

    TRecoveryDialog(const std::vector<TRecoveryRecord>& records, QWidget* parent = nullptr);
    QListWidget* list() const { return list_; }
    std::vector<bool> chosen() const;

private:
    QListWidget* list_ = nullptr;
};

} // namespace tessaly::app
