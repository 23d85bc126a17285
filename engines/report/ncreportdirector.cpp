#include "ncreportdirector.h"

#include "ncreportdatasource.h"
#include "ncreportdef.h"
#include "ncreportevaluator.h"
#include "ncreportoutput.h"
#include "ncreportrowsorter.h"

#include <QDebug>

#include <algorithm>

namespace {

const QLatin1String pageNumberName("pageNumber");
const QLatin1String pageCountName("pageCount");

bool mentionsPageCount(const NCReportSection& section)
{
    return std::any_of(section.items.cbegin(), section.items.cend(), [](const NCReportItem& item) {
        return item.text.contains(pageCountName) || item.printWhen.contains(pageCountName);
    });
}

// Whether anything in the report may ask for the number of pages; a plain text search, since
// the count costs a whole run and a false alarm only costs time.
bool usesPageCount(const NCReportDef& def)
{
    if (mentionsPageCount(def.pageHeader()) || mentionsPageCount(def.pageFooter())
        || mentionsPageCount(def.reportHeader()) || mentionsPageCount(def.reportFooter()))
        return true;
    for (const NCReportDetail& detail : def.details()) {
        if (mentionsPageCount(detail.section) || detail.pageBreakCondition.contains(pageCountName))
            return true;
        for (const NCReportGroup& group : detail.groups) {
            if (mentionsPageCount(group.header) || mentionsPageCount(group.footer)
                || group.expression.contains(pageCountName) || group.pageBreakCondition.contains(pageCountName))
                return true;
        }
    }
    return std::any_of(def.variables().cbegin(), def.variables().cend(),
                       [](const NCReportVariable& variable) { return variable.expression.contains(pageCountName); });
}

} // namespace

NCReportDirector::NCReportDirector(NCReportDef* def, NCReportEvaluator* evaluator, QObject* parent)
    : QObject(parent)
    , m_def(def)
    , m_evaluator(evaluator)
    , m_sectionPainter(evaluator)
{
}

NCReportDirector::~NCReportDirector() = default;

bool NCReportDirector::fail(const QString& message)
{
    m_error = {m_def ? m_def->fileName() : QString(), 0, message};
    return false;
}

bool NCReportDirector::run(NCReportOutput* output)
{
    m_error = NCReportError();
    if (!m_def)
        return fail(tr("There is no report definition"));
    m_evaluator->setReportDef(m_def);
    m_evaluator->setDirector(this);
    m_evaluator->setLocale(m_def->locale());
    const QPageLayout layout = m_def->pageLayout();
    m_pageHeight = layout.paintRect(QPageLayout::Millimeter).height();
    m_pageCount = 0;
    if (usesPageCount(*m_def)) {
        m_output = nullptr;
        if (!runPages())
            return false;
        m_pageCount = m_pageNumber;
    }

    m_output = output;
    const bool ok = (output->begin(layout) || fail(output->errorString())) && runPages();
    const bool ended = output->end();
    m_output = nullptr;
    return ok && (ended || fail(tr("The output cannot be finished: %1").arg(output->errorString())));
}

bool NCReportDirector::runPages()
{
    m_pageNumber = 0;
    m_accumulators = QVector<Accumulator>(m_def->variables().size());
    bool ok = openDetailSources() && startPage() && printSection(m_def->reportHeader());
    for (int index = 0; ok && index < m_def->details().size(); ++index) {
        m_detailIndex = index;
        ok = runDetail(m_def->details().at(index));
    }
    m_detailIndex = -1;
    ok = ok && printSection(m_def->reportFooter());
    if (ok)
        finishPage();
    closeDetailSources();
    return ok;
}

bool NCReportDirector::openDetailSources()
{
    m_openSources.clear();
    for (int index = 0; index < m_def->details().size(); ++index) {
        const NCReportDetail& detail = m_def->details().at(index);
        NCReportDataSource* source = m_def->dataSource(detail.dataSourceId);
        if (!source)
            return fail(tr("The detail %1 uses the unknown data source %2").arg(detail.id, detail.dataSourceId));
        if (openedSource(source))
            continue;
        source->setParameters(m_evaluator->parameters());
        m_openSources.append({source, -1});
        if (!source->open())
            return fail(tr("The data source %1 cannot be opened: %2").arg(source->id(), source->errorString()));
        if (!orderRows(index, source))
            return false;
        // The report header sees the first row the detail will run.
        source->first();
    }
    return true;
}

void NCReportDirector::closeDetailSources()
{
    for (const OpenSource& open : qAsConst(m_openSources)) {
        if (open.source)
            open.source->close();
    }
    m_openSources.clear();
}

NCReportDirector::OpenSource* NCReportDirector::openedSource(NCReportDataSource* source)
{
    for (OpenSource& open : m_openSources) {
        if (open.source == source)
            return &open;
    }
    return nullptr;
}

bool NCReportDirector::orderRows(int detailIndex, NCReportDataSource* source)
{
    OpenSource* open = openedSource(source);
    if (!open)
        return false;
    if (open->orderedBy == detailIndex)
        return true;
    open->orderedBy = detailIndex;
    source->setRowOrder({});
    return sortRows(m_def->details().at(detailIndex), source);
}

bool NCReportDirector::runDetail(const NCReportDetail& detail)
{
    NCReportDataSource* source = m_def->dataSource(detail.dataSourceId);
    if (!source || !orderRows(m_detailIndex, source))
        return false;

    const int groups = detail.groups.size();
    QStringList keys;
    bool ok = true;
    for (int row = 0; ok && source->seek(row); ++row) {
        const QStringList rowKeys = groupKeys(detail);
        int changed = 0;
        while (row > 0 && changed < groups && keys.at(changed) == rowKeys.at(changed))
            ++changed;
        if (row > 0 && changed < groups) {
            // Footers show the group that ends: its last row, not the next group's first.
            source->seek(row - 1);
            ok = printGroupFooters(detail, changed);
            source->seek(row);
        }
        // A row that starts a page starts it above the headers of its groups.
        ok = ok && breakPageWhen(detail.pageBreakCondition);
        for (int group = changed; ok && group < groups; ++group) {
            resetVariables(detail.groups.at(group).id);
            ok = breakPageWhen(detail.groups.at(group).pageBreakCondition)
                && printSection(detail.groups.at(group).header);
        }
        keys = rowKeys;
        accumulateVariables();
        ok = ok && printSection(detail.section);
    }
    // The group footers, and after the last detail the report footer, see the last row.
    if (ok && source->rowCount() > 0) {
        source->seek(source->rowCount() - 1);
        ok = printGroupFooters(detail, 0);
    }
    return ok;
}

bool NCReportDirector::sortRows(const NCReportDetail& detail, NCReportDataSource* source)
{
    if (detail.sort.isEmpty())
        return true;
    QVector<int> order;
    QString missing;
    if (!NCReportRowSorter(m_def->locale()).sort(source, detail.sort, order, missing))
        return fail(tr("The detail %1 is sorted by %2, a column its data source %3 does not have")
                        .arg(detail.id, missing, source->id()));
    source->setRowOrder(order);
    return true;
}

QStringList NCReportDirector::groupKeys(const NCReportDetail& detail)
{
    QStringList keys;
    keys.reserve(detail.groups.size());
    for (const NCReportGroup& group : detail.groups) {
        QString key = group.expression;
        m_evaluator->evaluate(key, NCReportItem::Template);
        keys.append(key);
    }
    return keys;
}

bool NCReportDirector::printGroupFooters(const NCReportDetail& detail, int from)
{
    bool ok = true;
    for (int group = detail.groups.size() - 1; ok && group >= from; --group)
        ok = printSection(detail.groups.at(group).footer);
    return ok;
}

void NCReportDirector::accumulateVariables()
{
    const QVector<NCReportVariable>& variables = m_def->variables();
    for (int i = 0; i < variables.size(); ++i) {
        Accumulator& accumulator = m_accumulators[i];
        ++accumulator.count;
        bool isNumber = false;
        const double number =
            m_evaluator->evaluateValue(variables.at(i).expression, NCReportItem::Template).toDouble(&isNumber);
        if (!isNumber)
            continue;
        accumulator.minimum = accumulator.numbers ? qMin(accumulator.minimum, number) : number;
        accumulator.maximum = accumulator.numbers ? qMax(accumulator.maximum, number) : number;
        accumulator.sum += number;
        ++accumulator.numbers;
    }
}

void NCReportDirector::resetVariables(const QString& group)
{
    const QVector<NCReportVariable>& variables = m_def->variables();
    for (int i = 0; i < variables.size(); ++i) {
        if (variables.at(i).resetGroup == group)
            m_accumulators[i] = Accumulator();
    }
}

bool NCReportDirector::hasVariable(const QString& name) const
{
    if (name == pageNumberName || name == pageCountName)
        return true;
    if (!m_def)
        return false;
    for (const NCReportVariable& variable : m_def->variables()) {
        if (variable.id == name)
            return true;
    }
    return false;
}

QVariant NCReportDirector::variableValue(const QString& name) const
{
    if (name == pageNumberName)
        return m_pageNumber;
    if (name == pageCountName)
        return m_pageCount;
    if (!m_def)
        return QVariant();
    const QVector<NCReportVariable>& variables = m_def->variables();
    for (int i = 0; i < variables.size() && i < m_accumulators.size(); ++i) {
        if (variables.at(i).id != name)
            continue;
        const Accumulator& accumulator = m_accumulators.at(i);
        switch (variables.at(i).function) {
        case NCReportVariable::Count:
            return accumulator.count;
        case NCReportVariable::Sum:
            return accumulator.sum;
        case NCReportVariable::Average:
            return accumulator.numbers ? QVariant(accumulator.sum / accumulator.numbers) : QVariant();
        case NCReportVariable::Minimum:
            return accumulator.numbers ? QVariant(accumulator.minimum) : QVariant();
        case NCReportVariable::Maximum:
            return accumulator.numbers ? QVariant(accumulator.maximum) : QVariant();
        }
    }
    return QVariant();
}

void NCReportDirector::warnOnce(const QString& message)
{
    if (m_warnings.contains(message))
        return;
    m_warnings.insert(message);
    qWarning().noquote() << message;
}

bool NCReportDirector::printSection(const NCReportSection& section)
{
    if (section.isEmpty())
        return true;
    // A section taller than a whole page is printed on a page of its own, cut at the bottom,
    // rather than asking for new pages for ever.
    if (m_y + section.height > m_contentBottom && m_y > m_contentTop) {
        finishPage();
        if (!startPage())
            return false;
    }
    paintSection(section, m_y);
    m_y += section.height;
    return true;
}

void NCReportDirector::paintSection(const NCReportSection& section, qreal top)
{
    if (!m_output)
        return;
    if (m_output->recordsPages())
        m_output->recordBand(section, m_sectionPainter.record(section, top));
    else
        m_sectionPainter.paint(section, top);
}

bool NCReportDirector::breakPageWhen(const QString& condition)
{
    if (condition.isEmpty() || m_y <= m_contentTop || !m_sectionPainter.conditionHolds(condition))
        return true;
    finishPage();
    return startPage();
}

bool NCReportDirector::startPage()
{
    if (m_output) {
        const bool records = m_output->recordsPages();
        QPainter* painter = records ? nullptr : m_output->newPage();
        if (records ? !m_output->recordPage() : !painter)
            return fail(tr("Cannot start page %1: %2").arg(m_pageNumber + 1).arg(m_output->errorString()));
        if (painter)
            m_sectionPainter.setPainter(painter);
    }
    ++m_pageNumber;
    paintSection(m_def->pageHeader(), 0);
    m_y = m_contentTop = m_def->pageHeader().height;
    m_contentBottom = m_pageHeight - m_def->pageFooter().height;
    return true;
}

void NCReportDirector::finishPage()
{
    const NCReportSection& footer = m_def->pageFooter();
    paintSection(footer, m_pageHeight - footer.height);
}
