#include "zfont.h"

#include <QDebug>
#include <cstdlib>
#include <limits>
#include <QJSEngine>
#include <QQmlEngine>
#include <QWidget>

namespace {
// Every strategy flag QFont knows; a script may combine them but not invent others. 0x0200 and
// 0x0400 are the deprecated OpenGLCompatible and ForceIntegerMetrics, which QFont still takes.
constexpr int knownStyleStrategies = QFont::PreferDefault | QFont::PreferBitmap | QFont::PreferDevice
    | QFont::PreferOutline | QFont::ForceOutline | QFont::PreferMatch | QFont::PreferQuality
    | QFont::PreferAntialias | QFont::NoAntialias | 0x0200 | 0x0400 | QFont::NoSubpixelAntialias
    | QFont::PreferNoShaping | QFont::NoFontMerging;
constexpr int maximumStretch = 4000;
constexpr int maximumWeight = 99;
// QFont keeps spacings as 26.6 fixed-point numbers in an int: NaN, infinities and anything
// beyond 2^25 have no such form, and converting them is undefined.
constexpr double maximumSpacing = 33554431;

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
// Scripts keep Qt 5's weights (0 to 99, Normal 50, Bold 75) whatever the Qt; Qt 6 weighs fonts
// from 1 to 1000. A weight goes to the other scale as Qt 6 takes legacy weights
// (QFont::setLegacyWeight, QFont::legacyWeight): to the named weight nearest to it there, the
// lower of two equally near. So 99 is Black, every weight of Qt 6 reads as one of Qt 5's, and a
// weight read and set again stays where it is.
constexpr int namedWeights[][2] = {
    {0, QFont::Thin}, {12, QFont::ExtraLight}, {25, QFont::Light}, {50, QFont::Normal}, {57, QFont::Medium},
    {63, QFont::DemiBold}, {75, QFont::Bold}, {81, QFont::ExtraBold}, {87, QFont::Black},
};

int convertedWeight(int weight, int fromScale)
{
    const int* nearest = namedWeights[0];
    for (const int* named : namedWeights) {
        if (std::abs(named[fromScale] - weight) < std::abs(nearest[fromScale] - weight))
            nearest = named;
    }
    return nearest[1 - fromScale];
}
#endif
} // namespace

// Properties and script values of type ZFont* need the type registered by name.
static void registerZFontMetaType()
{
    qRegisterMetaType<ZFont*>();
}
Q_CONSTRUCTOR_FUNCTION(registerZFontMetaType)

ZFont::ZFont(QObject* parent)
    : QObject(parent)
{
}

ZFont::ZFont(const QFont& font, QObject* parent)
    : QObject(parent)
    , m_font(font)
{
}

ZFont::ZFont(const QString& family, QObject* parent)
    : QObject(parent)
    , m_font(family)
{
}

ZFont::ZFont(const QString& family, int pointSize, QObject* parent)
    : QObject(parent)
    , m_font(family, pointSize)
{
}

ZFont::~ZFont() = default;

// A font handed to a script belongs to the script engine's garbage collector. The engine only
// takes objects returned from method calls by itself, not those read through a property, so the
// ownership is set here; otherwise every read from a script would leak one object.
static ZFont* newScriptOwnedFont(const QFont& font)
{
    auto* scriptFont = new ZFont(font, nullptr);
    QQmlEngine::setObjectOwnership(scriptFont, QQmlEngine::JavaScriptOwnership);
    return scriptFont;
}

QVariant ZFont::ToVariant(const QObject* context, const QFont& font)
{
    if (context && qjsEngine(context))
        return QVariant::fromValue(newScriptOwnedFont(font));
    return QVariant(font);
}

ZFont* ZFont::CreateFor(QWidget* widget)
{
    if (!widget)
        return nullptr;
    if (qjsEngine(widget))
        return newScriptOwnedFont(widget->font());
    return new ZFont(widget->font(), widget);
}

void ZFont::ApplyTo(QWidget* widget, const ZFont* font)
{
    if (widget && font)
        widget->setFont(font->m_font);
}

bool ZFont::acceptsValue(int value, int minimum, int maximum, const char* attribute) const
{
    return acceptsValue(value, value >= minimum && value <= maximum, attribute);
}

// QFont asserts on, or stores into too narrow bit fields, values outside its enumerations.
bool ZFont::acceptsValue(int value, bool valid, const char* attribute) const
{
    if (valid)
        return true;
    qWarning().noquote() << tr("ZFont: el valor %1 está fuera de rango para %2 y se ignora")
                                .arg(value)
                                .arg(QLatin1String(attribute));
    return false;
}

bool ZFont::acceptsSpacing(double spacing, const char* attribute) const
{
    if (spacing >= -maximumSpacing && spacing <= maximumSpacing)
        return true;
    qWarning().noquote() << tr("ZFont: el valor %1 está fuera de rango para %2 y se ignora")
                                .arg(spacing)
                                .arg(QLatin1String(attribute));
    return false;
}

QFont ZFont::font() const { return m_font; }
void ZFont::setFont(const QFont& font) { m_font = font; }
QString ZFont::defaultFamily() const { return m_font.defaultFamily(); }
QString ZFont::family() const { return m_font.family(); }
void ZFont::setFamily(const QString& szFamily) { m_font.setFamily(szFamily); }
bool ZFont::bold() const { return m_font.bold(); }
void ZFont::setBold(bool bEnable) { m_font.setBold(bEnable); }
bool ZFont::italic() const { return m_font.italic(); }
void ZFont::setItalic(bool bEnable) { m_font.setItalic(bEnable); }
bool ZFont::overline() const { return m_font.overline(); }
void ZFont::setOverline(bool bEnable) { m_font.setOverline(bEnable); }
bool ZFont::underline() const { return m_font.underline(); }
void ZFont::setUnderline(bool bEnable) { m_font.setUnderline(bEnable); }
bool ZFont::kerning() const { return m_font.kerning(); }
void ZFont::setKerning(bool bEnable) { m_font.setKerning(bEnable); }
bool ZFont::fixedPitch() const { return m_font.fixedPitch(); }
void ZFont::setFixedPitch(bool bEnable) { m_font.setFixedPitch(bEnable); }
// Raw mode has done nothing since Qt 5.5 (Qt 5 always reports it off) and Qt 6 dropped it; the
// scripts' font interface keeps the pair.
bool ZFont::rawMode() const { return false; }
void ZFont::setRawMode(bool) {}
bool ZFont::strikeOut() const { return m_font.strikeOut(); }
void ZFont::setStrikeOut(bool bEnable) { m_font.setStrikeOut(bEnable); }
int ZFont::stretch() const { return m_font.stretch(); }

void ZFont::setStretch(int nFactor)
{
    if (acceptsValue(nFactor, 0, maximumStretch, "stretch"))
        m_font.setStretch(nFactor);
}

int ZFont::pixelSize() const { return m_font.pixelSize(); }

void ZFont::setPixelSize(int nPixelSize)
{
    if (acceptsValue(nPixelSize, 1, std::numeric_limits<int>::max(), "pixelSize"))
        m_font.setPixelSize(nPixelSize);
}

int ZFont::pointSize() const { return m_font.pointSize(); }

void ZFont::setPointSize(int nPointSize)
{
    if (acceptsValue(nPointSize, 1, std::numeric_limits<int>::max(), "pointSize"))
        m_font.setPointSize(nPointSize);
}

int ZFont::capitalization() const { return m_font.capitalization(); }

void ZFont::setCapitalization(int nCap)
{
    if (acceptsValue(nCap, QFont::MixedCase, QFont::Capitalize, "capitalization"))
        m_font.setCapitalization(static_cast<QFont::Capitalization>(nCap));
}

int ZFont::hintingPreference() const { return m_font.hintingPreference(); }

void ZFont::setHintingPreference(int nHintPref)
{
    if (acceptsValue(nHintPref, QFont::PreferDefaultHinting, QFont::PreferFullHinting, "hintingPreference"))
        m_font.setHintingPreference(static_cast<QFont::HintingPreference>(nHintPref));
}

int ZFont::style() const { return m_font.style(); }

void ZFont::setStyle(int nStyle)
{
    if (acceptsValue(nStyle, QFont::StyleNormal, QFont::StyleOblique, "style"))
        m_font.setStyle(static_cast<QFont::Style>(nStyle));
}

int ZFont::styleHint() const { return m_font.styleHint(); }

void ZFont::setStyleHint(int nStyleHint)
{
    if (acceptsValue(nStyleHint, QFont::Helvetica, QFont::Fantasy, "styleHint"))
        m_font.setStyleHint(static_cast<QFont::StyleHint>(nStyleHint), m_font.styleStrategy());
}

QString ZFont::styleName() const { return m_font.styleName(); }
void ZFont::setStyleName(const QString& szStyleName) { m_font.setStyleName(szStyleName); }
int ZFont::styleStrategy() const { return m_font.styleStrategy(); }

void ZFont::setStyleStrategy(int nStyleStrategy)
{
    const bool known = nStyleStrategy >= 0 && (nStyleStrategy & ~knownStyleStrategies) == 0;
    if (acceptsValue(nStyleStrategy, known, "styleStrategy"))
        m_font.setStyleStrategy(static_cast<QFont::StyleStrategy>(nStyleStrategy));
}

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
int ZFont::weight() const { return m_font.weight(); }
#else
int ZFont::weight() const { return convertedWeight(m_font.weight(), 1); }
#endif

void ZFont::setWeight(int nWeight)
{
    if (!acceptsValue(nWeight, 0, maximumWeight, "weight"))
        return;
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    m_font.setWeight(nWeight);
#else
    m_font.setWeight(QFont::Weight(convertedWeight(nWeight, 0)));
#endif
}

QString ZFont::key() const { return m_font.key(); }
bool ZFont::fromString(const QString& szDescrip) { return m_font.fromString(szDescrip); }
QString ZFont::toString() const { return m_font.toString(); }
// Deprecated in Qt 5's QFont, where both answer "helvetica" whatever the font, and gone from
// Qt 6's; the scripts' font interface keeps them with Qt 5's answer.
QString ZFont::lastResortFamily() const { return QStringLiteral("helvetica"); }
QString ZFont::lastResortFont() const { return QStringLiteral("helvetica"); }
bool ZFont::exactMatch() const { return m_font.exactMatch(); }

int ZFont::letterSpacing() const
{
    return static_cast<int>(m_font.letterSpacing());
}

void ZFont::setLetterSpacing(int nLetterSpacingType, double nSpacing)
{
    if (acceptsValue(nLetterSpacingType, QFont::PercentageSpacing, QFont::AbsoluteSpacing, "letterSpacing")
        && acceptsSpacing(nSpacing, "letterSpacing"))
        m_font.setLetterSpacing(static_cast<QFont::SpacingType>(nLetterSpacingType), nSpacing);
}

double ZFont::wordSpacing() const { return m_font.wordSpacing(); }

void ZFont::setWordSpacing(double nSpacing)
{
    if (acceptsSpacing(nSpacing, "wordSpacing"))
        m_font.setWordSpacing(nSpacing);
}
