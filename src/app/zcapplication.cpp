#include "zcapplication.h"

#include "zcmainwindow.h"
#include "zcproxystyle.h"
#include "zcsettings.h"

#include <QApplication>
#include <QDebug>
#include <QFile>
#include <QFontDatabase>
#include <QStyleFactory>
#include <QUrl>

namespace {

ZCApplication* s_application = nullptr;

const QString keyStyle = QStringLiteral("Style");
const QString keyIsTheSystemStyle = QStringLiteral("IsTheSystemStyle");
const QString defaultStyleKey = QStringLiteral("Fusion");

bool isWidgetApplication()
{
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

// Splits a decoded URI remainder at blanks; double quotes group and are dropped.
QList<QByteArray> splitQuotedArguments(const QString& text)
{
    QList<QByteArray> arguments;
    QString current;
    bool inQuotes = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"')) {
            inQuotes = !inQuotes;
        } else if (c == QLatin1Char(' ') && !inQuotes) {
            arguments.append(current.toUtf8());
            current.clear();
        } else {
            current.append(c);
        }
    }
    if (!current.isEmpty())
        arguments.append(current.toUtf8());
    return arguments;
}

// The command-line options QGuiApplication and QApplication act on themselves. An option
// that takes its value from the following argument carries the flag below.
struct QtOption {
    const char* name;
    bool takesValue;
};

constexpr QtOption qtOptions[] = {
    {"platform", true}, {"platformpluginpath", true}, {"platformtheme", true},
    {"plugin", true}, {"qmljsdebugger", true}, {"style", true}, {"stylesheet", true},
    {"session", true}, {"display", true}, {"geometry", true}, {"title", true},
    {"name", true}, {"visual", true}, {"ncols", true}, {"cmap", true},
    {"qwindowgeometry", true}, {"qwindowtitle", true}, {"qwindowicon", true},
    {"fn", true}, {"font", true}, {"bg", true}, {"background", true}, {"fg", true},
    {"foreground", true}, {"btn", true}, {"button", true}, {"im", true},
    {"inputstyle", true}, {"graphicssystem", true}, {"reverse", false},
    {"widgetcount", false}, {"testability", false}, {"nograb", false}, {"dograb", false},
    {"sync", false},
};

// Returns the Qt option an argument names ("-style", "--style=x"...), or null.
const QtOption* qtOptionOf(const QByteArray& argument)
{
    if (!argument.startsWith('-'))
        return nullptr;
    QByteArray name = argument.mid(argument.startsWith("--") ? 2 : 1);
    const int equals = name.indexOf('=');
    if (equals >= 0)
        name.truncate(equals);
    for (const QtOption& option : qtOptions) {
        if (name == option.name)
            return &option;
    }
    return nullptr;
}

// Arguments that come from a URI are outside data: they must not reconfigure Qt itself. An
// escaped NUL ("%00") ends the argument here, as it would for anyone reading argv, so that the
// check sees what Qt will see.
void appendWithoutQtOptions(const QList<QByteArray>& arguments, QList<QByteArray>& storage)
{
    for (int i = 0; i < arguments.size(); ++i) {
        QByteArray argument = arguments.at(i);
        const int nul = argument.indexOf('\0');
        if (nul >= 0)
            argument.truncate(nul);
        const QtOption* option = qtOptionOf(argument);
        if (!option) {
            storage.append(argument);
            continue;
        }
        qWarning().noquote()
            << ZCApplication::tr("Se descarta el argumento \"%1\": es una opción de Qt")
                   .arg(QString::fromUtf8(argument));
        const bool valueFollows = option->takesValue && !argument.contains('=')
                                  && i + 1 < arguments.size();
        if (valueFollows)
            ++i;
    }
}

} // namespace

ZCApplication* GetApplication()
{
    return s_application;
}

ZCApplication::ZCApplication(const QString& applicationName, QObject* parent)
    : QObject(parent)
{
    QCoreApplication::setApplicationName(applicationName);
    if (QCoreApplication::instance())
        QCoreApplication::addLibraryPath(QCoreApplication::applicationDirPath()
                                         + QStringLiteral("/plugins"));

    if (isWidgetApplication()) {
        m_systemStyleName = currentStyleName();
        // First run: no style chosen yet, but the platform style still gets the proxy.
        if (!ZCSettings().contains(keyStyle))
            QApplication::setStyle(new ZCProxyStyle());
    }

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // Qt 6 always draws pixmaps at the device pixel ratio; Qt 5 does so only when asked.
    const auto* guiApplication = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (guiApplication && guiApplication->devicePixelRatio() > 1.0)
        QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif

    s_application = this;
}

ZCApplication::~ZCApplication()
{
    if (s_application == this)
        s_application = nullptr;
}

void ZCApplication::OnInitMain()
{
    // Qt 6 always scales by the screen's device pixel ratio.
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
#endif
}

void ZCApplication::GetArgsFromUri(int& argc, char**& argv, const QString& uriPrefix,
                                   QList<QByteArray>& storage, QSharedPointer<char*>& argvHolder)
{
    if (argc != 2 || !argv || !argv[0] || !argv[1])
        return;
    QString text = QString::fromUtf8(argv[1]);
    if (!text.startsWith(uriPrefix))
        return;
    text.remove(0, uriPrefix.size());

    storage.clear();
    storage.append(QByteArray(argv[0]));
    const QString decoded = QUrl::fromPercentEncoding(text.toUtf8());
    // Without escapes the remainder is one argument, spaces and all.
    const QList<QByteArray> arguments = decoded == text ? QList<QByteArray>{text.toUtf8()}
                                                        : splitQuotedArguments(decoded);
    appendWithoutQtOptions(arguments, storage);

    argc = storage.size();
    argvHolder = QSharedPointer<char*>(new char*[argc + 1], [](char** array) { delete[] array; });
    for (int i = 0; i < argc; ++i)
        argvHolder.data()[i] = storage[i].data();
    argvHolder.data()[argc] = nullptr;
    argv = argvHolder.data();
}

bool ZCApplication::CheckArg(const QString& option, const QString& argument, QString& value)
{
    if (!argument.startsWith(option))
        return false;
    value = argument.mid(option.size());
    value.remove(QLatin1Char('"'));
    return true;
}

void ZCApplication::GetNombreCurrentEstilo(QString& name) const
{
    const QString current = currentStyleName();
    if (!current.isNull())
        name = current;
}

const QString& ZCApplication::GetNombreEstiloSistema() const
{
    return m_systemStyleName;
}

bool ZCApplication::IsCurrentEstiloSistema() const
{
    return m_isSystemStyle;
}

bool ZCApplication::SetCurrentEstilo(const QString& styleKey, bool fallBackToSystem)
{
    m_isSystemStyle = false;
    if (!isWidgetApplication())
        return false;
    if (QStyle* style = QStyleFactory::create(styleKey)) {
        installProxyStyle(new ZCProxyStyle(style));
        return true;
    }
    if (fallBackToSystem)
        SetCurrentEstiloSistema();
    return false;
}

bool ZCApplication::SetCurrentEstiloSistema()
{
    if (!isWidgetApplication())
        return false;
    const QString current = currentStyleName();
    m_isSystemStyle = true;
    if (current == m_systemStyleName) {
        installProxyStyle(new ZCProxyStyle());
        return false;
    }
    QStyle* style = QStyleFactory::create(m_systemStyleName);
    if (!style)
        return false;
    installProxyStyle(new ZCProxyStyle(style));
    return true;
}

QColor ZCApplication::GetColorApp(EColorApp role)
{
    switch (role) {
    case ColorAppPrimario:
    case ColorAppResaltado:
        return QColor(Qt::blue);
    case ColorAppTexto:
    case ColorAppBorde:
        return QColor(Qt::black);
    case ColorAppFondo:
    case ColorAppTextoResaltado:
        return QColor(Qt::white);
    }
    return QColor();
}

void ZCApplication::SetRobotoFont() const
{
    const bool haveFonts = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    const int regularId = haveFonts
        ? QFontDatabase::addApplicationFont(QStringLiteral(":/Resources/Fonts/Roboto-Regular.ttf"))
        : -1;
    if (regularId == -1) {
        if (!isHalvard())
            qDebug().noquote() << tr("No se ha podido cargar fuentes Roboto");
        return;
    }
    QFontDatabase::addApplicationFont(QStringLiteral(":/Resources/Fonts/Roboto-Bold.ttf"));
    QFontDatabase::addApplicationFont(QStringLiteral(":/Resources/Fonts/Roboto-Italic.ttf"));
    QFontDatabase::addApplicationFont(QStringLiteral(":/Resources/Fonts/Roboto-BoldItalic.ttf"));

    const QStringList families = QFontDatabase::applicationFontFamilies(regularId);
    if (families.isEmpty())
        return;
    QFont font(families.first());
    font.setPointSize(11);
    QApplication::setFont(font);
}

void ZCApplication::LoadSettings()
{
    if (!isWidgetApplication())
        return;
    const ZCSettings settings;
    QString style = settings.value(keyStyle, defaultStyleKey).toString();
    if (style.isEmpty())
        style = defaultStyleKey;
    m_isSystemStyle = settings.value(keyIsTheSystemStyle, m_isSystemStyle).toBool();
    if (m_isSystemStyle)
        SetCurrentEstiloSistema();
    else
        SetCurrentEstilo(style, true);
}

void ZCApplication::SaveSettings()
{
    if (!isWidgetApplication())
        return;
    QString style;
    GetNombreCurrentEstilo(style);
    ZCSettings settings;
    settings.setValue(keyStyle, style);
    settings.setValue(keyIsTheSystemStyle, m_isSystemStyle);
}

QString ZCApplication::currentStyleName() const
{
    QStyle* style = QApplication::style();
    const QProxyStyle* proxy = qobject_cast<QProxyStyle*>(style);
    if (!proxy)
        proxy = m_proxyStyle.data();
    const QString name = proxy ? proxy->baseStyle()->objectName() : style->objectName();
    const QStringList keys = QStyleFactory::keys();
    for (const QString& key : keys) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return key;
    }
    return QString();
}

void ZCApplication::installProxyStyle(ZCProxyStyle* proxy)
{
    m_proxyStyle = proxy;
    QApplication::setStyle(proxy);
}

void ZCApplication::SetCSSNieve() const
{
    ZCMainWindow* window = GetMainWindow();
    if (!window) {
        qWarning().noquote() << tr("No hay ventana principal a la que aplicar la hoja de estilo");
        return;
    }
    QFile file(QStringLiteral(":/Resources/nieve.qss"));
    if (!file.open(QIODevice::ReadOnly)) {
        if (!isHalvard())
            qDebug().noquote() << tr("No se ha podido cargar hoja de estilo WASM");
        return;
    }
    window->setStyleSheet(QString::fromUtf8(file.readAll()));
}

bool ZCApplication::isHalvard() const
{
    return QCoreApplication::applicationName() == QLatin1String("Halvard");
}
