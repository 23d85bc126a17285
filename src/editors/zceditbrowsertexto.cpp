#include "zceditbrowsertexto.h"

#include "zcdlgtexteditor.h"
#include "zcthemeicon_p.h"
#include "ztextedit.h"

#include <QKeyEvent>
#include <QSignalBlocker>
#include <QTextEdit>

ZCEditBrowserTexto::ZCEditBrowserTexto(QWidget* parent, bool rich, Qt::Alignment buttonAlignment)
    : ZAbstractBrowser(parent)
    , m_rich(rich)
    , m_textBox(new QTextEdit(this))
{
    SetWidget(m_textBox, rich);
    SetAlignBoton(buttonAlignment);
    SetIcono(themeIcon(QStringLiteral("textbox")));
    m_textBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_textBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Rich text is edited only in the dialog; plain text also in place.
    m_textBox->setReadOnly(rich);
    m_textBox->setAcceptRichText(rich);
    m_textBox->installEventFilter(this);
    connect(m_textBox, &QTextEdit::textChanged, this, &ZCEditBrowserTexto::textChanged);
}

ZCEditBrowserTexto::~ZCEditBrowserTexto() = default;

void ZCEditBrowserTexto::GetTexto(QString& text) const
{
    if (!m_rich)
        text = m_textBox->toPlainText();
    else
        text = m_textBox->document()->isEmpty() ? QString() : m_textBox->toHtml();
}

// Compared with the text as GetTexto() reads it, so that an empty rich document given the
// empty text it reads as is left untouched too.
void ZCEditBrowserTexto::SetTexto(const QString& text)
{
    QString current;
    GetTexto(current);
    if (text != current) {
        if (m_rich)
            m_textBox->setHtml(text);
        else
            m_textBox->setPlainText(text);
    }
    m_textBox->document()->setModified(false);
}

bool ZCEditBrowserTexto::IsModified() const { return m_textBox->document()->isModified(); }
void ZCEditBrowserTexto::SetModified(bool modified) { m_textBox->document()->setModified(modified); }
bool ZCEditBrowserTexto::GetEdicionEnLinea() const { return m_inlineEditing; }
void ZCEditBrowserTexto::SetEdicionEnLinea(bool inlineEditing) { m_inlineEditing = inlineEditing; }

void ZCEditBrowserTexto::onPressBrowser()
{
    auto* dialog = new ZCDlgTextEditor(m_rich ? tr("Editor de texto enriquecido") : tr("Editor de texto"), this);
    ZTextEdit* editor = dialog->GetTextEditor();
    editor->SetAceptaTextoEnriquecido(m_rich);
    QString text;
    GetTexto(text);
    editor->SetText(text);
    PosicionaVentanaRespectoPadre(dialog);
    connect(dialog, &QDialog::accepted, this, [this, editor] {
        if (editor->IsModified())
            takeEditedText(editor->GetText());
    });
    dialog->OpenAndDelete();
}

// The text box's own change signal is held back, so that the change is reported once.
void ZCEditBrowserTexto::takeEditedText(const QString& text)
{
    {
        const QSignalBlocker blocker(m_textBox);
        SetTexto(text);
    }
    SetModified(true);
    emit textChanged();
}

bool ZCEditBrowserTexto::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_textBox && event->type() == QEvent::KeyPress
        && handleTextBoxKey(static_cast<QKeyEvent*>(event))) {
        return true;
    }
    return ZAbstractBrowser::eventFilter(watched, event);
}

bool ZCEditBrowserTexto::handleTextBoxKey(QKeyEvent* event)
{
    const bool control = event->modifiers() & Qt::ControlModifier;
    const bool writable = !m_textBox->isReadOnly();
    switch (event->key()) {
    case Qt::Key_Tab:
        if (isCapturing())
            return false;
        focusNextChild();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!m_inlineEditing)
            return false;
        // Plain Return goes on to the container, for its navigation.
        if (!control)
            event->ignore();
        else if (writable)
            m_textBox->textCursor().insertBlock();
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (!m_inlineEditing || !control || !writable)
            return false;
        m_textBox->moveCursor(event->key() == Qt::Key_Up ? QTextCursor::Up : QTextCursor::Down);
        return true;
    default:
        return false;
    }
}
