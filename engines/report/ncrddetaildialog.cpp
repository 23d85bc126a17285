#include "ncrddetaildialog.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLineEdit>

namespace {

const QString dataSourceAttribute = QStringLiteral("dataSource");

} // namespace

NCRDDetailDialog::NCRDDetailDialog(const QDomElement& element, QWidget* parent)
    : NCRDPropertyDialog(element, tr("Detail properties"), parent)
    , m_id(createLineEdit("wDetailId", element.attribute(QStringLiteral("id"))))
    , m_dataSource(new QComboBox(this))
{
    setObjectName(QStringLiteral("NCRDDetailDialog"));
    m_dataSource->setObjectName(QStringLiteral("comboDataSource"));
    const QDomElement dataSources =
        element.ownerDocument().documentElement().firstChildElement(QStringLiteral("datasources"));
    for (QDomElement e = dataSources.firstChildElement(QStringLiteral("datasource")); !e.isNull();
         e = e.nextSiblingElement(QStringLiteral("datasource")))
        m_dataSource->addItem(e.attribute(QStringLiteral("id")));
    m_dataSource->setCurrentText(element.attribute(dataSourceAttribute));
    QGridLayout* grid = addForm("layDetail");
    addRow(grid, 0, tr("Id:"), m_id);
    addRow(grid, 1, tr("Data source:"), m_dataSource);
    addRow(grid, 2, tr("Height:"), createLengthBox("spHeight", element, QStringLiteral("height"), 0));
    addPageBreakRow();
    addButtons();
}

NCRDDetailDialog::~NCRDDetailDialog() = default;

void NCRDDetailDialog::writeProperties()
{
    element().setAttribute(QStringLiteral("id"), m_id->text().trimmed());
    if (!m_dataSource->currentText().isEmpty())
        element().setAttribute(dataSourceAttribute, m_dataSource->currentText());
}
