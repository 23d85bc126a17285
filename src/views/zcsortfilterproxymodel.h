#pragma once

#include "mirokit_global.h"

#include <QPersistentModelIndex>
#include <QSortFilterProxyModel>
#include <QVector>

#include <memory>

class ZCFilterTextCache;

/*!
    A sort/filter proxy that can search the text of all columns of a row at once, compare
    accent-insensitively (accents and the tilde are removed from the row text and the pattern,
    so "jose" finds "José" and the reverse) and hide source columns.

    It remembers the source index (column 0) of the first row it accepted since the pattern was
    last set; the index follows the row while it lives and turns invalid when the row goes away.

    Filtering on all columns keeps the text of each top-level row it had to read in full (the
    cells joined, accents removed), so that the next pattern, typed a key later, reads none of its
    cells: at most 128 MiB of text, one byte a character, plus eight bytes a row. A row's text is dropped when its data
    changes, and every text when rows or columns come, go or move, the layout changes, the model
    is reset or replaced, or the all-columns or normalisation setting changes.
*/
class MIROKIT_EXPORT ZCSortFilterProxyModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit ZCSortFilterProxyModel(QObject* parent = nullptr);
    ~ZCSortFilterProxyModel() override;

    bool GetFiltrarAllCols() const { return m_filtrarAllCols; }
    void SetFiltrarAllCols(bool filtrar);
    bool GetNormalizado() const { return m_normalizado; }
    void SetNormalizado(bool normalizado);

    void SetVisibilidadColumna(int column, bool visible);
    void LimpiaVisibilidadColumnas();

    const QModelIndex& GetPrimerIndexEncontrado() const;

    void setSourceModel(QAbstractItemModel* model) override;

    // Text in Unicode form D without its non-spacing marks; text that holds nothing such a
    // conversion could change is returned as it is, without a copy.
    static QString normalizeText(const QString& text);

public slots:
    void setFilterRegularExpression(QString szPattern);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool filterAcceptsColumn(int sourceColumn, const QModelIndex& sourceParent) const override;

private:
    bool rowMatches(int sourceRow, const QModelIndex& sourceParent) const;
    bool keyColumnsMatch(int sourceRow, const QModelIndex& sourceParent,
                         const QRegularExpression& expression) const;
    bool allColumnsMatch(int sourceRow, const QModelIndex& sourceParent,
                         const QRegularExpression& expression) const;
    bool textMatches(const QString& text, const QRegularExpression& expression) const;
    void watchForStaleTexts(QAbstractItemModel* model);
    void dropTexts();
    enum class PatternKind { PlainText, CellLocal, Spanning };
    PatternKind kindOf(const QString& pattern) const;
    // A part of a text that an expression matches in place: Qt 5 matches string references,
    // Qt 6 string views.
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    using TextSpan = QStringRef;
#else
    using TextSpan = QStringView;
#endif
    static TextSpan spanOf(const QString& text, int from = 0);
    static bool matches(TextSpan text, const QRegularExpression& expression, PatternKind kind);
    static void normalizeInPlace(QString& text, int from = 0);

    bool m_filtrarAllCols = false;
    bool m_normalizado = false;
    QVector<int> m_columnasOcultas;
    mutable QPersistentModelIndex m_primerIndex;
    mutable QModelIndex m_primerIndexActual;
    QString m_patron;
    // The kind of the last pattern seen while filtering (see kindOf()).
    mutable QString m_checkedPattern;
    mutable PatternKind m_checkedPatternKind = PatternKind::Spanning;
    mutable QString m_rowText;
    // Whether the last row matched on all columns: the next one is likely to match alike.
    mutable bool m_lastAccepted = false;
    std::unique_ptr<ZCFilterTextCache> m_texts;
    QVector<QMetaObject::Connection> m_textWatch;
};
