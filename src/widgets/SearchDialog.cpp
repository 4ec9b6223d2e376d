#include "widgets/SearchDialog.h"

#include "memo/SearchFlags.h"
#include "widgets/SyntaxMemoView.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace tessaly::widgets {

using memo::TSearchFlags;

TSearchDialog::TSearchDialog(memo::TSyntaxMemo& memo, Mode mode, TSearchFlags flags, QWidget* parent)
    : QDialog(parent)
    , memo_(memo)
    , mode_(mode)
    , regExp_(flags.has(TSearchFlags::RegExp))
{
    setWindowTitle(mode == Mode::find ? tr("Find") : tr("Replace"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose, false);

    find_ = new QLineEdit;
    find_->setObjectName(QStringLiteral("FindWhat"));
    auto* form = new QFormLayout;
    form->addRow(tr("Fi&nd what:"), find_);
    if (mode == Mode::replace) {
        replace_ = new QLineEdit;
        replace_->setObjectName(QStringLiteral("ReplaceWith"));
        form->addRow(tr("Re&place with:"), replace_);
    }
    matchCase_ = new QCheckBox(tr("Match &case"));
    matchCase_->setChecked(flags.has(TSearchFlags::MatchCase));
    wholeWord_ = new QCheckBox(tr("Match &whole word only"));
    auto* options = new QVBoxLayout;
    options->addWidget(wholeWord_);
    options->addWidget(matchCase_);
    if (mode == Mode::replace) {
        confirm_ = new QCheckBox(tr("C&onfirm each replacement"));
        options->addWidget(confirm_);
    }
    auto* direction = new QGroupBox(tr("Direction"));
    up_ = new QRadioButton(tr("&Up"));
    down_ = new QRadioButton(tr("&Down"));
    down_->setChecked(true);
    auto* dirLayout = new QHBoxLayout(direction);
    dirLayout->addWidget(up_);
    dirLayout->addWidget(down_);
    auto* lower = new QHBoxLayout;
    lower->addLayout(options);
    lower->addWidget(direction);

    auto* buttons = new QDialogButtonBox(Qt::Vertical);
    QPushButton* next = buttons->addButton(tr("&Find Next"), QDialogButtonBox::ActionRole);
    next->setDefault(true);
    connect(next, &QPushButton::clicked, this, [this] { findNext(); });
    if (mode == Mode::replace) {
        connect(buttons->addButton(tr("&Replace"), QDialogButtonBox::ActionRole), &QPushButton::clicked, this,
                [this] { replaceOne(); });
        connect(buttons->addButton(tr("Replace &All"), QDialogButtonBox::ActionRole), &QPushButton::clicked, this,
                [this] { replaceAll(); });
    }
    connect(buttons->addButton(QDialogButtonBox::Cancel), &QPushButton::clicked, this, &QDialog::reject);

    auto* left = new QVBoxLayout;
    left->addLayout(form);
    left->addLayout(lower);
    auto* top = new QHBoxLayout(this);
    top->addLayout(left, 1);
    top->addWidget(buttons);

    // The selection is the text to find, unless it is a regular expression.
    if (!regExp_ && memo_.anchor() != memo_.caret())
        find_->setText(QString::fromStdString(memo_.selText().substr(0, 80)));
    ask = [this](const QString& question) {
        QMessageBox box(QMessageBox::Question, windowTitle(), question, QMessageBox::Yes | QMessageBox::No, this);
        box.setDefaultButton(QMessageBox::Yes);
        box.adjustSize();
        if (TSyntaxMemoView* v = view()) {
            const QRect match = v->selectionArea();
            if (!match.isEmpty() && v->screen())
                box.move(besideMatch(box.frameGeometry().size(), match, v->screen()->availableGeometry()));
        }
        return box.exec() == QMessageBox::Yes;
    };
    memo_.forgetLastMatch();
}

TSyntaxMemoView* TSearchDialog::view() const
{
    return qobject_cast<TSyntaxMemoView*>(parentWidget());
}

void TSearchDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (TSyntaxMemoView* v = view())
        v->setKeepSelectionVisible(true);
    find_->setFocus(Qt::OtherFocusReason);
    find_->selectAll();
}

void TSearchDialog::hideEvent(QHideEvent* event)
{
    if (TSyntaxMemoView* v = view())
        v->setKeepSelectionVisible(false);
    QDialog::hideEvent(event);
}

QPoint TSearchDialog::besideMatch(const QSize& box, const QRect& match, const QRect& available)
{
    const int x
        = std::clamp(match.left(), available.left(), std::max(available.left(), available.right() - box.width() + 1));
    auto clampY = [&](int y) {
        return std::clamp(y, available.top(), std::max(available.top(), available.bottom() - box.height() + 1));
    };
    if (match.bottom() + 1 + box.height() <= available.bottom() + 1)
        return {x, match.bottom() + 1};
    if (match.top() - box.height() >= available.top())
        return {x, match.top() - box.height()};
    // No room on either side: the side with more space.
    const int below = available.bottom() - match.bottom();
    const int above = match.top() - available.top();
    return {x, clampY(below >= above ? match.bottom() + 1 : match.top() - box.height())};
}

TSearchFlags TSearchDialog::flags() const
{
    TSearchFlags f = TSearchFlags::AtOnce;
    if (matchCase_->isChecked())
        f |= TSearchFlags::MatchCase;
    if (wholeWord_->isChecked())
        f |= TSearchFlags::WholeWord;
    if (!down_->isChecked())
        f |= TSearchFlags::Upward;
    if (regExp_)
        f |= TSearchFlags::RegExp;
    return f;
}

bool TSearchDialog::findNext()
{
    const std::string text = find_->text().toStdString();
    if (text.empty())
        return false;
    return memo_.findFromDialog(flags(), text);
}

bool TSearchDialog::replaceOne()
{
    const std::string text = find_->text().toStdString();
    if (text.empty())
        return false;
    std::function<bool(const std::string&, const std::string&)> confirmIt;
    if (confirm_ && confirm_->isChecked())
        confirmIt = [this](const std::string& found, const std::string& with) {
            return ask(QStringLiteral("Replace this occurence of '%1' with '%2' ?")
                           .arg(QString::fromStdString(found), QString::fromStdString(with)));
        };
    return memo_.replaceNext(flags(), text, replace_->text().toStdString(), confirmIt);
}

int TSearchDialog::replaceAll()
{
    const std::string text = find_->text().toStdString();
    if (text.empty())
        return 0;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const int n = memo_.replaceAll(flags(), text, replace_->text().toStdString());
    QApplication::restoreOverrideCursor();
    return n;
}

} // namespace tessaly::widgets
