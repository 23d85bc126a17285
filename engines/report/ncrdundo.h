#pragma once

#include "ncreport_global.h"

#include <QDomDocument>
#include <QUndoCommand>
#include <QVector>

class NCRDDocument;

/*!
    One attribute of one element of a report. The element is named by its path (the index of
    each element among its parent's child elements, from the root down), not held: undoing a
    structural edit puts back a copy of the whole document, and a path still finds the element
    in that copy where a held node would point into the discarded one.
*/
struct NCREPORT_EXPORT NCRDAttributeChange {
    QVector<int> path;
    // The element as last found, used while it still belongs to the document's current DOM.
    QDomElement element;
    QString name;
    // A null value stands for an absent attribute.
    QString before;
    QString after;
};

/*!
    Changes attributes of elements in place. Geometry-only commands (positions, sizes and section
    heights) leave the report to be read again when it is next needed, so that dragging a
    selection over a large page costs no more than moving its items.
*/
class NCREPORT_EXPORT NCRDAttributeCommand : public QUndoCommand
{
public:
    // `document` owns the undo stack and so outlives the command.
    NCRDAttributeCommand(NCRDDocument* document, const QString& text, const QVector<NCRDAttributeChange>& changes,
                         bool geometryOnly);

    void undo() override;
    void redo() override;

private:
    NCRDDocument* m_document;
    QVector<NCRDAttributeChange> m_changes;
    bool m_geometryOnly;
};

/*!
    A structural edit (items added, removed or moved between sections, a dialog's changes) as
    the whole document before and after it. Pushed once the edit is done: the first redo does
    nothing.
*/
class NCREPORT_EXPORT NCRDSnapshotCommand : public QUndoCommand
{
public:
    // Commands with the same non-empty `mergeKey` pushed in a row are one step (a property typed
    // a character at a time).
    NCRDSnapshotCommand(NCRDDocument* document, const QString& text, const QDomDocument& before,
                        const QDomDocument& after, const QString& mergeKey = QString());

    int id() const override { return m_mergeKey.isEmpty() ? -1 : 1; }
    bool mergeWith(const QUndoCommand* other) override;
    void undo() override;
    void redo() override;

private:
    NCRDDocument* m_document;
    QString m_mergeKey;
    QDomDocument m_before;
    QDomDocument m_after;
    bool m_pushed = true;
};
