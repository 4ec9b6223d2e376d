#include "app/QtDialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFontDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QUrl>

namespace tessaly::app {

using platform::TMsgAnswer;
using platform::TMsgKind;

namespace {

// Our texts break lines with a lone carriage return; the message box wants LF.
QString displayText(const std::string& text)
{
    QString s = QString::fromStdString(text);
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

bool hasPointerLine(const QString& text)
{
    for (const QString& line : text.split(QLatin1Char('\n')))
        if (line.trimmed() == QLatin1String("^"))
            return true;
    return false;
}

QStringList nameFilters(const platform::TFileDialogRequest& r)
{
    QStringList out;
    for (const auto& f : r.filters) {
        QString patterns = QString::fromStdString(f.patterns);
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // "*.*" means every file, also those without a dot in their name.
        if (patterns == QLatin1String("*.*"))
            patterns = QStringLiteral("*");
        out << QStringLiteral("%1 (%2)").arg(QString::fromStdString(f.title), patterns);
    }
    return out;
}

std::optional<std::filesystem::path> runFileDialog(QWidget* parent, const platform::TFileDialogRequest& r, bool save)
{
    QFileDialog dialog(parent, QString::fromStdString(r.title));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !r.overwritePrompt);
    const QStringList filters = nameFilters(r);
    dialog.setNameFilters(filters);
    if (r.filterIndex >= 0 && r.filterIndex < filters.size())
        dialog.selectNameFilter(filters[r.filterIndex]);
    if (!r.defaultExt.empty())
        dialog.setDefaultSuffix(QString::fromStdString(r.defaultExt));
    if (!r.initialFolder.empty())
        dialog.setDirectory(QString::fromStdString(r.initialFolder.string()));
    if (!r.initialName.empty())
        dialog.selectFile(QString::fromStdString(r.initialName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return std::filesystem::path(dialog.selectedFiles().front().toStdString());
}

} // namespace

TMsgAnswer TQtDialogs::showMessage(const std::string& text, TMsgKind kind, unsigned buttons)
{
    QMessageBox box(parent_);
    box.setWindowTitle(QApplication::applicationName());
    const QString shown = displayText(text);
    if (hasPointerLine(shown)) {
        // A line of spaces and a "^" points at a character of the line
        // above: only a fixed-width font keeps the two aligned.
        box.setTextFormat(Qt::RichText);
        box.setText(QStringLiteral("<pre>") + shown.toHtmlEscaped() + QStringLiteral("</pre>"));
    } else {
        box.setText(shown);
    }
    switch (kind) {
    case TMsgKind::information: box.setIcon(QMessageBox::Information); break;
    case TMsgKind::warning: box.setIcon(QMessageBox::Warning); break;
    case TMsgKind::error: box.setIcon(QMessageBox::Critical); break;
    case TMsgKind::confirmation: box.setIcon(QMessageBox::Question); break;
    case TMsgKind::plain: box.setIcon(QMessageBox::NoIcon); break;
    }
    QMessageBox::StandardButtons set;
    if (buttons & platform::btnYes)
        set |= QMessageBox::Yes;
    if (buttons & platform::btnNo)
        set |= QMessageBox::No;
    if (buttons & platform::btnOk)
        set |= QMessageBox::Ok;
    if (buttons & platform::btnCancel)
        set |= QMessageBox::Cancel;
    box.setStandardButtons(set ? set : QMessageBox::StandardButtons(QMessageBox::Ok));
    switch (box.exec()) {
    case QMessageBox::Yes: return TMsgAnswer::yes;
    case QMessageBox::No: return TMsgAnswer::no;
    case QMessageBox::Ok: return TMsgAnswer::ok;
    default: return TMsgAnswer::cancel;
    }
}

std::optional<std::filesystem::path> TQtDialogs::openFile(const platform::TFileDialogRequest& request)
{
    return runFileDialog(parent_, request, false);
}

std::optional<std::filesystem::path> TQtDialogs::saveFile(const platform::TFileDialogRequest& request)
{
    return runFileDialog(parent_, request, true);
}

bool TQtDialogs::printerSetup()
{
    QPrintDialog dialog(printer_, parent_);
    dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    return dialog.exec() == QDialog::Accepted;
}

bool TQtDialogs::printerInstalled()
{
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

std::optional<platform::TRgb> TQtDialogs::chooseColor(platform::TRgb initial)
{
    const QColor c = QColorDialog::getColor(QColor(initial.r, initial.g, initial.b), parent_);
    if (!c.isValid())
        return std::nullopt;
    return platform::TRgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                          static_cast<std::uint8_t>(c.blue())};
}

std::optional<platform::TFontChoice> TQtDialogs::chooseFont(const platform::TFontChoice& initial)
{
    bool ok = false;
    QFont start(QString::fromStdString(initial.family));
    if (initial.pointSize > 0)
        start.setPointSize(initial.pointSize);
    const QFont f = QFontDialog::getFont(&ok, start, parent_, QString(), QFontDialog::MonospacedFonts);
    if (!ok)
        return std::nullopt;
    return platform::TFontChoice{f.family().toStdString(), f.pointSize() > 0 ? f.pointSize() : initial.pointSize};
}

bool TQtDialogs::shellOpen(const std::filesystem::path& file, const std::filesystem::path&)
{
    if (!std::filesystem::exists(file))
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(file.string())));
}

} // namespace tessaly::app
