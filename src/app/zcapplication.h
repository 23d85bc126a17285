#pragma once

#include "mirokit_global.h"

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSharedPointer>

class ZCProxyStyle;

/*! The application's colour roles, answered by ZCApplication::GetColorApp(). */
enum EColorApp {
    ColorAppPrimario = 1,
    ColorAppTexto = 2,
    ColorAppFondo = 3,
    ColorAppBorde = 4,
    ColorAppResaltado = 5,
    ColorAppTextoResaltado = 6
};

/*!
    The application object: chooses and persists the widget style (always wrapped in a
    ZCProxyStyle), installs the Roboto font family and hands out the application colours.
    The host constructs it once, after its ZApplication; GetApplication() returns it.
*/
class MIROKIT_EXPORT ZCApplication : public QObject
{
    Q_OBJECT

public:
    ZCApplication(const QString& applicationName, QObject* parent = nullptr);
    ~ZCApplication() override;

    static void OnInitMain();
    static void GetArgsFromUri(int& argc, char**& argv, const QString& uriPrefix,
                               QList<QByteArray>& storage, QSharedPointer<char*>& argvHolder);
    static bool CheckArg(const QString& option, const QString& argument, QString& value);

    void GetNombreCurrentEstilo(QString& name) const;
    const QString& GetNombreEstiloSistema() const;
    bool IsCurrentEstiloSistema() const;
    bool SetCurrentEstilo(const QString& styleKey, bool fallBackToSystem);
    bool SetCurrentEstiloSistema();

    virtual QColor GetColorApp(EColorApp role);
    virtual void SetRobotoFont() const;
    // Applies the host's ":/Resources/nieve.qss" to the main window, once there is one.
    void SetCSSNieve() const;

protected:
    void LoadSettings();
    void SaveSettings();

private:
    QString currentStyleName() const;
    void installProxyStyle(ZCProxyStyle* proxy);
    bool isHalvard() const;

    QPointer<ZCProxyStyle> m_proxyStyle;
    QString m_systemStyleName;
    bool m_isSystemStyle = false;
};

MIROKIT_EXPORT ZCApplication* GetApplication();
