#pragma once

#include "mirokit_global.h"

#include <QSettings>

/*!
    The settings store every persistent value of the library goes through: a QSettings bound to
    the organisation "Dunmar" and the running application's name, optionally opened inside a
    group that stays open for the object's life. Objects are meant to be short-lived stack values.
*/
class MIROKIT_EXPORT ZCSettings : public QSettings
{
    Q_OBJECT

public:
    ZCSettings(const QString& organization, const QString& application, QObject* parent);
    explicit ZCSettings(const QString& group = QString());
    ~ZCSettings() override;
};
