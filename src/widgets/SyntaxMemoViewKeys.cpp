// Keyboard: a key goes to the code-template recogniser, then to auto-replace,
// then to the key map; what none of them takes is typed.
#include "widgets/SyntaxMemoView.h"

#include "widgets/KeyCodes.h"
#include "widgets/TemplateList.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace tessaly::widgets {

namespace {

// The character a key types for auto-replace, 0 when it types none.
char triggerCharOf(const QKeyEvent& e)
{
    if (e.modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return 0;
    switch (e.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return '\r';
    case Qt::Key_Tab:
        return '\t';
    default:
        break;
    }
    const QString text = e.text();
    if (text.size() == 1 && text[0].unicode() >= 32 && text[0].unicode() < 127)
        return static_cast<char>(text[0].unicode());
    return 0;
}

} // namespace

bool TSyntaxMemoView::event(QEvent* event)
{
    // Keys the editor takes win over the shortcuts of menus around it.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        const std::uint16_t code = shortcutOf(*key);
        if (!isModifierOnly(*key)
            && ((code != 0 && (keyMap_.wouldTake(code) || code == templates_.hotKey)) || keyMap_.inSequence())) {
            event->accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void TSyntaxMemoView::runCommand(int code, bool extend)
{
    emit commandRecognised(code);
    if (memo_.onCommandRecognised)
        memo_.onCommandRecognised(memo_, code);
    memo_.executeCommand(code, extend);
}

void TSyntaxMemoView::keyPressEvent(QKeyEvent* event)
{
    restartBlink();
    if (isModifierOnly(*event)) {
        // Ctrl going down between the keys of a sequence does not end it.
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    const std::uint16_t code = shortcutOf(*event);
    if (!keyMap_.inSequence() && !memo_.readOnly()) {
        if (code != 0 && code == templates_.hotKey) {
            const auto outcome = templates_.hotKeyPressed(memo_);
            if (outcome == memo::TCodeTemplates::Outcome::ListWanted)
                openTemplateList();
            if (outcome == memo::TCodeTemplates::Outcome::ListWanted || templates_.swallow) {
                event->accept();
                return;
            }
        }
        const char trigger = triggerCharOf(*event);
        if (trigger != 0 && autoReplace_.isTrigger(trigger) && autoReplace_.triggerTyped(memo_, trigger)) {
            event->accept();
            return;
        }
    }
    if (code != 0) {
        const memo::TKeyMap::Result r = keyMap_.press(code);
        if (r.taken) {
            if (r.command >= 0)
                runCommand(r.command, r.extend);
            event->accept();
            return;
        }
    }
    if (!typeKey(event))
        QAbstractScrollArea::keyPressEvent(event);
}

bool TSyntaxMemoView::typeKey(QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers();
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Ctrl+Enter is a line feed, typed as a line break when returns are not wanted.
        memo_.typeChar((mods & Qt::ControlModifier) ? '\n' : '\r');
        event->accept();
        return true;
    case Qt::Key_Tab:
        if (mods & (Qt::ControlModifier | Qt::AltModifier))
            return false;
        memo_.typeChar('\t');
        event->accept();
        return memo_.wantTab();
    default:
        break;
    }
    // Ctrl and Alt chords type nothing (AltGr compositions come with both on some systems).
    const bool chord = (mods & Qt::ControlModifier) && !(mods & Qt::AltModifier);
    const QString text = event->text();
    if (text.isEmpty() || chord || (mods & Qt::AltModifier && !(mods & Qt::ControlModifier)))
        return false;
    // One character at a time, each one undo step; control characters
    // (Escape and the like) are left to the widgets around.
    bool typed = false;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QByteArray one = text.mid(i, n).toUtf8();
        if (!(one.size() == 1 && (static_cast<unsigned char>(one[0]) < 32 || one[0] == 127))) {
            memo_.typeCharacter(std::string_view(one.constData(), static_cast<std::size_t>(one.size())));
            typed = true;
        }
        i += n;
    }
    if (typed)
        event->accept();
    return typed;
}

void TSyntaxMemoView::inputMethodEvent(QInputMethodEvent* event)
{
    const QString text = event->commitString();
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QByteArray one = text.mid(i, n).toUtf8();
        memo_.typeCharacter(std::string_view(one.constData(), static_cast<std::size_t>(one.size())));
        i += n;
    }
    event->accept();
}

QVariant TSyntaxMemoView::inputMethodQuery(Qt::InputMethodQuery query) const
{
    if (query == Qt::ImCursorRectangle)
        return QRect(caretPoint(), QSize(2, lineHeight_));
    if (query == Qt::ImEnabled)
        return true;
    return QAbstractScrollArea::inputMethodQuery(query);
}

// --- the template list ----------------------------------------------------------

void TSyntaxMemoView::openTemplateList()
{
    if (templates_.items.empty())
        return;
    if (!templateList_) {
        templateList_ = new TTemplateList(viewport());
        connect(templateList_, &TTemplateList::chosen, this, [this](int i) { closeTemplateList(i); });
        connect(templateList_, &TTemplateList::cancelled, this, [this] { closeTemplateList(-1); });
    }
    templateList_->fill(templates_.items);
    const std::string fragment = memo_.textRange(std::min(memo_.anchor(), memo_.caret()), std::max(memo_.anchor(), memo_.caret()));
    const int pre = templates_.firstContaining(fragment);
    templateList_->setCurrentRow(pre < 0 ? 0 : pre);
    // Under the caret's line, kept inside the viewport.
    const QPoint at = pointOf(std::min(memo_.anchor(), memo_.caret()));
    const QSize size = templateList_->sizeHint();
    int x = std::clamp(at.x(), 0, std::max(0, viewport()->width() - size.width()));
    int y = at.y() + lineHeight_;
    if (y + size.height() > viewport()->height() && at.y() - size.height() >= 0)
        y = at.y() - size.height();
    templateList_->setGeometry(x, y, size.width(), size.height());
    templateList_->show();
    templateList_->setFocus();
}

void TSyntaxMemoView::closeTemplateList(int chosen)
{
    if (!templateList_)
        return;
    templateList_->hide();
    setFocus();
    if (chosen >= 0) {
        const std::int64_t a = std::min(memo_.anchor(), memo_.caret());
        const std::int64_t b = std::max(memo_.anchor(), memo_.caret());
        memo_.setSelection(a, b, true);
        templates_.expand(memo_, static_cast<std::size_t>(chosen), static_cast<std::size_t>(b - a));
    }
}

} // namespace tessaly::widgets
