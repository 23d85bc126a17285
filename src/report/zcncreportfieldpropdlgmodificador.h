#pragma once

#include "zcncreportdlgmodificador.h"

#include <QMap>

class QDataWidgetMapper;
class ZCNCReportFieldEditControl;

/*!
    Puts the platform's formula editors beside or in place of the expression fields of one of
    the engine's property dialogs and keeps both texts in step. With a data widget mapper, what
    the formula editor says is written into the mapper's model at the current row (never while
    the mapper moves to another row); without one, the dialog's own field follows it.

    A formula editor is shown only for the source types it serves: 1 (data source, plain) and
    10 (data source, the editor's setting on), and only when it has data sources to offer.
*/
class MIROKIT_EXPORT ZCNCReportFieldPropDlgModificador : public ZCNCReportDlgModificador
{
    Q_OBJECT

public:
    // A dialog with a "printWhenPanel" gets a formula editor for its "printWhen" field at once.
    ZCNCReportFieldPropDlgModificador(ZCNCReportDesigner* designer, QWidget* dialog, QDataWidgetMapper* mapper);
    ~ZCNCReportFieldPropDlgModificador() override;

    // Each creates a formula editor for the dialog's field of that name and returns it for the
    // caller to place; null when the designer or the field is gone.
    ZCNCReportFieldEditControl* CambiaLineEditPorFormula(const QString& name, bool wrap, const QString& vacio);
    ZCNCReportFieldEditControl* CambiaTextEditPorFormula(const QString& name, bool wrap, const QString& vacio);
    // Shows and hides `control` (all editors when null) as the combo's source type changes.
    void SetComboSourceType(const QString& comboName, ZCNCReportFieldEditControl* control, QWidget* where);

protected slots:
    void onSourceTypeChanged(int nIndex);
    void onTextEdited(QString szText);
    void onMapperCurrentIndexChanged(int nIndex);

private:
    ZCNCReportFieldEditControl* createControl(const QString& name, bool wrap, const QString& vacio);
    void addPrintWhenControl();

    QMap<QString, QPointer<ZCNCReportFieldEditControl>> m_controls;
    QPointer<ZCNCReportFieldEditControl> m_sourceTypeControl;
    QPointer<QDataWidgetMapper> m_mapper;
    bool m_busy = false;
};
