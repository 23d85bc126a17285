#include "zcncreportfieldeditcontrol.h"

#include "zcncreportdesigner.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QTextEdit>

namespace {

const QLatin1String dataSourceStart("$D{");

// The data sources of item-model type of the report being designed, as (id, item model id).
QList<QPair<QString, QString>> designerDataSources()
{
    QList<QPair<QString, QString>> dataSources;
    if (const ZCNCReportDesigner* designer = GetNCReportDesigner())
        designer->GetDataSourcesItemsModels(dataSources);
    return dataSources;
}

} // namespace

ZCNCReportFieldEditControl::ZCNCReportFieldEditControl(bool wrap, QWidget* editor, QWidget* parent)
    : QWidget(parent)
    , m_combo(new QComboBox(this))
    , m_wrap(wrap)
    , m_editor(editor)
{
    auto* layout = new QHBoxLayout(this);
    if (editor)
        layout->addWidget(editor, 100);
    layout->addWidget(m_combo, 1);
    for (const auto& dataSource : designerDataSources())
        m_combo->addItem(dataSource.first, dataSource.second);
    m_combo->setVisible(m_combo->count() > 0);
}

ZCNCReportFieldEditControl::~ZCNCReportFieldEditControl() = default;

void ZCNCReportFieldEditControl::AddDataSourceVacio(const QString& value)
{
    m_combo->insertItem(0, QString(), value);
    if (m_combo->isHidden())
        m_combo->show();
}

void ZCNCReportFieldEditControl::emitTextEdited(QString szText)
{
    if (m_busy)
        return;
    QScopedValueRollback<bool> busy(m_busy, true);
    // Without any entry there is no data source to put in front: the text is the expression.
    if (m_combo->count() == 0) {
        emit textEdited(szText);
        return;
    }
    if (m_combo->currentText().isEmpty()) {
        emit textEdited(m_combo->currentData().toString());
        return;
    }
    bool ok = true;
    const QString expression = composed(szText, ok);
    if (ok)
        emit textEdited(expression);
}

// The expression for what the user typed: prefixed with the data source when there is a choice
// of them, and put into the stored expression's "$D{...}" when the control wraps. A stored
// expression whose "$D{" is never closed cannot take it (`ok` false).
QString ZCNCReportFieldEditControl::composed(const QString& text, bool& ok) const
{
    QString expression = text;
    if (m_combo->count() >= 2 && !expression.isEmpty())
        expression = m_combo->currentText() + QLatin1Char('.') + expression;
    if (!m_wrap || expression.isEmpty())
        return expression;
    const int start = m_fullText.indexOf(dataSourceStart);
    if (start < 0)
        return dataSourceStart + expression + QLatin1Char('}');
    const int inner = start + dataSourceStart.size();
    const int end = m_fullText.indexOf(QLatin1Char('}'), inner);
    ok = end >= 0;
    return ok ? QString(m_fullText).replace(inner, end - inner, expression) : QString();
}

void ZCNCReportFieldEditControl::SetText(QString szText)
{
    if (m_busy)
        return;
    QScopedValueRollback<bool> busy(m_busy, true);
    m_fullText = szText;
    QString part = szText;
    if (m_wrap) {
        const int start = szText.indexOf(dataSourceStart);
        const int end = start < 0 ? -1 : szText.indexOf(QLatin1Char('}'), start + dataSourceStart.size());
        if (end >= 0)
            part = szText.mid(start + dataSourceStart.size(), end - start - dataSourceStart.size());
    }
    // The no-data-source entry's value stands for that entry: the editor shows nothing.
    int entry = 0;
    for (int i = 0; i < m_combo->count(); ++i) {
        const QString id = m_combo->itemText(i);
        if (id.isEmpty() && !part.isEmpty() && part == m_combo->itemData(i).toString()) {
            entry = i;
            part.clear();
            break;
        }
        if (!id.isEmpty() && part.startsWith(id + QLatin1Char('.'))) {
            entry = i;
            part.remove(0, id.size() + 1);
            break;
        }
    }
    if (m_combo->count() > 0)
        m_combo->setCurrentIndex(entry);
    SetTextEditor(part);
}

void ZCNCReportFieldEditControl::onSetTextFromTextEdit()
{
    if (auto* textEdit = qobject_cast<QTextEdit*>(sender()))
        SetText(textEdit->toPlainText());
    else if (auto* plainTextEdit = qobject_cast<QPlainTextEdit*>(sender()))
        SetText(plainTextEdit->toPlainText());
}

void ZCNCReportFieldEditControl::SetTextEditor(const QString&)
{
}

void ZCNCReportFieldEditControl::SetBoolSetting(bool)
{
}
