#include "zcflowlayout.h"

#include <QWidget>

#include <algorithm>

// The item of an added widget. Qt deletes it by itself when the widget is deleted or moved to
// another parent; it then tells the layout, which must not keep a record of it.
class ZCFlowLayout::WidgetItem : public QWidgetItem
{
public:
    WidgetItem(QWidget* widget, ZCFlowLayout* owner) : QWidgetItem(widget), owner(owner) {}
    ~WidgetItem() override
    {
        if (owner)
            owner->forget(this);
    }

    // A pass asks for the sizes several times (the flow, the line, the outer box). As Qt's own
    // widget items do, the item keeps them until it is invalidated: by every activation of the
    // layout system, and by the flow layout's own invalidate(), which a widget's
    // updateGeometry() reaches.
    QSize sizeHint() const override
    {
        if (!m_sizeHint.isValid())
            m_sizeHint = QWidgetItem::sizeHint();
        return m_sizeHint;
    }
    QSize minimumSize() const override
    {
        if (!m_minimumSize.isValid())
            m_minimumSize = QWidgetItem::minimumSize();
        return m_minimumSize;
    }
    QSize maximumSize() const override
    {
        if (!m_maximumSize.isValid())
            m_maximumSize = QWidgetItem::maximumSize();
        return m_maximumSize;
    }
    void invalidate() override { m_sizeHint = m_minimumSize = m_maximumSize = QSize(); }

    ZCFlowLayout* owner;

private:
    mutable QSize m_sizeHint;
    mutable QSize m_minimumSize;
    mutable QSize m_maximumSize;
};

ZCFlowLayout::ZCFlowLayout(EOrientacion orientacion, QWidget* parent)
    : QBoxLayout(orientacion != Filas ? LeftToRight : TopToBottom, parent)
{
}

ZCFlowLayout::~ZCFlowLayout()
{
    // QBoxLayout deletes the lines and their items after this destructor has run: nothing may
    // tell this layout about it then.
    for (const Record& record : qAsConst(m_records))
        release(record);
}

ZCFlowLayout::EOrientacion ZCFlowLayout::GetOrientacion() const
{
    return flowsInRows() ? Filas : Columnas;
}

bool ZCFlowLayout::flowsInRows() const
{
    return direction() == TopToBottom;
}

void ZCFlowLayout::addWidget(QWidget* widget, int stretch, Qt::Alignment alignment)
{
    if (!widget)
        return;
    addChildWidget(widget);
    auto* item = new WidgetItem(widget, this);
    item->setAlignment(alignment);
    append({item, Widget, stretch, nullptr});
}

// A layout that already has a parent would be refused by every line. One that its owner deletes
// leaves its line by itself (QLayout sees its child go) and this flow here.
void ZCFlowLayout::addLayout(QLayout* layout, int stretch)
{
    if (!layout || layout->parent())
        return;
    const QLayoutItem* item = layout;
    connect(layout, &QObject::destroyed, this, [this, item] { forget(item); });
    append({layout, Layout, stretch, layout});
}

void ZCFlowLayout::addSpacing(int size)
{
    auto* spacer = flowsInRows() ? new QSpacerItem(size, 0, QSizePolicy::Fixed, QSizePolicy::Minimum)
                                 : new QSpacerItem(0, size, QSizePolicy::Minimum, QSizePolicy::Fixed);
    append({spacer, Spacer, 0, nullptr});
}

void ZCFlowLayout::addStretch(int stretch)
{
    auto* spacer = flowsInRows() ? new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum)
                                 : new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding);
    append({spacer, Spacer, stretch, nullptr});
}

// Items given through QLayout's own interface (QLayout::addWidget, uic) flow as well.
void ZCFlowLayout::addItem(QLayoutItem* item)
{
    if (QWidget* widget = item->widget()) {
        const Qt::Alignment alignment = item->alignment();
        delete item;
        addWidget(widget, 0, alignment);
    } else if (QLayout* layout = item->layout()) {
        addLayout(layout);
    } else {
        append({item, Spacer, 0, nullptr});
    }
}

// A new item waits in the last line until the next geometry pass puts it in its place.
void ZCFlowLayout::append(const Record& record)
{
    m_records.append(record);
    moveIntoLine(m_lines.isEmpty() ? newLine() : m_lines.constLast(), record);
    invalidate();
}

QBoxLayout* ZCFlowLayout::newLine()
{
    auto* line = new QBoxLayout(flowsInRows() ? LeftToRight : TopToBottom);
    QBoxLayout::addLayout(line);
    if (alignment())
        setAlignment(line, alignment());
    m_lines.append(line);
    return line;
}

void ZCFlowLayout::moveIntoLine(QBoxLayout* line, const Record& record)
{
    if (record.kind == Layout) {
        line->addLayout(record.layout, record.stretch);
        return;
    }
    line->addItem(record.item);
    if (record.stretch != 0)
        line->setStretch(line->count() - 1, record.stretch);
}

void ZCFlowLayout::forget(const QLayoutItem* item)
{
    m_records.erase(std::remove_if(m_records.begin(), m_records.end(),
                                   [item](const Record& record) { return record.item == item; }),
                    m_records.end());
    invalidate();
}

// The item no longer tells this layout about its end.
void ZCFlowLayout::release(const Record& record)
{
    if (record.kind == Widget)
        static_cast<WidgetItem*>(record.item)->owner = nullptr;
    else if (record.kind == Layout)
        disconnect(record.layout, &QObject::destroyed, this, nullptr);
}

int ZCFlowLayout::count() const
{
    return m_records.size();
}

QLayoutItem* ZCFlowLayout::itemAt(int index) const
{
    return index >= 0 && index < m_records.size() ? m_records.at(index).item : nullptr;
}

// What is taken belongs to the caller: it leaves its line (a layout also its parent there).
QLayoutItem* ZCFlowLayout::takeAt(int index)
{
    if (index < 0 || index >= m_records.size())
        return nullptr;
    const Record record = m_records.takeAt(index);
    release(record);
    for (QBoxLayout* line : qAsConst(m_lines)) {
        const int position = line->indexOf(record.item);
        if (position >= 0) {
            line->takeAt(position);
            break;
        }
    }
    invalidate();
    return record.item;
}

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
int ZCFlowLayout::indexOf(QWidget* widget) const
#else
int ZCFlowLayout::indexOf(const QWidget* widget) const
#endif
{
    if (!widget)
        return -1;
    for (int i = 0; i < m_records.size(); ++i)
        if (m_records.at(i).item->widget() == widget)
            return i;
    return -1;
}

void ZCFlowLayout::invalidate()
{
    m_dirty = true;
    for (const Record& record : qAsConst(m_records))
        if (record.kind == Widget)
            record.item->invalidate();
    // Qt's activation walks the items this layout answers for, not its lines; their cached
    // sizes are dropped here.
    for (QBoxLayout* line : qAsConst(m_lines))
        line->invalidate();
    QBoxLayout::invalidate();
}

void ZCFlowLayout::setGeometry(const QRect& rect)
{
    if (rect != m_lastRect || m_dirty) {
        m_lastRect = rect;
        m_dirty = false;
        int left, top, right, bottom;
        getContentsMargins(&left, &top, &right, &bottom);
        // The outer box caches its lines' sizes: a changed line must reach it before it lays out.
        if (rebuildLines(assignLines(rect.adjusted(left, top, -right, -bottom))))
            QBoxLayout::invalidate();
    }
    QBoxLayout::setGeometry(rect);
}

/*
    The line of every record, walking the items along the flow: an item that would pass the far
    edge starts a new line, unless the line holds nothing yet. Hidden widgets take no room.
*/
QVector<int> ZCFlowLayout::assignLines(const QRect& area) const
{
    const bool rows = flowsInRows();
    const int space = std::max(0, spacing());
    const int start = rows ? area.left() : area.top();
    // One past the last pixel: an item that ends exactly at the edge still fits.
    const int end = start + (rows ? area.width() : area.height());
    QVector<int> lineOf(m_records.size());
    int position = start;
    int line = 0;
    int lineDepth = 0;
    for (int i = 0; i < m_records.size(); ++i) {
        const Record& record = m_records.at(i);
        const QLayoutItem* item = record.item;
        lineOf[i] = line;
        if (record.kind != Spacer && item->isEmpty())
            continue;
        const QSize hint = item->sizeHint();
        const int along = rows ? hint.width() : hint.height();
        // Box layouts put no spacing around spacers.
        const int gap = record.kind == Spacer ? 0 : space;
        position += along + gap;
        if (position - gap > end && lineDepth >= 1) {
            lineOf[i] = ++line;
            position = start + along + gap;
            lineDepth = 0;
        }
        lineDepth = std::max(lineDepth, rows ? hint.height() : hint.width());
    }
    return lineOf;
}

/*
    Puts every record into its line. Lines that already hold exactly their records are left
    alone, so a reflow that moves a few items costs little; the items of the other lines are all
    taken out before any is put back, since an item may only be in one line at a time.
    Lines left empty stay for later reflows; as empty box layouts they take no room.
    Returns whether any line changed.
*/
bool ZCFlowLayout::rebuildLines(const QVector<int>& lineOfRecord)
{
    const int lineCount = lineOfRecord.isEmpty() ? 0 : lineOfRecord.constLast() + 1;
    QVector<int> firstRecord(lineCount + 1, m_records.size());
    // Lines follow the records in order and none is empty.
    for (int i = m_records.size() - 1; i >= 0; --i)
        firstRecord[lineOfRecord.at(i)] = i;

    QVector<bool> changed(std::max(lineCount, int(m_lines.size())), true);
    for (int line = 0; line < m_lines.size(); ++line) {
        const QBoxLayout* box = m_lines.at(line);
        if (line >= lineCount) {
            changed[line] = box->count() > 0;
            continue;
        }
        const int first = firstRecord.at(line);
        bool same = box->count() == firstRecord.at(line + 1) - first;
        for (int k = 0; same && k < box->count(); ++k)
            same = box->itemAt(k) == m_records.at(first + k).item;
        changed[line] = !same;
    }
    if (!changed.contains(true))
        return false;

    for (int line = 0; line < m_lines.size(); ++line) {
        QBoxLayout* box = m_lines.at(line);
        while (changed.at(line) && box->count() > 0)
            box->takeAt(box->count() - 1);
    }
    while (m_lines.size() < lineCount)
        newLine();
    for (int line = 0; line < lineCount; ++line) {
        if (!changed.at(line))
            continue;
        for (int i = firstRecord.at(line); i < firstRecord.at(line + 1); ++i)
            moveIntoLine(m_lines.at(line), m_records.at(i));
    }
    return true;
}

// The largest minimum of any item: narrower than that, no line arrangement helps.
QSize ZCFlowLayout::minimumSize() const
{
    QSize largest(0, 0);
    for (const QBoxLayout* line : m_lines) {
        for (int k = 0; k < line->count(); ++k) {
            const QLayoutItem* item = line->itemAt(k);
            if (!item->isEmpty())
                largest = largest.expandedTo(item->minimumSize());
        }
    }
    const QMargins margins = contentsMargins();
    largest += QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
    return largest.boundedTo(QBoxLayout::minimumSize());
}
