#include "mirokittest.h"
#include "messagelogcapture.h"
#include "themefixture.h"

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
    return QStringLiteral("Error cargando tema. %1").arg(error.errorString());
}

QIcon themed(const QString& name, ZCGestorTemasEstilo::EEstadoIcono state = ZCGestorTemasEstilo::EstadoNormal)
{
    return GetGestorTemasEstilo()->FromTheme(name, state);
}

} // namespace

class TestZCGestorTemasEstilo : public QObject
{
    Q_OBJECT

private slots:
    void beforeAnyThemeEverythingIsSafe();
    void initTestCase();
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

void TestZCGestorTemasEstilo::beforeAnyThemeEverythingIsSafe()
{
    QCOMPARE(GetGestorTemasEstilo()->GetCurrentTema().GetNombre(), QString());
    QVERIFY(themed(QStringLiteral("save")).isNull());
}

void TestZCGestorTemasEstilo::initTestCase()
{
    m_first.write(QStringLiteral("main.qss"), ":root {\n--fondo: #102030;\n}\nQWidget { background: var(--fondo); }");
    m_first.writeIcon(QStringLiteral("save"));
    m_second.write(QStringLiteral("main.qss"), "QWidget { background: #405060; }");
    m_second.writeIcon(QStringLiteral("save"));
    m_firstIndex = m_first.add(QStringLiteral("Uno"), {QColor(Qt::red), QColor(Qt::green)});
    m_secondIndex = m_second.add(QStringLiteral("Dos"), {QColor(Qt::blue)});
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
    QTest::newRow("text that is not JSON adds nothing") << "{nombre" << 0 << QStringList(jsonError("{nombre"));
    QTest::newRow("a bare value is not a theme list") << "\"tema\"" << 0 << QStringList(jsonError("\"tema\""));
}

void TestZCGestorTemasEstilo::addingFromJson()
{
    QFETCH(QString, json);
    QFETCH(int, added);
    QFETCH(QStringList, warnings);
    const int before = GetGestorTemasEstilo()->AddTemaFromJSON(QStringLiteral("[]"));
    MessageLogCapture log;
    QCOMPARE(GetGestorTemasEstilo()->AddTemaFromJSON(json), before + added);
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
    const QString warning = QStringLiteral("Error. No existe ningún tema con el índice %1").arg(index);
    MessageLogCapture log;
    QCOMPARE(GetGestorTemasEstilo()->GetTema(index).GetNombre(), QString());
    QVERIFY(!GetGestorTemasEstilo()->SetTema(index));
    QCOMPARE(log.texts(QtWarningMsg), QStringList({warning, warning}));
}

void TestZCGestorTemasEstilo::setTemaAppliesTheResolvedSheet()
{
    ZCGestorTemasEstilo* manager = GetGestorTemasEstilo();
    QVERIFY(manager->SetTema(m_firstIndex));
    QCOMPARE(qApp->styleSheet(), QStringLiteral("\nQWidget { background: #102030; }"));
    QCOMPARE(QIcon::themeName(), QStringLiteral("Uno"));
    QCOMPARE(manager->GetPathFromTheme(QStringLiteral("save")), m_first.icons() + QStringLiteral("/save.svg"));
}

void TestZCGestorTemasEstilo::aBrokenSheetKeepsThePreviousOne()
{
    ZCGestorTemasEstilo* manager = GetGestorTemasEstilo();
    QVERIFY(manager->SetTema(m_firstIndex));
    const QString applied = qApp->styleSheet();
    ThemeFolder broken;
    broken.write(QStringLiteral("main.qss"), "x: var(--nada);");
    const int index = broken.add(QStringLiteral("Roto"), {QColor(Qt::blue)});

    MessageLogCapture log;
    QVERIFY(!manager->SetTema(index));
    QCOMPARE(log.texts(QtWarningMsg),
             QStringList(QStringLiteral("Error parseando el CSS: Error. La variable --nada no está definida previamente")));
    QCOMPARE(qApp->styleSheet(), applied);
    // Its icons are current all the same.
    QCOMPARE(manager->GetCurrentTema().GetNombre(), QStringLiteral("Roto"));
}

void TestZCGestorTemasEstilo::fromThemeCachesPerTheme()
{
    ZCGestorTemasEstilo* manager = GetGestorTemasEstilo();
    QVERIFY(manager->SetTema(m_firstIndex));
    const QIcon normal = themed(QStringLiteral("save"));
    QVERIFY(!normal.isNull());
    QCOMPARE(normal.name(), QStringLiteral("save"));
    QCOMPARE(themed(QStringLiteral("save")).cacheKey(), normal.cacheKey());
    QVERIFY(themed(QStringLiteral("save"), ZCGestorTemasEstilo::EstadoHover).cacheKey() != normal.cacheKey());

    QVERIFY(manager->SetTema(m_secondIndex));
    QVERIFY(themed(QStringLiteral("save")).cacheKey() != normal.cacheKey());
    QVERIFY(manager->SetTema(m_firstIndex));
    QCOMPARE(themed(QStringLiteral("save")).cacheKey(), normal.cacheKey());
}

void TestZCGestorTemasEstilo::fromThemeFallsBackToQtsIconTheme()
{
    QVERIFY(GetGestorTemasEstilo()->SetTema(m_firstIndex));
    QVERIFY(themed(QStringLiteral("no-such-icon")).isNull());

    // Qt's own icon theme: a folder named after the theme, with an index, in the search path.
    m_first.write(QStringLiteral("icons/Uno/index.theme"),
                  "[Icon Theme]\nName=Uno\nDirectories=16\n\n[16]\nSize=16\nType=Fixed\n");
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::blue);
    QDir().mkpath(m_first.path(QStringLiteral("icons/Uno/16")));
    QVERIFY(image.save(m_first.path(QStringLiteral("icons/Uno/16/raster.png"))));
    QVERIFY(GetGestorTemasEstilo()->SetTema(m_firstIndex));
    const QIcon fallback = themed(QStringLiteral("raster"), ZCGestorTemasEstilo::EstadoHover);
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

    // Picking a theme in the menu applies it; a theme set elsewhere does not move the check.
    actions.at(m_firstIndex)->trigger();
    QCOMPARE(manager->GetCurrentTema().GetNombre(), QStringLiteral("Uno"));
    QVERIFY(!actions.at(m_secondIndex)->isChecked());
    QVERIFY(manager->SetTema(m_secondIndex));
    QVERIFY(actions.at(m_firstIndex)->isChecked());

    // Themes added later are not in the menu.
    m_second.add(QStringLiteral("Tarde"), {});
    QCOMPARE(manager->GetMenuTemas()->actions().size(), themeCount + 2);
}

void TestZCGestorTemasEstilo::theRefreshActionReappliesAndLogs()
{
    QVERIFY(GetGestorTemasEstilo()->SetTema(m_firstIndex));
    m_first.write(QStringLiteral("main.qss"), "QLabel { color: red; }");
    MessageLogCapture log;
    GetGestorTemasEstilo()->GetActionRefresh()->trigger();
    QCOMPARE(qApp->styleSheet(), QStringLiteral("QLabel { color: red; }"));
    QCOMPARE(log.texts(QtInfoMsg), QStringList(QStringLiteral("El tema \"Uno\" ha sido recargado correctamente")));
}

MIROKIT_TEST_MAIN(TestZCGestorTemasEstilo)
#include "tst_zcgestortemasestilo.moc"
