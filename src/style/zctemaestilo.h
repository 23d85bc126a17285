#pragma once

#include "mirokit_global.h"
#include "zcgestortemasestilo.h"

#include <QColor>
#include <QCoreApplication>
#include <QString>
#include <QVector>

class QJsonObject;
class QJsonValue;

/*!
    One theme as the host describes it in JSON: a name, the folder of its SVG icons, its main
    style-sheet file, the folder where generated icon PNGs go and the icon colour per state.
*/
class MIROKIT_EXPORT ZCTemaEstilo
{
    Q_DECLARE_TR_FUNCTIONS(ZCTemaEstilo)

public:
    ZCTemaEstilo();
    ZCTemaEstilo(const QString& name, const QString& iconFolder, const QString& styleSheetFile,
                 const QString& generatedIconFolder, const QVector<QColor>& colours);
    virtual ~ZCTemaEstilo();

    //! Fills the theme from one JSON object; false, with a warning naming the key that is missing
    //! or of the wrong type, when the object is not acceptable (the theme is then left empty).
    bool LoadFromJSON(const QJsonObject& object);
    //! The same for an object read from a theme file: relative paths resolve against the file's
    //! folder and warnings name the file.
    bool LoadFromJSON(const QJsonObject& object, const QString& fileName);

    const QString& GetNombre() const { return m_nombre; }
    const QString& GetPathIconos() const { return m_pathIconos; }
    const QString& GetPathCSS() const { return m_pathCSS; }
    const QString& GetPathIconosCSS() const { return m_pathIconosCSS; }
    const QColor& GetColor(ZCGestorTemasEstilo::EEstadoIcono state) const;

private:
    void Reset();
    bool loadColours(const QJsonValue& colours, const QString& fileName);
    bool takeText(const QJsonObject& object, const QString& key, QString& text, const QString& fileName);

    QString m_nombre;
    QString m_pathIconos;
    QString m_pathCSS;
    QString m_pathIconosCSS;
    QVector<QColor> m_colores;
};
