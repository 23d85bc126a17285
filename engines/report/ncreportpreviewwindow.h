#pragma once

#include "ncreportpreviewview.h"
#include "ncreporterror.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class NCReport;
class NCReportRecordedPages;
class QAction;
class QActionGroup;
class QComboBox;
class QDockWidget;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QPrinter;
class QProgressBar;
class QSpinBox;
class QToolBar;
class QToolButton;

/*!
    A window over a report run: its pages one at a time or one under the other, zoomed or
    fitted, with thumbnails in a dock, a page box, find, print and export. It is a top-level
    window or a widget inside a host's window, as its parent and flags make it.

    run() records the report into the window: the first page shows as soon as it is laid out,
    the others as they come, with the progress and a Cancel in the status bar; the window stays
    live while the run goes on. A run that fails or is cancelled keeps the pages it made on show
    and says why in the status bar. Print and export replay the recorded pages, without running
    the report again.

    The window's geometry, zoom, page mode and thumbnail dock are kept in the application's
    settings (group "NCReport/PreviewWindow") and come back with the next window.
*/
class NCREPORT_EXPORT NCReportPreviewWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit NCReportPreviewWindow(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~NCReportPreviewWindow() override;

    // Runs `report` into the window; false when it fails or is cancelled (the report's error()
    // says why, and the status bar too). The report must outlive the run.
    bool run(NCReport* report);
    bool isRunning() const { return m_running; }
    // Shows pages recorded before.
    void setRecordedPages(std::shared_ptr<const NCReportRecordedPages> pages);
    std::shared_ptr<const NCReportRecordedPages> recordedPages() const { return m_view->recordedPages(); }

    NCReportPreviewView* view() const { return m_view; }
    int pageCount() const { return m_view->pageCount(); }
    int currentPage() const { return m_view->currentPage(); }
    // The matches of the last search and the current one (-1 for none).
    QVector<NCReportRecordedPages::Match> matches() const { return m_matches; }
    int currentMatch() const { return m_currentMatch; }
    // The text of the status bar's message.
    QString statusText() const;

    // The window's commands, for hosts that add their own beside them.
    enum Command { Print, ExportPdf, ExportHtml, ExportSvg, ExportCsv, ExportXlsx, Find, FindNext, FindPrevious,
                   FirstPage, PreviousPage, NextPage, LastPage, ZoomIn, ZoomOut, FitWidth, FitPage, Continuous,
                   Thumbnails, Close, SendMail };
    enum ExportFormat { Pdf, Html, Svg, Csv, Xlsx };
    // The command's action; SendMail's is null when the engine was built without mail.
    QAction* action(Command command) const;
    // The Export menu, for hosts and outputs that add formats.
    QMenu* exportMenu() const { return m_exportMenu; }

    // Prints the recorded pages on `printer` as it is set up: its page range (from 1) and
    // number of copies. False when there is nothing to print or the printer refuses.
    bool printTo(QPrinter* printer);
    // Writes the recorded pages in `format` to `target` (a folder for SVG, one file a page),
    // each file whole or not at all; false, with the status bar saying which and why, when it
    // cannot.
    bool exportTo(ExportFormat format, const QString& target);

public Q_SLOTS:
    void cancel();
    // Opens the platform's print dialog and prints.
    void print();
    // Searches every page for `text` and shows the first match from the current page on.
    void find(const QString& text);
    void findNext();
    void findPrevious();

Q_SIGNALS:
    // After each page a run adds.
    void pagesAdded(int pageCount);
    void runFinished(bool ok);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createActions();
    void createToolBars();
    void createMenus();
    void createStatusBar();
    void createThumbnails();
    void updatePageBox();
    void updateActions();
    void showMatch(int index);
    void showError(const QString& message);
    void exportWithDialog(ExportFormat format);
    void sendByMail();
    void restoreSettings();
    void saveSettings() const;
    void pagesChanged();

    NCReportPreviewView* m_view;
    QAction* m_actions[SendMail + 1] = {};
    QMenu* m_exportMenu = nullptr;
    QToolBar* m_findBar = nullptr;
    QLineEdit* m_findText = nullptr;
    QLabel* m_findResult = nullptr;
    QSpinBox* m_pageBox = nullptr;
    QComboBox* m_zoomBox = nullptr;
    QDockWidget* m_thumbnailDock = nullptr;
    QListView* m_thumbnails = nullptr;
    QLabel* m_message = nullptr;
    QProgressBar* m_progress = nullptr;
    QToolButton* m_cancelButton = nullptr;
    QVector<NCReportRecordedPages::Match> m_matches;
    int m_currentMatch = -1;
    QString m_searched;
    bool m_running = false;
    bool m_cancelRequested = false;
    bool m_closeAfterRun = false;
};
