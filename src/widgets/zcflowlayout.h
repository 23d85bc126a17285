#pragma once

#include "mirokit_global.h"

#include <QBoxLayout>
#include <QVector>

/*!
    A layout that wraps its items into rows (or columns) like words in a paragraph. Each row is a
    box layout of its own inside this one, so the items of a row share its width (or a column's
    height) as in any box layout. The rows are worked out again whenever the rectangle or an
    item changes; an item moves to another row only when it has to.
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
    void addSpacing(int size);
    void addStretch(int stretch = 0);
    void addItem(QLayoutItem* item) override;

    // The items added to the flow, in the order they were added; the lines it builds from them
    // are its own business.
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    int indexOf(QWidget* widget) const override;
#else
    int indexOf(const QWidget* widget) const override;
#endif
    using QBoxLayout::indexOf;

    EOrientacion GetOrientacion() const;

    void setGeometry(const QRect& rect) override;
    QSize minimumSize() const override;
    void invalidate() override;

private:
    class WidgetItem;
    enum Kind { Widget, Layout, Spacer };
    struct Record {
        QLayoutItem* item;
        Kind kind;
        int stretch;
        QLayout* layout; // for added layouts, forgotten when their owner deletes them
    };

    bool flowsInRows() const;
    void append(const Record& record);
    void forget(const QLayoutItem* item);
    void release(const Record& record);
    QBoxLayout* newLine();
    QVector<int> assignLines(const QRect& area) const;
    bool rebuildLines(const QVector<int>& lineOfRecord);
    void moveIntoLine(QBoxLayout* line, const Record& record);

    QVector<Record> m_records;
    QVector<QBoxLayout*> m_lines; // owned as items of this layout
    QRect m_lastRect;
    bool m_dirty = true;
};
