#pragma once

#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <QIcon>

/*!
    One Mirokit widget as Qt Designer offers it: its class, the header a form includes, a short
    description, and the function that builds it. The icon is a thumbnail of the widget itself,
    drawn the first time Designer asks for it.
*/
class MirokitWidgetPlugin : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    using Factory = QWidget* (*)(QWidget* parent);

    MirokitWidgetPlugin(const QString& className, const QString& toolTip, Factory factory,
                        QObject* parent = nullptr);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QWidget* createWidget(QWidget* parent) override;
    bool isInitialized() const override;
    void initialize(QDesignerFormEditorInterface* core) override;
    QString domXml() const override;

private:
    QString m_className;
    QString m_toolTip;
    Factory m_factory;
    mutable QIcon m_icon;
    bool m_initialized = false;
};
