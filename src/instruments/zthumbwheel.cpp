#include "zthumbwheel.h"

#include "zcinstrumentmath_p.h"
#include "zcwheelsteps_p.h"
#include "zfont.h"

#include <QDebug>
#include <qdrawutil.h>
#include <QKeyEvent>
#include <QPainter>
#include <QtMath>

#include <cmath>

using ZCInstrumentMath::clampedToInt;
using ZCInstrumentMath::truncatedToInt;

namespace {

// More ribs than this are finer than any screen shows, and each costs a segment per paint.
constexpr int maximumCogCount = 1000;

// The wheel's colours for one line across it, from the window colour dimmed by the line's
// distance from the wheel's middle (f is 1 in the middle and 0.5 at the ends).
struct LineColours {
    LineColours(const QColor& window, double f)
    {
        int h = 0;
        int s = 0;
        int v = 0;
        window.getHsv(&h, &s, &v);
        full = QColor::fromHsv(h, s, int(v * f));
        half = QColor::fromHsv(h, s, int(v * 0.5 * f));
        threeQuarters = QColor::fromHsv(h, s, int(v * 0.75 * f));
        bright = QColor::fromHsv(h, s, qBound(0, int(v * 1.2 * f), 255));
        black = QColor::fromHsv(h, s, 0);
    }
    QColor full;
    QColor half;
    QColor threeQuarters;
    QColor bright;
    QColor black;
};

double shadeFactor(double line, double length)
{
    return qMin(1.0, std::abs(std::sin(line / length * M_PI)) * 0.5 + 0.5);
}

} // namespace

class ZThumbWheelPrivate
{
public:
    explicit ZThumbWheelPrivate(ZThumbWheel* owner);

    int valueFromPosition(const QPoint& position) const;
    void setDraggedValue(qint64 value);
    void dragTo(const QPoint& position);
    void paint(QPainter& painter);

    int cogCount = 17;
    bool wrapsAround = false;
    bool limitedDrag = true;
    double transmissionRatio = 1.0;
    int lastPos = -1;
    bool dragging = false;
    QPixmap shading;
    // Nothing has been shaded yet, so the first paint builds the shading even when no resize
    // or palette change came before it.
    bool shadingStale = true;
    Qt::Orientation shadingOrientation = Qt::Horizontal;
    ZCWheelSteps wheelSteps;
    ZThumbWheel* const owner;

private:
    bool horizontal() const { return owner->orientation() == Qt::Horizontal; }
    // The contents rectangle's extent along the wheel's axis, and across it (inset by one).
    int alongStart() const;
    int alongEnd() const;
    int acrossStart() const;
    int acrossEnd() const;
    // Fills the pixels [from, to] across the wheel on one line along it.
    void fillAcross(QPainter& painter, int line, int from, int to, const QColor& colour) const;
    void buildShading();
    void paintRibs(QPainter& painter);
    void paintRibLines(QPainter& painter, int first, int last);
};

ZThumbWheelPrivate::ZThumbWheelPrivate(ZThumbWheel* owner)
    : owner(owner)
{
    owner->setAttribute(Qt::WA_OpaquePaintEvent);
    owner->setFocusPolicy(Qt::WheelFocus);
}

int ZThumbWheelPrivate::alongStart() const
{
    const QRect contents = owner->contentsRect();
    return horizontal() ? contents.left() : contents.top();
}

int ZThumbWheelPrivate::alongEnd() const
{
    const QRect contents = owner->contentsRect();
    return horizontal() ? contents.right() : contents.bottom();
}

int ZThumbWheelPrivate::acrossStart() const
{
    const QRect contents = owner->contentsRect();
    return (horizontal() ? contents.top() : contents.left()) + 1;
}

int ZThumbWheelPrivate::acrossEnd() const
{
    const QRect contents = owner->contentsRect();
    return (horizontal() ? contents.bottom() : contents.right()) - 1;
}

// The wheel turns like a cylinder seen from the side: a point dragged across it moves by the
// arc cosine of its offset. Off the wheel without limitedDrag, the value follows the pointer at
// the wheel's average rate.
int ZThumbWheelPrivate::valueFromPosition(const QPoint& position) const
{
    const double minimum = owner->minimum();
    const double range = double(owner->maximum()) - minimum;
    const int lo = alongStart();
    const int hi = alongEnd();
    const double length = hi - lo;
    if (length <= 0 || range == 0)
        return owner->minimum();
    const double p = horizontal() ? position.x() : position.y();

    if (!limitedDrag && (p < lo || p > hi)) {
        const double pixelsPerUnit = 2 * length * transmissionRatio / range;
        const double v = p > hi ? minimum + range / (2 * transmissionRatio) + (p - hi) / pixelsPerUnit
                                : minimum - (lo - p) / pixelsPerUnit;
        return truncatedToInt(std::floor(v + 0.5));
    }
    double angle = 0;
    if (p > hi)
        angle = M_PI;
    else if (p >= lo)
        angle = std::acos(1 - 2 * (p - lo) / length);
    const double degrees = qRadiansToDegrees(angle) / transmissionRatio;
    return truncatedToInt(minimum + std::trunc(range * degrees / 360));
}

// Past an end the value wraps by whole spans (or stops there); a wheel whose range is a single
// value has nowhere to wrap to.
void ZThumbWheelPrivate::setDraggedValue(qint64 value)
{
    const qint64 minimum = owner->minimum();
    const qint64 maximum = owner->maximum();
    const qint64 span = maximum - minimum;
    if (wrapsAround && span > 0) {
        if (value < minimum)
            value += (minimum - value + span - 1) / span * span;
        else if (value > maximum)
            value -= (value - maximum + span - 1) / span * span;
    }
    owner->QAbstractSlider::setValue(clampedToInt(qBound(minimum, value, maximum)));
}

// The value is set last: a handler of valueChanged() may delete the wheel, and this with it.
void ZThumbWheelPrivate::dragTo(const QPoint& position)
{
    const int p = valueFromPosition(position);
    const qint64 value = qint64(p) - lastPos + owner->value();
    lastPos = p;
    setDraggedValue(value);
}

void ZThumbWheelPrivate::fillAcross(QPainter& painter, int line, int from, int to, const QColor& colour) const
{
    if (to < from)
        return;
    if (horizontal())
        painter.fillRect(line, from, 1, to - from + 1, colour);
    else
        painter.fillRect(from, line, to - from + 1, 1, colour);
}

// The body of the wheel: dark rims, a bright band near the first rim and a three-quarter shade
// between, all dimmed toward the ends of the axis.
void ZThumbWheelPrivate::buildShading()
{
    shadingStale = false;
    shadingOrientation = owner->orientation();
    shading = QPixmap(owner->size());
    if (shading.isNull())
        return;
    const QColor window = owner->palette().color(QPalette::Window);
    shading.fill(window);
    QPainter painter(&shading);
    const int length = horizontal() ? owner->width() : owner->height();
    const int e0 = acrossStart();
    const int e1 = acrossEnd();
    // The far bright band is one line wider on a vertical wheel.
    const int farBand = horizontal() ? e1 - 2 : e1 - 3;
    for (int line = 0; line < length; ++line) {
        const LineColours colours(window, shadeFactor(line, length));
        fillAcross(painter, line, e0, e0, colours.black);
        fillAcross(painter, line, e0 + 1, e0 + 3, colours.full);
        fillAcross(painter, line, e0 + 3, e0 + 3, colours.half);
        fillAcross(painter, line, e0 + 4, e1 - 3, colours.threeQuarters);
        fillAcross(painter, line, farBand, e1 - 1, colours.full);
        fillAcross(painter, line, e1, e1, colours.black);
    }
}

// Rib i spans the lines between the projections of its two edges on the turning cylinder;
// the phase turns the ribs with the value, repeating every rib.
void ZThumbWheelPrivate::paintRibs(QPainter& painter)
{
    const double range = double(owner->maximum()) - owner->minimum();
    const double phase = range == 0 ? 0.0
                                    : std::fmod((owner->value() - double(owner->minimum())) * 2 * M_PI / range,
                                                M_PI / cogCount);
    const int start = alongStart();
    const int end = alongEnd();
    const double half = (end - start + 1) / 2.0;
    const auto edge = [&](int i) {
        return start + truncatedToInt((1 - std::cos(i * M_PI / cogCount + phase)) * half);
    };
    for (int i = 0; i <= cogCount; ++i) {
        const int first = i == 0 ? start : edge(i - 1);
        const int last = i == cogCount ? end : edge(i);
        paintRibLines(painter, first, horizontal() ? last : last - 1);
    }
}

// A rib is lit on its first two lines and shaded on its last (two, when horizontal); the lines
// between keep the body's shading.
void ZThumbWheelPrivate::paintRibLines(QPainter& painter, int first, int last)
{
    if (last < first)
        return;
    const QColor window = owner->palette().color(QPalette::Window);
    const int start = alongStart();
    const double length = alongEnd() - start + 1;
    const int e0 = acrossStart();
    const int e1 = acrossEnd();
    const auto colours = [&](int line) { return LineColours(window, shadeFactor(line - start, length)); };

    fillAcross(painter, first, e0 + 3, e1 - 3, colours(first).full);
    if (first + 1 <= last) {
        const LineColours second = colours(first + 1);
        fillAcross(painter, first + 1, e0 + 3, e0 + 4, second.half);
        fillAcross(painter, first + 1, e0 + 4, e1 - 3, second.bright);
    }
    for (int line = qMax(first, horizontal() ? last - 1 : last); line <= last; ++line) {
        const LineColours shade = colours(line);
        fillAcross(painter, line, e0 + 3, e1 - 4, shade.half);
        fillAcross(painter, line, e1 - 4, e1 - 3, shade.threeQuarters);
    }
}

void ZThumbWheelPrivate::paint(QPainter& painter)
{
    if (shadingStale || shading.size() != owner->size() || shadingOrientation != owner->orientation())
        buildShading();
    painter.drawPixmap(0, 0, shading);
    paintRibs(painter);
    qDrawShadePanel(&painter, owner->contentsRect(), owner->palette(), false, 1, nullptr);
}

ZThumbWheel::ZThumbWheel(QWidget* parent)
    : QAbstractSlider(parent)
    , d(std::make_unique<ZThumbWheelPrivate>(this))
{
    setOrientation(Qt::Horizontal);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

ZThumbWheel::ZThumbWheel(int minValue, int maxValue, int pageStep, int value, Qt::Orientation orientation,
                         QWidget* parent)
    : QAbstractSlider(parent)
    , d(std::make_unique<ZThumbWheelPrivate>(this))
{
    setRange(minValue, maxValue);
    setValue(value);
    setSingleStep(1);
    setPageStep(pageStep);
    setOrientation(orientation);
    if (orientation == Qt::Horizontal)
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    else
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
}

ZThumbWheel::~ZThumbWheel() = default;

int ZThumbWheel::cogCount() const
{
    return d->cogCount;
}

void ZThumbWheel::setCogCount(int count)
{
    if (count > 0)
        d->cogCount = qMin(count, maximumCogCount);
    update();
}

bool ZThumbWheel::wrapsAround() const
{
    return d->wrapsAround;
}

void ZThumbWheel::setWrapsAround(bool wraps)
{
    d->wrapsAround = wraps;
}

bool ZThumbWheel::limitedDrag() const
{
    return d->limitedDrag;
}

void ZThumbWheel::setLimitedDrag(bool limited)
{
    d->limitedDrag = limited;
}

double ZThumbWheel::transmissionRatio() const
{
    return d->transmissionRatio;
}

// Positions are divided by the ratio: zero or a non-finite ratio would turn them into nonsense.
void ZThumbWheel::setTransmissionRatio(double ratio)
{
    if (ratio == 0 || !std::isfinite(ratio)) {
        qWarning().noquote() << tr("Se ignora una relación de transmisión no válida: %1").arg(ratio);
        return;
    }
    d->transmissionRatio = ratio;
}

QSize ZThumbWheel::sizeHint() const
{
    return orientation() == Qt::Horizontal ? QSize(130, 20) : QSize(20, 130);
}

ZFont* ZThumbWheel::GetFont()
{
    return ZFont::CreateFor(this);
}

void ZThumbWheel::SetFont(ZFont* font)
{
    ZFont::ApplyTo(this, font);
}

void ZThumbWheel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    d->dragging = true;
    d->lastPos = d->valueFromPosition(event->pos());
}

void ZThumbWheel::mouseMoveEvent(QMouseEvent* event)
{
    if (d->dragging && hasTracking())
        d->dragTo(event->pos());
}

// Without tracking the whole drag is applied here. A release without a press of ours (the
// press went to another widget) moves nothing.
void ZThumbWheel::mouseReleaseEvent(QMouseEvent* event)
{
    if (!d->dragging)
        return;
    d->dragging = false;
    d->dragTo(event->pos());
}

// A notch of 120 moves a fifth of a page (or of a single step with Control) down the range.
void ZThumbWheel::wheelEvent(QWheelEvent* event)
{
    const int step = event->modifiers() & Qt::ControlModifier ? singleStep() : pageStep();
    const int steps = d->wheelSteps.steps(event->angleDelta().y(), step, 600);
    setValue(clampedToInt(qint64(value()) - steps));
    event->accept();
}

void ZThumbWheel::keyPressEvent(QKeyEvent* event)
{
    const bool horizontal = orientation() == Qt::Horizontal;
    switch (event->key()) {
    case Qt::Key_Home:
        triggerAction(SliderToMinimum);
        break;
    case Qt::Key_End:
        triggerAction(SliderToMaximum);
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        if ((event->key() == Qt::Key_Left) == horizontal)
            triggerAction(SliderSingleStepSub);
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        if ((event->key() == Qt::Key_Right) == horizontal)
            triggerAction(SliderSingleStepAdd);
        break;
    case Qt::Key_PageUp:
        triggerAction(SliderPageStepSub);
        break;
    case Qt::Key_PageDown:
        triggerAction(SliderPageStepAdd);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void ZThumbWheel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    d->paint(painter);
}

void ZThumbWheel::resizeEvent(QResizeEvent* event)
{
    d->shadingStale = true;
    QAbstractSlider::resizeEvent(event);
}

void ZThumbWheel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        d->shadingStale = true;
    QAbstractSlider::changeEvent(event);
}
