#pragma once

#include <QDebug>
#include <QString>

// A warning about a theme description; one read from a file names the file first.
inline void warnAboutTheme(const QString& fileName, const QString& text)
{
    if (fileName.isEmpty())
        qWarning().noquote() << text;
    else
        qWarning().noquote() << QStringLiteral("%1: %2").arg(fileName, text);
}
