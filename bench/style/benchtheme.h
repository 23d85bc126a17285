#pragma once

// A theme written to a temporary folder for the style benchmarks.

#include <Mirokit/ZCGestorTemasEstilo.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace benchtheme {

inline void writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(content);
}

// A one-colour icon of the kind themes ship: a few paths with an explicit fill.
inline QByteArray iconSvg(int variant)
{
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"24\" height=\"24\" viewBox=\"0 0 24 24\">\n"
           "  <path fill=\"#000000\" fill-rule=\"evenodd\" d=\"M3 3h14l4 4v14H3z M6 5v5h9V5z "
           "M12 13a3 3 0 1 0 0 6a3 3 0 1 0 0-6z\"/>\n"
           "  <path fill=\"#000000\" d=\"M" + QByteArray::number(4 + variant % 10) + " 20h6v1H4z\"/>\n"
           "</svg>\n";
}

inline QString iconName(int index)
{
    return QStringLiteral("icon%1").arg(index);
}

// Registers a theme whose icons are icon0 … icon<count-1> and whose style sheet is main.qss.
inline int addTheme(const QTemporaryDir& dir, const QString& name, const QColor& colour, int iconCount)
{
    const QDir root(dir.path());
    for (int i = 0; i < iconCount; ++i)
        writeFile(root.filePath(QStringLiteral("icons/%1.svg").arg(iconName(i))), iconSvg(i));
    return GetGestorTemasEstilo()->AddTema(ZCTemaEstilo(name, root.filePath(QStringLiteral("icons")),
                                                        root.filePath(QStringLiteral("main.qss")),
                                                        root.filePath(QStringLiteral("gen")),
                                                        {colour, colour.lighter(), colour.darker(), Qt::red}));
}

} // namespace benchtheme
