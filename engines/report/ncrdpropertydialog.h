#pragma once

#include "ncreport_global.h"

#include <QDialog>
#include <QDomElement>
#include <QVector>

class QComboBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QGridLayout;
class QLineEdit;
class QVBoxLayout;

/*!
    Base of the designer's property dialogs. Each edits one element of the report, an item or a
    section, in place: accepting writes the dialog's own fields (writeProperties()), then the
    lengths, the source type and the print condition when the dialog shows them. Cancel leaves
    the element as it was.

    The helpers build the children that adaptations find by their fixed object names: the main
    layout "verticalLayout", "comboSourceType", and "printWhenPanel" holding "printWhen" in its
    grid "gridLayout_3".
*/
class NCREPORT_EXPORT NCRDPropertyDialog : public QDialog
{
    Q_OBJECT

public:
    ~NCRDPropertyDialog() override;

    QDomElement element() const { return m_element; }

    void accept() override;

protected:
    NCRDPropertyDialog(const QDomElement& element, const QString& title, QWidget* parent);

    // Writes the subclass's fields into element(), after the lengths.
    virtual void writeProperties() = 0;

    QVBoxLayout* mainLayout() const { return m_layout; }
    // A grid on a widget of its own, appended to the main layout.
    QGridLayout* addForm(const char* layoutName);
    static void addRow(QGridLayout* grid, int row, const QString& label, QWidget* field);
    QLineEdit* createLineEdit(const char* name, const QString& text);
    // On the element's "source": how the item's text is read, in the order of
    // NCReportItem::SourceType.
    QComboBox* createSourceTypeCombo();
    // A form whose row 0 is the source type.
    QGridLayout* addSourceForm(const char* layoutName);
    // A length in millimetres of `element`'s attribute, written back on accept.
    QDoubleSpinBox* createLengthBox(const char* name, const QDomElement& element, const QString& attribute,
                                    qreal minimum);
    // The item's position and size (a line's two ends), then its print condition and the buttons.
    void addItemPanels();
    void addButtons();
    // A section's page-break condition: "pageBreakCond" in the layout "layPbreak".
    void addPageBreakRow();

    void setElementText(const QString& text);
    // Sets the attribute, or removes it when `value` is empty.
    void setOptionalAttribute(const QString& name, const QString& value);

private:
    struct Length {
        QDomElement element;
        QString attribute;
        QDoubleSpinBox* box;
        // As shown first: an untouched length keeps the way the file writes it.
        double shown;
    };

    void addGeometryPanel();
    void addPrintWhenPanel();
    void writeSourceType();

    QDomElement m_element;
    QVBoxLayout* m_layout;
    QComboBox* m_sourceType = nullptr;
    QLineEdit* m_printWhen = nullptr;
    QLineEdit* m_pageBreak = nullptr;
    QVector<Length> m_lengths;
};
