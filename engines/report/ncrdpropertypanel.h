#pragma once

#include "ncreport_global.h"

#include <QDomElement>
#include <QHash>
#include <QPointer>
#include <QWidget>

class NCRDDocument;
class QFormLayout;
class QLabel;
class QLineEdit;

/*!
    The properties of what is selected in a document, as text fields: the selected items
    (several edit together; a field whose items differ is empty), else the section current in
    the outline, else the report itself. A change applies as it is typed, as one step of the
    document's undo stack for each field edited in a row; a value the engine cannot read is not
    applied and its field says so.
*/
class NCREPORT_EXPORT NCRDPropertyPanel : public QWidget
{
    Q_OBJECT

public:
    explicit NCRDPropertyPanel(QWidget* parent = nullptr);
    ~NCRDPropertyPanel() override;

    NCRDDocument* document() const { return m_document; }
    void setDocument(NCRDDocument* document);
    QList<QDomElement> elements() const { return m_elements; }
    // The field of an attribute ("x", "fontSize", "#text" for an item's text), null when the
    // elements shown have no such property.
    QLineEdit* editor(const QString& attribute) const { return m_editors.value(attribute); }

public Q_SLOTS:
    void refresh();

private:
    void showElements(const QList<QDomElement>& elements);
    void apply(const QString& attribute, const QString& value);

    QPointer<NCRDDocument> m_document;
    QList<QDomElement> m_elements;
    QLabel* m_title;
    QWidget* m_fields;
    QFormLayout* m_form;
    QHash<QString, QLineEdit*> m_editors;
    bool m_applying = false;
};
