#pragma once

#include "mirokit_global.h"
// Complete for the font property: a meta-object needs the whole type of a pointer property.
#include "zfont.h"
#include "zcdrawer.h"

#include <QFrame>

/*!
    Shows an image inside its frame with one of the library's drawing aspects, and a focus
    frame while it has the focus.

    The image belongs to the caller: the widget keeps only the pointer given to
    SetImagenFondo(), so the image must outlive the widget or be replaced (or cleared with a
    null pointer) before it goes. Changing the image does not repaint; call update().
*/
class MIROKIT_EXPORT ZImageWidget : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(ZFont* font READ GetFont WRITE SetFont)

public:
    explicit ZImageWidget(QWidget* parent = nullptr);

    void SetImagenFondo(const QImage* image, ZCDrawer::EMIAspectoDibujoGeneric aspecto);
    void setViewMode(int aspecto);
    void SetAspectoDibujo(ZCDrawer::EMIAspectoDibujoGeneric aspecto);
    int viewMode() const;
    void ShowFoco(bool show);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ZFont* GetFont();
    void SetFont(ZFont* font);

    const QImage* m_image = nullptr;
    int m_aspecto = ZCDrawer::AspectoNatural;
    bool m_showFocus = true;
};
