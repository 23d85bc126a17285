#include "zcsplitter.h"

#include "zcsplitterhandle.h"

#include <QMouseEvent>

ZCSplitter::ZCSplitter(ETipoRedimensionado tipo, QWidget* parent)
    : ZCSplitter(Qt::Horizontal, tipo, parent)
{
}

ZCSplitter::ZCSplitter(Qt::Orientation orientation, ETipoRedimensionado tipo, QWidget* parent)
    : QSplitter(orientation, parent)
    , m_tipo(tipo)
{
    connect(this, &QSplitter::splitterMoved, this, &ZCSplitter::OnSplitterMoved);
}

ZCSplitter::~ZCSplitter() = default;

void ZCSplitter::addWidget(QWidget* widget)
{
    m_storedSizes = sizes();
    QSplitter::addWidget(widget);
}

void ZCSplitter::setSizes(const QList<int>& sizes)
{
    m_storedSizes = sizes;
    QSplitter::setSizes(sizes);
}

bool ZCSplitter::NecesitaResizearSecciones() const
{
    return sizes() != m_storedSizes;
}

void ZCSplitter::OnSplitterMoved(int pos, int index)
{
    Q_UNUSED(pos)
    if (m_tipo != Crecer || index < 1)
        return;
    const QList<int> current = sizes();
    // Sizes stored for another set of sections say nothing about this one: from now on the
    // sections as they are count as stored, and this move stays an ordinary one.
    if (m_storedSizes.size() != current.size()) {
        m_storedSizes = current;
        return;
    }
    const int delta = current.at(index - 1) - m_storedSizes.at(index - 1);
    if (orientation() == Qt::Horizontal)
        resize(width() + delta, height());
    else
        resize(width(), height() + delta);
    m_storedSizes[index - 1] += delta;
    QSplitter::setSizes(m_storedSizes);
}

QSplitterHandle* ZCSplitter::createHandle()
{
    auto* handle = new ZCSplitterHandle(orientation(), this);
    handle->installEventFilter(this);
    return handle;
}

// A drag starts from the sections as they are: since the last one, a resize by the window may
// have shared its change out among them all, and what a grow-mode move adds to the splitter
// is only what the drag adds to its section.
bool ZCSplitter::eventFilter(QObject* watched, QEvent* event)
{
    if (m_tipo == Crecer && event->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton
        && qobject_cast<QSplitterHandle*>(watched))
        m_storedSizes = sizes();
    return QSplitter::eventFilter(watched, event);
}
