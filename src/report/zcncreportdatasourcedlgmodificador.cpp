#include "zcncreportdatasourcedlgmodificador.h"

#include "zcncreportdatasourcecontrol.h"
#include "zcncreportdesigner.h"

#include <QDataWidgetMapper>
#include <QGridLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

ZCNCReportDataSourceDlgModificador::ZCNCReportDataSourceDlgModificador(ZCNCReportDesigner* designer, QWidget* dialog)
    : ZCNCReportDlgModificador(designer, dialog)
    , m_mapper(dialog->findChild<QDataWidgetMapper*>())
{
    static const char* const engineFields[] = {"modelID",   "wParentDataSource", "wItemModelSpec",
                                               "label_13",  "lblParentID",       "label_22",
                                               "label_24",  "spPKColIndex",      "cbUseModelAppearance"};
    for (const char* name : engineFields) {
        if (auto* widget = dialog->findChild<QWidget*>(QLatin1String(name)))
            widget->hide();
    }
    if (!designer)
        return;
    m_control = designer->CreateDatasourceControl(nullptr);
    if (!m_control)
        return;
    if (auto* grid = dialog->findChild<QGridLayout*>(QStringLiteral("gridLayout_5")))
        grid->addWidget(m_control, 0, 1, 1, 2);
    else
        m_control->setParent(dialog);
    connect(m_control, &ZCNCReportDatasourceControl::contenidoChanged, this,
            &ZCNCReportDataSourceDlgModificador::onContenidoChanged);
    if (m_mapper) {
        connect(m_mapper, &QDataWidgetMapper::currentIndexChanged, this,
                &ZCNCReportDataSourceDlgModificador::onMapperCurrentIndexChanged);
        onMapperCurrentIndexChanged(m_mapper->currentIndex());
    }
}

ZCNCReportDataSourceDlgModificador::~ZCNCReportDataSourceDlgModificador() = default;

ZCNCReportDatasourceControl* ZCNCReportDataSourceDlgModificador::control() const
{
    return m_control;
}

QString ZCNCReportDataSourceDlgModificador::text(const char* widgetName) const
{
    const QWidget* widget = m_dialog->findChild<QWidget*>(QLatin1String(widgetName));
    if (const auto* lineEdit = qobject_cast<const QLineEdit*>(widget))
        return lineEdit->text();
    if (const auto* plainText = qobject_cast<const QPlainTextEdit*>(widget))
        return plainText->toPlainText();
    return QString();
}

void ZCNCReportDataSourceDlgModificador::writeMapped(const char* widgetName, const QString& value)
{
    const QModelIndex index = mappedIndex(m_mapper, m_dialog->findChild<QWidget*>(QLatin1String(widgetName)));
    if (index.isValid())
        m_mapper->model()->setData(index, value);
}

void ZCNCReportDataSourceDlgModificador::onContenidoChanged(QString szTablaProceso, QString szPadre)
{
    if (!m_mapper || !m_mapper->model())
        return;
    writeMapped("modelID", szTablaProceso);
    writeMapped("wItemModelSpec", szPadre.isEmpty() ? QString() : QStringLiteral("$D{") + szPadre + QStringLiteral(".dwDir}"));
    writeMapped("wParentDataSource", szPadre);
}

void ZCNCReportDataSourceDlgModificador::onMapperCurrentIndexChanged(int)
{
    if (!m_control)
        return;
    const QString relation = m_designer ? m_designer->GetCurrentItemModelIdRelacionEnEdicion() : QString();
    QString parent = text("wItemModelSpec");
    parent.remove(QLatin1String("$D{")).remove(QLatin1String(".dwDir}"));
    m_control->SetContenido(text("modelID"), relation, parent);
}
