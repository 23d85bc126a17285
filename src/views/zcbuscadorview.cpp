#include "zcbuscadorview.h"

#include "zcestilodunmar.h"
#include "zcgestortemasestilo.h"
#include "zcsortfilterproxymodel.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QStyle>

#include <algorithm>

namespace {
// The pause in typing after which the search runs.
constexpr int searchDelayMs = 500;
} // namespace

ZCBuscadorView::ZCBuscadorView(QWidget* parent)
    : QFrame(parent)
    , m_lineEdit(new QLineEdit(this))
{
    // The button only shows the magnifier; style sheets draw it as a label.
    auto* icon = new QPushButton(GetGestorTemasEstilo()->FromTheme(QStringLiteral("search"),
                                                                  ZCGestorTemasEstilo::EstadoNormal),
                                 QString(), this);
    icon->setProperty("cssClass", QStringLiteral("label"));
    icon->setFocusPolicy(Qt::NoFocus);
    icon->setAutoDefault(false);
    icon->setAccessibleName(tr("Buscar"));

    m_lineEdit->setPlaceholderText(tr("Buscar"));
    m_lineEdit->setAccessibleName(tr("Buscar"));
    m_lineEdit->setClearButtonEnabled(true);
    m_lineEdit->installEventFilter(this);
    setFocusProxy(m_lineEdit);
    attachClearButton();

    auto* layout = new QHBoxLayout(this);
    ZCEstiloDunmar::AplicarEstiloCss(layout);
    layout->addWidget(icon);
    layout->addWidget(m_lineEdit);

    setProperty("focused", false);

    m_delay.setSingleShot(true);
    m_delay.setInterval(searchDelayMs);
    connect(&m_delay, &QTimer::timeout, this, &ZCBuscadorView::search);
    connect(m_lineEdit, &QLineEdit::textChanged, this, &ZCBuscadorView::onTextChanged);

    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_B), this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, [this] { setFocus(Qt::ShortcutFocusReason); });
}

ZCBuscadorView::~ZCBuscadorView() = default;

void ZCBuscadorView::SetProxyModel(ZCSortFilterProxyModel* proxy)
{
    m_proxy = proxy;
}

// Qt names its clear action, whatever icon the platform theme gives the button; the action is
// the button's default action, so the tooltip reaches the button through it.
void ZCBuscadorView::attachClearButton()
{
    auto* clear = m_lineEdit->findChild<QAction*>(QStringLiteral("_q_qlineeditclearaction"));
    if (!clear)
        return;
    clear->setToolTip(tr("Limpiar filtro"));
    clear->setText(tr("Limpiar filtro"));
    connect(clear, &QAction::triggered, this, &ZCBuscadorView::onLimpiarBusqueda);
}

QString ZCBuscadorView::text() const
{
    return m_lineEdit->text();
}

void ZCBuscadorView::setText(const QString& szTexto)
{
    m_lineEdit->setText(szTexto);
}

int ZCBuscadorView::searchDelay() const
{
    return m_delay.interval();
}

void ZCBuscadorView::setSearchDelay(int milliseconds)
{
    m_delay.setInterval(std::max(milliseconds, 0));
}

void ZCBuscadorView::clear()
{
    onLimpiarBusqueda();
}

void ZCBuscadorView::onTextChanged(QString)
{
    // Without a pause the search runs now, not from a zero timer that would let several
    // keystrokes queued in one event batch collapse into one search.
    if (m_delay.interval() == 0)
        search();
    else
        m_delay.start();
}

void ZCBuscadorView::onLimpiarBusqueda()
{
    // Without a pause, emptying a filled box has searched already through onTextChanged().
    const bool searchedByChange = m_delay.interval() == 0 && !m_lineEdit->text().isEmpty();
    m_lineEdit->clear();
    if (!searchedByChange)
        search();
}

void ZCBuscadorView::search()
{
    // A search that runs now makes the pending one pointless.
    m_delay.stop();
    const QString text = m_lineEdit->text();
    if (m_proxy) {
        const QRegularExpression expression(text);
        if (expression.isValid() && expression.pattern() != m_proxy->filterRegularExpression().pattern())
            m_proxy->setFilterRegularExpression(text);
    }
    emit searchChanged(text);
}

void ZCBuscadorView::RefresGUI()
{
    style()->unpolish(this);
    style()->polish(this);
    update();
}

void ZCBuscadorView::setFocused(bool focused)
{
    setProperty("focused", focused);
    RefresGUI();
}

bool ZCBuscadorView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_lineEdit) {
        switch (event->type()) {
        case QEvent::FocusIn:
            setFocused(true);
            break;
        case QEvent::FocusOut:
            setFocused(false);
            break;
        case QEvent::KeyPress:
            // Escape empties the search instead of reaching a dialog that would close.
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
                onLimpiarBusqueda();
                return true;
            }
            break;
        default:
            break;
        }
    }
    return QFrame::eventFilter(watched, event);
}
