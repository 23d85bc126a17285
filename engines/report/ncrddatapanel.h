#pragma once

#include "ncreport_global.h"

#include <QPointer>
#include <QTreeWidget>

class NCRDDocument;

/*!
    The data a document's report can print: its data sources with their columns (an item-model
    source lists the headers of the model registered under its id; the other kinds their
    columns once opened, which expanding them does), its parameters and its variables. Dragging
    a column onto a band of the canvas makes a field bound to it; a parameter or a variable,
    a field that prints it. Enter does the same from the keyboard, into the section of the
    canvas selection or of the outline's current row (NCRDDocument::insertionSection()), beside
    the items already there; Alt+Enter adds the labels too.
*/
class NCREPORT_EXPORT NCRDDataPanel : public QTreeWidget
{
    Q_OBJECT

public:
    // What a dragged row carries: a reference such as "$D{ventas.importe}".
    static const QString mimeType;

    explicit NCRDDataPanel(QWidget* parent = nullptr);
    ~NCRDDataPanel() override;

    NCRDDocument* document() const { return m_document; }
    void setDocument(NCRDDocument* document);

public Q_SLOTS:
    void refresh();

protected:
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override;
#else
    QMimeData* mimeData(const QList<QTreeWidgetItem*> items) const override;
#endif
    QStringList mimeTypes() const override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void listColumns(QTreeWidgetItem* sourceRow);

    QPointer<NCRDDocument> m_document;
};
