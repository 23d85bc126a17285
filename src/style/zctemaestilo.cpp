#include "zctemaestilo.h"

#include <QDebug>
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
    Reset();
    if (!object.contains(keyNombre)) {
        qWarning().noquote() << tr("Error. Falta el valor %1 en la configuración del tema").arg(keyNombre);
        return false;
    }
    m_nombre = object.value(keyNombre).toString();

    QString* const paths[] = {&m_pathIconos, &m_pathCSS, &m_pathIconosCSS};
    const QString pathKeys[] = {QStringLiteral("senda_iconos"), QStringLiteral("senda_css"),
                                QStringLiteral("senda_iconos_css")};
    for (int i = 0; i < 3; ++i) {
        if (!object.contains(pathKeys[i])) {
            qWarning().noquote() << tr("Error. Falta el valor %1 en la configuración del tema %2")
                                        .arg(pathKeys[i], m_nombre);
            return false;
        }
        *paths[i] = object.value(pathKeys[i]).toString();
    }

    if (!object.contains(keyColores))
        return true;
    return loadColours(object.value(keyColores));
}

bool ZCTemaEstilo::loadColours(const QJsonValue& colours)
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
                qWarning().noquote()
                    << tr("Error en la configuración del tema %1. Solo se aceptan valores de tipo "
                          "String en el array de colores. Elemento %2 incorrecto")
                           .arg(m_nombre)
                           .arg(i + 1);
                return false;
            }
            m_colores.append(QColor(array.at(i).toString()));
        }
        return true;
    }
    qWarning().noquote() << tr("Error. El valor %1 no tiene un tipo esperado en la configuración "
                               "del tema %2. Valores válidos: String o Array de String")
                                .arg(keyColores, m_nombre);
    return false;
}

const QColor& ZCTemaEstilo::GetColor(ZCGestorTemasEstilo::EEstadoIcono state) const
{
    static const QColor noColour;
    if (state >= 0 && state < m_colores.size() && m_colores.at(state).isValid())
        return m_colores.at(state);
    return m_colores.isEmpty() ? noColour : m_colores.first();
}
