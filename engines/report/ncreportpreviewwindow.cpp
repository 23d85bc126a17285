#include "ncreportpreviewwindow.h"

#ifdef NCREPORT_WITH_MAIL
#include "ncrdmaildialog.h"

#include <QFile>
#include <QTemporaryDir>
#endif

#include "ncreport.h"
#include "ncreportcsvwriter.h"
#include "ncreportdef.h"
#include "ncreportexport_p.h"
#include "ncreporthtmlwriter.h"
#include "ncreportrecordingoutput.h"
#include "ncreportsvgwriter.h"
#include "ncreportxlsxwriter.h"

#include <QAbstractListModel>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCache>
#include <QCloseEvent>
#include <QComboBox>
#include <QDockWidget>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace {

const QLatin1String settingsGroup("NCReport/PreviewWindow");
constexpr int thumbnailWidth = 110;
const int zoomSteps[] = {10, 25, 50, 75, 100, 125, 150, 200, 300, 400};

// The pages as thumbnails, painted when a view first shows them.
class ThumbnailModel : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    void setPages(std::shared_ptr<const NCReportRecordedPages> pages)
    {
        beginResetModel();
        m_pages = std::move(pages);
        m_count = m_pages ? m_pages->pageCount() : 0;
        m_images.clear();
        endResetModel();
    }

    void pagesAdded()
    {
        const int count = m_pages ? m_pages->pageCount() : 0;
        if (count <= m_count)
            return;
        // The last page so far may have grown since its thumbnail was painted.
        m_images.remove(m_count - 1);
        beginInsertRows(QModelIndex(), m_count, count - 1);
        m_count = count;
        endInsertRows();
    }

    void repaintPages()
    {
        m_images.clear();
        if (m_count > 0)
            emit dataChanged(index(0), index(m_count - 1), {Qt::DecorationRole});
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : m_count; }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= m_count)
            return QVariant();
        if (role == Qt::DisplayRole)
            return QString::number(index.row() + 1);
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
        if (role != Qt::DecorationRole)
            return QVariant();
        if (const QImage* cached = m_images.object(index.row()))
            return *cached;
        const qreal inches = m_pages->pageLayout().fullRect(QPageLayout::Inch).width();
        QImage image = m_pages->pageImage(index.row(), qMax(1, qRound(thumbnailWidth / qMax(0.1, inches))));
        m_images.insert(index.row(), new QImage(image), qMax(1, int(image.sizeInBytes() >> 10)));
        return image;
    }

private:
    std::shared_ptr<const NCReportRecordedPages> m_pages;
    int m_count = 0;
    // In KiB: a few hundred thumbnails.
    mutable QCache<int, QImage> m_images{16 << 10};
};

ThumbnailModel* thumbnailModel(QListView* view)
{
    return static_cast<ThumbnailModel*>(view->model());
}

QString zoomText(qreal zoom)
{
    return QStringLiteral("%1 %").arg(qRound(zoom * 100));
}

} // namespace

NCReportPreviewWindow::NCReportPreviewWindow(QWidget* parent, Qt::WindowFlags flags)
    : QMainWindow(parent, flags)
    , m_view(new NCReportPreviewView(this))
{
    setWindowTitle(tr("Report preview"));
    setCentralWidget(m_view);
    createActions();
    createThumbnails();
    createToolBars();
    createMenus();
    createStatusBar();
    connect(m_view, &NCReportPreviewView::currentPageChanged, this, [this](int page) {
        updatePageBox();
        updateActions();
        if (m_thumbnails->model()->rowCount() > page)
            m_thumbnails->setCurrentIndex(m_thumbnails->model()->index(page, 0));
    });
    connect(m_view, &NCReportPreviewView::zoomChanged, this, [this](qreal zoom) {
        m_zoomBox->setEditText(zoomText(zoom));
        updateActions();
    });
    restoreSettings();
    pagesChanged();
}

NCReportPreviewWindow::~NCReportPreviewWindow()
{
    saveSettings();
}

QAction* NCReportPreviewWindow::action(Command command) const
{
    return m_actions[command];
}

void NCReportPreviewWindow::createActions()
{
    const auto add = [this](Command command, const QString& text, const QKeySequence& shortcut,
                            QStyle::StandardPixmap icon = QStyle::StandardPixmap(-1)) {
        auto* action = new QAction(text, this);
        if (!shortcut.isEmpty())
            action->setShortcut(shortcut);
        if (icon >= 0)
            action->setIcon(style()->standardIcon(icon));
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
        m_actions[command] = action;
        return action;
    };
    connect(add(Print, tr("Print…"), QKeySequence::Print), &QAction::triggered, this, &NCReportPreviewWindow::print);
    const struct {
        Command command;
        ExportFormat format;
        QString text;
        QKeySequence shortcut;
    } exports[] = {{ExportPdf, Pdf, tr("PDF…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E)},
                   {ExportHtml, Html, tr("HTML…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H)},
                   {ExportSvg, Svg, tr("SVG…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G)},
                   {ExportCsv, Csv, tr("CSV…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
                   {ExportXlsx, Xlsx, tr("Excel (XLSX)…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_X)}};
    for (const auto& entry : exports) {
        const ExportFormat format = entry.format;
        connect(add(entry.command, entry.text, entry.shortcut), &QAction::triggered, this,
                [this, format] { exportWithDialog(format); });
    }
    connect(add(Find, tr("Find…"), QKeySequence::Find), &QAction::triggered, this, [this] {
        m_findBar->show();
        m_findText->setFocus();
        m_findText->selectAll();
    });
    connect(add(FindNext, tr("Find next"), QKeySequence::FindNext), &QAction::triggered, this,
            &NCReportPreviewWindow::findNext);
    connect(add(FindPrevious, tr("Find previous"), QKeySequence::FindPrevious), &QAction::triggered, this,
            &NCReportPreviewWindow::findPrevious);
    connect(add(FirstPage, tr("First page"), QKeySequence(Qt::CTRL | Qt::Key_Home), QStyle::SP_MediaSkipBackward),
            &QAction::triggered, this, [this] { m_view->setCurrentPage(0); });
    connect(add(PreviousPage, tr("Previous page"), QKeySequence(Qt::CTRL | Qt::Key_PageUp), QStyle::SP_ArrowBack),
            &QAction::triggered, this, [this] { m_view->setCurrentPage(m_view->currentPage() - 1); });
    connect(add(NextPage, tr("Next page"), QKeySequence(Qt::CTRL | Qt::Key_PageDown), QStyle::SP_ArrowForward),
            &QAction::triggered, this, [this] { m_view->setCurrentPage(m_view->currentPage() + 1); });
    connect(add(LastPage, tr("Last page"), QKeySequence(Qt::CTRL | Qt::Key_End), QStyle::SP_MediaSkipForward),
            &QAction::triggered, this, [this] { m_view->setCurrentPage(m_view->pageCount() - 1); });
    connect(add(ZoomIn, tr("Zoom in"), QKeySequence::ZoomIn), &QAction::triggered, m_view, &NCReportPreviewView::zoomIn);
    connect(add(ZoomOut, tr("Zoom out"), QKeySequence::ZoomOut), &QAction::triggered, m_view,
            &NCReportPreviewView::zoomOut);
    auto* fitWidth = add(FitWidth, tr("Fit width"), QKeySequence(Qt::CTRL | Qt::Key_2));
    auto* fitPage = add(FitPage, tr("Fit page"), QKeySequence(Qt::CTRL | Qt::Key_1));
    fitWidth->setCheckable(true);
    fitPage->setCheckable(true);
    connect(fitWidth, &QAction::triggered, this, [this](bool on) {
        if (on)
            m_view->setZoomMode(NCReportPreviewView::FitWidth);
        else
            m_view->setZoom(m_view->zoom());
    });
    connect(fitPage, &QAction::triggered, this, [this](bool on) {
        if (on)
            m_view->setZoomMode(NCReportPreviewView::FitPage);
        else
            m_view->setZoom(m_view->zoom());
    });
    auto* continuous = add(Continuous, tr("Continuous"), QKeySequence(Qt::CTRL | Qt::Key_3));
    continuous->setCheckable(true);
    connect(continuous, &QAction::toggled, m_view, &NCReportPreviewView::setContinuous);
    connect(add(Close, tr("Close"), QKeySequence::Close), &QAction::triggered, this, &QWidget::close);
#ifdef NCREPORT_WITH_MAIL
    connect(add(SendMail, tr("Send by e-mail…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M)), &QAction::triggered,
            this, &NCReportPreviewWindow::sendByMail);
#endif
}

void NCReportPreviewWindow::createToolBars()
{
    auto* bar = addToolBar(tr("Preview"));
    bar->setObjectName(QStringLiteral("previewToolBar"));
    bar->addAction(m_actions[Print]);
    auto* exportButton = new QToolButton(bar);
    m_exportMenu = new QMenu(tr("Export"), this);
    for (Command command : {ExportPdf, ExportXlsx, ExportCsv, ExportHtml, ExportSvg})
        m_exportMenu->addAction(m_actions[command]);
    exportButton->setMenu(m_exportMenu);
    exportButton->setPopupMode(QToolButton::InstantPopup);
    exportButton->setText(tr("Export"));
    exportButton->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    exportButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->addWidget(exportButton);
    if (m_actions[SendMail])
        bar->addAction(m_actions[SendMail]);
    bar->addSeparator();
    bar->addAction(m_actions[FirstPage]);
    bar->addAction(m_actions[PreviousPage]);
    m_pageBox = new QSpinBox(bar);
    m_pageBox->setObjectName(QStringLiteral("pageBox"));
    m_pageBox->setKeyboardTracking(false);
    connect(m_pageBox, QOverload<int>::of(&QSpinBox::valueChanged), this, [this](int page) {
        m_view->setCurrentPage(page - 1);
    });
    bar->addWidget(m_pageBox);
    bar->addAction(m_actions[NextPage]);
    bar->addAction(m_actions[LastPage]);
    bar->addSeparator();
    bar->addAction(m_actions[ZoomOut]);
    m_zoomBox = new QComboBox(bar);
    m_zoomBox->setObjectName(QStringLiteral("zoomBox"));
    m_zoomBox->setEditable(true);
    m_zoomBox->setInsertPolicy(QComboBox::NoInsert);
    for (int percent : zoomSteps)
        m_zoomBox->addItem(QStringLiteral("%1 %").arg(percent), percent);
    connect(m_zoomBox, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
        m_view->setZoom(m_zoomBox->itemData(index).toInt() / 100.0);
    });
    connect(m_zoomBox->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        QString text = m_zoomBox->currentText();
        text.remove(QLatin1Char('%'));
        bool ok = false;
        const double percent = text.trimmed().toDouble(&ok);
        if (ok)
            m_view->setZoom(percent / 100.0);
        m_zoomBox->setEditText(zoomText(m_view->zoom()));
    });
    bar->addWidget(m_zoomBox);
    bar->addAction(m_actions[ZoomIn]);
    bar->addAction(m_actions[FitWidth]);
    bar->addAction(m_actions[FitPage]);
    bar->addAction(m_actions[Continuous]);

    m_findBar = new QToolBar(tr("Find"), this);
    m_findBar->setObjectName(QStringLiteral("findToolBar"));
    addToolBar(Qt::TopToolBarArea, m_findBar);
    m_findText = new QLineEdit(m_findBar);
    m_findText->setObjectName(QStringLiteral("findText"));
    m_findText->setPlaceholderText(tr("Find"));
    m_findText->setClearButtonEnabled(true);
    m_findText->installEventFilter(this);
    connect(m_findText, &QLineEdit::returnPressed, this, &NCReportPreviewWindow::findNext);
    m_findBar->addWidget(m_findText);
    m_findBar->addAction(m_actions[FindPrevious]);
    m_findBar->addAction(m_actions[FindNext]);
    m_findResult = new QLabel(m_findBar);
    m_findBar->addWidget(m_findResult);
    m_findBar->hide();
}

void NCReportPreviewWindow::createMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(m_actions[Print]);
    file->addMenu(m_exportMenu);
    if (m_actions[SendMail])
        file->addAction(m_actions[SendMail]);
    file->addSeparator();
    file->addAction(m_actions[Close]);
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->addAction(m_actions[Find]);
    edit->addAction(m_actions[FindNext]);
    edit->addAction(m_actions[FindPrevious]);
    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->addAction(m_actions[ZoomIn]);
    view->addAction(m_actions[ZoomOut]);
    view->addAction(m_actions[FitWidth]);
    view->addAction(m_actions[FitPage]);
    view->addSeparator();
    view->addAction(m_actions[Continuous]);
    view->addAction(m_actions[Thumbnails]);
    QMenu* go = menuBar()->addMenu(tr("&Go"));
    go->addAction(m_actions[FirstPage]);
    go->addAction(m_actions[PreviousPage]);
    go->addAction(m_actions[NextPage]);
    go->addAction(m_actions[LastPage]);
}

void NCReportPreviewWindow::createStatusBar()
{
    m_message = new QLabel(statusBar());
    m_message->setObjectName(QStringLiteral("statusMessage"));
    statusBar()->addWidget(m_message, 1);
    m_progress = new QProgressBar(statusBar());
    m_progress->setRange(0, 0);
    m_progress->setMaximumWidth(160);
    m_progress->hide();
    statusBar()->addPermanentWidget(m_progress);
    m_cancelButton = new QToolButton(statusBar());
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_cancelButton->setText(tr("Cancel"));
    m_cancelButton->hide();
    connect(m_cancelButton, &QToolButton::clicked, this, &NCReportPreviewWindow::cancel);
    statusBar()->addPermanentWidget(m_cancelButton);
}

void NCReportPreviewWindow::createThumbnails()
{
    m_thumbnailDock = new QDockWidget(tr("Thumbnails"), this);
    m_thumbnailDock->setObjectName(QStringLiteral("thumbnailDock"));
    m_thumbnails = new QListView(m_thumbnailDock);
    m_thumbnails->setModel(new ThumbnailModel(m_thumbnails));
    m_thumbnails->setViewMode(QListView::IconMode);
    m_thumbnails->setFlow(QListView::TopToBottom);
    m_thumbnails->setWrapping(false);
    m_thumbnails->setMovement(QListView::Static);
    m_thumbnails->setUniformItemSizes(true);
    m_thumbnails->setSpacing(6);
    m_thumbnails->setIconSize(QSize(thumbnailWidth, thumbnailWidth * 3 / 2));
    m_thumbnails->setMinimumWidth(thumbnailWidth + 40);
    m_thumbnails->setMaximumWidth(thumbnailWidth + 80);
    connect(m_thumbnails, &QListView::clicked, this, [this](const QModelIndex& index) {
        m_view->setCurrentPage(index.row());
    });
    m_thumbnailDock->setWidget(m_thumbnails);
    addDockWidget(Qt::LeftDockWidgetArea, m_thumbnailDock);
    // The command is the dock's own toggle.
    QAction* toggle = m_thumbnailDock->toggleViewAction();
    toggle->setShortcut(QKeySequence(Qt::Key_F4));
    toggle->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_actions[Thumbnails] = toggle;
    addAction(toggle);
}

void NCReportPreviewWindow::setRecordedPages(std::shared_ptr<const NCReportRecordedPages> pages)
{
    m_matches.clear();
    m_currentMatch = -1;
    m_view->setRecordedPages(pages);
    thumbnailModel(m_thumbnails)->setPages(std::move(pages));
    pagesChanged();
}

void NCReportPreviewWindow::pagesChanged()
{
    updatePageBox();
    updateActions();
}

void NCReportPreviewWindow::updatePageBox()
{
    // "Page 3 of 120": the number is the box's value, the words around it its prefix and suffix.
    const int count = m_view->pageCount();
    const QString text = tr("Page %1 of %2");
    const int at = text.indexOf(QLatin1String("%1"));
    const QSignalBlocker blocker(m_pageBox);
    m_pageBox->setRange(qMin(1, count), count);
    m_pageBox->setPrefix(at < 0 ? QString() : text.left(at));
    m_pageBox->setSuffix(at < 0 ? QString() : text.mid(at + 2).replace(QLatin1String("%2"), QString::number(count)));
    m_pageBox->setValue(m_view->currentPage() + 1);
}

void NCReportPreviewWindow::updateActions()
{
    const int count = m_view->pageCount();
    const int page = m_view->currentPage();
    m_actions[FirstPage]->setEnabled(page > 0);
    m_actions[PreviousPage]->setEnabled(page > 0);
    m_actions[NextPage]->setEnabled(page + 1 < count);
    m_actions[LastPage]->setEnabled(page + 1 < count);
    m_actions[Print]->setEnabled(count > 0 && !m_running);
    m_exportMenu->setEnabled(count > 0 && !m_running);
    for (QAction* action : m_exportMenu->actions())
        action->setEnabled(count > 0 && !m_running);
    m_actions[ZoomIn]->setEnabled(m_view->zoom() < NCReportPreviewView::maximumZoom);
    m_actions[ZoomOut]->setEnabled(m_view->zoom() > NCReportPreviewView::minimumZoom);
    m_actions[FitWidth]->setChecked(m_view->zoomMode() == NCReportPreviewView::FitWidth);
    m_actions[FitPage]->setChecked(m_view->zoomMode() == NCReportPreviewView::FitPage);
    m_actions[Continuous]->setChecked(m_view->isContinuous());
}

QString NCReportPreviewWindow::statusText() const
{
    return m_message->text();
}

void NCReportPreviewWindow::showError(const QString& message)
{
    m_message->setText(message);
    m_message->setStyleSheet(QStringLiteral("color: #b00020;"));
}

bool NCReportPreviewWindow::run(NCReport* report)
{
    if (m_running || !report)
        return false;
    m_running = true;
    m_cancelRequested = false;
    m_message->setStyleSheet(QString());
    m_message->setText(tr("Laying out the report…"));
    m_progress->show();
    m_cancelButton->show();
    setWindowTitle(report->reportName().isEmpty() ? tr("Report preview") : report->reportName());
    updateActions();

    NCReportRecordingOutput output;
    const QPointer<NCReportPreviewWindow> alive(this);
    output.setPageHandler([&output, alive](int pages) {
        if (!alive)
            return false;
        NCReportPreviewWindow* window = alive.data();
        if (pages == 0) {
            // A report that needs its number of pages to lay itself out counts them first.
            window->m_message->setText(tr("Counting the pages…"));
        } else {
            if (window->m_view->recordedPages() != output.pages())
                window->setRecordedPages(output.pages());
            window->m_view->pagesAdded();
            thumbnailModel(window->m_thumbnails)->pagesAdded();
            window->pagesChanged();
            window->m_message->setText(tr("Pages laid out: %1").arg(pages));
            emit window->pagesAdded(pages);
        }
        // The window stays live: it shows the pages, pages through them, and takes a Cancel.
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        return alive && !alive->m_cancelRequested;
    });
    const bool ok = report->run(&output);
    if (!alive)
        return false;
    if (m_view->recordedPages() != output.pages()) {
        setRecordedPages(output.pages());
    } else {
        // The pages shown while the run went on wait for the number of pages, known now.
        m_view->repaintPages();
        thumbnailModel(m_thumbnails)->repaintPages();
    }
    m_running = false;
    m_progress->hide();
    m_cancelButton->hide();
    if (ok)
        m_message->setText(tr("Pages: %1").arg(output.pages()->pageCount()));
    else if (output.wasCancelled())
        m_message->setText(tr("Cancelled: the pages laid out so far are shown"));
    else
        showError(report->error().toString());
    pagesChanged();
    emit runFinished(ok);
    if (m_closeAfterRun)
        close();
    return ok;
}

void NCReportPreviewWindow::cancel()
{
    if (m_running)
        m_cancelRequested = true;
}

void NCReportPreviewWindow::closeEvent(QCloseEvent* event)
{
    // A run in progress is on the stack under this window: it is cancelled and the window
    // closes when it returns.
    if (m_running) {
        m_cancelRequested = true;
        m_closeAfterRun = true;
        event->ignore();
        return;
    }
    saveSettings();
    QMainWindow::closeEvent(event);
}

bool NCReportPreviewWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_findText && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        m_findBar->hide();
        m_matches.clear();
        m_currentMatch = -1;
        m_view->setMatches({}, -1);
        m_view->setFocus();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void NCReportPreviewWindow::find(const QString& text)
{
    m_searched = text;
    const auto pages = m_view->recordedPages();
    m_matches = pages ? pages->find(text) : QVector<NCReportRecordedPages::Match>();
    if (m_findText->text() != text)
        m_findText->setText(text);
    int first = 0;
    while (first < m_matches.size() && m_matches.at(first).page < m_view->currentPage())
        ++first;
    showMatch(m_matches.isEmpty() ? -1 : first % m_matches.size());
}

void NCReportPreviewWindow::findNext()
{
    if (m_findText->text() != m_searched || m_matches.isEmpty())
        find(m_findText->text());
    else
        showMatch((m_currentMatch + 1) % m_matches.size());
}

void NCReportPreviewWindow::findPrevious()
{
    if (m_findText->text() != m_searched || m_matches.isEmpty())
        find(m_findText->text());
    else
        showMatch((m_currentMatch + m_matches.size() - 1) % m_matches.size());
}

void NCReportPreviewWindow::showMatch(int index)
{
    m_currentMatch = index;
    m_view->setMatches(m_matches, index);
    if (m_searched.isEmpty())
        m_findResult->clear();
    else if (m_matches.isEmpty())
        m_findResult->setText(tr("No matches"));
    else
        m_findResult->setText(tr("%1 of %2").arg(index + 1).arg(m_matches.size()));
}

void NCReportPreviewWindow::print()
{
    if (pageCount() == 0 || m_running)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(recordedPages()->pageLayout());
    QPrintDialog dialog(&printer, this);
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintCollateCopies
                      | QAbstractPrintDialog::PrintShowPageSize);
    dialog.setMinMax(1, pageCount());
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (printTo(&printer))
        m_message->setText(tr("Sent to the printer"));
    else
        showError(tr("The printer refused the pages"));
}

bool NCReportPreviewWindow::printTo(QPrinter* printer)
{
    const auto pages = recordedPages();
    if (!pages || pages->pageCount() == 0 || !printer)
        return false;
    int first = 0;
    int last = pages->pageCount() - 1;
    if (printer->printRange() == QPrinter::PageRange && printer->fromPage() > 0) {
        first = printer->fromPage() - 1;
        last = qMin(last, printer->toPage() - 1);
    }
    // A printer that makes copies itself gets one; otherwise the pages are sent as many times.
    const int copies = printer->supportsMultipleCopies() ? 1 : printer->copyCount();
    return pages->print(printer, first, last, copies);
}

bool NCReportPreviewWindow::exportTo(ExportFormat format, const QString& target)
{
    const auto pages = recordedPages();
    if (!pages || pages->pageCount() == 0) {
        showError(tr("There are no pages to export"));
        return false;
    }
    QString error;
    bool ok = false;
    switch (format) {
    case Pdf:
        ok = NCReportExport::writeFile(target, &error, [&pages](QIODevice& file, QString& why) {
            QPdfWriter writer(&file);
            writer.setCreator(QStringLiteral("NCReport"));
            writer.setTitle(pages->reportName());
            if (pages->print(&writer, 0, pages->pageCount() - 1))
                return true;
            why = tr("the pages cannot be painted");
            return false;
        });
        break;
    case Html:
        ok = NCReportHtmlWriter::write(*pages, target, &error);
        break;
    case Svg:
        ok = NCReportSvgWriter::write(*pages, target, &error);
        break;
    case Csv:
        ok = NCReportCsvWriter::write(*pages, target, &error);
        break;
    case Xlsx:
        ok = NCReportXlsxWriter::write(*pages, target, &error);
        break;
    }
    if (!ok) {
        showError(error);
        return false;
    }
    m_message->setStyleSheet(QString());
    m_message->setText(tr("Saved to %1").arg(target));
    return true;
}

void NCReportPreviewWindow::exportWithDialog(ExportFormat format)
{
    if (format == Svg) {
        const QString folder = QFileDialog::getExistingDirectory(this, tr("Folder for the SVG pages"));
        if (!folder.isEmpty())
            exportTo(format, folder);
        return;
    }
    const QString filters[] = {tr("PDF files (*.pdf)"), tr("HTML files (*.html)"), QString(), tr("CSV files (*.csv)"),
                               tr("Excel workbooks (*.xlsx)")};
    const QString fileName = QFileDialog::getSaveFileName(this, tr("Export"), QString(), filters[format]);
    if (!fileName.isEmpty())
        exportTo(format, fileName);
}

void NCReportPreviewWindow::restoreSettings()
{
    QSettings settings;
    settings.beginGroup(settingsGroup);
    if (isWindow())
        restoreGeometry(settings.value(QStringLiteral("geometry")).toByteArray());
    restoreState(settings.value(QStringLiteral("state")).toByteArray());
    m_findBar->hide();
    m_view->setContinuous(settings.value(QStringLiteral("continuous"), true).toBool());
    const int mode = settings.value(QStringLiteral("zoomMode"), int(NCReportPreviewView::FitWidth)).toInt();
    if (mode == NCReportPreviewView::FixedZoom)
        m_view->setZoom(settings.value(QStringLiteral("zoom"), 1.0).toDouble());
    else
        m_view->setZoomMode(mode == NCReportPreviewView::FitPage ? NCReportPreviewView::FitPage
                                                                 : NCReportPreviewView::FitWidth);
    m_zoomBox->setEditText(zoomText(m_view->zoom()));
}

void NCReportPreviewWindow::saveSettings() const
{
    QSettings settings;
    settings.beginGroup(settingsGroup);
    if (isWindow())
        settings.setValue(QStringLiteral("geometry"), saveGeometry());
    settings.setValue(QStringLiteral("state"), saveState());
    settings.setValue(QStringLiteral("continuous"), m_view->isContinuous());
    settings.setValue(QStringLiteral("zoomMode"), int(m_view->zoomMode()));
    settings.setValue(QStringLiteral("zoom"), m_view->zoom());
}

void NCReportPreviewWindow::sendByMail()
{
#ifdef NCREPORT_WITH_MAIL
    // The pages as recorded, written in the chosen format: the report does not run again.
    using Format = NCReportMailMessage::ReportFormat;
    NCRDMailDialog::sendAttachment(this, windowTitle(), [this](NCReportMailMessage& message, Format format,
                                                               NCReportError* error) {
        ExportFormat exportFormat = Pdf;
        switch (format) {
        case Format::Pdf:
            break;
        case Format::Html:
            exportFormat = Html;
            break;
        case Format::Csv:
            exportFormat = Csv;
            break;
        case Format::Xlsx:
            exportFormat = Xlsx;
            break;
        }
        const auto pages = recordedPages();
        const QString name = pages && !pages->reportName().isEmpty() ? pages->reportName() : QStringLiteral("report");
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("report.") + NCReportMailMessage::suffix(format));
        QFile file(path);
        if (!folder.isValid() || !exportTo(exportFormat, path) || !file.open(QIODevice::ReadOnly)) {
            if (error)
                *error = NCReportError{QString(), 0, statusText()};
            return false;
        }
        message.addAttachment(name + QLatin1Char('.') + NCReportMailMessage::suffix(format), file.readAll(),
                              NCReportMailMessage::mimeType(format));
        return true;
    });
#endif
}
