#include "zccoverflow.h"

#include "zccovercache_p.h"
#include "zccoverflowitem.h"
#include "zceventposition_p.h"
#include "zcdragstarttracker_p.h"
#include "zcsortfilterproxymodel.h"
#include "zcwheelsteps_p.h"

#include <QImageReader>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QThread>
#include <QTimer>

#include <limits>

namespace {

constexpr int sideSpacing = 40;    // horizontal distance between neighbouring side covers
constexpr int sideShrink = 32;     // side covers are this much narrower and lower than their image
constexpr int sideAngle = 55;      // degrees the side covers are turned about the vertical axis
constexpr int pageStep = 5;        // items moved by PageUp/PageDown and Control+Left/Right
constexpr int controlNotchesPerItem = 5; // wheel notches that move one item with Control held
constexpr int searchDelayMs = 500; // type-ahead collects keys until this long a pause
// A folder image larger than this is taken for broken or hostile rather than decoded whole.
constexpr qint64 largestFileImagePixels = 100'000'000;

// Accents are folded as in the filtering views, so "elan" finds "Élan"; Ñ and Ç stay letters of
// their own, as a Spanish reader expects: "n" does not find "Ñandú".
QString foldedForSearch(const QString& text)
{
    const auto isOwnLetter = [](QChar c) {
        return c == QChar(0x00D1) || c == QChar(0x00F1) || c == QChar(0x00C7) || c == QChar(0x00E7);
    };
    QString folded;
    int runStart = 0;
    for (int i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !isOwnLetter(text.at(i)))
            continue;
        folded += ZCSortFilterProxyModel::normalizeText(text.mid(runStart, i - runStart));
        if (i < text.size())
            folded += text.at(i);
        runStart = i + 1;
    }
    return folded;
}

QSize sideCoverSize(const QSize& imageSize)
{
    return QSize(qMax(1, imageSize.width() - sideShrink), qMax(1, imageSize.height() - sideShrink));
}

QImage readImageFile(const QString& path, const QSize& itemSize)
{
    QImageReader reader(path);
    const QSize fileSize = reader.size();
    if (fileSize.isValid() && qint64(fileSize.width()) * fileSize.height() > largestFileImagePixels)
        return QImage();
    if (!itemSize.isEmpty())
        reader.setScaledSize(itemSize);
    return reader.read();
}

void drawCentredText(QPainter* painter, const QFont& font, const QString& text, int centreX, int baseline)
{
    painter->setFont(font);
    painter->drawText(centreX - painter->fontMetrics().horizontalAdvance(text) / 2, baseline, text);
}

} // namespace

// Where the covers go for the current selection and widget size.
struct ZCCoverFlow::Layout {
    int selected = 0;
    int first = 0;      // leftmost item drawn
    int last = -1;      // rightmost item drawn; below `first` when there is nothing to draw
    int coverLeft = 0;  // left edge of the selected cover
    int coverWidth = 0; // the selected cover's width, which the mouse tests against
    int coverRight = 0; // where the covers on the right start
    int centreY = 0;    // every cover is centred on this line

    // Farthest first, so that nearer covers hide farther ones; the selected one last.
    QVector<int> drawingOrder() const
    {
        QVector<int> order;
        if (last < first)
            return order;
        for (int i = first; i < selected; ++i)
            order.append(i);
        for (int i = last; i > selected; --i)
            order.append(i);
        order.append(selected);
        return order;
    }
};

// What one paint draws, taken under the mutex and drawn without it.
struct ZCCoverFlow::Frame {
    struct Cover {
        QImage image;
        QPoint centre;
        QSize size;
        int angle;
    };
    QVector<Cover> covers;
    QString title;
    QString subtitle;
};

ZCCoverFlow::ZCCoverFlow(int w, int h, QWidget* parent)
    : QWidget(parent)
    , m_itemWidth(w)
    , m_itemHeight(h)
{
    setUp();
}

ZCCoverFlow::ZCCoverFlow(QWidget* parent)
    : QWidget(parent)
{
    setUp();
}

// The items are children of the widget and go with it.
ZCCoverFlow::~ZCCoverFlow() = default;

void ZCCoverFlow::setUp()
{
    m_covers = std::make_unique<ZCCoverCache>();
    m_dragStart = std::make_unique<ZCDragStartTracker>();
    m_wheel = std::make_unique<ZCWheelSteps>();
    buildPlaceholder();
    InitFont(QFont(font().family(), 12, QFont::Bold, false), Qt::white);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Connected first, so that the items of a folder have read their files before the caller hears.
    connect(this, &ZCCoverFlow::needImage, this, &ZCCoverFlow::loadImageFromPath);
}

void ZCCoverFlow::buildPlaceholder()
{
    if (m_itemWidth < 1 || m_itemHeight < 1) {
        m_emptyImage = QImage();
        return;
    }
    m_emptyImage = QImage(m_itemWidth, m_itemHeight, QImage::Format_ARGB32_Premultiplied);
    QLinearGradient gradient(0, 0, 0, m_itemHeight);
    gradient.setColorAt(0, Qt::black);
    gradient.setColorAt(1, QColor(85, 85, 85));
    QPainter painter(&m_emptyImage);
    painter.fillRect(m_emptyImage.rect(), gradient);
    painter.setPen(QPen(QColor(64, 64, 64), 4));
    painter.drawRect(m_emptyImage.rect());
}

void ZCCoverFlow::InitSizes(int w, int h)
{
    {
        Lock lock(m_mutex);
        m_itemWidth = w;
        m_itemHeight = h;
        buildPlaceholder();
    }
    update();
}

void ZCCoverFlow::InitFont(const QFont& font, const QColor& color)
{
    m_titleFont = font;
    m_subtitleFont = QFont(font.family());
    if (font.pointSizeF() > 0)
        m_subtitleFont.setPointSizeF(qMax(1.0, font.pointSizeF() - 2));
    else
        m_subtitleFont.setPixelSize(qMax(1, font.pixelSize() - 2));
    m_subtitleFont.setWeight(QFont::Normal);
    m_titleColor = color;
    update();
}

void ZCCoverFlow::scheduleRepaint()
{
    if (QThread::currentThread() != thread()) {
        // Widgets are touched on the GUI thread only; one posted repaint serves every change
        // made before the next paint. The call is queued by name, so that nothing of ours crosses
        // threads inside QtCore's event queue, whose locking ThreadSanitizer cannot see.
        if (!m_repaintPosted.exchange(true))
            QMetaObject::invokeMethod(this, "update", Qt::QueuedConnection);
        return;
    }
    if (!m_requestingImages)
        update();
}

void ZCCoverFlow::AddItem(QString szTitulo, QImage image)
{
    auto* item = new ZCCoverFlowItem(szTitulo, image, this);
    connect(item, &ZCCoverFlowItem::imageChanged, this, &ZCCoverFlow::scheduleRepaint);
    {
        Lock lock(m_mutex);
        m_items.append(item);
    }
    update();
}

void ZCCoverFlow::AddItem()
{
    Lock lock(m_mutex);
    m_items.append(new ZCCoverFlowItem(this));
}

void ZCCoverFlow::AddItems(int n)
{
    if (n <= 0)
        return;
    {
        Lock lock(m_mutex);
        m_items.reserve(m_items.size() + n);
        for (int i = 0; i < n; ++i)
            AddItem();
    }
    update();
}

void ZCCoverFlow::AddItems(QString szPath)
{
    AddItems(QDir(szPath));
}

void ZCCoverFlow::AddItems(QDir dir)
{
    QStringList patterns;
    const QList<QByteArray> formats = QImageReader::supportedImageFormats();
    for (const QByteArray& format : formats)
        patterns.append(QLatin1String("*.") + QString::fromLatin1(format));
    dir.setNameFilters(patterns);
    dir.setFilter(QDir::Files | QDir::Readable);
    dir.setSorting(QDir::Name);
    const QFileInfoList files = dir.entryInfoList();
    if (files.isEmpty())
        return;
    {
        Lock lock(m_mutex);
        for (const QFileInfo& file : files)
            m_items.append(new ZCCoverFlowItem(file.completeBaseName(), file.absoluteFilePath(), this));
    }
    update();
}

void ZCCoverFlow::loadImageFromPath(int i)
{
    QString path;
    QSize size;
    {
        Lock lock(m_mutex);
        const ZCCoverFlowItem* item = m_items.value(i);
        // Only the items of a folder have a path: the caller cannot make items of its own.
        if (!item || item->GetPath().isEmpty())
            return;
        path = item->GetPath();
        size = QSize(m_itemWidth, m_itemHeight);
    }
    // An unreadable file gives a null image, which stops the item from asking again.
    SetImageItem(i, readImageFile(path, size));
}

void ZCCoverFlow::RemoveItemAt(int i)
{
    {
        Lock lock(m_mutex);
        if (i < 0 || i >= m_items.size())
            return;
        delete m_items.takeAt(i);
        m_selected = qBound(0, m_selected, qMax(0, m_items.size() - 1));
    }
    update();
}

void ZCCoverFlow::RemoveAllItems()
{
    {
        Lock lock(m_mutex);
        m_selected = 0;
        qDeleteAll(m_items);
        m_items.clear();
    }
    update();
}

int ZCCoverFlow::GetNumeroItems() const
{
    Lock lock(m_mutex);
    return m_items.size();
}

ZCCoverFlowItem* ZCCoverFlow::GetItem(int i) const
{
    Lock lock(m_mutex);
    return m_items.value(i);
}

QImage ZCCoverFlow::GetImageItem(int i) const
{
    Lock lock(m_mutex);
    return i >= 0 && i < m_items.size() ? imageOf(i) : QImage();
}

// The caller holds the mutex and passes a valid index.
QImage ZCCoverFlow::imageOf(int i) const
{
    const QImage* image = m_items.at(i)->GetImage();
    return image ? *image : m_emptyImage;
}

void ZCCoverFlow::SetImageItem(int i, const QImage& img)
{
    QSize size;
    {
        Lock lock(m_mutex);
        if (i < 0 || i >= m_items.size())
            return;
        size = QSize(m_itemWidth, m_itemHeight);
    }
    // Scaled outside the lock, which a loader thread would otherwise hold against the paint.
    const QImage scaled = img.isNull() || size.isEmpty()
        ? img
        : img.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    {
        Lock lock(m_mutex);
        if (i >= m_items.size())
            return;
        m_items.at(i)->SetImage(scaled);
    }
    scheduleRepaint();
}

void ZCCoverFlow::SetTituloItem(int i, const QString& titulo)
{
    {
        Lock lock(m_mutex);
        if (i < 0 || i >= m_items.size())
            return;
        m_items.at(i)->SetTitulo(titulo);
    }
    scheduleRepaint();
}

void ZCCoverFlow::SetTituloVisible(bool visible)
{
    if (m_titleVisible == visible)
        return;
    m_titleVisible = visible;
    update();
}

void ZCCoverFlow::SetSubtituloVisible(bool visible)
{
    if (m_subtitleVisible == visible)
        return;
    m_subtitleVisible = visible;
    update();
}

QSize ZCCoverFlow::sizeHint() const
{
    Lock lock(m_mutex);
    return QSize(qMax(0, 3 * m_itemWidth), qMax(0, m_itemHeight * 18 / 10));
}

int ZCCoverFlow::selectedIndex() const
{
    Lock lock(m_mutex);
    return m_selected;
}

void ZCCoverFlow::SelectAtIndex(int i)
{
    int previous;
    int current;
    {
        Lock lock(m_mutex);
        previous = m_selected;
        m_selected = m_items.isEmpty() ? 0 : qBound(0, i, m_items.size() - 1);
        current = m_selected;
    }
    if (current != previous)
        update();
    emit currentSelChanged(current, previous);
}

void ZCCoverFlow::SelectNext()
{
    const int next = selectedIndex() + 1;
    if (next < GetNumeroItems())
        SelectAtIndex(next);
}

void ZCCoverFlow::SelectPrevious()
{
    const int selected = selectedIndex();
    if (selected > 0)
        SelectAtIndex(selected - 1);
}

void ZCCoverFlow::OnTimerBuscar()
{
    const QString text = m_searchText;
    m_searchText.clear();
    Buscar(text);
}

void ZCCoverFlow::Buscar(QString szTxt)
{
    const QString wanted = foldedForSearch(szTxt);
    if (wanted.isEmpty())
        return;
    int found = -1;
    {
        Lock lock(m_mutex);
        // From the item after the selected one round to the one before it: never the selected.
        const int count = m_items.size();
        for (int step = 1; step < count && found < 0; ++step) {
            const int i = (m_selected + step) % count;
            if (foldedForSearch(m_items.at(i)->GetTitulo()).startsWith(wanted, Qt::CaseInsensitive))
                found = i;
        }
    }
    if (found >= 0)
        SelectAtIndex(found);
}

ZCCoverFlow::Layout ZCCoverFlow::layout() const
{
    Lock lock(m_mutex);
    Layout layout;
    if (m_items.isEmpty())
        return layout;
    const QSize selectedSize = imageOf(m_selected).size();
    const int w = width();
    layout.selected = m_selected;
    layout.centreY = height() / 2 - selectedSize.height() / 4;
    layout.coverLeft = w / 2 - selectedSize.width() / 2;
    layout.coverWidth = selectedSize.width();
    layout.coverRight = w / 2 + selectedSize.width() / 2;
    const int leftCount = qMax(0, layout.coverLeft / sideSpacing);
    const int rightCount = qMax(0, (w - layout.coverRight) / sideSpacing);
    layout.first = qMax(m_selected - leftCount, 0);
    layout.last = qMin(m_selected + rightCount, m_items.size() - 1);
    return layout;
}

int ZCCoverFlow::coverSideAt(int x) const
{
    const Layout layout = this->layout();
    if (x < layout.coverLeft)
        return -1;
    return x > layout.coverLeft + layout.coverWidth ? 1 : 0;
}

int ZCCoverFlow::nextImageToRequest(const QSet<const ZCCoverFlowItem*>& asked) const
{
    Lock lock(m_mutex);
    const Layout layout = this->layout();
    QVector<int> order = layout.drawingOrder();
    // The selected image is the one the user is looking at: it is asked for first.
    if (!order.isEmpty())
        order.prepend(order.takeLast());
    for (int i : qAsConst(order)) {
        const ZCCoverFlowItem* item = m_items.at(i);
        if (item->NeedImage() && !asked.contains(item))
            return i;
    }
    return -1;
}

void ZCCoverFlow::requestVisibleImages()
{
    Lock lock(m_mutex);
    // Handlers may answer at once, or add and remove items: each request is worked out from the
    // list as it is then, and no item is asked twice in one paint.
    m_requestingImages = true;
    QSet<const ZCCoverFlowItem*> asked;
    for (int i = nextImageToRequest(asked); i >= 0; i = nextImageToRequest(asked)) {
        asked.insert(m_items.at(i));
        emit needImage(i);
    }
    m_requestingImages = false;
}

ZCCoverFlow::Frame ZCCoverFlow::frame() const
{
    Lock lock(m_mutex);
    const Layout layout = this->layout();
    Frame frame;
    for (int i : layout.drawingOrder()) {
        const QImage image = imageOf(i);
        if (i == layout.selected) {
            frame.covers.append({image, QPoint(width() / 2, layout.centreY), image.size(), 0});
        } else if (i < layout.selected) {
            const QPoint centre(layout.coverLeft + (i - layout.selected) * sideSpacing, layout.centreY);
            frame.covers.append({image, centre, sideCoverSize(image.size()), -sideAngle});
        } else {
            const QPoint centre(layout.coverRight + (i - layout.selected) * sideSpacing, layout.centreY);
            frame.covers.append({image, centre, sideCoverSize(image.size()), sideAngle});
        }
    }
    if (!m_items.isEmpty()) {
        // Copies of their own: a string shared with an item would be released outside the lock
        // while a loader thread replaces the title, which only QtCore's (uninstrumented)
        // reference count orders and which ThreadSanitizer therefore reports.
        const QString title = m_items.at(layout.selected)->GetTitulo();
        const QString path = m_items.at(layout.selected)->GetPath();
        frame.title = QString(title.constData(), title.size());
        frame.subtitle = QString(path.constData(), path.size());
    }
    return frame;
}

void ZCCoverFlow::paintEvent(QPaintEvent*)
{
    m_repaintPosted = false;
    // Before the frame is taken: handlers may change the list, and the frame shows their answers.
    requestVisibleImages();
    const Frame frame = this->frame();

    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.setRenderHints(QPainter::SmoothPixmapTransform | QPainter::Antialiasing);
    m_covers->beginPaint();
    for (const Frame::Cover& cover : frame.covers)
        m_covers->draw(&painter, cover.image, cover.centre, cover.size, cover.angle);
    m_covers->endPaint();
    if (!frame.covers.isEmpty())
        drawTitles(&painter, frame);
}

void ZCCoverFlow::drawTitles(QPainter* painter, const Frame& frame) const
{
    painter->setPen(m_titleColor);
    if (m_titleVisible)
        drawCentredText(painter, m_titleFont, frame.title, width() / 2, height() - 30);
    if (m_subtitleVisible)
        drawCentredText(painter, m_subtitleFont, frame.subtitle, width() / 2, height() - 15);
}

void ZCCoverFlow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Insert) {
        emit insertPressed(selectedIndex());
        return;
    }
    // Escape belongs to the dialog or window around the widget.
    const bool handled = event->key() != Qt::Key_Escape && GetNumeroItems() > 0
        && (selectByKey(event) || typeAhead(event));
    if (!handled)
        QWidget::keyPressEvent(event);
}

bool ZCCoverFlow::selectByKey(const QKeyEvent* event)
{
    const int selected = selectedIndex();
    const bool control = event->modifiers() == Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit activated(selected);
        return true;
    case Qt::Key_Delete:
        emit deletePressed(selected);
        return true;
    case Qt::Key_Home:
        SelectAtIndex(0);
        return true;
    case Qt::Key_End:
        SelectAtIndex(GetNumeroItems() - 1);
        return true;
    case Qt::Key_Left:
        control ? SelectAtIndex(selected - pageStep) : SelectPrevious();
        return true;
    case Qt::Key_Right:
        control ? SelectAtIndex(selected + pageStep) : SelectNext();
        return true;
    case Qt::Key_PageUp:
        SelectAtIndex(selected - pageStep);
        return true;
    case Qt::Key_PageDown:
        SelectAtIndex(selected + pageStep);
        return true;
    default:
        return false;
    }
}

bool ZCCoverFlow::typeAhead(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    // Control and Alt alone make shortcuts, and control characters never start a title.
    if (event->key() < Qt::Key_Space || event->text().isEmpty() || !event->text().at(0).isPrint()
        || modifiers == Qt::ControlModifier || modifiers == Qt::AltModifier)
        return false;
    if (!m_searchTimer) {
        m_searchTimer = new QTimer(this);
        m_searchTimer->setSingleShot(true);
        connect(m_searchTimer, &QTimer::timeout, this, &ZCCoverFlow::OnTimerBuscar);
    }
    m_searchTimer->stop();
    m_searchText += event->text();
    m_searchTimer->start(searchDelayMs);
    return true;
}

void ZCCoverFlow::mousePressEvent(QMouseEvent* event)
{
    m_dragStart->press(event);
    m_pressedOnCover = event->button() == Qt::LeftButton && GetNumeroItems() > 0 && coverSideAt(ZCEventPosition::position(event).toPoint().x()) == 0;
    if (m_pressedOnCover)
        emit pressed(selectedIndex());
    QWidget::mousePressEvent(event);
}

void ZCCoverFlow::mouseMoveEvent(QMouseEvent* event)
{
    // Once per press, and only for a press on the selected cover.
    if (m_dragStart->startsDrag(event) && m_pressedOnCover && GetNumeroItems() > 0) {
        emit iniciarDrag(this);
        QWidget::mouseReleaseEvent(event);
        return;
    }
    QWidget::mouseMoveEvent(event);
}

void ZCCoverFlow::mouseReleaseEvent(QMouseEvent* event)
{
    // A press that announced a drag ends in the caller's drop, not in a click.
    const bool dragged = m_pressedOnCover && m_dragStart->hasAnnounced();
    m_dragStart->release(event);
    if (event->button() == Qt::LeftButton && !dragged && GetNumeroItems() > 0) {
        const int side = coverSideAt(ZCEventPosition::position(event).toPoint().x());
        if (side == 0)
            emit clicked(selectedIndex());
        else if (side < 0)
            SelectPrevious();
        else
            SelectNext();
    }
    QWidget::mouseReleaseEvent(event);
}

void ZCCoverFlow::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && GetNumeroItems() > 0 && coverSideAt(ZCEventPosition::position(event).toPoint().x()) == 0) {
        const int selected = selectedIndex();
        emit doubleClicked(selected);
        emit activated(selected);
        return;
    }
    // Beside the cover a double click is a second press: quick clicks keep stepping.
    QWidget::mouseDoubleClickEvent(event);
}

void ZCCoverFlow::wheelEvent(QWheelEvent* event)
{
    event->accept();
    // One notch (120) moves one item; with Control it takes several.
    const int multiplier = event->modifiers().testFlag(Qt::ControlModifier) ? 1 : controlNotchesPerItem;
    const int steps = m_wheel->steps(event->angleDelta().y(), multiplier, 120 * controlNotchesPerItem);
    if (steps != 0) {
        const qint64 target = qint64(selectedIndex()) - steps;
        SelectAtIndex(int(qBound(qint64(0), target, qint64(std::numeric_limits<int>::max()))));
    }
}
