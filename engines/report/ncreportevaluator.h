#pragma once

#include "ncreportdatasource.h"
#include "ncreportdef.h"
#include "ncreportdirector.h"
#include "ncreportitem.h"

#include <QCoreApplication>
#include <QPointer>
#include <QVariant>


/*!
    Works out the texts and values of a report while it runs.

    References: "$D{source.column}" (a data-source value), "$P{name}" (a report parameter) and
    "$V{name}" (a variable of the report, or the page number "pageNumber"). A data-source
    expression, the text inside "$D{...}", is one of

        column                  a column of the data source the director is running
        source.column           a column of the named data source
        source.column,row       that column at the given row (from 0); the cursor comes back
        source.function(column) count(), sum(column), avg(...), min(...), max(...), rowNumber()

    and a column may end with ":role", an item role by number or name (display, edit, tooltip,
    statustip, whatsthis, user), for item-model sources.

    The evaluator is a plain value: the director copies the one the report was given. Subclasses
    override getDataSourceValue() and read the state it leaves behind: the data source and column
    of the last value read, and the item role.
*/
class NCREPORT_EXPORT NCReportEvaluator
{
    Q_DECLARE_TR_FUNCTIONS(NCReportEvaluator)

public:
    NCReportEvaluator();
    NCReportEvaluator(const NCReportEvaluator& other);
    NCReportEvaluator& operator=(const NCReportEvaluator& other);
    virtual ~NCReportEvaluator();

    void setReportDef(NCReportDef* def) { m_reportDef = def; }
    NCReportDef* reportDef() const { return m_reportDef; }
    void setDirector(NCReportDirector* director) { m_director = director; }
    NCReportDirector* director() const { return m_director; }
    void setParameters(const QVariantMap& parameters) { m_parameters = parameters; }
    const QVariantMap& parameters() const { return m_parameters; }
    // The locale of formatted values (the report's, set by the director).
    void setLocale(const QLocale& locale) { m_locale = locale; }
    QLocale locale() const { return m_locale; }

    // Replaces `text` by its value as the source type reads it, each reference's value printed
    // in `format`; false (the text left as far as it was evaluated) when a reference is unknown,
    // unclosed or cannot be read.
    // When `value` is given it gets the value itself where the text is one reference (a number
    // stays a number), and an invalid value where it is text with references in it.
    bool evaluate(QString& text, NCReportItem::SourceType type, const NCReportValueFormat& format = {},
                  QVariant* value = nullptr);
    // The value itself: a template that is one reference gives that reference's value, not text.
    QVariant evaluateValue(const QString& text, NCReportItem::SourceType type, bool* ok = nullptr);
    // Whether a condition holds: a template whose value is not empty, "false" or zero, or two
    // templates compared with ==, !=, <, <=, > or >= (as numbers when both are numbers, else as
    // text). An empty condition holds. `ok` false when a reference cannot be evaluated.
    bool evaluateCondition(const QString& condition, bool* ok = nullptr);

    // The printed text of a value: numbers without the noise of binary fractions (a sum of
    // 120.5 and 89.9 prints 210.4), in the C locale, so that a report reads the same everywhere.
    static QString valueText(const QVariant& value);

    virtual bool getDataSourceValue(const QString& expression, QVariant& result);

    // Splits a data-source expression (optionally wrapped in "$D{" and "}") into its parts;
    // `row` is -1 when none is given. False for text that is not an expression.
    bool parseDataSourceExpression(const QString& expression, QString& dataSourceId, QString& column,
                                   QString& function, int& row) const;
    // Takes a ":role" ending off `column` and makes it the item role (display when none).
    void getItemRoleInfo(QString& column);
    bool evaluateFunctionValue(NCReportDataSource* dataSource, const QString& function, const QString& column,
                               QVariant& result);

    NCReportDataSource* currentDataSource() const { return m_currentDataSource; }
    int currentColumn() const { return m_currentColumn; }
    int itemRole() const { return m_itemRole; }

    // The data source of the detail the director is running, or null.
    NCReportDataSource* directorDataSource() const;
    NCReportDataSource* dataSource(const QString& id) const;

protected:
    // Reads `column` at the cursor of `source`, or at `row` when it is not -1 (the cursor then
    // comes back). A column the source does not have gives false, and the run warns once about
    // it: a field that prints nothing should say why.
    bool readColumn(NCReportDataSource* source, const QString& column, int row, QVariant& result);

    // The data source, column and role of the last value read.
    QPointer<NCReportDataSource> m_currentDataSource;
    int m_currentColumn = -1;
    int m_itemRole = Qt::DisplayRole;

private:
    bool referenceValue(QChar kind, const QString& name, QVariant& result);
    // A template with its references replaced by their values printed in `format`.
    QString templateText(const QString& text, const NCReportValueFormat& format, bool& ok);
    QVariant variableValue(const QString& name, bool& ok) const;

    QPointer<NCReportDef> m_reportDef;
    QPointer<NCReportDirector> m_director;
    QVariantMap m_parameters;
    QLocale m_locale;
};
