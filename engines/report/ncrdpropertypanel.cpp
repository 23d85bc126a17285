#include "ncrdpropertypanel.h"

#include "ncrdcanvas.h"
#include "ncrddocument.h"
#include "ncrdreportxml.h"
#include "ncreportdatasource.h"
#include "ncreportdef.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGraphicsScene>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QSpinBox>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The element's text, which the engine reads as an item's text (an image's file is an attribute).
const QString textProperty = QStringLiteral("#text");
// A group's header and footer, present or not.
const QString headerProperty = QStringLiteral("#header");
const QString footerProperty = QStringLiteral("#footer");

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
        return {QStringLiteral("id"), QStringLiteral("expression"), QStringLiteral("pageBreak"), headerProperty, footerProperty};
    return {QStringLiteral("height")};
}

QString labelOf(const QString& property)
{
    static const QHash<QString, const char*> labels{
        {textProperty, QT_TRANSLATE_NOOP("NCRDPropertyPanel", "Text or expression")},
        {headerProperty, QT_TRANSLATE_NOOP("NCRDPropertyPanel", "Header")},
        {footerProperty, QT_TRANSLATE_NOOP("NCRDPropertyPanel", "Footer")},
        {QStringLiteral("x"), QT_TRANSLATE_NOOP("NCRDPropertyPanel", "X")},
        {QStringLiteral("y"), QT_TRANSLATE_NOOP("NCRDPropertyPanel", "Y")},
        {QStringLiteral("width"), QT_TRANSLATE_NOOP("NCRDPropertyPanel", "Width")},
        {QStringLiteral("height"), QT_TRANSLATE_NOOP("NCRDPropertyPanel", "Height")},
        {QStringLiteral("x1"), QT_TRANSLATE_NOOP("NCRDPropertyPanel", "Start x")},
        {QStringLiteral("y1"), QT_TRANSLATE_NOOP("NCRDPropertyPanel", "Start y")},
        {QStringLiteral("x2"), QT_TRANSLATE_NOOP("NCRDPropertyPanel", "End x")},
        {QStringLiteral("y2"), QT_TRANSLATE_NOOP("NCRDPropertyPanel", "End y")},
        {QStringLiteral("fontFamily"), QT_TRANSLATE_NOOP("NCRDPropertyPanel", "Font")},
        {QStringLiteral("fontSize"), QT_TRANSLATE_NOOP("NCRDPropertyPanel", "Font size")},
        {QStringLiteral("bold"), QT_TRANSLATE_NOOP("NCRDPropertyPanel", "Bold")},
        {QStringLiteral("italic"), QT_TRANSLATE_NOOP("NCRDPropertyPanel", "Italic")},
        {QStringLiteral("align"), QT_TRANSLATE_NOOP("NCRDPropertyPanel", "Alignment")},
        {QStringLiteral("color"), QT_TRANSLATE_NOOP("NCRDPropertyPanel", "Colour")},
        {QStringLiteral("fill"), QT_TRANSLATE_NOOP("NCRDPropertyPanel", "Fill")},
        {QStringLiteral("lineWidth"), QT_TRANSLATE_NOOP("NCRDPropertyPanel", "Line width")},
        {QStringLiteral("source"), QT_TRANSLATE_NOOP("NCRDPropertyPanel", "Source")},
        {QStringLiteral("format"), QT_TRANSLATE_NOOP("NCRDPropertyPanel", "Format")},
        {QStringLiteral("decimals"), QT_TRANSLATE_NOOP("NCRDPropertyPanel", "Decimals")},
        {QStringLiteral("dateFormat"), QT_TRANSLATE_NOOP("NCRDPropertyPanel", "Date format")},
        {QStringLiteral("printWhen"), QT_TRANSLATE_NOOP("NCRDPropertyPanel", "Print when")},
        {QStringLiteral("file"), QT_TRANSLATE_NOOP("NCRDPropertyPanel", "File")},
        {QStringLiteral("barcodeType"), QT_TRANSLATE_NOOP("NCRDPropertyPanel", "Barcode type")},
        {QStringLiteral("name"), QT_TRANSLATE_NOOP("NCRDPropertyPanel", "Name")},
        {QStringLiteral("pageSize"), QT_TRANSLATE_NOOP("NCRDPropertyPanel", "Page size")},
        {QStringLiteral("orientation"), QT_TRANSLATE_NOOP("NCRDPropertyPanel", "Orientation")},
        {QStringLiteral("leftMargin"), QT_TRANSLATE_NOOP("NCRDPropertyPanel", "Left margin")},
        {QStringLiteral("topMargin"), QT_TRANSLATE_NOOP("NCRDPropertyPanel", "Top margin")},
        {QStringLiteral("rightMargin"), QT_TRANSLATE_NOOP("NCRDPropertyPanel", "Right margin")},
        {QStringLiteral("bottomMargin"), QT_TRANSLATE_NOOP("NCRDPropertyPanel", "Bottom margin")},
        {QStringLiteral("locale"), QT_TRANSLATE_NOOP("NCRDPropertyPanel", "Locale")},
        {QStringLiteral("id"), QT_TRANSLATE_NOOP("NCRDPropertyPanel", "Id")},
        {QStringLiteral("dataSource"), QT_TRANSLATE_NOOP("NCRDPropertyPanel", "Data source")},
        {QStringLiteral("sort"), QT_TRANSLATE_NOOP("NCRDPropertyPanel", "Sort")},
        {QStringLiteral("pageBreak"), QT_TRANSLATE_NOOP("NCRDPropertyPanel", "Page break when")},
        {QStringLiteral("expression"), QT_TRANSLATE_NOOP("NCRDPropertyPanel", "Expression")}};
    const char* label = labels.value(property);
    return label ? NCRDPropertyPanel::tr(label) : property;
}

enum class Kind { Text, Millimetres, Points, Integer, Flag, Colour, FontFamily, Alignment, Choice, Section };

Kind kindOf(const QString& property)
{
    static const QHash<QString, Kind> kinds{
        {QStringLiteral("x"), Kind::Millimetres},          {QStringLiteral("y"), Kind::Millimetres},
        {QStringLiteral("width"), Kind::Millimetres},      {QStringLiteral("height"), Kind::Millimetres},
        {QStringLiteral("x1"), Kind::Millimetres},         {QStringLiteral("y1"), Kind::Millimetres},
        {QStringLiteral("x2"), Kind::Millimetres},         {QStringLiteral("y2"), Kind::Millimetres},
        {QStringLiteral("lineWidth"), Kind::Millimetres},  {QStringLiteral("leftMargin"), Kind::Millimetres},
        {QStringLiteral("topMargin"), Kind::Millimetres},  {QStringLiteral("rightMargin"), Kind::Millimetres},
        {QStringLiteral("bottomMargin"), Kind::Millimetres}, {QStringLiteral("fontSize"), Kind::Points},
        {QStringLiteral("decimals"), Kind::Integer},       {QStringLiteral("barcodeType"), Kind::Integer},
        {QStringLiteral("bold"), Kind::Flag},              {QStringLiteral("italic"), Kind::Flag},
        {QStringLiteral("color"), Kind::Colour},           {QStringLiteral("fill"), Kind::Colour},
        {QStringLiteral("fontFamily"), Kind::FontFamily},  {QStringLiteral("align"), Kind::Alignment},
        {QStringLiteral("pageSize"), Kind::Choice},        {QStringLiteral("orientation"), Kind::Choice},
        {QStringLiteral("format"), Kind::Choice},          {QStringLiteral("source"), Kind::Choice},
        {QStringLiteral("dataSource"), Kind::Choice},      {headerProperty, Kind::Section},
        {footerProperty, Kind::Section}};
    return kinds.value(property, Kind::Text);
}

QString valueOf(const QDomElement& element, const QString& property)
{
    if (property == textProperty)
        return element.text();
    if (property == headerProperty || property == footerProperty)
        return element.firstChildElement(property.mid(1)).isNull() ? QString() : QStringLiteral("true");
    return element.attribute(property);
}

// A number as the report files write it: "10", "10.5".
QString numberText(double value)
{
    return QString::number(value, 'g', 12);
}

// The entries of a list: what it shows and the value written, the first "" when the property
// may be left unset.
QVector<QPair<QString, QString>> choicesOf(const QString& property, const QStringList& dataSources)
{
    using Choice = QPair<QString, QString>;
    const auto same = [](const QStringList& values) {
        QVector<Choice> choices;
        for (const QString& value : values)
            choices.append({value, value});
        return choices;
    };
    if (property == QLatin1String("pageSize"))
        return same({QStringLiteral("A3"), QStringLiteral("A4"), QStringLiteral("A5"), QStringLiteral("Letter"),
                     QStringLiteral("Legal")});
    if (property == QLatin1String("orientation"))
        return {{NCRDPropertyPanel::tr("Portrait"), QStringLiteral("portrait")},
                {NCRDPropertyPanel::tr("Landscape"), QStringLiteral("landscape")}};
    if (property == QLatin1String("format"))
        return QVector<Choice>{{NCRDPropertyPanel::tr("(as it comes)"), QString()}}
             + same({QStringLiteral("text"), QStringLiteral("number"), QStringLiteral("currency"), QStringLiteral("date"),
                     QStringLiteral("datetime")});
    if (property == QLatin1String("source"))
        return QVector<Choice>{{NCRDPropertyPanel::tr("(by kind)"), QString()}}
             + same({QStringLiteral("static"), QStringLiteral("datasource"), QStringLiteral("parameter"),
                     QStringLiteral("variable"), QStringLiteral("template")});
    return same(dataSources);
}

// What an unset property means, where the engine has a default worth showing.
QString defaultOf(const QString& property)
{
    if (property == QLatin1String("pageSize"))
        return QStringLiteral("A4");
    if (property == QLatin1String("orientation"))
        return QStringLiteral("portrait");
    return QString();
}

QIcon colourSwatch(const QColor& colour)
{
    QPixmap swatch(16, 16);
    swatch.fill(colour);
    QPainter painter(&swatch);
    painter.setPen(Qt::gray);
    painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    return QIcon(swatch);
}

QComboBox* colourList(QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    static const char* const colours[] = {"black", "dimgray", "gray", "silver", "white", "maroon", "red",
                                          "orange", "gold", "olive", "green", "teal", "navy", "blue", "purple"};
    for (const char* name : colours)
        list->addItem(colourSwatch(QColor(QLatin1String(name))), QLatin1String(name), QLatin1String(name));
    return list;
}

const char* const horizontalWords[] = {"left", "center", "right"};
const char* const verticalWords[] = {"top", "vcenter", "bottom"};

// The horizontal (0) or vertical (1) word of an "align" value, the engine's default when it has none.
QString alignmentWord(const QString& align, int axis)
{
    const QStringList parts = align.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const auto& words = axis == 0 ? horizontalWords : verticalWords;
    for (const char* word : words) {
        if (parts.contains(QLatin1String(word)))
            return QLatin1String(word);
    }
    return QLatin1String(axis == 0 ? "left" : "vcenter");
}

// Selects the entry whose value is `value`, adding it when the list has none (a value of a newer
// engine is shown, not lost); -1 for several values.
void selectValue(QComboBox* list, const QString& value, bool same)
{
    if (!same) {
        list->setCurrentIndex(-1);
        return;
    }
    int index = list->findData(value);
    if (index < 0) {
        list->addItem(value, value);
        index = list->count() - 1;
    }
    list->setCurrentIndex(index);
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
    // The document shows the edit being made again: the editors stay as they are meanwhile.
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
    m_title->setText(m_elements.size() > 1 ? tr("%1 items").arg(m_elements.size())
                                           : NCRDReportXml::withId(m_elements.first().tagName(), m_elements.first()));
    for (const QString& property : qAsConst(properties)) {
        QWidget* editor = createEditor(property);
        m_form->addRow(labelOf(property), editor);
        m_editors.insert(property, editor);
    }
}

QWidget* NCRDPropertyPanel::createEditor(const QString& property)
{
    const QString first = valueOf(m_elements.first(), property);
    const bool same = std::all_of(m_elements.cbegin(), m_elements.cend(),
                                  [&](const QDomElement& element) { return valueOf(element, property) == first; });
    const auto applyValue = [this, property](const QString& value) { apply(property, value); };
    QWidget* editor = nullptr;
    // Each editor is filled before it is connected: only what the user changes applies.
    switch (kindOf(property)) {
    case Kind::Millimetres:
    case Kind::Points: {
        auto* box = new QDoubleSpinBox(m_fields);
        const bool points = kindOf(property) == Kind::Points;
        // Positions may lie outside the band; sizes, margins and widths cannot be negative.
        const bool position = property.startsWith(QLatin1Char('x')) || property.startsWith(QLatin1Char('y'));
        box->setRange(points ? 0.5 : (position ? -1000 : 0), 1000);
        box->setDecimals(2);
        box->setSuffix(points ? tr(" pt") : tr(" mm"));
        box->setValue(first.toDouble());
        // Blank: unset, or different in the items shown.
        if (!same || first.isEmpty())
            box->clear();
        connect(box, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
                [applyValue](double value) { applyValue(numberText(value)); });
        editor = box;
        break;
    }
    case Kind::Integer: {
        auto* box = new QSpinBox(m_fields);
        box->setRange(0, property == QLatin1String("decimals") ? 15 : 99);
        box->setValue(first.toInt());
        if (!same || first.isEmpty())
            box->clear();
        connect(box, QOverload<int>::of(&QSpinBox::valueChanged), this,
                [applyValue](int value) { applyValue(QString::number(value)); });
        editor = box;
        break;
    }
    case Kind::Flag:
    case Kind::Section: {
        auto* box = new QCheckBox(m_fields);
        if (same) {
            box->setChecked(first == QLatin1String("true"));
        } else {
            box->setTristate(true);
            box->setCheckState(Qt::PartiallyChecked);
        }
        if (kindOf(property) == Kind::Section) {
            connect(box, &QCheckBox::toggled, this,
                    [this, property](bool checked) { setSectionPresent(property.mid(1), checked); });
        } else {
            // An unticked flag is left out, as the engine reads no flag as false.
            connect(box, &QCheckBox::clicked, this, [box, applyValue](bool checked) {
                box->setTristate(false);
                applyValue(checked ? QStringLiteral("true") : QString());
            });
        }
        editor = box;
        break;
    }
    case Kind::Colour:
    case Kind::FontFamily: {
        QComboBox* list = kindOf(property) == Kind::Colour ? colourList(m_fields) : new QFontComboBox(m_fields);
        list->setEditable(true);
        list->setInsertPolicy(QComboBox::NoInsert);
        list->setCurrentIndex(-1);
        list->setEditText(same ? first : QString());
        if (!same)
            list->lineEdit()->setPlaceholderText(tr("(several values)"));
        // Typed (any colour name or #rrggbb, any family) or picked from the list.
        connect(list->lineEdit(), &QLineEdit::textEdited, this, applyValue);
        connect(list, QOverload<int>::of(&QComboBox::activated), this,
                [list, applyValue](int index) { applyValue(list->itemText(index)); });
        editor = list;
        break;
    }
    case Kind::Alignment: {
        auto* both = new QWidget(m_fields);
        auto* layout = new QHBoxLayout(both);
        layout->setContentsMargins(0, 0, 0, 0);
        const QStringList horizontal{tr("Left"), tr("Centre"), tr("Right")};
        const QStringList vertical{tr("Top"), tr("Middle"), tr("Bottom")};
        QComboBox* lists[2];
        for (int axis = 0; axis < 2; ++axis) {
            auto* list = new QComboBox(both);
            list->setObjectName(QLatin1String(axis == 0 ? "horizontal" : "vertical"));
            list->setAccessibleName(axis == 0 ? tr("Horizontal alignment") : tr("Vertical alignment"));
            for (int i = 0; i < 3; ++i)
                list->addItem((axis == 0 ? horizontal : vertical).at(i),
                              QLatin1String(axis == 0 ? horizontalWords[i] : verticalWords[i]));
            selectValue(list, alignmentWord(first, axis), same);
            layout->addWidget(list);
            lists[axis] = list;
        }
        for (QComboBox* list : lists) {
            connect(list, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [lists, applyValue] {
                // The engine's defaults (left, vertically centred) are left out; a list still
                // blank for several values keeps nothing of its own.
                QStringList words;
                const QString across = lists[0]->currentData().toString();
                const QString down = lists[1]->currentData().toString();
                if (!across.isEmpty() && across != QLatin1String("left"))
                    words.append(across);
                if (!down.isEmpty() && down != QLatin1String("vcenter"))
                    words.append(down);
                applyValue(words.join(QLatin1Char(' ')));
            });
        }
        editor = both;
        break;
    }
    case Kind::Choice: {
        auto* list = new QComboBox(m_fields);
        QStringList dataSources;
        if (m_document) {
            const QDomElement sources = m_document->xml().documentElement().firstChildElement(QStringLiteral("datasources"));
            for (QDomElement source = sources.firstChildElement(QStringLiteral("datasource")); !source.isNull();
                 source = source.nextSiblingElement(QStringLiteral("datasource")))
                dataSources.append(source.attribute(QStringLiteral("id")));
        }
        for (const auto& choice : choicesOf(property, dataSources))
            list->addItem(choice.first, choice.second);
        selectValue(list, first.isEmpty() && list->findData(QString()) < 0 ? defaultOf(property) : first, same);
        connect(list, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [list, applyValue](int index) {
            if (index >= 0)
                applyValue(list->itemData(index).toString());
        });
        editor = list;
        break;
    }
    case Kind::Text: {
        auto* field = new QLineEdit(m_fields);
        if (same)
            field->setText(first);
        else
            field->setPlaceholderText(tr("(several values)"));
        connect(field, &QLineEdit::textEdited, this, applyValue);
        // A detail sorts by the columns of its data source: they are offered as it is typed.
        if (property == QLatin1String("sort") && m_document) {
            const NCReportDef* def = m_document->reportDef();
            NCReportDataSource* source = def ? def->dataSource(m_elements.first().attribute(QStringLiteral("dataSource"))) : nullptr;
            QStringList columns;
            for (int column = 0; source && column < source->columnCount(); ++column)
                columns.append(source->columnName(column));
            field->setCompleter(new QCompleter(columns, field));
        }
        editor = field;
        break;
    }
    }
    editor->setObjectName(QStringLiteral("property_") + (property.startsWith(QLatin1Char('#')) ? property.mid(1) : property));
    editor->setAccessibleName(labelOf(property));
    return editor;
}

void NCRDPropertyPanel::apply(const QString& attribute, const QString& value)
{
    if (!m_document || !m_editors.contains(attribute))
        return;
    m_applying = true;
    const bool applied = m_document->setElementAttribute(m_elements, attribute, value);
    m_applying = false;
    markRefused(attribute, !applied);
}

void NCRDPropertyPanel::setSectionPresent(const QString& tag, bool present)
{
    if (!m_document || m_elements.size() != 1)
        return;
    const QString property = QLatin1Char('#') + tag;
    m_applying = true;
    const bool applied = m_document->setGroupSection(m_elements.first(), tag, present);
    m_applying = false;
    markRefused(property, !applied);
}

void NCRDPropertyPanel::markRefused(const QString& attribute, bool refused)
{
    QWidget* editor = m_editors.value(attribute);
    if (!editor)
        return;
    // A value the engine refuses stays in the editor, marked, until it is one it reads.
    editor->setStyleSheet(refused ? QStringLiteral("color: #c62828;") : QString());
    editor->setToolTip(refused ? m_document->errorString() : QString());
}
