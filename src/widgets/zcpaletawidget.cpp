#include "zcpaletawidget.h"

#include "zcpaletawidgetitem.h"
#include "zcpopupplacement_p.h"

#include <QGridLayout>
#include <QKeyEvent>

#include <algorithm>
#include <cmath>

namespace {
// A grid beyond this many cells is a mistake of the caller, not a palette: it is cut down.
constexpr int maxCells = 10000;

// For positive a and b. Written without a + b, which overflows for a count near INT_MAX.
int ceilDiv(int a, int b)
{
    return a / b + (a % b != 0 ? 1 : 0);
}
} // namespace

ZCPaletaWidget::ZCPaletaWidget(QList<QColor>* colores, QWidget* parent, bool popup, bool autoFoco)
    : QFrame(parent, popup ? Qt::Popup : Qt::WindowFlags())
    , m_colores(colores ? colores : &m_ownColors)
    , m_autoFoco(autoFoco)
    , m_popup(popup)
{
    setFrameStyle(QFrame::StyledPanel);
    setFocusPolicy(Qt::StrongFocus);
    creaGridWithItems();
}

ZCPaletaWidget::~ZCPaletaWidget() = default;

void ZCPaletaWidget::creaGridWithItems()
{
    m_itemSelected = nullptr;
    qDeleteAll(m_items);
    m_items.clear();
    delete m_grid;
    m_grid = new QGridLayout(this);
    m_grid->setSpacing(m_espacioEntreCeldas);
    m_grid->setContentsMargins(m_espacioEntreCeldas, m_espacioEntreCeldas, m_espacioEntreCeldas,
                               m_espacioEntreCeldas);
    m_grid->setSizeConstraint(QLayout::SetFixedSize);

    const int count = m_colores->size();
    int rows = m_horizontal;
    int columns = m_vertical;
    if (count > 0) {
        if (rows < 1 && columns < 1) {
            rows = int(std::sqrt(double(count)));
            columns = ceilDiv(count, rows);
        } else if (rows < 1) {
            rows = ceilDiv(count, columns);
        } else if (columns < 1) {
            columns = ceilDiv(count, rows);
        }
    }
    m_columns = 0;
    if (rows < 1 || columns < 1)
        return;
    columns = std::min(columns, maxCells);
    rows = std::min(rows, maxCells / columns);
    m_columns = columns;

    for (int index = 0; index < rows * columns; ++index) {
        const bool filler = index >= count;
        auto* item = new ZCPaletaWidgetItem(this, filler ? QColor(Qt::white) : m_colores->at(index));
        item->setEnabled(!filler);
        m_grid->addWidget(item, index / columns, index % columns);
        m_items.append(item);
    }
}

void ZCPaletaWidget::addColor(const QColor& color)
{
    if (setFocoEnColor(color))
        return;
    if (m_items.isEmpty()) {
        m_colores->append(color);
        creaGridWithItems();
    } else if (m_colores->size() < m_items.size()) {
        ZCPaletaWidgetItem* filler = m_items.at(m_colores->size());
        m_colores->append(color);
        filler->setColor(color);
        filler->setEnabled(true);
    } else if (m_itemSelected) {
        const int index = m_items.indexOf(m_itemSelected);
        if (index < m_colores->size())
            (*m_colores)[index] = color;
        m_itemSelected->setColor(color);
    }
}

void ZCPaletaWidget::removeColorItem(ZCPaletaWidgetItem* item)
{
    const int index = m_items.indexOf(item);
    if (index < 0 || index >= m_colores->size())
        return;
    m_colores->removeAt(index);
    creaGridWithItems();
}

bool ZCPaletaWidget::setFocoEnColor(const QColor& color)
{
    for (ZCPaletaWidgetItem* item : qAsConst(m_items)) {
        if (item->isEnabled() && item->getColor() == color) {
            setItemSelected(item);
            return true;
        }
    }
    return false;
}

void ZCPaletaWidget::setItemSelected(ZCPaletaWidgetItem* item)
{
    if (item == m_itemSelected || (item && !m_items.contains(item)))
        return;
    if (m_itemSelected)
        m_itemSelected->update();
    m_itemSelected = item;
    if (m_itemSelected)
        m_itemSelected->update();
}

ZCPaletaWidgetItem* ZCPaletaWidget::getItemSelected() const
{
    return m_itemSelected;
}

void ZCPaletaWidget::setVertical(int columns)
{
    if (columns == m_vertical)
        return;
    m_vertical = columns;
    creaGridWithItems();
}

int ZCPaletaWidget::getVertical() const
{
    return m_vertical;
}

void ZCPaletaWidget::setHorizontal(int rows)
{
    if (rows == m_horizontal)
        return;
    m_horizontal = rows;
    creaGridWithItems();
}

int ZCPaletaWidget::getHorizontal() const
{
    return m_horizontal;
}

void ZCPaletaWidget::setEspacioEntreCeldas(int spacing)
{
    spacing = std::max(spacing, 0);
    if (spacing == m_espacioEntreCeldas)
        return;
    m_espacioEntreCeldas = spacing;
    m_grid->setSpacing(spacing);
    m_grid->setContentsMargins(spacing, spacing, spacing, spacing);
}

int ZCPaletaWidget::getEspacioEntreCeldas() const
{
    return m_espacioEntreCeldas;
}

void ZCPaletaWidget::setSizeCelda(int size)
{
    if (size == m_sizeCelda)
        return;
    m_sizeCelda = size;
    if (size <= 0)
        return;
    for (ZCPaletaWidgetItem* item : qAsConst(m_items))
        item->setFixedSize(size, size);
}

int ZCPaletaWidget::getSizeCelda() const
{
    return m_sizeCelda;
}

QColor ZCPaletaWidget::getColorFondo() const
{
    return palette().color(backgroundRole());
}

void ZCPaletaWidget::setColorFondo(const QColor& color)
{
    QPalette colours = palette();
    colours.setColor(backgroundRole(), color);
    setPalette(colours);
    setAutoFillBackground(true);
}

bool ZCPaletaWidget::getAutoFoco() const
{
    return m_autoFoco;
}

// QWidget::setParent() makes a plain child of a pop-up; a pop-up palette must stay one.
void ZCPaletaWidget::setParent(QWidget* parent)
{
    if (m_popup)
        QFrame::setParent(parent, Qt::Popup);
    else
        QFrame::setParent(parent);
}

void ZCPaletaWidget::setVisible(bool visible)
{
    if (visible && m_popup && parentWidget()) {
        adjustSize();
        ZCPopupPlacement::placeUnder(this, parentWidget());
    }
    QFrame::setVisible(visible);
}

void ZCPaletaWidget::emiteColorFoco(const QColor& color)
{
    emit colorFoco(color);
}

void ZCPaletaWidget::emiteColorSelected(const QColor& color)
{
    emit colorSelected(color);
}

void ZCPaletaWidget::pick(const QColor& color)
{
    emiteColorSelected(color);
    if (m_popup)
        close();
}

void ZCPaletaWidget::hover(ZCPaletaWidgetItem* item)
{
    if (!m_popup || !m_autoFoco || !item->isEnabled())
        return;
    setItemSelected(item);
    emiteColorFoco(item->getColor());
}

void ZCPaletaWidget::keyPressEvent(QKeyEvent* event)
{
    // QWidget's own handling closes a pop-up on Escape.
    QFrame::keyPressEvent(event);
    if (event->isAccepted() || !m_itemSelected)
        return;
    const int index = m_items.indexOf(m_itemSelected);
    if (event->key() == Qt::Key_Space) {
        event->accept();
        pick(m_itemSelected->getColor());
        return;
    }
    const int target = indexAfterKey(event->key(), index);
    if (target < 0)
        return;
    event->accept();
    situaFocoByIndex(target);
}

// The index that an arrow key moves the focus to, wrapping round the grid; -1 for other keys.
int ZCPaletaWidget::indexAfterKey(int key, int index) const
{
    const int count = m_items.size();
    const int columns = m_columns;
    switch (key) {
    case Qt::Key_Left:
        return index > 0 ? index - 1 : count - 1;
    case Qt::Key_Right:
        return index < count - 1 ? index + 1 : 0;
    case Qt::Key_Up: {
        if (index >= columns)
            return index - columns;
        const int lastRowStart = (count - 1) / columns * columns;
        const int target = lastRowStart + index;
        return target < count ? target : target - columns;
    }
    case Qt::Key_Down:
        return index + columns < count ? index + columns : index % columns;
    default:
        return -1;
    }
}

void ZCPaletaWidget::situaFocoByIndex(int index)
{
    ZCPaletaWidgetItem* item = m_items.value(index);
    if (!item || !item->isEnabled())
        return;
    setItemSelected(item);
    if (m_autoFoco)
        emiteColorFoco(item->getColor());
}
