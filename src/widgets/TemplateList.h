#pragma once

#include "memo/CodeTemplates.h"

#include <QListWidget>

namespace tessaly::widgets {

// The list of code templates that opens under the caret line when the hot
// key finds no template name: each entry shows the name in bold and the
// description. Up and Down move, Enter or a click chooses, Escape closes.
class TTemplateList : public QListWidget {
    Q_OBJECT
public:
    explicit TTemplateList(QWidget* parent);

    void fill(const std::vector<memo::TCodeTemplate>& items);
    QSize sizeHint() const override;

signals:
    void chosen(int index);
    void cancelled();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace tessaly::widgets
