#include "zceditorpopup.h"

#include "zabstractbrowser.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>
#include <QSizeGrip>
#include <QVBoxLayout>

#include <utility>

namespace {

// The step of the keyboard resizing, in pixels.
constexpr int resizeStep = 3;

bool closesPopup(int key)
{
    switch (key) {
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    default:
        return false;
    }
}

} // namespace

ZCEditorPopup::ZCEditorPopup(QWidget* parent)
    : QWidget(parent, Qt::Popup)
{
}

ZCEditorPopup::~ZCEditorPopup() = default;

QVBoxLayout* ZCEditorPopup::ensureLayout()
{
    if (!m_layout) {
        m_layout = new QVBoxLayout(this);
        m_layout->setContentsMargins(0, 0, 0, 0);
        m_layout->setSpacing(0);
    }
    return m_layout;
}

void ZCEditorPopup::setEditor(QWidget* editor)
{
    if (editor == m_editor)
        return;
    QVBoxLayout* layout = ensureLayout();
    delete m_editor;
    m_editor = editor;
    if (editor)
        layout->insertWidget(0, editor);
}

QWidget* ZCEditorPopup::editor() const
{
    return m_editor;
}

void ZCEditorPopup::SetVerBotones(bool show)
{
    if (show == m_showButtons)
        return;
    m_showButtons = show;
    if (show && !m_acceptButton)
        createButtons();
    if (m_acceptButton) {
        m_acceptButton->setVisible(show);
        m_cancelButton->setVisible(show);
    }
}

bool ZCEditorPopup::GetVerBotones() const
{
    return m_showButtons;
}

void ZCEditorPopup::createButtons()
{
    m_acceptButton = new QPushButton(tr("Aceptar"), this);
    m_acceptButton->setDefault(true);
    m_cancelButton = new QPushButton(tr("Cancelar"), this);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(m_acceptButton);
    row->addWidget(m_cancelButton);
    ensureLayout()->addLayout(row);
    connect(m_acceptButton, &QPushButton::clicked, this, &ZCEditorPopup::onClickAceptar);
    connect(m_cancelButton, &QPushButton::clicked, this, &ZCEditorPopup::onClickCancelar);
}

void ZCEditorPopup::SetSizeGripEnabled(bool enabled)
{
    if (enabled == bool(m_sizeGrip))
        return;
    if (!enabled) {
        delete m_sizeGrip;
        qDeleteAll(std::exchange(m_resizeShortcuts, {}));
        return;
    }
    m_sizeGrip = new QSizeGrip(this);
    m_sizeGrip->resize(m_sizeGrip->sizeHint());
    const auto addShortcut = [this](int key, void (ZCEditorPopup::*slot)()) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | key), this);
        connect(shortcut, &QShortcut::activated, this, slot);
        m_resizeShortcuts << shortcut;
    };
    addShortcut(Qt::Key_Right, &ZCEditorPopup::onIncrementaAncho);
    addShortcut(Qt::Key_Down, &ZCEditorPopup::onIncrementaAlto);
    addShortcut(Qt::Key_Left, &ZCEditorPopup::onDecrementaAncho);
    addShortcut(Qt::Key_Up, &ZCEditorPopup::onDecrementaAlto);
    m_sizeGrip->show();
}

void ZCEditorPopup::SetWidgetMantenerFoco(QWidget* widget)
{
    if (widget == m_keepFocusWidget)
        return;
    if (isVisible())
        watchKeepFocusWidget(false);
    m_keepFocusWidget = widget;
    m_keepFocusActive = widget != nullptr;
    if (widget)
        setFocusPolicy(Qt::NoFocus);
    setFocusProxy(widget);
    if (isVisible())
        watchKeepFocusWidget(true);
}

void ZCEditorPopup::watchKeepFocusWidget(bool watch)
{
    if (!m_keepFocusWidget)
        return;
    if (watch) {
        m_keepFocusWidget->installEventFilter(this);
        installEventFilter(this);
    } else {
        m_keepFocusWidget->removeEventFilter(this);
        removeEventFilter(this);
    }
}

void ZCEditorPopup::onAceptar()
{
}

void ZCEditorPopup::onCancelar()
{
}

void ZCEditorPopup::showEvent(QShowEvent* event)
{
    watchKeepFocusWidget(true);
    QWidget* anchor = m_keepFocusWidget ? m_keepFocusWidget.data() : parentWidget();
    if (m_editor && anchor && windowType() == Qt::Popup) {
        fitToAnchor(anchor);
        ZAbstractBrowser::PosicionaWidgetRespectoOtro(this, anchor, Qt::AlignLeft);
        if (!m_keepFocusWidget)
            m_editor->setFocus();
    }
    QWidget::showEvent(event);
}

// At least as wide as the anchor (exactly as wide without a keep-focus widget), and placed with
// the size that results, not with the one the pop-up had before.
void ZCEditorPopup::fitToAnchor(QWidget* anchor)
{
    if (!m_keepFocusWidget || m_editor->minimumWidth() < anchor->width())
        m_editor->setMinimumWidth(anchor->width());
    if (m_layout)
        m_layout->activate();
}

void ZCEditorPopup::hideEvent(QHideEvent* event)
{
    watchKeepFocusWidget(false);
    QWidget::hideEvent(event);
}

bool ZCEditorPopup::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_keepFocusWidget && m_keepFocusActive && isVisible()
        && event->type() == QEvent::FocusOut) {
        return true;  // the widget must not learn that the pop-up took the mouse
    }
    if (watched != this)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (!forwardToKeepFocusWidget(event) && event->type() == QEvent::KeyPress
            && closesPopup(static_cast<QKeyEvent*>(event)->key())) {
            hide();
        }
        return true;
    case QEvent::ShortcutOverride:
    case QEvent::InputMethod:
        if (m_keepFocusWidget)
            QCoreApplication::sendEvent(m_keepFocusWidget, event);
        return false;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

// Delivered to the widget alone, as QCompleter does: sent through the application, a key the
// widget declines would go on to its window, and Escape would close a dialog behind the pop-up.
bool ZCEditorPopup::forwardToKeepFocusWidget(QEvent* event)
{
    if (!m_keepFocusWidget)
        return false;
    m_keepFocusActive = false;
    event->accept();
    static_cast<QObject*>(m_keepFocusWidget.data())->event(event);
    m_keepFocusActive = true;
    return event->isAccepted();
}

void ZCEditorPopup::keyPressEvent(QKeyEvent* event)
{
    QWidget::keyPressEvent(event);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        accept();
    }
}

void ZCEditorPopup::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (m_showButtons)
        return;
    // Losing the focus makes an open in-place editor commit what it holds.
    if (QWidget* focused = focusWidget())
        focused->clearFocus();
    onAceptar();
}

void ZCEditorPopup::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!m_sizeGrip)
        return;
    const QSize grip = m_sizeGrip->size();
    const int x = layoutDirection() == Qt::RightToLeft ? 0 : width() - grip.width();
    m_sizeGrip->move(x, height() - grip.height());
    m_sizeGrip->raise();
    // From now on the size is the user's: the layout no longer resizes the pop-up.
    setAttribute(Qt::WA_Resized);
}

void ZCEditorPopup::accept()
{
    hide();
    onAceptar();
    emit accepted();
}

void ZCEditorPopup::onClickAceptar()
{
    accept();
}

void ZCEditorPopup::onClickCancelar()
{
    hide();
    onCancelar();
}

void ZCEditorPopup::onIncrementaAncho() { resize(width() + resizeStep, height()); }
void ZCEditorPopup::onIncrementaAlto() { resize(width(), height() + resizeStep); }
void ZCEditorPopup::onDecrementaAncho() { resize(width() - resizeStep, height()); }
void ZCEditorPopup::onDecrementaAlto() { resize(width(), height() - resizeStep); }
