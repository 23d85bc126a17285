// The theme manager, the themes it loads and the recoloured icons it hands out.
#include "mirokittest.h"
#include "messagelogcapture.h"
#include "themefixture.h"

#include <Mirokit/ZCIcon.h>
#include <Mirokit/ZCMainWindow.h>
#include <Mirokit/ZCNotificacion.h>
#include <Mirokit/ZCProxyStyle.h>
#include <Mirokit/ZCSVGIconEngine.h>

#include <QAction>
#include <QApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPixmapCache>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QStyleOption>
#include <QXmlStreamReader>

namespace {

using Files = QMap<QString, QByteArray>;

const int noTheme = -1; // the state column of a row that adds no theme
const QVector<QColor> colours{QColor(Qt::red), QColor(Qt::green), QColor(Qt::blue), QColor(Qt::yellow)};

QString jsonError(const QByteArray& text)
{
    QJsonParseError error;
    QJsonDocument::fromJson(text, &error);
    return "Error cargando tema. " + error.errorString();
}

QIcon themed(const QString& name, ZCGestorTemasEstilo::EEstadoIcono state = ZCGestorTemasEstilo::EstadoNormal)
{
    return GetGestorTemasEstilo()->FromTheme(name, state);
}

// At (x, y) in icon units, the centre by default, at any device pixel ratio of the pixmap.
QColor pixelAt(const QPixmap& pixmap, int x = -1, int y = -1)
{
    const qreal ratio = pixmap.devicePixelRatio();
    const QSize size = (QSizeF(pixmap.size()) / ratio).toSize();
    const QPoint at(x < 0 ? size.width() / 2 : x, y < 0 ? size.height() / 2 : y);
    return pixmap.toImage().pixelColor(at * ratio);
}

// Every element of the drawing with its fill, in document order: "svg= path=#ff0000".
QString fillsOf(const QByteArray& svg)
{
    QStringList fills;
    for (QXmlStreamReader reader(svg); !reader.atEnd();) {
        if (reader.readNext() == QXmlStreamReader::StartElement)
            fills.append(reader.name().toString() + '=' + reader.attributes().value("fill").toString());
    }
    return fills.join(' ');
}

// ZCIcon's subclasses are the ones that look images up; this one makes the lookup visible.
struct CachedIcon : ZCIcon {
    using ZCIcon::GetPixmapCache;
};

} // namespace

class TestZCGestorTemasEstilo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { QVERIFY(GetGestorTemasEstilo()->SetTema(m_firstIndex)); }
    void themesFromJson_data();
    void themesFromJson();
    void aFailedLoadLeavesNothingOfTheOldTheme();
    void invalidIndexesWarn_data();
    void invalidIndexesWarn();
    void aBrokenSheetKeepsThePreviousOne();
    void theDocumentedExampleThemeLoadsAndApplies();
    void badInputLeavesTheThemeInForce_data();
    void badInputLeavesTheThemeInForce();
    void aSignalFollowsTheThemeAndQuitarTemaRestoresTheHostsLook();
    void theRefreshActionReappliesAndNotifies();
    void theMenuFollowsTheThemeInForce();
    void fromThemeCachesPerThemeAndFallsBackToQtsIconTheme();
    void recolour_data();
    void recolour();
    void eachStateIsDrawnInItsColour_data();
    void eachStateIsDrawnInItsColour();
    void aMissingIconIsTransparentWithAWarning();
    void aHostIconFollowsTheThemeWithoutBeingAskedAgain();
    void anEmptySizeGivesNoPixmapAndNoWarning_data();
    void anEmptySizeGivesNoPixmapAndNoWarning();
    void disabledGoesThroughTheStyle();
    void aThemeSwitchOrARefreshRedrawsTheSameIcon();
    void aZCIconLoadsAFileOncePerProcess();

private:
    QString m_hostStyleSheet, m_hostIconTheme;
    ThemeFolder m_first, m_second;
    int m_firstIndex = -1, m_secondIndex = -1;
};

void TestZCGestorTemasEstilo::initTestCase()
{
    // Before any theme everything is safe.
    QCOMPARE(GetGestorTemasEstilo()->GetCurrentTema().GetNombre(), QString());
    QVERIFY(themed("save").isNull());
    m_hostStyleSheet = qApp->styleSheet();
    m_hostIconTheme = QIcon::themeName();

    m_first.write("main.qss", ":root {\n--fondo: #102030;\n}\nQWidget { background: var(--fondo); }");
    m_first.writeIcon("save");
    m_second.write("main.qss", "QWidget { background: #405060; }");
    m_second.writeIcon("save");
    m_firstIndex = m_first.add("Uno", colours);
    m_secondIndex = m_second.add("Dos", {QColor(Qt::black)});
}

void TestZCGestorTemasEstilo::themesFromJson_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<int>("state");
    QTest::addColumn<QColor>("colour"); // of that state in the added theme
    QTest::addColumn<QStringList>("warnings");

    const QByteArray paths = "\"senda_iconos\": \"i\", \"senda_css\": \"c.qss\", \"senda_iconos_css\": \"g\"";
    const auto theme = [&paths](const QByteArray& colours) {
        return "{\"nombre\": \"Claro\", " + paths + (colours.isEmpty() ? "" : ", \"colores\": " + colours) + "}";
    };
    const int normal = ZCGestorTemasEstilo::EstadoNormal, hover = ZCGestorTemasEstilo::EstadoHover;
    QTest::newRow("a list with a theme and a number adds the theme")
        << "[" + theme("") + ", 5]" << normal << QColor() << QStringList("El elemento de la lista de temas no tiene un formato correcto");
    QTest::newRow("text that is not JSON") << QByteArray("{nombre") << noTheme << QColor() << QStringList(jsonError("{nombre"));

    QTest::newRow("a single colour string colours the hover state too")
        << theme("\"#336699\"") << hover << QColor(0x336699) << QStringList();
    QTest::newRow("an invalid single colour leaves no valid colour") << theme("\"nocolour\"") << normal << QColor() << QStringList();
    QTest::newRow("an invalid second colour falls back to the first")
        << theme("[\"#000000\", \"nocolour\"]") << hover << QColor(Qt::black) << QStringList();
    QTest::newRow("a missing pressed colour falls back to the first")
        << theme("[\"red\", \"blue\"]") << int(ZCGestorTemasEstilo::EstadoPressed) << QColor(Qt::red) << QStringList();

    QTest::newRow("no name") << "{" + paths + "}" << noTheme << QColor()
                             << QStringList("Error. Falta el valor nombre en la configuración del tema");
    for (const char* key : {"senda_iconos", "senda_css", "senda_iconos_css"}) {
        QTest::addRow("no %s", key) << theme("").replace("\"" + QByteArray(key) + "\"", "\"otro\"") << noTheme << QColor()
                                    << QStringList(QStringLiteral("Error. Falta el valor %1 en la configuración del tema Claro").arg(key));
    }
    QTest::newRow("a number among the colours names its position") << theme("[\"#000000\", 5]") << noTheme << QColor()
        << QStringList("Error en la configuración del tema Claro. Solo se aceptan valores de tipo String en el array de "
                       "colores. Elemento 2 incorrecto");
    QTest::newRow("a name that is not text") << "{\"nombre\": 5, " + paths + "}" << noTheme << QColor()
        << QStringList("Error. El valor nombre de la configuración del tema debe ser un texto");
    QTest::newRow("a path that is not text") << theme("").replace("\"c.qss\"", "[\"c.qss\"]") << noTheme << QColor()
        << QStringList("Error. El valor senda_css de la configuración del tema Claro debe ser un texto");
    QTest::newRow("colours given as an object") << theme("{\"a\": 1}") << noTheme << QColor()
        << QStringList("Error. El valor colores no tiene un tipo esperado en la configuración del tema Claro. Valores "
                       "válidos: String o Array de String");
}

void TestZCGestorTemasEstilo::themesFromJson()
{
    QFETCH(QByteArray, json);
    QFETCH(int, state);
    QFETCH(QColor, colour);
    QFETCH(QStringList, warnings);
    ZCGestorTemasEstilo* manager = GetGestorTemasEstilo();
    const int before = manager->GetNumTemas() - 1;
    MessageLogCapture log;
    QCOMPARE(manager->AddTemaFromJSON(json), before + (state == noTheme ? 0 : 1));
    QCOMPARE(manager->GetNumTemas(), before + (state == noTheme ? 1 : 2));
    QCOMPARE(log.texts(QtWarningMsg), warnings);
    if (state != noTheme) {
        const ZCTemaEstilo& added = manager->GetTema(before + 1);
        QCOMPARE(QStringList({added.GetNombre(), added.GetPathIconos(), added.GetPathCSS(), added.GetPathIconosCSS()}),
                 QStringList({"Claro", "i", "c.qss", "g"}));
        QCOMPARE(added.GetColor(static_cast<ZCGestorTemasEstilo::EEstadoIcono>(state)), colour);
    }
}

void TestZCGestorTemasEstilo::aFailedLoadLeavesNothingOfTheOldTheme()
{
    ZCTemaEstilo theme("Viejo", "i", "c", "g", {QColor(Qt::red)});
    const MessageLogCapture log;
    QVERIFY(!theme.LoadFromJSON(QJsonObject{{"senda_iconos", "x"}}));
    QCOMPARE(theme.GetNombre() + theme.GetPathIconos() + theme.GetPathCSS() + theme.GetPathIconosCSS(), QString());
    QVERIFY(!theme.GetColor(ZCGestorTemasEstilo::EstadoNormal).isValid());
}

void TestZCGestorTemasEstilo::invalidIndexesWarn_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("a negative index") << -1;
    QTest::newRow("an index past the end") << 1000;
}

void TestZCGestorTemasEstilo::invalidIndexesWarn()
{
    QFETCH(int, index);
    const QString warning = QStringLiteral("Error. No existe ningún tema con el índice %1").arg(index);
    MessageLogCapture log;
    QCOMPARE(GetGestorTemasEstilo()->GetTema(index).GetNombre(), QString());
    QVERIFY(!GetGestorTemasEstilo()->SetTema(index));
    QCOMPARE(log.texts(QtWarningMsg), QStringList({warning, warning}));
}

void TestZCGestorTemasEstilo::aBrokenSheetKeepsThePreviousOne()
{
    const QString resolved = "\nQWidget { background: #102030; }";
    QCOMPARE(qApp->styleSheet(), resolved);
    ThemeFolder broken;
    broken.write("main.qss", "x: var(--nada);");
    MessageLogCapture log;
    QVERIFY(!GetGestorTemasEstilo()->SetTema(broken.add("Roto", {})));
    QCOMPARE(log.texts(QtWarningMsg), QStringList("Error parseando el CSS: " + broken.path("main.qss")
                                                  + ": Error. La variable --nada no está definida previamente"));
    QCOMPARE(qApp->styleSheet(), resolved);
    // Nothing of it is applied: the previous theme is still the one in force.
    QCOMPARE(GetGestorTemasEstilo()->GetCurrentTema().GetNombre(), QStringLiteral("Uno"));
    QCOMPARE(QIcon::themeName(), QStringLiteral("Uno"));
}

void TestZCGestorTemasEstilo::theDocumentedExampleThemeLoadsAndApplies()
{
    // A copy, so the PNGs it generates stay out of the sources; its paths are all relative.
    QTemporaryDir copy;
    const QDir example(QStringLiteral(MIROKIT_SOURCE_DIR "/doc/themes/ejemplo"));
    for (const char* file : {"tema.json", "ejemplo.qss", "colores.qss", "iconos/marca.svg", "iconos/search.svg"}) {
        QDir().mkpath(QFileInfo(copy.filePath(file)).absolutePath());
        QVERIFY2(QFile::copy(example.filePath(file), copy.filePath(file)), qPrintable(file));
    }
    ZCGestorTemasEstilo* manager = GetGestorTemasEstilo();
    const int before = manager->GetNumTemas();
    const MessageLogCapture log;
    QCOMPARE(manager->AddTemaFromFile(copy.filePath("tema.json")), before);
    QCOMPARE(manager->GetNumTemas(), before + 1);
    const ZCTemaEstilo& theme = manager->GetTema(before);
    QCOMPARE(QStringList({theme.GetPathIconos(), theme.GetPathCSS(), theme.GetPathIconosCSS()}),
             QStringList({copy.filePath("iconos"), copy.filePath("ejemplo.qss"), copy.filePath("generados")}));

    QVERIFY(manager->SetTema(before));
    QCOMPARE(log.messages().size(), 0);
    const QString png = copy.filePath("generados/marca_14_14_hover.png");
    QCOMPARE(qApp->styleSheet(),
             "/* The example theme: colours in colores.qss, icons drawn from iconos/. */\n\n\n\n"
             "QWidget { background: #fafafa; color: #263238; }\n"
             "QLineEdit, QPushButton { border: 1px solid #00897b; padding: 3px; background: #ffffff; }\n"
             "QPushButton:hover { background: #00897b; color: #ffffff; }\n"
             "QCheckBox::indicator:checked { image: url(" + png + "); }\n");
    QCOMPARE(QImage(png).pixelColor(8, 7).name(), QStringLiteral("#00897b"));
    QVERIFY(QFile::exists(copy.filePath("generados/qrc_icons.qrc")));
    // Its magnifier replaces the default one; what it lacks comes from the default theme.
    QCOMPARE(manager->GetPathFromTheme("search"), copy.filePath("iconos/search.svg"));
    QCOMPARE(manager->GetPathFromTheme("page_first"), QStringLiteral(":/Resources/tema/page_first.svg"));
    QCOMPARE(pixelAt(themed("page_first", ZCGestorTemasEstilo::EstadoHover).pixmap(16), 4, 8), QColor(0x00897b));
}

void TestZCGestorTemasEstilo::badInputLeavesTheThemeInForce_data()
{
    QTest::addColumn<Files>("files");
    QTest::addColumn<bool>("added");
    QTest::addColumn<QString>("warning"); // %1: the theme's folder

    const QByteArray description = "{\"nombre\": \"Malo\", \"senda_iconos\": \"iconos\", \"senda_css\": \"main.qss\", "
                                   "\"senda_iconos_css\": \"gen\"}";
    const Files good{{"tema.json", description}, {"main.qss", "QWidget { color: red; }"}, {"iconos/bien.svg", "<svg/>"}};
    const auto with = [&good](const QString& file, const QByteArray& content) {
        Files files = good;
        files.insert(file, content);
        return files;
    };
    QXmlStreamReader svg("<svg><path");
    while (!svg.atEnd())
        svg.readNext();

    QTest::newRow("a theme file that is not JSON") << with("tema.json", "{\"nombre\"") << false
        << "%1/tema.json: " + jsonError("{\"nombre\"");
    QTest::newRow("a theme file whose path is not text")
        << with("tema.json", QByteArray(description).replace("\"main.qss\"", "5")) << false
        << "%1/tema.json: Error. El valor senda_css de la configuración del tema Malo debe ser un texto";
    QTest::newRow("a theme file without colour values of text")
        << with("tema.json", QByteArray(description).replace("}", ", \"colores\": true}")) << false
        << "%1/tema.json: Error. El valor colores no tiene un tipo esperado en la configuración del tema Malo. Valores "
           "válidos: String o Array de String";
    QTest::newRow("a style sheet that is not UTF-8") << with("main.qss", "QWidget { color: r\xe9" "d; }") << true
        << "Error parseando el CSS: %1/main.qss: Error. El fichero %1/main.qss no está codificado en UTF-8";
    Files cycle = with("main.qss", "@import a.qss\n");
    cycle.insert("a.qss", "@import main.qss\n");
    QTest::newRow("an import cycle") << cycle << true
        << "Error parseando el CSS: %1/main.qss: Error. Importación circular: %1/main.qss -> %1/a.qss -> %1/main.qss";
    QTest::newRow("an SVG that does not parse") << with("iconos/roto.svg", "<svg><path") << true
        << QStringLiteral("Error. El icono %1/iconos/roto.svg del tema Malo no es un SVG válido: %2 (línea 1)").arg("%1", svg.errorString());
}

void TestZCGestorTemasEstilo::badInputLeavesTheThemeInForce()
{
    QFETCH(Files, files);
    QFETCH(bool, added);
    QFETCH(QString, warning);
    ThemeFolder folder;
    for (auto file = files.cbegin(); file != files.cend(); ++file)
        folder.write(file.key(), file.value());
    ZCGestorTemasEstilo* manager = GetGestorTemasEstilo();
    const QString sheet = qApp->styleSheet();
    const int before = manager->GetNumTemas();
    QSignalSpy changes(manager, &ZCGestorTemasEstilo::temaChanged);
    MessageLogCapture log;
    manager->AddTemaFromFile(folder.path("tema.json"));
    QCOMPARE(manager->GetNumTemas(), before + (added ? 1 : 0));
    if (added)
        QVERIFY(!manager->SetTema(before));
    QCOMPARE(log.texts(QtWarningMsg), QStringList(QString(warning).replace("%1", folder.path())));
    QCOMPARE(manager->GetCurrentTema().GetNombre(), QStringLiteral("Uno"));
    QCOMPARE(QIcon::themeName(), QStringLiteral("Uno"));
    QCOMPARE(qApp->styleSheet(), sheet);
    QCOMPARE(changes.count(), 0);
}

void TestZCGestorTemasEstilo::aSignalFollowsTheThemeAndQuitarTemaRestoresTheHostsLook()
{
    ZCGestorTemasEstilo* manager = GetGestorTemasEstilo();
    QSignalSpy changes(manager, &ZCGestorTemasEstilo::temaChanged);
    QVERIFY(manager->SetTema(m_secondIndex));
    QVERIFY(!manager->SetTema(1000));
    const QIcon save = themed("save");
    manager->QuitarTema();
    manager->QuitarTema(); // already without a theme: nothing happens
    MessageLogCapture log;
    manager->GetActionRefresh()->trigger(); // nothing to reload, and nothing to warn about
    QCOMPARE(log.texts(QtWarningMsg), QStringList());
    QCOMPARE(changes.count(), 2);
    QCOMPARE(changes.at(0).at(0).toInt(), m_secondIndex);
    QCOMPARE(changes.at(1).at(0).toInt(), -1);
    QCOMPARE(qApp->styleSheet(), m_hostStyleSheet);
    QCOMPARE(QIcon::themeName(), m_hostIconTheme);
    QCOMPARE(manager->GetCurrentTema().GetNombre(), QString());
    // The library's drawings again, in the default theme's colours; the theme's own icon is gone.
    QVERIFY(manager->GetPathFromTheme("search").startsWith(":/Resources/tema/"));
    QVERIFY(!themed("search").isNull());
    QCOMPARE(pixelAt(save.pixmap(16)).alpha(), 0);
}

void TestZCGestorTemasEstilo::theRefreshActionReappliesAndNotifies()
{
    QVERIFY(GetGestorTemasEstilo()->SetTema(m_secondIndex));
    m_second.write("main.qss", "QLabel { color: blue; }");
    ZCMainWindow window(QStringLiteral("Prueba"));
    window.show();
    GetGestorTemasEstilo()->GetActionRefresh()->trigger();
    QCOMPARE(qApp->styleSheet(), QStringLiteral("QLabel { color: blue; }"));
    // "Dos" has no close icon of its own, so the notification closes with the library's.
    QTRY_COMPARE(window.findChildren<ZCNotificacion*>().size(), 1);
    const auto* notificacion = window.findChild<ZCNotificacion*>();
    QCOMPARE(notificacion->findChild<QLabel*>()->text(), QStringLiteral("El tema \"Dos\" ha sido recargado correctamente"));
    QVERIFY(notificacion->findChild<QPushButton*>("icon")->icon().isNull());
    QVERIFY(!notificacion->findChild<QPushButton*>("close")->icon().isNull());
    QCOMPARE(notificacion->findChild<QTimer*>()->interval(), 3000);
}

void TestZCGestorTemasEstilo::theMenuFollowsTheThemeInForce()
{
    ZCGestorTemasEstilo* manager = GetGestorTemasEstilo();
    QVERIFY(manager->SetTema(m_secondIndex));
    const QList<QAction*> actions = manager->GetMenuTemas()->actions();
    const int themes = manager->GetNumTemas();
    // The themes, "Sin tema", a separator and the refresh action.
    QCOMPARE(actions.size(), themes + 3);
    QAction* none = actions.at(themes);
    QCOMPARE(none->text(), QStringLiteral("Sin tema"));
    QCOMPARE(actions.last(), manager->GetActionRefresh());
    const auto checked = [&actions] {
        QStringList texts;
        for (const QAction* action : actions)
            if (action->isChecked())
                texts.append(action->text());
        return texts;
    };
    QCOMPARE(checked(), QStringList("Dos"));

    // Picked in the menu, or applied and removed elsewhere: the check is always on the theme in force.
    actions.at(m_firstIndex)->trigger();
    QCOMPARE(manager->GetCurrentTema().GetNombre(), QStringLiteral("Uno"));
    QCOMPARE(checked(), QStringList("Uno"));
    QVERIFY(manager->SetTema(m_secondIndex));
    QCOMPARE(checked(), QStringList("Dos"));
    manager->QuitarTema();
    QCOMPARE(checked(), QStringList("Sin tema"));
    QVERIFY(manager->SetTema(m_firstIndex));
    none->trigger();
    QCOMPARE(manager->GetCurrentTema().GetNombre(), QString());
    QCOMPARE(qApp->styleSheet(), m_hostStyleSheet);
    QCOMPARE(checked(), QStringList("Sin tema"));

    // A theme that fails to apply in the menu leaves the check where the theme in force is.
    QVERIFY(manager->SetTema(m_secondIndex));
    m_first.write("main.qss", "QWidget { background: var(--nada); }");
    MessageLogCapture log;
    actions.at(m_firstIndex)->trigger();
    QCOMPARE(log.texts(QtWarningMsg).size(), 1);
    QCOMPARE(checked(), QStringList("Dos"));
    m_first.write("main.qss", ":root {\n--fondo: #102030;\n}\nQWidget { background: var(--fondo); }");

    // Themes added later are not in the menu.
    m_second.add("Tarde", {});
    QCOMPARE(manager->GetMenuTemas()->actions().size(), themes + 3);
}

void TestZCGestorTemasEstilo::fromThemeCachesPerThemeAndFallsBackToQtsIconTheme()
{
    const QIcon normal = themed("save");
    QCOMPARE(normal.name(), QStringLiteral("save"));
    QCOMPARE(themed("save").cacheKey(), normal.cacheKey());
    QVERIFY(themed("save", ZCGestorTemasEstilo::EstadoHover).cacheKey() != normal.cacheKey());
    QVERIFY(GetGestorTemasEstilo()->SetTema(m_secondIndex));
    QVERIFY(themed("save").cacheKey() != normal.cacheKey());
    QVERIFY(GetGestorTemasEstilo()->SetTema(m_firstIndex));
    QCOMPARE(themed("save").cacheKey(), normal.cacheKey());

    // Qt's own icon theme: a folder named after the theme, with an index, in the search path.
    QVERIFY(themed("raster").isNull());
    m_first.write("icons/Uno/index.theme", "[Icon Theme]\nName=Uno\nDirectories=16\n\n[16]\nSize=16\nType=Fixed\n");
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::blue);
    QDir().mkpath(m_first.path("icons/Uno/16"));
    QVERIFY(image.save(m_first.path("icons/Uno/16/raster.png")));
    QVERIFY(GetGestorTemasEstilo()->SetTema(m_firstIndex));
    QCOMPARE(themed("raster", ZCGestorTemasEstilo::EstadoHover).pixmap(16).toImage().pixelColor(8, 8), QColor(Qt::blue));
}

void TestZCGestorTemasEstilo::recolour_data()
{
    QTest::addColumn<QByteArray>("svg");
    QTest::addColumn<QString>("fills");
    QTest::newRow("fills are replaced, fill none too, and then paths without one are left alone")
        << QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\"><g fill=\"#000000\"><path d=\"M0 0h1v1z\"/><path d=\"M1 1\"/></g>"
                      "<circle r=\"1\" fill=\"none\"/></svg>")
        << "svg= g=#ff0000 path= path= circle=#ff0000";
    QTest::newRow("without any fill every path gets one and other shapes none")
        << QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\"><path d=\"M0 0h1v1z\"/><rect width=\"1\" height=\"1\"/>"
                      "<g><path d=\"M1 1h1v1z\"/></g></svg>")
        << "svg= path=#ff0000 rect= g= path=#ff0000";
    QTest::newRow("broken XML keeps what was read") << QByteArray("<svg><path d=\"M0 0\"/><path") << "svg= path=#ff0000";
    QTest::newRow("only fill attributes change, not comments, text, other values or other names")
        << QByteArray("<?xml version='1.0'?><!-- fill=\"x\" --><svg xmlns:a='urn:a' a:fill='q'>"
                      "<path fill = '#123' d='fill=\"1\"'/><![CDATA[ fill=\"2\" ]]><rect x=\">\" fill='red'/></svg>")
        << "svg= path=#ff0000 rect=#ff0000";
    QTest::newRow("a drawing beyond ASCII is recoloured as well")
        << QByteArray("<svg><title>Caf\xc3\xa9</title><path fill=\"#000\"/></svg>") << "svg= title= path=#ff0000";
}

void TestZCGestorTemasEstilo::recolour()
{
    QFETCH(QByteArray, svg);
    QFETCH(QString, fills);
    QCOMPARE(fillsOf(ZCSVGIconEngine::recolour(svg, QColor(Qt::red))), fills);
}

void TestZCGestorTemasEstilo::eachStateIsDrawnInItsColour_data()
{
    QTest::addColumn<int>("state");
    int state = ZCGestorTemasEstilo::EstadoNormal;
    for (const char* name : {"normal", "hover", "pressed", "notify"})
        QTest::newRow(name) << state++;
}

void TestZCGestorTemasEstilo::eachStateIsDrawnInItsColour()
{
    QFETCH(int, state);
    const QIcon icon = themed("save", static_cast<ZCGestorTemasEstilo::EEstadoIcono>(state));
    QCOMPARE(pixelAt(icon.pixmap(24)), colours.at(state));
    const std::unique_ptr<QIconEngine> clone(ZCSVGIconEngine("save", ZCGestorTemasEstilo::EEstadoIcono(state)).clone());
    QCOMPARE(clone->iconName(), QStringLiteral("save"));
    QCOMPARE(pixelAt(clone->pixmap(QSize(8, 8), QIcon::Normal, QIcon::Off)), colours.at(state));
    QImage painted(40, 40, QImage::Format_ARGB32_Premultiplied);
    painted.fill(Qt::white);
    QPainter painter(&painted);
    icon.paint(&painter, QRect(10, 10, 20, 20));
    painter.end();
    QCOMPARE(painted.pixelColor(20, 20), colours.at(state));
    QCOMPARE(painted.pixelColor(5, 5), QColor(Qt::white));
}

void TestZCGestorTemasEstilo::aMissingIconIsTransparentWithAWarning()
{
    ZCSVGIconEngine engine("gone", ZCGestorTemasEstilo::EstadoNormal);
    MessageLogCapture log;
    QImage transparent(12, 10, QImage::Format_ARGB32);
    transparent.fill(Qt::transparent);
    QCOMPARE(engine.pixmap(QSize(12, 10), QIcon::Normal, QIcon::Off).toImage().convertToFormat(QImage::Format_ARGB32), transparent);
    engine.pixmap(QSize(12, 10), QIcon::Normal, QIcon::Off); // looked for again, not cached
    const QString warning = "No se encuentra el icono 'gone' en el tema 'Uno'";
    QCOMPARE(log.texts(QtWarningMsg), QStringList({warning, warning}));
}

void TestZCGestorTemasEstilo::aHostIconFollowsTheThemeWithoutBeingAskedAgain()
{
    ZCGestorTemasEstilo* manager = GetGestorTemasEstilo();
    manager->QuitarTema();
    m_second.writeIcon("solo_dos");
    const auto isBlank = [](const QIcon& icon) {
        const QImage image = icon.pixmap(16).toImage().convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(image.pixel(x, y)) > 0)
                    return false;
            }
        }
        return true;
    };

    // Asked for before any theme has it: blank, one warning however often it is drawn.
    const QIcon icon = manager->GetIconoTema("solo_dos");
    QCOMPARE(icon.name(), QStringLiteral("solo_dos"));
    MessageLogCapture log;
    QVERIFY(isBlank(icon));
    QVERIFY(isBlank(icon));
    QCOMPARE(manager->GetPathFromTheme("solo_dos"), QString());

    // The theme that draws it is applied: the same icon shows it, in that theme's colour.
    QVERIFY(manager->SetTema(m_secondIndex));
    QCOMPARE(icon.pixmap(16).toImage().pixelColor(8, 8), QColor(Qt::black));
    QCOMPARE(manager->GetPathFromTheme("solo_dos"), m_second.icons() + "/solo_dos.svg");
    QVERIFY(manager->SetTema(m_firstIndex));
    QVERIFY(isBlank(icon));
    manager->QuitarTema();
    QVERIFY(isBlank(icon));
    QCOMPARE(log.texts(QtWarningMsg),
             QStringList{"No se encuentra el icono 'solo_dos' ni en el tema 'Mirokit' ni en el tema por defecto"});

    // A name of the default theme is drawn before any theme, and from then on by every theme.
    QVERIFY(!isBlank(manager->GetIconoTema("search")));
    QCOMPARE(manager->GetIconoTema("solo_dos").cacheKey(), icon.cacheKey());
    QVERIFY(manager->SetTema(m_firstIndex));
}

void TestZCGestorTemasEstilo::anEmptySizeGivesNoPixmapAndNoWarning_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("mode");
    QTest::newRow("a button squeezed to nothing") << QSize(0, 0) << int(QIcon::Normal);
    QTest::newRow("a button with no height") << QSize(16, 0) << int(QIcon::Active);
    QTest::newRow("a negative width, disabled") << QSize(-4, 16) << int(QIcon::Disabled);
}

void TestZCGestorTemasEstilo::anEmptySizeGivesNoPixmapAndNoWarning()
{
    QFETCH(QSize, size);
    QFETCH(int, mode);
    ZCSVGIconEngine engine("save", ZCGestorTemasEstilo::EstadoNormal);
    MessageLogCapture log;
    QVERIFY(engine.pixmap(size, QIcon::Mode(mode), QIcon::Off).isNull());
    QCOMPARE(log.texts(QtWarningMsg), QStringList());
}

void TestZCGestorTemasEstilo::disabledGoesThroughTheStyle()
{
    auto* style = new ZCProxyStyle(QStyleFactory::create("Fusion"));
    QApplication::setStyle(style);
    const QIcon icon = themed("save");
    QStyleOption option;
    option.palette = QApplication::palette();
    const QImage expected = style->generatedIconPixmap(QIcon::Disabled, icon.pixmap(16), &option).toImage();
    const QImage disabled = icon.pixmap(16, QIcon::Disabled).toImage();
    QCOMPARE(disabled.convertToFormat(QImage::Format_ARGB32), expected.convertToFormat(QImage::Format_ARGB32));
    // QIcon::paint in disabled mode draws the same look.
    QImage painted(16, 16, QImage::Format_ARGB32_Premultiplied);
    painted.fill(Qt::transparent);
    QPainter painter(&painted);
    icon.paint(&painter, painted.rect(), Qt::AlignCenter, QIcon::Disabled);
    painter.end();
    QCOMPARE(qAlpha(painted.pixel(8, 8)), qAlpha(disabled.pixel(8, 8)));
}

void TestZCGestorTemasEstilo::aThemeSwitchOrARefreshRedrawsTheSameIcon()
{
    // The second theme has one colour only, so its hover falls back to it.
    const QIcon icon = themed("save", ZCGestorTemasEstilo::EstadoHover);
    QCOMPARE(pixelAt(icon.pixmap(16)), QColor(Qt::green));
    QVERIFY(GetGestorTemasEstilo()->SetTema(m_secondIndex));
    QCOMPARE(pixelAt(icon.pixmap(16)), QColor(Qt::black));
    QVERIFY(GetGestorTemasEstilo()->SetTema(m_firstIndex));
    QCOMPARE(pixelAt(icon.pixmap(16), 2, 2), QColor(Qt::green));
    // The right half only: without a refresh the drawing on screen stays as it was.
    m_first.writeIcon("save", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"16\" height=\"16\"><path d=\"M8 0H16V16H8Z\"/></svg>");
    QCOMPARE(pixelAt(icon.pixmap(16), 2, 2), QColor(Qt::green));
    GetGestorTemasEstilo()->GetActionRefresh()->trigger();
    QCOMPARE(pixelAt(icon.pixmap(16), 2, 2).alpha(), 0);
    QCOMPARE(pixelAt(icon.pixmap(16), 12, 2), QColor(Qt::green));
}

void TestZCGestorTemasEstilo::aZCIconLoadsAFileOncePerProcess()
{
    const QString path = m_first.path("dot.png");
    QImage image(6, 4, QImage::Format_ARGB32);
    image.fill(Qt::magenta);
    QVERIFY(image.save(path));
    const CachedIcon icon;
    QCOMPARE(icon.GetPixmapCache(path).size(), QSize(6, 4));
    // Gone from disk, still answered from the pixmap cache.
    QVERIFY(QFile::remove(path));
    QCOMPARE(icon.GetPixmapCache(path).toImage().pixelColor(1, 1), QColor(Qt::magenta));
    QPixmapCache::clear();
    QVERIFY(icon.GetPixmapCache(path).isNull());
}

MIROKIT_TEST_MAIN(TestZCGestorTemasEstilo)
#include "tst_zcgestortemasestilo.moc"
