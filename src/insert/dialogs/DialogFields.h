#pragma once

#include <QString>

#include <string>

class QFormLayout;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

namespace tessaly::insert {

// Small helpers that build the labelled fields of the snippet dialogs.

QLineEdit* addLineEdit(QFormLayout* form, const QString& label, const QString& name);
// A number field from 0 to max, showing 0.
QSpinBox* addSpin(QFormLayout* form, const QString& label, const QString& name, int max);
QPlainTextEdit* addTextBox(QFormLayout* form, const QString& label, const QString& name);

// The text a spin field shows, as typed.
std::string spinText(const QSpinBox* spin);
// The text of a multi-line box with its lines ended by CR LF, as an editor
// control holds them.
std::string crLfText(const QPlainTextEdit* box);

} // namespace tessaly::insert
