#include "ncrdpropertypanel.h"


#include "ncrdcanvas.h"
#include "ncrddocument.h"
#include "ncreportdatasource.h"
#include "ncreportdef.h"

#include <QCompleter>
#include <QGraphicsScene>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The element's text, which the engine reads as an item's text (an image's file is an attribute).
const QString textProperty = QStringLiteral("#text");

// The properties of each kind of element, in the order they are shown.
QStringList propertiesOf(const QString& tag)
{
    const QStringList box{QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("width"), QStringLiteral("height")};
    const QStringList font{QStringLiteral("fontFamily"), QStringLiteral("fontSize"), QStringLiteral("bold"),
                           QStringLiteral("italic"),     QStringLiteral("align"),    QStringLiteral("color")};
    const QString printWhen = QStringLiteral("printWhen");
    if (tag == QLatin1String("label"))
        return box + QStringList{textProperty} + font + QStringList{printWhen};
    if (tag == QLatin1String("field"))
        return box + QStringList{textProperty, QStringLiteral("source")} + font
             + QStringList{QStringLiteral("format"), QStringLiteral("decimals"), QStringLiteral("dateFormat"), printWhen};
    if (tag == QLatin1String("line"))
        return {QStringLiteral("x1"), QStringLiteral("y1"), QStringLiteral("x2"), QStringLiteral("y2"),
                QStringLiteral("color"), QStringLiteral("lineWidth"), printWhen};
    if (tag == QLatin1String("rectangle"))
        return box + QStringList{QStringLiteral("color"), QStringLiteral("lineWidth"), QStringLiteral("fill"), printWhen};
    if (tag == QLatin1String("image"))
        return box + QStringList{QStringLiteral("file"), printWhen};
    if (tag == QLatin1String("barcode"))
        return box + QStringList{textProperty, QStringLiteral("barcodeType"), QStringLiteral("color"), printWhen};
    if (tag == QLatin1String("report"))
        return {QStringLiteral("name"),       QStringLiteral("pageSize"),    QStringLiteral("orientation"),
                QStringLiteral("leftMargin"), QStringLiteral("topMargin"),   QStringLiteral("rightMargin"),
                QStringLiteral("bottomMargin"), QStringLiteral("locale")};
    if (tag == QLatin1String("detail"))
        return {QStringLiteral("id"), QStringLiteral("dataSource"), QStringLiteral("height"), QStringLiteral("sort"),
                QStringLiteral("pageBreak")};
    if (tag == QLatin1String("group"))
        return {QStringLiteral("id"), QStringLiteral("expression"), QStringLiteral("pageBreak")};
    return {QStringLiteral("height")};
}

QString valueOf(const QDomElement& element, const QString& attribute)
{
    return attribute == textProperty ? element.text() : element.attribute(attribute);
}

} // namespace

NCRDPropertyPanel::NCRDPropertyPanel(QWidget* parent)
    : QWidget(parent)
    , m_title(new QLabel(this))
    , m_fields(new QWidget(this))
    , m_form(new QFormLayout(m_fields))
{
    setObjectName(QStringLiteral("propertyPanel"));
    setAccessibleName(tr("Properties"));
    auto* layout = new QVBoxLayout(this);
    m_title->setObjectName(QStringLiteral("propertyTitle"));
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    layout->addWidget(m_title);
    layout->addWidget(m_fields);
    layout->addStretch(1);
}

NCRDPropertyPanel::~NCRDPropertyPanel() = default;

void NCRDPropertyPanel::setDocument(NCRDDocument* document)
{
    if (m_document == document)
        return;
    if (m_document) {
        disconnect(m_document, nullptr, this, nullptr);
        disconnect(m_document->canvas(), nullptr, this, nullptr);
        disconnect(m_document->undoStack(), nullptr, this, nullptr);
    }
    m_document = document;
    if (m_document) {
        connect(m_document, &NCRDDocument::currentElementChanged, this, &NCRDPropertyPanel::refresh);
        connect(m_document->canvas(), &QGraphicsScene::selectionChanged, this, &NCRDPropertyPanel::refresh);
        connect(m_document->undoStack(), &QUndoStack::indexChanged, this, &NCRDPropertyPanel::refresh);
    }
    refresh();
}

void NCRDPropertyPanel::refresh()
{
    // The document shows the edit being typed again: the fields stay as they are meanwhile.
    if (m_applying)
        return;
    if (!m_document) {
        showElements({});
        return;
    }
    QList<QDomElement> elements = m_document->canvas()->selectedElements();
    if (elements.isEmpty()) {
        const QDomElement current = m_document->currentElement();
        elements.append(current.isNull() ? m_document->xml().documentElement() : current);
    }
    showElements(elements);
}

void NCRDPropertyPanel::showElements(const QList<QDomElement>& elements)
{
    m_elements.clear();
    for (const QDomElement& element : elements) {
        if (!element.isNull())
            m_elements.append(element);
    }
    while (m_form->rowCount() > 0)
        m_form->removeRow(0);
    m_editors.clear();
    if (m_elements.isEmpty()) {
        m_title->clear();
        return;
    }
    // The properties all the elements have, in the first one's order.
    QStringList properties = propertiesOf(m_elements.first().tagName());
    for (const QDomElement& element : qAsConst(m_elements)) {
        const QStringList own = propertiesOf(element.tagName());
        properties.erase(std::remove_if(properties.begin(), properties.end(),
                                        [&](const QString& property) { return !own.contains(property); }),
                         properties.end());
    }
    const QString tag = m_elements.first().tagName();
    const QString id = m_elements.first().attribute(QStringLiteral("id"));
    m_title->setText(m_elements.size() > 1 ? tr("%1 items").arg(m_elements.size())
                                           : (id.isEmpty() ? tag : tag + QLatin1Char(' ') + id));
    for (const QString& property : qAsConst(properties)) {
        auto* editor = new QLineEdit(m_fields);
        editor->setObjectName(QStringLiteral("property_") + (property == textProperty ? QStringLiteral("text") : property));
        const QString label = property == textProperty ? tr("Text or expression") : property;
        editor->setAccessibleName(label);
        const QString first = valueOf(m_elements.first(), property);
        const bool same = std::all_of(m_elements.cbegin(), m_elements.cend(),
                                      [&](const QDomElement& element) { return valueOf(element, property) == first; });
        if (same)
            editor->setText(first);
        else
            editor->setPlaceholderText(tr("(several values)"));
        connect(editor, &QLineEdit::textEdited, this, [this, property](const QString& value) { apply(property, value); });
        m_form->addRow(label, editor);
        m_editors.insert(property, editor);
    }
    // A detail sorts by the columns of its data source: they are offered as it is typed.
    if (QLineEdit* sort = m_editors.value(QStringLiteral("sort"))) {
        const NCReportDef* def = m_document ? m_document->reportDef() : nullptr;
        NCReportDataSource* source = def ? def->dataSource(m_elements.first().attribute(QStringLiteral("dataSource"))) : nullptr;
        QStringList columns;
        for (int column = 0; source && column < source->columnCount(); ++column)
            columns.append(source->columnName(column));
        sort->setCompleter(new QCompleter(columns, sort));
    }
}

void NCRDPropertyPanel::apply(const QString& attribute, const QString& value)
{
    QLineEdit* editor = m_editors.value(attribute);
    if (!m_document || !editor)
        return;
    m_applying = true;
    const bool applied = m_document->setElementAttribute(m_elements, attribute, value);
    m_applying = false;
    // A value the engine refuses stays in the field, marked, until it is one it reads.
    editor->setStyleSheet(applied ? QString() : QStringLiteral("color: #c62828;"));
    editor->setToolTip(applied ? QString() : m_document->errorString());
}
