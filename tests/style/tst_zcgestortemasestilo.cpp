#include "mirokittest.h"
#include "messagelogcapture.h"
#include "themefixture.h"

#include <Mirokit/ZCGestorTemasEstilo.h>

#include <QAction>
#include <QApplication>
#include <QJsonDocument>
#include <QMenu>

namespace {

QString themeJson(const QString& name, const ThemeFolder& folder)
{
    return QStringLiteral("{\"nombre\": \"%1\", \"senda_iconos\": \"%2\", \"senda_css\": \"%3\", "
                          "\"senda_iconos_css\": \"%4\", \"colores\": [\"#ff0000\", \"#00ff00\"]}")
        .arg(name, folder.icons(), folder.path(QStringLiteral("main.qss")), folder.generated());
}

QString jsonError(const QByteArray& text)
{
    QJsonParseError error;
    QJsonDocument::fromJson(text, &error);
    return error.errorString();
}

} // namespace

class TestZCGestorTemasEstilo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    // Before any theme is added or set: nothing may crash.
    void beforeAnyThemeEverythingIsSafe();

    void addingFromJson_data();
    void addingFromJson();
    void invalidIndexesWarn_data();
    void invalidIndexesWarn();

    void setTemaAppliesTheResolvedSheet();
    void aBrokenSheetKeepsThePreviousOne();
    void fromThemeCachesPerTheme();
    void fromThemeFallsBackToQtsIconTheme();
    void theMenuChecksTheThemeCurrentWhenBuilt();
    void theRefreshActionReappliesAndLogs();

private:
    ThemeFolder m_first;
    ThemeFolder m_second;
    int m_firstIndex = -1;
    int m_secondIndex = -1;
};

void TestZCGestorTemasEstilo::initTestCase()
{
    m_first.write(QStringLiteral("main.qss"), ":root {\n--fondo: #102030;\n}\nQWidget { background: var(--fondo); }");
    m_first.writeIcon(QStringLiteral("save"));
    m_second.write(QStringLiteral("main.qss"), "QWidget { background: #405060; }");
    m_second.writeIcon(QStringLiteral("save"));
    m_firstIndex = m_first.add(QStringLiteral("Uno"), {QColor(Qt::red), QColor(Qt::green)});
    m_secondIndex = m_second.add(QStringLiteral("Dos"), {QColor(Qt::blue)});
}


void TestZCGestorTemasEstilo::beforeAnyThemeEverythingIsSafe()
{
    ZCGestorTemasEstilo* manager = GetGestorTemasEstilo();
    MessageLogCapture log;
    QCOMPARE(manager->GetCurrentTema().GetNombre(), QString());
    QVERIFY(manager->FromTheme(QStringLiteral("save"), ZCGestorTemasEstilo::EstadoNormal).isNull());
    QVERIFY(!manager->SetTema(-1));
    QCOMPARE(log.texts(QtWarningMsg), QStringList(QStringLiteral("Error. No existe ningún tema con el índice -1")));
}

void TestZCGestorTemasEstilo::addingFromJson_data()
{
    QTest::addColumn<QString>("json");
    QTest::addColumn<int>("added");
    QTest::addColumn<QStringList>("warnings");

    QTest::newRow("an array with a theme and a number adds the theme")
        << QStringLiteral("[%1, 5]").arg(themeJson(QStringLiteral("Tres"), m_first)) << 1
        << QStringList(QStringLiteral("El elemento de la lista de temas no tiene un formato correcto"));
    QTest::newRow("a single object adds one theme") << themeJson(QStringLiteral("Cuatro"), m_second) << 1 << QStringList();
    QTest::newRow("an object without its style sheet is rejected")
        << QStringLiteral("{\"nombre\": \"Roto\", \"senda_iconos\": \"i\", \"senda_iconos_css\": \"g\"}") << 0
        << QStringList(QStringLiteral("Error. Falta el valor senda_css en la configuración del tema Roto"));
    QTest::newRow("text that is not JSON adds nothing")
        << QStringLiteral("{nombre") << 0
        << QStringList(QStringLiteral("Error cargando tema. %1").arg(jsonError("{nombre")));
    QTest::newRow("a bare value is not a theme list")
        << QStringLiteral("\"tema\"") << 0
        << QStringList(QStringLiteral("Error cargando tema. %1").arg(jsonError("\"tema\"")));
}

void TestZCGestorTemasEstilo::addingFromJson()
{
    QFETCH(QString, json);
    QFETCH(int, added);
    QFETCH(QStringList, warnings);
    ZCGestorTemasEstilo* manager = GetGestorTemasEstilo();
    const int before = manager->AddTemaFromJSON(QStringLiteral("[]"));
    MessageLogCapture log;
    QCOMPARE(manager->AddTemaFromJSON(json), before + added);
    QCOMPARE(log.texts(QtWarningMsg), warnings);
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
    ZCGestorTemasEstilo* manager = GetGestorTemasEstilo();
    const QString warning = QStringLiteral("Error. No existe ningún tema con el índice %1").arg(index);
    MessageLogCapture log;
    QCOMPARE(manager->GetTema(index).GetNombre(), QString());
    QVERIFY(!manager->SetTema(index));
    QCOMPARE(log.texts(QtWarningMsg), QStringList({warning, warning}));
}

void TestZCGestorTemasEstilo::setTemaAppliesTheResolvedSheet()
{
    ZCGestorTemasEstilo* manager = GetGestorTemasEstilo();
    QVERIFY(m_firstIndex >= 0);
    QVERIFY(manager->SetTema(m_firstIndex));
    QCOMPARE(qApp->styleSheet(), QStringLiteral("\nQWidget { background: #102030; }"));
    QCOMPARE(manager->GetCurrentTema().GetNombre(), QStringLiteral("Uno"));
    QCOMPARE(QIcon::themeName(), QStringLiteral("Uno"));
    QCOMPARE(QIcon::themeSearchPaths(), QStringList(m_first.icons()));
    QCOMPARE(manager->GetPathFromTheme(QStringLiteral("save")), m_first.icons() + QStringLiteral("/save.svg"));
}

void TestZCGestorTemasEstilo::aBrokenSheetKeepsThePreviousOne()
{
    ZCGestorTemasEstilo* manager = GetGestorTemasEstilo();
    QVERIFY(manager->SetTema(m_firstIndex));
    const QString applied = qApp->styleSheet();
    ThemeFolder broken;
    broken.write(QStringLiteral("main.qss"), "x: var(--nada);");
    broken.writeIcon(QStringLiteral("save"));
    const int index = broken.add(QStringLiteral("Roto"), {QColor(Qt::blue)});

    MessageLogCapture log;
    QVERIFY(!manager->SetTema(index));
    QCOMPARE(log.texts(QtWarningMsg),
             QStringList(QStringLiteral("Error parseando el CSS: Error. La variable --nada no está definida previamente")));
    QCOMPARE(qApp->styleSheet(), applied);
    // Its icons are current all the same.
    QCOMPARE(manager->GetCurrentTema().GetNombre(), QStringLiteral("Roto"));
    QVERIFY(manager->SetTema(m_firstIndex));
}

void TestZCGestorTemasEstilo::fromThemeCachesPerTheme()
{
    ZCGestorTemasEstilo* manager = GetGestorTemasEstilo();
    QVERIFY(manager->SetTema(m_firstIndex));
    const QIcon normal = manager->FromTheme(QStringLiteral("save"), ZCGestorTemasEstilo::EstadoNormal);
    const QIcon hover = manager->FromTheme(QStringLiteral("save"), ZCGestorTemasEstilo::EstadoHover);
    QVERIFY(!normal.isNull());
    QCOMPARE(normal.cacheKey(), manager->FromTheme(QStringLiteral("save"), ZCGestorTemasEstilo::EstadoNormal).cacheKey());
    QVERIFY(normal.cacheKey() != hover.cacheKey());
    QCOMPARE(normal.name(), QStringLiteral("save"));

    QVERIFY(manager->SetTema(m_secondIndex));
    const QIcon other = manager->FromTheme(QStringLiteral("save"), ZCGestorTemasEstilo::EstadoNormal);
    QVERIFY(other.cacheKey() != normal.cacheKey());
    QVERIFY(manager->SetTema(m_firstIndex));
    QCOMPARE(manager->FromTheme(QStringLiteral("save"), ZCGestorTemasEstilo::EstadoNormal).cacheKey(), normal.cacheKey());
}

void TestZCGestorTemasEstilo::fromThemeFallsBackToQtsIconTheme()
{
    ZCGestorTemasEstilo* manager = GetGestorTemasEstilo();
    QVERIFY(manager->SetTema(m_firstIndex));
    QVERIFY(manager->FromTheme(QStringLiteral("no-such-icon"), ZCGestorTemasEstilo::EstadoNormal).isNull());

    // Qt's own icon theme: a folder named after the theme, with an index, in the search path.
    m_first.write(QStringLiteral("icons/Uno/index.theme"),
                  "[Icon Theme]\nName=Uno\nDirectories=16\n\n[16]\nSize=16\nType=Fixed\n");
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::blue);
    QDir().mkpath(m_first.path(QStringLiteral("icons/Uno/16")));
    QVERIFY(image.save(m_first.path(QStringLiteral("icons/Uno/16/raster.png"))));
    QVERIFY(manager->SetTema(m_firstIndex));
    const QIcon fallback = manager->FromTheme(QStringLiteral("raster"), ZCGestorTemasEstilo::EstadoHover);
    QVERIFY(!fallback.isNull());
    QCOMPARE(fallback.pixmap(16).toImage().pixelColor(8, 8), QColor(Qt::blue));
}

void TestZCGestorTemasEstilo::theMenuChecksTheThemeCurrentWhenBuilt()
{
    ZCGestorTemasEstilo* manager = GetGestorTemasEstilo();
    QVERIFY(manager->SetTema(m_secondIndex));
    QMenu* menu = manager->GetMenuTemas();
    QCOMPARE(menu, manager->GetMenuTemas());
    const QList<QAction*> actions = menu->actions();
    const int themeCount = manager->AddTemaFromJSON(QStringLiteral("[]")) + 1;
    QCOMPARE(actions.size(), themeCount + 2);
    QVERIFY(actions.at(themeCount)->isSeparator());
    QCOMPARE(actions.last(), manager->GetActionRefresh());
    QCOMPARE(actions.at(m_secondIndex)->text(), QStringLiteral("Dos"));
    QVERIFY(actions.at(m_secondIndex)->isChecked());
    QVERIFY(!actions.at(m_firstIndex)->isChecked());

    // Picking a theme in the menu applies it; a theme set elsewhere does not move the check.
    actions.at(m_firstIndex)->trigger();
    QCOMPARE(manager->GetCurrentTema().GetNombre(), QStringLiteral("Uno"));
    QVERIFY(actions.at(m_firstIndex)->isChecked());
    QVERIFY(!actions.at(m_secondIndex)->isChecked());
    QVERIFY(manager->SetTema(m_secondIndex));
    QVERIFY(actions.at(m_firstIndex)->isChecked());

    // Themes added later are not in the menu.
    m_second.add(QStringLiteral("Tarde"), {});
    QCOMPARE(manager->GetMenuTemas()->actions().size(), themeCount + 2);

    QAction* refresh = manager->GetActionRefresh();
    QCOMPARE(refresh->text(), QStringLiteral("Refrescar"));
    QCOMPARE(refresh->shortcut(), QKeySequence(QKeySequence::Refresh));
    QCOMPARE(refresh->shortcutContext(), Qt::WidgetWithChildrenShortcut);
}

void TestZCGestorTemasEstilo::theRefreshActionReappliesAndLogs()
{
    ZCGestorTemasEstilo* manager = GetGestorTemasEstilo();
    QVERIFY(manager->SetTema(m_firstIndex));
    m_first.write(QStringLiteral("main.qss"), "QLabel { color: red; }");
    MessageLogCapture log;
    manager->GetActionRefresh()->trigger();
    QCOMPARE(qApp->styleSheet(), QStringLiteral("QLabel { color: red; }"));
    QCOMPARE(log.texts(QtInfoMsg), QStringList(QStringLiteral("El tema \"Uno\" ha sido recargado correctamente")));
}

MIROKIT_TEST_MAIN(TestZCGestorTemasEstilo)
#include "tst_zcgestortemasestilo.moc"
