#pragma once

#include "mirokit_global.h"

#include <QFont>
#include <QObject>
#include <QVariant>

/*!
    The script-visible font: a QObject holding a QFont, through which every script-facing
    widget of the library publishes its font as the property \c font.

    Reading a widget's \c font gives a new ZFont with a copy of the widget's font (CreateFor);
    writing one sets the widget's font (ApplyTo). Values a script passes outside the range QFont
    accepts are ignored with a warning.
*/
class MIROKIT_EXPORT ZFont : public QObject
{
    Q_OBJECT

public:
    enum Capitalization {
        MixedCase = QFont::MixedCase,
        AllUppercase = QFont::AllUppercase,
        AllLowercase = QFont::AllLowercase,
        SmallCaps = QFont::SmallCaps,
        Capitalize = QFont::Capitalize
    };
    Q_ENUM(Capitalization)

    enum HintingPreference {
        PreferDefaultHinting = QFont::PreferDefaultHinting,
        PreferNoHinting = QFont::PreferNoHinting,
        PreferVerticalHinting = QFont::PreferVerticalHinting,
        PreferFullHinting = QFont::PreferFullHinting
    };
    Q_ENUM(HintingPreference)

    enum SpacingType {
        PercentageSpacing = QFont::PercentageSpacing,
        AbsoluteSpacing = QFont::AbsoluteSpacing
    };
    Q_ENUM(SpacingType)

    enum Style {
        StyleNormal = QFont::StyleNormal,
        StyleItalic = QFont::StyleItalic,
        StyleOblique = QFont::StyleOblique
    };
    Q_ENUM(Style)

    enum StyleHint {
        Helvetica = QFont::Helvetica,
        SansSerif = QFont::SansSerif,
        Times = QFont::Times,
        Serif = QFont::Serif,
        TypeWriter = QFont::TypeWriter,
        Courier = QFont::Courier,
        OldEnglish = QFont::OldEnglish,
        Decorative = QFont::Decorative,
        System = QFont::System,
        AnyStyle = QFont::AnyStyle,
        Cursive = QFont::Cursive,
        Monospace = QFont::Monospace,
        Fantasy = QFont::Fantasy
    };
    Q_ENUM(StyleHint)

    enum StyleStrategy {
        PreferDefault = QFont::PreferDefault,
        PreferBitmap = QFont::PreferBitmap,
        PreferDevice = QFont::PreferDevice,
        PreferOutline = QFont::PreferOutline,
        ForceOutline = QFont::ForceOutline,
        PreferMatch = QFont::PreferMatch,
        PreferQuality = QFont::PreferQuality,
        PreferAntialias = QFont::PreferAntialias,
        NoAntialias = QFont::NoAntialias,
        NoSubpixelAntialias = QFont::NoSubpixelAntialias,
        PreferNoShaping = QFont::PreferNoShaping,
        NoFontMerging = QFont::NoFontMerging
    };
    Q_ENUM(StyleStrategy)

    // Qt 5's scale, under Qt 6 too (whose QFont weighs from 1 to 1000).
    enum Weight {
        Light = 25,
        Normal = 50,
        DemiBold = 63,
        Bold = 75,
        Black = 87
    };
    Q_ENUM(Weight)

    explicit ZFont(QObject* parent = nullptr);
    ZFont(const QFont& font, QObject* parent);
    ZFont(const QString& family, QObject* parent);
    ZFont(const QString& family, int pointSize, QObject* parent);
    ~ZFont() override;

    static QVariant ToVariant(const QObject* context, const QFont& font);

    // The font property convention of the library's widgets.
    static ZFont* CreateFor(QWidget* widget);
    static void ApplyTo(QWidget* widget, const ZFont* font);

public slots:
    QFont font() const;
    void setFont(const QFont& font);
    QString defaultFamily() const;
    QString family() const;
    void setFamily(const QString& szFamily);
    bool bold() const;
    void setBold(bool bEnable);
    bool italic() const;
    void setItalic(bool bEnable);
    bool overline() const;
    void setOverline(bool bEnable);
    bool underline() const;
    void setUnderline(bool bEnable);
    bool kerning() const;
    void setKerning(bool bEnable);
    bool fixedPitch() const;
    void setFixedPitch(bool bEnable);
    bool rawMode() const;
    void setRawMode(bool bEnable);
    bool strikeOut() const;
    void setStrikeOut(bool bEnable);
    int stretch() const;
    void setStretch(int nFactor);
    int pixelSize() const;
    void setPixelSize(int nPixelSize);
    int pointSize() const;
    void setPointSize(int nPointSize);
    int capitalization() const;
    void setCapitalization(int nCap);
    int hintingPreference() const;
    void setHintingPreference(int nHintPref);
    int style() const;
    void setStyle(int nStyle);
    int styleHint() const;
    void setStyleHint(int nStyleHint);
    QString styleName() const;
    void setStyleName(const QString& szStyleName);
    int styleStrategy() const;
    void setStyleStrategy(int nStyleStrategy);
    int weight() const;
    void setWeight(int nWeight);
    QString key() const;
    bool fromString(const QString& szDescrip);
    QString toString() const;
    QString lastResortFamily() const;
    QString lastResortFont() const;
    bool exactMatch() const;
    int letterSpacing() const;
    void setLetterSpacing(int nLetterSpacingType, double nSpacing);
    double wordSpacing() const;
    void setWordSpacing(double nSpacing);

private:
    bool acceptsValue(int value, int minimum, int maximum, const char* attribute) const;
    bool acceptsValue(int value, bool valid, const char* attribute) const;
    bool acceptsSpacing(double spacing, const char* attribute) const;

    QFont m_font;
};

