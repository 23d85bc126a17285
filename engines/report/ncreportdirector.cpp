#include "ncreportdirector.h"

#include "ncreportdatasource.h"
#include "ncreportdef.h"
#include "ncreportevaluator.h"
#include "ncreportoutput.h"
#include "ncreportrecordingoutput.h"
#include "ncreportrowsorter.h"

#include <QDebug>

#include <algorithm>

namespace {

const QLatin1String pageNumberName("pageNumber");
const QLatin1String pageCountName("pageCount");

bool mentions(const QString& text)
{
    return text.contains(pageCountName);
}

// What the texts of a section need: the number of pages printed (in a field or a barcode), or
// known while the run lays the page out (in a condition, or in an image's path, which is read
// as the band is recorded).
NCReportDirector::PageCountUse sectionPageCountUse(const NCReportSection& section)
{
    NCReportDirector::PageCountUse use = NCReportDirector::PageCountUse::None;
    for (const NCReportItem& item : section.items) {
        if (mentions(item.printWhen) || (item.type == NCReportItem::Image && mentions(item.text)))
            return NCReportDirector::PageCountUse::LaysOut;
        if ((item.type == NCReportItem::Field || item.type == NCReportItem::Barcode) && mentions(item.text))
            use = NCReportDirector::PageCountUse::Printed;
    }
    return use;
}

} // namespace

NCReportDirector::PageCountUse NCReportDirector::pageCountUse(const NCReportDef& def)
{
    using Use = PageCountUse;
    if (std::any_of(def.variables().cbegin(), def.variables().cend(),
                    [](const NCReportVariable& variable) { return mentions(variable.expression); }))
        return Use::LaysOut;
    // A plain text search: a false alarm only costs time.
    QVector<const NCReportSection*> sections{&def.pageHeader(), &def.pageFooter(), &def.reportHeader(),
                                             &def.reportFooter()};
    for (const NCReportDetail& detail : def.details()) {
        if (mentions(detail.pageBreakCondition))
            return Use::LaysOut;
        sections.append(&detail.section);
        for (const NCReportGroup& group : detail.groups) {
            if (mentions(group.expression) || mentions(group.pageBreakCondition))
                return Use::LaysOut;
            sections.append(&group.header);
            sections.append(&group.footer);
        }
    }
    Use use = Use::None;
    for (const NCReportSection* section : qAsConst(sections))
        use = qMax(use, sectionPageCountUse(*section));
    return use;
}

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
    const PageCountUse use = pageCountUse(*m_def);
    if (use == PageCountUse::Printed && !output->recordsPages())
        return recordThenPaint(output);

    bool ok = output->begin(layout) || fail(output->errorString());
    output->recordReport(m_def->reportName(), m_def->locale());
    if (ok && use == PageCountUse::LaysOut) {
        m_countingFor = output;
        ok = runPages();
        m_countingFor = nullptr;
        m_pageCount = m_pageNumber;
    }
    // The number of pages is printed as a mark that the recording fills in when the run ends:
    // the report is laid out once, and its first page is ready as soon as it is laid out.
    m_pageCountPending = use == PageCountUse::Printed;
    m_output = output;
    ok = ok && runPages();
    m_output = nullptr;
    m_pageCountPending = false;
    return finish(output, ok);
}

bool NCReportDirector::finish(NCReportOutput* output, bool ok)
{
    const bool ended = output->end();
    return ok && (ended || fail(tr("The output cannot be finished: %1").arg(output->errorString())));
}

bool NCReportDirector::recordThenPaint(NCReportOutput* output)
{
    NCReportRecordingOutput recording;
    if (!run(&recording))
        return false;
    const NCReportRecordedPages& pages = *recording.pages();
    bool ok = output->begin(pages.pageLayout()) || fail(output->errorString());
    for (int page = 0; ok && page < pages.pageCount(); ++page) {
        QPainter* painter = output->newPage();
        ok = painter || fail(tr("Cannot start page %1: %2").arg(page + 1).arg(output->errorString()));
        if (ok)
            pages.paintPage(page, painter);
    }
    return finish(output, ok);
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
        return m_pageCountPending ? QVariant(QString(NCReportRecordedPages::pageCountMark())) : QVariant(m_pageCount);
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
    if (m_countingFor && m_pageNumber > 0 && !m_countingFor->pageCounted(m_pageNumber))
        return fail(tr("Cannot start page %1: %2").arg(m_pageNumber + 1).arg(m_countingFor->errorString()));
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
