#pragma once

#include "ncreportcustomdsprovider.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class NCRDDataPanel;
class NCRDDocument;
class NCRDPropertyPanel;
class NCReportPreviewWindow;
class NCReportDef;
class QMdiArea;
class QMdiSubWindow;
class QPrinter;
class QUndoGroup;

/*!
    The report designer: a document area of report files, each in its own window, with the
    commands to open, save, print and close them.

    The window's own definition holds what every document shares: the item models the host
    registers (addItemModel) and the zint folder. A document is given the registered models
    when it opens and again before it prints, and reads its report with the window's data-source
    provider.

    Closing the window closes every document first (each may ask to save); when one stays open
    the window does too. aboutToClose() tells that the window is closing.
*/
class NCREPORT_EXPORT NCRDMainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit NCRDMainWindow(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~NCRDMainWindow() override;

    NCReportDef* reportDef() const { return m_def.get(); }
    // The provider of the documents opened from now on; not owned, null for the engine's own.
    void setCustomDataSourceProvider(NCReportCustomDSProvider* provider) { m_provider = provider; }
    NCReportCustomDSProvider* customDataSourceProvider() const { return m_provider; }
    QMdiArea* mdiArea() const { return m_mdiArea; }
    // The document of the current window, null when none is open.
    NCRDDocument* activeDocument() const;
    QList<NCRDDocument*> documents() const;

    // Opens the file in a new document window; null (and a message) when it cannot be read.
    NCRDDocument* openReportFile(const QString& fileName);
    // Prints the current document on printer(), without asking. With no printer installed the
    // document is written as a PDF beside its file instead, and the status bar says where.
    bool printReport();
    // Runs the current document as it is edited, with the registered models, into a new preview
    // window (a top-level window over this one, deleted when it is closed), and returns when
    // the pages are laid out; false when the run fails or is cancelled (the preview window says
    // why too).
    bool previewReport();
    // The window of the last previewReport(), null once it is closed.
    NCReportPreviewWindow* previewWindow() const;
    // The PDF the last printReport() wrote; empty when it printed on a printer.
    QString pdfFileName() const { return m_pdfFileName; }
    // Where printReport() prints; the print command sets it up through the print dialog.
    QPrinter* printer();

    QString errorString() const { return m_errorString; }
    // The undo stacks of the documents; the current document's is the active one.
    QUndoGroup* undoGroup() const { return m_undoGroup; }
    // The docks beside the documents, showing the current one's data and properties.
    NCRDDataPanel* dataPanel() const { return m_dataPanel; }
    NCRDPropertyPanel* propertyPanel() const { return m_propertyPanel; }

Q_SIGNALS:
    void aboutToClose();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createActions();
    void createEditActions();
    void createDocks();
    void showDocument(NCRDDocument* document);
    // The PDF beside the document's file: the report's name with ".pdf".
    QString pdfBeside(const NCRDDocument* document) const;
    void open();
    void save();
    void saveAs();
    void print();
    void preview();
    void sendByMail();
    void bindItemModels(NCRDDocument* document) const;
    bool printBeside(NCRDDocument* document);
    void showError();

    std::unique_ptr<NCReportDef> m_def;
    std::unique_ptr<QPrinter> m_printer;
    QUndoGroup* m_undoGroup;
    NCRDDataPanel* m_dataPanel;
    NCRDPropertyPanel* m_propertyPanel;
    QPointer<NCReportCustomDSProvider> m_provider;
    QMdiArea* m_mdiArea;
    QPointer<QMdiSubWindow> m_currentWindow;
    QPointer<NCReportPreviewWindow> m_previewWindow;
    QString m_errorString;
    QString m_pdfFileName;
};
