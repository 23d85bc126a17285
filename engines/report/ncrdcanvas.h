#pragma once

#include "ncreport_global.h"

#include <QDomElement>
#include <QGraphicsScene>
#include <QHash>
#include <QPointer>

#include <memory>

class NCRDBandItem;
class NCRDCanvasItem;
class NCRDDocument;
class NCReportSectionPainter;

/*!
    The page of a report in the designer, in millimetres: the paper at the report's size and
    orientation with its margins, one band per section in print order (page header, report
    header, then each detail between its group headers and its group footers, innermost footer
    first, then report footer and page footer), and the sections' items drawn as they print.

    The mouse selects (a click, Shift or Ctrl and a click, a rubber band), moves the selection by
    dragging (into another band too), resizes the single selected item by its eight handles,
    changes a band's height by its lower edge, and draws a new item with the chosen tool. The
    arrow keys move the selection one grid step, with Shift a tenth of a millimetre. Positions
    snap to the grid and to the edges and centres of the other items, with guides drawn while
    dragging. References dragged from the data panel (NCRDDataPanel) and dropped on a band
    become fields there; with Alt, also labels with the columns' names (see
    NCRDDocument::addFieldsAt()). Every change goes to the document, through its undo stack.
*/
class NCREPORT_EXPORT NCRDCanvas : public QGraphicsScene
{
    Q_OBJECT

public:
    enum Alignment { AlignLeft, AlignRight, AlignTop, AlignBottom, AlignHCenter, AlignVCenter,
                     SameWidth, SameHeight, DistributeHorizontally, DistributeVertically };

    // `document` is the parent, and what the canvas shows and edits.
    explicit NCRDCanvas(NCRDDocument* document);
    ~NCRDCanvas() override;

    // Builds the page again from the document; the selection is kept where its elements are.
    void rebuild();
    // Follows changed attributes of the elements' items and sections (positions, sizes,
    // heights) without building the page again.
    void refreshGeometry(const QList<QDomElement>& elements);

    QRectF pageRect() const { return m_pageRect; }
    // Where the report's lengths start: the top left corner inside the margins.
    QPointF origin() const { return m_printableRect.topLeft(); }
    // The scene rectangle the selected items cover; null when nothing is selected.
    QRectF selectionBounds() const { return selectionRect(); }
    QList<NCRDBandItem*> bands() const { return m_bands; }
    QList<NCRDCanvasItem*> canvasItems() const { return m_items; }
    NCRDCanvasItem* itemFor(const QDomElement& element) const;
    NCRDBandItem* bandFor(const QDomElement& section) const;
    // The band whose vertical extent holds the scene point, null when none does.
    NCRDBandItem* bandAt(const QPointF& scenePoint) const;

    // The selected items in the order of the document.
    QList<NCRDCanvasItem*> selectedCanvasItems() const;
    QList<QDomElement> selectedElements() const;
    void selectElements(const QList<QDomElement>& elements);
    // Selects every item of the band of the selection (or of the band last clicked).
    void selectAllInBand();

    bool snapsToGrid() const { return m_snapToGrid; }
    void setSnapToGrid(bool snap);
    qreal gridStep() const { return m_gridStep; }
    void setGridStep(qreal millimetres);

    // The kind of item the next drag on a band draws ("label", "field", ...); empty selects.
    QString tool() const { return m_tool; }
    void setTool(const QString& tag);

    // Moves the selection by `delta` millimetres, as one step of the undo stack.
    bool moveSelection(const QPointF& delta);
    bool alignSelection(Alignment alignment);

Q_SIGNALS:
    // The tool went back to selecting (after an item was drawn, or on Escape).
    void toolChanged(const QString& tag);
    // A context menu is asked for at `screenPos`: over the selection (an item clicked is
    // selected first), or over the band of `section` (null outside every band).
    void contextMenuRequested(const QDomElement& section, const QPoint& screenPos);

protected:
    void drawBackground(QPainter* painter, const QRectF& rect) override;
    void drawForeground(QPainter* painter, const QRectF& rect) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) override;
    void contextMenuEvent(QGraphicsSceneContextMenuEvent* event) override;
    void helpEvent(QGraphicsSceneHelpEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QGraphicsSceneDragDropEvent* event) override;
    void dragMoveEvent(QGraphicsSceneDragDropEvent* event) override;
    void dropEvent(QGraphicsSceneDragDropEvent* event) override;

private:
    enum class Drag { None, Move, Resize, BandHeight, Draw };

    void layoutBands();
    // Deletes the bands and items, and forgets everything that pointed at them.
    void clearPage();
    // Ends a drag under way and forgets the items it held.
    void forgetDrag();
    void flushPolish();
    // Pixels per millimetre of the first view; 1 without one.
    qreal viewScale() const;
    qreal snap(qreal value) const;
    NCRDCanvasItem* canvasItemAt(const QPointF& scenePoint) const;
    // The handle (0 top left, clockwise to 7 left) of the single selected item under the point,
    // -1 when there is none.
    int handleAt(const QPointF& scenePoint) const;
    NCRDBandItem* bandEdgeAt(const QPointF& scenePoint) const;
    void updateHoverCursor(const QPointF& scenePoint);
    void setViewCursor(Qt::CursorShape shape);
    void moveDragged(const QPointF& scenePoint, Qt::KeyboardModifiers modifiers);
    void resizeDragged(const QPointF& scenePoint);
    void finishMove(const QPointF& scenePoint);
    void finishResize();
    void finishDraw(const QPointF& scenePoint);
    void setBandsClipping(bool clip);
    // Offsets `delta` so that an edge or centre of `moving` meets one of an unselected item,
    // when one is near; records the guides.
    QPointF snapToItems(const QRectF& moving, QPointF delta);
    void commitGeometries(const QList<NCRDCanvasItem*>& items, const QString& text);
    // Repaints the outlines and handles drawn over the items around `rect`.
    void updateOverlay(const QRectF& rect);
    QRectF selectionRect() const;

    NCRDDocument* m_document;
    std::unique_ptr<NCReportSectionPainter> m_painter;
    QList<NCRDBandItem*> m_bands;
    QList<NCRDCanvasItem*> m_items;
    QSizeF m_paperSize;
    QMarginsF m_margins;
    // The paper, grown downwards when the bands need more room than it has.
    QRectF m_pageRect;
    QRectF m_printableRect;
    bool m_snapToGrid = true;
    qreal m_gridStep = 1;
    QString m_tool;

    Drag m_drag = Drag::None;
    bool m_dragStarted = false;
    QPointF m_pressPos;
    QPointF m_pressScreenPos;
    NCRDCanvasItem* m_primary = nullptr;
    NCRDBandItem* m_dragBand = nullptr;
    NCRDBandItem* m_lastBand = nullptr;
    int m_handle = -1;
    qreal m_startHeight = 0;
    QHash<NCRDCanvasItem*, QRectF> m_startGeometries;
    QRectF m_drawRect;
    QVector<QLineF> m_guides;
};
