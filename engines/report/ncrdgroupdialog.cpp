#include "ncrdgroupdialog.h"

#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLineEdit>

NCRDGroupDialog::NCRDGroupDialog(const QDomElement& element, QWidget* parent)
    : NCRDPropertyDialog(element, tr("Group properties"), parent)
    , m_id(createLineEdit("wGroupId", element.attribute(QStringLiteral("id"))))
    , m_expression(createLineEdit("wGroupExp", element.attribute(QStringLiteral("expression"))))
    , m_header(band(QStringLiteral("header")))
    , m_footer(band(QStringLiteral("footer")))
{
    setObjectName(QStringLiteral("NCRDGroupDialog"));
    const QString height = QStringLiteral("height");
    QGridLayout* grid = addForm("layGroupProp");
    addRow(grid, 0, tr("Id:"), m_id);
    addRow(grid, 1, tr("Expression:"), m_expression);
    addRow(grid, 2, tr("Header height:"), createLengthBox("spHeaderHeight", m_header, height, 0));
    addRow(grid, 3, tr("Footer height:"), createLengthBox("spFooterHeight", m_footer, height, 0));
    addPageBreakRow();
    addButtons();
}

NCRDGroupDialog::~NCRDGroupDialog() = default;

QDomElement NCRDGroupDialog::band(const QString& tag) const
{
    const QDomElement existing = element().firstChildElement(tag);
    return existing.isNull() ? element().ownerDocument().createElement(tag) : existing;
}

void NCRDGroupDialog::writeProperties()
{
    element().setAttribute(QStringLiteral("id"), m_id->text().trimmed());
    element().setAttribute(QStringLiteral("expression"), m_expression->text().trimmed());
    for (const QDomElement& band : {m_header, m_footer}) {
        if (band.parentNode().isNull() && band.attribute(QStringLiteral("height")).toDouble() > 0)
            element().appendChild(band);
    }
}
