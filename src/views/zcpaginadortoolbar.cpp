#include "zcpaginadortoolbar.h"

#include "zcthemeicon_p.h"

#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

#include <algorithm>
#include <climits>

namespace {

int toInt(quint64 n)
{
    return int(std::min<quint64>(n, INT_MAX));
}

void setActionEnabled(QAction* action, bool enabled)
{
    if (action && action->isEnabled() != enabled)
        action->setEnabled(enabled);
}

} // namespace

ZCPaginadorToolbar::ZCPaginadorToolbar(unsigned int totalPaginas, QWidget* parent, unsigned int paginaActual,
                                       unsigned int flags)
    : QToolBar(parent)
    , m_labelInicial(tr("Registro:"))
    , m_labelFinal(tr("de"))
    , m_paginaActual(totalPaginas ? paginaActual : 0)
    , m_totalPaginas(totalPaginas)
    , m_flags(quint16(flags))
{
    connect(this, &QToolBar::orientationChanged, this, &ZCPaginadorToolbar::onCambioOrientacionToolbar);
    Init();
}

ZCPaginadorToolbar::~ZCPaginadorToolbar() = default;

void ZCPaginadorToolbar::Init()
{
    clearParts();
    addSpacerPart();
    if (m_flags & LabelInicial)
        m_accionLabelInicial = addPart(new QLabel(m_labelInicial));
    if (m_flags & BotonesPrimeraUltima)
        m_accionPrimera = addButtonPart("page_first", tr("Primera página"), &ZCPaginadorToolbar::onPrimeraPagina, Qt::Key_Home);
    if (m_flags & BotonesAnteriorSiguiente)
        m_accionAnterior = addButtonPart("page_previous", tr("Página anterior"), &ZCPaginadorToolbar::onPaginaAnterior, Qt::Key_PageUp);
    if (m_flags & EditPagina)
        addPageEdit();
    if (m_flags & BotonesAnteriorSiguiente)
        m_accionSiguiente = addButtonPart("page_next", tr("Página siguiente"), &ZCPaginadorToolbar::onPaginaSiguiente, Qt::Key_PageDown);
    if (m_flags & BotonesPrimeraUltima)
        m_accionUltima = addButtonPart("page_last", tr("Última página"), &ZCPaginadorToolbar::onUltimaPagina, Qt::Key_End);
    if (m_flags & LabelFinal) {
        addSpacerPart();
        m_accionLabelFinal = addPart(new QLabel(m_labelFinal));
    }
    if (m_flags & LabelTotal) {
        addSpacerPart();
        m_accionLabelTotal = addPart(new QLabel);
    }
    addSpacerPart();
    const QList<QAction*> acciones = GetAccionesPersonalizadas();
    if ((m_flags & AccionesPersonalizadas) && !acciones.isEmpty()) {
        addSeparatorPart();
        addActions(acciones);
    }
    if (m_flags & SliderPagina)
        addSlider();
    refrescarTotal();
    refrescarControles();
}

// The parts go with deleteLater(): the bar may be rebuilt from a handler of one of its own
// buttons or of its page field, which must outlive the signal they are emitting.
void ZCPaginadorToolbar::clearParts()
{
    clear();
    for (const QPointer<QAction>& part : qAsConst(m_partes)) {
        if (part)
            part->deleteLater();
    }
    m_partes.clear();
    m_accionLabelInicial = m_accionLabelFinal = m_accionLabelTotal = nullptr;
    m_accionEdit = m_accionSlider = m_accionSeparadorSlider = nullptr;
    m_accionPrimera = m_accionUltima = m_accionAnterior = m_accionSiguiente = nullptr;
}

QAction* ZCPaginadorToolbar::addPart(QWidget* widget)
{
    QAction* action = addWidget(widget);
    m_partes.append(action);
    return action;
}

QAction* ZCPaginadorToolbar::addSpacerPart()
{
    return addPart(new QLabel);
}

QAction* ZCPaginadorToolbar::addSeparatorPart()
{
    QAction* action = addSeparator();
    m_partes.append(action);
    return action;
}

QAction* ZCPaginadorToolbar::addButtonPart(const char* iconName, const QString& text,
                                           void (ZCPaginadorToolbar::*slot)(), int key)
{
    const QIcon icon = themeIcon(QLatin1String(iconName));
    // The text is the button's tool tip and its accessible name; the button shows the icon only.
    QAction* action = addAction(icon, text, this, slot);
    action->setShortcut(QKeySequence(Qt::CTRL | key));
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_partes.append(action);
    return action;
}

void ZCPaginadorToolbar::addPageEdit()
{
    addSpacerPart();
    auto* edit = new QLineEdit;
    edit->setAccessibleName(tr("Página"));
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit->setValidator(new QIntValidator(edit));
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::returnPressed, this, &ZCPaginadorToolbar::onPaginaTextEdit);
    m_accionEdit = addPart(edit);
    addSpacerPart();
}

void ZCPaginadorToolbar::addSlider()
{
    m_accionSeparadorSlider = addSeparatorPart();
    addSpacerPart();
    auto* slider = new QSlider(orientation());
    // Pages are loaded when the handle is let go, not for every page it passes.
    slider->setTracking(false);
    slider->setAccessibleName(tr("Página"));
    connect(slider, &QSlider::valueChanged, this, &ZCPaginadorToolbar::onPaginaSlider);
    m_accionSlider = addPart(slider);
    addSpacerPart();
}

QLabel* ZCPaginadorToolbar::labelOf(QAction* action) const
{
    return action ? qobject_cast<QLabel*>(widgetForAction(action)) : nullptr;
}

QLineEdit* ZCPaginadorToolbar::pageEdit() const
{
    return m_accionEdit ? qobject_cast<QLineEdit*>(widgetForAction(m_accionEdit)) : nullptr;
}

QSlider* ZCPaginadorToolbar::slider() const
{
    return m_accionSlider ? qobject_cast<QSlider*>(widgetForAction(m_accionSlider)) : nullptr;
}

void ZCPaginadorToolbar::setLabelText(QAction* action, const QString& text)
{
    if (QLabel* label = labelOf(action))
        label->setText(text);
}

// The field takes the pages of the current total: a bar built before its total is known
// (total 0) must still accept every page once the total arrives.
void ZCPaginadorToolbar::fitPageEditToTotal()
{
    QLineEdit* edit = pageEdit();
    if (!edit)
        return;
    const int digits = QString::number(m_totalPaginas).size();
    edit->findChild<QIntValidator*>()->setRange(0, toInt(m_totalPaginas));
    edit->setMaxLength(digits);
    edit->setMaximumWidth((std::max(digits, 3) + 2) * edit->fontMetrics().horizontalAdvance(QLatin1Char('0')));
}

void ZCPaginadorToolbar::refrescarTotal()
{
    setLabelText(m_accionLabelTotal, QString::number(m_totalPaginas));
    fitPageEditToTotal();
    if (QSlider* pageSlider = slider()) {
        // A new range clamps the value, which must not look like the user moving to a page.
        const QSignalBlocker blocker(pageSlider);
        const int maximum = toInt(m_totalPaginas);
        pageSlider->setRange(maximum ? 1 : 0, maximum);
        pageSlider->setPageStep(toInt((quint64(m_totalPaginas) + 9) / 10));
        pageSlider->setEnabled(m_totalPaginas >= 2);
    }
}

void ZCPaginadorToolbar::refrescarControles()
{
    if (QLineEdit* edit = pageEdit())
        edit->setText(QString::number(m_paginaActual));
    if (QSlider* pageSlider = slider()) {
        const QSignalBlocker blocker(pageSlider); // the page is already the current one
        pageSlider->setValue(toInt(m_paginaActual));
    }
    const bool haciaAtras = m_paginaActual >= 2;
    setActionEnabled(m_accionPrimera, haciaAtras);
    setActionEnabled(m_accionAnterior, haciaAtras);
    const bool haciaDelante = m_paginaActual < m_totalPaginas;
    setActionEnabled(m_accionSiguiente, haciaDelante);
    setActionEnabled(m_accionUltima, haciaDelante);
}

bool ZCPaginadorToolbar::eventFilter(QObject* watched, QEvent* event)
{
    // The page field would keep Ctrl+Home and Ctrl+End to move its cursor; in the bar they go
    // to the first and last page, as from anywhere else in it.
    if (event->type() == QEvent::ShortcutOverride && watched == pageEdit()) {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(keyEvent->key() | int(keyEvent->modifiers()));
        for (const QAction* action : {m_accionPrimera, m_accionUltima}) {
            if (action && action->shortcut() == pressed)
                return true;
        }
    }
    return QToolBar::eventFilter(watched, event);
}

void ZCPaginadorToolbar::SetPaginaActual(unsigned int pagina)
{
    // Refreshed even when unchanged: it also puts the page back into a field the user typed in.
    m_paginaActual = pagina;
    refrescarControles();
}

void ZCPaginadorToolbar::SetTotalPaginas(unsigned int total)
{
    m_totalPaginas = total;
    m_paginaActual = std::min(m_paginaActual, m_totalPaginas);
    refrescarTotal();
    refrescarControles();
}

void ZCPaginadorToolbar::SetTotalPaginas(unsigned int total, unsigned int actual)
{
    m_totalPaginas = total;
    m_paginaActual = total ? actual : 0;
    refrescarTotal();
    refrescarControles();
}

void ZCPaginadorToolbar::SetFlags(unsigned int flags)
{
    if (quint16(flags) == m_flags)
        return;
    m_flags = quint16(flags);
    Init();
}

void ZCPaginadorToolbar::SetLabelInicial(const QString& texto)
{
    m_labelInicial = texto;
    setLabelText(m_accionLabelInicial, texto);
}

void ZCPaginadorToolbar::SetLabelFinal(const QString& texto)
{
    m_labelFinal = texto;
    setLabelText(m_accionLabelFinal, texto);
}

void ZCPaginadorToolbar::InsertarAccion(QAction* accion)
{
    // Actions the caller has deleted in the meantime are forgotten first.
    m_accionesPersonalizadas.removeAll(QPointer<QAction>());
    if (!accion || GetAccionesPersonalizadas().contains(accion))
        return;
    // In front of the slider's separator, or at the end of the bar when there is no slider.
    if (GetAccionesPersonalizadas().isEmpty())
        m_partes.append(insertSeparator(m_accionSeparadorSlider));
    m_accionesPersonalizadas.append(accion);
    insertAction(m_accionSeparadorSlider, accion);
}

void ZCPaginadorToolbar::InsertarAcciones(const QList<QAction*>& acciones)
{
    for (QAction* accion : acciones)
        InsertarAccion(accion);
}

QList<QAction*> ZCPaginadorToolbar::GetAccionesPersonalizadas() const
{
    QList<QAction*> acciones;
    for (const QPointer<QAction>& accion : m_accionesPersonalizadas) {
        if (accion)
            acciones.append(accion);
    }
    return acciones;
}

void ZCPaginadorToolbar::GotoPagina(unsigned int pagina)
{
    if (pagina == m_paginaActual)
        return;
    m_paginaActual = pagina;
    refrescarControles();
    emit numPaginaChanged(pagina);
}

void ZCPaginadorToolbar::onPrimeraPagina()
{
    if (m_totalPaginas)
        GotoPagina(1);
}

void ZCPaginadorToolbar::onUltimaPagina()
{
    GotoPagina(m_totalPaginas);
}

// Scripts may call these slots with the buttons disabled: the ends are checked here too.
void ZCPaginadorToolbar::onPaginaAnterior()
{
    if (m_paginaActual > 1)
        GotoPagina(m_paginaActual - 1);
}

void ZCPaginadorToolbar::onPaginaSiguiente()
{
    if (m_paginaActual < m_totalPaginas)
        GotoPagina(m_paginaActual + 1);
}

void ZCPaginadorToolbar::onPaginaSlider(int nPos)
{
    if (nPos >= 0)
        GotoPagina(unsigned(nPos));
}

void ZCPaginadorToolbar::onPaginaTextEdit()
{
    const QLineEdit* edit = pageEdit();
    if (!edit)
        return;
    bool ok = false;
    const unsigned int pagina = edit->text().toUInt(&ok);
    // A refused number stays in the field for the user to correct.
    if (ok)
        irAPagina(pagina);
}

void ZCPaginadorToolbar::irAPagina(uint nPagina)
{
    if (nPagina != 0 && nPagina <= m_totalPaginas)
        GotoPagina(nPagina);
}

void ZCPaginadorToolbar::onCambioOrientacionToolbar(Qt::Orientation orientation)
{
    if (QSlider* pageSlider = slider())
        pageSlider->setOrientation(orientation);
}
