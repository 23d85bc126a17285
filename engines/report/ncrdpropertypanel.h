#pragma once

#include "ncreport_global.h"

#include <QDomElement>
#include <QHash>
#include <QPointer>
#include <QWidget>

class NCRDDocument;
class QFormLayout;
class QLabel;

/*!
    The properties of what is selected in a document: the selected items (several edit
    together; an editor whose items differ is left blank), else the section current in the
    outline, else the report itself.

    Each property has an editor of its type: millimetre boxes for positions, sizes, heights,
    margins and line widths, a point box for the font size, a font list, check boxes for bold and
    italic, colour lists that also take any colour typed by name or as #rrggbb, two lists for the
    alignment, lists for the page size, orientation, format, source and a detail's data source,
    and a group's header and footer as check boxes that add or remove them. The other properties
    are text fields; a detail's sort offers the columns of its data source as it is typed.

    A change applies as it is made, as one step of the document's undo stack for each property
    edited in a row; a value the engine cannot read is not applied and its editor says so.
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
    // The editor of an attribute ("x", "fontSize", "#text" for an item's text, "#header" and
    // "#footer" for a group's sections), null when the elements shown have no such property: a
    // QDoubleSpinBox, QSpinBox, QCheckBox, QComboBox (QFontComboBox for the font), QLineEdit, or
    // for "align" a widget holding the horizontal and the vertical list.
    QWidget* editor(const QString& attribute) const { return m_editors.value(attribute); }

public Q_SLOTS:
    void refresh();

private:
    void showElements(const QList<QDomElement>& elements);
    QWidget* createEditor(const QString& property);
    void apply(const QString& attribute, const QString& value);
    void setSectionPresent(const QString& tag, bool present);
    // Marks the editor of `attribute` when its value was refused, with why in its tool tip.
    void markRefused(const QString& attribute, bool refused);

    QPointer<NCRDDocument> m_document;
    QList<QDomElement> m_elements;
    QLabel* m_title;
    QWidget* m_fields;
    QFormLayout* m_form;
    QHash<QString, QWidget*> m_editors;
    bool m_applying = false;
};
