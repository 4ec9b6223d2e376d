#include "widgets/HtmlViewer.h"

#include <QFile>
#include <QTextDocument>
#include <QToolTip>

namespace tessaly::widgets {

THtmlViewer::THtmlViewer(QWidget* parent)
    : QTextBrowser(parent)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setUndoRedoEnabled(false);
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    setFont(font);
    applyColours();
}

bool THtmlViewer::loadFile(const std::filesystem::path& file)
{
    file_ = file;
    QFile in(QString::fromStdString(file.string()));
    if (!in.open(QIODevice::ReadOnly)) {
        clear();
        return false;
    }
    setHtml(QString::fromUtf8(in.readAll()));
    clearHistory();
    return true;
}

QVariant THtmlViewer::loadResource(int type, const QUrl& name)
{
    if (type == QTextDocument::ImageResource)
        return {};
    return QTextBrowser::loadResource(type, name);
}

void THtmlViewer::applyColours()
{
    const QPalette tip = QToolTip::palette();
    QPalette p = palette();
    p.setColor(QPalette::Base, tip.color(QPalette::ToolTipBase));
    p.setColor(QPalette::Text, tip.color(QPalette::ToolTipText));
    setPalette(p);
}

} // namespace tessaly::widgets
