#pragma once

#include <Mirokit/ZCGestorTemasEstilo.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A theme in a temporary folder: icons/, main.qss and gen/ for the PNGs; add() registers it.
struct ThemeFolder {
    QTemporaryDir dir;

    QString path(const QString& relative = QString()) const { return relative.isEmpty() ? dir.path() : dir.filePath(relative); }
    QString icons() const { return path(QStringLiteral("icons")); }
    QString generated() const { return path(QStringLiteral("gen")); }
    void write(const QString& relative, const QByteArray& content) const
    {
        QDir().mkpath(QFileInfo(path(relative)).absolutePath());
        QFile file(path(relative));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(content);
    }
    void writeIcon(const QString& name, const QByteArray& svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"16\" "
                                                               "height=\"16\"><rect width=\"16\" height=\"16\" fill=\"#000\"/></svg>") const
    {
        write("icons/" + name + ".svg", svg);
    }
    int add(const QString& name, const QVector<QColor>& colours, const QString& generatedFolder = QString()) const
    {
        if (!QFile::exists(path("main.qss")))
            write("main.qss", "QWidget { }\n");
        return GetGestorTemasEstilo()->AddTema(ZCTemaEstilo(name, icons(), path("main.qss"),
                                                            generatedFolder.isNull() ? generated() : generatedFolder, colours));
    }
};
