#pragma once

#include <QFont>
#include <QString>

#include <filesystem>
#include <memory>
#include <optional>

class QPrinter;

namespace tessaly::memo {
class TSyntaxMemo;
}

namespace tessaly::platform {
class TDialogs;
}

namespace tessaly::app {

// Print and Printer Setup. The commands keep the current printer, which
// Printer Setup changes (a printer, or a PDF file to print to). With no
// printer installed and no file chosen, the print goes to a PDF file the
// user names, never silently nowhere.
class TPrintCommands {
public:
    // The document to print.
    struct TSource {
        memo::TSyntaxMemo* memo = nullptr;
        QString caption; // the title when the document sets none
        QFont font;      // the editor's font
        // The name a PDF is offered under, without its extension.
        std::string stem;
    };

    // What the commands need of the main window.
    class Host {
    public:
        // The active document; nothing when no document is open.
        virtual std::optional<TSource> printSource() = 0;
        virtual platform::TDialogs& printDialogs() = 0;
        // The folder a file dialog starts in, and the remembering of the
        // folder of a file chosen in one.
        virtual std::filesystem::path fileDialogFolder() const = 0;
        virtual void rememberFileDialogFolder(const std::optional<std::filesystem::path>& chosen) = 0;

    protected:
        ~Host() = default;
    };

    explicit TPrintCommands(Host& host);
    ~TPrintCommands();

    QPrinter& printer() { return *printer_; }

    void print();
    void printerSetup();

private:
    // Prints the document in the highlighting's styles, all of it scanned
    // first; an error message when nothing could be printed.
    void printTo(const TSource& source, QPrinter& printer);

    Host& host_;
    std::unique_ptr<QPrinter> printer_;
};

} // namespace tessaly::app
