#pragma once

#include "zabstractbrowser.h"

class QTextEdit;

/*!
    A browser of a long text, plain or rich, shown in a small text box. The pick button opens
    the text editor dialog; a plain text can also be edited in place. With inline editing on,
    Return is left to the container and Ctrl+Return starts a new paragraph.
*/
class MIROKIT_EXPORT ZCEditBrowserTexto : public ZAbstractBrowser
{
    Q_OBJECT

public:
    //! rich: the text is rich text (edited in the dialog only); buttonAlignment: the pick button's side.
    explicit ZCEditBrowserTexto(QWidget* parent = nullptr, bool rich = false,
                                Qt::Alignment buttonAlignment = Qt::AlignRight);
    ~ZCEditBrowserTexto() override;

    void GetTexto(QString& text) const;
    void SetTexto(const QString& text);
    bool IsModified() const;
    void SetModified(bool modified);
    bool GetEdicionEnLinea() const;
    void SetEdicionEnLinea(bool inlineEditing);

signals:
    void textChanged();

protected:
    void onPressBrowser() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool handleTextBoxKey(QKeyEvent* event);
    void takeEditedText(const QString& text);

    bool m_rich;
    QTextEdit* m_textBox;
    bool m_inlineEditing = false;
};
