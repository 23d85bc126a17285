#pragma once

#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

/*!
    The Qt Designer plugin collection of Mirokit: the library's form controls and instruments,
    in the widget box group "Mirokit".
*/
class MirokitDesignerPlugins : public QObject, public QDesignerCustomWidgetCollectionInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit MirokitDesignerPlugins(QObject* parent = nullptr);

    QList<QDesignerCustomWidgetInterface*> customWidgets() const override;

private:
    QList<QDesignerCustomWidgetInterface*> m_widgets;
};
