#pragma once

#include "mirokit_global.h"
// Complete for the font property: a meta-object needs the whole type of a pointer property.
#include "zfont.h"

#include <QTextEdit>

/*!
    The text box of ZTextEdit. With setTabChangesFocus(true), Tab and Backtab move the focus
    while Ctrl+Tab still inserts a tab character.
*/
class MIROKIT_EXPORT ZCTextEdit : public QTextEdit
{
    Q_OBJECT
    Q_PROPERTY(ZFont* font READ GetFont WRITE SetFont)

public:
    explicit ZCTextEdit(QWidget* parent = nullptr);
    ~ZCTextEdit() override;

    // Only this class's own flag: QTextEdit's stays off so that Ctrl+Tab can still type a tab.
    void setTabChangesFocus(bool tabChangesFocus);
    bool tabChangesFocus() const;

protected:
    bool event(QEvent* event) override;

private:
    ZFont* GetFont();
    void SetFont(ZFont* font);

    bool m_tabChangesFocus = false;
};
