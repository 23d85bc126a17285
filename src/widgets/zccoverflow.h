#pragma once

#include "mirokit_global.h"

#include <QColor>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QList>
#include <QSet>
#include <QWidget>

#include <atomic>
#include <memory>
#include <mutex>

class QTimer;
class ZCCoverCache;
class ZCCoverFlowItem;
class ZCDragStartTracker;
class ZCWheelSteps;

/*!
    A row of images in perspective on a black ground: the selected one faces the viewer in the
    middle, those before it recede to the left and those after it to the right, each with a fading
    reflection under it. Every change of selection repaints at once; there is no animation.

    Images are supplied lazily: just before a paint, the widget emits needImage() for each item in
    view that still wants an image, and the caller answers with SetImageItem() (at once or later,
    from any thread); needImage() is emitted again before every paint until the image arrives.
    The user moves the selection with the keys, the wheel, clicks beside the selected image and
    type-ahead on the titles, whose typed keys add up until a pause of 500 ms.

    The item list and the selection are guarded by a recursive mutex, held while needImage() is
    emitted so that its handlers may call back into the widget. SetImageItem(), SetTituloItem() and
    GetNumeroItems() may be called from any thread: they change the data under the mutex and leave
    the repaint to the GUI thread. Everything else belongs to the GUI thread.
*/
class MIROKIT_EXPORT ZCCoverFlow : public QWidget
{
    Q_OBJECT

public:
    ZCCoverFlow(int w, int h, QWidget* parent = nullptr);
    explicit ZCCoverFlow(QWidget* parent = nullptr);
    ~ZCCoverFlow() override;

    void InitSizes(int w, int h);
    void InitFont(const QFont& font, const QColor& color);

    void AddItem();
    void AddItems(int n);
    void RemoveItemAt(int i);
    void RemoveAllItems();
    int GetNumeroItems() const;
    // A null image clears the item's image and stops it asking; any other is scaled to the item
    // size, ignoring its aspect ratio.
    void SetImageItem(int i, const QImage& img);
    void SetTituloItem(int i, const QString& titulo);

    void SetTituloVisible(bool visible);
    bool EsTituloVisible() const { return m_titleVisible; }
    void SetSubtituloVisible(bool visible);
    bool EsSubtituloVisible() const { return m_subtitleVisible; }

    QSize sizeHint() const override;

signals:
    void needImage(int nIndex);
    void activated(int nIndex);
    void pressed(int nIndex);
    void clicked(int nIndex);
    void doubleClicked(int nIndex);
    void insertPressed(int nIndex);
    void deletePressed(int nIndex);
    void currentSelChanged(int nCurrent, int nPrevious);
    void iniciarDrag(QWidget* pWidgetSource);
    // Declared for callers; the widget itself never emits it.
    void signalTapAndHold(int nIndex);

public slots:
    // Stores the image at its own size; the item repaints the widget whenever its image changes.
    void AddItem(QString szTitulo, QImage image);
    // One item per readable image file of the folder, in name order, titled with the file's base
    // name; a file is read only once its item is asked for its image.
    void AddItems(QString szPath);
    void AddItems(QDir dir);
    void SelectNext();
    void SelectPrevious();
    void SelectAtIndex(int i);
    void OnTimerBuscar();
    void Buscar(QString szTxt);

protected:
    // Null for an index outside the list.
    ZCCoverFlowItem* GetItem(int i) const;
    // The item's image, the placeholder for an item without one, a null image outside the list.
    QImage GetImageItem(int i) const;
    // The rendered covers, for subclasses that watch the memory the widget holds.
    const ZCCoverCache& coverCache() const { return *m_covers; }

    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    struct Layout;
    struct Frame;
    using Lock = std::lock_guard<std::recursive_mutex>;

    void setUp();
    void buildPlaceholder();
    void scheduleRepaint();
    int selectedIndex() const;
    QImage imageOf(int i) const;
    Layout layout() const;
    int nextImageToRequest(const QSet<const ZCCoverFlowItem*>& asked) const;
    void requestVisibleImages();
    Frame frame() const;
    void drawTitles(QPainter* painter, const Frame& frame) const;
    bool selectByKey(const QKeyEvent* event);
    bool typeAhead(const QKeyEvent* event);
    int coverSideAt(int x) const;
    void loadImageFromPath(int i);

    mutable std::recursive_mutex m_mutex;
    int m_itemWidth = 375;
    int m_itemHeight = 300;
    QFont m_titleFont;
    QFont m_subtitleFont;
    QColor m_titleColor = Qt::white;
    bool m_titleVisible = true;
    bool m_subtitleVisible = true;
    QList<ZCCoverFlowItem*> m_items;
    std::unique_ptr<ZCCoverCache> m_covers;
    QImage m_emptyImage;
    int m_selected = 0;
    QTimer* m_searchTimer = nullptr;
    QString m_searchText;
    std::unique_ptr<ZCDragStartTracker> m_dragStart;
    bool m_pressedOnCover = false;
    std::unique_ptr<ZCWheelSteps> m_wheel;
    // While needImage() is emitted before a paint, whose frame will show what the handlers change.
    bool m_requestingImages = false;
    // Set by the first change from another thread since the last paint, which has posted a repaint.
    std::atomic<bool> m_repaintPosted{false};
};
