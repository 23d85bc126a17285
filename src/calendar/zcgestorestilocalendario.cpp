#include "zcgestorestilocalendario.h"

#include <QFrame>
#include <QMainWindow>
#include <QVector>

/*!
    \internal
    Drops a widget's rules when the widget is destroyed without SaleWidget(), so that no later
    widget at the same address inherits them. Lives and dies with its manager, which takes the
    connections with it.
*/
class ZCGestorEstiloCalendarioWatcher : public QObject
{
public:
    explicit ZCGestorEstiloCalendarioWatcher(ZCGestorEstiloCalendario* gestor)
        : m_gestor(gestor)
    {
    }

    void watch(const QObject* object)
    {
        connect(object, &QObject::destroyed, this, &ZCGestorEstiloCalendarioWatcher::onDestroyed,
                Qt::UniqueConnection);
    }

    void unwatch(const QObject* object)
    {
        disconnect(object, &QObject::destroyed, this, &ZCGestorEstiloCalendarioWatcher::onDestroyed);
    }

private:
    void onDestroyed(QObject* object) { m_gestor->forget(object); }

    ZCGestorEstiloCalendario* const m_gestor;
};

namespace {

bool isMainWindow(const QWidget* widget)
{
    return qobject_cast<const QMainWindow*>(widget);
}

// The host's control frames are known only by their class name.
bool isControlFrame(const QWidget* widget)
{
    return qobject_cast<const QFrame*>(widget) && widget->inherits("ZCPVControl");
}

} // namespace

ZCGestorEstiloCalendario::ZCGestorEstiloCalendario() = default;

ZCGestorEstiloCalendario::ZCGestorEstiloCalendario(const ZCGestorEstiloCalendario& other)
    : m_mainWindows(other.m_mainWindows)
    , m_controles(other.m_controles)
    , m_widgets(other.m_widgets)
{
    watchAll();
}

ZCGestorEstiloCalendario& ZCGestorEstiloCalendario::operator=(const ZCGestorEstiloCalendario& other)
{
    if (this != &other) {
        m_watcher.reset(); // with it go the connections of the entries being replaced
        m_mainWindows = other.m_mainWindows;
        m_controles = other.m_controles;
        m_widgets = other.m_widgets;
        watchAll();
    }
    return *this;
}

ZCGestorEstiloCalendario::~ZCGestorEstiloCalendario() = default;

void ZCGestorEstiloCalendario::EntraWidget(const QWidget* widget)
{
    if (widget)
        entryFor(widget).clear();
}

void ZCGestorEstiloCalendario::SaleWidget(const QWidget* widget)
{
    if (!widget)
        return;
    // Called from destructors too, when the widget's class may no longer be what it was:
    // forget() looks in every map.
    forget(widget);
    if (m_watcher)
        m_watcher->unwatch(widget);
}

void ZCGestorEstiloCalendario::AddEstiloDias(const QWidget* widget, const ZCEstiloDiasCalendario& estilo)
{
    if (widget)
        entryFor(widget).prepend(estilo);
}

void ZCGestorEstiloCalendario::ResetEstiloDias(const QWidget* widget)
{
    if (widget)
        entryFor(widget).clear();
}

void ZCGestorEstiloCalendario::LoadEstiloFromParams(const QWidget* widget, const QColor& bgColor,
                                                    const QColor& fgColor, const QString& szDaysOfWeek,
                                                    const QString& szDayMonths, const QList<QDate>& aDates)
{
    if (!widget)
        return;
    if (!bgColor.isValid() && !fgColor.isValid() && szDaysOfWeek.isEmpty() && szDayMonths.isEmpty()
        && aDates.isEmpty()) {
        ResetEstiloDias(widget);
        return;
    }

    QList<QChar> especiales;
    QList<Qt::DayOfWeek> diasSemana;
    const QLatin1Char comma(',');
    for (const QStringView item : QStringView(szDaysOfWeek).split(comma, Qt::SkipEmptyParts)) {
        const QChar first = item.at(0).toUpper();
        if (first.isLetter()) {
            especiales.append(first);
        } else if (first.isDigit()) {
            // Only 1 to 7 name a weekday; other numbers, and what does not read as one, name
            // none. Each is kept once, so a long list makes no slower rule.
            bool ok = false;
            const int number = item.toInt(&ok);
            const bool weekday = ok && number >= Qt::Monday && number <= Qt::Sunday;
            if (weekday && !diasSemana.contains(Qt::DayOfWeek(number)))
                diasSemana.append(Qt::DayOfWeek(number));
        }
    }

    QList<QPair<int, int>> diasMes;
    for (const QStringView item : QStringView(szDayMonths).split(comma, Qt::SkipEmptyParts)) {
        const QList<QStringView> parts = item.split(QLatin1Char('/'));
        bool dayOk = false;
        bool monthOk = false;
        if (parts.size() == 2) {
            const int day = parts.at(0).toInt(&dayOk);
            const int month = parts.at(1).toInt(&monthOk);
            if (dayOk && monthOk)
                diasMes.append(qMakePair(day, month));
        }
    }

    Reglas& reglas = entryFor(widget);
    const auto addRule = [&](ZCEstiloDiasCalendario regla) {
        regla.SetColorFondo(bgColor);
        regla.SetColorTexto(fgColor);
        reglas.prepend(regla);
    };
    if (!especiales.isEmpty())
        addRule(ZCEstiloDiasCalendario(especiales));
    if (!diasSemana.isEmpty())
        addRule(ZCEstiloDiasCalendario(diasSemana));
    addRule(ZCEstiloDiasCalendario(diasMes));
    if (!aDates.isEmpty())
        addRule(ZCEstiloDiasCalendario(aDates));
}

QColor ZCGestorEstiloCalendario::GetColorFondoControl(const QWidget* widget, const QDate& fecha, bool bHoy,
                                                      bool bSeleccionado) const
{
    return colorFor(widget, fecha, bHoy, bSeleccionado, &ZCEstiloDiasCalendario::GetColorFondo);
}

QColor ZCGestorEstiloCalendario::GetColorTextoControl(const QWidget* widget, const QDate& fecha, bool bHoy,
                                                      bool bSeleccionado) const
{
    return colorFor(widget, fecha, bHoy, bSeleccionado, &ZCEstiloDiasCalendario::GetColorTexto);
}

QVector<ZCGestorEstiloCalendario::ColoresDia>
ZCGestorEstiloCalendario::GetColoresMes(const QWidget* widget, int year, int month, const QDate& hoy,
                                        const QDate& seleccionado) const
{
    const ZCEstiloDiasCalendario::Mes mes(year, month, hoy, seleccionado);
    if (!mes.isValid())
        return {};
    QVector<ColoresDia> colores(mes.days);
    // Days still waiting for a colour, bit d - 1 for day d; each rule fills only those.
    quint32 fondoPendiente = (quint64(1) << colores.size()) - 1;
    quint32 textoPendiente = fondoPendiente;
    const auto fill = [&colores](quint32& pendiente, quint32 mask, QColor ColoresDia::*member,
                                 const QColor& color) {
        for (quint32 bits = mask & pendiente; bits; bits &= bits - 1)
            colores[qCountTrailingZeroBits(bits)].*member = color;
        pendiente &= ~mask;
    };
    visitRuleLists(widget, [&](const Reglas& reglas) {
        for (const ZCEstiloDiasCalendario& regla : reglas) {
            const QColor fondo = regla.GetColorFondo();
            const QColor texto = regla.GetColorTexto();
            const bool givesFondo = fondoPendiente && fondo.isValid();
            const bool givesTexto = textoPendiente && texto.isValid();
            if (!givesFondo && !givesTexto)
                continue;
            const quint32 mask = regla.CheckMes(mes);
            if (givesFondo)
                fill(fondoPendiente, mask, &ColoresDia::fondo, fondo);
            if (givesTexto)
                fill(textoPendiente, mask, &ColoresDia::texto, texto);
            if (!fondoPendiente && !textoPendiente)
                return true;
        }
        return false;
    });
    return colores;
}

ZCGestorEstiloCalendario::Mapa& ZCGestorEstiloCalendario::mapFor(const QWidget* widget)
{
    if (isMainWindow(widget))
        return m_mainWindows;
    if (isControlFrame(widget))
        return m_controles;
    return m_widgets;
}

ZCGestorEstiloCalendario::Reglas& ZCGestorEstiloCalendario::entryFor(const QWidget* widget)
{
    watch(widget);
    return mapFor(widget)[widget];
}

void ZCGestorEstiloCalendario::forget(const QObject* object)
{
    m_mainWindows.remove(object);
    m_controles.remove(object);
    m_widgets.remove(object);
}

void ZCGestorEstiloCalendario::watch(const QObject* object)
{
    if (!m_watcher)
        m_watcher = std::make_unique<ZCGestorEstiloCalendarioWatcher>(this);
    m_watcher->watch(object);
}

void ZCGestorEstiloCalendario::watchAll()
{
    for (const Mapa* map : {&m_mainWindows, &m_controles, &m_widgets}) {
        for (auto it = map->cbegin(); it != map->cend(); ++it)
            watch(it.key());
    }
}

/*
    Calls visit(rules) for the widget's own rules, then for the rules of each control frame and
    main window among its ancestors, nearest first, until visit returns true.
*/
template<typename Visit>
void ZCGestorEstiloCalendario::visitRuleLists(const QWidget* widget, Visit visit) const
{
    if (!widget)
        return;
    const auto visitEntry = [&visit](const Mapa& map, const QWidget* key) {
        const auto it = map.constFind(key);
        return it != map.cend() && visit(*it);
    };
    if (visitEntry(m_widgets, widget))
        return;
    // Class tests cost more than the empty checks: skip them when no such rules exist.
    const bool anyControl = !m_controles.isEmpty();
    const bool anyMainWindow = !m_mainWindows.isEmpty();
    if (!anyControl && !anyMainWindow)
        return;
    for (const QWidget* ancestor = widget->parentWidget(); ancestor; ancestor = ancestor->parentWidget()) {
        if (anyControl && isControlFrame(ancestor) && visitEntry(m_controles, ancestor))
            return;
        if (anyMainWindow && isMainWindow(ancestor) && visitEntry(m_mainWindows, ancestor))
            return;
    }
}

QColor ZCGestorEstiloCalendario::colorFor(const QWidget* widget, const QDate& fecha, bool bHoy,
                                          bool bSeleccionado,
                                          QColor (ZCEstiloDiasCalendario::*color)() const) const
{
    QColor result;
    visitRuleLists(widget, [&](const Reglas& reglas) {
        for (const ZCEstiloDiasCalendario& regla : reglas) {
            const QColor candidate = (regla.*color)();
            if (candidate.isValid() && regla.Check(fecha, bHoy, bSeleccionado)) {
                result = candidate;
                return true;
            }
        }
        return false;
    });
    return result;
}

ZCGestorEstiloCalendario* GetGestorEstiloCalendario()
{
    // One manager for the whole process, made on first use.
    static ZCGestorEstiloCalendario gestor;
    return &gestor;
}
