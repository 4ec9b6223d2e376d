#include "app/PrintCommands.h"

#include "app/DocumentPrinter.h"
#include "memo/SyntaxMemo.h"
#include "platform/Dialogs.h"

#include <QPrinter>

namespace tessaly::app {

TPrintCommands::TPrintCommands(Host& host)
    : host_(host)
    , printer_(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
}

TPrintCommands::~TPrintCommands() = default;

void TPrintCommands::printTo(const TSource& source, QPrinter& printer)
{
    memo::TSyntaxMemo& m = *source.memo;
    TPrintOptions options = printOptionsOf(m, source.caption, source.font);
    printer.setDocName(options.title);
    m.finishLoading();
    m.highlightAll();
    if (const memo::THighlighter* h = m.highlighter())
        options.style = [h](std::uint8_t v) { return h->tokenStyle(v); };
    if (printDocument(printLines(m, options.tabWidth), printer, options, printValues(m, options.tabWidth)) == 0) {
        const QString where = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        host_.printDialogs().showMessage("Unable to print to " + where.toStdString(), platform::TMsgKind::error,
                                         platform::btnOk);
    }
}

void TPrintCommands::print()
{
    const std::optional<TSource> source = host_.printSource();
    if (!source)
        return;
    platform::TDialogs& dialogs = host_.printDialogs();
    // A printer, or a file chosen as the target in Printer Setup.
    if (dialogs.printerInstalled() || !printer_->outputFileName().isEmpty()) {
        printTo(*source, *printer_);
        return;
    }
    dialogs.showMessage("No printer is installed. The document will be printed to a PDF file: "
                        "choose its name in the next dialog.",
                        platform::TMsgKind::information, platform::btnOk);
    platform::TFileDialogRequest r;
    r.title = "Print to PDF";
    r.filters = {{"PDF Files (*.pdf)", "*.pdf"}};
    r.defaultExt = "pdf";
    r.initialName = source->stem + ".pdf";
    r.overwritePrompt = true;
    r.initialFolder = host_.fileDialogFolder();
    const auto file = dialogs.saveFile(r);
    host_.rememberFileDialogFolder(file);
    if (!file)
        return;
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setPageLayout(printer_->pageLayout());
    pdf.setOutputFileName(QString::fromStdString(file->string()));
    printTo(*source, pdf);
}

void TPrintCommands::printerSetup() { host_.printDialogs().printerSetup(); }

} // namespace tessaly::app
