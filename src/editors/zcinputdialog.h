#pragma once

#include "mirokit_global.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QPointer>
#include <QTime>

#include <functional>

class ZCOverlayShadowGui;

/*!
    Prompts for one value. An instance darkens its parent's window while it is open; the
    non-modal OpenAndDelete… prompts delete themselves when closed and report through
    QInputDialog's signals.

    Every Exec… prompt takes the application's wait cursors away while the user answers and
    puts them back afterwards. ExecGetDouble() and ExecGetText() are QInputDialog's own static
    prompts and show no overlay; ExecGetEditorGenerico() and ExecGetTimeEdit() run in the
    library's dialog, which does.
*/
class MIROKIT_EXPORT ZCInputDialog : public QInputDialog
{
    Q_OBJECT

public:
    explicit ZCInputDialog(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~ZCInputDialog() override;

    static double ExecGetDouble(QWidget* parent, const QString& title, const QString& label,
                                double value = 0, double min = -2147483647, double max = 2147483647,
                                int decimals = 1, bool* ok = nullptr, Qt::WindowFlags flags = {},
                                double step = 1);
    static QString ExecGetText(QWidget* parent, const QString& title, const QString& label,
                               QLineEdit::EchoMode echo = QLineEdit::Normal,
                               const QString& text = QString(), bool* ok = nullptr,
                               Qt::WindowFlags flags = {},
                               Qt::InputMethodHints hints = Qt::ImhNone);
    // Runs a prompt around the editor that `factory` makes. The editor outlives the prompt: it
    // goes back to the parent it had when the factory returned it (none for a new editor).
    static bool ExecGetEditorGenerico(QWidget* parent, const std::function<QWidget*()>& factory,
                                      const QString& title, const QString& label);
    // `time` changes only when the user accepts.
    static bool ExecGetTimeEdit(QWidget* parent, QTime& time, const QString& title, const QString& label);

    void OpenAndDelete(const QString& title, const QString& label);
    void OpenAndDeleteGetItem(const QString& title, const QString& label, const QStringList& items,
                              bool editable);
    void OpenAndDeleteGetText(const QString& title, const QString& label, QLineEdit::EchoMode echo,
                              const QString& text);

private:
    QPointer<ZCOverlayShadowGui> m_overlay;
};
