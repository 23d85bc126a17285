#include "ncrdgraphpropdialog.h"

#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLineEdit>

namespace {

const QString lineWidthAttribute = QStringLiteral("lineWidth");
const QString colorAttribute = QStringLiteral("color");
const QString fillAttribute = QStringLiteral("fill");

} // namespace

NCRDGraphPropDialog::NCRDGraphPropDialog(const QDomElement& element, QWidget* parent)
    : NCRDPropertyDialog(element, tr("Graphic properties"), parent)
    , m_lineWidth(new QDoubleSpinBox(this))
    , m_color(createLineEdit("wColor", element.attribute(colorAttribute)))
{
    setObjectName(QStringLiteral("NCRDGraphPropDialog"));
    m_lineWidth->setObjectName(QStringLiteral("spLineWidth"));
    m_lineWidth->setRange(0, 100);
    m_lineWidth->setDecimals(2);
    m_lineWidth->setSuffix(tr(" mm"));
    m_lineWidth->setSpecialValueText(tr("Thinnest"));
    m_lineWidth->setValue(element.attribute(lineWidthAttribute).toDouble());
    m_color->setPlaceholderText(tr("black"));
    QGridLayout* grid = addForm("layGraph");
    addRow(grid, 0, tr("Line width:"), m_lineWidth);
    addRow(grid, 1, tr("Colour:"), m_color);
    if (element.tagName() == QLatin1String("rectangle")) {
        m_fill = createLineEdit("wFill", element.attribute(fillAttribute));
        m_fill->setPlaceholderText(tr("None"));
        addRow(grid, 2, tr("Fill:"), m_fill);
    }
    addItemPanels();
}

NCRDGraphPropDialog::~NCRDGraphPropDialog() = default;

void NCRDGraphPropDialog::writeProperties()
{
    setOptionalAttribute(lineWidthAttribute, m_lineWidth->value() > 0 ? QString::number(m_lineWidth->value()) : QString());
    setOptionalAttribute(colorAttribute, m_color->text().trimmed());
    if (m_fill)
        setOptionalAttribute(fillAttribute, m_fill->text().trimmed());
}
