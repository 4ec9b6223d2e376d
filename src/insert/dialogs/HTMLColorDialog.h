#pragma once

#include "insert/HtmlColor.h"

#include <QColorDialog>

namespace tessaly::insert {

// The colour chooser of Quick Color: a colour dialog that also gives its
// colour as HTML writes it.
class THTMLColorDialog : public QColorDialog {
    Q_OBJECT
    Q_PROPERTY(QString HTMLColor READ htmlColor)
public:
    explicit THTMLColorDialog(QWidget* parent = nullptr);

    // The chosen colour as "#RRGGBB", or empty when no valid colour is chosen.
    QString htmlColor() const;
};

} // namespace tessaly::insert
