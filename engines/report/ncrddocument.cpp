#include "ncrddocument.h"

#include "ncrddatasourcedialog.h"
#include "ncrdfieldpropdialog.h"
#include "ncrdvariabledialog.h"
#include "ncreportdef.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QMessageBox>
#include <QSaveFile>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <functional>

namespace {

bool isSection(const QString& tag)
{
    static const QStringList sections{QStringLiteral("pageHeader"), QStringLiteral("pageFooter"),
                                      QStringLiteral("detail"),     QStringLiteral("group"),
                                      QStringLiteral("header"),     QStringLiteral("footer")};
    return sections.contains(tag);
}

bool isItem(const QString& tag)
{
    static const QStringList items{QStringLiteral("label"), QStringLiteral("field"),
                                   QStringLiteral("image"), QStringLiteral("barcode"),
                                   QStringLiteral("line"),  QStringLiteral("rectangle")};
    return items.contains(tag);
}

} // namespace

NCRDDocument::NCRDDocument(QWidget* parent)
    : QWidget(parent)
    , m_tree(new QTreeWidget(this))
{
    m_tree->setObjectName(QStringLiteral("sectionTree"));
    m_tree->setHeaderLabels({tr("Section or item"), tr("Text")});
    m_tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tree);
    connect(m_tree, &QTreeWidget::itemChanged, this, &NCRDDocument::itemTextEdited);
    connect(m_tree, &QTreeWidget::itemActivated, this, &NCRDDocument::editItemProperties);
    updateTitle();
}

NCRDDocument::~NCRDDocument() = default;

NCReportDef* NCRDDocument::reportDef() const
{
    return m_report ? m_report->reportDef() : nullptr;
}

bool NCRDDocument::fail(const NCReportError& error)
{
    m_errorString = error.toString();
    return false;
}

bool NCRDDocument::openFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return fail({fileName, 0, tr("Cannot read the file: %1").arg(file.errorString())});
    QDomDocument xml;
    QString message;
    int line = 0;
    if (!xml.setContent(&file, &message, &line))
        return fail({fileName, line, message});
    if (!load(xml, fileName))
        return false;
    setModified(false);
    return true;
}

bool NCRDDocument::load(const QDomDocument& xml, const QString& fileName)
{
    if (!readReport(xml, fileName))
        return false;
    m_xml = xml;
    m_fileName = fileName;
    fillTree();
    updateTitle();
    return true;
}

bool NCRDDocument::readReport(const QDomDocument& xml, const QString& fileName)
{
    auto report = std::make_unique<NCReport>();
    // Item models and the provider the host gave the previous report stay with the document.
    if (m_report) {
        report->setCustomDataSourceProvider(m_report->customDataSourceProvider());
        const auto models = m_report->itemModels();
        for (auto it = models.cbegin(); it != models.cend(); ++it)
            report->addItemModel(it.key(), it.value());
    }
    report->setReportSource(xml.toByteArray());
    if (!report->load())
        return fail({fileName, report->error().line, report->error().message});
    report->reportDef()->setFileName(fileName);
    m_report = std::move(report);
    m_errorString.clear();
    return true;
}

bool NCRDDocument::setXml(const QDomDocument& xml)
{
    if (!load(xml, m_fileName))
        return false;
    setModified(true);
    return true;
}

bool NCRDDocument::save()
{
    QSaveFile file(m_fileName);
    if (m_fileName.isEmpty() || !file.open(QIODevice::WriteOnly))
        return fail({m_fileName, 0, tr("Cannot write the file: %1").arg(file.errorString())});
    file.write(m_xml.toByteArray(2));
    if (!file.commit())
        return fail({m_fileName, 0, tr("Cannot write the file: %1").arg(file.errorString())});
    setModified(false);
    return true;
}

bool NCRDDocument::saveAs(const QString& fileName)
{
    const QString previous = m_fileName;
    m_fileName = fileName;
    if (save()) {
        updateTitle();
        return true;
    }
    m_fileName = previous;
    return false;
}

bool NCRDDocument::print(QPrinter* printer)
{
    if (!m_report)
        return fail({m_fileName, 0, tr("No report is open")});
    if (!m_report->runReportToPrinter(printer))
        return fail(m_report->error());
    return true;
}

void NCRDDocument::setModified(bool modified)
{
    if (modified == isWindowModified())
        return;
    setWindowModified(modified);
    Q_EMIT modificationChanged(modified);
}

void NCRDDocument::updateTitle()
{
    const QString name = m_fileName.isEmpty() ? tr("Untitled") : QFileInfo(m_fileName).fileName();
    setWindowTitle(name + QStringLiteral("[*]"));
}

void NCRDDocument::fillTree()
{
    const QSignalBlocker blocker(m_tree);
    m_tree->clear();
    m_elements.clear();
    // Sections nest (groups inside details, headers inside groups); items are their leaves.
    std::function<void(const QDomElement&, QTreeWidgetItem*)> add = [&](const QDomElement& parent,
                                                                        QTreeWidgetItem* parentRow) {
        for (QDomElement e = parent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
            const QString tag = e.tagName();
            if (!isSection(tag) && !isItem(tag))
                continue;
            auto* row = parentRow ? new QTreeWidgetItem(parentRow) : new QTreeWidgetItem(m_tree);
            const QString id = e.attribute(QStringLiteral("id"));
            row->setText(0, id.isEmpty() ? tag : tag + QLatin1Char(' ') + id);
            m_elements.insert(row, e);
            if (isItem(tag) && tag != QLatin1String("line") && tag != QLatin1String("rectangle")) {
                row->setText(1, e.text());
                row->setFlags(row->flags() | Qt::ItemIsEditable);
            }
            add(e, row);
        }
    };
    add(m_xml.documentElement(), nullptr);
    m_tree->expandAll();
}

void NCRDDocument::itemTextEdited(QTreeWidgetItem* row, int column)
{
    QDomElement element = m_elements.value(row);
    if (column != 1 || element.isNull())
        return;
    const QString previous = element.text();
    const QString text = row->text(1);
    if (text == previous)
        return;
    setElementText(element, text);
    if (readReport(m_xml, m_fileName)) {
        setModified(true);
        return;
    }
    // The engine refuses the text: the element and the row keep what they had.
    setElementText(element, previous);
    const QSignalBlocker blocker(m_tree);
    row->setText(1, previous);
}

void NCRDDocument::setElementText(QDomElement& element, const QString& text)
{
    while (!element.firstChild().isNull())
        element.removeChild(element.firstChild());
    element.appendChild(m_xml.createTextNode(text));
}

void NCRDDocument::editItemProperties(QTreeWidgetItem* row)
{
    QDomElement element = m_elements.value(row);
    static const QStringList withProperties{QStringLiteral("field"), QStringLiteral("image"),
                                            QStringLiteral("barcode")};
    if (element.isNull() || !withProperties.contains(element.tagName()))
        return;
    const QDomNode before = element.cloneNode(true);
    // A child of the document, so that whoever watches the document sees the dialog come.
    NCRDFieldPropDialog dialog(element, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!applyEdit(element, before)) {
        m_elements.insert(row, before.toElement());
        return;
    }
    const QSignalBlocker blocker(m_tree);
    row->setText(1, element.text());
}

bool NCRDDocument::applyEdit(QDomElement& element, const QDomNode& before)
{
    if (readReport(m_xml, m_fileName)) {
        setModified(true);
        return true;
    }
    // The engine refuses what the dialog wrote: the element keeps what it had.
    QMessageBox::warning(this, tr("Report designer"), m_errorString);
    element.parentNode().replaceChild(before, element);
    readReport(m_xml, m_fileName);
    return false;
}

template<class Dialog>
bool NCRDDocument::editElement(const QString& tag)
{
    QDomElement element = m_xml.documentElement().firstChildElement(tag);
    if (element.isNull())
        return false;
    const QDomNode before = element.cloneNode(true);
    // Deleted before this returns, so that whoever watches the document sees it go.
    auto* dialog = new Dialog(element, this);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    delete dialog;
    return accepted && applyEdit(element, before);
}

bool NCRDDocument::editDataSources()
{
    return editElement<NCRDDataSourceDialog>(QStringLiteral("datasources"));
}

bool NCRDDocument::editVariables()
{
    return editElement<NCRDVariableDialog>(QStringLiteral("variables"));
}

bool NCRDDocument::maybeSave()
{
    if (!isModified())
        return true;
    QMessageBox question(QMessageBox::Warning, tr("Report designer"),
                         tr("The report %1 has been modified.\nDo you want to save your changes?")
                             .arg(QFileInfo(m_fileName).fileName()),
                         QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    question.setObjectName(QStringLiteral("saveQuestion"));
    question.setDefaultButton(QMessageBox::Save);
    switch (question.exec()) {
    case QMessageBox::Save:
        if (save())
            return true;
        QMessageBox::warning(this, tr("Report designer"), m_errorString);
        return false;
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void NCRDDocument::closeEvent(QCloseEvent* event)
{
    if (maybeSave())
        event->accept();
    else
        event->ignore();
}
