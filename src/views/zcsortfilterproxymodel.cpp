#include "zcsortfilterproxymodel.h"

#include "zcfiltertextcache_p.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

QString decomposeWithoutMarks(const QString& text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString result;
    result.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            result.append(c);
    }
    return result;
}

// Letters U+00C0..U+00FF decompose to one base letter and one mark; most text needs nothing
// else, so they are mapped through a table instead of running the full normalisation.
constexpr ushort firstLatin1Letter = 0xC0;

const std::array<QChar, 0x40>& latin1Letters()
{
    static const std::array<QChar, 0x40> table = [] {
        std::array<QChar, 0x40> letters;
        for (ushort code = firstLatin1Letter; code <= 0xFF; ++code) {
            const QString base = decomposeWithoutMarks(QString(QChar(code)));
            letters[code - firstLatin1Letter] = base.size() == 1 ? base.at(0) : QChar(code);
        }
        return letters;
    }();
    return table;
}

} // namespace

ZCSortFilterProxyModel::ZCSortFilterProxyModel(QObject* parent)
    : QSortFilterProxyModel(parent)
    , m_texts(new ZCFilterTextCache)
{
}

ZCSortFilterProxyModel::~ZCSortFilterProxyModel() = default;

QString ZCSortFilterProxyModel::normalizeText(const QString& text)
{
    QString result = text;
    normalizeInPlace(result);
    return result;
}

void ZCSortFilterProxyModel::normalizeInPlace(QString& text, int from)
{
    // Below U+00C0 nothing has a canonical decomposition and nothing is a non-spacing mark, so
    // such text is left untouched (and unshared copies are not detached).
    const auto* const begin = reinterpret_cast<const ushort*>(text.constData());
    const auto* const end = begin + text.size();
    const ushort* first = std::find_if(begin + from, end, [](ushort c) { return c >= firstLatin1Letter; });
    if (first == end)
        return;
    if (std::any_of(first, end, [](ushort c) { return c > 0xFF; })) {
        text = text.left(from) + decomposeWithoutMarks(text.mid(from));
        return;
    }
    const std::array<QChar, 0x40>& letters = latin1Letters();
    const int offset = int(first - begin);   // taken before data() may detach
    QChar* c = text.data() + offset;
    for (QChar* const stop = c + (text.size() - offset); c != stop; ++c) {
        if (c->unicode() >= firstLatin1Letter)
            *c = letters[c->unicode() - firstLatin1Letter];
    }
}

void ZCSortFilterProxyModel::SetFiltrarAllCols(bool filtrar)
{
    if (m_filtrarAllCols == filtrar)
        return;
    m_filtrarAllCols = filtrar;
    invalidateFilter();
}

void ZCSortFilterProxyModel::SetNormalizado(bool normalizado)
{
    if (m_normalizado == normalizado)
        return;
    m_normalizado = normalizado;
    dropTexts();
    // The stored expression was built from the pattern as it was then; build it again.
    if (!m_patron.isEmpty())
        setFilterRegularExpression(m_patron);
}

void ZCSortFilterProxyModel::SetVisibilidadColumna(int column, bool visible)
{
    const int before = m_columnasOcultas.size();
    if (visible)
        m_columnasOcultas.removeAll(column);
    else
        m_columnasOcultas.append(column);
    if (m_columnasOcultas.size() != before)
        invalidateFilter();
}

void ZCSortFilterProxyModel::LimpiaVisibilidadColumnas()
{
    if (m_columnasOcultas.isEmpty())
        return;
    m_columnasOcultas.clear();
    invalidateFilter();
}

// Qt 6's persistent index converts to a new index, not to a reference into itself: the reference
// handed out is to a copy kept here, taken at each call.
const QModelIndex& ZCSortFilterProxyModel::GetPrimerIndexEncontrado() const
{
    m_primerIndexActual = m_primerIndex;
    return m_primerIndexActual;
}

void ZCSortFilterProxyModel::setSourceModel(QAbstractItemModel* model)
{
    m_primerIndex = QPersistentModelIndex();
    watchForStaleTexts(model);
    QSortFilterProxyModel::setSourceModel(model);
}

// Connected before the base class connects its own handlers, which filter the changed rows
// again: the stale texts are gone by then.
void ZCSortFilterProxyModel::watchForStaleTexts(QAbstractItemModel* model)
{
    for (const QMetaObject::Connection& connection : qAsConst(m_textWatch))
        disconnect(connection);
    m_textWatch.clear();
    dropTexts();
    if (!model)
        return;
    const auto drop = [this] { dropTexts(); };
    m_textWatch = {
        connect(model, &QAbstractItemModel::dataChanged, this,
                [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                    if (!topLeft.parent().isValid())
                        m_texts->forget(topLeft.row(), bottomRight.row());
                }),
        connect(model, &QAbstractItemModel::rowsAboutToBeInserted, this, drop),
        connect(model, &QAbstractItemModel::rowsInserted, this, drop),
        connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this, drop),
        connect(model, &QAbstractItemModel::rowsRemoved, this, drop),
        connect(model, &QAbstractItemModel::rowsAboutToBeMoved, this, drop),
        connect(model, &QAbstractItemModel::rowsMoved, this, drop),
        connect(model, &QAbstractItemModel::columnsInserted, this, drop),
        connect(model, &QAbstractItemModel::columnsRemoved, this, drop),
        connect(model, &QAbstractItemModel::columnsMoved, this, drop),
        connect(model, &QAbstractItemModel::layoutAboutToBeChanged, this, drop),
        connect(model, &QAbstractItemModel::layoutChanged, this, drop),
        connect(model, &QAbstractItemModel::modelAboutToBeReset, this, drop),
        connect(model, &QAbstractItemModel::modelReset, this, drop),
        connect(model, &QObject::destroyed, this, drop),
    };
}

void ZCSortFilterProxyModel::dropTexts()
{
    m_texts->clear();
}

void ZCSortFilterProxyModel::setFilterRegularExpression(QString szPattern)
{
    m_primerIndex = QPersistentModelIndex();
    m_patron = szPattern;
    const QString pattern = m_normalizado ? normalizeText(szPattern) : szPattern;
    const QRegularExpression::PatternOptions options = filterCaseSensitivity() == Qt::CaseInsensitive
        ? QRegularExpression::CaseInsensitiveOption
        : QRegularExpression::NoPatternOption;
    QSortFilterProxyModel::setFilterRegularExpression(QRegularExpression(pattern, options));
    // Filtering is lazy; mapping the top level now makes the first found row known as soon as
    // the pattern is set, not only once a view asks for rows.
    if (sourceModel())
        rowCount();
}

bool ZCSortFilterProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    const bool accepted = rowMatches(sourceRow, sourceParent);
    if (accepted && !m_primerIndex.isValid())
        m_primerIndex = sourceModel()->index(sourceRow, 0, sourceParent);
    return accepted;
}

bool ZCSortFilterProxyModel::filterAcceptsColumn(int sourceColumn, const QModelIndex& sourceParent) const
{
    if (m_columnasOcultas.contains(sourceColumn))
        return false;
    return QSortFilterProxyModel::filterAcceptsColumn(sourceColumn, sourceParent);
}

bool ZCSortFilterProxyModel::rowMatches(int sourceRow, const QModelIndex& sourceParent) const
{
    const QRegularExpression expression = filterRegularExpression();
    if (expression.pattern().isEmpty())
        return true;
    // Removing accents can break a pattern (a class holding only U+0301 becomes "[]"); such a
    // pattern matches nothing rather than warning once per row.
    if (!expression.isValid())
        return false;
    if (m_filtrarAllCols)
        return allColumnsMatch(sourceRow, sourceParent, expression);
    if (m_normalizado)
        return keyColumnsMatch(sourceRow, sourceParent, expression);
    return QSortFilterProxyModel::filterAcceptsRow(sourceRow, sourceParent);
}

// The base class's key-column filtering, with the cell text normalised like the pattern.
bool ZCSortFilterProxyModel::keyColumnsMatch(int sourceRow, const QModelIndex& sourceParent,
                                             const QRegularExpression& expression) const
{
    const QAbstractItemModel* model = sourceModel();
    const int key = filterKeyColumn();
    if (key >= 0) {
        const QModelIndex cell = model->index(sourceRow, key, sourceParent);
        // As in the base class, a key column that does not exist filters nothing out.
        if (!cell.isValid())
            return true;
        return textMatches(cell.data(filterRole()).toString(), expression);
    }
    const int columns = model->columnCount(sourceParent);
    for (int column = 0; column < columns; ++column) {
        const QModelIndex cell = model->index(sourceRow, column, sourceParent);
        if (textMatches(cell.data(filterRole()).toString(), expression))
            return true;
    }
    return false;
}

// One text per row: the non-empty cells joined by single tabs, so a pattern may span two
// neighbouring cells whatever empty cells lie between them. The top-level column count is used
// at every depth. A top-level row's text is kept for the next pattern.
bool ZCSortFilterProxyModel::allColumnsMatch(int sourceRow, const QModelIndex& sourceParent,
                                             const QRegularExpression& expression) const
{
    const PatternKind kind = kindOf(expression.pattern());
    const bool topLevel = !sourceParent.isValid();
    if (topLevel && m_texts->find(sourceRow, m_rowText))
        return matches(spanOf(m_rowText), expression, kind);
    // A match inside one cell is a match of the joined text unless the pattern looks at where the
    // text starts or ends or around itself; plain text cannot span the tab between cells either.
    // So cells are tried as they are read while a match among the first ones is likely: always
    // for plain text, which is cheap to search, and for an expression while the previous row
    // matched. An expression that matches rarely is cheaper matched once, against the whole row.
    const bool cellByCell = kind == PatternKind::PlainText || (kind == PatternKind::CellLocal && m_lastAccepted);
    const QAbstractItemModel* model = sourceModel();
    const int columns = model->columnCount(QModelIndex());
    // One buffer for every row keeps its capacity: no allocation per row.
    QString& text = m_rowText;
    text.resize(0);
    for (int column = 0; column < columns; ++column) {
        const QString cell = model->index(sourceRow, column, sourceParent).data().toString();
        if (cell.isEmpty())
            continue;
        if (!text.isEmpty())
            text += QLatin1Char('\t');
        const int start = text.size();
        text += cell;
        if (m_normalizado)
            normalizeInPlace(text, start);
        if (cellByCell && matches(spanOf(text, start), expression, kind)) {
            m_lastAccepted = true;
            return true;
        }
    }
    if (topLevel)
        m_texts->keep(sourceRow, text);
    m_lastAccepted = kind != PatternKind::PlainText && matches(spanOf(text), expression, kind);
    return m_lastAccepted;
}

// Plain text is searched for as text, without the cost of a match of the expression (several
// times a search of a short text): the same rows are found, with case folded as the expression
// folds it.
ZCSortFilterProxyModel::TextSpan ZCSortFilterProxyModel::spanOf(const QString& text, int from)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    return QStringRef(&text, from, text.size() - from);
#else
    return QStringView(text).mid(from);
#endif
}

bool ZCSortFilterProxyModel::matches(TextSpan text, const QRegularExpression& expression,
                                     PatternKind kind)
{
    if (kind != PatternKind::PlainText)
        return expression.match(text).hasMatch();
    const Qt::CaseSensitivity sensitivity = expression.patternOptions() & QRegularExpression::CaseInsensitiveOption
                                                ? Qt::CaseInsensitive : Qt::CaseSensitive;
    return text.contains(expression.pattern(), sensitivity);
}

bool ZCSortFilterProxyModel::textMatches(const QString& text, const QRegularExpression& expression) const
{
    const QString subject = m_normalizado ? normalizeText(text) : text;
    return matches(spanOf(subject), expression, kindOf(expression.pattern()));
}

// PlainText: no tab and no character with a meaning outside a class. CellLocal: no anchor,
// lookaround or verb, so what matches inside a cell also matches inside the joined text (the tab
// that separates cells is a non-word character, like the ends of a lone cell, so \b agrees).
// Spanning: anything else, matched against the joined text only.
ZCSortFilterProxyModel::PatternKind ZCSortFilterProxyModel::kindOf(const QString& pattern) const
{
    if (pattern == m_checkedPattern)
        return m_checkedPatternKind;
    static const QString special = QStringLiteral("\\^$.|?*+()[{\t");
    static const QString contextual[] = {QStringLiteral("^"), QStringLiteral("$"), QStringLiteral("\\A"),
                                         QStringLiteral("\\Z"), QStringLiteral("\\z"), QStringLiteral("\\G"),
                                         QStringLiteral("(?"), QStringLiteral("(*")};
    m_checkedPattern = pattern;
    if (std::none_of(pattern.cbegin(), pattern.cend(), [](QChar c) { return special.contains(c); }))
        m_checkedPatternKind = PatternKind::PlainText;
    else if (std::none_of(std::begin(contextual), std::end(contextual),
                          [&pattern](const QString& token) { return pattern.contains(token); }))
        m_checkedPatternKind = PatternKind::CellLocal;
    else
        m_checkedPatternKind = PatternKind::Spanning;
    return m_checkedPatternKind;
}
