#pragma once

#include "mirokit_global.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QStringList>

class NCRDGraphPropDialog;
class NCRDMainWindow;
class NCReport;
class QAbstractItemModel;
class ZCNCReportDatasourceControl;
class ZCNCReportFieldEditControl;

/*!
    The report designer of the platform: the engine's designer window run in a modal dialog
    (ExecDialog), its item-model data sources fed from the platform's models registered by name,
    and the engine's windows adapted as they appear.

    The platform derives from it and supplies the formula editors, the data-source control, the
    refresh of its registered models and the chart dialog's set-up. The designer constructed
    last is the one GetNCReportDesigner() returns.

    Arguments: a report file to open, and "-print" or "--print" to print it at once.
*/
class MIROKIT_EXPORT ZCNCReportDesigner : public QObject
{
    Q_OBJECT

public:
    ZCNCReportDesigner();
    ~ZCNCReportDesigner() override;

    void SetArgumento(const QString& argumento);
    void SetArgumentos(const QStringList& argumentos);

    // Runs the designer in a modal dialog under "VavUveruz" as application name; the
    // dialog's result.
    int ExecDialog(QWidget* parent);
    // Builds the designer window, opens the report file of the arguments and, with the print
    // flag, prints it once the item models are bound. The window becomes the designer's.
    NCRDMainWindow* CreateMainWindow(QWidget* parent);
    NCRDMainWindow* mainWindow() const;

    // Requires the main window.
    void AddItemModel(const QString& id, QAbstractItemModel* model);
    void GetItemModels(QHash<QString, QAbstractItemModel*>& models) const;
    // Asks the platform to refresh its models, then binds them to the item-model data sources
    // of the current document.
    void ActualizaModelosDataSources();
    // (data source id, item model id) of the current document's item-model data sources.
    void GetDataSourcesItemsModels(QList<QPair<QString, QString>>& list) const;

    static void ComponerIdModelo(const QString& a, const QString& b, const QString& c, QString& out);
    // Parts beyond those present leave their output unchanged.
    static void DescomponerIdModelo(const QString& id, QString& a, QString& b, QString& c);
    // The zint folder of the "VavUveruz" settings, ending in "/"; empty when none is set.
    static QString GetZintPath();

    virtual ZCNCReportFieldEditControl* CreateFieldEditControl(bool wrap, QWidget* editor, QWidget* parent) = 0;
    virtual ZCNCReportDatasourceControl* CreateDatasourceControl(QWidget* parent) = 0;
    virtual void ActualizaItemModels() = 0;
    virtual void OnGraphPropDialog(NCRDGraphPropDialog* dialog) = 0;

    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void childAdded(QObject* pObject);

protected slots:
    void onChildAdded(QObject* pObject);

private:
    // Attaches the platform's adaptations to a window of the engine, by its class.
    void adapt(QWidget* child);

    QPointer<NCRDMainWindow> m_mainWindow;
    QStringList m_argumentos;
    // Children announced by childAdded and not yet adapted, in order: the queued slot only
    // touches those still alive.
    QList<QPointer<QObject>> m_pendingChildren;
};

// The designer constructed last, null when none exists.
MIROKIT_EXPORT ZCNCReportDesigner* GetNCReportDesigner();

// The item model id and relation (parent data source id) of every item-model data source of the
// report's definition, read afresh from its source; `reportName` empty when it cannot be read.
MIROKIT_EXPORT void NCReportGetDataSourceItemModelId(NCReport* report, QMap<QString, QPair<QString, QString>>& out,
                                                     QString& reportName);
