#include "zctextedit.h"

#include "zfont.h"

#include <QKeyEvent>

ZCTextEdit::ZCTextEdit(QWidget* parent)
    : QTextEdit(parent)
{
}

ZCTextEdit::~ZCTextEdit() = default;

void ZCTextEdit::setTabChangesFocus(bool tabChangesFocus)
{
    m_tabChangesFocus = tabChangesFocus;
    if (!tabChangesFocus)
        QTextEdit::setTabChangesFocus(false);
}

bool ZCTextEdit::tabChangesFocus() const
{
    return m_tabChangesFocus;
}

bool ZCTextEdit::event(QEvent* event)
{
    if (m_tabChangesFocus && event->type() == QEvent::KeyPress) {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        const bool isTab = keyEvent->key() == Qt::Key_Tab || keyEvent->key() == Qt::Key_Backtab;
        if (isTab && keyEvent->modifiers() & Qt::ControlModifier) {
            keyEvent->setModifiers(keyEvent->modifiers() & ~Qt::ControlModifier);
        } else if (isTab) {
            const bool backwards = keyEvent->key() == Qt::Key_Backtab
                                   || keyEvent->modifiers() & Qt::ShiftModifier;
            // QTextEdit's own focusNextPrevChild refuses while its flag is off.
            QWidget::focusNextPrevChild(!backwards);
            return true;
        }
    }
    return QTextEdit::event(event);
}

ZFont* ZCTextEdit::GetFont()
{
    return ZFont::CreateFor(this);
}

void ZCTextEdit::SetFont(ZFont* font)
{
    ZFont::ApplyTo(this, font);
}
