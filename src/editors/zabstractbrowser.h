#pragma once

#include "mirokit_global.h"
// Complete for the font property: a meta-object needs the whole type of a pointer property.
#include "zfont.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

class QHBoxLayout;
class QMenu;
class QShortcut;
class QToolButton;

/*!
    Base of the browser editors: an inner editor with a pick button beside it (F4) and,
    optionally, a button that drops a menu (Shift+F4). Concrete classes create the editor, hand
    it to SetWidget once and override onPressBrowser.

    In capture mode (SetCaptureAndSendTabs) Tab, Backtab, Up and Down pressed in the editor or
    the button are sent to the control itself, and the parts' focus changes reach the control as
    the event types FocusEntraEvent (1001) and FocusSaleEvent (1002), so that a form or grid
    hosting the control can drive navigation.
*/
class MIROKIT_EXPORT ZAbstractBrowser : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(ZFont* font READ GetFont WRITE SetFont)

public:
    // Event types sent to the control in capture mode when one of its parts gains or loses focus.
    static constexpr QEvent::Type FocusEntraEvent = QEvent::Type(QEvent::User + 1);
    static constexpr QEvent::Type FocusSaleEvent = QEvent::Type(QEvent::User + 2);

    explicit ZAbstractBrowser(QWidget* parent = nullptr);
    ~ZAbstractBrowser() override;

    void SetWidget(QWidget* editor, bool focusOnButton);
    void SetIcono(const QIcon& icon);
    void SetMenu(QMenu* menu);

    void SetTeclaAceleradora(const QKeySequence& key);
    void GetTeclaAceleradora(QKeySequence& key) const;

    int GetAlignBoton() const;
    void SetAlignBotonMenu(Qt::Alignment alignment);
    int GetAlignBotonMenu() const;

    void ShowButton(bool show);
    void ShowBotonMenu(bool show);
    virtual void SetCaptureAndSendTabs();

    static void PosicionaWidgetRespectoOtro(QWidget* popup, QWidget* anchor, Qt::Alignment align);

    void setAutoFillBackground(bool enabled);
    QSize sizeHint() const override;

    QWidget* GetWidget() const;
    QWidget* GetWidgetConFoco() const;
    QToolButton* GetBotonMenu() const;
    QMenu* GetMenu() const;

public slots:
    void SetAlignBoton(Qt::Alignment alignment);

protected slots:
    void OnClickBoton();

public slots:
    QWidget* internalWidget() const;
    int buttonAlign() const;
    void setButtonAlign(int alignment);
    bool isButtonVisible() const;
    void showButton();
    void hideButton();
    int menuButtonAlign() const;
    void setMenuButtonAlign(int alignment);
    bool isMenuButtonVisible() const;
    void showMenuButton();
    void hideMenuButton();

protected:
    virtual void onPressBrowser();
    void PosicionaVentanaRespectoPadre(QWidget* popup);
    void setBotonMenuReadOnly(bool readOnly);
    bool isCapturing() const;

    // The editor's mouse presses, releases, double clicks and moves are also sent to the control.
    void setRebotarEventos();
    void setSizePolicyFullExpanding();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ZFont* GetFont();
    void SetFont(ZFont* font);
    void fitButtonWidth(QToolButton* button) const;
    bool isPart(const QObject* object) const;
    bool captureEvent(QEvent* event);
    void resendMouseEvent(QEvent* event);

    QPointer<QWidget> m_editor;
    QToolButton* m_button;
    QPointer<QToolButton> m_menuButton;
    QHBoxLayout* m_layout;
    QShortcut* m_buttonShortcut = nullptr;
    QPointer<QShortcut> m_menuShortcut;
    QPointer<QWidget> m_focusWidget;
    QPointer<QMenu> m_menu;
    bool m_capture = false;
    bool m_resendMouse = false;
};
