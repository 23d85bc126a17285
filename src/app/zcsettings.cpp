#include "zcsettings.h"

#include <QCoreApplication>

ZCSettings::ZCSettings(const QString& organization, const QString& application, QObject* parent)
    : QSettings(organization, application, parent)
{
}

ZCSettings::ZCSettings(const QString& group)
    : QSettings(organizationName(), QCoreApplication::applicationName())
{
    if (!group.isEmpty())
        beginGroup(group);
}

ZCSettings::~ZCSettings() = default;

QString ZCSettings::organizationName()
{
    return QStringLiteral("Dunmar");
}
