#include "app/PreviewFiles.h"

#include "memo/AtomicFile.h"

#include <QString>

#include <ostream>

namespace tessaly::app {

void writePreviewFile(const std::filesystem::path& file, std::string_view text)
{
    memo::writeFileAtomically(file, [text](std::ostream& out) {
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    });
}

QUrl previewAddress(bool untitled, const std::filesystem::path& document, const std::string& programFolder)
{
    const std::string file = untitled ? programFolder + kPreviewFile : document.string();
    return QUrl::fromLocalFile(QString::fromStdString(file));
}

} // namespace tessaly::app
