#pragma once

#include "ncreport_global.h"
#include "ncreportrecordedpages.h"

#include <QAbstractScrollArea>
#include <QCache>

#include <memory>

class NCReportWheelSteps;

/*!
    Shows recorded pages: one page at a time or all of them one under the other, at a zoom
    from 10 % to 400 % or fitted to the width or the whole page, with the matches of a search
    highlighted. Pages are painted from the recording at the zoom of the moment and kept within
    a budget of bytes.

    Keys: Page Up and Page Down turn pages, Home and End go to the first and last page; with
    Ctrl, the wheel zooms.
*/
class NCREPORT_EXPORT NCReportPreviewView : public QAbstractScrollArea
{
    Q_OBJECT

public:
    enum ZoomMode { FixedZoom, FitWidth, FitPage };
    Q_ENUM(ZoomMode)

    static constexpr qreal minimumZoom = 0.1;
    static constexpr qreal maximumZoom = 4.0;

    explicit NCReportPreviewView(QWidget* parent = nullptr);
    ~NCReportPreviewView() override;

    void setRecordedPages(std::shared_ptr<const NCReportRecordedPages> pages);
    std::shared_ptr<const NCReportRecordedPages> recordedPages() const { return m_pages; }
    // The recording grew (a run adds pages as they are laid out).
    void pagesAdded();
    // The recorded pages changed in place (a run filled in their number when it ended): every
    // page is painted again.
    void repaintPages();
    int pageCount() const { return m_pageCount; }

    int currentPage() const { return m_currentPage; }
    // The zoom in use, whatever the mode: 1 shows the paper at its size on the screen.
    qreal zoom() const { return m_zoom; }
    ZoomMode zoomMode() const { return m_zoomMode; }
    bool isContinuous() const { return m_continuous; }

    // Matches to highlight, the current one brought into view.
    void setMatches(const QVector<NCReportRecordedPages::Match>& matches, int current);

    // Where page `page` lies in the view's contents, in viewport pixels at the present scroll.
    QRect pageRect(int page) const;

public Q_SLOTS:
    void setCurrentPage(int page);
    void setZoom(qreal zoom);
    void setZoomMode(ZoomMode mode);
    void setContinuous(bool continuous);
    void zoomIn();
    void zoomOut();

Q_SIGNALS:
    void currentPageChanged(int page);
    void zoomChanged(qreal zoom);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    // The paper's size at the zoom, in device-independent pixels.
    QSizeF pageSize() const;
    qreal pixelsPerMillimetre() const;
    // Top of page `page` in the contents (continuous mode), in pixels.
    int pageTop(int page) const;
    void updateZoomFromMode();
    void updateScrollBars();
    void scrollToPage(int page);
    void ensureVisible(const QRect& contentsRect);
    void updateCurrentFromScroll();
    QImage pageImage(int page);

    std::shared_ptr<const NCReportRecordedPages> m_pages;
    int m_pageCount = 0;
    int m_currentPage = 0;
    qreal m_zoom = 1;
    ZoomMode m_zoomMode = FitWidth;
    bool m_continuous = true;
    QVector<NCReportRecordedPages::Match> m_matches;
    int m_currentMatch = -1;
    // Pages painted at the present zoom and device pixel ratio, in bytes.
    QCache<int, QImage> m_images;
    qreal m_imagesScale = 0;
    std::unique_ptr<NCReportWheelSteps> m_wheel;
    bool m_settingScroll = false;
};
