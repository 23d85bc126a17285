#pragma once

#include "ncreport.h"
#include "ncreporterror.h"

#include <QDomDocument>
#include <QHash>
#include <QWidget>

class QPrinter;
class QTreeWidget;
class QTreeWidgetItem;

/*!
    One report file open in the designer. The document is the report's XML, kept as a DOM so
    that saving gives back every element and attribute it was read with; the report (the
    definition with its data sources) is read again from the DOM after every edit, and is what
    prints.

    The view lists the report's sections and their items; an item's text (a label's text, a
    field's or barcode's expression, an image's file) is edited in place.

    Closing a modified document asks whether to save it; Cancel keeps it open.
*/
class NCREPORT_EXPORT NCRDDocument : public QWidget
{
    Q_OBJECT

public:
    explicit NCRDDocument(QWidget* parent = nullptr);
    ~NCRDDocument() override;

    // Reads the file; on failure the document stays as it was and errorString() says why.
    bool openFile(const QString& fileName);
    QString fileName() const { return m_fileName; }
    // Writes the XML to the file it came from, or to `fileName` from then on.
    bool save();
    bool saveAs(const QString& fileName);

    // The report read from the current XML; null before a file was opened.
    NCReport* report() const { return m_report.get(); }
    NCReportDef* reportDef() const;
    // Replaces the XML (from the designer's dialogs); false, and nothing changed, when the
    // engine cannot read it.
    bool setXml(const QDomDocument& xml);
    const QDomDocument& xml() const { return m_xml; }

    bool print(QPrinter* printer);

    // Opens the data source dialog (NCRDDataSourceDialog) on the report; true when it changed.
    bool editDataSources();
    // Opens the variable dialog (NCRDVariableDialog); true when it changed the report.
    bool editVariables();

    bool isModified() const { return isWindowModified(); }
    void setModified(bool modified);

    QString errorString() const { return m_errorString; }

Q_SIGNALS:
    void modificationChanged(bool modified);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool load(const QDomDocument& xml, const QString& fileName);
    // Reads the report from `xml`; the document's report is kept when the engine refuses it.
    bool readReport(const QDomDocument& xml, const QString& fileName);
    bool fail(const NCReportError& error);
    void fillTree();
    void itemTextEdited(QTreeWidgetItem* row, int column);
    // Opens the property dialog of the row's field, image or barcode.
    void editItemProperties(QTreeWidgetItem* row);
    void setElementText(QDomElement& element, const QString& text);
    // Asks whether to save a modified document; false when the user cancels.
    bool maybeSave();
    void updateTitle();
    // After a dialog edited `element` in place: re-reads the report, or puts back `before` when
    // the engine refuses the edit. False then.
    bool applyEdit(QDomElement& element, const QDomNode& before);
    // Runs `dialog` on the report's element `tag`, which the dialog edits in place.
    template<class Dialog>
    bool editElement(const QString& tag);

    QString m_fileName;
    QDomDocument m_xml;
    std::unique_ptr<NCReport> m_report;
    QString m_errorString;
    QTreeWidget* m_tree;
    QHash<const QTreeWidgetItem*, QDomElement> m_elements;
};
