#include "zcncreportfieldpropdlgmodificador.h"

#include "zcncreportdesigner.h"
#include "zcncreportfieldeditcontrol.h"
#include "zcncreportplacement_p.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QDataWidgetMapper>
#include <QGridLayout>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QTextEdit>

namespace {

// The engine's source types a formula editor serves; 10 turns the editor's setting on.
constexpr int dataSourceType = 1;
constexpr int dataSourceSettingType = 10;

} // namespace

ZCNCReportFieldPropDlgModificador::ZCNCReportFieldPropDlgModificador(ZCNCReportDesigner* designer, QWidget* dialog,
                                                                     QDataWidgetMapper* mapper)
    : ZCNCReportDlgModificador(designer, dialog)
    , m_mapper(mapper)
{
    if (m_mapper)
        connect(m_mapper, &QDataWidgetMapper::currentIndexChanged, this,
                &ZCNCReportFieldPropDlgModificador::onMapperCurrentIndexChanged);
    addPrintWhenControl();
}

ZCNCReportFieldPropDlgModificador::~ZCNCReportFieldPropDlgModificador() = default;

void ZCNCReportFieldPropDlgModificador::addPrintWhenControl()
{
    auto* panel = m_dialog->findChild<QWidget*>(QStringLiteral("printWhenPanel"));
    auto* lineEdit = panel ? panel->findChild<QLineEdit*>(QStringLiteral("printWhen")) : nullptr;
    auto* grid = panel ? panel->findChild<QGridLayout*>(QStringLiteral("gridLayout_3")) : nullptr;
    if (!lineEdit || !grid)
        return;
    ZCNCReportFieldEditControl* control = CambiaLineEditPorFormula(lineEdit->objectName(), true, QString());
    if (control && !placeBeside(grid, lineEdit, control))
        delete control;
}

ZCNCReportFieldEditControl* ZCNCReportFieldPropDlgModificador::createControl(const QString& name, bool wrap,
                                                                            const QString& vacio)
{
    if (!m_designer)
        return nullptr;
    ZCNCReportFieldEditControl* control = m_designer->CreateFieldEditControl(wrap, nullptr, nullptr);
    if (!control)
        return nullptr;
    // Owned by the dialog until the caller places it.
    control->setParent(m_dialog);
    if (!vacio.isEmpty())
        control->AddDataSourceVacio(vacio);
    m_controls.insert(name, control);
    return control;
}

ZCNCReportFieldEditControl* ZCNCReportFieldPropDlgModificador::CambiaLineEditPorFormula(const QString& name, bool wrap,
                                                                                        const QString& vacio)
{
    auto* lineEdit = m_dialog->findChild<QLineEdit*>(name);
    ZCNCReportFieldEditControl* control = lineEdit ? createControl(name, wrap, vacio) : nullptr;
    if (!control)
        return nullptr;
    control->SetText(lineEdit->text());
    if (m_mapper) {
        connect(control, &ZCNCReportFieldEditControl::textEdited, this, &ZCNCReportFieldPropDlgModificador::onTextEdited);
    } else {
        connect(control, &ZCNCReportFieldEditControl::textEdited, lineEdit, &QLineEdit::setText);
        connect(lineEdit, &QLineEdit::textChanged, control, &ZCNCReportFieldEditControl::SetText);
    }
    return control;
}

ZCNCReportFieldEditControl* ZCNCReportFieldPropDlgModificador::CambiaTextEditPorFormula(const QString& name, bool wrap,
                                                                                        const QString& vacio)
{
    auto* textEdit = m_dialog->findChild<QTextEdit*>(name);
    ZCNCReportFieldEditControl* control = textEdit ? createControl(name, wrap, vacio) : nullptr;
    if (!control)
        return nullptr;
    control->SetText(textEdit->toPlainText());
    connect(control, &ZCNCReportFieldEditControl::textEdited, textEdit, &QTextEdit::setPlainText);
    connect(textEdit, &QTextEdit::textChanged, control, [control, textEdit] { control->SetText(textEdit->toPlainText()); });
    return control;
}

void ZCNCReportFieldPropDlgModificador::SetComboSourceType(const QString& comboName, ZCNCReportFieldEditControl* control,
                                                           QWidget* where)
{
    m_sourceTypeControl = control;
    auto* combo = (where ? where : m_dialog)->findChild<QComboBox*>(comboName);
    if (!combo)
        return;
    connect(combo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &ZCNCReportFieldPropDlgModificador::onSourceTypeChanged);
    onSourceTypeChanged(combo->currentIndex());
}

void ZCNCReportFieldPropDlgModificador::onSourceTypeChanged(int nIndex)
{
    const auto apply = [nIndex](ZCNCReportFieldEditControl* control) {
        const bool serves = nIndex == dataSourceType || nIndex == dataSourceSettingType;
        const bool shown = serves && control->dataSourceCombo()->count() > 0;
        control->setVisible(shown);
        if (shown)
            control->SetBoolSetting(nIndex == dataSourceSettingType);
    };
    if (m_sourceTypeControl) {
        apply(m_sourceTypeControl);
        return;
    }
    for (ZCNCReportFieldEditControl* control : qAsConst(m_controls)) {
        if (control)
            apply(control);
    }
}

void ZCNCReportFieldPropDlgModificador::onTextEdited(QString szText)
{
    QAbstractItemModel* model = m_mapper ? m_mapper->model() : nullptr;
    auto* control = qobject_cast<ZCNCReportFieldEditControl*>(sender());
    if (m_busy || !model || !control)
        return;
    const QModelIndex index = mappedIndex(m_mapper, m_dialog->findChild<QWidget*>(m_controls.key(control)));
    if (index.isValid())
        model->setData(index, szText);
}

void ZCNCReportFieldPropDlgModificador::onMapperCurrentIndexChanged(int)
{
    if (!m_mapper || !m_mapper->model())
        return;
    const QScopedValueRollback<bool> busy(m_busy, true);
    for (auto it = m_controls.cbegin(); it != m_controls.cend(); ++it) {
        const auto* lineEdit = m_dialog->findChild<QLineEdit*>(it.key());
        if (it.value() && lineEdit)
            it.value()->SetText(lineEdit->text());
    }
}
