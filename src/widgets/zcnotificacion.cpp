#include "zcnotificacion.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <limits>

namespace {

// Measured in the text's own font, so that a notification is as wide, for the same text, in
// any font: a fixed number of pixels would hold a long word in a small font and not in a large
// one, and the stack would lay out differently with the platform's default font.
constexpr int minimumTextCharacters = 44;
// Longer lifetimes would overflow the timer's milliseconds; they are as good as "until closed".
constexpr int longestTimedSeconds = std::numeric_limits<int>::max() / 1000;

QPushButton* iconButton(const QString& objectName, const QIcon& icon)
{
    auto* button = new QPushButton;
    button->setObjectName(objectName);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    if (!icon.isNull())
        button->setIcon(icon);
    return button;
}

// The notification's word-wrapped text, at least minimumTextCharacters of its font wide, in
// whatever font a style sheet or its parent gives it later.
class NotificationText : public QLabel
{
public:
    explicit NotificationText(const QString& text)
        : QLabel(text)
    {
        setWordWrap(true);
        fitMinimumWidth();
    }

protected:
    void changeEvent(QEvent* event) override
    {
        QLabel::changeEvent(event);
        if (event->type() == QEvent::FontChange)
            fitMinimumWidth();
    }

private:
    void fitMinimumWidth() { setMinimumWidth(fontMetrics().averageCharWidth() * minimumTextCharacters); }
};

} // namespace

ZCNotificacion::ZCNotificacion(const QString& szTexto, const QIcon& iconoTexto,
                               const QIcon& iconoCierre, int nSecsDuracion, QWidget* parent)
    : QFrame(parent)
{
    auto* layout = new QHBoxLayout(this);
    const Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;

    QPushButton* icon = iconButton(QStringLiteral("icon"), iconoTexto);
    icon->setFlat(true);
    icon->setAccessibleName(szTexto);
    layout->addWidget(icon, 0, alignment);

    auto* text = new NotificationText(szTexto);
    text->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    layout->addWidget(text, 0, alignment);

    QPushButton* close = iconButton(QStringLiteral("close"), iconoCierre);
    close->setFocusPolicy(Qt::NoFocus);
    close->setAccessibleName(tr("Cerrar notificación"));
    connect(close, &QPushButton::pressed, this, &QWidget::close);
    layout->addWidget(close, 0, alignment);

    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_DeleteOnClose);

    if (nSecsDuracion >= 1 && nSecsDuracion <= longestTimedSeconds) {
        // A child timer rather than QTimer::singleShot: it dies with the notification.
        auto* lifetime = new QTimer(this);
        lifetime->setSingleShot(true);
        connect(lifetime, &QTimer::timeout, this, &QWidget::close);
        lifetime->start(nSecsDuracion * 1000);
    }
}
