#include "zcdlgtexteditor.h"

#include "ztextedit.h"

#include <QStatusBar>

ZCDlgTextEditor::ZCDlgTextEditor(const QString& title, QWidget* parent)
    : ZCDialog(title, parent, QStringLiteral("DlgTexEdit"))
    , m_textEditor(new ZTextEdit(this))
{
    LoadSettings();
    AddWidget(m_textEditor);
    AddBotonesAceptarCancelar();
    m_textEditor->statusBar()->setSizeGripEnabled(false);
}

ZCDlgTextEditor::~ZCDlgTextEditor() = default;

ZTextEdit* ZCDlgTextEditor::GetTextEditor() const
{
    return m_textEditor;
}
