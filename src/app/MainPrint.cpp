// Print and Printer Setup. With no printer installed the print goes to a
// PDF file the user names, never silently nowhere.
#include "app/MainForm.h"

#include "app/DocumentPrinter.h"
#include "app/Editor.h"
#include "memo/SyntaxMemo.h"
#include "widgets/SyntaxMemoView.h"

#include <QPrinter>

namespace tessaly::app {

void TMainForm::printTo(TEditor& editor, QPrinter& printer)
{
    TPrintOptions options = printOptionsOf(editor.memo(), editor.caption(), editor.code().font());
    printer.setDocName(options.title);
    // The text prints in the highlighting's styles, all of it scanned first.
    memo::TSyntaxMemo& m = editor.memo();
    m.highlightAll();
    if (const memo::THighlighter* h = m.highlighter())
        options.style = [h](std::uint8_t v) { return h->tokenStyle(v); };
    if (printDocument(printLines(m, options.tabWidth), printer, options, printValues(m, options.tabWidth)) == 0) {
        const QString where = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        dialogs_->showMessage("Unable to print to " + where.toStdString(), platform::TMsgKind::error, platform::btnOk);
    }
}

void TMainForm::printClick()
{
    TEditor* e = activeEditor();
    if (!e)
        return;
    // A printer, or a file chosen as the target in Printer Setup.
    if (dialogs_->printerInstalled() || !printer_->outputFileName().isEmpty()) {
        printTo(*e, *printer_);
        return;
    }
    dialogs_->showMessage("No printer is installed. The document will be printed to a PDF file: "
                         "choose its name in the next dialog.",
                         platform::TMsgKind::information, platform::btnOk);
    platform::TFileDialogRequest r;
    r.title = "Print to PDF";
    r.filters = {{"PDF Files (*.pdf)", "*.pdf"}};
    r.defaultExt = "pdf";
    r.initialName = (e->untitled() ? std::string("Untitled") : e->path().stem().string()) + ".pdf";
    r.overwritePrompt = true;
    r.initialFolder = dialogFolder();
    const auto file = dialogs_->saveFile(r);
    rememberFolder(file);
    if (!file)
        return;
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setPageLayout(printer_->pageLayout());
    pdf.setOutputFileName(QString::fromStdString(file->string()));
    printTo(*e, pdf);
}

void TMainForm::printerSetupClick()
{
    dialogs_->printerSetup();
}

} // namespace tessaly::app
