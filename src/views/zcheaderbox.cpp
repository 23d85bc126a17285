#include "zcheaderbox.h"

#include <QLabel>
#include <QVBoxLayout>

#include <limits>

ZCHeaderBox::ZCHeaderBox(const QColor& textColor, const QColor& backgroundColor, const QString& title,
                         double titleScale, const QString& subtitle, bool separator, QWidget* parent)
    : QWidget(parent)
    , m_layout(new QVBoxLayout)
    , m_title(new QLabel(title))
{
    scaleTitleFont(titleScale);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(17);
    texts->setContentsMargins(20, subtitle.isEmpty() ? 15 : 25, 20, 15);
    texts->addWidget(m_title);
    if (!subtitle.isEmpty()) {
        m_subtitle = new QLabel(subtitle);
        texts->addWidget(m_subtitle);
    }

    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->addLayout(texts);
    if (separator)
        m_layout->addWidget(createSeparator());
    setLayout(m_layout);

    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, textColor);
    colours.setColor(QPalette::Window, backgroundColor);
    setPalette(colours);
    setAutoFillBackground(true);
}

ZCHeaderBox::~ZCHeaderBox() = default;

void ZCHeaderBox::SetTexto(const QString& title)
{
    m_title->setText(title);
}

QWidget* ZCHeaderBox::createSeparator()
{
    auto* line = new QLabel;
    line->setFixedHeight(1);
    line->setAutoFillBackground(true);
    QPalette colours = line->palette();
    colours.setColor(QPalette::Window, Qt::black);
    line->setPalette(colours);
    return line;
}

void ZCHeaderBox::scaleTitleFont(double scale)
{
    if (qFuzzyCompare(scale, 1.0))
        return;
    QFont font = m_title->font();
    // A font given in pixels has no point size; scale what it has.
    const bool inPoints = font.pointSize() > 0;
    const double scaled = (inPoints ? font.pointSize() : font.pixelSize()) * scale;
    // Converting NaN or a number beyond int is undefined, and QFont refuses sizes below 1.
    if (!(scaled >= 1 && scaled <= std::numeric_limits<int>::max()))
        return;
    if (inPoints)
        font.setPointSize(int(scaled));
    else
        font.setPixelSize(int(scaled));
    m_title->setFont(font);
}
