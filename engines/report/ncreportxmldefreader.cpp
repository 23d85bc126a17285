#include "ncreportxmldefreader.h"

#include "ncreportcustomdsprovider.h"
#include "ncreportdef.h"
#include "ncreportitemmodeldatasource.h"
#include "ncreportsqldatasource.h"
#include "ncreportstringlistdatasource.h"

#include <QDomDocument>
#include <QFile>
#include <QPageSize>
#include <QSet>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// Millimetres: far beyond any paper, small enough for device arithmetic at any resolution.
constexpr qreal maximumLength = 10000;
// As many as a double holds.
constexpr int maximumDecimals = 15;

const struct {
    const char* name;
    QPageSize::PageSizeId id;
} pageSizes[] = {{"A3", QPageSize::A3},         {"A4", QPageSize::A4},       {"A5", QPageSize::A5},
                 {"Letter", QPageSize::Letter}, {"Legal", QPageSize::Legal}};

const char* const itemNames[] = {"label", "field", "line", "rectangle", "image", "barcode"};
const char* const sourceNames[] = {"static", "datasource", "parameter", "variable", "template"};
const char* const functionNames[] = {"count", "sum", "avg", "min", "max"};

template<size_t N>
int indexOfName(const char* const (&names)[N], QStringView name)
{
    for (size_t i = 0; i < N; ++i) {
        if (name == QLatin1String(names[i]))
            return int(i);
    }
    return -1;
}

// Walks a definition already parsed into a DOM with the calls the parser makes of a
// QXmlStreamReader, so that one parser reads both. A DOM keeps no lines: its errors name none.
class DomDefinitionReader
{
public:
    // An attribute's value, null where the element has no such attribute (as a stream's is).
    class Value : public QString
    {
    public:
        Value() = default;
        explicit Value(const QString& text)
            : QString(text.isNull() ? QString(QLatin1String("")) : text)
        {
        }
        QString toString() const { return *this; }
    };

    // The current element's attributes, for as long as the reader stays on it.
    class Attributes
    {
    public:
        explicit Attributes(const QDomElement& element)
            : m_element(element)
        {
        }
        Value value(const QString& name) const
        {
            return m_element.hasAttribute(name) ? Value(m_element.attribute(name)) : Value();
        }

    private:
        const QDomElement& m_element;
    };

    explicit DomDefinitionReader(const QDomDocument& document)
        : m_node(document)
    {
    }

    // As QXmlStreamReader's: into the current element when at its start, on to the next
    // sibling when at its end; false at the end of the element that holds them.
    bool readNextStartElement()
    {
        if (!m_error.isEmpty())
            return false;
        QDomElement next = m_atEnd ? m_node.nextSiblingElement() : m_node.firstChildElement();
        if (!next.isNull()) {
            m_node = next;
            m_element = std::move(next);
            m_atEnd = false;
            return true;
        }
        if (m_atEnd) {
            m_node = m_node.parentNode();
            m_element = m_node.toElement();
        }
        m_atEnd = true;
        return false;
    }

    // The local name, as a stream reader that processes namespaces gives it.
    QString name() const
    {
        const QString tag = m_element.tagName();
        return tag.mid(tag.lastIndexOf(QLatin1Char(':')) + 1);
    }
    Attributes attributes() const { return Attributes(m_element); }

    // The text and CDATA within the current element; comments are skipped, and an element
    // within is an error, as a stream reader's defaults have them.
    QString readElementText()
    {
        QString text;
        for (QDomNode child = m_node.firstChild(); !child.isNull(); child = child.nextSibling()) {
            if (child.isElement()) {
                m_error = expectedCharacterData();
                return QString();
            }
            if (child.isText())
                text += child.nodeValue();
        }
        m_atEnd = true;
        return text;
    }

    void skipCurrentElement() { m_atEnd = true; }
    qint64 lineNumber() const { return 0; }

    // The stream reader's own words for an element where text is expected, in the language Qt
    // speaks here: both readers refuse such a file alike.
    static QString expectedCharacterData()
    {
        QXmlStreamReader probe(QByteArrayLiteral("<a><b/></a>"));
        probe.readNextStartElement();
        probe.readElementText();
        return probe.errorString();
    }
    bool hasError() const { return !m_error.isEmpty(); }
    QString errorString() const { return m_error; }

private:
    QDomNode m_node;
    // m_node, null where it is the document itself.
    QDomElement m_element;
    // At the end of m_node rather than at its start.
    bool m_atEnd = false;
    QString m_error;
};

} // namespace

template<class Reader>
class NCReportXMLDefReader::Parser
{
public:
    Parser(Reader& xml, NCReportDef* def, NCReportCustomDSProvider* provider)
        : xml(xml)
        , def(def)
        , provider(provider)
    {
    }

    bool parse()
    {
        if (!xml.readNextStartElement())
            return failXml();
        if (xml.name() != QLatin1String("report"))
            return fail(NCReportXMLDefReader::tr("The document is not a report: <%1>").arg(xml.name()));
        return readReport() && validate();
    }

    qint64 line = 0;
    QString message;

private:
    bool fail(const QString& text)
    {
        line = xml.lineNumber();
        message = text;
        return false;
    }

    bool failXml()
    {
        if (!xml.hasError())
            return fail(NCReportXMLDefReader::tr("The document is empty"));
        return fail(xml.errorString());
    }

    bool unknownElement() { return fail(NCReportXMLDefReader::tr("Unknown element <%1>").arg(xml.name())); }

    // Reads the child elements of the current one with `child`; an error in the document itself
    // (not well formed) ends the reading too.
    template<typename Child>
    bool readChildren(Child child)
    {
        while (xml.readNextStartElement()) {
            if (!child())
                return false;
        }
        return !xml.hasError() || failXml();
    }

    bool number(const QString& name, qreal& value, bool required = false)
    {
        // A QStringRef under Qt 5, a QStringView under Qt 6.
        const auto text = xml.attributes().value(name);
        if (text.isNull())
            return !required || fail(NCReportXMLDefReader::tr("The attribute %1 is missing").arg(name));
        bool ok = false;
        const qreal read = text.toDouble(&ok);
        if (!ok || !std::isfinite(read) || std::abs(read) > maximumLength)
            return fail(NCReportXMLDefReader::tr("The attribute %1 is not a valid number: %2").arg(name, text));
        value = read;
        return true;
    }

    bool integer(const QString& name, int& value, bool required = false)
    {
        qreal read = value;
        if (!number(name, read, required))
            return false;
        if (read != std::floor(read))
            return fail(NCReportXMLDefReader::tr("The attribute %1 is not a whole number: %2").arg(name).arg(read));
        value = int(read);
        return true;
    }

    QString text(const QString& name) const { return xml.attributes().value(name).toString(); }
    bool flag(const QString& name) const { return xml.attributes().value(name) == QLatin1String("true"); }

    bool required(const QString& name, QString& value)
    {
        value = text(name);
        return !value.isEmpty() || fail(NCReportXMLDefReader::tr("The attribute %1 is missing").arg(name));
    }

    bool readReport()
    {
        def->setReportName(text(QStringLiteral("name")));
        if (!readLocale() || !readPageLayout())
            return false;
        return readChildren([this] {
            const auto name = xml.name();
            if (name == QLatin1String("datasources"))
                return readChildren([this] { return readDataSource(); });
            if (name == QLatin1String("parameters"))
                return readChildren([this] { return readParameter(); });
            if (name == QLatin1String("variables"))
                return readChildren([this] { return readVariable(); });
            if (name == QLatin1String("pageHeader"))
                return readSection(def->pageHeader());
            if (name == QLatin1String("pageFooter"))
                return readSection(def->pageFooter());
            if (name == QLatin1String("reportHeader"))
                return readSection(def->reportHeader());
            if (name == QLatin1String("reportFooter"))
                return readSection(def->reportFooter());
            if (name == QLatin1String("detail"))
                return readDetail();
            return unknownElement();
        });
    }

    bool readLocale()
    {
        const QString name = text(QStringLiteral("locale"));
        if (name.isEmpty())
            return true;
        // QLocale takes any name it does not know for the C locale.
        const QLocale locale(name);
        if (locale == QLocale::c() && name != QLatin1String("C"))
            return fail(NCReportXMLDefReader::tr("Unknown locale %1").arg(name));
        def->setLocale(locale);
        return true;
    }

    bool readPageLayout()
    {
        QPageLayout layout = def->pageLayout();
        const QString size = text(QStringLiteral("pageSize"));
        if (!size.isEmpty()) {
            const auto known = std::find_if(std::begin(pageSizes), std::end(pageSizes),
                                            [&](const auto& entry) { return size == QLatin1String(entry.name); });
            if (known == std::end(pageSizes))
                return fail(NCReportXMLDefReader::tr("Unknown page size %1").arg(size));
            layout.setPageSize(QPageSize(known->id));
        }
        const QString orientation = text(QStringLiteral("orientation"));
        if (orientation == QLatin1String("landscape"))
            layout.setOrientation(QPageLayout::Landscape);
        else if (!orientation.isEmpty() && orientation != QLatin1String("portrait"))
            return fail(NCReportXMLDefReader::tr("Unknown orientation %1").arg(orientation));
        QMarginsF margins = layout.margins();
        qreal left = margins.left(), top = margins.top(), right = margins.right(), bottom = margins.bottom();
        if (!number(QStringLiteral("leftMargin"), left) || !number(QStringLiteral("topMargin"), top)
            || !number(QStringLiteral("rightMargin"), right) || !number(QStringLiteral("bottomMargin"), bottom))
            return false;
        margins = QMarginsF(left, top, right, bottom);
        const QSizeF paper = layout.fullRect(QPageLayout::Millimeter).size();
        if (qMin(qMin(left, top), qMin(right, bottom)) < 0 || left + right >= paper.width()
            || top + bottom >= paper.height())
            return fail(NCReportXMLDefReader::tr("The margins leave no room on the page"));
        layout.setMinimumMargins(QMarginsF());
        layout.setMargins(margins);
        def->setPageLayout(layout);
        return true;
    }

    bool readDataSource()
    {
        if (xml.name() != QLatin1String("datasource"))
            return unknownElement();
        QString id;
        int type = -1;
        if (!required(QStringLiteral("id"), id) || !integer(QStringLiteral("type"), type, true))
            return false;
        NCReportDataSource* created = provider->createCustomDataSource(id, type, def);
        if (!created)
            return fail(NCReportXMLDefReader::tr("Unknown data source type %1").arg(type));
        // One the definition already holds (a provider handing out the same source twice) stays
        // the definition's.
        if (def->dataSources().contains(created))
            return definedTwice(created->id());
        std::unique_ptr<NCReportDataSource> dataSource(created);
        if (def->dataSource(id))
            return definedTwice(id);
        if (!configure(dataSource.get()))
            return false;
        // A host's provider may give its source another id than the file's; the definition
        // refuses, and deletes, a source whose id is taken.
        const QString addedId = dataSource->id();
        NCReportDataSource* added = dataSource.release();
        if (!def->addDataSource(added))
            return definedTwice(addedId);
        if (auto* strings = qobject_cast<NCReportStringListDataSource*>(added);
            strings && type == NCReportDataSource::StringList)
            return readStrings(strings);
        const QString content = xml.readElementText();
        if (xml.hasError())
            return failXml();
        auto* table = qobject_cast<NCReportTableDataSource*>(added);
        if (table && !content.trimmed().isEmpty())
            table->setSource(content.trimmed());
        return true;
    }

    bool definedTwice(const QString& id)
    {
        return fail(NCReportXMLDefReader::tr("The data source %1 is defined twice").arg(id));
    }

    // The settings each type takes from the attributes.
    bool configure(NCReportDataSource* dataSource)
    {
        dataSource->setParentReference(text(QStringLiteral("parent")));
        if (auto* itemModel = qobject_cast<NCReportItemModelDataSource*>(dataSource))
            itemModel->setItemModelId(text(QStringLiteral("itemModel")));
        if (auto* sql = qobject_cast<NCReportSqlDataSource*>(dataSource)) {
            sql->setConnectionName(text(QStringLiteral("connection")));
            sql->setDatabaseFile(text(QStringLiteral("database")));
        }
        if (auto* table = qobject_cast<NCReportTableDataSource*>(dataSource))
            table->setSource(text(QStringLiteral("file")));
        auto* strings = qobject_cast<NCReportStringListDataSource*>(dataSource);
        if (!strings)
            return true;
        const QString delimiter = text(QStringLiteral("delimiter"));
        if (delimiter.size() > 1)
            return fail(NCReportXMLDefReader::tr("The delimiter must be one character: %1").arg(delimiter));
        if (delimiter.size() == 1)
            strings->setDelimiter(delimiter.at(0));
        strings->setHeader(flag(QStringLiteral("header")));
        return true;
    }

    bool readStrings(NCReportStringListDataSource* dataSource)
    {
        QStringList strings;
        const bool ok = readChildren([&] {
            if (xml.name() != QLatin1String("string"))
                return unknownElement();
            strings.append(xml.readElementText());
            return !xml.hasError() || failXml();
        });
        dataSource->setStrings(strings);
        return ok;
    }

    bool readParameter()
    {
        if (xml.name() != QLatin1String("parameter"))
            return unknownElement();
        QString name;
        if (!required(QStringLiteral("name"), name))
            return false;
        def->parameters().insert(name, text(QStringLiteral("value")));
        xml.skipCurrentElement();
        return true;
    }

    bool readVariable()
    {
        if (xml.name() != QLatin1String("variable"))
            return unknownElement();
        NCReportVariable variable;
        if (!required(QStringLiteral("id"), variable.id))
            return false;
        variable.expression = text(QStringLiteral("expression"));
        variable.resetGroup = text(QStringLiteral("resetGroup"));
        const QString function = text(QStringLiteral("function"));
        const int index = function.isEmpty() ? int(NCReportVariable::Sum) : indexOfName(functionNames, function);
        if (index < 0)
            return fail(NCReportXMLDefReader::tr("Unknown variable function %1").arg(function));
        variable.function = NCReportVariable::Function(index);
        for (const NCReportVariable& other : qAsConst(def->variables())) {
            if (other.id == variable.id)
                return fail(NCReportXMLDefReader::tr("The variable %1 is defined twice").arg(variable.id));
        }
        def->variables().append(variable);
        variableLines.append(xml.lineNumber());
        xml.skipCurrentElement();
        return true;
    }

    bool readSection(NCReportSection& section)
    {
        return sectionHeight(section) && readChildren([&] { return readItem(section); });
    }

    bool sectionHeight(NCReportSection& section)
    {
        if (!number(QStringLiteral("height"), section.height, true))
            return false;
        return section.height >= 0 || fail(NCReportXMLDefReader::tr("A section cannot have a negative height"));
    }

    bool readDetail()
    {
        NCReportDetail detail;
        detailLines.append(xml.lineNumber());
        if (!required(QStringLiteral("id"), detail.id) || !required(QStringLiteral("dataSource"), detail.dataSourceId)
            || !sectionHeight(detail.section))
            return false;
        detail.pageBreakCondition = text(QStringLiteral("pageBreak"));
        if (!readSort(detail.sort))
            return false;
        const bool ok = readChildren([&] {
            if (xml.name() != QLatin1String("group"))
                return readItem(detail.section);
            NCReportGroup group;
            detail.groups.append(group);
            return readGroup(detail.groups.last());
        });
        def->details().append(detail);
        return ok;
    }

    // "ciudad, importe desc": columns separated by commas, each optionally followed by "asc" or
    // "desc". A column name may hold spaces; an entry with no name is refused. A column named
    // again is dropped: once the rows are ordered by it, it cannot order them any further.
    bool readSort(QVector<NCReportSortKey>& keys)
    {
        const QString sort = text(QStringLiteral("sort"));
        if (sort.trimmed().isEmpty())
            return true;
        QSet<QString> columns;
        for (const QString& entry : sort.split(QLatin1Char(','))) {
            NCReportSortKey key;
            key.column = entry.trimmed();
            const int space = key.column.lastIndexOf(QLatin1Char(' '));
            const QString direction = space < 0 ? key.column : key.column.mid(space + 1);
            if (direction == QLatin1String("asc") || direction == QLatin1String("desc")) {
                key.descending = direction == QLatin1String("desc");
                key.column = space < 0 ? QString() : key.column.left(space).trimmed();
            }
            if (key.column.isEmpty())
                return fail(NCReportXMLDefReader::tr("The sort %1 names no column in one of its entries").arg(sort));
            if (!columns.contains(key.column)) {
                columns.insert(key.column);
                keys.append(key);
            }
        }
        return true;
    }

    bool readGroup(NCReportGroup& group)
    {
        if (!required(QStringLiteral("id"), group.id) || !required(QStringLiteral("expression"), group.expression))
            return false;
        group.pageBreakCondition = text(QStringLiteral("pageBreak"));
        if (!groupIds.contains(group.id))
            groupIds.insert(group.id);
        else
            return fail(NCReportXMLDefReader::tr("The group %1 is defined twice").arg(group.id));
        return readChildren([&] {
            if (xml.name() == QLatin1String("header"))
                return readSection(group.header);
            if (xml.name() == QLatin1String("footer"))
                return readSection(group.footer);
            return unknownElement();
        });
    }

    bool readItem(NCReportSection& section)
    {
        const int type = indexOfName(itemNames, xml.name());
        if (type < 0)
            return unknownElement();
        NCReportItem item;
        item.type = NCReportItem::ItemType(type);
        const bool isLine = item.type == NCReportItem::Line;
        qreal x = 0, y = 0, width = 0, height = 0;
        if (!number(isLine ? QStringLiteral("x1") : QStringLiteral("x"), x, true)
            || !number(isLine ? QStringLiteral("y1") : QStringLiteral("y"), y, true)
            || !number(isLine ? QStringLiteral("x2") : QStringLiteral("width"), width, true)
            || !number(isLine ? QStringLiteral("y2") : QStringLiteral("height"), height, true))
            return false;
        item.geometry = isLine ? QRectF(QPointF(x, y), QPointF(width, height)) : QRectF(x, y, width, height);
        if (!isLine && (width < 0 || height < 0))
            return fail(NCReportXMLDefReader::tr("An item cannot have a negative size"));
        return readItemLook(item) && readItemFormat(item.format) && readItemSource(item)
            && (section.items.append(item), true);
    }

    bool readItemFormat(NCReportValueFormat& format)
    {
        const QString type = text(QStringLiteral("format"));
        if (!type.isEmpty() && !NCReportValueFormat::typeByName(type, format.type))
            return fail(NCReportXMLDefReader::tr("Unknown format %1").arg(type));
        if (!integer(QStringLiteral("decimals"), format.decimals))
            return false;
        if (format.decimals < 0 || format.decimals > maximumDecimals)
            return fail(NCReportXMLDefReader::tr("The decimals must be between 0 and %1").arg(maximumDecimals));
        format.dateFormat = text(QStringLiteral("dateFormat"));
        if (!format.dateFormat.isEmpty() && !format.dateFormatShowsValues())
            return fail(NCReportXMLDefReader::tr("The date format %1 shows nothing of the date").arg(format.dateFormat));
        return true;
    }

    bool readItemLook(NCReportItem& item)
    {
        item.fontFamily = text(QStringLiteral("fontFamily"));
        item.printWhen = text(QStringLiteral("printWhen"));
        item.bold = flag(QStringLiteral("bold"));
        item.italic = flag(QStringLiteral("italic"));
        if (!number(QStringLiteral("fontSize"), item.fontPointSize) || !number(QStringLiteral("lineWidth"), item.lineWidth)
            || !integer(QStringLiteral("barcodeType"), item.barcodeType))
            return false;
        if (item.fontPointSize <= 0 || item.fontPointSize > 1000)
            return fail(NCReportXMLDefReader::tr("The font size must be between 0 and 1000 points"));
        if (item.lineWidth < 0)
            return fail(NCReportXMLDefReader::tr("A line cannot have a negative width"));
        if (!readColor(QStringLiteral("color"), item.color) || !readColor(QStringLiteral("fill"), item.fillColor))
            return false;
        return readAlignment(item);
    }

    bool readColor(const QString& name, QColor& color)
    {
        const QString value = text(name);
        if (value.isEmpty())
            return true;
        color = QColor(value);
        return color.isValid() || fail(NCReportXMLDefReader::tr("The attribute %1 is not a colour: %2").arg(name, value));
    }

    bool readAlignment(NCReportItem& item)
    {
        static const QHash<QString, Qt::Alignment> words{
            {QStringLiteral("left"), Qt::AlignLeft},      {QStringLiteral("right"), Qt::AlignRight},
            {QStringLiteral("center"), Qt::AlignHCenter}, {QStringLiteral("top"), Qt::AlignTop},
            {QStringLiteral("bottom"), Qt::AlignBottom},  {QStringLiteral("vcenter"), Qt::AlignVCenter}};
        const QStringList parts = text(QStringLiteral("align")).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (parts.isEmpty())
            return true;
        Qt::Alignment alignment;
        for (const QString& part : parts) {
            if (!words.contains(part))
                return fail(NCReportXMLDefReader::tr("Unknown alignment %1").arg(part));
            alignment |= words.value(part);
        }
        if (!(alignment & Qt::AlignHorizontal_Mask))
            alignment |= Qt::AlignLeft;
        if (!(alignment & Qt::AlignVertical_Mask))
            alignment |= Qt::AlignVCenter;
        item.alignment = alignment;
        return true;
    }

    bool readItemSource(NCReportItem& item)
    {
        const bool isExpression = item.type == NCReportItem::Field || item.type == NCReportItem::Barcode;
        item.sourceType = isExpression ? NCReportItem::Template : NCReportItem::Static;
        const QString source = text(QStringLiteral("source"));
        if (!source.isEmpty()) {
            const int index = indexOfName(sourceNames, source);
            if (index < 0)
                return fail(NCReportXMLDefReader::tr("Unknown item source %1").arg(source));
            item.sourceType = NCReportItem::SourceType(index);
        }
        if (item.type == NCReportItem::Image)
            item.text = text(QStringLiteral("file"));
        item.text += xml.readElementText();
        return !xml.hasError() || failXml();
    }

    // Names that refer to other parts of the definition, checked once everything is read.
    bool validate()
    {
        for (int i = 0; i < def->details().size(); ++i) {
            const NCReportDetail& detail = def->details().at(i);
            NCReportDataSource* source = def->dataSource(detail.dataSourceId);
            line = detailLines.value(i);
            if (!source) {
                message = NCReportXMLDefReader::tr("The detail %1 uses the unknown data source %2").arg(detail.id, detail.dataSourceId);
                return false;
            }
            // Different names for more columns than there are: some name none (or, where a
            // source reads names as numbers, the same one twice). Counting may open the source,
            // so an unsorted detail does not ask.
            const int columns = detail.sort.isEmpty() ? -1 : knownColumnCount(source);
            if (columns >= 0 && detail.sort.size() > columns) {
                message = NCReportXMLDefReader::tr("The detail %1 is sorted by %2 columns, more than its data source %3 has (%4)")
                              .arg(detail.id)
                              .arg(detail.sort.size())
                              .arg(source->id())
                              .arg(columns);
                return false;
            }
        }
        for (int i = 0; i < def->variables().size(); ++i) {
            const NCReportVariable& variable = def->variables().at(i);
            if (!variable.resetGroup.isEmpty() && !groupIds.contains(variable.resetGroup)) {
                line = variableLines.value(i);
                message = NCReportXMLDefReader::tr("The variable %1 is reset by the unknown group %2").arg(variable.id, variable.resetGroup);
                return false;
            }
        }
        return true;
    }

    // The columns of a source before the report runs, where the definition tells them: inline
    // strings (read by opening them, which reads nothing else) and an item model registered
    // before loading. -1 where only the run can tell: files, queries, a model registered later.
    static int knownColumnCount(NCReportDataSource* source)
    {
        if (auto* model = qobject_cast<NCReportItemModelDataSource*>(source))
            return model->itemModel() ? model->columnCount() : -1;
        if (!qobject_cast<NCReportStringListDataSource*>(source) || source->dataSourceType() != NCReportDataSource::StringList
            || !source->open())
            return -1;
        const int columns = source->columnCount();
        source->close();
        return columns;
    }

    Reader& xml;
    NCReportDef* def;
    NCReportCustomDSProvider* provider;
    QSet<QString> groupIds;
    // Where each detail and variable begins, for the errors found once everything is read.
    QVector<qint64> detailLines;
    QVector<qint64> variableLines;
};

NCReportXMLDefReader::NCReportXMLDefReader(NCReportCustomDSProvider* provider)
    : m_provider(provider)
{
}

NCReportXMLDefReader::~NCReportXMLDefReader() = default;

bool NCReportXMLDefReader::readFile(const QString& fileName, NCReportDef* def)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = {fileName, 0, tr("Cannot read the file: %1").arg(file.errorString())};
        return false;
    }
    return read(file.readAll(), def, fileName);
}

bool NCReportXMLDefReader::read(const QByteArray& xml, NCReportDef* def, const QString& fileName)
{
    QXmlStreamReader reader(xml);
    return parse(reader, def, fileName);
}

bool NCReportXMLDefReader::read(const QDomDocument& xml, NCReportDef* def, const QString& fileName)
{
    DomDefinitionReader reader(xml);
    return parse(reader, def, fileName);
}

template<class Reader>
bool NCReportXMLDefReader::parse(Reader& reader, NCReportDef* def, const QString& fileName)
{
    m_error = NCReportError();
    NCReportCustomDSProvider defaultProvider;
    Parser<Reader> parser(reader, def, m_provider ? m_provider.data() : &defaultProvider);
    if (parser.parse()) {
        def->setFileName(fileName);
        return true;
    }
    m_error = {fileName, parser.line, parser.message};
    return false;
}
