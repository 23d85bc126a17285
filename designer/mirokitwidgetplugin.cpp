#include "mirokitwidgetplugin.h"

#include <QPainter>
#include <QWidget>

#include <memory>

namespace {

constexpr int iconSize = 32;

// The widget at its preferred size, scaled into a square with its aspect kept.
QIcon thumbnailOf(QWidget* widget)
{
    const QSize size = widget->sizeHint().expandedTo(QSize(iconSize, iconSize)).boundedTo(QSize(400, 300));
    widget->resize(size);
    const QPixmap shot = widget->grab();
    QPixmap icon(iconSize, iconSize);
    icon.fill(Qt::transparent);
    const QPixmap scaled = shot.scaled(icon.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&icon);
    painter.drawPixmap((iconSize - scaled.width()) / 2, (iconSize - scaled.height()) / 2, scaled);
    return QIcon(icon);
}

} // namespace

MirokitWidgetPlugin::MirokitWidgetPlugin(const QString& className, const QString& toolTip,
                                         Factory factory, QObject* parent)
    : QObject(parent)
    , m_className(className)
    , m_toolTip(toolTip)
    , m_factory(factory)
{
}

QString MirokitWidgetPlugin::name() const
{
    return m_className;
}

QString MirokitWidgetPlugin::group() const
{
    return QStringLiteral("Mirokit");
}

QString MirokitWidgetPlugin::toolTip() const
{
    return m_toolTip;
}

QString MirokitWidgetPlugin::whatsThis() const
{
    return m_toolTip;
}

QString MirokitWidgetPlugin::includeFile() const
{
    return QLatin1String("Mirokit/") + m_className + QLatin1String(".h");
}

QIcon MirokitWidgetPlugin::icon() const
{
    if (m_icon.isNull()) {
        const std::unique_ptr<QWidget> sample(m_factory(nullptr));
        m_icon = thumbnailOf(sample.get());
    }
    return m_icon;
}

bool MirokitWidgetPlugin::isContainer() const
{
    return false;
}

QWidget* MirokitWidgetPlugin::createWidget(QWidget* parent)
{
    return m_factory(parent);
}

bool MirokitWidgetPlugin::isInitialized() const
{
    return m_initialized;
}

void MirokitWidgetPlugin::initialize(QDesignerFormEditorInterface*)
{
    m_initialized = true;
}

// The object name Designer gives a new instance: the class name without its prefix, first
// letter lower-case (ZGaugeWidget -> gaugeWidget).
QString MirokitWidgetPlugin::domXml() const
{
    QString objectName = m_className.mid(m_className.startsWith(QLatin1String("ZC")) ? 2 : 1);
    objectName[0] = objectName.at(0).toLower();
    return QStringLiteral("<ui language=\"c++\">\n"
                          " <widget class=\"%1\" name=\"%2\"/>\n"
                          " <customwidgets>\n"
                          "  <customwidget>\n"
                          "   <class>%1</class>\n"
                          "   <header location=\"global\">%3</header>\n"
                          "  </customwidget>\n"
                          " </customwidgets>\n"
                          "</ui>\n")
        .arg(m_className, objectName, includeFile());
}
