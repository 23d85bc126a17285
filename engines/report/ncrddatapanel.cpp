#include "ncrddatapanel.h"

#include "ncrddocument.h"
#include "ncreportdatasource.h"
#include "ncreportdef.h"
#include "ncreportitemmodeldatasource.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QUndoStack>

namespace {

constexpr int referenceRole = Qt::UserRole + 1;
constexpr int sourceRole = Qt::UserRole + 2;

QTreeWidgetItem* addRow(QTreeWidgetItem* parent, const QString& text, const QString& reference)
{
    auto* row = new QTreeWidgetItem(parent, {text});
    row->setData(0, referenceRole, reference);
    row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
    return row;
}

// The references the rows carry, in their order; rows without one are left out.
QStringList referencesOf(const QList<QTreeWidgetItem*>& rows)
{
    QStringList references;
    for (const QTreeWidgetItem* row : rows) {
        const QString reference = row->data(0, referenceRole).toString();
        if (!reference.isEmpty())
            references.append(reference);
    }
    return references;
}

// Right of the items already in `section`, so that the new fields do not cover them.
qreal rightOfItems(const QDomElement& section)
{
    qreal right = 0;
    for (QDomElement item = section.firstChildElement(); !item.isNull(); item = item.nextSiblingElement()) {
        const bool line = item.tagName() == QLatin1String("line");
        const qreal x = item.attribute(line ? QStringLiteral("x1") : QStringLiteral("x")).toDouble();
        const qreal end = item.attribute(line ? QStringLiteral("x2") : QStringLiteral("width")).toDouble();
        right = qMax(right, line ? qMax(x, end) : x + end);
    }
    return right;
}
} // namespace

const QString NCRDDataPanel::mimeType = QStringLiteral("application/x-ncreport-reference");

NCRDDataPanel::NCRDDataPanel(QWidget* parent)
    : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("dataPanel"));
    setAccessibleName(tr("Data"));
    setHeaderHidden(true);
    setDragEnabled(true);
    setDragDropMode(DragOnly);
    setSelectionMode(ExtendedSelection);
    connect(this, &QTreeWidget::itemExpanded, this, &NCRDDataPanel::listColumns);
}

NCRDDataPanel::~NCRDDataPanel() = default;

void NCRDDataPanel::setDocument(NCRDDocument* document)
{
    if (m_document == document)
        return;
    if (m_document)
        disconnect(m_document->undoStack(), nullptr, this, nullptr);
    m_document = document;
    // Data sources, parameters and variables change with the document's steps.
    if (m_document)
        connect(m_document->undoStack(), &QUndoStack::indexChanged, this, &NCRDDataPanel::refresh);
    refresh();
}

void NCRDDataPanel::refresh()
{
    clear();
    const NCReportDef* def = m_document ? m_document->reportDef() : nullptr;
    if (!def)
        return;
    auto* sources = new QTreeWidgetItem(this, {tr("Data sources")});
    for (const NCReportDataSource* source : def->dataSources()) {
        auto* row = new QTreeWidgetItem(sources, {source->id()});
        row->setData(0, sourceRole, source->id());
        row->setFlags(Qt::ItemIsEnabled);
        // Its columns are listed when it is expanded (opening a file or a query may take time).
        row->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
        if (qobject_cast<const NCReportItemModelDataSource*>(source)) {
            listColumns(row);
            row->setExpanded(true);
        }
    }
    auto* parameters = new QTreeWidgetItem(this, {tr("Parameters")});
    for (auto it = def->parameters().cbegin(); it != def->parameters().cend(); ++it)
        addRow(parameters, it.key(), QStringLiteral("$P{") + it.key() + QLatin1Char('}'));
    auto* variables = new QTreeWidgetItem(this, {tr("Variables")});
    for (const NCReportVariable& variable : def->variables())
        addRow(variables, variable.id, QStringLiteral("$V{") + variable.id + QLatin1Char('}'));
    for (QTreeWidgetItem* section : {sources, parameters, variables}) {
        section->setFlags(Qt::ItemIsEnabled);
        section->setExpanded(true);
    }
}

void NCRDDataPanel::listColumns(QTreeWidgetItem* sourceRow)
{
    const QString id = sourceRow->data(0, sourceRole).toString();
    const NCReportDef* def = m_document ? m_document->reportDef() : nullptr;
    NCReportDataSource* source = def && !id.isEmpty() ? def->dataSource(id) : nullptr;
    if (!source || sourceRow->childCount() > 0)
        return;
    const bool isModel = qobject_cast<NCReportItemModelDataSource*>(source) != nullptr;
    // A source read into memory knows its columns once it is open; one that cannot open says why.
    if (!isModel && !source->isOpen() && !source->open()) {
        sourceRow->setToolTip(0, source->errorString());
        sourceRow->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
        return;
    }
    for (int column = 0; column < source->columnCount(); ++column) {
        const QString name = source->columnName(column);
        addRow(sourceRow, name, QStringLiteral("$D{") + id + QLatin1Char('.') + name + QLatin1Char('}'));
    }
    sourceRow->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

QStringList NCRDDataPanel::mimeTypes() const
{
    return {mimeType, QStringLiteral("text/plain")};
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
QMimeData* NCRDDataPanel::mimeData(const QList<QTreeWidgetItem*>& items) const
#else
QMimeData* NCRDDataPanel::mimeData(const QList<QTreeWidgetItem*> items) const
#endif
{
    const QStringList references = referencesOf(items);
    if (references.isEmpty())
        return nullptr;
    auto* data = new QMimeData;
    data->setData(mimeType, references.join(QLatin1Char('\n')).toUtf8());
    data->setText(references.join(QLatin1Char('\n')));
    return data;
}

void NCRDDataPanel::keyPressEvent(QKeyEvent* event)
{
    // Enter is the keyboard's drop: the selected rows become fields beside the items of the
    // document's section at hand, with Alt also their labels.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QStringList references = enter && m_document ? referencesOf(selectedItems()) : QStringList();
    if (references.isEmpty()) {
        QTreeWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    const QDomElement section = m_document->insertionSection();
    m_document->addFieldsAt(references, section, QPointF(rightOfItems(section), 0),
                            event->modifiers().testFlag(Qt::AltModifier));
}
