#include "mirokittest.h"
#include "messagelogcapture.h"

#include <Mirokit/ZCApplication.h>
#include <Mirokit/ZCProxyStyle.h>
#include <Mirokit/ZCSettings.h>

#include <QFontDatabase>
#include <QPainter>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOptionFocusRect>

namespace {

// Exposes the protected settings operations the way a host's subclass does.
class HostApplication : public ZCApplication
{
public:
    explicit HostApplication(const QString& name = QStringLiteral("MirokitAppTest")) : ZCApplication(name, nullptr) {}
    using ZCApplication::LoadSettings;
    using ZCApplication::SaveSettings;
};

QString styleName(const ZCApplication& application)
{
    QString name;
    application.GetNombreCurrentEstilo(name);
    return name;
}

} // namespace

class TestZCApplication : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_platformStyle = QApplication::style()->objectName(); }
    void init();

    void registersItselfAndInstallsAProxyOnlyOnFirstRun();
    void loadAndSaveSettingsChooseTheStyle_data();
    void loadAndSaveSettingsChooseTheStyle();
    void switchingStylesNeverKeepsAStaleProxy();
    void foreignStyleLeavesNoDanglingProxy();
    void robotoBecomesTheApplicationFont();

    void disabledIconsKeepAThirdOfTheirAlpha();
    void noFocusRectangleUnderAStyleSheet();

private:
    QString m_platformStyle;
};

void TestZCApplication::init()
{
    QCoreApplication::setApplicationName(QStringLiteral("MirokitAppTest"));
    ZCSettings().clear();
    QApplication::setStyle(QStyleFactory::create(m_platformStyle));
}

void TestZCApplication::registersItselfAndInstallsAProxyOnlyOnFirstRun()
{
    QCOMPARE(GetApplication(), nullptr);
    {
        HostApplication application(QStringLiteral("Otra"));
        QCOMPARE(GetApplication(), &application);
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Otra"));
        QVERIFY(qobject_cast<ZCProxyStyle*>(QApplication::style()));
        QVERIFY(QStyleFactory::keys().contains(application.GetNombreEstiloSistema()));
        QCOMPARE(styleName(application), application.GetNombreEstiloSistema());
    }
    QCOMPARE(GetApplication(), nullptr);

    ZCSettings().setValue(QStringLiteral("Style"), QStringLiteral("Windows"));
    QStyle* before = QApplication::style();
    HostApplication application(QStringLiteral("Otra"));
    QCOMPARE(QApplication::style(), before);
}

void TestZCApplication::loadAndSaveSettingsChooseTheStyle_data()
{
    QTest::addColumn<QVariantMap>("stored");
    QTest::addColumn<QString>("expectedStyle");  // empty: the system style
    QTest::addColumn<bool>("expectedIsSystem");

    QTest::newRow("nothing stored") << QVariantMap() << "Fusion" << false;
    QTest::newRow("empty style means Fusion")
        << QVariantMap{{"Style", QString()}, {"IsTheSystemStyle", false}} << "Fusion" << false;
    QTest::newRow("key in another case") << QVariantMap{{"Style", "windows"}} << "Windows" << false;
    QTest::newRow("system flag ignores the style")
        << QVariantMap{{"Style", "Windows"}, {"IsTheSystemStyle", true}} << "" << true;
    QTest::newRow("unknown key falls back")
        << QVariantMap{{"Style", "NoExiste"}, {"IsTheSystemStyle", false}} << "" << true;
}

void TestZCApplication::loadAndSaveSettingsChooseTheStyle()
{
    QFETCH(QVariantMap, stored);
    QFETCH(QString, expectedStyle);
    QFETCH(bool, expectedIsSystem);

    for (auto it = stored.cbegin(); it != stored.cend(); ++it)
        ZCSettings().setValue(it.key(), it.value());
    HostApplication application;
    application.LoadSettings();
    const QString expected = expectedStyle.isEmpty() ? application.GetNombreEstiloSistema() : expectedStyle;
    QCOMPARE(styleName(application), expected);
    QCOMPARE(application.IsCurrentEstiloSistema(), expectedIsSystem);
    QVERIFY(qobject_cast<ZCProxyStyle*>(QApplication::style()));

    application.SaveSettings();
    QCOMPARE(ZCSettings().value(QStringLiteral("Style")).toString(), expected);
    QCOMPARE(ZCSettings().value(QStringLiteral("IsTheSystemStyle")).toBool(), expectedIsSystem);
}

void TestZCApplication::switchingStylesNeverKeepsAStaleProxy()
{
    HostApplication application;
    const QString system = application.GetNombreEstiloSistema();
    QVERIFY(application.SetCurrentEstilo(system, false));
    const QPointer<QStyle> previous = QApplication::style();
    // Same style again: nothing to switch, yet a fresh proxy replaces (and deletes) the old one.
    QVERIFY(!application.SetCurrentEstiloSistema());
    QVERIFY(application.IsCurrentEstiloSistema());
    QVERIFY(previous.isNull());
    QVERIFY(qobject_cast<ZCProxyStyle*>(QApplication::style()));

    QStringList others = QStyleFactory::keys();
    others.removeAll(system);
    QVERIFY(application.SetCurrentEstilo(others.value(0), false));
    QVERIFY(!application.SetCurrentEstilo(QStringLiteral("NoExiste"), false));
    QCOMPARE(styleName(application), others.value(0));
    QVERIFY(!application.IsCurrentEstiloSistema());
    QVERIFY(!application.SetCurrentEstilo(QStringLiteral("NoExiste"), true));
    QCOMPARE(styleName(application), system);
    QVERIFY(application.IsCurrentEstiloSistema());
}

void TestZCApplication::foreignStyleLeavesNoDanglingProxy()
{
    HostApplication application;
    QVERIFY(application.SetCurrentEstilo(QStringLiteral("Fusion"), false));
    // The host replaces the style behind the library's back; the old proxy is deleted.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    QCOMPARE(styleName(application), QStringLiteral("Windows"));
}

void TestZCApplication::robotoBecomesTheApplicationFont()
{
    HostApplication application;
    MessageLogCapture log;
    application.SetRobotoFont();
    QCOMPARE(log.texts(QtDebugMsg), QStringList());
    QCOMPARE(QApplication::font().family(), QStringLiteral("Roboto"));
    QCOMPARE(QApplication::font().pointSize(), 11);
    QVERIFY(QFontDatabase().styles(QStringLiteral("Roboto")).contains(QStringLiteral("Bold Italic")));
}

void TestZCApplication::disabledIconsKeepAThirdOfTheirAlpha()
{
    QPixmap opaque(8, 8);
    opaque.fill(QColor(200, 30, 30));
    ZCProxyStyle proxy(QStyleFactory::create(QStringLiteral("Fusion")));
    QStyleOption option;
    const auto pixel = [&](QIcon::Mode mode, bool base) {
        const QPixmap pixmap = base ? proxy.QCommonStyle::generatedIconPixmap(mode, opaque, &option)
                                    : proxy.generatedIconPixmap(mode, opaque, &option);
        return pixmap.toImage().convertToFormat(QImage::Format_ARGB32).pixel(3, 3);
    };
    QCOMPARE(qAlpha(pixel(QIcon::Disabled, true)), 255);
    QCOMPARE(qAlpha(pixel(QIcon::Disabled, false)), 89);
    QCOMPARE(qRed(pixel(QIcon::Disabled, false)), qRed(pixel(QIcon::Disabled, true)));
    QCOMPARE(qAlpha(pixel(QIcon::Active, false)), 255);
}

void TestZCApplication::noFocusRectangleUnderAStyleSheet()
{
    ZCProxyStyle proxy(QStyleFactory::create(QStringLiteral("Windows")));
    QPushButton plain;
    QPushButton styled;
    styled.setStyleSheet(QStringLiteral("QPushButton { color: red; }"));
    styled.ensurePolished();

    const auto paintsSomething = [&proxy](const QWidget* widget) {
        QImage image(40, 20, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        QStyleOptionFocusRect option;
        option.rect = image.rect().adjusted(2, 2, -2, -2);
        option.palette = widget->palette();
        proxy.drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, widget);
        painter.end();
        QImage blank(image.size(), image.format());
        blank.fill(Qt::white);
        return image != blank;
    };
    QVERIFY(paintsSomething(&plain));
    QVERIFY(!paintsSomething(&styled));
}

MIROKIT_TEST_MAIN(TestZCApplication)
#include "tst_zcapplication.moc"
