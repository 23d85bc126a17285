#pragma once

#include "mirokit_global.h"

#include <QWidget>

class QToolButton;
class ZCDockWidget;

/*!
    The compact title bar of a ZCDockWidget: the dock's title drawn by the style, with buttons
    for auto-hide, floating and closing at its right end.
*/
class MIROKIT_EXPORT ZCTitleBarWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ZCTitleBarWidget(ZCDockWidget* dock);
    ~ZCTitleBarWidget() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Auto-hidden: auto-hide (up) and close only. Pinned: all three, the auto-hide button down,
    // none of them while floating (the window system's frame serves then).
    void ShowAutoHideState(bool autoHidden, bool floating);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QToolButton* addButton(const QIcon& icon, const QString& name, const QString& accessibleName);
    ZCDockWidget* dock() const;

    QToolButton* m_autoHideButton;
    QToolButton* m_floatButton;
    QToolButton* m_closeButton;
};
