#include "ncrdreportxml.h"

#include <QTextStream>
#include <QXmlStreamReader>

namespace {

bool isBlankText(const QDomNode& node)
{
    return node.isText() && !node.isCDATASection() && node.nodeValue().trimmed().isEmpty();
}

// White space beside child elements is the file's indentation, not content.
void dropLayout(QDomElement& element)
{
    if (element.firstChildElement().isNull())
        return;
    QDomNode child = element.firstChild();
    while (!child.isNull()) {
        const QDomNode next = child.nextSibling();
        if (isBlankText(child))
            element.removeChild(child);
        child = next;
    }
}

// One QString a name, shared by every element and attribute that bears it: a report repeats a
// few dozen names thousands of times, mostly in the same order, so the search starts after the
// name found last.
class NameTable
{
public:
    // A QStringRef under Qt 5, a QStringView under Qt 6.
    template<typename Name>
    QString operator()(const Name& name)
    {
        for (int i = 0; i < m_names.size(); ++i) {
            const int index = (m_next + i) % m_names.size();
            if (name == m_names.at(index)) {
                m_next = index + 1;
                return m_names.at(index);
            }
        }
        m_names.append(name.toString());
        m_next = 0;
        return m_names.constLast();
    }

private:
    QVector<QString> m_names;
    int m_next = 0;
};

} // namespace

bool NCRDReportXml::read(const QByteArray& xml, QDomDocument& document, NCReportError& error)
{
    QDomDocument read;
    // Null until the document has a node: an empty QDomDocument makes its data on first use.
    QDomNode parent;
    const auto append = [&](const QDomNode& node) {
        return (parent.isNull() ? QDomNode(read) : parent).appendChild(node);
    };
    // Blank text is held back until what follows tells whether it is layout: dropped when an
    // element follows (its parent holds elements), kept in an element that holds none. A file's
    // indentation is then never made into nodes only to be taken out again.
    QString blank;
    const auto keepBlank = [&] {
        if (!blank.isEmpty())
            append(read.createTextNode(blank));
        blank.clear();
    };
    NameTable names;
    QXmlStreamReader reader(xml);
    reader.setNamespaceProcessing(false);
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: {
            blank.clear();
            QDomElement element = read.createElement(names(reader.qualifiedName()));
            const QXmlStreamAttributes attributes = reader.attributes();
            for (const QXmlStreamAttribute& attribute : attributes)
                element.setAttribute(names(attribute.qualifiedName()), attribute.value().toString());
            parent = append(element);
            break;
        }
        case QXmlStreamReader::EndElement: {
            QDomElement element = parent.toElement();
            if (element.firstChildElement().isNull())
                keepBlank();
            blank.clear();
            dropLayout(element);
            parent = parent.parentNode();
            break;
        }
        case QXmlStreamReader::Characters:
            // Outside the root element there is only layout.
            if (!parent.isElement())
                break;
            if (!reader.isCDATA() && reader.isWhitespace()) {
                blank += reader.text();
                break;
            }
            keepBlank();
            append(reader.isCDATA() ? QDomNode(read.createCDATASection(reader.text().toString()))
                                    : QDomNode(read.createTextNode(reader.text().toString())));
            break;
        case QXmlStreamReader::Comment:
            keepBlank();
            append(read.createComment(reader.text().toString()));
            break;
        case QXmlStreamReader::ProcessingInstruction:
            keepBlank();
            append(read.createProcessingInstruction(reader.processingInstructionTarget().toString(),
                                                    reader.processingInstructionData().toString()));
            break;
        default:
            // The declaration is not kept: writing declares what it writes.
            break;
        }
    }
    if (reader.hasError()) {
        error = {QString(), reader.lineNumber(), reader.errorString()};
        return false;
    }
    document = read;
    return true;
}

QByteArray NCRDReportXml::write(const QDomDocument& document, int indent)
{
    QByteArray bytes;
    {
        QTextStream stream(&bytes, QIODevice::WriteOnly);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
        stream.setCodec("UTF-8");
#else
        stream.setEncoding(QStringConverter::Utf8);
#endif
        // Declares the stream's encoding in place of any declaration the document holds.
        document.save(stream, indent, QDomNode::EncodingFromTextStream);
    }
    return bytes;
}

QString NCRDReportXml::withId(const QString& name, const QDomElement& element)
{
    const QString id = element.attribute(QStringLiteral("id"));
    return id.isEmpty() ? name : name + QLatin1Char(' ') + id;
}
