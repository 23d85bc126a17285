#include "zcncreportdesigner.h"

#include "zcncrdvariableitemdelegate.h"
#include "zcncreportdatasourcedlgmodificador.h"
#include "zcncreportdialog.h"
#include "zcncreportfieldeditcontrol.h"
#include "zcncreportfieldpropdlgmodificador.h"
#include "zcncreportmainwindow.h"
#include "zcncreportplacement_p.h"
#include "zcsettings.h"

#include <ncrdbarcodepropdialog.h>
#include <ncrddatasourcedialog.h>
#include <ncrddetaildialog.h>
#include <ncrddatapanel.h>
#include <ncrddocument.h>
#include <ncrdfieldpropdialog.h>
#include <ncrdgraphpropdialog.h>
#include <ncrdgroupdialog.h>
#include <ncrdimagepropdialog.h>
#include <ncrdtextpropdialog.h>
#include <ncrdvariabledialog.h>
#include <ncreport.h>
#include <ncreportdef.h>
#include <ncreportitemmodeldatasource.h>

#include <QApplication>
#include <QChildEvent>
#include <QPlainTextEdit>
#include <QStandardItemModel>
#include <QTableView>
#include <QCoreApplication>
#include <QDataWidgetMapper>
#include <QDebug>
#include <QDir>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

const QChar idSeparator(QLatin1Char(';'));
const QString designerApplication = QStringLiteral("VavUveruz");

ZCNCReportDesigner* currentDesigner = nullptr;

// "$D{parent.dwDir}" -> "parent".
QString relationId(QString reference)
{
    return reference.remove(QLatin1String("$D{")).remove(QLatin1String(".dwDir}"));
}

// A formula editor beside the dialog's line edit `field` in the layout `layoutName`; null, and
// no editor left behind, when the dialog has no such field or layout.
ZCNCReportFieldEditControl* formulaBeside(ZCNCReportFieldPropDlgModificador* modifier, QWidget* dialog,
                                          const QString& field, const QString& layoutName, bool wrap,
                                          const QString& vacio = QString())
{
    ZCNCReportFieldEditControl* control = modifier->CambiaLineEditPorFormula(field, wrap, vacio);
    if (control && !placeBeside(dialog->findChild<QLayout*>(layoutName), dialog->findChild<QLineEdit*>(field), control)) {
        delete control;
        return nullptr;
    }
    return control;
}

// Restores the application name however the designer's run ends.
class ApplicationNameScope
{
public:
    explicit ApplicationNameScope(const QString& name)
        : m_previous(QCoreApplication::applicationName())
    {
        QCoreApplication::setApplicationName(name);
    }
    ~ApplicationNameScope() { QCoreApplication::setApplicationName(m_previous); }
    Q_DISABLE_COPY(ApplicationNameScope)

private:
    const QString m_previous;
};

// Prints the report of a "-print" run. Nobody watches that window: what happened goes to the
// message log.
void printForArguments(NCRDMainWindow* window)
{
    if (!window->printReport())
        qWarning().noquote() << ZCNCReportDesigner::tr("No se ha podido imprimir el informe: %1").arg(window->errorString());
    else if (!window->pdfFileName().isEmpty())
        qWarning().noquote() << ZCNCReportDesigner::tr("No hay ninguna impresora instalada: el informe se ha guardado en %1")
                                    .arg(QDir::toNativeSeparators(window->pdfFileName()));
}

} // namespace

ZCNCReportDesigner* GetNCReportDesigner()
{
    return currentDesigner;
}

void NCReportGetDataSourceItemModelId(NCReport* report, QMap<QString, QPair<QString, QString>>& out,
                                      QString& reportName)
{
    out.clear();
    NCReportDef def;
    if (!report || !report->readDefinition(&def)) {
        reportName.clear();
        return;
    }
    reportName = def.reportName();
    for (const NCReportDataSource* source : def.dataSources()) {
        if (const auto* itemModel = qobject_cast<const NCReportItemModelDataSource*>(source))
            out.insert(source->id(), {itemModel->itemModelId(), relationId(source->parentReference())});
    }
}

ZCNCReportDesigner::ZCNCReportDesigner()
{
    currentDesigner = this;
    connect(this, &ZCNCReportDesigner::childAdded, this, &ZCNCReportDesigner::onChildAdded, Qt::QueuedConnection);
}

ZCNCReportDesigner::~ZCNCReportDesigner()
{
    // A designer that another has replaced leaves the current one alone.
    if (currentDesigner == this)
        currentDesigner = nullptr;
}

void ZCNCReportDesigner::SetArgumento(const QString& argumento)
{
    m_argumentos = QStringList{argumento};
}

void ZCNCReportDesigner::SetArgumentos(const QStringList& argumentos)
{
    m_argumentos = argumentos;
}

int ZCNCReportDesigner::ExecDialog(QWidget* parent)
{
    const ApplicationNameScope applicationName(designerApplication);
    NCRDMainWindow* window = CreateMainWindow(parent);
    ActualizaModelosDataSources();

    auto* dialog = new ZCNCReportDialog(window, parent);
    const int result = dialog->exec();
    dialog->deleteLater();
    return result;
}

NCRDMainWindow* ZCNCReportDesigner::CreateMainWindow(QWidget* parent)
{
    QString fileName;
    bool print = false;
    for (const QString& argumento : qAsConst(m_argumentos)) {
        if (!argumento.startsWith(QLatin1Char('-')))
            fileName = argumento;
        else if (argumento == QLatin1String("-print") || argumento == QLatin1String("--print"))
            print = true;
    }

    auto* window = new ZCNCReportMainWindow(parent);
    window->installEventFilter(this);
    m_mainWindow = window;
    const QString zintPath = GetZintPath();
    if (!zintPath.isEmpty())
        window->reportDef()->setZintPath(zintPath);
    if (!fileName.isEmpty() && window->openReportFile(fileName) && print) {
        // The report prints with the platform's models bound, not before.
        ActualizaModelosDataSources();
        printForArguments(window);
    }
    return window;
}

NCRDMainWindow* ZCNCReportDesigner::mainWindow() const
{
    return m_mainWindow;
}

void ZCNCReportDesigner::AddItemModel(const QString& id, QAbstractItemModel* model)
{
    Q_ASSERT_X(m_mainWindow, "ZCNCReportDesigner::AddItemModel", "the designer has no main window");
    if (m_mainWindow)
        m_mainWindow->reportDef()->addItemModel(id, model);
}

void ZCNCReportDesigner::GetItemModels(QHash<QString, QAbstractItemModel*>& models) const
{
    models = m_mainWindow ? m_mainWindow->reportDef()->itemModels() : QHash<QString, QAbstractItemModel*>();
}

void ZCNCReportDesigner::ActualizaModelosDataSources()
{
    ActualizaItemModels();
    QHash<QString, QAbstractItemModel*> models;
    GetItemModels(models);
    const NCRDDocument* document = m_mainWindow ? m_mainWindow->activeDocument() : nullptr;
    if (!document)
        return;
    // The document's report keeps them: it is read again after every edit.
    for (auto it = models.cbegin(); it != models.cend(); ++it)
        document->report()->addItemModel(it.key(), it.value());
    for (NCReportDataSource* source : document->reportDef()->dataSources()) {
        if (auto* itemModel = qobject_cast<NCReportItemModelDataSource*>(source))
            itemModel->setItemModel(models.value(itemModel->itemModelId()));
    }
    // The data dock lists the models' columns now that they are bound.
    m_mainWindow->dataPanel()->refresh();
}

void ZCNCReportDesigner::GetDataSourcesItemsModels(QList<QPair<QString, QString>>& list) const
{
    list.clear();
    const NCRDDocument* document = m_mainWindow ? m_mainWindow->activeDocument() : nullptr;
    if (!document)
        return;
    for (const NCReportDataSource* source : document->reportDef()->dataSources()) {
        if (const auto* itemModel = qobject_cast<const NCReportItemModelDataSource*>(source))
            list.append({source->id(), itemModel->itemModelId()});
    }
}

QWidget* ZCNCReportDesigner::GetDataSourceDialog()
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->inherits("NCRDDataSourceDialog"))
            return window;
    }
    return nullptr;
}

void ZCNCReportDesigner::GetCurrentDataSourceEnEdicion(QString& out) const
{
    const QWidget* dialog = GetDataSourceDialog();
    if (const auto* id = dialog ? dialog->findChild<QLineEdit*>(QStringLiteral("dsID")) : nullptr)
        out = id->text();
}

void ZCNCReportDesigner::GetDataSourcesItemsModelsEnEdicion(QList<QPair<QString, QString>>& list) const
{
    list.clear();
    const auto* dialog = qobject_cast<NCRDDataSourceDialog*>(GetDataSourceDialog());
    if (!dialog)
        return;
    const QStandardItemModel* model = dialog->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const auto cell = [&](int column) { return model->index(row, column).data().toString(); };
        if (cell(NCRDDataSourceDialog::TypeColumn).toInt() == NCReportDataSource::ItemModel)
            list.append({cell(NCRDDataSourceDialog::IdColumn), cell(NCRDDataSourceDialog::ItemModelColumn)});
    }
}

QString ZCNCReportDesigner::GetCurrentRelacionEnEdicion() const
{
    const QWidget* dialog = GetDataSourceDialog();
    const auto* reference = dialog ? dialog->findChild<QPlainTextEdit*>(QStringLiteral("wItemModelSpec")) : nullptr;
    return reference ? reference->toPlainText() : QString();
}

QString ZCNCReportDesigner::GetItemModelIdRelacionEnEdicion(const QString& relation) const
{
    const QString id = relationId(relation);
    QList<QPair<QString, QString>> list;
    GetDataSourcesItemsModelsEnEdicion(list);
    for (const auto& dataSource : qAsConst(list)) {
        if (dataSource.first == id)
            return dataSource.second;
    }
    return QString();
}

QString ZCNCReportDesigner::GetCurrentItemModelIdRelacionEnEdicion() const
{
    return GetItemModelIdRelacionEnEdicion(GetCurrentRelacionEnEdicion());
}

void ZCNCReportDesigner::ComponerIdModelo(const QString& a, const QString& b, const QString& c, QString& out)
{
    out = a + idSeparator + b + idSeparator + c;
}

void ZCNCReportDesigner::DescomponerIdModelo(const QString& id, QString& a, QString& b, QString& c)
{
    const QStringList parts = id.split(idSeparator, Qt::KeepEmptyParts);
    QString* const outputs[] = {&a, &b, &c};
    for (int i = 0; i < 3 && i < parts.size(); ++i)
        *outputs[i] = parts.at(i);
}

QString ZCNCReportDesigner::GetZintPath()
{
    const ZCSettings settings(QStringLiteral("Dunmar"), designerApplication, nullptr);
    QString path = settings.value(QStringLiteral("zintdir")).toString();
    if (path.isEmpty())
        path = settings.value(QStringLiteral("ZintPath")).toString();
    if (!path.isEmpty() && !path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

bool ZCNCReportDesigner::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ChildAdded) {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType()) {
            m_pendingChildren.append(child);
            Q_EMIT childAdded(child);
        }
    } else if (event->type() == QEvent::ChildRemoved) {
        const QObject* child = static_cast<QChildEvent*>(event)->child();
        // Closing the data source dialog binds the models again.
        if (child->objectName() == QLatin1String("NCRDDataSourceDialogUI"))
            ActualizaModelosDataSources();
    }
    return QObject::eventFilter(watched, event);
}

void ZCNCReportDesigner::onChildAdded(QObject* pObject)
{
    // Queued deliveries arrive in the order of the announcements; a child deleted meanwhile
    // has left a null entry, and its address may already belong to another object.
    if (m_pendingChildren.isEmpty())
        return;
    const QPointer<QObject> child = m_pendingChildren.takeFirst();
    if (!child || child != pObject)
        return;
    adapt(static_cast<QWidget*>(child.data()));
}

void ZCNCReportDesigner::adapt(QWidget* child)
{
    const QString sourceType = QStringLiteral("comboSourceType");
    // One modifier per dialog serves all its formula editors, the source type and the print
    // condition.
    const auto fieldModifier = [this, child] {
        return new ZCNCReportFieldPropDlgModificador(this, child, child->findChild<QDataWidgetMapper*>());
    };
    // The editor of the item's text follows the source type; the print condition's stays.
    const auto followSourceType = [&](ZCNCReportFieldPropDlgModificador* modifier, ZCNCReportFieldEditControl* control) {
        if (control)
            modifier->SetComboSourceType(sourceType, control, nullptr);
    };
    if (qobject_cast<NCRDDataSourceDialog*>(child)) {
        new ZCNCReportDataSourceDlgModificador(this, child);
    } else if (qobject_cast<NCRDDocument*>(child)) {
        child->installEventFilter(this);
    } else if (qobject_cast<NCRDFieldPropDialog*>(child)) {
        ZCNCReportFieldPropDlgModificador* modifier = fieldModifier();
        auto* layout = child->findChild<QVBoxLayout*>(QStringLiteral("verticalLayout"));
        ZCNCReportFieldEditControl* control = modifier->CambiaTextEditPorFormula(QStringLiteral("editor"), false, QString());
        if (control && layout)
            layout->insertWidget(0, control);
        followSourceType(modifier, control);
    } else if (qobject_cast<NCRDBarcodePropDialog*>(child)) {
        ZCNCReportFieldPropDlgModificador* modifier = fieldModifier();
        followSourceType(modifier, formulaBeside(modifier, child, QStringLiteral("wColumn"), QStringLiteral("layGrid"), false));
    } else if (qobject_cast<NCRDTextPropDialog*>(child) || qobject_cast<NCRDImagePropDialog*>(child)) {
        ZCNCReportFieldPropDlgModificador* modifier = fieldModifier();
        followSourceType(modifier, formulaBeside(modifier, child, QStringLiteral("resource"), QStringLiteral("gridLayout"), false));
    } else if (qobject_cast<NCRDDetailDialog*>(child)) {
        formulaBeside(fieldModifier(), child, QStringLiteral("pageBreakCond"), QStringLiteral("layPbreak"), true);
    } else if (qobject_cast<NCRDGroupDialog*>(child)) {
        ZCNCReportFieldPropDlgModificador* modifier = fieldModifier();
        formulaBeside(modifier, child, QStringLiteral("wGroupExp"), QStringLiteral("layGroupProp"), true,
                      QStringLiteral("%CONST"));
        formulaBeside(modifier, child, QStringLiteral("pageBreakCond"), QStringLiteral("layPbreak"), true);
    } else if (auto* graph = qobject_cast<NCRDGraphPropDialog*>(child)) {
        OnGraphPropDialog(graph);
    } else if (auto* variables = qobject_cast<NCRDVariableDialog*>(child)) {
        QTableView* view = variables->findChild<QTableView*>(QStringLiteral("tableView"));
        if (view)
            view->setItemDelegate(new ZCNCRDVariableItemDelegate(variables, true, this));
    } else if (child->findChild<QLineEdit*>(QStringLiteral("printWhen"))) {
        fieldModifier();
    }
}
