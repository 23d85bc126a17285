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
    explicit HostApplication(const QString& name = QStringLiteral("MirokitAppTest"))
        : ZCApplication(name, nullptr)
    {
    }
    using ZCApplication::LoadSettings;
    using ZCApplication::SaveSettings;
};

QString styleName(const ZCApplication& application)
{
    QString name;
    application.GetNombreCurrentEstilo(name);
    return name;
}

void storeStyleSettings(const QVariant& style, const QVariant& isSystem)
{
    ZCSettings settings;
    if (style.isValid())
        settings.setValue(QStringLiteral("Style"), style);
    if (isSystem.isValid())
        settings.setValue(QStringLiteral("IsTheSystemStyle"), isSystem);
}

// Any key QStyleFactory offers other than the platform's own style.
QString anotherStyleThan(const QString& key)
{
    for (const QString& candidate : QStyleFactory::keys()) {
        if (candidate.compare(key, Qt::CaseInsensitive) != 0)
            return candidate;
    }
    return QString();
}

} // namespace

class TestZCApplication : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void registersItselfWhileAlive();
    void firstRunInstallsAPlainProxy();
    void constructionWithAStoredStyleKeepsTheStyle();
    void loadSettingsChoosesTheStyle_data();
    void loadSettingsChoosesTheStyle();
    void systemStyleAgainStillInstallsAFreshProxy();
    void unknownKeyFallsBackOnlyWhenAsked();
    void saveSettingsWritesBothKeys();
    void foreignStyleLeavesNoDanglingProxy();
    void robotoBecomesTheApplicationFont();

    void disabledIconsKeepAThirdOfTheirAlpha();
    void noFocusRectangleUnderAStyleSheet();

private:
    QString m_platformStyle;
};

void TestZCApplication::initTestCase()
{
    m_platformStyle = QApplication::style()->objectName();
}

void TestZCApplication::init()
{
    QCoreApplication::setApplicationName(QStringLiteral("MirokitAppTest"));
    ZCSettings().clear();
    QApplication::setStyle(QStyleFactory::create(m_platformStyle));
}

void TestZCApplication::registersItselfWhileAlive()
{
    QCOMPARE(GetApplication(), nullptr);
    {
        HostApplication application(QStringLiteral("Otra"));
        QCOMPARE(GetApplication(), &application);
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Otra"));
    }
    QCOMPARE(GetApplication(), nullptr);
}

void TestZCApplication::firstRunInstallsAPlainProxy()
{
    HostApplication application;
    QVERIFY(qobject_cast<ZCProxyStyle*>(QApplication::style()));
    QVERIFY(!application.IsCurrentEstiloSistema());
    QVERIFY(!application.GetNombreEstiloSistema().isEmpty());
    QVERIFY(QStyleFactory::keys().contains(application.GetNombreEstiloSistema()));
    QCOMPARE(styleName(application), application.GetNombreEstiloSistema());
}

void TestZCApplication::constructionWithAStoredStyleKeepsTheStyle()
{
    storeStyleSettings(QStringLiteral("Windows"), QVariant());
    QStyle* before = QApplication::style();
    HostApplication application;
    QCOMPARE(QApplication::style(), before);
}

void TestZCApplication::loadSettingsChoosesTheStyle_data()
{
    QTest::addColumn<QVariant>("storedStyle");
    QTest::addColumn<QVariant>("storedIsSystem");
    QTest::addColumn<QString>("expectedStyle");  // empty: the system style
    QTest::addColumn<bool>("expectedIsSystem");

    QTest::newRow("nothing stored") << QVariant() << QVariant() << "Fusion" << false;
    QTest::newRow("empty style means Fusion") << QVariant(QString()) << QVariant(false) << "Fusion" << false;
    QTest::newRow("stored Windows") << QVariant("Windows") << QVariant(false) << "Windows" << false;
    QTest::newRow("key in another case") << QVariant("windows") << QVariant() << "Windows" << false;
    QTest::newRow("system flag ignores the style") << QVariant("Windows") << QVariant(true) << "" << true;
    QTest::newRow("unknown key falls back") << QVariant("NoExiste") << QVariant(false) << "" << true;
}

void TestZCApplication::loadSettingsChoosesTheStyle()
{
    QFETCH(QVariant, storedStyle);
    QFETCH(QVariant, storedIsSystem);
    QFETCH(QString, expectedStyle);
    QFETCH(bool, expectedIsSystem);

    storeStyleSettings(storedStyle, storedIsSystem);
    HostApplication application;
    application.LoadSettings();

    const QString expected = expectedStyle.isEmpty() ? application.GetNombreEstiloSistema() : expectedStyle;
    QCOMPARE(styleName(application), expected);
    QCOMPARE(application.IsCurrentEstiloSistema(), expectedIsSystem);
    QVERIFY(qobject_cast<ZCProxyStyle*>(QApplication::style()));
}

void TestZCApplication::systemStyleAgainStillInstallsAFreshProxy()
{
    HostApplication application;
    QVERIFY(application.SetCurrentEstilo(application.GetNombreEstiloSistema(), false));
    const QPointer<QStyle> previous = QApplication::style();

    QVERIFY(!application.SetCurrentEstiloSistema());
    QVERIFY(application.IsCurrentEstiloSistema());
    QVERIFY(previous.isNull());
    QVERIFY(qobject_cast<ZCProxyStyle*>(QApplication::style()));
    QCOMPARE(styleName(application), application.GetNombreEstiloSistema());

    const QString other = anotherStyleThan(application.GetNombreEstiloSistema());
    QVERIFY(application.SetCurrentEstilo(other, false));
    QVERIFY(!application.IsCurrentEstiloSistema());
    QCOMPARE(styleName(application), other);
    QVERIFY(application.SetCurrentEstiloSistema());
    QCOMPARE(styleName(application), application.GetNombreEstiloSistema());
}

void TestZCApplication::unknownKeyFallsBackOnlyWhenAsked()
{
    HostApplication application;
    const QString other = anotherStyleThan(application.GetNombreEstiloSistema());
    QVERIFY(application.SetCurrentEstilo(other, false));

    QVERIFY(!application.SetCurrentEstilo(QStringLiteral("NoExiste"), false));
    QCOMPARE(styleName(application), other);
    QVERIFY(!application.IsCurrentEstiloSistema());

    QVERIFY(!application.SetCurrentEstilo(QStringLiteral("NoExiste"), true));
    QCOMPARE(styleName(application), application.GetNombreEstiloSistema());
    QVERIFY(application.IsCurrentEstiloSistema());
}

void TestZCApplication::saveSettingsWritesBothKeys()
{
    HostApplication application;
    QVERIFY(application.SetCurrentEstilo(QStringLiteral("windows"), false));
    application.SaveSettings();
    {
        const ZCSettings settings;
        QCOMPARE(settings.value(QStringLiteral("Style")).toString(), QStringLiteral("Windows"));
        QCOMPARE(settings.value(QStringLiteral("IsTheSystemStyle")).toBool(), false);
    }
    application.SetCurrentEstiloSistema();
    application.SaveSettings();
    const ZCSettings settings;
    QCOMPARE(settings.value(QStringLiteral("IsTheSystemStyle")).toBool(), true);
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
    const QStringList styles = QFontDatabase().styles(QStringLiteral("Roboto"));
    QVERIFY2(styles.contains(QStringLiteral("Bold Italic")), qPrintable(styles.join(QLatin1Char(','))));
}

void TestZCApplication::disabledIconsKeepAThirdOfTheirAlpha()
{
    QPixmap opaque(8, 8);
    opaque.fill(QColor(200, 30, 30));
    ZCProxyStyle proxy(QStyleFactory::create(QStringLiteral("Fusion")));
    QStyleOption option;

    const QImage reference = proxy.QCommonStyle::generatedIconPixmap(QIcon::Disabled, opaque, &option)
                                 .toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage disabled = proxy.generatedIconPixmap(QIcon::Disabled, opaque, &option)
                                .toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(qAlpha(reference.pixel(3, 3)), 255);
    QCOMPARE(qAlpha(disabled.pixel(3, 3)), 89);
    QCOMPARE(qRed(disabled.pixel(3, 3)), qRed(reference.pixel(3, 3)));

    const QImage active = proxy.generatedIconPixmap(QIcon::Active, opaque, &option).toImage();
    QCOMPARE(qAlpha(active.pixel(3, 3)), 255);
}

void TestZCApplication::noFocusRectangleUnderAStyleSheet()
{
    ZCProxyStyle proxy(QStyleFactory::create(QStringLiteral("Windows")));
    QPushButton plain;
    QPushButton styled;
    styled.setStyleSheet(QStringLiteral("QPushButton { color: red; }"));
    styled.ensurePolished();
    QVERIFY(styled.style()->inherits("QStyleSheetStyle"));

    const auto paintedPixels = [&proxy](const QWidget* widget) {
        QImage image(40, 20, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        QStyleOptionFocusRect option;
        option.rect = image.rect().adjusted(2, 2, -2, -2);
        option.palette = widget->palette();
        proxy.drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, widget);
        painter.end();
        int painted = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                painted += image.pixel(x, y) != qRgb(255, 255, 255);
        return painted;
    };
    QVERIFY(paintedPixels(&plain) > 0);
    QCOMPARE(paintedPixels(&styled), 0);
}

MIROKIT_TEST_MAIN(TestZCApplication)
#include "tst_zcapplication.moc"
