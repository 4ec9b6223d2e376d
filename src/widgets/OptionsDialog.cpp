#include "widgets/OptionsDialog.h"

#include "parser/runtime/SyntaxMemoParser.h"
#include "widgets/OptionsAutoCorrectPage.h"
#include "widgets/OptionsEditorPage.h"
#include "widgets/OptionsHighlightPage.h"
#include "widgets/OptionsKeysPage.h"
#include "widgets/OptionsPrintPage.h"
#include "widgets/OptionsTemplatesPage.h"
#include "widgets/PageSwitchKeys.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tessaly::widgets {

TOptionsDialog::TOptionsDialog(const parser::TSyntaxMemoParser& parser, platform::TDialogs& dialogs, QWidget* parent,
                               const parser::TSM_Settings* builtin)
    : QDialog(parent), settings_(parser.tables().settings), builtin_(builtin ? *builtin : parser.tables().settings)
{
    setObjectName(QStringLiteral("OptionsDialog"));
    setWindowTitle(QStringLiteral("Editor Options"));
    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("Pages"));
    layout->addWidget(tabs_, 1);

    auto* highlight = new TOptionsHighlightPage(settings_, dialogs, parser, builtin_);
    const std::pair<TOptionsPage*, const char*> pages[] = {
        {new TOptionsEditorPage(settings_, dialogs), "Options"},
        {highlight, "Highlighting"},
        {new TOptionsKeysPage(settings_, dialogs), "Key assignments"},
        {new TOptionsPrintPage(settings_, dialogs, printTitle_), "Print Options"},
        {new TOptionsAutoCorrectPage(settings_, dialogs), "Auto correct"},
        {new TOptionsTemplatesPage(settings_, dialogs), "Code templates"},
    };
    for (const auto& [page, caption] : pages) {
        page->setObjectName(QString::fromLatin1(caption));
        tabs_->addTab(page, QString::fromLatin1(caption));
        pages_.push_back(page);
        // The example text follows every change, whichever page made it.
        if (page != highlight)
            connect(page, &TOptionsPage::changed, highlight, &TOptionsHighlightPage::refreshPreview);
    }
    // A scheme changes colours that the Options page shows too.
    connect(highlight, &TOptionsPage::changed, pages_.front(), [this] { pages_.front()->reload(); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("Buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    addPageSwitchKeys(*tabs_, *this);
    resize(720, 520);
    // The first field of the first page has the focus when the dialog opens.
    tabs_->setCurrentIndex(0);
    for (QWidget* w : pages_.front()->findChildren<QWidget*>())
        if (w->focusPolicy() & Qt::TabFocus) {
            w->setFocus();
            break;
        }
}

TOptionsDialog::~TOptionsDialog()
{
    // The pages edit settings_: they go while it is still there.
    delete tabs_;
}

TOptionsPage* TOptionsDialog::page(const QString& caption) const
{
    for (TOptionsPage* p : pages_)
        if (p->objectName() == caption)
            return p;
    return nullptr;
}

void TOptionsDialog::setPrintTitle(const std::string& title)
{
    printTitle_ = title;
    if (TOptionsPage* p = page(QStringLiteral("Print Options")))
        p->reload();
}

void TOptionsDialog::accept()
{
    for (std::size_t i = 0; i < pages_.size(); ++i)
        if (!pages_[i]->validate()) {
            tabs_->setCurrentIndex(static_cast<int>(i));
            return;
        }
    QDialog::accept();
}

} // namespace tessaly::widgets
