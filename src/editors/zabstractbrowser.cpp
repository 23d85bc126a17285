#include "zabstractbrowser.h"

#include "zceventposition_p.h"
#include "zcpopupplacement_p.h"
#include "zcthemeicon_p.h"
#include "zfont.h"

#include <QCoreApplication>
#include <QDebug>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>

#include <algorithm>

namespace {

void setUpButton(QToolButton* button)
{
    button->setPopupMode(QToolButton::InstantPopup);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
}

bool isMouseEvent(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        return true;
    default:
        return false;
    }
}

} // namespace

ZAbstractBrowser::ZAbstractBrowser(QWidget* parent)
    : QWidget(parent)
    , m_button(new QToolButton(this))
    , m_layout(new QHBoxLayout(this))
{
    setUpButton(m_button);
    // Until a subclass gives the button its own icon.
    SetIcono(themeIcon(QStringLiteral("browse")));
    m_button->setAccessibleName(tr("Elegir valor"));
    m_button->setAccessibleDescription(tr("Abre el selector del valor (F4)"));
    m_button->installEventFilter(this);
    setFocusPolicy(Qt::StrongFocus);
    m_layout->setSpacing(0);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setDirection(QBoxLayout::RightToLeft);
    m_layout->addWidget(m_button);
    connect(m_button, &QToolButton::clicked, this, &ZAbstractBrowser::OnClickBoton);
}

ZAbstractBrowser::~ZAbstractBrowser()
{
    // QWidget's destructor still takes the focus away from the editor, which then signals (a
    // line edit reports its cursor and selection); by that time this object is a plain QWidget
    // and none of the browsers' own slots and signals may be called any more.
    if (m_editor)
        m_editor->disconnect(this);
}

void ZAbstractBrowser::SetWidget(QWidget* editor, bool focusOnButton)
{
    if (!editor || m_editor) {
        qWarning().noquote() << tr("ZAbstractBrowser: el editor sólo se puede fijar una vez");
        return;
    }
    m_editor = editor;
    if (editor->accessibleName().isEmpty())
        editor->setAccessibleName(tr("Valor"));
    setSizePolicy(editor->sizePolicy());
    setFocusPolicy(editor->focusPolicy());

    QWidget* focusPart = focusOnButton ? static_cast<QWidget*>(m_button) : editor;
    QWidget* otherPart = focusOnButton ? editor : static_cast<QWidget*>(m_button);
    focusPart->setFocusPolicy(focusPolicy());
    otherPart->setFocusPolicy(Qt::NoFocus);
    setFocusProxy(focusPart);
    m_focusWidget = focusPart;

    m_buttonShortcut = new QShortcut(QKeySequence(Qt::Key_F4), focusPart, nullptr, nullptr,
                                     Qt::WidgetShortcut);
    m_buttonShortcut->setEnabled(!m_button->isHidden());
    connect(m_buttonShortcut, &QShortcut::activated, this, &ZAbstractBrowser::OnClickBoton);

    if (m_capture || m_resendMouse)
        editor->installEventFilter(this);
    m_layout->addWidget(editor);
}

void ZAbstractBrowser::SetIcono(const QIcon& icon)
{
    m_button->setIcon(icon);
    fitButtonWidth(m_button);
    m_button->setMinimumHeight(m_button->iconSize().height());
}

void ZAbstractBrowser::fitButtonWidth(QToolButton* button) const
{
    int width = button->iconSize().width() + style()->pixelMetric(QStyle::PM_ButtonMargin);
    // A style sheet's padding and border come on top of that (the icon would not show in the
    // width alone): its size hint says how much room they take.
    if (button->style()->inherits("QStyleSheetStyle"))
        width = std::max(width, button->sizeHint().width());
    button->setFixedWidth(width);
}

void ZAbstractBrowser::SetMenu(QMenu* menu)
{
    m_menu = menu;
    if (!menu) {
        // The shortcut goes with its button, so that a later menu does not find two shortcuts
        // on the same key (Qt would call them ambiguous and fire neither).
        delete m_menuButton;
        delete m_menuShortcut;
        return;
    }
    if (!m_menuButton) {
        m_menuButton = new QToolButton(this);
        setUpButton(m_menuButton);
        m_menuButton->setFocusPolicy(Qt::NoFocus);
        m_menuButton->setArrowType(Qt::NoArrow);
        m_menuButton->setAccessibleName(tr("Menú del campo"));
        m_menuButton->setAccessibleDescription(tr("Abre el menú del campo (Mayús+F4)"));
        m_menuButton->installEventFilter(this);
        m_layout->addWidget(m_menuButton);
        // On the control rather than on the editor: the key then works whichever part has the
        // focus, and a menu set before the editor is harmless.
        m_menuShortcut = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F4), this, nullptr,
                                       nullptr, Qt::WidgetWithChildrenShortcut);
        connect(m_menuShortcut, &QShortcut::activated, m_menuButton, &QToolButton::click);
    }
    m_menuButton->setIcon(menu->icon().isNull() ? themeIcon(QStringLiteral("menu")) : menu->icon());
    m_menuButton->setMenu(menu);
    fitButtonWidth(m_menuButton);
    m_menuButton->setToolTip(tr("%1(%2)").arg(
        menu->title(), m_menuShortcut->key().toString(QKeySequence::NativeText)));
}

void ZAbstractBrowser::SetTeclaAceleradora(const QKeySequence& key)
{
    if (m_buttonShortcut)
        m_buttonShortcut->setKey(key);
}

void ZAbstractBrowser::GetTeclaAceleradora(QKeySequence& key) const
{
    if (m_buttonShortcut)
        key = m_buttonShortcut->key();
}

void ZAbstractBrowser::SetAlignBoton(Qt::Alignment alignment)
{
    switch (alignment & Qt::AlignHorizontal_Mask) {
    case Qt::AlignLeft:
        m_layout->setDirection(QBoxLayout::LeftToRight);
        break;
    case Qt::AlignRight:
        m_layout->setDirection(QBoxLayout::RightToLeft);
        break;
    default:
        break;
    }
}

int ZAbstractBrowser::GetAlignBoton() const
{
    return m_layout->direction() == QBoxLayout::RightToLeft ? Qt::AlignRight : Qt::AlignLeft;
}

// The menu button stands at the other end of the layout, so its sides are the mirror image.
void ZAbstractBrowser::SetAlignBotonMenu(Qt::Alignment alignment)
{
    switch (alignment & Qt::AlignHorizontal_Mask) {
    case Qt::AlignLeft:
        SetAlignBoton(Qt::AlignRight);
        break;
    case Qt::AlignRight:
        SetAlignBoton(Qt::AlignLeft);
        break;
    default:
        break;
    }
}

int ZAbstractBrowser::GetAlignBotonMenu() const
{
    return GetAlignBoton() == Qt::AlignRight ? Qt::AlignLeft : Qt::AlignRight;
}

void ZAbstractBrowser::ShowButton(bool show)
{
    if (!show && m_editor && m_focusWidget == m_button) {
        const bool buttonHadFocus = m_button->hasFocus();
        m_editor->setFocusProxy(nullptr);
        m_editor->setFocusPolicy(focusPolicy());
        setFocusProxy(m_editor);
        m_focusWidget = m_editor;
        if (buttonHadFocus)
            m_editor->setFocus();
    }
    m_button->setVisible(show);
    if (m_buttonShortcut)
        m_buttonShortcut->setEnabled(show);
}

void ZAbstractBrowser::ShowBotonMenu(bool show)
{
    if (m_menuButton)
        m_menuButton->setVisible(show);
}

void ZAbstractBrowser::SetCaptureAndSendTabs()
{
    m_capture = true;
    if (m_editor)
        m_editor->installEventFilter(this);
    m_button->installEventFilter(this);
}

void ZAbstractBrowser::PosicionaWidgetRespectoOtro(QWidget* popup, QWidget* anchor,
                                                   Qt::Alignment align)
{
    ZCPopupPlacement::placeUnder(popup, anchor, align);
}

void ZAbstractBrowser::PosicionaVentanaRespectoPadre(QWidget* popup)
{
    PosicionaWidgetRespectoOtro(popup, this, Qt::AlignLeft);
}

void ZAbstractBrowser::setBotonMenuReadOnly(bool readOnly)
{
    const bool wasEnabled = m_menuButton && m_menuButton->isEnabled();
    if (m_menuButton)
        m_menuButton->setEnabled(!readOnly);
    if (!m_menu || wasEnabled == !readOnly)
        return;
    // The menu's actions belong to the control only while it is writable, so that their
    // shortcuts work while it has the focus.
    const QList<QAction*> actions = m_menu->actions();
    if (readOnly) {
        for (QAction* action : actions)
            removeAction(action);
    } else {
        addActions(actions);
    }
}

bool ZAbstractBrowser::isCapturing() const
{
    return m_capture;
}

void ZAbstractBrowser::setRebotarEventos()
{
    m_resendMouse = true;
    if (m_editor)
        m_editor->installEventFilter(this);
}

void ZAbstractBrowser::setSizePolicyFullExpanding()
{
    if (!m_editor)
        return;
    QSizePolicy policy = m_editor->sizePolicy();
    policy.setVerticalPolicy(QSizePolicy::MinimumExpanding);
    m_editor->setSizePolicy(policy);
}

void ZAbstractBrowser::setAutoFillBackground(bool enabled)
{
    QWidget::setAutoFillBackground(enabled);
    if (m_editor)
        m_editor->setAutoFillBackground(enabled);
}

QSize ZAbstractBrowser::sizeHint() const
{
    return m_editor ? m_editor->sizeHint() : QWidget::sizeHint();
}

QWidget* ZAbstractBrowser::GetWidget() const { return m_editor; }
QWidget* ZAbstractBrowser::GetWidgetConFoco() const { return m_focusWidget; }
QToolButton* ZAbstractBrowser::GetBotonMenu() const { return m_menuButton; }
QMenu* ZAbstractBrowser::GetMenu() const { return m_menu; }
QWidget* ZAbstractBrowser::internalWidget() const { return m_editor; }
int ZAbstractBrowser::buttonAlign() const { return GetAlignBoton(); }
void ZAbstractBrowser::setButtonAlign(int alignment) { SetAlignBoton(Qt::Alignment(alignment)); }
bool ZAbstractBrowser::isButtonVisible() const { return !m_button->isHidden(); }
void ZAbstractBrowser::showButton() { ShowButton(true); }
void ZAbstractBrowser::hideButton() { ShowButton(false); }
int ZAbstractBrowser::menuButtonAlign() const { return GetAlignBotonMenu(); }
void ZAbstractBrowser::setMenuButtonAlign(int alignment) { SetAlignBotonMenu(Qt::Alignment(alignment)); }
bool ZAbstractBrowser::isMenuButtonVisible() const { return m_menuButton && !m_menuButton->isHidden(); }
void ZAbstractBrowser::showMenuButton() { ShowBotonMenu(true); }
void ZAbstractBrowser::hideMenuButton() { ShowBotonMenu(false); }

void ZAbstractBrowser::onPressBrowser()
{
}

// Hidden, not merely off screen: a control that is not shown yet can still browse.
void ZAbstractBrowser::OnClickBoton()
{
    if (!m_button->isHidden())
        onPressBrowser();
}

bool ZAbstractBrowser::eventFilter(QObject* watched, QEvent* event)
{
    // Polished anew by a style sheet, a button may need another width.
    const bool restyled = event->type() == QEvent::Polish || event->type() == QEvent::StyleChange;
    if (restyled && (watched == m_button || (m_menuButton && watched == m_menuButton)))
        fitButtonWidth(static_cast<QToolButton*>(watched));
    if (m_resendMouse && watched == m_editor && isMouseEvent(event))
        resendMouseEvent(event);
    if (m_capture && isPart(watched) && captureEvent(event))
        return true;
    return QWidget::eventFilter(watched, event);
}

bool ZAbstractBrowser::isPart(const QObject* object) const
{
    return object == m_button || (m_editor && object == m_editor);
}

bool ZAbstractBrowser::captureEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        switch (keyEvent->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            break;
        case Qt::Key_Up:
        case Qt::Key_Down:
            // Ctrl+Up and Ctrl+Down stay with the editor (a multi-line editor moves its cursor).
            if (keyEvent->modifiers() & Qt::ControlModifier)
                return false;
            break;
        default:
            return false;
        }
        QCoreApplication::sendEvent(this, event);
        // Delivered (and propagated beyond the control if it declined): the part must not
        // propagate it to the control a second time.
        event->accept();
        return true;
    }
    case QEvent::FocusIn: {
        QEvent entering(FocusEntraEvent);
        QCoreApplication::sendEvent(this, &entering);
        return true;
    }
    case QEvent::FocusOut: {
        QEvent leaving(FocusSaleEvent);
        QCoreApplication::sendEvent(this, &leaving);
        return true;
    }
    default:
        return false;
    }
}

// Sent with the position mapped into the control, where a container expects it.
void ZAbstractBrowser::resendMouseEvent(QEvent* event)
{
    const auto* mouseEvent = static_cast<QMouseEvent*>(event);
    const QPointF position = ZCEventPosition::position(mouseEvent) + m_editor->mapTo(this, QPoint());
    QMouseEvent copy(mouseEvent->type(), position, ZCEventPosition::scenePosition(mouseEvent),
                     ZCEventPosition::globalPosition(mouseEvent), mouseEvent->button(),
                     mouseEvent->buttons(), mouseEvent->modifiers(), mouseEvent->source());
    QCoreApplication::sendEvent(this, &copy);
}

ZFont* ZAbstractBrowser::GetFont()
{
    return ZFont::CreateFor(this);
}

void ZAbstractBrowser::SetFont(ZFont* font)
{
    ZFont::ApplyTo(this, font);
}
