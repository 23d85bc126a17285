#pragma once

#include "ncreportdef.h"
#include "ncreporterror.h"
#include "ncreportsectionpainter.h"

#include <QObject>
#include <QPointer>
#include <QSet>
#include <QVector>

class NCReportDataSource;
struct NCReportDetail;
class NCReportEvaluator;
class NCReportOutput;

/*!
    Runs a report definition onto an output: the page header at the top of every page and the
    footer at its bottom; the report header once, on the first page; for each detail in turn,
    every row of its data source through the group headers and footers (a group changes where
    its expression's value does) and the detail section, starting a new page where a section no
    longer fits; the report footer once, after the last detail. Variables accumulate on every
    detail row and start again with the groups that reset them. The details' data sources are
    open for the whole run: the report header reads them at their first rows, the report footer
    at their last.

    A report that prints the number of pages ($V{pageCount}) is laid out once: its pages are
    recorded with a mark in place of the number, filled in when the run ends (see
    NCReportRecordedPages), and an output that paints pages as they come (a PDF, a printer)
    gets them painted from that recording. Only a report that needs the number to lay itself
    out (a condition, a group or a variable that asks for it) is laid out twice: first without
    output, to count its pages, the output able to cancel after every page counted.

    The evaluator belongs to the caller; the director points it at the definition and at itself
    for the time of the run.
*/
class NCREPORT_EXPORT NCReportDirector : public QObject
{
    Q_OBJECT

public:
    NCReportDirector(NCReportDef* def, NCReportEvaluator* evaluator, QObject* parent = nullptr);
    ~NCReportDirector() override;

    bool run(NCReportOutput* output);
    NCReportError error() const { return m_error; }

    // How a report uses its number of pages, from none to the most demanding.
    enum class PageCountUse { None, Printed, LaysOut };
    static PageCountUse pageCountUse(const NCReportDef& def);

    NCReportDef* reportDef() const { return m_def; }
    // The detail being run, -1 outside a run.
    int currentDetailIndex() const { return m_detailIndex; }
    int pageNumber() const { return m_pageNumber; }

    // Report variables, "pageNumber" and "pageCount".
    bool hasVariable(const QString& name) const;
    QVariant variableValue(const QString& name) const;

    // Writes `message` to the log the first time the run meets it: a fault of the report shows
    // up once, not once per row.
    void warnOnce(const QString& message);

private:
    struct OpenSource {
        QPointer<NCReportDataSource> source;
        int orderedBy = -1;
    };
    struct Accumulator {
        int count = 0;
        int numbers = 0;
        double sum = 0;
        double minimum = 0;
        double maximum = 0;
    };

    bool fail(const QString& message);
    // Ends the output; false when the run or the output failed.
    bool finish(NCReportOutput* output, bool ok);
    // Records the report, then paints the recorded pages onto `output`, which paints pages as
    // they come and so needs the number of pages before the first.
    bool recordThenPaint(NCReportOutput* output);
    // Lays out every page: painted onto m_output, or only counted while it is null.
    bool runPages();
    // Opens the data source of every detail for the whole run, so that the report header (at
    // their first rows) and footer (at their last) read them too; each in the order of the first
    // detail that runs it.
    bool openDetailSources();
    void closeDetailSources();
    OpenSource* openedSource(NCReportDataSource* source);
    bool runDetail(const NCReportDetail& detail);
    // Puts the rows of `source` in the order of the detail `detailIndex`, unless they are already.
    bool orderRows(int detailIndex, NCReportDataSource* source);
    // Puts the rows of the detail's open source in the detail's order, if it has one.
    bool sortRows(const NCReportDetail& detail, NCReportDataSource* source);
    QStringList groupKeys(const NCReportDetail& detail);
    bool printGroupFooters(const NCReportDetail& detail, int from);
    void accumulateVariables();
    void resetVariables(const QString& group);
    bool printSection(const NCReportSection& section);
    void paintSection(const NCReportSection& section, qreal top);
    // A new page before what follows, when the condition holds and the page is not fresh.
    bool breakPageWhen(const QString& condition);
    bool startPage();
    void finishPage();

    QPointer<NCReportDef> m_def;
    NCReportEvaluator* m_evaluator;
    NCReportSectionPainter m_sectionPainter;
    NCReportOutput* m_output = nullptr;
    // The output a counting run lays the pages out for, told of each page counted.
    NCReportOutput* m_countingFor = nullptr;
    NCReportError m_error;
    QVector<Accumulator> m_accumulators;
    QSet<QString> m_warnings;
    // The sources the run opened, and the detail whose order each has (-1: their own).
    QVector<OpenSource> m_openSources;
    int m_detailIndex = -1;
    int m_pageNumber = 0;
    // Counted by a first run when the report lays itself out by it; 0 otherwise.
    int m_pageCount = 0;
    // Whether $V{pageCount} gives the mark that the recording fills in when the run ends.
    bool m_pageCountPending = false;
    // Millimetres from the top of the printable area: where the next section goes, where this
    // page's content starts (under its header) and where it must end (over its footer).
    qreal m_y = 0;
    qreal m_contentTop = 0;
    qreal m_contentBottom = 0;
    qreal m_pageHeight = 0;
};
