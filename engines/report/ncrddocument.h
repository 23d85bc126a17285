#pragma once

#include "ncreport.h"
#include "ncreporterror.h"

#include <QDomDocument>
#include <QHash>
#include <QPair>
#include <QPointer>
#include <QRectF>
#include <QVector>
#include <QWidget>

class NCRDCanvas;
class NCRDCanvasView;
struct NCRDAttributeChange;
class QAction;
class QLayout;
class QMenu;
class QUndoStack;
class QPrinter;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

/*!
    One report file open in the designer. The document is the report's XML, kept as a DOM so
    that saving gives back every element and attribute it was read with; the report (the
    definition with its data sources) is read again from the DOM after every edit (after moves
    and resizes, when it is next asked for), and is what prints.

    The canvas (NCRDCanvasView over NCRDCanvas) shows the page with its bands and items as they
    print, where they are selected, moved, resized and drawn. Every change, on the canvas, in the
    outline or through a dialog, is a step of the document's undo stack, and the document is
    modified while the stack is away from the state last saved.

    The outline lists the report's sections and their items; an item's text (a label's text, a
    field's or barcode's expression, an image's file) is edited in place. The section editor
    works on the current row: it adds items to a section, groups to a detail, details and the
    page header and footer to the report, removes and reorders them, and opens the property
    dialog of the row's item or section (also on a double click): NCRDFieldPropDialog,
    NCRDTextPropDialog (labels), NCRDImagePropDialog, NCRDBarcodePropDialog, NCRDGraphPropDialog
    (lines and rectangles), NCRDDetailDialog, NCRDGroupDialog and, for the other sections,
    NCRDSectionDialog. An edit the engine cannot read is undone.

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

    // Where the report's data sources (and its evaluator) come from; the report is read again
    // with it. Not owned; null gives the engine's own.
    void setCustomDataSourceProvider(NCReportCustomDSProvider* provider);

    // The report read from the current XML; null before a file was opened.
    NCReport* report() const;
    NCReportDef* reportDef() const;
    // A report of its own read from the document as it is now, with the document's provider,
    // item models and zint folder: for a run that goes on while the document is edited (and its
    // report read again). Null before a file was opened.
    std::unique_ptr<NCReport> reportCopy() const;
    // Replaces the XML (from the designer's dialogs); false, and nothing changed, when the
    // engine cannot read it.
    bool setXml(const QDomDocument& xml);
    const QDomDocument& xml() const { return m_xml; }

    bool print(QPrinter* printer);

    // Opens the data source dialog (NCRDDataSourceDialog) on the report; true when it changed.
    bool editDataSources();
    // Opens the variable dialog (NCRDVariableDialog); true when it changed the report.
    bool editVariables();

    // The element of the current row of the section tree; null when there is none.
    QDomElement currentElement() const;
    // Makes the row of `element` current; false when the tree does not show it.
    bool setCurrentElement(const QDomElement& element);
    // Opens the property dialog of the current row; true when it changed the report.
    bool editProperties();
    // Adds an item ("label", "field", "image", "barcode", "line" or "rectangle") after the current
    // item, or at the end of the current section, and makes it current.
    bool addItem(const QString& tag);
    // Adds a group inside the groups of the current detail (constant expression "%CONST", so
    // one group holds every row until it is given another), and makes it current.
    bool addGroup();
    // Adds a detail over the first data source after the last one, and makes it current.
    bool addDetail();
    // Adds the page or report header or footer ("pageHeader", "pageFooter", "reportHeader",
    // "reportFooter") to a report that has none.
    bool addPageSection(const QString& tag);
    // Adds (with a height of 6 mm) or removes the "header" or "footer" of a group; false when
    // it already is as asked.
    bool setGroupSection(const QDomElement& group, const QString& tag, bool present);
    bool removeCurrent();
    // Moves the current item or section one place up (-1) or down (1) among its kind.
    bool moveCurrent(int step);

    bool isModified() const { return isWindowModified(); }
    // False also marks the undo stack's current state as the saved one.
    void setModified(bool modified);

    NCRDCanvas* canvas() const { return m_canvas; }
    NCRDCanvasView* canvasView() const { return m_view; }
    QUndoStack* undoStack() const { return m_undoStack; }
    // A command of the document by its object name ("actionAddSection", "actionCut", ...); null
    // when it has none of that name.
    QAction* action(const QString& name) const { return m_actions.value(name); }

    // Edits from the canvas, each one step of the undo stack. Geometries are in millimetres in
    // the item's section (see NCRDCanvasItem).
    void setItemGeometries(const QVector<QPair<QDomElement, QRectF>>& geometries, const QString& text);
    void setSectionHeight(const QDomElement& section, qreal height);
    // Moves the items into `section`, at the geometries given there.
    bool moveItemsToSection(const QVector<QPair<QDomElement, QRectF>>& items, const QDomElement& section);
    // Adds an item ("label", "field", ...) to `section` and selects it.
    bool addItemAt(const QString& tag, const QDomElement& section, const QRectF& geometry,
                   const QString& text = QString());
    bool removeSelection();
    // Brings the selected items in front of the others of their sections, or sends them behind.
    bool raiseSelection(bool toFront);
    void copySelection();
    bool cutSelection();
    // Pastes items copied from a report into the section of the selection (or the first band).
    bool paste();
    // Where pasted items and fields added from the keyboard go: the section of the selection,
    // else the outline's current section (or its item's), else the first band.
    QDomElement insertionSection() const;
    // Copies of the selected items a grid step to the right and down.
    bool duplicateSelection();
    // Opens the property dialog of an item or a section.
    bool editElementProperties(const QDomElement& element);
    // The canvas's context menu: the commands on the selection, or, with nothing selected, on
    // the band of `section` (which becomes the outline's current row): paste, add an item or a
    // section (a group to the band's detail), remove the section, its properties.
    std::unique_ptr<QMenu> createCanvasMenu(const QDomElement& section);
    // Sets an attribute ("#text": the element's text) of every element, or removes it when
    // `value` is empty; false, and nothing changed, when the engine cannot read the result.
    // Edits of the same attribute of the same elements in a row are one step of the stack.
    bool setElementAttribute(const QList<QDomElement>& elements, const QString& attribute, const QString& value);
    // Fields printing `references` ("$D{ventas.importe}", ...) side by side from `at` in
    // `section`; with `withLabels`, a label with each column's name above it, at the same x, in
    // the page header (in the group's header for a group footer).
    bool addFieldsAt(const QStringList& references, const QDomElement& section, const QPointF& at, bool withLabels);

    // Where an element is: its index among its parent's child elements, from the root down.
    static QVector<int> elementPath(const QDomElement& element);
    // The paths of `elements`, with one walk of the children of each parent rather than one of
    // the siblings of each element: faster for elements of the same parent, in document order.
    static QVector<QVector<int>> elementPaths(const QList<QDomElement>& elements);
    QDomElement elementAt(const QVector<int>& path) const;

    QString errorString() const { return m_errorString; }

Q_SIGNALS:
    void modificationChanged(bool modified);
    // The outline's current row changed.
    void currentElementChanged();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    friend class NCRDAttributeCommand;
    friend class NCRDSnapshotCommand;

    // What the undo commands do: attributes set to their values before or after the change;
    // the whole document put back.
    void applyAttributes(QVector<NCRDAttributeChange>& changes, bool after, bool geometryOnly);
    void restoreXml(const QDomDocument& xml);
    // Records the edit from `before` to the document as it is now on the undo stack.
    void pushSnapshot(const QString& text, const QDomDocument& before, const QString& mergeKey = QString());
    QDomDocument snapshot() const { return m_xml.cloneNode(true).toDocument(); }
    // Shows the document in the outline and on the canvas again.
    void refreshViews();
    // Adds the page's tool bar to `layout`; returns the view's (zoom and grid), for below the page.
    QToolBar* createCanvasActions(QLayout* layout);
    void syncSelectionFromCanvas();
    void syncSelectionFromTree();
    bool insertItems(const QList<QDomElement>& items, QDomElement section, const QPointF& offset, const QString& text);
    // A report with the document's provider and item models, given nothing to read yet.
    std::unique_ptr<NCReport> newReport() const;
    // `source`, when given, is the file `xml` was read from.
    bool load(const QDomDocument& xml, const QString& fileName, const QByteArray& source = QByteArray());
    // Reads the report from `xml`; `source`, the same as text, gives the line of an error. The
    // document's report is kept when the engine refuses it.
    bool readReport(const QDomDocument& xml, const QString& fileName, const QByteArray& source = QByteArray());
    bool fail(const NCReportError& error);
    void fillTree();
    QList<QTreeWidgetItem*> outlineRows(const QDomElement& parent);
    void itemTextEdited(QTreeWidgetItem* row, int column);
    void createToolBar(QLayout* layout);
    void updateActions();
    // Re-reads the report after the section editor changed the XML, or puts `before` (a copy
    // of the whole document) back when the engine refuses it. Then shows `current`.
    bool applyStructureEdit(const QDomDocument& before, const QDomElement& current, const QString& text);
    QString uniqueId(const QString& tag, const QString& stem) const;
    void setElementText(QDomElement& element, const QString& text);
    // Asks whether to save a modified document; false when the user cancels.
    bool maybeSave();
    void updateTitle();
    // After a dialog edited `element` in place: re-reads the report, or puts back `before` when
    // the engine refuses the edit. False then.
    bool applyEdit(QDomElement& element, const QDomNode& before);
    // Runs `dialog` on the report's element `tag`, which the dialog edits in place; `text` names
    // the step on the undo stack.
    template<class Dialog>
    bool editElement(const QString& tag, const QString& text);

    QString m_fileName;
    QDomDocument m_xml;
    // Read again on demand after edits of lengths only; see reportDef().
    mutable std::unique_ptr<NCReport> m_report;
    mutable bool m_reportStale = false;
    QUndoStack* m_undoStack;
    NCRDCanvas* m_canvas;
    NCRDCanvasView* m_view;
    bool m_syncingSelection = false;
    QPointer<NCReportCustomDSProvider> m_provider;
    QString m_errorString;
    QTreeWidget* m_tree;
    QHash<QString, QAction*> m_actions;
};
