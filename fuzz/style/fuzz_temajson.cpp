// Random theme descriptions through the JSON loader: a theme is accepted only with its four
// keys, every state has a colour answer, and the manager's index arithmetic stays right.
#include <Mirokit/ZCGestorTemasEstilo.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <sanitizer/lsan_interface.h>

#include <cstdint>
#include <cstdlib>

namespace {

constexpr int maxThemesInManager = 2000;

// Loads one element as the manager would and checks the theme; true when it is accepted.
bool checkTheme(const QJsonObject& object)
{
    ZCTemaEstilo theme;
    const bool loaded = theme.LoadFromJSON(object);
    const bool hasKeys = object.contains(QStringLiteral("nombre")) && object.contains(QStringLiteral("senda_iconos"))
        && object.contains(QStringLiteral("senda_css")) && object.contains(QStringLiteral("senda_iconos_css"));
    if (loaded && !hasKeys)
        std::abort();
    if (!loaded)
        return false;
    const QColor& first = theme.GetColor(ZCGestorTemasEstilo::EstadoNormal);
    for (int state = 0; state < 4; ++state) {
        const QColor& colour = theme.GetColor(static_cast<ZCGestorTemasEstilo::EEstadoIcono>(state));
        // Either the state's own valid colour or the first one.
        if (!colour.isValid() && colour != first)
            std::abort();
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool quiet = [] {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        return true;
    }();
    Q_UNUSED(quiet);

    // The manager takes text; bytes that are not UTF-8 reach its parser already replaced.
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));
    // Qt 5.15's JSON parser leaks the array or object of a key given twice in one object (a bare
    // fromJson call shows it), so its parsing runs with leak checking off; the theme loading
    // below is checked.
    QJsonDocument document;
    {
        __lsan::ScopedDisabler qtParserLeaks;
        document = QJsonDocument::fromJson(text.toUtf8());
    }
    int accepted = document.isObject() && checkTheme(document.object()) ? 1 : 0;
    const QJsonArray array = document.array();
    for (const QJsonValue& element : array) {
        if (element.isObject() && checkTheme(element.toObject()))
            ++accepted;
    }

    // The manager never forgets a theme; keep a long run's memory bounded.
    ZCGestorTemasEstilo* manager = GetGestorTemasEstilo();
    const int before = manager->AddTemaFromJSON(QStringLiteral("[]"));
    if (before >= maxThemesInManager)
        return 0;
    int after = 0;
    {
        __lsan::ScopedDisabler qtParserLeaks;
        after = manager->AddTemaFromJSON(text);
    }
    if (after != before + accepted)
        std::abort();
    return 0;
}
