#include "ncrdundo.h"

#include "ncrddocument.h"

NCRDAttributeCommand::NCRDAttributeCommand(NCRDDocument* document, const QString& text,
                                           const QVector<NCRDAttributeChange>& changes, bool geometryOnly)
    : QUndoCommand(text)
    , m_document(document)
    , m_changes(changes)
    , m_geometryOnly(geometryOnly)
{
}

void NCRDAttributeCommand::undo()
{
    m_document->applyAttributes(m_changes, false, m_geometryOnly);
}

void NCRDAttributeCommand::redo()
{
    m_document->applyAttributes(m_changes, true, m_geometryOnly);
}

NCRDSnapshotCommand::NCRDSnapshotCommand(NCRDDocument* document, const QString& text, const QDomDocument& before,
                                         const QDomDocument& after, const QString& mergeKey)
    : QUndoCommand(text)
    , m_document(document)
    , m_mergeKey(mergeKey)
    , m_before(before)
    , m_after(after)
{
}

void NCRDSnapshotCommand::undo()
{
    m_document->restoreXml(m_before);
}

void NCRDSnapshotCommand::redo()
{
    // The document already is what the edit made of it when the command is pushed.
    if (m_pushed) {
        m_pushed = false;
        return;
    }
    m_document->restoreXml(m_after);
}

bool NCRDSnapshotCommand::mergeWith(const QUndoCommand* other)
{
    const auto* next = static_cast<const NCRDSnapshotCommand*>(other);
    if (next->m_mergeKey != m_mergeKey)
        return false;
    m_after = next->m_after;
    return true;
}
