#include "zcflowlayout.h"

#include <QWidget>

#include <algorithm>
#include <limits>

namespace {

/*
    Stands in a line for one of the flow's items: the line sizes and places it as an item of its
    own, and all of that reaches the flow's item. The item stays the flow's: a stand-in never
    deletes it, and one left behind by a change of the flow's items (an item taken, replaced or
    deleted) is never asked anything, since every change invalidates the flow and the lines are
    rebuilt before their next use.
*/
class LineItem : public QLayoutItem
{
public:
    explicit LineItem(QLayoutItem* item) : m_item(item) {}

    QLayoutItem* item() const { return m_item; }

    QSize sizeHint() const override { return m_item->sizeHint(); }
    QSize minimumSize() const override { return m_item->minimumSize(); }
    QSize maximumSize() const override { return m_item->maximumSize(); }
    Qt::Orientations expandingDirections() const override { return m_item->expandingDirections(); }
    bool isEmpty() const override { return m_item->isEmpty(); }
    void setGeometry(const QRect& rect) override { m_item->setGeometry(rect); }
    QRect geometry() const override { return m_item->geometry(); }
    bool hasHeightForWidth() const override { return m_item->hasHeightForWidth(); }
    int heightForWidth(int width) const override { return m_item->heightForWidth(width); }
    int minimumHeightForWidth(int width) const override { return m_item->minimumHeightForWidth(width); }
    QSizePolicy::ControlTypes controlTypes() const override { return m_item->controlTypes(); }
    // The line reads a widget's stretch from its size policy, as for its own items.
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QWidget* widget() override { return m_item->widget(); }
#else
    QWidget* widget() const override { return m_item->widget(); }
#endif

private:
    QLayoutItem* const m_item;
};

bool isHorizontal(QBoxLayout::Direction direction)
{
    return direction == QBoxLayout::LeftToRight || direction == QBoxLayout::RightToLeft;
}

} // namespace

ZCFlowLayout::ZCFlowLayout(EOrientacion orientacion, QWidget* parent)
    : QBoxLayout(orientacion != Filas ? LeftToRight : TopToBottom, parent)
    , m_stack(new QBoxLayout(direction()))
{
    // A child, so that the lines' spacing comes from this layout and its widget's style as it
    // would for nested layouts. Marked changed from the start, so that rebuilding the lines
    // never asks Qt for another layout pass.
    m_stack->setParent(this);
    m_stack->invalidate();
}

ZCFlowLayout::~ZCFlowLayout() = default;

ZCFlowLayout::EOrientacion ZCFlowLayout::GetOrientacion() const
{
    return flowsInRows() ? Filas : Columnas;
}

bool ZCFlowLayout::flowsInRows() const
{
    return !isHorizontal(direction());
}

void ZCFlowLayout::addWidget(QWidget* widget, int stretch, Qt::Alignment alignment)
{
    QBoxLayout::addWidget(widget, stretch, alignment);
}

void ZCFlowLayout::addLayout(QLayout* layout, int stretch)
{
    QBoxLayout::addLayout(layout, stretch);
}

void ZCFlowLayout::addSpacing(int size)
{
    insertSpacing(-1, size);
}

void ZCFlowLayout::addStretch(int stretch)
{
    insertStretch(-1, stretch);
}

void ZCFlowLayout::insertSpacing(int index, int size)
{
    insertSpacerItem(index, spacerAlongTheFlow(size, QSizePolicy::Fixed));
}

void ZCFlowLayout::insertStretch(int index, int stretch)
{
    insertSpacerItem(index, spacerAlongTheFlow(0, QSizePolicy::Expanding));
    setStretch(index < 0 ? count() - 1 : index, stretch);
}

QSpacerItem* ZCFlowLayout::spacerAlongTheFlow(int size, QSizePolicy::Policy policy) const
{
    return flowsInRows() ? new QSpacerItem(size, 0, policy, QSizePolicy::Minimum)
                         : new QSpacerItem(0, size, QSizePolicy::Minimum, policy);
}

void ZCFlowLayout::invalidate()
{
    m_dirty = true;
    QBoxLayout::invalidate();
}

// QLayout's, not QBoxLayout's: the items are placed by the lines, not in one box.
void ZCFlowLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    arrange(rect);
    m_stack->setGeometry(rect);
}

QSize ZCFlowLayout::sizeHint() const
{
    return arranged()->sizeHint();
}

// The largest minimum of any item: narrower than that, no line arrangement helps.
QSize ZCFlowLayout::minimumSize() const
{
    const QBoxLayout* stack = arranged();
    QSize largest(0, 0);
    for (int i = 0; i < count(); ++i) {
        const QLayoutItem* item = itemAt(i);
        if (!item->isEmpty())
            largest = largest.expandedTo(item->minimumSize());
    }
    const QMargins margins = contentsMargins();
    largest += QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
    return largest.boundedTo(stack->minimumSize());
}

QSize ZCFlowLayout::maximumSize() const
{
    return arranged()->maximumSize();
}

Qt::Orientations ZCFlowLayout::expandingDirections() const
{
    return arranged()->expandingDirections();
}

bool ZCFlowLayout::hasHeightForWidth() const
{
    return arranged()->hasHeightForWidth();
}

int ZCFlowLayout::heightForWidth(int width) const
{
    return arranged()->heightForWidth(width);
}

int ZCFlowLayout::minimumHeightForWidth(int width) const
{
    return arranged()->minimumHeightForWidth(width);
}

// The lines as the last rectangle arranged them, brought up to date with the items.
const QBoxLayout* ZCFlowLayout::arranged() const
{
    arrange(m_lastRect);
    return m_stack;
}

// Before the first rectangle every item waits in one line.
void ZCFlowLayout::arrange(const QRect& rect) const
{
    if (m_dirty || rect != m_lastRect) {
        m_lastRect = rect;
        m_dirty = false;
        const QMargins margins = contentsMargins();
        m_stack->setContentsMargins(margins);
        if (m_stack->direction() != direction())
            m_stack->setDirection(direction());
        const int extent = !rect.isValid() ? std::numeric_limits<int>::max()
                           : flowsInRows()  ? rect.width() - margins.left() - margins.right()
                                            : rect.height() - margins.top() - margins.bottom();
        rebuildLines(assignLines(extent));
        // The items' sizes may have changed with no line changing.
        for (QBoxLayout* line : qAsConst(m_lines))
            line->invalidate();
        m_stack->invalidate();
    }
    alignLines();
}

/*
    The line of every item, walking the items along the flow: an item that would pass the far
    edge starts a new line, unless the line holds nothing yet. Hidden widgets take no room.
*/
QVector<int> ZCFlowLayout::assignLines(int extent) const
{
    const bool rows = flowsInRows();
    const int space = std::max(0, spacing());
    QVector<int> lineOf(count());
    qint64 position = 0;
    int line = 0;
    int lineDepth = 0;
    for (int i = 0; i < count(); ++i) {
        QLayoutItem* item = itemAt(i);
        lineOf[i] = line;
        const bool isSpacer = item->spacerItem() != nullptr;
        if (!isSpacer && item->isEmpty())
            continue;
        const QSize hint = item->sizeHint();
        const int along = rows ? hint.width() : hint.height();
        // Box layouts put no spacing around spacers.
        const int gap = isSpacer ? 0 : space;
        position += along + gap;
        if (position - gap > extent && lineDepth >= 1) {
            lineOf[i] = ++line;
            position = along + gap;
            lineDepth = 0;
        }
        lineDepth = std::max(lineDepth, rows ? hint.height() : hint.width());
    }
    return lineOf;
}

// Lines left empty stay for later reflows; as empty box layouts they take no room.
void ZCFlowLayout::rebuildLines(const QVector<int>& lineOfItem) const
{
    const Direction across = flowsInRows() ? LeftToRight : TopToBottom;
    const int lineCount = lineOfItem.isEmpty() ? 0 : lineOfItem.constLast() + 1;
    while (m_lines.size() < lineCount) {
        auto* line = new QBoxLayout(across);
        m_stack->addLayout(line);
        m_lines.append(line);
    }
    // Lines follow the items in order; those past the last one are emptied.
    int first = 0;
    for (int index = 0; index < m_lines.size(); ++index) {
        QBoxLayout* line = m_lines.at(index);
        if (line->direction() != across)
            line->setDirection(across);
        int end = first;
        while (end < lineOfItem.size() && lineOfItem.at(end) == index)
            ++end;
        refill(line, first, end);
        first = end;
    }
}

// A line that already holds exactly these items is left alone, so a reflow that moves a few
// items costs little.
void ZCFlowLayout::refill(QBoxLayout* line, int first, int end) const
{
    bool same = line->count() == end - first;
    for (int k = 0; same && k < line->count(); ++k)
        same = static_cast<const LineItem*>(line->itemAt(k))->item() == itemAt(first + k)
               && line->stretch(k) == stretch(first + k);
    if (same)
        return;
    while (line->count() > 0)
        delete line->takeAt(line->count() - 1);
    for (int i = first; i < end; ++i) {
        line->addItem(new LineItem(itemAt(i)));
        if (stretch(i) != 0)
            line->setStretch(line->count() - 1, stretch(i));
    }
}

// The flow's alignment places the lines, and each line's items, as a box layout's alignment
// does; it may have been set at any time since the last pass.
void ZCFlowLayout::alignLines() const
{
    const Qt::Alignment flowAlignment = alignment();
    if (m_stack->alignment() != flowAlignment) {
        m_stack->setAlignment(flowAlignment);
        m_stack->invalidate();
    }
    for (QBoxLayout* line : qAsConst(m_lines))
        if (line->alignment() != flowAlignment)
            m_stack->setAlignment(line, flowAlignment);
}
