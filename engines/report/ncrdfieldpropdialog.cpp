#include "ncrdfieldpropdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

// The report file's names of NCReportItem::SourceType, in its order.
const char* const sourceNames[] = {"static", "datasource", "parameter", "variable", "template"};

const QString sourceAttribute = QStringLiteral("source");
const QString printWhenAttribute = QStringLiteral("printWhen");

int sourceIndex(const QDomElement& item)
{
    const QString name = item.attribute(sourceAttribute, QStringLiteral("template"));
    for (int i = 0; i < int(std::size(sourceNames)); ++i) {
        if (name == QLatin1String(sourceNames[i]))
            return i;
    }
    return int(std::size(sourceNames)) - 1;
}

} // namespace

NCRDFieldPropDialog::NCRDFieldPropDialog(const QDomElement& item, QWidget* parent)
    : QDialog(parent)
    , m_item(item)
    , m_editor(new QTextEdit(this))
    , m_sourceType(new QComboBox(this))
    , m_printWhen(new QLineEdit(this))
{
    setObjectName(QStringLiteral("NCRDFieldPropDialog"));
    setWindowTitle(tr("Field properties"));
    auto* layout = new QVBoxLayout(this);
    layout->setObjectName(QStringLiteral("verticalLayout"));

    m_editor->setObjectName(QStringLiteral("editor"));
    m_editor->setAcceptRichText(false);
    m_editor->setPlainText(item.text());
    layout->addWidget(m_editor);

    m_sourceType->setObjectName(QStringLiteral("comboSourceType"));
    m_sourceType->addItems({tr("Static text"), tr("Data source"), tr("Parameter"), tr("Variable"), tr("Template")});
    m_sourceType->setCurrentIndex(sourceIndex(item));
    layout->addWidget(m_sourceType);

    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("printWhenPanel"));
    auto* grid = new QGridLayout(panel);
    grid->setObjectName(QStringLiteral("gridLayout_3"));
    grid->addWidget(new QLabel(tr("Print when:"), panel), 0, 0);
    m_printWhen->setObjectName(printWhenAttribute);
    m_printWhen->setParent(panel);
    m_printWhen->setText(item.attribute(printWhenAttribute));
    grid->addWidget(m_printWhen, 1, 0);
    layout->addWidget(panel);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

NCRDFieldPropDialog::~NCRDFieldPropDialog() = default;

void NCRDFieldPropDialog::accept()
{
    QDomNode child;
    while (!(child = m_item.firstChild()).isNull())
        m_item.removeChild(child);
    m_item.appendChild(m_item.ownerDocument().createTextNode(m_editor->toPlainText()));
    m_item.setAttribute(sourceAttribute, QLatin1String(sourceNames[m_sourceType->currentIndex()]));
    if (m_printWhen->text().isEmpty())
        m_item.removeAttribute(printWhenAttribute);
    else
        m_item.setAttribute(printWhenAttribute, m_printWhen->text());
    QDialog::accept();
}
