#include "zctemaestilo.h"

#include "zcthemefilewarning_p.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>

namespace {

const QString keyNombre = QStringLiteral("nombre");
const QString keyColores = QStringLiteral("colores");

} // namespace

ZCTemaEstilo::ZCTemaEstilo() = default;

ZCTemaEstilo::ZCTemaEstilo(const QString& name, const QString& iconFolder,
                           const QString& styleSheetFile, const QString& generatedIconFolder,
                           const QVector<QColor>& colours)
    : m_nombre(name)
    , m_pathIconos(iconFolder)
    , m_pathCSS(styleSheetFile)
    , m_pathIconosCSS(generatedIconFolder)
    , m_colores(colours)
{
}

ZCTemaEstilo::~ZCTemaEstilo() = default;

void ZCTemaEstilo::Reset()
{
    m_nombre.clear();
    m_pathIconos.clear();
    m_pathCSS.clear();
    m_pathIconosCSS.clear();
    m_colores.clear();
}

bool ZCTemaEstilo::LoadFromJSON(const QJsonObject& object)
{
    return LoadFromJSON(object, QString());
}

bool ZCTemaEstilo::LoadFromJSON(const QJsonObject& object, const QString& fileName)
{
    Reset();
    if (!takeText(object, keyNombre, m_nombre, fileName))
        return false;

    QString* const paths[] = {&m_pathIconos, &m_pathCSS, &m_pathIconosCSS};
    const QString pathKeys[] = {QStringLiteral("senda_iconos"), QStringLiteral("senda_css"),
                                QStringLiteral("senda_iconos_css")};
    const QDir fileFolder = QFileInfo(fileName).absoluteDir();
    for (int i = 0; i < 3; ++i) {
        if (!takeText(object, pathKeys[i], *paths[i], fileName))
            return false;
        // A theme file names its files from its own folder; resource paths (":/…") are absolute.
        if (!fileName.isEmpty() && !paths[i]->isEmpty() && QDir::isRelativePath(*paths[i]))
            *paths[i] = QDir::cleanPath(fileFolder.filePath(*paths[i]));
    }

    if (object.contains(keyColores) && !loadColours(object.value(keyColores), fileName)) {
        Reset();
        return false;
    }
    return true;
}

bool ZCTemaEstilo::takeText(const QJsonObject& object, const QString& key, QString& text, const QString& fileName)
{
    // The name is known once it is read: its own messages cannot name the theme.
    const bool isName = key == keyNombre;
    if (!object.contains(key)) {
        warnAboutTheme(fileName, isName ? tr("Error. Falta el valor %1 en la configuración del tema").arg(key)
                                        : tr("Error. Falta el valor %1 en la configuración del tema %2").arg(key, m_nombre));
    } else if (!object.value(key).isString()) {
        warnAboutTheme(fileName, isName ? tr("Error. El valor %1 de la configuración del tema debe ser un texto").arg(key)
                                        : tr("Error. El valor %1 de la configuración del tema %2 debe ser un texto")
                                              .arg(key, m_nombre));
    } else {
        text = object.value(key).toString();
        return true;
    }
    Reset();
    return false;
}

bool ZCTemaEstilo::loadColours(const QJsonValue& colours, const QString& fileName)
{
    if (colours.isString()) {
        // A single colour names state 0 only; GetColor lets the other states fall back to it.
        m_colores.append(QColor(colours.toString()));
        return true;
    }
    if (colours.isArray()) {
        const QJsonArray array = colours.toArray();
        for (int i = 0; i < array.size(); ++i) {
            if (!array.at(i).isString()) {
                warnAboutTheme(fileName, tr("Error en la configuración del tema %1. Solo se aceptan valores de tipo "
                                            "String en el array de colores. Elemento %2 incorrecto")
                                             .arg(m_nombre)
                                             .arg(i + 1));
                return false;
            }
            m_colores.append(QColor(array.at(i).toString()));
        }
        return true;
    }
    warnAboutTheme(fileName, tr("Error. El valor %1 no tiene un tipo esperado en la configuración "
                                "del tema %2. Valores válidos: String o Array de String")
                                 .arg(keyColores, m_nombre));
    return false;
}

const QColor& ZCTemaEstilo::GetColor(ZCGestorTemasEstilo::EEstadoIcono state) const
{
    static const QColor noColour;
    if (state >= 0 && state < m_colores.size() && m_colores.at(state).isValid())
        return m_colores.at(state);
    return m_colores.isEmpty() ? noColour : m_colores.first();
}
