#pragma once

#include "ncreport_global.h"

#include <QDialog>
#include <QDomElement>

class QDataWidgetMapper;
class QStandardItemModel;

/*!
    The data sources of a report: one row per data source in a table model, edited through a
    data widget mapper (the row chosen in the list). Item-model sources are edited here: their
    item model id and their parent data source. Accepting writes the rows into the report's
    "datasources" element.

    The model's columns are fixed (Column); the children carry fixed object names ("dsID",
    "modelID", "wParentDataSource", "wItemModelSpec", "spPKColIndex", "cbUseModelAppearance",
    labels "label_13", "lblParentID", "label_22", "label_24", layout "gridLayout_5") by which
    adaptations find them. The dialog's own object name is "NCRDDataSourceDialogUI".
*/
class NCREPORT_EXPORT NCRDDataSourceDialog : public QDialog
{
    Q_OBJECT

public:
    enum Column {
        IdColumn = 0,
        TypeColumn = 1,
        ParentColumn = 15,
        ParentReferenceColumn = 16,
        ItemModelColumn = 17,
        KeyColumnColumn = 18,
        ModelAppearanceColumn = 19,
        ColumnCount
    };

    explicit NCRDDataSourceDialog(const QDomElement& dataSources, QWidget* parent = nullptr);
    ~NCRDDataSourceDialog() override;

    QStandardItemModel* model() const { return m_model; }
    QDataWidgetMapper* mapper() const { return m_mapper; }

    void accept() override;

private:
    QDomElement m_dataSources;
    QStandardItemModel* m_model;
    QDataWidgetMapper* m_mapper;
};
