#include "app/PreviewFiles.h"

#include "memo/AtomicFile.h"

#include <QString>

#include <ostream>

namespace tessaly::app {

void writePreviewFile(const std::filesystem::path& file, std::string_view text)
{
    memo::writeFileAtomically(file, [text](std::ostream& out) {
        // The editor holds the text in UTF-8 whatever the page's file is
        // written in. A browser reading a local file without a byte order
        // mark goes by the page's charset declaration or a guess, either of
        // which may be wrong for these bytes; the mark overrides both.
        out.write(kUtf8Bom.data(), static_cast<std::streamsize>(kUtf8Bom.size()));
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    });
}

QUrl previewAddress(bool untitled, const std::filesystem::path& document, const std::string& programFolder)
{
    const std::string file = untitled ? programFolder + kPreviewFile : document.string();
    return QUrl::fromLocalFile(QString::fromStdString(file));
}

} // namespace tessaly::app
