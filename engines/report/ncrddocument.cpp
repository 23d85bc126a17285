#include "ncrddocument.h"

#include "ncrdbarcodepropdialog.h"
#include "ncrdbanditem.h"
#include "ncrdcanvas.h"
#include "ncrdcanvasitem.h"
#include "ncrdcanvasview.h"
#include "ncrddatasourcedialog.h"
#include "ncrddetaildialog.h"
#include "ncrdfieldpropdialog.h"
#include "ncrdgraphpropdialog.h"
#include "ncrdgroupdialog.h"
#include "ncrdimagepropdialog.h"
#include "ncrdreportxml.h"
#include "ncrdsectiondialog.h"
#include "ncrdtextpropdialog.h"
#include "ncrdundo.h"
#include "ncrdvariabledialog.h"
#include "ncreportdef.h"

#include <algorithm>

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QSaveFile>
#include <QSignalBlocker>
#include <QToolBar>
#include <QSet>
#include <QSplitter>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QUndoStack>
#include <QVBoxLayout>

#include <functional>
#include <tuple>

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
constexpr int outlineWidth = 260;  // pixels

// The text an item shows in the tree: an image's is its file, which the engine reads from the
// attribute followed by the element's text.
QString itemText(const QDomElement& item)
{
    return item.tagName() == QLatin1String("image") ? item.attribute(fileAttribute) + item.text() : item.text();
}

// A row of the outline: a section or an item, with its element. Its texts are read from the
// element when the tree asks for them, so that opening a report of thousands of items does not
// copy them all into the tree; a text typed into a row is the row's own until the outline is
// filled again.
class OutlineRow : public QTreeWidgetItem
{
public:
    explicit OutlineRow(const QDomElement& element)
        : QTreeWidgetItem(UserType)
        , m_element(element)
    {
    }

    const QDomElement& element() const { return m_element; }
    void setElement(const QDomElement& element) { m_element = element; }

    QVariant data(int column, int role) const override
    {
        QVariant value = QTreeWidgetItem::data(column, role);
        if (value.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
            return value;
        if (column == 0)
            return NCRDReportXml::withId(m_element.tagName(), m_element);
        if (column == 1 && (flags() & Qt::ItemIsEditable))
            return itemText(m_element);
        return value;
    }

private:
    QDomElement m_element;
};

const QDomElement& elementOf(const QTreeWidgetItem* row)
{
    static const QDomElement none;
    return row ? static_cast<const OutlineRow*>(row)->element() : none;
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
    , m_undoStack(new QUndoStack(this))
    , m_canvas(new NCRDCanvas(this))
    , m_view(new NCRDCanvasView(m_canvas))
    , m_tree(new QTreeWidget)
{
    m_undoStack->setObjectName(QStringLiteral("undoStack"));
    connect(m_undoStack, &QUndoStack::cleanChanged, this, [this](bool clean) {
        if (isWindowModified() != !clean) {
            setWindowModified(!clean);
            Q_EMIT modificationChanged(!clean);
        }
    });
    m_tree->setObjectName(QStringLiteral("sectionTree"));
    m_tree->setAccessibleName(tr("Outline"));
    m_tree->setHeaderLabels({tr("Section or item"), tr("Text")});
    m_tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Measuring every row of a report of thousands of items would cost more than opening it:
    // the columns fit the rows in sight.
    m_tree->header()->setResizeContentsPrecision(0);
    m_tree->setUniformRowHeights(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    createToolBar(layout);
    QToolBar* viewBar = createCanvasActions(layout);
    // Screen readers name the tool bars' buttons by their commands.
    for (QToolBar* bar : findChildren<QToolBar*>()) {
        for (QAction* action : bar->actions()) {
            QWidget* button = bar->widgetForAction(action);
            if (button && button->accessibleName().isEmpty())
                button->setAccessibleName(action->iconText());
        }
    }
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("documentSplitter"));
    splitter->addWidget(m_view);
    splitter->addWidget(m_tree);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    // The page takes most of the room, whatever the outline's columns ask for.
    splitter->setSizes({3 * outlineWidth, outlineWidth});
    layout->addWidget(splitter);
    layout->addWidget(viewBar);
    connect(m_canvas, &QGraphicsScene::selectionChanged, this, &NCRDDocument::syncSelectionFromCanvas);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, &NCRDDocument::syncSelectionFromTree);
    connect(m_tree, &QTreeWidget::itemChanged, this, &NCRDDocument::itemTextEdited);
    connect(m_tree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* row) {
        m_tree->setCurrentItem(row);
        editProperties();
    });
    connect(m_tree, &QTreeWidget::currentItemChanged, this, &NCRDDocument::updateActions);
    updateTitle();
    updateActions();
}

NCRDDocument::~NCRDDocument()
{
    // The commands and the canvas reach into the document: they go while it is whole, and
    // quietly, so that no panel watching the document looks into it while it goes.
    blockSignals(true);
    m_undoStack->blockSignals(true);
    m_canvas->blockSignals(true);
    m_tree->blockSignals(true);
    m_undoStack->clear();
    delete m_view;
    delete m_canvas;
}

NCReport* NCRDDocument::report() const
{
    if (m_reportStale) {
        m_reportStale = false;
        // Only lengths changed since the report was read, and the canvas keeps them within
        // what the engine reads: reading again cannot fail, and changes nothing that shows.
        const_cast<NCRDDocument*>(this)->readReport(m_xml, m_fileName);
    }
    return m_report.get();
}

NCReportDef* NCRDDocument::reportDef() const
{
    NCReport* current = report();
    return current ? current->reportDef() : nullptr;
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
    // The file's bytes are kept for the lines of an error the engine finds.
    const QByteArray source = file.readAll();
    if (!NCRDReportXml::read(source, xml, error))
        return fail({fileName, error.line, error.message});
    if (!load(xml, fileName, source))
        return false;
    m_undoStack->clear();
    setModified(false);
    // A new document is seen whole; one opened again keeps the zoom it had.
    if (m_view->isVisible())
        m_view->fitWidth();
    return true;
}

bool NCRDDocument::load(const QDomDocument& xml, const QString& fileName, const QByteArray& source)
{
    if (!readReport(xml, fileName, source))
        return false;
    m_xml = xml;
    m_fileName = fileName;
    refreshViews();
    updateTitle();
    return true;
}

std::unique_ptr<NCReport> NCRDDocument::newReport() const
{
    auto report = std::make_unique<NCReport>();
    report->setCustomDataSourceProvider(m_provider);
    // Item models the host gave the report stay with the document.
    if (m_report) {
        const auto models = m_report->itemModels();
        for (auto it = models.cbegin(); it != models.cend(); ++it)
            report->addItemModel(it.key(), it.value());
    }
    return report;
}

bool NCRDDocument::readReport(const QDomDocument& xml, const QString& fileName, const QByteArray& source)
{
    std::unique_ptr<NCReport> report = newReport();
    // The engine reads the document parsed already rather than parsing its text again.
    report->setReportDocument(xml);
    if (!report->load()) {
        // A document keeps no lines: the file's text, where there is one, tells the line.
        if (!source.isNull()) {
            report->setReportSource(source);
            report->load();
        }
        return fail({fileName, report->error().line, report->error().message});
    }
    report->reportDef()->setFileName(fileName);
    // The zint folder is the window's, given once when the document opened.
    if (m_report)
        report->reportDef()->setZintPath(m_report->reportDef()->zintPath());
    m_report = std::move(report);
    m_reportStale = false;
    m_errorString.clear();
    return true;
}

std::unique_ptr<NCReport> NCRDDocument::reportCopy() const
{
    const NCReport* current = report();
    if (!current)
        return nullptr;
    std::unique_ptr<NCReport> copy = newReport();
    // Its own text rather than the document, which the copy would share with later edits.
    copy->setReportSource(NCRDReportXml::write(m_xml));
    // What the document's report read, the copy reads too.
    if (!copy->load())
        return nullptr;
    copy->reportDef()->setFileName(m_fileName);
    copy->reportDef()->setZintPath(current->reportDef()->zintPath());
    return copy;
}

void NCRDDocument::setCustomDataSourceProvider(NCReportCustomDSProvider* provider)
{
    m_provider = provider;
    if (m_report)
        readReport(m_xml, m_fileName);
}

bool NCRDDocument::setXml(const QDomDocument& xml)
{
    const QDomDocument before = snapshot();
    if (!load(xml, m_fileName))
        return false;
    pushSnapshot(tr("Edit the report"), before);
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
    if (!modified)
        m_undoStack->setClean();
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
    // The rows are built apart and given to the tree at once: one insertion rather than one a row.
    m_tree->addTopLevelItems(outlineRows(m_xml.documentElement()));
    // Only sections have rows under them. Expanding them one by one leaves the tree to lay its
    // rows out when it next shows them, where expandAll() would lay out every row at once.
    for (QTreeWidgetItemIterator it(m_tree, QTreeWidgetItemIterator::HasChildren); *it; ++it)
        (*it)->setExpanded(true);
    updateActions();
}

QList<QTreeWidgetItem*> NCRDDocument::outlineRows(const QDomElement& parent)
{
    // Sections nest (groups inside details, headers inside groups); items are their leaves.
    QList<QTreeWidgetItem*> rows;
    for (QDomElement e = parent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        const QString tag = e.tagName();
        const bool item = isItem(tag);
        if (!item && !isSection(tag))
            continue;
        auto* row = new OutlineRow(e);
        if (item && tag != QLatin1String("line") && tag != QLatin1String("rectangle"))
            row->setFlags(row->flags() | Qt::ItemIsEditable);
        else if (!item)
            row->addChildren(outlineRows(e));
        rows.append(row);
    }
    return rows;
}

void NCRDDocument::itemTextEdited(QTreeWidgetItem* row, int column)
{
    QDomElement element = elementOf(row);
    if (column != 1 || element.isNull())
        return;
    const QString previous = itemText(element);
    const QString text = row->text(1);
    if (text == previous)
        return;
    const QDomDocument document = snapshot();
    const QDomNode before = element.cloneNode(true);
    setElementText(element, text);
    if (readReport(m_xml, m_fileName)) {
        m_canvas->rebuild();
        pushSnapshot(tr("Edit the text"), document);
        return;
    }
    // The engine refuses the text: the element and the row keep what they had.
    element.parentNode().replaceChild(before, element);
    static_cast<OutlineRow*>(row)->setElement(before.toElement());
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
    bar->setAccessibleName(tr("Sections"));
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
    QAction* properties = add(bar, QStringLiteral("actionProperties"), tr("Properties..."), [this] { editProperties(); });
    properties->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Return));
    // Only the document that has the focus takes the key: several are open at once.
    properties->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(properties);
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
    add(sections, QStringLiteral("actionAddReportHeader"), tr("Report header"),
        [this] { addPageSection(QStringLiteral("reportHeader")); });
    add(sections, QStringLiteral("actionAddReportFooter"), tr("Report footer"),
        [this] { addPageSection(QStringLiteral("reportFooter")); });
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
        enable("actionAddPageFooter", lacks(QStringLiteral("pageFooter"))),
        enable("actionAddReportHeader", lacks(QStringLiteral("reportHeader"))),
        enable("actionAddReportFooter", lacks(QStringLiteral("reportFooter")))};
    enable("actionAddSection", std::find(std::begin(addableSections), std::end(addableSections), true)
                                   != std::end(addableSections));
    enable("actionRemove", !current.isNull());
    enable("actionMoveUp", isStructure && !siblingOfKind(current, -1).isNull());
    enable("actionMoveDown", isStructure && !siblingOfKind(current, 1).isNull());
}

QDomElement NCRDDocument::currentElement() const
{
    return elementOf(m_tree->currentItem());
}

bool NCRDDocument::setCurrentElement(const QDomElement& element)
{
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        if (elementOf(*it) == element) {
            m_tree->setCurrentItem(*it);
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
    const QDomDocument document = snapshot();
    const QDomNode before = element.cloneNode(true);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    // Deleted before the report is read again, so that whoever watches the document sees it go.
    dialog.reset();
    if (!accepted)
        return false;
    const QList<QDomElement> selected = m_canvas->selectedElements();
    const bool applied = applyEdit(element, before);
    refreshViews();
    setCurrentElement(applied ? element : before.toElement());
    m_canvas->selectElements(selected);
    if (applied)
        pushSnapshot(tr("Properties of %1").arg(element.tagName()), document);
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

bool NCRDDocument::applyStructureEdit(const QDomDocument& before, const QDomElement& current, const QString& text)
{
    if (!readReport(m_xml, m_fileName)) {
        QMessageBox::warning(this, tr("Report designer"), m_errorString);
        m_xml = before;
        readReport(m_xml, m_fileName);
        refreshViews();
        return false;
    }
    refreshViews();
    setCurrentElement(current);
    pushSnapshot(text, before);
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
    return applyStructureEdit(before, item, tr("Add %1").arg(tag));
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
    return applyStructureEdit(before, group, tr("Add a group"));
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
    return applyStructureEdit(before, detail, tr("Add a detail"));
}

bool NCRDDocument::addPageSection(const QString& tag)
{
    QDomElement report = m_xml.documentElement();
    static const QStringList tags{QStringLiteral("pageHeader"), QStringLiteral("pageFooter"),
                                  QStringLiteral("reportHeader"), QStringLiteral("reportFooter")};
    const bool header = tag == QLatin1String("pageHeader");
    if (!tags.contains(tag) || report.isNull() || !report.firstChildElement(tag).isNull())
        return false;
    const QDomDocument before = m_xml.cloneNode(true).toDocument();
    QDomElement section = m_xml.createElement(tag);
    section.setAttribute(QStringLiteral("height"), 10);
    // The page sections come before the details, the header first, as the tree lists them.
    const QDomElement footer = report.firstChildElement(QStringLiteral("pageFooter"));
    const QDomElement next = header && !footer.isNull() ? footer : report.firstChildElement(QStringLiteral("detail"));
    report.insertBefore(section, next);
    return applyStructureEdit(before, section, tr("Add %1").arg(tag));
}

bool NCRDDocument::setGroupSection(const QDomElement& group, const QString& tag, bool present)
{
    const bool header = tag == QLatin1String("header");
    if (group.tagName() != QLatin1String("group") || (!header && tag != QLatin1String("footer"))
        || group.firstChildElement(tag).isNull() != present)
        return false;
    const QDomDocument before = snapshot();
    QDomElement owner = group;
    if (present) {
        QDomElement section = m_xml.createElement(tag);
        section.setAttribute(QStringLiteral("height"), 6);
        // The header comes first, as the engine reads them.
        if (header)
            owner.insertBefore(section, QDomNode());
        else
            owner.appendChild(section);
    } else {
        owner.removeChild(owner.firstChildElement(tag));
    }
    return applyStructureEdit(before, group,
                              present ? (header ? tr("Add the group's header") : tr("Add the group's footer"))
                                      : (header ? tr("Remove the group's header") : tr("Remove the group's footer")));
}

bool NCRDDocument::removeCurrent()
{
    QDomElement current = currentElement();
    if (current.isNull())
        return false;
    const QDomDocument before = m_xml.cloneNode(true).toDocument();
    QDomElement parent = current.parentNode().toElement();
    parent.removeChild(current);
    return applyStructureEdit(before, parent, tr("Remove %1").arg(current.tagName()));
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
    return applyStructureEdit(before, current, step < 0 ? tr("Move up") : tr("Move down"));
}

bool NCRDDocument::applyEdit(QDomElement& element, const QDomNode& before)
{
    if (readReport(m_xml, m_fileName))
        return true;
    // The engine refuses what the dialog wrote: the element keeps what it had.
    QMessageBox::warning(this, tr("Report designer"), m_errorString);
    element.parentNode().replaceChild(before, element);
    readReport(m_xml, m_fileName);
    return false;
}

template<class Dialog>
bool NCRDDocument::editElement(const QString& tag, const QString& text)
{
    QDomElement element = m_xml.documentElement().firstChildElement(tag);
    if (element.isNull())
        return false;
    const QDomDocument document = snapshot();
    const QDomNode before = element.cloneNode(true);
    // Deleted before this returns, so that whoever watches the document sees it go.
    auto* dialog = new Dialog(element, this);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    delete dialog;
    if (!accepted || !applyEdit(element, before))
        return false;
    refreshViews();
    pushSnapshot(text, document);
    return true;
}

bool NCRDDocument::editDataSources()
{
    return editElement<NCRDDataSourceDialog>(QStringLiteral("datasources"), tr("Edit the data sources"));
}

bool NCRDDocument::editVariables()
{
    return editElement<NCRDVariableDialog>(QStringLiteral("variables"), tr("Edit the variables"));
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

void NCRDDocument::refreshViews()
{
    const QSignalBlocker blocker(m_canvas);
    fillTree();
    m_canvas->rebuild();
}

void NCRDDocument::pushSnapshot(const QString& text, const QDomDocument& before, const QString& mergeKey)
{
    m_undoStack->push(new NCRDSnapshotCommand(this, text, before, snapshot(), mergeKey));
}

bool NCRDDocument::setElementAttribute(const QList<QDomElement>& elements, const QString& attribute, const QString& value)
{
    if (elements.isEmpty() || attribute.isEmpty())
        return false;
    const bool isText = attribute == QLatin1String("#text");
    struct Previous {
        QDomElement element;
        bool present;
        QString value;
    };
    QVector<Previous> previous;
    QString key = attribute;
    const QVector<QVector<int>> paths = elementPaths(elements);
    for (int i = 0; i < elements.size(); ++i) {
        const QDomElement& element = elements.at(i);
        previous.append({element, isText || element.hasAttribute(attribute),
                         isText ? element.text() : element.attribute(attribute)});
        for (const int index : paths.at(i))
            key += QLatin1Char('/') + QString::number(index);
        key += QLatin1Char(';');
    }
    const QDomDocument before = snapshot();
    for (QDomElement element : elements) {
        if (isText)
            setElementText(element, value);
        else if (value.isEmpty())
            element.removeAttribute(attribute);
        else
            element.setAttribute(attribute, value);
    }
    if (!readReport(m_xml, m_fileName)) {
        // The engine refuses it: every element gets back what it had; the report stays read.
        for (Previous& old : previous) {
            if (isText)
                setElementText(old.element, old.value);
            else if (old.present)
                old.element.setAttribute(attribute, old.value);
            else
                old.element.removeAttribute(attribute);
        }
        return false;
    }
    const QList<QDomElement> selected = m_canvas->selectedElements();
    const QDomElement current = currentElement();
    {
        const QSignalBlocker blocker(m_tree);
        refreshViews();
        setCurrentElement(current);
    }
    m_canvas->selectElements(selected);
    pushSnapshot(tr("Set %1").arg(isText ? tr("the text") : attribute), before, key);
    return true;
}

bool NCRDDocument::addFieldsAt(const QStringList& references, const QDomElement& section, const QPointF& at,
                               bool withLabels)
{
    if (references.isEmpty() || !holdsItems(section.tagName()))
        return false;
    // The labels go to the page header, or for a group footer to its group's header.
    QDomElement header = section.tagName() == QLatin1String("footer")
                             ? section.parentNode().firstChildElement(QStringLiteral("header"))
                             : m_xml.documentElement().firstChildElement(QStringLiteral("pageHeader"));
    if (!withLabels || header == section)
        header = QDomElement();
    const QDomDocument before = snapshot();
    constexpr qreal width = 40;
    constexpr qreal height = 6;
    const qreal labelTop = qMax<qreal>(0, header.attribute(QStringLiteral("height")).toDouble() - height);
    QDomElement target = section;
    QList<QDomElement> added;
    qreal x = at.x();
    for (const QString& reference : references) {
        const bool isColumn = reference.startsWith(QLatin1String("$D{"));
        QDomElement field = m_xml.createElement(QStringLiteral("field"));
        for (const auto& attribute : NCRDCanvasItem::geometryAttributes(field.tagName(), QRectF(x, at.y(), width, height)))
            field.setAttribute(attribute.first, attribute.second);
        setElementText(field, reference);
        target.appendChild(field);
        added.append(field);
        if (!header.isNull() && isColumn) {
            // "$D{ventas.importe}": the column's name, without its data source.
            QString name = reference.mid(3, reference.size() - 4);
            name = name.mid(name.indexOf(QLatin1Char('.')) + 1);
            QDomElement label = m_xml.createElement(QStringLiteral("label"));
            for (const auto& attribute : NCRDCanvasItem::geometryAttributes(label.tagName(), QRectF(x, labelTop, width, height)))
                label.setAttribute(attribute.first, attribute.second);
            setElementText(label, name);
            header.appendChild(label);
        }
        x += width;
    }
    if (!applyStructureEdit(before, added.first(), tr("Add fields")))
        return false;
    m_canvas->selectElements(added);
    return true;
}

void NCRDDocument::restoreXml(const QDomDocument& xml)
{
    const QVector<QVector<int>> selected = elementPaths(m_canvas->selectedElements());
    const QVector<int> current = elementPath(currentElement());
    m_xml = xml.cloneNode(true).toDocument();
    // Every state the stack puts back was read by the engine once.
    readReport(m_xml, m_fileName);
    refreshViews();
    setCurrentElement(elementAt(current));
    QList<QDomElement> elements;
    for (const QVector<int>& path : qAsConst(selected)) {
        const QDomElement element = elementAt(path);
        if (!element.isNull())
            elements.append(element);
    }
    m_canvas->selectElements(elements);
}

void NCRDDocument::applyAttributes(QVector<NCRDAttributeChange>& changes, bool after, bool geometryOnly)
{
    QList<QDomElement> changed;
    for (NCRDAttributeChange& change : changes) {
        // The element found last time serves while it is still part of this DOM; after the
        // whole document was put back (undoing a structural edit) its path finds it again.
        if (change.element.isNull() || change.element.ownerDocument() != m_xml)
            change.element = elementAt(change.path);
        QDomElement& element = change.element;
        if (element.isNull())
            continue;
        const QString& value = after ? change.after : change.before;
        if (value.isNull())
            element.removeAttribute(change.name);
        else
            element.setAttribute(change.name, value);
        if (changed.isEmpty() || changed.last() != element)
            changed.append(element);
    }
    if (geometryOnly) {
        m_reportStale = true;
        m_canvas->refreshGeometry(changed);
        return;
    }
    readReport(m_xml, m_fileName);
    const QList<QDomElement> selected = m_canvas->selectedElements();
    refreshViews();
    m_canvas->selectElements(selected);
}

QVector<int> NCRDDocument::elementPath(const QDomElement& element)
{
    QVector<int> path;
    for (QDomElement at = element; !at.isNull() && at.parentNode().isElement(); at = at.parentNode().toElement()) {
        int index = 0;
        for (QDomElement sibling = at.previousSiblingElement(); !sibling.isNull(); sibling = sibling.previousSiblingElement())
            ++index;
        path.prepend(index);
    }
    return path;
}

QVector<QVector<int>> NCRDDocument::elementPaths(const QList<QDomElement>& elements)
{
    QVector<QVector<int>> paths;
    paths.reserve(elements.size());
    QDomNode parent;
    QVector<int> parentPath;
    QVector<QDomElement> siblings;
    int next = 0;
    for (const QDomElement& element : elements) {
        if (element.isNull() || !element.parentNode().isElement()) {
            paths.append(elementPath(element));
            continue;
        }
        if (element.parentNode() != parent) {
            parent = element.parentNode();
            parentPath = elementPath(parent.toElement());
            siblings.clear();
            for (QDomElement sibling = parent.firstChildElement(); !sibling.isNull(); sibling = sibling.nextSiblingElement())
                siblings.append(sibling);
            next = 0;
        }
        // From just after the element found last: the search of elements in document order
        // walks the siblings once.
        int index = 0;
        while (index < siblings.size() && siblings.at((next + index) % siblings.size()) != element)
            ++index;
        index = (next + index) % siblings.size();
        next = index + 1;
        paths.append(parentPath);
        paths.last().append(index);
    }
    return paths;
}

QDomElement NCRDDocument::elementAt(const QVector<int>& path) const
{
    QDomElement element = m_xml.documentElement();
    for (const int index : path) {
        element = element.firstChildElement();
        for (int i = 0; i < index && !element.isNull(); ++i)
            element = element.nextSiblingElement();
        if (element.isNull())
            break;
    }
    return element;
}

void NCRDDocument::setItemGeometries(const QVector<QPair<QDomElement, QRectF>>& geometries, const QString& text)
{
    QVector<NCRDAttributeChange> changes;
    QList<QDomElement> elements;
    for (const auto& geometry : geometries)
        elements.append(geometry.first);
    const QVector<QVector<int>> paths = elementPaths(elements);
    for (int i = 0; i < geometries.size(); ++i) {
        const QDomElement& element = geometries.at(i).first;
        for (const auto& attribute : NCRDCanvasItem::geometryAttributes(element.tagName(), geometries.at(i).second)) {
            const QString before = element.hasAttribute(attribute.first) ? element.attribute(attribute.first) : QString();
            bool isNumber = false;
            const double old = before.toDouble(&isNumber);
            // A length written otherwise ("10.0") but the same keeps the way the file writes it.
            if (isNumber && old == attribute.second.toDouble())
                continue;
            changes.append({paths.at(i), element, attribute.first, before, attribute.second});
        }
    }
    if (changes.isEmpty()) {
        // Dragged back to where they were: the canvas shows the document's lengths again.
        m_canvas->refreshGeometry(elements);
        return;
    }
    m_undoStack->push(new NCRDAttributeCommand(this, text, changes, true));
}

void NCRDDocument::setSectionHeight(const QDomElement& section, qreal height)
{
    const QString value = QString::number(qRound64(qMax<qreal>(0, height) * 100) / 100.0);
    const QString before = section.hasAttribute(QStringLiteral("height")) ? section.attribute(QStringLiteral("height"))
                                                                         : QString();
    if (before.toDouble() == value.toDouble() && !before.isNull()) {
        m_canvas->refreshGeometry({section});
        return;
    }
    m_undoStack->push(new NCRDAttributeCommand(
        this, tr("Height of %1").arg(section.tagName()),
        {{elementPath(section), section, QStringLiteral("height"), before, value}}, true));
}

bool NCRDDocument::moveItemsToSection(const QVector<QPair<QDomElement, QRectF>>& items, const QDomElement& section)
{
    if (items.isEmpty() || !holdsItems(section.tagName()))
        return false;
    const QDomDocument before = snapshot();
    QDomElement target = section;
    QList<QDomElement> moved;
    for (const auto& item : items) {
        QDomElement element = item.first;
        target.appendChild(element);
        for (const auto& attribute : NCRDCanvasItem::geometryAttributes(element.tagName(), item.second))
            element.setAttribute(attribute.first, attribute.second);
        moved.append(element);
    }
    if (!applyStructureEdit(before, moved.first(), tr("Move to %1").arg(section.tagName())))
        return false;
    m_canvas->selectElements(moved);
    return true;
}

bool NCRDDocument::addItemAt(const QString& tag, const QDomElement& section, const QRectF& geometry, const QString& text)
{
    if (!isItem(tag) || !holdsItems(section.tagName()))
        return false;
    const QDomDocument before = snapshot();
    QDomElement item = m_xml.createElement(tag);
    for (const auto& attribute : NCRDCanvasItem::geometryAttributes(tag, geometry))
        item.setAttribute(attribute.first, attribute.second);
    const QString shown = text.isEmpty() && tag == QLatin1String("label") ? tr("Label") : text;
    if (!shown.isEmpty())
        setElementText(item, shown);
    QDomElement target = section;
    target.appendChild(item);
    if (!applyStructureEdit(before, item, tr("Add %1").arg(tag)))
        return false;
    m_canvas->selectElements({item});
    return true;
}

bool NCRDDocument::removeSelection()
{
    const QList<QDomElement> selected = m_canvas->selectedElements();
    if (selected.isEmpty())
        return false;
    const QDomDocument before = snapshot();
    QDomElement parent = selected.first().parentNode().toElement();
    for (QDomElement element : selected)
        element.parentNode().removeChild(element);
    return applyStructureEdit(before, parent, tr("Delete"));
}

bool NCRDDocument::raiseSelection(bool toFront)
{
    QList<QDomElement> selected = m_canvas->selectedElements();
    if (selected.isEmpty())
        return false;
    const QDomDocument before = snapshot();
    if (toFront) {
        for (QDomElement element : selected)
            element.parentNode().appendChild(element);
    } else {
        // From the last, each before the first item of its section: their order stays.
        for (auto it = selected.rbegin(); it != selected.rend(); ++it) {
            QDomNode parent = it->parentNode();
            QDomElement first = parent.firstChildElement();
            while (!first.isNull() && !isItem(first.tagName()))
                first = first.nextSiblingElement();
            if (first != *it)
                parent.insertBefore(*it, first);
        }
    }
    if (!applyStructureEdit(before, selected.first(), toFront ? tr("Bring to front") : tr("Send to back")))
        return false;
    m_canvas->selectElements(selected);
    return true;
}

namespace {

const QString itemsMimeType = QStringLiteral("application/x-ncreport-items");

} // namespace

void NCRDDocument::copySelection()
{
    const QList<QDomElement> selected = m_canvas->selectedElements();
    if (selected.isEmpty())
        return;
    QDomDocument items;
    QDomElement root = items.createElement(QStringLiteral("items"));
    items.appendChild(root);
    for (const QDomElement& element : selected)
        root.appendChild(items.importNode(element, true));
    auto* data = new QMimeData;
    data->setData(itemsMimeType, items.toByteArray());
    data->setText(items.toString());
    QApplication::clipboard()->setMimeData(data);
}

bool NCRDDocument::cutSelection()
{
    copySelection();
    return removeSelection();
}

QDomElement NCRDDocument::insertionSection() const
{
    const QList<QDomElement> selected = m_canvas->selectedElements();
    if (!selected.isEmpty())
        return selected.first().parentNode().toElement();
    const QDomElement current = currentElement();
    if (holdsItems(current.tagName()))
        return current;
    if (isItem(current.tagName()))
        return current.parentNode().toElement();
    const QList<NCRDBandItem*> bands = m_canvas->bands();
    return bands.isEmpty() ? QDomElement() : bands.first()->element();
}

bool NCRDDocument::paste()
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(itemsMimeType))
        return false;
    // Whatever another program put there: only items are taken, and the engine reads them.
    QDomDocument items;
    if (!items.setContent(data->data(itemsMimeType)))
        return false;
    QList<QDomElement> elements;
    for (QDomElement element = items.documentElement().firstChildElement(); !element.isNull();
         element = element.nextSiblingElement()) {
        if (isItem(element.tagName()))
            elements.append(element);
    }
    return insertItems(elements, insertionSection(), QPointF(), tr("Paste"));
}

bool NCRDDocument::duplicateSelection()
{
    const QList<QDomElement> selected = m_canvas->selectedElements();
    if (selected.isEmpty())
        return false;
    const qreal step = m_canvas->gridStep();
    return insertItems(selected, selected.first().parentNode().toElement(), QPointF(step, step), tr("Duplicate"));
}

bool NCRDDocument::insertItems(const QList<QDomElement>& items, QDomElement section, const QPointF& offset,
                               const QString& text)
{
    if (items.isEmpty() || !holdsItems(section.tagName()))
        return false;
    const QDomDocument before = snapshot();
    QList<QDomElement> added;
    for (const QDomElement& item : items) {
        QDomElement copy = m_xml.importNode(item, true).toElement();
        const QRectF geometry = NCRDCanvasItem::geometryOf(copy).translated(offset);
        for (const auto& attribute : NCRDCanvasItem::geometryAttributes(copy.tagName(), geometry))
            copy.setAttribute(attribute.first, attribute.second);
        section.appendChild(copy);
        added.append(copy);
    }
    if (!applyStructureEdit(before, added.first(), text))
        return false;
    m_canvas->selectElements(added);
    return true;
}

bool NCRDDocument::editElementProperties(const QDomElement& element)
{
    return setCurrentElement(element) && editProperties();
}

void NCRDDocument::syncSelectionFromCanvas()
{
    if (m_syncingSelection)
        return;
    const QList<QDomElement> selected = m_canvas->selectedElements();
    if (selected.isEmpty())
        return;
    m_syncingSelection = true;
    setCurrentElement(selected.first());
    m_syncingSelection = false;
}

void NCRDDocument::syncSelectionFromTree()
{
    Q_EMIT currentElementChanged();
    if (m_syncingSelection)
        return;
    const QDomElement current = currentElement();
    m_syncingSelection = true;
    if (isItem(current.tagName())) {
        m_canvas->selectElements({current});
        if (const NCRDCanvasItem* item = m_canvas->itemFor(current))
            m_view->ensureVisible(item->sceneGeometry());
    } else {
        m_canvas->selectElements({});
        if (const NCRDBandItem* band = m_canvas->bandFor(current))
            m_view->ensureVisible(band->sceneRect());
    }
    m_syncingSelection = false;
}

std::unique_ptr<QMenu> NCRDDocument::createCanvasMenu(const QDomElement& section)
{
    auto menu = std::make_unique<QMenu>(this);
    menu->setObjectName(QStringLiteral("canvasMenu"));
    const auto addActions = [&](std::initializer_list<const char*> names) {
        for (const char* name : names) {
            if (QAction* action = name ? m_actions.value(QLatin1String(name)) : nullptr)
                menu->addAction(action);
            else
                menu->addSeparator();
        }
    };
    if (!m_canvas->selectedElements().isEmpty()) {
        addActions({"actionCut", "actionCopy", "actionPaste", "actionDuplicate", "actionDelete", nullptr, "actionAlign",
                    "actionBringToFront", "actionSendToBack", nullptr, "actionProperties"});
        return menu;
    }
    // The section commands work on the outline's current row: the band's section becomes it.
    if (!section.isNull())
        setCurrentElement(section);
    addActions({"actionPaste", "actionSelectAllInBand", nullptr, "actionAddItem", "actionAddSection", "actionRemove",
                nullptr, "actionProperties"});
    return menu;
}

QToolBar* NCRDDocument::createCanvasActions(QLayout* layout)
{
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("canvasToolBar"));
    bar->setAccessibleName(tr("Page"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const auto add = [this](QWidget* where, const char* name, const QString& text, const QKeySequence& key,
                            const std::function<void()>& slot) {
        auto* action = new QAction(text, this);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
        // Only the document that has the focus takes the keys: several are open at once.
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, this, slot);
        where->addAction(action);
        if (where != this)
            addAction(action);
        m_actions.insert(action->objectName(), action);
        return action;
    };

    // The tools: select, or draw an item of a kind.
    auto* tools = new QActionGroup(this);
    const std::pair<const char*, QString> kinds[] = {{"", tr("Select")},          {"label", tr("Label")},
                                                     {"field", tr("Field")},      {"line", tr("Line")},
                                                     {"rectangle", tr("Rectangle")}, {"image", tr("Image")},
                                                     {"barcode", tr("Barcode")}};
    int number = 0;
    for (const auto& kind : kinds) {
        const QString tag = QLatin1String(kind.first);
        const QByteArray name = tag.isEmpty() ? QByteArray("actionToolSelect") : "actionTool_" + tag.toLatin1();
        QAction* action = add(bar, name.constData(), kind.second, QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key(Qt::Key_0 + number++)),
                              [this, tag] { m_canvas->setTool(tag); });
        action->setCheckable(true);
        action->setChecked(tag.isEmpty());
        tools->addAction(action);
    }
    connect(m_canvas, &NCRDCanvas::contextMenuRequested, this, [this](const QDomElement& section, const QPoint& at) {
        createCanvasMenu(section)->exec(at);
    });
    connect(m_canvas, &NCRDCanvas::toolChanged, this, [this](const QString& tag) {
        QAction* action = m_actions.value(tag.isEmpty() ? QStringLiteral("actionToolSelect") : QStringLiteral("actionTool_") + tag);
        if (action)
            action->setChecked(true);
    });
    bar->addSeparator();

    auto* editMenu = new QMenu(tr("Edit"), this);
    add(editMenu, "actionCut", tr("Cut"), QKeySequence::Cut, [this] { cutSelection(); });
    add(editMenu, "actionCopy", tr("Copy"), QKeySequence::Copy, [this] { copySelection(); });
    add(editMenu, "actionPaste", tr("Paste"), QKeySequence::Paste, [this] { paste(); });
    add(editMenu, "actionDuplicate", tr("Duplicate"), QKeySequence(Qt::CTRL | Qt::Key_D), [this] { duplicateSelection(); });
    add(editMenu, "actionDelete", tr("Delete"), QKeySequence::Delete, [this] { removeSelection(); });
    add(editMenu, "actionSelectAllInBand", tr("Select all in the band"), QKeySequence::SelectAll,
        [this] { m_canvas->selectAllInBand(); });
    editMenu->addSeparator();
    add(editMenu, "actionBringToFront", tr("Bring to front"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_BracketRight),
        [this] { raiseSelection(true); });
    add(editMenu, "actionSendToBack", tr("Send to back"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_BracketLeft),
        [this] { raiseSelection(false); });
    QAction* editAction = bar->addAction(tr("Edit"));
    editAction->setObjectName(QStringLiteral("actionCanvasEdit"));
    editAction->setMenu(editMenu);

    auto* alignMenu = new QMenu(tr("Align"), this);
    const std::tuple<const char*, QString, NCRDCanvas::Alignment, Qt::Key> alignments[] = {
        {"actionAlignLeft", tr("Align left edges"), NCRDCanvas::AlignLeft, Qt::Key_Left},
        {"actionAlignRight", tr("Align right edges"), NCRDCanvas::AlignRight, Qt::Key_Right},
        {"actionAlignTop", tr("Align top edges"), NCRDCanvas::AlignTop, Qt::Key_Up},
        {"actionAlignBottom", tr("Align bottom edges"), NCRDCanvas::AlignBottom, Qt::Key_Down},
        {"actionAlignHCenter", tr("Align centres horizontally"), NCRDCanvas::AlignHCenter, Qt::Key_H},
        {"actionAlignVCenter", tr("Align centres vertically"), NCRDCanvas::AlignVCenter, Qt::Key_V},
        {"actionSameWidth", tr("Same width"), NCRDCanvas::SameWidth, Qt::Key_W},
        {"actionSameHeight", tr("Same height"), NCRDCanvas::SameHeight, Qt::Key_E},
        {"actionDistributeHorizontally", tr("Distribute horizontally"), NCRDCanvas::DistributeHorizontally, Qt::Key_J},
        {"actionDistributeVertically", tr("Distribute vertically"), NCRDCanvas::DistributeVertically, Qt::Key_K}};
    for (const auto& alignment : alignments) {
        const NCRDCanvas::Alignment how = std::get<2>(alignment);
        add(alignMenu, std::get<0>(alignment), std::get<1>(alignment),
            QKeySequence(Qt::CTRL | Qt::ALT | std::get<3>(alignment)), [this, how] { m_canvas->alignSelection(how); });
    }
    QAction* alignAction = bar->addAction(tr("Align"));
    alignAction->setObjectName(QStringLiteral("actionAlign"));
    alignAction->setMenu(alignMenu);
    m_actions.insert(alignAction->objectName(), alignAction);
    for (QAction* menuAction : {editAction, alignAction}) {
        if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(menuAction)))
            button->setPopupMode(QToolButton::InstantPopup);
    }
    layout->addWidget(bar);

    // The view's commands sit below the page: the drawing tools' row has no room left for them
    // at the widths a document usually has.
    auto* viewBar = new QToolBar(this);
    viewBar->setObjectName(QStringLiteral("viewToolBar"));
    viewBar->setAccessibleName(tr("View"));
    viewBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    add(viewBar, "actionZoomIn", tr("Zoom in"), QKeySequence::ZoomIn, [this] { m_view->zoomIn(); });
    add(viewBar, "actionZoomOut", tr("Zoom out"), QKeySequence::ZoomOut, [this] { m_view->zoomOut(); });
    add(viewBar, "actionFitWidth", tr("Fit width"), QKeySequence(Qt::CTRL | Qt::Key_1), [this] { m_view->fitWidth(); });
    add(viewBar, "actionFitPage", tr("Fit page"), QKeySequence(Qt::CTRL | Qt::Key_0), [this] { m_view->fitPage(); });
    viewBar->addSeparator();
    QAction* snap = add(viewBar, "actionSnapToGrid", tr("Snap to grid"), QKeySequence(Qt::CTRL | Qt::Key_G),
                        [this] { m_canvas->setSnapToGrid(m_actions.value(QStringLiteral("actionSnapToGrid"))->isChecked()); });
    snap->setCheckable(true);
    snap->setChecked(m_canvas->snapsToGrid());
    auto* step = new QDoubleSpinBox(viewBar);
    step->setObjectName(QStringLiteral("gridStep"));
    step->setAccessibleName(tr("Grid step"));
    step->setToolTip(tr("Grid step"));
    step->setSuffix(QStringLiteral(" mm"));
    step->setDecimals(1);
    step->setRange(0.1, 50);
    step->setSingleStep(0.5);
    step->setValue(m_canvas->gridStep());
    connect(step, QOverload<double>::of(&QDoubleSpinBox::valueChanged), m_canvas, &NCRDCanvas::setGridStep);
    viewBar->addWidget(step);
    return viewBar;
}
