#include "ncrddocument.h"

#include "ncrdbarcodepropdialog.h"
#include "ncrddatasourcedialog.h"
#include "ncrddetaildialog.h"
#include "ncrdfieldpropdialog.h"
#include "ncrdgraphpropdialog.h"
#include "ncrdgroupdialog.h"
#include "ncrdimagepropdialog.h"
#include "ncrdreportxml.h"
#include "ncrdsectiondialog.h"
#include "ncrdtextpropdialog.h"
#include "ncrdvariabledialog.h"
#include "ncreportdef.h"

#include <algorithm>

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QMessageBox>
#include <QSaveFile>
#include <QSignalBlocker>
#include <QToolBar>
#include <QSet>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <functional>

namespace {

bool isSection(const QString& tag)
{
    static const QStringList sections{QStringLiteral("pageHeader"),   QStringLiteral("pageFooter"),
                                      QStringLiteral("reportHeader"), QStringLiteral("reportFooter"),
                                      QStringLiteral("detail"),       QStringLiteral("group"),
                                      QStringLiteral("header"),       QStringLiteral("footer")};
    return sections.contains(tag);
}

bool isItem(const QString& tag)
{
    static const QStringList items{QStringLiteral("label"), QStringLiteral("field"),
                                   QStringLiteral("image"), QStringLiteral("barcode"),
                                   QStringLiteral("line"),  QStringLiteral("rectangle")};
    return items.contains(tag);
}

// Sections that hold items; a group holds only its header and footer.
bool holdsItems(const QString& tag)
{
    return isSection(tag) && tag != QLatin1String("group");
}

const QString fileAttribute = QStringLiteral("file");

// The text an item shows in the tree: an image's is its file, which the engine reads from the
// attribute followed by the element's text.
QString itemText(const QDomElement& item)
{
    return item.tagName() == QLatin1String("image") ? item.attribute(fileAttribute) + item.text() : item.text();
}

std::unique_ptr<NCRDPropertyDialog> propertyDialog(const QDomElement& element, QWidget* parent)
{
    const QString tag = element.tagName();
    if (tag == QLatin1String("field"))
        return std::make_unique<NCRDFieldPropDialog>(element, parent);
    if (tag == QLatin1String("label"))
        return std::make_unique<NCRDTextPropDialog>(element, parent);
    if (tag == QLatin1String("image"))
        return std::make_unique<NCRDImagePropDialog>(element, parent);
    if (tag == QLatin1String("barcode"))
        return std::make_unique<NCRDBarcodePropDialog>(element, parent);
    if (tag == QLatin1String("line") || tag == QLatin1String("rectangle"))
        return std::make_unique<NCRDGraphPropDialog>(element, parent);
    if (tag == QLatin1String("detail"))
        return std::make_unique<NCRDDetailDialog>(element, parent);
    if (tag == QLatin1String("group"))
        return std::make_unique<NCRDGroupDialog>(element, parent);
    if (isSection(tag))
        return std::make_unique<NCRDSectionDialog>(element, parent);
    return nullptr;
}

// Where a new item of that kind starts: the top left corner of its section, a usable size.
void setDefaultGeometry(QDomElement& item)
{
    const QString tag = item.tagName();
    if (tag == QLatin1String("line")) {
        for (const char* name : {"x1", "y1", "y2"})
            item.setAttribute(QLatin1String(name), 0);
        item.setAttribute(QStringLiteral("x2"), 40);
        return;
    }
    const bool isSquare = tag == QLatin1String("image");
    const bool isTall = tag == QLatin1String("barcode") || tag == QLatin1String("rectangle");
    item.setAttribute(QStringLiteral("x"), 0);
    item.setAttribute(QStringLiteral("y"), 0);
    item.setAttribute(QStringLiteral("width"), isSquare ? 20 : 40);
    item.setAttribute(QStringLiteral("height"), isSquare ? 20 : (isTall ? 10 : 6));
}

// The nearest sibling in the direction of `step` that is of the same kind: items among items,
// sections among sections of the same tag.
QDomElement siblingOfKind(const QDomElement& element, int step)
{
    const QString tag = element.tagName();
    const auto sameKind = [&](const QDomElement& other) {
        return isItem(tag) ? isItem(other.tagName()) : other.tagName() == tag;
    };
    QDomElement sibling = step < 0 ? element.previousSiblingElement() : element.nextSiblingElement();
    while (!sibling.isNull() && !sameKind(sibling))
        sibling = step < 0 ? sibling.previousSiblingElement() : sibling.nextSiblingElement();
    return sibling;
}

QDomElement ancestorOrSelf(QDomElement element, const QString& tag)
{
    while (!element.isNull() && element.tagName() != tag)
        element = element.parentNode().toElement();
    return element;
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
    layout->setSpacing(0);
    createToolBar(layout);
    layout->addWidget(m_tree);
    connect(m_tree, &QTreeWidget::itemChanged, this, &NCRDDocument::itemTextEdited);
    connect(m_tree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* row) {
        m_tree->setCurrentItem(row);
        editProperties();
    });
    connect(m_tree, &QTreeWidget::currentItemChanged, this, &NCRDDocument::updateActions);
    updateTitle();
    updateActions();
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
    NCReportError error;
    if (!NCRDReportXml::read(file.readAll(), xml, error))
        return fail({fileName, error.line, error.message});
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
    report->setCustomDataSourceProvider(m_provider);
    // Item models the host gave the previous report stay with the document.
    if (m_report) {
        const auto models = m_report->itemModels();
        for (auto it = models.cbegin(); it != models.cend(); ++it)
            report->addItemModel(it.key(), it.value());
    }
    report->setReportSource(NCRDReportXml::write(xml));
    if (!report->load())
        return fail({fileName, report->error().line, report->error().message});
    report->reportDef()->setFileName(fileName);
    m_report = std::move(report);
    m_errorString.clear();
    return true;
}

void NCRDDocument::setCustomDataSourceProvider(NCReportCustomDSProvider* provider)
{
    m_provider = provider;
    if (m_report)
        readReport(m_xml, m_fileName);
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
    file.write(NCRDReportXml::write(m_xml));
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
                row->setText(1, itemText(e));
                row->setFlags(row->flags() | Qt::ItemIsEditable);
            }
            add(e, row);
        }
    };
    add(m_xml.documentElement(), nullptr);
    m_tree->expandAll();
    updateActions();
}

void NCRDDocument::itemTextEdited(QTreeWidgetItem* row, int column)
{
    QDomElement element = m_elements.value(row);
    if (column != 1 || element.isNull())
        return;
    const QString previous = itemText(element);
    const QString text = row->text(1);
    if (text == previous)
        return;
    const QDomNode before = element.cloneNode(true);
    setElementText(element, text);
    if (readReport(m_xml, m_fileName)) {
        setModified(true);
        return;
    }
    // The engine refuses the text: the element and the row keep what they had.
    element.parentNode().replaceChild(before, element);
    m_elements.insert(row, before.toElement());
    readReport(m_xml, m_fileName);
    const QSignalBlocker blocker(m_tree);
    row->setText(1, previous);
}

void NCRDDocument::setElementText(QDomElement& element, const QString& text)
{
    while (!element.firstChild().isNull())
        element.removeChild(element.firstChild());
    if (element.tagName() == QLatin1String("image")) {
        element.setAttribute(fileAttribute, text);
        return;
    }
    element.appendChild(m_xml.createTextNode(text));
}

void NCRDDocument::createToolBar(QLayout* layout)
{
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("sectionToolBar"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const auto add = [this](auto* where, const QString& name, const QString& text, const std::function<void()>& slot) {
        QAction* action = slot ? where->addAction(text, this, slot) : where->addAction(text);
        action->setObjectName(name);
        m_actions.insert(name, action);
        return action;
    };
    // A button that opens its menu at once: its own action runs nothing.
    const auto addMenu = [&](const QString& name, const QString& text) {
        auto* menu = new QMenu(this);
        QAction* action = add(bar, name, text, nullptr);
        action->setMenu(menu);
        if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action)))
            button->setPopupMode(QToolButton::InstantPopup);
        return menu;
    };
    add(bar, QStringLiteral("actionProperties"), tr("Properties..."), [this] { editProperties(); });
    QMenu* items = addMenu(QStringLiteral("actionAddItem"), tr("Add item"));
    const std::pair<const char*, QString> kinds[] = {{"label", tr("Label")},   {"field", tr("Field")},
                                                     {"image", tr("Image")},   {"barcode", tr("Barcode")},
                                                     {"line", tr("Line")},     {"rectangle", tr("Rectangle")}};
    for (const auto& kind : kinds) {
        const QString tag = QLatin1String(kind.first);
        add(items, QStringLiteral("actionAdd_") + tag, kind.second, [this, tag] { addItem(tag); });
    }
    QMenu* sections = addMenu(QStringLiteral("actionAddSection"), tr("Add section"));
    add(sections, QStringLiteral("actionAddGroup"), tr("Group"), [this] { addGroup(); });
    add(sections, QStringLiteral("actionAddDetail"), tr("Detail"), [this] { addDetail(); });
    add(sections, QStringLiteral("actionAddPageHeader"), tr("Page header"),
        [this] { addPageSection(QStringLiteral("pageHeader")); });
    add(sections, QStringLiteral("actionAddPageFooter"), tr("Page footer"),
        [this] { addPageSection(QStringLiteral("pageFooter")); });
    add(bar, QStringLiteral("actionRemove"), tr("Remove"), [this] { removeCurrent(); });
    add(bar, QStringLiteral("actionMoveUp"), tr("Move up"), [this] { moveCurrent(-1); });
    add(bar, QStringLiteral("actionMoveDown"), tr("Move down"), [this] { moveCurrent(1); });
    layout->addWidget(bar);
}

void NCRDDocument::updateActions()
{
    const QDomElement current = currentElement();
    const QString tag = current.tagName();
    const QDomElement report = m_xml.documentElement();
    const auto enable = [this](const char* name, bool enabled) {
        m_actions.value(QLatin1String(name))->setEnabled(enabled);
        return enabled;
    };
    const auto lacks = [&](const QString& page) { return !report.isNull() && report.firstChildElement(page).isNull(); };
    const bool isStructure = isItem(tag) || tag == QLatin1String("group") || tag == QLatin1String("detail");
    enable("actionProperties", isItem(tag) || isSection(tag));
    enable("actionAddItem", isItem(tag) || holdsItems(tag));
    const bool addableSections[] = {
        enable("actionAddGroup", !ancestorOrSelf(current, QStringLiteral("detail")).isNull()),
        enable("actionAddDetail", !report.isNull()),
        enable("actionAddPageHeader", lacks(QStringLiteral("pageHeader"))),
        enable("actionAddPageFooter", lacks(QStringLiteral("pageFooter")))};
    enable("actionAddSection", std::find(std::begin(addableSections), std::end(addableSections), true)
                                   != std::end(addableSections));
    enable("actionRemove", !current.isNull());
    enable("actionMoveUp", isStructure && !siblingOfKind(current, -1).isNull());
    enable("actionMoveDown", isStructure && !siblingOfKind(current, 1).isNull());
}

QDomElement NCRDDocument::currentElement() const
{
    return m_elements.value(m_tree->currentItem());
}

bool NCRDDocument::setCurrentElement(const QDomElement& element)
{
    for (auto it = m_elements.cbegin(); it != m_elements.cend(); ++it) {
        if (it.value() == element) {
            m_tree->setCurrentItem(const_cast<QTreeWidgetItem*>(it.key()));
            return true;
        }
    }
    return false;
}

bool NCRDDocument::editProperties()
{
    QDomElement element = currentElement();
    std::unique_ptr<NCRDPropertyDialog> dialog = propertyDialog(element, this);
    if (!dialog)
        return false;
    const QDomNode before = element.cloneNode(true);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    // Deleted before the report is read again, so that whoever watches the document sees it go.
    dialog.reset();
    if (!accepted)
        return false;
    const bool applied = applyEdit(element, before);
    fillTree();
    setCurrentElement(applied ? element : before.toElement());
    return applied;
}

QString NCRDDocument::uniqueId(const QString& tag, const QString& stem) const
{
    QSet<QString> taken;
    const QDomNodeList elements = m_xml.elementsByTagName(tag);
    for (int i = 0; i < elements.size(); ++i)
        taken.insert(elements.at(i).toElement().attribute(QStringLiteral("id")));
    for (int number = 1;; ++number) {
        const QString id = stem + QString::number(number);
        if (!taken.contains(id))
            return id;
    }
}

bool NCRDDocument::applyStructureEdit(const QDomDocument& before, const QDomElement& current)
{
    if (!readReport(m_xml, m_fileName)) {
        QMessageBox::warning(this, tr("Report designer"), m_errorString);
        m_xml = before;
        readReport(m_xml, m_fileName);
        fillTree();
        return false;
    }
    fillTree();
    setCurrentElement(current);
    setModified(true);
    return true;
}

bool NCRDDocument::addItem(const QString& tag)
{
    const QDomElement current = currentElement();
    const bool afterItem = isItem(current.tagName());
    QDomElement section = afterItem ? current.parentNode().toElement() : current;
    if (!isItem(tag) || !holdsItems(section.tagName()))
        return false;
    const QDomDocument before = m_xml.cloneNode(true).toDocument();
    QDomElement item = m_xml.createElement(tag);
    setDefaultGeometry(item);
    if (tag == QLatin1String("label"))
        item.appendChild(m_xml.createTextNode(tr("Label")));
    if (afterItem)
        section.insertAfter(item, current);
    else
        section.appendChild(item);
    return applyStructureEdit(before, item);
}

bool NCRDDocument::addGroup()
{
    QDomElement detail = ancestorOrSelf(currentElement(), QStringLiteral("detail"));
    if (detail.isNull())
        return false;
    const QDomDocument before = m_xml.cloneNode(true).toDocument();
    QDomElement group = m_xml.createElement(QStringLiteral("group"));
    group.setAttribute(QStringLiteral("id"), uniqueId(QStringLiteral("group"), QStringLiteral("group")));
    group.setAttribute(QStringLiteral("expression"), QStringLiteral("%CONST"));
    // Groups nest in their order: the new one goes inside the others, first when there are none.
    const QDomElement innermost = detail.lastChildElement(QStringLiteral("group"));
    if (innermost.isNull())
        detail.insertBefore(group, QDomNode());
    else
        detail.insertAfter(group, innermost);
    return applyStructureEdit(before, group);
}

bool NCRDDocument::addDetail()
{
    QDomElement report = m_xml.documentElement();
    const QDomElement firstSource =
        report.firstChildElement(QStringLiteral("datasources")).firstChildElement(QStringLiteral("datasource"));
    if (firstSource.isNull()) {
        m_errorString = tr("A detail needs a data source");
        return false;
    }
    const QDomDocument before = m_xml.cloneNode(true).toDocument();
    QDomElement detail = m_xml.createElement(QStringLiteral("detail"));
    detail.setAttribute(QStringLiteral("id"), uniqueId(QStringLiteral("detail"), QStringLiteral("detail")));
    detail.setAttribute(QStringLiteral("dataSource"), firstSource.attribute(QStringLiteral("id")));
    detail.setAttribute(QStringLiteral("height"), 6);
    const QDomElement last = report.lastChildElement(QStringLiteral("detail"));
    if (last.isNull())
        report.appendChild(detail);
    else
        report.insertAfter(detail, last);
    return applyStructureEdit(before, detail);
}

bool NCRDDocument::addPageSection(const QString& tag)
{
    QDomElement report = m_xml.documentElement();
    const bool header = tag == QLatin1String("pageHeader");
    if ((!header && tag != QLatin1String("pageFooter")) || report.isNull() || !report.firstChildElement(tag).isNull())
        return false;
    const QDomDocument before = m_xml.cloneNode(true).toDocument();
    QDomElement section = m_xml.createElement(tag);
    section.setAttribute(QStringLiteral("height"), 10);
    // The page sections come before the details, the header first, as the tree lists them.
    const QDomElement footer = report.firstChildElement(QStringLiteral("pageFooter"));
    const QDomElement next = header && !footer.isNull() ? footer : report.firstChildElement(QStringLiteral("detail"));
    report.insertBefore(section, next);
    return applyStructureEdit(before, section);
}

bool NCRDDocument::removeCurrent()
{
    QDomElement current = currentElement();
    if (current.isNull())
        return false;
    const QDomDocument before = m_xml.cloneNode(true).toDocument();
    QDomElement parent = current.parentNode().toElement();
    parent.removeChild(current);
    return applyStructureEdit(before, parent);
}

bool NCRDDocument::moveCurrent(int step)
{
    QDomElement current = currentElement();
    const QDomElement sibling = current.isNull() || step == 0 ? QDomElement() : siblingOfKind(current, step);
    if (sibling.isNull())
        return false;
    const QDomDocument before = m_xml.cloneNode(true).toDocument();
    QDomNode parent = current.parentNode();
    if (step < 0)
        parent.insertBefore(current, sibling);
    else
        parent.insertAfter(current, sibling);
    return applyStructureEdit(before, current);
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
