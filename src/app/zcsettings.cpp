#include "zcsettings.h"

#include <QCoreApplication>

ZCSettings::ZCSettings(const QString& organization, const QString& application, QObject* parent)
    : QSettings(organization, application, parent)
{
}

ZCSettings::ZCSettings(const QString& group)
    : QSettings(QStringLiteral("Dunmar"), QCoreApplication::applicationName())
{
    if (!group.isEmpty())
        beginGroup(group);
}

ZCSettings::~ZCSettings() = default;
