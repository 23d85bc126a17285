#pragma once

#include "zcdialog.h"

class ZTextEdit;

/*!
    A dialog holding one ZTextEdit with OK and Cancel buttons; its size is remembered under
    "DlgTexEdit". Ctrl+Return in the editor accepts it.
*/
class MIROKIT_EXPORT ZCDlgTextEditor : public ZCDialog
{
    Q_OBJECT

public:
    ZCDlgTextEditor(const QString& title, QWidget* parent = nullptr);
    ~ZCDlgTextEditor() override;

    ZTextEdit* GetTextEditor() const;

private:
    ZTextEdit* m_textEditor;
};
