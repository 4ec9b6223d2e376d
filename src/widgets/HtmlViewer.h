#pragma once

#include <QTextBrowser>

#include <filesystem>

namespace tessaly::widgets {

// A small view of local HTML pages: it shows one file given by its path,
// rendered without images, on the tooltip colour, with a serif default font
// ("Times New Roman", or what the font system substitutes for it). It keeps
// no history and does not follow links: a page is shown only through
// loadFile(), which reads the file anew every time, so a page rewritten under
// the same name shows its new contents.
class THtmlViewer : public QTextBrowser {
    Q_OBJECT
public:
    explicit THtmlViewer(QWidget* parent = nullptr);

    // Shows the file; false (and an empty view) when it cannot be read.
    bool loadFile(const std::filesystem::path& file);
    // The file shown last.
    const std::filesystem::path& file() const { return file_; }

    // Images are off: no image resource is ever loaded.
    QVariant loadResource(int type, const QUrl& name) override;

private:
    void applyColours();

    std::filesystem::path file_;
};

} // namespace tessaly::widgets
