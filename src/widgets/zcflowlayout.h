#pragma once

#include "mirokit_global.h"

#include <QBoxLayout>
#include <QVector>

/*!
    A layout that wraps its items into rows (or columns) like words in a paragraph. Its items are
    those of an ordinary box layout: count(), itemAt(), takeAt(), indexOf(), insertWidget(),
    replaceWidget(), removeWidget(), setStretch() and setAlignment() answer for them and act on
    them exactly as in a QBoxLayout. Only the geometry differs: the items are laid out in lines,
    each line a box layout of the flow's own, so the items of a line share its width (or a
    column's height) as in any box layout. The lines are worked out again whenever the rectangle
    or an item changes; an item moves to another line only when it has to.
*/
class MIROKIT_EXPORT ZCFlowLayout : public QBoxLayout
{
    Q_OBJECT

public:
    enum EOrientacion {
        Filas = 0,    // items flow left to right and wrap downwards
        Columnas = 1, // items flow downwards and wrap to the right
    };
    Q_ENUM(EOrientacion)

    explicit ZCFlowLayout(EOrientacion orientacion = Filas, QWidget* parent = nullptr);
    ~ZCFlowLayout() override;

    void addWidget(QWidget* widget, int stretch = 0, Qt::Alignment alignment = Qt::Alignment());
    void addLayout(QLayout* layout, int stretch = 0);
    // A spacing or a stretch runs along the flow, not across it as QBoxLayout's would.
    void addSpacing(int size);
    void addStretch(int stretch = 0);
    void insertSpacing(int index, int size);
    void insertStretch(int index, int stretch = 0);

    EOrientacion GetOrientacion() const;

    void setGeometry(const QRect& rect) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    QSize maximumSize() const override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    int minimumHeightForWidth(int width) const override;
    void invalidate() override;

private:
    bool flowsInRows() const;
    QSpacerItem* spacerAlongTheFlow(int size, QSizePolicy::Policy policy) const;
    const QBoxLayout* arranged() const;
    void arrange(const QRect& rect) const;
    QVector<int> assignLines(int extent) const;
    void rebuildLines(const QVector<int>& lineOfItem) const;
    void refill(QBoxLayout* line, int first, int end) const;
    void alignLines() const;

    // The lines, one after the other; a child of this layout but none of its items. The lines
    // hold stand-ins for this layout's items, rebuilt from them before any use after a change.
    QBoxLayout* m_stack;
    mutable QVector<QBoxLayout*> m_lines;
    mutable QRect m_lastRect;
    mutable bool m_dirty = true;
};
