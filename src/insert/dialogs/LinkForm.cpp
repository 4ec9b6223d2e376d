#include "insert/dialogs/LinkForm.h"

#include "insert/Insertion.h"
#include "insert/LinkSnippet.h"
#include "insert/dialogs/DialogFields.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tessaly::insert {

TLinkForm::TLinkForm(EditorAccess editor, QWidget* parent)
    : TSnippetDialog(std::move(editor), QStringLiteral("Hyperlink"), parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Enter you hyperlink details below."), this));
    auto* fields = new QFormLayout;
    layout->addLayout(fields);

    auto* urlRow = new QHBoxLayout;
    edit2_ = new QLineEdit(this);
    edit2_->setObjectName(QStringLiteral("Edit2"));
    browse_ = new QPushButton(QStringLiteral("Browse"), this);
    browse_->setAutoDefault(false);
    urlRow->addWidget(edit2_);
    urlRow->addWidget(browse_);
    fields->addRow(QStringLiteral("URL"), urlRow);
    edit1_ = addLineEdit(fields, QStringLiteral("Link Description"), QStringLiteral("Edit1"));

    comboBox1_ = new QComboBox(this);
    comboBox1_->setObjectName(QStringLiteral("ComboBox1"));
    comboBox1_->setEditable(true);
    comboBox1_->addItems({QStringLiteral("_parent"), QStringLiteral("_self"), QStringLiteral("_top"),
                          QStringLiteral("_blank")});
    comboBox1_->setCurrentIndex(-1);
    comboBox1_->setEditText(QString());
    fields->addRow(QStringLiteral("Frame Target (optional)"), comboBox1_);
    edit3_ = addLineEdit(fields, QStringLiteral("Mouse Over text (optional)"), QStringLiteral("Edit3"));

    dotty_ = new QLabel(QStringLiteral("'"), this);
    dotty_->setObjectName(QStringLiteral("Dotty"));
    dotty_->hide();
    quote_ = dotty_->text().toStdString();

    auto updateTarget = [this](const QString& text) { targetFragment_ = insert::targetFragment(text.toStdString()); };
    connect(comboBox1_, &QComboBox::editTextChanged, this, updateTarget);
    // Picking the item already shown changes no text but is still a choice.
    connect(comboBox1_, &QComboBox::textActivated, this, updateTarget);
    connect(edit3_, &QLineEdit::textChanged, this, [this](const QString& text) {
        mouseOverFragment_ = insert::mouseOverFragment(text.toStdString(), quote_);
    });
    connect(browse_, &QPushButton::clicked, this, [this] { browseClicked(); });

    chooseFile = [](QWidget* owner) {
        return QFileDialog::getOpenFileName(owner, QString(), QString(),
                                            QStringLiteral("HTML Files (*.html *.htm);;All Files (*)"));
    };
    addButtons(layout, QStringLiteral("OK"), QStringLiteral("Cancel"));
}

void TLinkForm::browseClicked()
{
    const QString file = chooseFile ? chooseFile(this) : QString();
    if (!file.isEmpty())
        edit2_->setText(file);
}

void TLinkForm::okClicked()
{
    if (windowTitle() == QLatin1String(kLinkCaption))
        insertText(editor(), hyperlink(edit2_->text().toStdString(), targetFragment_, mouseOverFragment_,
                                       edit1_->text().toStdString()));
    cancelClicked();
}

void TLinkForm::cancelClicked()
{
    edit2_->clear();
    edit1_->clear();
    edit3_->clear();
    // The box shows "_parent" again, but the next link has no target until
    // the user changes the box.
    {
        const QSignalBlocker blocker(comboBox1_);
        comboBox1_->setCurrentIndex(0);
    }
    targetFragment_.clear();
    closeDialog();
}

} // namespace tessaly::insert
