#include "ncrdpropertydialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <iterator>

namespace {

// The report file's names of NCReportItem::SourceType, in its order.
const char* const sourceNames[] = {"static", "datasource", "parameter", "variable", "template"};

const QString sourceAttribute = QStringLiteral("source");
const QString printWhenAttribute = QStringLiteral("printWhen");
const QString pageBreakAttribute = QStringLiteral("pageBreak");

// What the engine reads when an item names no source: fields and barcodes are templates.
QString defaultSource(const QDomElement& item)
{
    const QString tag = item.tagName();
    return tag == QLatin1String("field") || tag == QLatin1String("barcode") ? QStringLiteral("template")
                                                                              : QStringLiteral("static");
}

int sourceIndex(const QDomElement& item)
{
    const QString name = item.attribute(sourceAttribute, defaultSource(item));
    for (int i = 0; i < int(std::size(sourceNames)); ++i) {
        if (name == QLatin1String(sourceNames[i]))
            return i;
    }
    return int(std::size(sourceNames)) - 1;
}

} // namespace

NCRDPropertyDialog::NCRDPropertyDialog(const QDomElement& element, const QString& title, QWidget* parent)
    : QDialog(parent)
    , m_element(element)
    , m_layout(new QVBoxLayout(this))
{
    setWindowTitle(title);
    m_layout->setObjectName(QStringLiteral("verticalLayout"));
}

NCRDPropertyDialog::~NCRDPropertyDialog() = default;

QGridLayout* NCRDPropertyDialog::addForm(const char* layoutName)
{
    auto* form = new QWidget(this);
    auto* grid = new QGridLayout(form);
    grid->setObjectName(QLatin1String(layoutName));
    grid->setContentsMargins(0, 0, 0, 0);
    m_layout->addWidget(form);
    return grid;
}

void NCRDPropertyDialog::addRow(QGridLayout* grid, int row, const QString& label, QWidget* field)
{
    auto* buddy = new QLabel(label, grid->parentWidget());
    buddy->setBuddy(field);
    field->setParent(grid->parentWidget());
    grid->addWidget(buddy, row, 0);
    grid->addWidget(field, row, 1);
}

QLineEdit* NCRDPropertyDialog::createLineEdit(const char* name, const QString& text)
{
    auto* lineEdit = new QLineEdit(text, this);
    lineEdit->setObjectName(QLatin1String(name));
    return lineEdit;
}

QComboBox* NCRDPropertyDialog::createSourceTypeCombo()
{
    m_sourceType = new QComboBox(this);
    m_sourceType->setObjectName(QStringLiteral("comboSourceType"));
    m_sourceType->addItems({tr("Static text"), tr("Data source"), tr("Parameter"), tr("Variable"), tr("Template")});
    m_sourceType->setCurrentIndex(sourceIndex(m_element));
    return m_sourceType;
}

QGridLayout* NCRDPropertyDialog::addSourceForm(const char* layoutName)
{
    QGridLayout* grid = addForm(layoutName);
    addRow(grid, 0, tr("Source type:"), createSourceTypeCombo());
    return grid;
}

QDoubleSpinBox* NCRDPropertyDialog::createLengthBox(const char* name, const QDomElement& element,
                                                    const QString& attribute, qreal minimum)
{
    auto* box = new QDoubleSpinBox(this);
    box->setObjectName(QLatin1String(name));
    // The engine's limit: far beyond any paper.
    box->setRange(minimum, 10000);
    box->setDecimals(2);
    box->setSuffix(tr(" mm"));
    box->setValue(element.attribute(attribute).toDouble());
    m_lengths.append({element, attribute, box, box->value()});
    return box;
}

void NCRDPropertyDialog::addItemPanels()
{
    addGeometryPanel();
    addPrintWhenPanel();
    addButtons();
}

void NCRDPropertyDialog::addGeometryPanel()
{
    QGridLayout* grid = addForm("layGeometry");
    grid->parentWidget()->setObjectName(QStringLiteral("geometryPanel"));
    const bool isLine = m_element.tagName() == QLatin1String("line");
    const struct {
        const char* name;
        const char* attribute;
        const char* lineAttribute;
        bool isSize;
    } fields[] = {{"spX", "x", "x1", false},
                  {"spY", "y", "y1", false},
                  {"spWidth", "width", "x2", true},
                  {"spHeight", "height", "y2", true}};
    const QString labels[] = {isLine ? tr("X1:") : tr("X:"), isLine ? tr("Y1:") : tr("Y:"),
                              isLine ? tr("X2:") : tr("Width:"), isLine ? tr("Y2:") : tr("Height:")};
    for (int i = 0; i < int(std::size(fields)); ++i) {
        const QString attribute = QLatin1String(isLine ? fields[i].lineAttribute : fields[i].attribute);
        const qreal minimum = fields[i].isSize && !isLine ? 0 : -10000;
        QDoubleSpinBox* box = createLengthBox(fields[i].name, m_element, attribute, minimum);
        // Two pairs side by side: position, then size.
        auto* label = new QLabel(labels[i], grid->parentWidget());
        label->setBuddy(box);
        box->setParent(grid->parentWidget());
        grid->addWidget(label, i % 2, (i / 2) * 2);
        grid->addWidget(box, i % 2, (i / 2) * 2 + 1);
    }
}

void NCRDPropertyDialog::addPrintWhenPanel()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("printWhenPanel"));
    auto* grid = new QGridLayout(panel);
    grid->setObjectName(QStringLiteral("gridLayout_3"));
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(tr("Print when:"), panel), 0, 0);
    m_printWhen = createLineEdit("printWhen", m_element.attribute(printWhenAttribute));
    m_printWhen->setParent(panel);
    m_printWhen->setPlaceholderText(tr("Always"));
    grid->addWidget(m_printWhen, 1, 0);
    m_layout->addWidget(panel);
}

void NCRDPropertyDialog::addButtons()
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_layout->addStretch();
    m_layout->addWidget(buttons);
}

void NCRDPropertyDialog::addPageBreakRow()
{
    auto* row = new QHBoxLayout;
    row->setObjectName(QStringLiteral("layPbreak"));
    m_pageBreak = createLineEdit("pageBreakCond", m_element.attribute(pageBreakAttribute));
    m_pageBreak->setPlaceholderText(tr("Never"));
    auto* label = new QLabel(tr("New page when:"), this);
    label->setBuddy(m_pageBreak);
    row->addWidget(label);
    row->addWidget(m_pageBreak, 1);
    m_layout->addLayout(row);
}

void NCRDPropertyDialog::setElementText(const QString& text)
{
    QDomNode child;
    while (!(child = m_element.firstChild()).isNull())
        m_element.removeChild(child);
    if (!text.isEmpty())
        m_element.appendChild(m_element.ownerDocument().createTextNode(text));
}

void NCRDPropertyDialog::setOptionalAttribute(const QString& name, const QString& value)
{
    if (value.isEmpty())
        m_element.removeAttribute(name);
    else
        m_element.setAttribute(name, value);
}

void NCRDPropertyDialog::writeSourceType()
{
    const QString name = QLatin1String(sourceNames[m_sourceType->currentIndex()]);
    // The default stays implicit, so that an untouched item is saved as it was read.
    if (m_element.hasAttribute(sourceAttribute) || name != defaultSource(m_element))
        m_element.setAttribute(sourceAttribute, name);
}

void NCRDPropertyDialog::accept()
{
    for (const Length& length : qAsConst(m_lengths)) {
        QDomElement element = length.element;
        if (length.box->value() != length.shown)
            element.setAttribute(length.attribute, QString::number(length.box->value()));
    }
    writeProperties();
    if (m_sourceType)
        writeSourceType();
    if (m_printWhen)
        setOptionalAttribute(printWhenAttribute, m_printWhen->text().trimmed());
    if (m_pageBreak)
        setOptionalAttribute(pageBreakAttribute, m_pageBreak->text().trimmed());
    QDialog::accept();
}
