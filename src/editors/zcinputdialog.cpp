#include "zcinputdialog.h"

#include "zcdialog.h"
#include "zcoverlayshadowgui.h"
#include "zcwaitcursorlift_p.h"

#include <QDebug>
#include <QDialogButtonBox>
#include <QLabel>
#include <QTimeEdit>
#include <QVBoxLayout>

#include <cmath>

ZCInputDialog::ZCInputDialog(QWidget* parent, Qt::WindowFlags flags)
    : QInputDialog(parent, flags)
    , m_overlay(ZCOverlayShadowGui::newOverlay(this, parent))
{
}

ZCInputDialog::~ZCInputDialog()
{
    // The overlay is a child of the parent's window, which may already have deleted it.
    delete m_overlay.data();
}

double ZCInputDialog::ExecGetDouble(QWidget* parent, const QString& title, const QString& label,
                                    double value, double min, double max, int decimals, bool* ok,
                                    Qt::WindowFlags flags, double step)
{
    // With a NaN bound every number is out of range: the prompt would show "nan" or a range of
    // one number and give that back as the user's answer, whatever the user did.
    if (std::isnan(min) || std::isnan(max)) {
        qWarning().noquote() << tr("ZCInputDialog: un límite del número pedido no es un número; no se pregunta");
        if (ok)
            *ok = false;
        return value;
    }
    const ZCWaitCursorLift lift;
    return QInputDialog::getDouble(parent, title, label, value, min, max, decimals, ok, flags, step);
}

QString ZCInputDialog::ExecGetText(QWidget* parent, const QString& title, const QString& label,
                                   QLineEdit::EchoMode echo, const QString& text, bool* ok,
                                   Qt::WindowFlags flags, Qt::InputMethodHints hints)
{
    const ZCWaitCursorLift lift;
    return QInputDialog::getText(parent, title, label, echo, text, ok, flags, hints);
}

bool ZCInputDialog::ExecGetEditorGenerico(QWidget* parent, const std::function<QWidget*()>& factory,
                                          const QString& title, const QString& label)
{
    const ZCWaitCursorLift lift;
    QPointer<ZCDialog> dialog = new ZCDialog(parent);
    dialog->setWindowTitle(title);

    const QPointer<QWidget> editor = factory ? factory() : nullptr;
    if (!editor) {
        qWarning().noquote() << tr("ZCInputDialog: el editor del diálogo no existe");
        delete dialog.data();
        return false;
    }
    const QPointer<QWidget> editorParent = editor->parentWidget();

    auto* caption = new QLabel(label, dialog);
    caption->setBuddy(editor);
    caption->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);

    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(caption);
    layout->addWidget(editor);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetMinAndMaxSize);

    const bool accepted = dialog->exec() == QDialog::Accepted;
    // The dialog may have gone with its parent window while it ran; the editor then went too,
    // unless it belonged to someone else.
    if (editor)
        editor->setParent(editorParent);
    if (dialog)
        dialog->deleteLater();
    return accepted;
}

bool ZCInputDialog::ExecGetTimeEdit(QWidget* parent, QTime& time, const QString& title, const QString& label)
{
    QPointer<QTimeEdit> editor;
    const bool accepted = ExecGetEditorGenerico(parent, [&editor, &time] {
        editor = new QTimeEdit(time);
        editor->setSelectedSection(QDateTimeEdit::HourSection);
        editor->selectAll();
        return editor.data();
    }, title, label);
    if (editor) {
        if (accepted)
            time = editor->time();
        editor->deleteLater();
    }
    return accepted && editor;
}

void ZCInputDialog::OpenAndDelete(const QString& title, const QString& label)
{
    setWindowTitle(title);
    setLabelText(label);
    setAttribute(Qt::WA_DeleteOnClose);
    open();
}

void ZCInputDialog::OpenAndDeleteGetItem(const QString& title, const QString& label,
                                         const QStringList& items, bool editable)
{
    setComboBoxItems(items);
    setComboBoxEditable(editable);
    OpenAndDelete(title, label);
}

void ZCInputDialog::OpenAndDeleteGetText(const QString& title, const QString& label,
                                         QLineEdit::EchoMode echo, const QString& text)
{
    setTextEchoMode(echo);
    setTextValue(text);
    OpenAndDelete(title, label);
}
