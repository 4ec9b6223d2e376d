#include "insert/dialogs/DialogFields.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTextDocument>

namespace tessaly::insert {

namespace {

// Sizes are counted in characters of the widget's font, so the dialogs grow
// with the system font.
constexpr int kFieldColumns = 30;
constexpr int kBoxColumns = 30;
constexpr int kBoxLines = 5;

int charsWide(const QWidget* w, int columns)
{
    return w->fontMetrics().averageCharWidth() * columns;
}

} // namespace

QLineEdit* addLineEdit(QFormLayout* form, const QString& label, const QString& name)
{
    auto* edit = new QLineEdit(form->parentWidget());
    edit->setObjectName(name);
    edit->setMinimumWidth(charsWide(edit, kFieldColumns));
    form->addRow(label, edit);
    return edit;
}

QSpinBox* addSpin(QFormLayout* form, const QString& label, const QString& name, int max)
{
    auto* spin = new QSpinBox(form->parentWidget());
    spin->setObjectName(name);
    spin->setRange(0, max);
    spin->setValue(0);
    form->addRow(label, spin);
    return spin;
}

QPlainTextEdit* addTextBox(QFormLayout* form, const QString& label, const QString& name)
{
    auto* box = new QPlainTextEdit(form->parentWidget());
    box->setObjectName(name);
    box->setTabChangesFocus(true);
    box->setMinimumWidth(charsWide(box, kBoxColumns));
    box->setFixedHeight(box->fontMetrics().lineSpacing() * kBoxLines + 2 * box->frameWidth() +
                        static_cast<int>(2 * box->document()->documentMargin()));
    form->addRow(label, box);
    return box;
}

std::string spinText(const QSpinBox* spin)
{
    return spin->cleanText().toStdString();
}

std::string crLfText(const QPlainTextEdit* box)
{
    QString text = box->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text.toStdString();
}

} // namespace tessaly::insert
