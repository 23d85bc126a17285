#pragma once

#include "mirokit_global.h"
#include "zcgestortemasestilo.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <QSize>
#include <QString>
#include <QStringList>

/*!
    Pre-processes a theme's style sheet into plain QSS: expands `@import` lines, replaces
    `var(--name)` by the values declared in the `:root` block and `icon(name, w, h, state)` by
    the URL of a PNG rendered from the current theme's SVG icon.
*/
class MIROKIT_EXPORT ZCQssParser
{
    Q_DECLARE_TR_FUNCTIONS(ZCQssParser)

public:
    explicit ZCQssParser(const QString& fileName);
    ZCQssParser(const ZCQssParser& other);
    ZCQssParser& operator=(const ZCQssParser& other);
    virtual ~ZCQssParser();

    bool Parse();
    const QString& GetStyleSheet() const;
    QString GetErrors() const;

private:
    struct IconCall;

    void Init();
    bool ParseImports();
    bool ResolveVariables();
    bool LoadVariables();
    bool ResolveVariables(QString& text);
    bool ResolverIconos();
    bool WriteIcon(const QString& path, const QString& name, const QSize& size,
                   ZCGestorTemasEstilo::EEstadoIcono state);
    bool WriteQrc(const QStringList& paths, const QString& folder);
    static ZCGestorTemasEstilo::EEstadoIcono GetEstadoIcono(const QString& name);
    static QString GetFilenameIcon(const QString& name, const QSize& size,
                                   ZCGestorTemasEstilo::EEstadoIcono state);

    void addError(const QString& message);
    bool followImports(const QString& path, const QString& folder, QStringList& chain, QSet<QString>& followed);
    bool expandVariables(const QString& text, QString& result, QSet<QString>& resolving);
    bool isValidIconCall(const IconCall& call);
    QString iconUrl(const IconCall& call, const QString& folder, QSet<QString>& attempted,
                    QStringList& written, bool& allWritten);
    void writeInspectionCopy() const;

    QString m_fileName;
    QString m_styleSheet;
    QStringList m_errors;
    QHash<QString, QString> m_variables;
};
